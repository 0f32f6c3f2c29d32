// A data folder belongs to one program at a time. The running program holds
// a lock file beside the tables for its whole run, and the data tool's
// writing commands hold it while they work, so neither writes under the
// other. The lock dies with its holder: a lock file left by a process that
// no longer runs is taken over.
#ifndef DATA_FOLDERLOCK_H
#define DATA_FOLDERLOCK_H

#include <QCoreApplication>
#include <QString>
#include <memory>

class QLockFile;

// The lock file's name in the data folder: hidden, so folder listings and
// copies of the data files pass it by.
inline constexpr const char* kFolderLockName = ".tallowby.lock";
// What a second program, or a writing command of the data tool, is told
// (FolderBusyMessage: in the user's language).
inline constexpr const char* kFolderBusyMessage =
    QT_TRANSLATE_NOOP("FolderLock", "Tallowby is already running on this data folder.");
QString FolderBusyMessage();

class FolderLock {
 public:
  // The lock of the folder dir ("" = the current directory); not yet held.
  explicit FolderLock(const QString& dir = QString());
  ~FolderLock();  // releases it when held
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Takes the lock without waiting. False only when another live process
  // holds it. A folder where no lock file can be made (read-only media)
  // counts as free: nothing can be written there, and the writes themselves
  // report that.
  bool hold();
  bool held() const;
  void release();

 private:
  std::unique_ptr<QLockFile> file_;
};

// For a writing command of the data tool: dir's lock, held until the result
// is destroyed; nullptr while the program (or another command) holds the
// folder, with *error the line to print. Nothing may then be written.
std::unique_ptr<FolderLock> HoldFolderForWriting(const QString& dir, QString* error);

#endif  // DATA_FOLDERLOCK_H
