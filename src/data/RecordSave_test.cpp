#include "data/RecordSave.h"

#include <cerrno>

#include "data/CodeBase.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"
#include "tbengine/env.h"

namespace {

using RecordAppendTest = IndexedFolderTest;

// Every write of an append fails in turn, the disk being full from there
// on: an append that fails never leaves a blank record that counts.
TEST_F(RecordAppendTest, FailedAppendLeavesNoLiveBlankRecord) {
  tbengine::FaultEnv fault(tbengine::Env::Default());
  code4setEnv(cb, &fault);
  struct Restore {
    ~Restore() { code4setEnv(cb, nullptr); }
  } restore;
  bool recordLeftBehind = false;
  for (int failing = 1; failing < 50; ++failing) {
    SCOPED_TRACE(failing);
    ASSERT_TRUE(OpenCUST5());
    DeletionsPending = false;
    const long before = d4recCountDo(Cust5.d);
    fault.FailWritesAfter(failing, ENOSPC);
    const bool appended = AppendRecord(Cust5.d);
    fault.Heal();
    if (appended) {
      EXPECT_EQ(d4recCountDo(Cust5.d), before + 1);
      CloseAll();
      break;
    }
    EXPECT_EQ(code4errorCode(cb, 0), 0) << "the error is cleared";
    for (long r = before + 1; r <= d4recCountDo(Cust5.d); ++r) {
      recordLeftBehind = true;
      ASSERT_EQ(d4go(Cust5.d, r), 0);
      EXPECT_EQ(d4deleted(Cust5.d), 1) << "record " << r << " is marked deleted";
      EXPECT_TRUE(DeletionsPending) << "and is packed at the end of the command";
    }
    code4errorCode(cb, 0);
    CloseAll();
    code4errorCode(cb, 0);
  }
  EXPECT_TRUE(recordLeftBehind) << "some failing write came after the record was appended";
}

}  // namespace
