// Putting staged files in place all together, and finishing or undoing a
// swap that was cut short, on real folders.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/TableSwap.h"

namespace {

class TableSwapTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  QString path(const QString& name) const { return dir.filePath(name); }
  QString staging() const { return dir.filePath(".tbswap"); }

  static void Write(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  static QByteArray Read(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
  }

  // The state a swap leaves when it is killed: staged files, and (committed)
  // its journal.
  void CutShort(bool committed) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(".tbswap"));
    Write(staging() + "/A.dbf", "new a");
    Write(staging() + "/B.dbf", "new b");
    if (committed) {
      Write(staging() + "/journal",
            "tallowby swap 1\nput\tA.dbf\tA.dbf\nput\tB.dbf\tb.DBF\nremove\tx.ntx\n");
    }
  }

  QTemporaryDir dir;
};

TEST_F(TableSwapTest, CommitPutsEveryFileInPlaceUnderItsExistingNameAndRemovesIndexes) {
  Write(path("A.dbf"), "old a");
  Write(path("b.DBF"), "old b");
  Write(path("x.ntx"), "index");
  TableSwap swap(dir.path());
  QString error;
  ASSERT_TRUE(swap.begin(&error)) << error.toStdString();
  Write(swap.stagedPath("A.dbf"), "new a");
  Write(swap.stagedPath("B.dbf"), "new b");
  Write(swap.stagedPath("scratch.ntx"), "not put in place");
  ASSERT_TRUE(swap.commit({"A.dbf", "B.dbf"}, {"x.ntx", "y.ntx"}, &error)) << error.toStdString();

  EXPECT_EQ(Read(path("A.dbf")), "new a");
  EXPECT_EQ(Read(path("b.DBF")), "new b") << "replaced under the name the folder had";
  EXPECT_FALSE(QFile::exists(path("B.dbf")));
  EXPECT_FALSE(QFile::exists(path("x.ntx")));
  EXPECT_FALSE(QFile::exists(path("scratch.ntx")));
  EXPECT_FALSE(QFile::exists(staging()));
}

TEST_F(TableSwapTest, SwapNotCommittedIsDiscardedAndChangesNothing) {
  Write(path("A.dbf"), "old a");
  {
    TableSwap swap(dir.path());
    QString error;
    ASSERT_TRUE(swap.begin(&error));
    Write(swap.stagedPath("A.dbf"), "new a");
  }
  EXPECT_EQ(Read(path("A.dbf")), "old a");
  EXPECT_FALSE(QFile::exists(staging()));
}

TEST_F(TableSwapTest, SwapKilledBeforeItsJournalIsUndone) {
  Write(path("A.dbf"), "old a");
  Write(path("b.DBF"), "old b");
  CutShort(false);
  EXPECT_EQ(FinishInterruptedSwap(dir.path()), SwapRecovery::Undone);
  EXPECT_EQ(Read(path("A.dbf")), "old a");
  EXPECT_EQ(Read(path("b.DBF")), "old b");
  EXPECT_FALSE(QFile::exists(staging()));
  EXPECT_EQ(FinishInterruptedSwap(dir.path()), SwapRecovery::None);
}

TEST_F(TableSwapTest, SwapKilledHalfWayThroughItsRenamesIsFinished) {
  Write(path("b.DBF"), "old b");
  Write(path("x.ntx"), "index");
  CutShort(true);
  // A.dbf had been put in place already.
  ASSERT_TRUE(QFile::rename(staging() + "/A.dbf", path("A.dbf")));
  QString error;
  EXPECT_EQ(FinishInterruptedSwap(dir.path(), &error), SwapRecovery::Finished)
      << error.toStdString();
  EXPECT_EQ(Read(path("A.dbf")), "new a");
  EXPECT_EQ(Read(path("b.DBF")), "new b");
  EXPECT_FALSE(QFile::exists(path("x.ntx")));
  EXPECT_FALSE(QFile::exists(staging()));
}

TEST_F(TableSwapTest, SwapStillRunningIsLeftAlone) {
  Write(path("A.dbf"), "old a");
  TableSwap running(dir.path());
  QString error;
  ASSERT_TRUE(running.begin(&error));
  Write(running.stagedPath("A.dbf"), "new a");
  EXPECT_EQ(FinishInterruptedSwap(dir.path()), SwapRecovery::Busy);
  EXPECT_TRUE(QFile::exists(running.stagedPath("A.dbf")));
  TableSwap second(dir.path());
  EXPECT_FALSE(second.begin(&error)) << "one swap at a time";
  EXPECT_TRUE(QFile::exists(running.stagedPath("A.dbf")))
      << "the second swap does not discard the running one's work";
}

TEST_F(TableSwapTest, UnreadableJournalStopsRecoveryAndKeepsEverything) {
  Write(path("A.dbf"), "old a");
  CutShort(false);
  Write(staging() + "/journal", "something else\n");
  QString error;
  EXPECT_EQ(FinishInterruptedSwap(dir.path(), &error), SwapRecovery::Failed);
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(Read(path("A.dbf")), "old a");
  EXPECT_TRUE(QFile::exists(staging() + "/A.dbf")) << "nothing thrown away that may be needed";
}

}  // namespace
