// Damaged and foreign files: a table replaced between open and lock,
// indexes that would make a walk loop or mislead, records past the count,
// damaged memo files under a pack, leftovers of interrupted work, write
// protection and file modes, and the problems d4check must name.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <map>

#include "Bytes.h"
#include "TestSupport.h"
#include "tbengine/engine.h"
#include "tbengine/env.h"
#include "tbengine/inspect.h"

using tbtest::Field;
using tbtest::ReadBytes;
using tbtest::WriteBytes;

namespace {

const TAG4INFO kTags[] = {
    {"inv", "Str(IvNo,6,0)", nullptr, 0, 0},
    {"invd", "DTOS(IDate)", nullptr, 0, 0},
    {nullptr, nullptr, nullptr, 0, 0},
};

// INV5: IVNO N(6), IDATE D, REM M; header 32 + 3 x 32 + 1 = 129, records 1 + 6 + 8 + 10 = 25.
constexpr int kHeader = 129;
constexpr int kRecord = 25;
constexpr int kRemOffset = 15;

class DamageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tbtest::MakeTable(e_.dir().path(), "INV5.dbf", {Field("IVNO", 'N', 6), Field("IDATE", 'D', 8), Field("REM", 'M', 10)});
  }
  // n invoices 1000.., each with a memo; the tags built; the table closed.
  void Fill(int n) {
    DATA4* d = e_.Open("INV5");
    for (int i = 0; i < n; ++i)
      tbtest::AppendRecord(d, {{"IVNO", std::to_string(1000 + i)}, {"IDATE", std::to_string(20240101 + i)},
                               {"REM", "memo " + std::to_string(i)}});
    ASSERT_NE(i4create(d, "INV5", kTags), nullptr) << code4errorText(e_.cb());
    code4close(e_.cb());
  }
  std::map<std::string, std::string> Snapshot() {
    std::map<std::string, std::string> files;
    for (const std::string& name : tbtest::ListDir(e_.dir().path())) files[name] = ReadBytes(e_.File(name));
    return files;
  }
  // Overwrites bytes of a file at offset.
  void Patch(const std::string& name, size_t offset, const std::string& bytes) {
    std::string b = ReadBytes(e_.File(name));
    b.replace(offset, bytes.size(), bytes);
    WriteBytes(e_.File(name), b);
  }
  void SetCount(uint32_t n) {
    char w[4];
    tbengine::PutU32(w, n);
    Patch("INV5.dbf", 4, std::string(w, 4));
  }
  // Pack as the data tool does it; returns the error text ("" on success).
  std::string Pack() {
    code4accessMode(e_.cb(), OPEN4DENY_WRITE);
    DATA4* d = d4open(e_.cb(), "INV5");
    std::string text;
    if (d == nullptr || d4packCompress(d) < 0) e_.TakeError(&text);
    code4close(e_.cb());
    code4accessMode(e_.cb(), OPEN4DENY_NONE);
    return text;
  }
  long Count() {
    DATA4* d = e_.Open("INV5");
    long n = d ? d4recCountDo(d) : -1;
    code4close(e_.cb());
    return n;
  }
  tbtest::Engine e_;
};

// ---- A table replaced between open and lock ---------------------------------

TEST_F(DamageTest, OpenJustBeforeAPackCommitsWorksOnTheNewFile) {
  Fill(6);
  tbengine::FaultEnv env(tbengine::Env::Default());
  bool packed = false;
  // Another program packs the table while this one holds it open, unlocked.
  env.BeforeLock([&](const std::string& path) {
    if (packed || path.find("INV5.dbf") == std::string::npos) return;
    packed = true;
    CODE4* other = code4initP();
    code4setDirectory(other, e_.dir().path());
    code4accessMode(other, OPEN4DENY_WRITE);
    DATA4* d = d4open(other, "INV5");
    ASSERT_NE(d, nullptr) << code4errorText(other);
    d4go(d, 1);
    d4delete(d);
    EXPECT_EQ(d4pack(d), 0) << code4errorText(other);
    code4initUndoP(other);
  });
  code4setEnv(e_.cb(), &env);
  DATA4* d = e_.Open("INV5");
  ASSERT_TRUE(packed);
  ASSERT_EQ(d4recCountDo(d), 5) << "attached to the packed table, not the replaced one";
  ASSERT_EQ(d4go(d, 1), 0);
  EXPECT_EQ(f4long(d4field(d, "IVNO")), 1001);
  EXPECT_EQ(std::string(f4memoStr(d4field(d, "REM"))), "memo 1") << "the memo file that goes with it";
  f4assign(d4field(d, "IVNO"), "4242");
  code4close(e_.cb());
  code4setEnv(e_.cb(), nullptr);
  d = e_.Open("INV5");
  ASSERT_EQ(d4go(d, 1), 0);
  EXPECT_EQ(f4long(d4field(d, "IVNO")), 4242) << "the edit reached the file the folder holds";
  tbtest::ExpectConsistent(d);
}

