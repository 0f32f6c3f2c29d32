// Putting staged files in place all together, finishing or undoing a swap
// that was cut short, removing what other cut-short work left, and holding
// the folder against other programs, on real folders.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/Leftovers.h"
#include "data/OtherProgram_test.h"
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
  EXPECT_EQ(OtherProgramAsks(dir.path(), false), 1) << "nobody reads while the swap works";
}

TEST_F(TableSwapTest, NoCommandReadsWhileAnotherProgramSwapsAndNoSwapStartsWhileOneReads) {
  Write(path("A.dbf"), "old a");
  {
    OtherProgramHolding restoring(dir.path(), true);
    FolderHold hold;
    EXPECT_EQ(FinishInterruptedSwap(dir.path(), nullptr, &hold), SwapRecovery::Busy);
    EXPECT_FALSE(hold.held());
    EXPECT_TRUE(SwapUnderWay(dir.path()));
    EXPECT_TRUE(FolderBusyReason(dir.path()).startsWith("Another program is restoring"));
  }
  EXPECT_FALSE(SwapUnderWay(dir.path()));
  {
    OtherProgramHolding reading(dir.path(), false);
    FolderHold hold;
    EXPECT_EQ(FinishInterruptedSwap(dir.path(), nullptr, &hold), SwapRecovery::None)
        << "readers share the folder";
    EXPECT_TRUE(hold.held());
    TableSwap swap(dir.path());
    QString error;
    EXPECT_FALSE(swap.begin(&error));
    EXPECT_TRUE(error.endsWith("are in use by another program.")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(staging()));
  }
}

TEST_F(TableSwapTest, SwapOfAProgramThatReadsTheFolderRaisesItsHoldAndLowersItAfter) {
  Write(path("A.dbf"), "old a");
  FolderHold reading;
  ASSERT_EQ(FinishInterruptedSwap(dir.path(), nullptr, &reading), SwapRecovery::None);
  EXPECT_EQ(OtherProgramAsks(dir.path(), false), 0);
  {
    TableSwap swap(dir.path());
    QString error;
    ASSERT_TRUE(swap.begin(&error)) << error.toStdString();
    EXPECT_EQ(OtherProgramAsks(dir.path(), false), 1);
    Write(swap.stagedPath("A.dbf"), "new a");
    ASSERT_TRUE(swap.commit({"A.dbf"}, {}, &error)) << error.toStdString();
  }
  EXPECT_EQ(Read(path("A.dbf")), "new a");
  EXPECT_EQ(OtherProgramAsks(dir.path(), false), 0) << "others read again";
  EXPECT_EQ(OtherProgramAsks(dir.path(), true), 1) << "while this program still reads";
}

TEST_F(TableSwapTest, WhatKilledWorkLeftGoesAtTheNextCommandUnlessAnotherIsAtWork) {
  Write(path("A.dbf"), "table");
  const QStringList leftovers{"cName.ntx.tmp", "inv.ntx.tbpack.tmp", "A.cgp.tbnew",
                              "A.dbf.tbcopy", "backup-manifest.txt.tbcopy"};
  for (const QString& f : leftovers) Write(path(f), "half written");
  Write(path("notes.tmp"), "not ours");
  {
    OtherProgramHolding reading(dir.path(), false);
    FolderHold hold;
    EXPECT_EQ(FinishInterruptedSwap(dir.path(), nullptr, &hold), SwapRecovery::None);
    EXPECT_TRUE(hold.held());
    EXPECT_EQ(LeftoversIn(dir.path()).size(), leftovers.size())
        << "a file may be the other program's work in progress";
  }
  FolderHold hold;
  EXPECT_EQ(FinishInterruptedSwap(dir.path(), nullptr, &hold), SwapRecovery::None);
  EXPECT_TRUE(LeftoversIn(dir.path()).isEmpty());
  EXPECT_EQ(Read(path("A.dbf")), "table");
  EXPECT_TRUE(QFile::exists(path("notes.tmp")));
  EXPECT_EQ(OtherProgramAsks(dir.path(), true), 1) << "held shared after the clean-up";
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
