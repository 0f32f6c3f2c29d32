// Who may work in a folder of tables at once. Every command that opens
// tables holds their folder shared for its run; a restore or a conversion
// holds it exclusively while it puts a new set of tables in place, and a
// backup holds its target exclusively while it writes there. So no command
// ever opens a table while the set is changing beneath it, and a restore
// never starts while a command reads.
//
// The hold is a flock on the folder itself: nothing is written, nothing is
// left behind, and a hold dies with its process. Within one process every
// hold of a folder shares one descriptor, so a program that holds its data
// folder shared can still restore into it (the hold is raised to exclusive
// and lowered again). Nothing waits: a hold that cannot be had now fails.
// A file system that cannot lock at all gives every hold (as the program's
// lock file counts a folder where none can be made as free).
#ifndef DATA_FOLDERHOLD_H
#define DATA_FOLDERHOLD_H

#include <QString>

class FolderHold {
 public:
  enum class Mode { Shared, Exclusive };

  FolderHold() = default;  // holds nothing
  ~FolderHold();           // lets go
  FolderHold(FolderHold&& other) noexcept;
  FolderHold& operator=(FolderHold&& other) noexcept;
  FolderHold(const FolderHold&) = delete;
  FolderHold& operator=(const FolderHold&) = delete;

  // Holds dir in mode, letting go of what this object held before. False
  // (nothing held) when another process holds dir in a way that excludes
  // mode, or dir cannot be opened.
  bool take(const QString& dir, Mode mode);
  void release();
  bool held() const { return !dir_.isEmpty(); }

  // True when another process holds dir exclusively (a restore, a
  // conversion or a backup is working there).
  static bool HeldExclusivelyElsewhere(const QString& dir);
  // While a swap of this process works in dir, nothing of this process may
  // finish or undo what lies in its staging folder.
  static void SetSwapRunning(const QString& dir, bool running);
  static bool SwapRunningHere(const QString& dir);

 private:
  QString dir_;  // canonical; empty when nothing is held
  Mode mode_ = Mode::Shared;
};

#endif  // DATA_FOLDERHOLD_H