// ---- Indexes that would make a walk loop --------------------------------------

// A table of n records with one key, all equal, indexed by K.
class LoopTest : public ::testing::Test {
 protected:
  void Make(int n) {
    tbtest::MakeTable(e_.dir().path(), "T.dbf", {Field("K", 'C', 1)});
    DATA4* d = e_.Open("T");
    for (int i = 0; i < n; ++i) tbtest::AppendRecord(d, {{"K", "A"}});
    const TAG4INFO tags[] = {{"K", "K", nullptr, 0, 0}, {nullptr, nullptr, nullptr, 0, 0}};
    ASSERT_NE(i4create(d, "T", tags), nullptr);
    code4close(e_.cb());
    ntx_ = ReadBytes(e_.File("K.ntx"));
    m_ = tbengine::GetU16(ntx_.data() + 18);
  }
  uint32_t Root() const { return tbengine::GetU32(ntx_.data() + 4); }
  // Offset in the file of item s of the page at offset page (identity layout).
  size_t Item(uint32_t page, int s) const { return page + 2 * (m_ + 2) + static_cast<size_t>(s) * (1 + 8); }
  uint32_t Child(uint32_t page, int s) const { return tbengine::GetU32(ntx_.data() + Item(page, s)); }
  void SetU32(size_t at, uint32_t v) { tbengine::PutU32(ntx_.data() + at, v); }
  // Walks in index order, going back to each record by number before the
  // next step (as a report that reads other tables between steps does).
  // The number of steps taken and the error that ended the walk.
  int Walk(std::string* error) {
    DATA4* d = e_.Open("T");
    d4tagSelect(d, d4tag(d, "K"));
    int steps = 0;
    int rc = d4top(d);
    while (rc == r4success && steps < 100000) {
      d4go(d, d4recNo(d));
      rc = d4skip(d, 1);
      ++steps;
    }
    e_.TakeError(error);
    code4close(e_.cb());
    code4errorCode(e_.cb(), 0);
    return steps;
  }
  tbtest::Engine e_;
  std::string ntx_;
  int m_ = 0;
};

TEST_F(LoopTest, PagesSharingAChildEndTheWalkWithAnIndexError) {
  Make(200);  // two levels: the root and three leaves
  ASSERT_GE(tbengine::GetU16(ntx_.data() + Root()), 1);
  SetU32(Item(Root(), 1), Child(Root(), 0));
  WriteBytes(e_.File("K.ntx"), ntx_);
  std::string error;
  EXPECT_LT(Walk(&error), 400);
  EXPECT_NE(error.find("K.ntx"), std::string::npos) << error;
  EXPECT_NE(error.find("reached twice"), std::string::npos) << error;
}

TEST_F(LoopTest, AnEntryListedTwiceEndsTheWalkAfterAsManyEntriesAsRecords) {
  Make(3);  // one leaf: (A,1) (A,2) (A,3)
  SetU32(Item(Root(), 1) + 4, 1);  // (A,1) (A,1) (A,3)
  WriteBytes(e_.File("K.ntx"), ntx_);
  std::string error;
  EXPECT_LE(Walk(&error), 5);
  EXPECT_NE(error.find("more entries than the table's 3 records"), std::string::npos) << error;
}

