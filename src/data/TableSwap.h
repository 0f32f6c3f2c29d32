// Puts a set of new data files in place of the old ones all together, so a
// restore or a conversion never leaves the data folder holding a mix.
//
// The new files are prepared in the staging folder ".tbswap" inside the data
// folder (the same file system, so a rename is atomic). commit() then writes
// a journal naming every file (the commit point), renames each new file over
// the old one, removes the files that no longer match (index files), and
// removes the staging folder. A swap that stops before the journal is written
// is undone (the staging folder goes, the data folder is as it was); one that
// stops after it is finished. FinishInterruptedSwap does either; the program
// runs it at start and the data tool before every command on a folder.
//
// The staging folder is locked (flock) while a swap works in it, so a second
// process never finishes or undoes a swap that is still running.
#ifndef DATA_TABLESWAP_H
#define DATA_TABLESWAP_H

#include <QString>
#include <QStringList>

class TableSwap {
 public:
  explicit TableSwap(const QString& dataDir);
  ~TableSwap();  // a swap not committed is discarded
  TableSwap(const TableSwap&) = delete;
  TableSwap& operator=(const TableSwap&) = delete;

  // Creates and locks an empty staging folder (after finishing or undoing a
  // swap found interrupted). False, *error set, when that cannot be done.
  bool begin(QString* error);
  QString stagingDir() const;
  // Where the new version of fileName is prepared.
  QString stagedPath(const QString& fileName) const;
  // Puts the staged files named in files (each must exist) in place of the
  // data folder's files of the same names (matched without regard to case)
  // and removes the data folder's files named in remove (where present).
  // All or nothing, also across a crash. False, *error set, when the journal
  // could not be written (nothing changed) or a rename failed (the swap is
  // then finished by the next FinishInterruptedSwap).
  bool commit(const QStringList& files, const QStringList& remove, QString* error);
  // Removes the staging folder with what it holds.
  void discard();

 private:
  QString dataDir_;
  int lockFd_ = -1;
};

enum class SwapRecovery {
  None,      // no interrupted swap
  Finished,  // a committed swap was completed
  Undone,    // an uncommitted swap was thrown away
  Busy,      // another process is in the middle of a swap
  Failed,    // the folder could not be put right (*error says why)
};

// Finishes or undoes a swap interrupted in dataDir.
SwapRecovery FinishInterruptedSwap(const QString& dataDir, QString* error = nullptr);

// The name under which dir holds fileName (matched without regard to case),
// or fileName itself when dir does not hold it.
QString ExistingName(const QString& dir, const QString& fileName);

#endif  // DATA_TABLESWAP_H
