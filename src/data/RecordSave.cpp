#include "data/RecordSave.h"

#include <QCoreApplication>

#include "data/CodeBase.h"
#include "data/dbFiles.h"
#include "platform/Ui.h"

namespace {
struct Tr {
  Q_DECLARE_TR_FUNCTIONS(RecordSave)
};
}  // namespace

bool AppendRecord(DATA4* d) {
  const long before = d4recCountDo(d);
  if (d4appendBlank(d) == r4success) return true;
  code4errorCode(cb, 0);
  if (d4recCountDo(d) > before) {
    d4delete(d);
    DeletionsPending = true;
  }
  return false;
}

bool GoToOrAppend(DATA4* d, int* currentRec, bool canAppend, const QString& failure) {
  if (*currentRec > 0) {
    d4go(d, *currentRec);
    return true;
  }
  if (!canAppend || !AppendRecord(d)) {
    Ui::get().information(failure.isEmpty()
                              ? Tr::tr("Unable to Append record . . Please try again.")
                              : failure);
    return false;
  }
  *currentRec = static_cast<int>(d4recNo(d));
  return true;
}

void MarkForPack(DATA4* d, int recNo) {
  d4go(d, recNo);
  d4delete(d);
  DeletionsPending = true;
}

LinesWritten OverwriteLines(DATA4* d, FIELD4* ivField, long ivNo, int count,
                            const std::function<void(int)>& write) {
  LinesWritten result;
  bool appending = !SeekNumber(d, ivField, ivNo);
  for (int i = 0; i < count; ++i) {
    if (appending && !AppendRecord(d)) {
      result.appendFailed = true;
      return result;
    }
    write(i);
    // A record marked deleted by an earlier save whose pack failed would
    // otherwise be lost with this document's data at the next pack.
    if (d4deleted(d) == 1) d4recall(d);
    if (!appending) appending = !NextOfNumber(d, ivField, ivNo);
  }
  if (!appending) {
    // The pointer stands on the first of the records beyond the new ones.
    do d4delete(d);
    while (NextOfNumber(d, ivField, ivNo));
    result.surplusDeleted = true;
  }
  return result;
}

bool MarkLinesDeleted(DATA4* d, FIELD4* ivField, long ivNo) {
  bool any = false;
  for (bool more = SeekNumber(d, ivField, ivNo); more; more = NextOfNumber(d, ivField, ivNo)) {
    d4delete(d);
    any = true;
  }
  return any;
}

void PackNow(DATA4* d) {
  if (d4pack(d) != 0) {
    code4errorCode(cb, 0);
    DeletionsPending = true;
  }
}