TEST_F(LoopTest, SoundIndexesWalkBothWaysAfterJumps) {
  Make(500);
  std::string error;
  EXPECT_EQ(Walk(&error), 500);
  EXPECT_EQ(error, "");
  DATA4* d = e_.Open("T");
  d4tagSelect(d, d4tag(d, "K"));
  // Back and forth, with jumps to earlier records in between.
  ASSERT_EQ(d4top(d), 0);
  for (int i = 0; i < 300; ++i) ASSERT_EQ(d4skip(d, 1), 0);
  ASSERT_EQ(d4go(d, 10), 0);
  for (int i = 0; i < 400; ++i) ASSERT_EQ(d4skip(d, 1), 0) << i;
  for (int i = 0; i < 400; ++i) ASSERT_EQ(d4skip(d, -1), 0) << i;
  EXPECT_EQ(d4skip(d, 1000), r4eof);
  EXPECT_EQ(d4skip(d, -499), 0);
  EXPECT_EQ(d4recNo(d), 2);
  EXPECT_EQ(d4verifyTags(d), 0);
}

TEST_F(LoopTest, QuickCheckNamesAnIndexThatWouldMislead) {
  Make(200);
  const std::string sound = ntx_;
  // The root replaced by its first leaf: fewer entries than records.
  SetU32(4, Child(Root(), 0));
  WriteBytes(e_.File("K.ntx"), ntx_);
  DATA4* d = e_.Open("T");
  EXPECT_EQ(d4verifyTags(d), e4index);
  std::string error;
  e_.TakeError(&error);
  EXPECT_NE(error.find("K.ntx: holds"), std::string::npos) << error;
  code4close(e_.cb());
  // A record number past the table's end.
  ntx_ = sound;
  SetU32(Item(Child(Root(), 0), 0) + 4, 999);
  WriteBytes(e_.File("K.ntx"), ntx_);
  d = e_.Open("T");
  EXPECT_EQ(d4verifyTags(d), e4index);
  e_.TakeError(&error);
  EXPECT_NE(error.find("names record 999 of a table of 200"), std::string::npos) << error;
}

// ---- Records past the count ---------------------------------------------------

TEST_F(DamageTest, PackRefusesRecordsPastTheCountAndRepairCountsThem) {
  Fill(8);
  SetCount(5);  // another program's crash left the count behind
  const auto before = Snapshot();
  const std::string error = Pack();
  EXPECT_NE(error.find("INV5.dbf"), std::string::npos) << error;
  EXPECT_NE(error.find("3 record(s) after the 5"), std::string::npos) << error;
  EXPECT_NE(error.find("tallowby-db repair INV5.dbf"), std::string::npos) << error;
  EXPECT_EQ(Snapshot(), before) << "nothing written";

  // The memo compaction and the erase refuse too: they would drop them as well.
  code4accessMode(e_.cb(), OPEN4DENY_WRITE);
  DATA4* d = e_.Open("INV5");
  EXPECT_LT(d4memoCompress(d), 0);
  e_.TakeError();
  EXPECT_LT(d4zap(d, 1, d4recCountDo(d)), 0);
  e_.TakeError();
  long was = 0, now = 0;
  ASSERT_EQ(d4repairCount(d, &was, &now), 0) << code4errorText(e_.cb());
  EXPECT_EQ(was, 5);
  EXPECT_EQ(now, 8);
  code4close(e_.cb());
  code4accessMode(e_.cb(), OPEN4DENY_NONE);
  EXPECT_EQ(Count(), 8);
  ASSERT_EQ(Pack(), "");
  EXPECT_EQ(Count(), 8) << "nothing deleted, nothing lost";
}

