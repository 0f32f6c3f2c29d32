// The record an editor's Save writes (the one in hand, or a new one) and the
// one its Delete marks.
#ifndef DATA_RECORDSAVE_H
#define DATA_RECORDSAVE_H

#include <QString>
#include <functional>

#include "tbengine/engine.h"

// Appends a blank record to d, which becomes current. On failure (the
// pending error cleared) a record that reached the table all the same (one
// of its indexes could not be updated) is marked deleted and
// DeletionsPending set: the pack at the end of the command removes it and
// rebuilds the indexes. No blank live record is ever left behind.
bool AppendRecord(DATA4* d);

// Makes the record to save current: *currentRec when it is above 0, else a
// new blank record whose number goes into *currentRec. When canAppend is
// false (no number is left for a new record) or the append fails, shows
// failure (by default "Unable to Append record . . Please try again.") and
// returns false with *currentRec unchanged.
bool GoToOrAppend(DATA4* d, int* currentRec, bool canAppend = true,
                  const QString& failure = QString());

// An editor's Delete: record recNo of d marked deleted and DeletionsPending
// set, so the command that opened the table packs it when its loop ends.
void MarkForPack(DATA4* d, int recNo);

// How writing the lines of an invoice or a quote went.
struct LinesWritten {
  bool appendFailed = false;   // a record could not be appended; the rest was not written
  bool surplusDeleted = false; // records beyond the new ones were marked deleted
};

// Writes count records over those of the selected tag whose numberField is
// number, in tag order: write(i) fills record i into the current record;
// those beyond them are appended, those left over marked deleted, and a
// record marked deleted that is written again is recalled.
LinesWritten OverwriteLines(DATA4* d, FIELD4* numberField, long number, int count,
                            const std::function<void(int)>& write);
// Marks every record of number deleted; true when there was one.
bool MarkLinesDeleted(DATA4* d, FIELD4* numberField, long number);

// Removes the table's deleted records. A pack that fails leaves them marked
// and DeletionsPending set, so the command packs them when it ends.
void PackNow(DATA4* d);

#endif  // DATA_RECORDSAVE_H
