#include "data/RecordAppend.h"

#include "data/CodeBase.h"
#include "data/dbFiles.h"

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
