// Pack, zap and memo compaction: results, tags rebuilt, and nothing lost
// when the disk fills up, a rename fails or the program stops half-way.
#include <gtest/gtest.h>

#include <cerrno>
#include <map>

#include "TestSupport.h"
#include "tbengine/engine.h"
#include "tbengine/env.h"

using tbtest::Field;
using tbtest::ReadBytes;

namespace {

// The names of the files that differ between two snapshots of a folder.
std::string Differing(const std::map<std::string, std::string>& a, const std::map<std::string, std::string>& b) {
  std::string names;
  for (const auto& [name, bytes] : a)
    if (!b.count(name) || b.at(name) != bytes) names += name + " ";
  for (const auto& [name, bytes] : b)
    if (!a.count(name)) names += name + " ";
  return names;
}

const TAG4INFO kTags[] = {
    {"inv", "Str(IvNo,6,0)", nullptr, 0, 0},
    {"invd", "DTOS(IDate)", nullptr, 0, 0},
    {nullptr, nullptr, nullptr, 0, 0},
};

class RewriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tbtest::MakeTable(e_.dir().path(), "INV5.dbf", {Field("IVNO", 'N', 6), Field("IDATE", 'D', 8), Field("REM", 'M', 10)});
  }
  // n invoices numbered 1000.. in falling date order, every third without a memo.
  DATA4* Fill(int n) {
    DATA4* d = e_.Open("INV5");
    for (int i = 0; i < n; ++i) {
      std::string memo = i % 3 == 2 ? "" : "note " + std::to_string(i) + std::string(static_cast<size_t>(i * 37 % 900), '.');
      tbtest::AppendRecord(d, {{"IVNO", std::to_string(1000 + i)}, {"IDATE", std::to_string(20241231 - i)}, {"REM", memo}});
    }
    EXPECT_NE(i4create(d, "INV5", kTags), nullptr) << code4errorText(e_.cb());
    return d;
  }
  void Delete(DATA4* d, std::initializer_list<long> recnos) {
    for (long r : recnos) {
      ASSERT_EQ(d4go(d, r), 0);
      d4delete(d);
    }
  }
  std::map<std::string, std::string> Snapshot() {
    std::map<std::string, std::string> files;
    for (const std::string& name : tbtest::ListDir(e_.dir().path())) files[name] = ReadBytes(e_.File(name));
    return files;
  }
  // Invoice number -> memo, over all records.
  std::map<std::string, std::string> Contents(DATA4* d) {
    std::map<std::string, std::string> out;
    for (long r = 1; r <= d4recCountDo(d); ++r) {
      EXPECT_EQ(d4go(d, r), 0);
      out[std::to_string(f4long(d4field(d, "IVNO")))] = f4memoStr(d4field(d, "REM"));
    }
    return out;
  }
  tbtest::Engine e_;
};

TEST_F(RewriteTest, PackRemovesDeletedRecordsAndRebuildsTheTags) {
  DATA4* d = Fill(10);
  auto before = Contents(d);
  Delete(d, {1, 4, 10});
  ASSERT_EQ(d4pack(d), 0) << code4errorText(e_.cb());
  EXPECT_EQ(d4recCountDo(d), 7);
  for (const char* gone : {"1000", "1003", "1009"}) before.erase(gone);
  EXPECT_EQ(Contents(d), before) << "memos follow their records";
  d4tagSelect(d, d4tag(d, "invd"));
  EXPECT_EQ(tbtest::RecordOrder(d), (std::vector<long>{7, 6, 5, 4, 3, 2, 1}));
  tbtest::ExpectConsistent(d);
  for (const std::string& name : tbtest::ListDir(e_.dir().path()))
    EXPECT_EQ(name.find(".tb"), std::string::npos) << "left behind: " << name;
}

TEST_F(RewriteTest, ZapRemovesTheRangeAndEmptyTablesStayValid) {
  DATA4* d = Fill(6);
  ASSERT_EQ(d4zap(d, 2, 3), 0);
  EXPECT_EQ(d4recCountDo(d), 3);
  ASSERT_EQ(d4go(d, 2), 0);
  EXPECT_EQ(f4long(d4field(d, "IVNO")), 1004);
  tbtest::ExpectConsistent(d);
  ASSERT_EQ(d4zap(d, 1, d4recCountDo(d)), 0);
  EXPECT_EQ(d4recCountDo(d), 0);
  EXPECT_EQ(d4top(d), r4eof);
  tbtest::ExpectConsistent(d);
  ASSERT_EQ(d4memoCompress(d), 0);
  EXPECT_EQ(ReadBytes(e_.File("INV5.dbt")).size(), 512u);
  tbtest::AppendRecord(d, {{"IVNO", "7"}, {"REM", "after the erase"}});
  tbtest::ExpectConsistent(d);
}

