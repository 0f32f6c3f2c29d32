// What a command without windows does around its work on a data folder:
// holds the folder (another Tallowby in it is told, not waited for),
// finishes a restore or conversion that was cut short, starts the engine
// with the tables made ready and the settings read, and ends it; an engine
// failure ends the work and is said. What the program would have asked or
// told a person is said too, and makes the status 1.
#ifndef DATA_FOLDERCOMMAND_H
#define DATA_FOLDERCOMMAND_H

#include <QString>
#include <functional>

enum class FolderUse {
  Reads,
  // Writes the tables: also holds the folder's lock (data/FolderLock) for
  // the run, so it never writes while the program, or another such
  // command, has the tables open with what it read of them before.
  Writes,
};

// work's status, or 1 when the folder could not be opened, is held by the
// program (use Writes), or the engine failed; say is given each message.
int RunOnDataFolder(const QString& folder, FolderUse use, const std::function<void(const QString&)>& say,
                    const std::function<int()>& work);

#endif  // DATA_FOLDERCOMMAND_H
