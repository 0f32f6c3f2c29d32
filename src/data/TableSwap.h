// Puts a set of new data files in place of the old ones all together, so a
// restore or a conversion never leaves the data folder holding a mix.
//
// The new files are prepared in the staging folder ".tbswap" inside the data
// folder (the same file system, so a rename is atomic). commit() then writes
// a journal naming every file (the commit point), renames each new file over
// the old one, removes the files that no longer match (index files), and
// removes the staging folder. A swap that stops before the journal is written
// is undone (the staging folder goes, the data folder is as it was); one that
// stops after it is finished. FinishInterruptedSwap does either, and every
// program and command runs it before it opens a table: the program at start,
// each batch command, each data tool command on a folder or a table.
//
// A swap holds the data folder exclusively (FolderHold) from begin() to its
// end, and every command holds it shared while it works, so no command ever
// reads a folder halfway through a swap, and no second process finishes or
// undoes a swap that is still running.
#ifndef DATA_TABLESWAP_H
#define DATA_TABLESWAP_H

#include <QString>
#include <QStringList>

#include "data/FolderHold.h"

class TableSwap {
 public:
  explicit TableSwap(const QString& dataDir);
  ~TableSwap();  // a swap not committed is discarded
  TableSwap(const TableSwap&) = delete;
  TableSwap& operator=(const TableSwap&) = delete;

  // Holds the data folder exclusively and creates an empty staging folder
  // (after finishing or undoing a swap found interrupted). False, *error
  // set, when that cannot be done: nothing changed.
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
  FolderHold hold_;
};

enum class SwapRecovery {
  None,      // no interrupted swap
  Finished,  // a committed swap was completed
  Undone,    // an uncommitted swap was thrown away
  Busy,      // another process is in the middle of a swap
  Failed,    // the folder could not be put right (*error says why)
};

// Before anything opens a table of dir: finishes or undoes a swap cut short
// there and removes what other cut-short work left (Leftovers.h); then, when
// hold is given, holds dir in mode until *hold lets go. Busy when another
// process is swapping there (nothing was done; for Exclusive also when
// another process reads there), waiting at most a moment for a recovery of
// another command to end. Half-written files are removed only when nobody
// else works in dir; otherwise they wait for a later command.
SwapRecovery FinishInterruptedSwap(const QString& dir, QString* error = nullptr,
                                   FolderHold* hold = nullptr,
                                   FolderHold::Mode mode = FolderHold::Mode::Shared);

// True when a swap of another process is working in dir, or one was cut
// short there and is not finished yet: its tables may be missing or
// between two sets.
bool SwapUnderWay(const QString& dir);

// Why dir cannot be held exclusively now, as one sentence for a message:
// another program is restoring, converting or backing up there, or has its
// tables in use.
QString FolderBusyReason(const QString& dir);

// The name under which dir holds fileName (matched without regard to case),
// or fileName itself when dir does not hold it.
QString ExistingName(const QString& dir, const QString& fileName);

#endif  // DATA_TABLESWAP_H