TEST_F(RewriteTest, MemoCompactionKeepsEveryMemoAndDropsTheRest) {
  DATA4* d = Fill(12);
  for (long r = 1; r <= 12; r += 2) {  // rewrite half the memos: the old blocks become garbage
    ASSERT_EQ(d4go(d, r), 0);
    f4memoAssign(d4field(d, "REM"), ("rewritten " + std::to_string(r)).c_str());
  }
  Delete(d, {2});  // a deleted record keeps its memo until a pack
  auto before = Contents(d);
  const size_t sizeBefore = ReadBytes(e_.File("INV5.dbt")).size();
  ASSERT_EQ(d4memoCompress(d), 0) << code4errorText(e_.cb());
  EXPECT_EQ(Contents(d), before);
  EXPECT_LT(ReadBytes(e_.File("INV5.dbt")).size(), sizeBefore);
  tbtest::ExpectConsistent(d);
  code4close(e_.cb());
  d = e_.Open("INV5");
  EXPECT_EQ(Contents(d), before) << "after reopening";
}

TEST_F(RewriteTest, FullDiskDuringPackLeavesTheOldFilesIntact) {
  tbengine::FaultEnv faults(tbengine::Env::Default());
  code4setEnv(e_.cb(), &faults);
  DATA4* d = Fill(40);
  Delete(d, {3, 5});
  ASSERT_EQ(d4go(d, 1), 0);
  const auto before = Snapshot();
  // Every write of the pack in turn: the table, its memos, its indexes.
  int n = 1;
  for (; n < 200; ++n) {
    faults.FailWritesAfter(n, ENOSPC);
    const int calls = faults.writeCalls();
    const int rc = d4packCompress(d);
    const bool reached = faults.writeCalls() - calls >= n;
    faults.Heal();
    if (!reached) break;
    EXPECT_LT(rc, 0) << "write " << n;
    EXPECT_EQ(e_.TakeError(), e4write);
    EXPECT_EQ(Snapshot(), before) << "after failing write " << n;
    EXPECT_EQ(d4recCountDo(d), 40);
  }
  EXPECT_GT(n, 6) << "the pack writes the table, the memo file and two indexes";
  ASSERT_LT(n, 200);
  code4close(e_.cb());
  std::map<std::string, std::string> files = before;
  for (const auto& [name, bytes] : files) tbtest::WriteBytes(e_.File(name), bytes);
  for (const std::string& name : tbtest::ListDir(e_.dir().path()))
    if (!files.count(name)) std::remove(e_.File(name).c_str());
  d = e_.Open("INV5");
  faults.FailRenames(EXDEV);
  EXPECT_LT(d4pack(d), 0);
  EXPECT_EQ(e_.TakeError(), e4rename);
  faults.Heal();
  EXPECT_EQ(Snapshot(), before) << "after a failing rename";
  tbtest::ExpectConsistent(d);
  ASSERT_EQ(d4pack(d), 0);
  EXPECT_EQ(d4recCountDo(d), 38);
  code4close(e_.cb());
}

TEST_F(RewriteTest, PackStoppedAtEveryRenameIsFinishedOrUndoneOnOpen) {
  tbengine::FaultEnv faults(tbengine::Env::Default());
  DATA4* d = Fill(20);
  Delete(d, {2, 7});
  code4close(e_.cb());
  const auto before = Snapshot();
  ASSERT_EQ(before.size(), 5u);
  d = e_.Open("INV5");
  ASSERT_EQ(d4packCompress(d), 0);
  code4close(e_.cb());
  const auto after = Snapshot();
  // The renames: two index builds (each under a name of its own), the table
  // (the commit), the memo file, the two indexes.
  for (int n = 1; n <= 6; ++n) {
    for (const auto& [name, bytes] : before) tbtest::WriteBytes(e_.File(name), bytes);
    code4setEnv(e_.cb(), &faults);
    d = e_.Open("INV5");
    faults.FailRenamesAfter(n, EIO);
    EXPECT_LT(d4packCompress(d), 0) << "rename " << n;
    e_.TakeError();
    faults.Heal();
    code4close(e_.cb());
    e_.TakeError();
    code4setEnv(e_.cb(), nullptr);
    d = e_.Open("INV5");  // as after a crash at that point
    EXPECT_EQ(Differing(Snapshot(), n <= 3 ? before : after), "") << "rename " << n;
    tbtest::ExpectConsistent(d);
    code4close(e_.cb());
  }
}