TEST_F(DamageTest, ASettingsTableCountedEmptyKeepsItsOnlyRecord) {
  tbtest::MakeTable(e_.dir().path(), "KEX1.dbf", {Field("SHIPLINE", 'C', 20)});
  DATA4* d = e_.Open("KEX1");
  tbtest::AppendRecord(d, {{"SHIPLINE", "Shipping"}});
  code4close(e_.cb());
  char zero[4] = {0, 0, 0, 0};
  Patch("KEX1.dbf", 4, std::string(zero, 4));
  code4accessMode(e_.cb(), OPEN4DENY_WRITE);
  d = e_.Open("KEX1");
  EXPECT_LT(d4pack(d), 0);
  e_.TakeError();
  long was = 0, now = 0;
  ASSERT_EQ(d4repairCount(d, &was, &now), 0);
  EXPECT_EQ(now, 1);
  ASSERT_EQ(d4go(d, 1), 0);
  EXPECT_EQ(tbtest::Str(d, "SHIPLINE"), "Shipping");
}

TEST_F(DamageTest, RepairRefusesBytesThatAreNotRecords) {
  Fill(4);
  SetCount(2);
  Patch("INV5.dbf", kHeader + 3 * kRecord + 1, "12x456");  // record 4's number
  const auto before = Snapshot();
  code4accessMode(e_.cb(), OPEN4DENY_WRITE);
  DATA4* d = e_.Open("INV5");
  long was = 0, now = 0;
  EXPECT_EQ(d4repairCount(d, &was, &now), e4data);
  std::string error;
  e_.TakeError(&error);
  EXPECT_NE(error.find("record 4"), std::string::npos) << error;
  EXPECT_NE(error.find("IVNO"), std::string::npos) << error;
  code4close(e_.cb());
  EXPECT_EQ(Snapshot(), before);
  // Only with the table to itself.
  code4accessMode(e_.cb(), OPEN4DENY_NONE);
  d = e_.Open("INV5");
  EXPECT_EQ(d4repairCount(d, &was, &now), e4parm);
}

// ---- A pack that fails changes no file ----------------------------------------

TEST_F(DamageTest, PackOfADamagedMemoFileChangesNoFile) {
  Fill(5);
  const auto sound = Snapshot();
  auto pointer = [](const std::string& text) { return std::string(10 - text.size(), ' ') + text; };
  const std::string dbt = sound.at("INV5.dbt");
  struct Damage {
    const char* what;
    std::function<void()> apply;
    const char* message;
  };
  const Damage damages[] = {
      {"memo file cut at a block", [&] { WriteBytes(e_.File("INV5.dbt"), dbt.substr(0, 3 * 512)); }, "outside"},
      {"pointer past the end", [&] { Patch("INV5.dbf", kHeader + 2 * kRecord + kRemOffset, pointer("77")); }, "outside"},
      {"huge pointer", [&] { Patch("INV5.dbf", kHeader + kRecord + kRemOffset, "9999999999"); }, "Corrupt memo reference"},
      {"negative pointer", [&] { Patch("INV5.dbf", kHeader + kRemOffset, pointer("-3")); }, "Corrupt memo reference"},
      {"text pointer", [&] { Patch("INV5.dbf", kHeader + 4 * kRecord + kRemOffset, pointer("abc")); }, "Corrupt memo reference"},
      {"no end mark", [&] {
         std::string b = dbt;
         for (size_t i = 512; i < b.size(); ++i)
           if (b[i] == 0x1A) b[i] = 'x';
         WriteBytes(e_.File("INV5.dbt"), b);
       }, "no end marker"},
  };
  for (const Damage& damage : damages) {
    for (const auto& [name, bytes] : sound) WriteBytes(e_.File(name), bytes);
    // A deleted record makes the pack rewrite the table and its indexes.
    DATA4* d = e_.Open("INV5");
    d4go(d, 4);
    d4delete(d);
    code4close(e_.cb());
    damage.apply();
    const auto before = Snapshot();
    const std::string error = Pack();
    EXPECT_NE(error.find(damage.message), std::string::npos) << damage.what << ": " << error;
    EXPECT_NE(error.find("INV5"), std::string::npos) << damage.what << ": " << error;
    EXPECT_EQ(Snapshot(), before) << damage.what;
  }
}

