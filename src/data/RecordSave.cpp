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