TEST_F(RewriteTest, FullDiskDuringMemoCompactionLeavesTheOldFilesIntact) {
  tbengine::FaultEnv faults(tbengine::Env::Default());
  code4setEnv(e_.cb(), &faults);
  DATA4* d = Fill(30);
  const auto before = Snapshot();
  for (int n : {1, 2, 3, 4}) {  // memos, memo header, records, table header
    faults.FailWritesAfter(n, ENOSPC);
    EXPECT_LT(d4memoCompress(d), 0) << "write " << n;
    EXPECT_EQ(e_.TakeError(), e4write);
    faults.Heal();
    EXPECT_EQ(Snapshot(), before) << "after failing write " << n;
  }
  faults.FailRenames(EACCES);
  EXPECT_LT(d4memoCompress(d), 0);
  EXPECT_EQ(e_.TakeError(), e4rename);
  faults.Heal();
  EXPECT_EQ(Snapshot(), before);
  tbtest::ExpectConsistent(d);
  code4close(e_.cb());
}

// Earlier versions compacted memos apart from the pack, committing with the
// memo file; what they left is still finished or discarded.
TEST_F(RewriteTest, CompactionStoppedBetweenItsRenamesIsFinishedOnOpen) {
  DATA4* d = Fill(9);
  ASSERT_EQ(d4go(d, 1), 0);
  f4memoAssign(d4field(d, "REM"), "rewritten");  // the old block becomes garbage
  const auto contents = Contents(d);
  code4close(e_.cb());
  const std::string oldDbf = ReadBytes(e_.File("INV5.dbf"));
  d = e_.Open("INV5");
  ASSERT_EQ(d4memoCompress(d), 0);
  code4close(e_.cb());
  const std::string newDbf = ReadBytes(e_.File("INV5.dbf"));
  ASSERT_NE(newDbf, oldDbf) << "the memo pointers moved";

  // The state after the first rename: new .dbt, old .dbf, new .dbf beside it.
  tbtest::WriteBytes(e_.File("INV5.dbf"), oldDbf);
  tbtest::WriteBytes(e_.File("INV5.dbf.tbmemo"), newDbf);
  d = e_.Open("INV5");
  EXPECT_EQ(Contents(d), contents);
  EXPECT_FALSE(tbtest::Exists(e_.File("INV5.dbf.tbmemo")));
  tbtest::ExpectConsistent(d);
  code4close(e_.cb());

  // Stopped before the commit: both new files beside the old ones are dropped.
  tbtest::WriteBytes(e_.File("INV5.dbt.tbmemo"), "partial");
  tbtest::WriteBytes(e_.File("INV5.dbf.tbmemo"), "partial");
  d = e_.Open("INV5");
  EXPECT_EQ(Contents(d), contents);
  EXPECT_FALSE(tbtest::Exists(e_.File("INV5.dbt.tbmemo")));
  EXPECT_FALSE(tbtest::Exists(e_.File("INV5.dbf.tbmemo")));
}

TEST_F(RewriteTest, PackStoppedBeforeItsCommitIsDiscardedOnOpen) {
  Fill(5);
  code4close(e_.cb());
  const auto before = Snapshot();
  tbtest::WriteBytes(e_.File("INV5.dbf.tbpack"), "half a table");
  tbtest::WriteBytes(e_.File("inv.ntx.tbpack"), "an index");
  DATA4* d = e_.Open("INV5");
  EXPECT_EQ(Snapshot(), before);
  tbtest::ExpectConsistent(d);
}

TEST_F(RewriteTest, PackKeepsOtherProgramsOutAfterwards) {
  code4accessMode(e_.cb(), OPEN4DENY_WRITE);
  DATA4* d = Fill(4);
  Delete(d, {2});
  ASSERT_EQ(d4pack(d), 0);
  CODE4* other = code4initP();
  code4setDirectory(other, e_.dir().path());
  EXPECT_EQ(d4open(other, "INV5"), nullptr) << "the new table file is locked too";
  code4initUndoP(other);
}

}  // namespace