TEST_F(DamageTest, HeaderLengthThatDisagreesIsReportedAndNeverWritten) {
  Fill(3);
  Patch("INV5.dbf", 8, std::string(1, static_cast<char>(kHeader + 1)));
  const auto before = Snapshot();
  const std::string error = Pack();
  EXPECT_NE(error.find("header length 130"), std::string::npos) << error;
  EXPECT_EQ(Snapshot(), before);
  DATA4* d = e_.Open("INV5");
  std::vector<std::string> problems;
  d4check(d, &problems);
  ASSERT_FALSE(problems.empty());
  EXPECT_NE(problems[0].find("disagrees with its 3 field descriptors (129)"), std::string::npos) << problems[0];
  f4assign(d4field(d, "IVNO"), "7");
  EXPECT_LT(d4go(d, 2), 0) << "the change is refused";
  e_.TakeError();
  EXPECT_LT(d4appendBlank(d), 0);
  e_.TakeError();
  code4close(e_.cb());
  e_.TakeError();
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(DamageTest, PackCompactsTheMemoFileInTheSameCommit) {
  Fill(6);
  DATA4* d = e_.Open("INV5");
  for (long r : {2, 5}) {
    d4go(d, r);
    d4delete(d);
  }
  code4close(e_.cb());
  code4accessMode(e_.cb(), OPEN4DENY_WRITE);
  d = e_.Open("INV5");
  ASSERT_EQ(d4packCompress(d), 0);
  EXPECT_EQ(ReadBytes(e_.File("INV5.dbt")).size(), 512u * 5) << "header and the four kept memos";
  const auto packed = Snapshot();
  ASSERT_EQ(d4memoCompress(d), 0);
  EXPECT_EQ(Snapshot(), packed) << "nothing left to compact";
  tbtest::ExpectConsistent(d);
  code4close(e_.cb());

  // Stopped after the commit: the memo file and the indexes are renamed on open.
  d = e_.Open("INV5");
  d4go(d, 1);
  d4delete(d);
  code4close(e_.cb());
  const auto old = Snapshot();
  ASSERT_EQ(Pack(), "");
  const auto after = Snapshot();
  for (const char* f : {"INV5.dbt", "inv.ntx", "invd.ntx"}) {
    WriteBytes(e_.File(std::string(f) + ".tbpack"), after.at(f));
    WriteBytes(e_.File(f), old.at(f));
  }
  d = e_.Open("INV5");
  EXPECT_EQ(Snapshot(), after);
  tbtest::ExpectConsistent(d);
  EXPECT_EQ(std::string(f4memoStr(d4field(d, "REM"))), "memo 2");
}

// ---- Leftovers of interrupted work --------------------------------------------

TEST_F(DamageTest, OpenRemovesTheTemporaryFilesOfInterruptedBuilds) {
  Fill(3);
  const auto before = Snapshot();
  for (const char* f : {"inv.ntx.tmp", "invd.ntx.tbpack.tmp", "INV5.cgp.tbnew", "INV5.dbt.tbpack"})
    WriteBytes(e_.File(f), std::string(4096, 'x'));
  WriteBytes(e_.File("INV5.dbf.tbpack"), "half a table");
  DATA4* d = e_.Open("INV5");
  EXPECT_EQ(Snapshot(), before);
  tbtest::ExpectConsistent(d);
}

TEST_F(DamageTest, LeftoversStayWhileAnotherProgramHasTheTable) {
  Fill(2);
  DATA4* d = e_.Open("INV5");
  WriteBytes(e_.File("inv.ntx.tmp"), "being written");
  CODE4* other = code4initP();
  code4setDirectory(other, e_.dir().path());
  DATA4* o = d4open(other, "INV5");
  EXPECT_NE(o, nullptr);
  EXPECT_TRUE(tbtest::Exists(e_.File("inv.ntx.tmp")));
  code4initUndoP(other);
  (void)d;
}

// ---- Write protection and file modes ------------------------------------------

TEST_F(DamageTest, PackRefusesAWriteProtectedTable) {
  Fill(3);
  DATA4* d = e_.Open("INV5");
  d4go(d, 1);
  d4delete(d);
  code4close(e_.cb());
  const auto before = Snapshot();
  tbengine::FaultEnv env(tbengine::Env::Default());
  env.RefuseWriteOpens(EACCES);
  code4setEnv(e_.cb(), &env);
  const std::string error = Pack();
  EXPECT_NE(error.find("INV5.dbf: the file is write protected"), std::string::npos) << error;
  code4setEnv(e_.cb(), nullptr);
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(DamageTest, RewrittenFilesKeepTheirModes) {
  Fill(3);
  DATA4* d = e_.Open("INV5");
  d4go(d, 1);
  d4delete(d);
  code4close(e_.cb());
  const std::map<std::string, mode_t> modes = {{"INV5.dbf", 0640}, {"INV5.dbt", 0600}, {"inv.ntx", 0444}, {"invd.ntx", 0604}};
  for (const auto& [f, m] : modes) ASSERT_EQ(::chmod(e_.File(f).c_str(), m), 0);
  ASSERT_EQ(Pack(), "");
  EXPECT_EQ(Count(), 2);
  for (const auto& [f, m] : modes) {
    struct stat st;
    ASSERT_EQ(::stat(e_.File(f).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, m) << f;
  }
}

// ---- What the check names -------------------------------------------------------

std::string Joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& l : lines) all += l + "\n";
  return all;
}

TEST_F(DamageTest, CheckNamesMemoDamageThatReadsStillSurvive) {
  Fill(4);
  Patch("INV5.dbf", 0, "\x03");  // version: no memo
  char w[4];
  tbengine::PutU32(w, 0);
  Patch("INV5.dbt", 0, std::string(w, 4));  // next free block 0
  const std::string first = ReadBytes(e_.File("INV5.dbf")).substr(kHeader + kRemOffset, 10);
  Patch("INV5.dbf", kHeader + 2 * kRecord + kRemOffset, first);  // record 3 shares record 1's memo
  WriteBytes(e_.File("INV5.cgp"), "\n");
  code4autoOpen(e_.cb(), 1);
  DATA4* d = e_.Open("INV5");
  std::vector<std::string> problems;
  d4check(d, &problems);
  const std::string all = Joined(problems);
  EXPECT_NE(all.find("version byte at offset 0 says the table has no memo file"), std::string::npos) << all;
  EXPECT_NE(all.find("next free block at offset 0 is 0"), std::string::npos) << all;
  EXPECT_NE(all.find("records 1 and 3 point at the same memo block"), std::string::npos) << all;
  EXPECT_NE(all.find("INV5.cgp: the tag group file names no tags"), std::string::npos) << all;
  code4close(e_.cb());

  tbengine::PutU32(w, 99);
  Patch("INV5.dbt", 0, std::string(w, 4));  // past the end
  d = e_.Open("INV5");
  problems.clear();
  d4check(d, &problems);
  EXPECT_NE(Joined(problems).find("next free block 99 at offset 0 lies past the end"), std::string::npos) << Joined(problems);
}

TEST_F(DamageTest, FieldNamesWithControlBytesOrTwiceAreNamed) {
  Fill(2);
  // A control byte in the numeric field's name: the wide-number tolerance does not excuse it.
  Patch("INV5.dbf", 32 + 2, "\x01");
  std::string error;
  EXPECT_EQ(d4open(e_.cb(), "INV5"), nullptr);
  e_.TakeError(&error);
  EXPECT_NE(error.find("invalid field name"), std::string::npos) << error;
  Patch("INV5.dbf", 32 + 2, "NO");  // "IVNO" again
  Patch("INV5.dbf", 64, std::string("IVNO\0\0\0\0\0\0\0", 11));
  code4autoOpen(e_.cb(), 0);
  DATA4* d = e_.Open("INV5");
  std::vector<std::string> problems;
  d4check(d, &problems);
  EXPECT_NE(Joined(problems).find("field name IVNO appears twice (descriptors 1 and 2)"), std::string::npos) << Joined(problems);
}

TEST_F(DamageTest, AFifoInPlaceOfATableIsNamedAsSuch) {
  ASSERT_EQ(::mkfifo(e_.File("FIFO.dbf").c_str(), 0644), 0);
  EXPECT_EQ(d4open(e_.cb(), "FIFO"), nullptr);
  std::string error;
  e_.TakeError(&error);
  EXPECT_NE(error.find("FIFO.dbf: a FIFO, not a file"), std::string::npos) << error;
}

}  // namespace
