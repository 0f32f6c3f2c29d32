#include "shell/ProgramEnd.h"

#include <QTemporaryDir>

#include "data/CodeBase.h"
#include "data/SupplyTables.h"
#include "data/dbFiles.h"
#include "shell/TestSupport.h"

namespace {

TEST(ProgramEndTest, FatalEngineErrorEndsTheProgramKeepingTheRecordInHand) {
  QTemporaryDir dir;
  QString error;
  ASSERT_TRUE(WriteSuppliedTables(dir.path(), &error));
  StartEngine(dir.path());
  RebuildIndexes(true);
  EXPECT_EXIT(
      {
        InstallFatalHook();
        OpenCUST5();
        d4appendBlank(Cust5.d);
        CustBuf.last = "Written";
        WriteCustomer();        // in the record buffer, not yet in the file
        d4open(cb, "NOSUCH");   // an error pending
        error4exitTest(cb);
      },
      ::testing::ExitedWithCode(1), "");
  ASSERT_TRUE(OpenCUST5());
  ASSERT_EQ(d4recCountDo(Cust5.d), 1);
  d4top(Cust5.d);
  ReadCustomer();
  EXPECT_EQ(CustBuf.last.trimmed(), "Written");
  EndEngine();
}

}  // namespace
