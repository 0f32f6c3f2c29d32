// The engine's operations on tables in record order: fields of every kind,
// moving, appending, deletion marks, memos, names, access modes, errors.
#include <gtest/gtest.h>

#include <cerrno>

#include "Bytes.h"
#include "TestSupport.h"
#include "tbengine/engine.h"
#include "tbengine/env.h"

using tbtest::Field;
using tbtest::ReadBytes;
using tbtest::Str;

namespace {

class FacadeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tbtest::MakeTable(e_.dir().path(), "CUST.dbf",
                      {Field("NAME", 'C', 12), Field("NO", 'N', 6), Field("AMT", 'N', 8, 2), Field("DAY", 'D', 8),
                       Field("OK", 'L', 1), Field("NOTES", 'M', 10)});
  }
  // Byte offset of field j's text in record recno of CUST.dbf.
  std::string RawField(long recno, int offset, int width) {
    std::string b = ReadBytes(e_.File("CUST.dbf"));
    size_t hl = tbengine::GetU16(b.data() + 8), rl = tbengine::GetU16(b.data() + 10);
    return b.substr(hl + (recno - 1) * rl + offset, width);
  }
  DATA4* OpenWith(int n) {
    DATA4* d = e_.Open("CUST");
    for (int i = 1; i <= n; ++i) tbtest::AppendRecord(d, {{"NAME", std::string("N").append(std::to_string(i))}, {"NO", std::to_string(i)}});
    return d;
  }
  tbtest::Engine e_;
};

TEST_F(FacadeTest, EveryFieldKindRoundTripsThroughTheFile) {
  DATA4* d = e_.Open("CUST");
  tbtest::AppendRecord(d, {{"NAME", "Smith"}, {"DAY", "20240131"}, {"OK", "T"}, {"NOTES", "line one\r\nline two"}});
  ASSERT_EQ(f4assignDouble(d4field(d, "AMT"), 12.5), 0);
  ASSERT_EQ(f4assignLong(d4field(d, "NO"), 42), 0);
  tbtest::AppendRecord(d, {{"NAME", "Jones"}});
  ASSERT_EQ(code4close(e_.cb()), 0);

  EXPECT_EQ(RawField(1, 13, 6), "    42");
  EXPECT_EQ(RawField(1, 19, 8), "   12.50");
  EXPECT_EQ(RawField(1, 36, 10), "         1");
  EXPECT_EQ(RawField(2, 19, 8), "        ") << "a blank number stays blank";
  EXPECT_EQ(RawField(2, 27, 8), "        ") << "a blank date is blanks, not zeros";
  EXPECT_EQ(RawField(2, 36, 10), "          ") << "no memo is blanks, never 0";

  d = e_.Open("cust");
  ASSERT_EQ(d4go(d, 1), 0);
  EXPECT_EQ(std::string(f4str(d4field(d, "NAME"))), "Smith       ");
  double amt = 0;
  f4double2(d4field(d, "AMT"), &amt);
  EXPECT_DOUBLE_EQ(amt, 12.5);
  EXPECT_EQ(f4long(d4field(d, "NO")), 42);
  EXPECT_EQ(f4int(d4field(d, "NO")), 42);
  EXPECT_EQ(Str(d, "DAY"), "20240131");
  EXPECT_EQ(f4true(d4field(d, "OK")), 1);
  EXPECT_STREQ(f4memoStr(d4field(d, "NOTES")), "line one\r\nline two");
  ASSERT_EQ(d4go(d, 2), 0);
  f4double2(d4field(d, "AMT"), &amt);
  EXPECT_EQ(amt, 0.0) << "blank reads as 0";
  EXPECT_EQ(f4true(d4field(d, "OK")), 0);
  EXPECT_STREQ(f4memoStr(d4field(d, "NOTES")), "");
  tbtest::ExpectConsistent(d);
}

TEST_F(FacadeTest, NumberThatDoesNotFitIsRefusedAndTheFieldKept) {
  DATA4* d = OpenWith(1);
  FIELD4* amt = d4field(d, "AMT");
  ASSERT_EQ(f4assignDouble(amt, 99999.99), 0);
  EXPECT_EQ(f4assignDouble(amt, 100000.0), e4data);
  EXPECT_EQ(e_.TakeError(), e4data);
  EXPECT_EQ(std::string(f4str(amt)), "99999.99");
  EXPECT_EQ(f4assignLong(d4field(d, "NO"), 1234567), e4data);
  EXPECT_EQ(e_.TakeError(), e4data);
  EXPECT_EQ(std::string(f4str(d4field(d, "NO"))), "     1");
  EXPECT_EQ(f4assignDouble(amt, 0.0 / 0.0), e4data);
  e_.TakeError();
  ASSERT_EQ(f4assignDouble(amt, -0.001), 0);
  EXPECT_EQ(std::string(f4str(amt)), "    0.00") << "no negative zero";
  ASSERT_EQ(f4assignDouble(amt, -1234.565), 0);
  EXPECT_EQ(std::string(f4str(amt)), "-1234.57");
  ASSERT_EQ(f4assign(amt, "  7.5 "), 0);
  EXPECT_EQ(std::string(f4str(amt)), "    7.50");
  EXPECT_EQ(f4assign(amt, "7,5"), e4data);
  e_.TakeError();
  ASSERT_EQ(f4assign(amt, ""), 0);
  EXPECT_EQ(std::string(f4str(amt)), "        ");
}

TEST_F(FacadeTest, NumbersAreReadAsValDoes) {
  DATA4* d = OpenWith(1);
  FIELD4* amt = d4field(d, "AMT");
  FIELD4* name = d4field(d, "NAME");
  struct {
    const char* text;
    double value;
    long whole;
  } cases[] = {{"   12.70", 12.7, 12}, {"  -12.70", -12.7, -12}, {"        ", 0, 0}, {"********", 0, 0}, {"  .5", 0.5, 0}};
  for (const auto& c : cases) {
    f4assign(name, c.text);  // any text: read through a C field
    double v = -1;
    f4double2(name, &v);
    EXPECT_DOUBLE_EQ(v, c.value) << c.text;
    EXPECT_EQ(f4long(name), c.whole) << c.text;
  }
  f4assign(name, "99999999999");
  EXPECT_EQ(f4int(name), 2147483647) << "clamped, not wrapped";
  ASSERT_EQ(f4assignDouble(amt, 3.25), 0);
  EXPECT_EQ(f4long(amt), 3);
}

TEST_F(FacadeTest, TextLogicalAndDateAssignmentsFitTheField) {
  DATA4* d = OpenWith(1);
  FIELD4* name = d4field(d, "NAME");
  ASSERT_EQ(f4assign(name, "A name longer than twelve"), 0);
  EXPECT_EQ(std::string(f4str(name)), "A name longe");
  ASSERT_EQ(f4assign(name, "ab"), 0);
  EXPECT_EQ(std::string(f4str(name)), "ab          ");
  FIELD4* ok = d4field(d, "OK");
  for (auto [in, stored] : {std::pair{"T", "T"}, {"y", "T"}, {"F", "F"}, {"n", "F"}, {"", " "}}) {
    ASSERT_EQ(f4assign(ok, in), 0);
    EXPECT_EQ(std::string(f4str(ok)), stored) << in;
  }
  EXPECT_EQ(f4assign(ok, "maybe"), e4data);
  e_.TakeError();
  FIELD4* day = d4field(d, "DAY");
  ASSERT_EQ(f4assign(day, ""), 0);
  EXPECT_EQ(std::string(f4str(day)), "        ");
}

TEST_F(FacadeTest, MovingInRecordOrderReportsTheEnds) {
  DATA4* d = e_.Open("CUST");
  EXPECT_EQ(d4top(d), r4eof) << "empty table";
  EXPECT_EQ(d4recNo(d), 1);
  EXPECT_EQ(d4skip(d, 1), r4eof);
  for (int i = 1; i <= 3; ++i) tbtest::AppendRecord(d, {{"NO", std::to_string(i)}});
  EXPECT_EQ(d4top(d), 0);
  EXPECT_EQ(d4recNo(d), 1);
  EXPECT_EQ(d4skip(d, 2), 0);
  EXPECT_EQ(d4recNo(d), 3);
  EXPECT_EQ(d4skip(d, 1), r4eof);
  EXPECT_EQ(d4recNo(d), 4) << "count + 1 at end of file";
  EXPECT_EQ(Str(d, "NO"), "") << "blank record at end of file";
  EXPECT_EQ(d4skip(d, -1), 0);
  EXPECT_EQ(d4recNo(d), 3);
  EXPECT_EQ(d4skip(d, -5), r4bof);
  EXPECT_EQ(d4recNo(d), 1) << "stays on the first record";
  EXPECT_EQ(d4bottom(d), 0);
  EXPECT_EQ(d4recNo(d), 3);
  EXPECT_EQ(d4go(d, 9), r4entry);
  EXPECT_EQ(e_.TakeError(), e4entry);
  EXPECT_EQ(d4recNo(d), 3);
  double pos = -1;
  ASSERT_EQ(d4go(d, 2), 0);
  ASSERT_EQ(d4position2(d, &pos), 0);
  EXPECT_NEAR(pos, 1.0 / 3, 1e-9);
  EXPECT_EQ(d4recCountDo(d), 3);
}

TEST_F(FacadeTest, ChangesReachTheFileWhenThePointerMoves) {
  DATA4* d = OpenWith(2);
  ASSERT_EQ(d4go(d, 1), 0);
  f4assign(d4field(d, "NAME"), "Changed");
  EXPECT_EQ(RawField(1, 1, 7), "N1     ") << "not yet written";
  ASSERT_EQ(d4skip(d, 1), 0);
  EXPECT_EQ(RawField(1, 1, 7), "Changed");
  f4assign(d4field(d, "NAME"), "Second");
  ASSERT_EQ(d4close(d), 0);
  EXPECT_EQ(RawField(2, 1, 6), "Second") << "written on close";
}

TEST_F(FacadeTest, DeletedRecordsAreMarkedAndStillCounted) {
  DATA4* d = OpenWith(3);
  ASSERT_EQ(d4go(d, 2), 0);
  ASSERT_EQ(d4delete(d), 0);
  EXPECT_EQ(d4deleted(d), 1);
  ASSERT_EQ(d4go(d, 1), 0);
  EXPECT_EQ(RawField(2, 0, 1), "*");
  EXPECT_EQ(d4recCountDo(d), 3);
  EXPECT_EQ(tbtest::RecordOrder(d).size(), 3u) << "deleted records stay visible";
  ASSERT_EQ(d4go(d, 2), 0);
  ASSERT_EQ(d4recall(d), 0);
  ASSERT_EQ(d4go(d, 1), 0);
  EXPECT_EQ(RawField(2, 0, 1), " ");
}

TEST_F(FacadeTest, RewrittenMemoIsAppendedAndReadBack) {
  DATA4* d = OpenWith(2);
  ASSERT_EQ(d4go(d, 1), 0);
  ASSERT_EQ(f4memoAssign(d4field(d, "NOTES"), "short"), 0);
  EXPECT_STREQ(f4memoStr(d4field(d, "NOTES")), "short") << "pending text is what the record holds";
  ASSERT_EQ(d4go(d, 2), 0);
  ASSERT_EQ(f4memoAssign(d4field(d, "NOTES"), std::string(700, 'm').c_str()), 0);
  ASSERT_EQ(d4go(d, 1), 0);
  ASSERT_EQ(f4memoAssign(d4field(d, "NOTES"), "a longer text that replaces the first"), 0);
  ASSERT_EQ(d4go(d, 2), 0);
  EXPECT_EQ(std::string(f4memoStr(d4field(d, "NOTES"))), std::string(700, 'm'));
  ASSERT_EQ(d4go(d, 1), 0);
  EXPECT_STREQ(f4memoStr(d4field(d, "NOTES")), "a longer text that replaces the first");
  ASSERT_EQ(f4memoAssign(d4field(d, "NOTES"), ""), 0);
  ASSERT_EQ(d4go(d, 2), 0);
  EXPECT_EQ(RawField(1, 36, 10), "          ");
  EXPECT_EQ(ReadBytes(e_.File("CUST.dbt")).size() % 512, 0u);
  tbtest::ExpectConsistent(d);
}

// Memo text belongs to one record: every kind of move forgets the text
// read or assigned before, and a new record has none.
TEST_F(FacadeTest, MemoTextIsForgottenOnEveryMove) {
  DATA4* d = OpenWith(3);
  FIELD4* notes = d4field(d, "NOTES");
  auto memo = [](long r) { return std::string("memo ").append(std::to_string(r)); };
  for (long r = 1; r <= 3; ++r) {
    ASSERT_EQ(d4go(d, r), 0);
    ASSERT_EQ(f4memoAssign(notes, memo(r).c_str()), 0);
  }
  ASSERT_EQ(d4top(d), 0);
  for (long r = 1; r <= 3; ++r) {
    EXPECT_EQ(f4memoStr(notes), memo(r));
    d4skip(d, 1);
  }
  ASSERT_EQ(d4bottom(d), 0);
  EXPECT_EQ(f4memoStr(notes), memo(3));
  ASSERT_EQ(d4skip(d, -1), 0);
  EXPECT_EQ(f4memoStr(notes), memo(2));
  EXPECT_EQ(d4skip(d, -5), r4bof);
  EXPECT_EQ(f4memoStr(notes), memo(1));
  ASSERT_EQ(d4appendBlank(d), 0);
  EXPECT_STREQ(f4memoStr(notes), "");
  ASSERT_EQ(d4go(d, 3), 0);
  EXPECT_EQ(f4memoStr(notes), memo(3));
  tbtest::ExpectConsistent(d);
}

TEST_F(FacadeTest, CorruptMemoReferenceIsAnErrorNotACrash) {
  DATA4* d = OpenWith(1);
  ASSERT_EQ(d4close(d), 0);
  std::string b = ReadBytes(e_.File("CUST.dbf"));
  size_t hl = tbengine::GetU16(b.data() + 8);
  b.replace(hl + 36, 10, "       999");
  tbtest::WriteBytes(e_.File("CUST.dbf"), b);
  d = e_.Open("CUST");
  EXPECT_STREQ(f4memoStr(d4field(d, "NOTES")), "");
  std::string text;
  EXPECT_EQ(e_.TakeError(&text), e4memo);
  EXPECT_NE(text.find("CUST.dbt"), std::string::npos) << text;
  std::vector<std::string> problems;
  EXPECT_EQ(d4check(d, &problems), 1);
}

TEST_F(FacadeTest, NamesAreMatchedWithoutRegardToCase) {
  tbtest::MakeTable(e_.dir().path(), "ImpDirs.DBF", {Field("InfoDir", 'C', 20)});
  DATA4* d = e_.Open("Impdirs");
  ASSERT_NE(d, nullptr);
  EXPECT_NE(d4field(d, "INFODIR"), nullptr);
  EXPECT_NE(d4field(d, "infodir"), nullptr);
  EXPECT_EQ(d4field(d, "OrderDir"), nullptr);
  std::string text;
  EXPECT_EQ(e_.TakeError(&text), e4fieldName);
  EXPECT_NE(text.find("OrderDir"), std::string::npos);
}

TEST_F(FacadeTest, MissingFilesFailTheOpenNamingTheFile) {
  std::string text;
  EXPECT_EQ(d4open(e_.cb(), "NOSUCH"), nullptr);
  EXPECT_EQ(e_.TakeError(&text), e4open);
  EXPECT_NE(text.find("NOSUCH.dbf"), std::string::npos) << text;
  std::remove(e_.File("CUST.dbt").c_str());
  EXPECT_EQ(d4open(e_.cb(), "CUST"), nullptr);
  EXPECT_EQ(e_.TakeError(&text), e4open);
  EXPECT_NE(text.find("CUST.dbt"), std::string::npos) << text;
}

TEST_F(FacadeTest, DenyWriteKeepsOtherEnginesOut) {
  CODE4* other = code4initP();
  code4setDirectory(other, e_.dir().path());
  code4accessMode(e_.cb(), OPEN4DENY_WRITE);
  DATA4* d = e_.Open("CUST");
  EXPECT_EQ(d4open(other, "CUST"), nullptr);
  EXPECT_NE(code4errorText(other).find("in use by another program"), std::string::npos) << code4errorText(other);
  EXPECT_EQ(code4errorCode(other, 0), e4open);
  d4close(d);
  code4accessMode(e_.cb(), OPEN4DENY_NONE);
  d = e_.Open("CUST");
  DATA4* shared = d4open(other, "CUST");
  EXPECT_NE(shared, nullptr) << "two shared openers";
  code4accessMode(other, OPEN4DENY_WRITE);
  code4close(other);
  EXPECT_EQ(d4open(other, "CUST"), nullptr) << "a packer waits for the other copy to close";
  code4initUndoP(other);
}

TEST_F(FacadeTest, FatalHookReceivesThePendingError) {
  EXPECT_EQ(error4exitTest(e_.cb()), 0) << "no error, no exit";
  d4open(e_.cb(), "CUST5");
  try {
    error4exitTest(e_.cb());
    FAIL() << "the hook was not called";
  } catch (const tbtest::FatalError& f) {
    EXPECT_EQ(f.code, e4open);
    EXPECT_NE(std::string(f.what()).find("CUST5.dbf"), std::string::npos);
  }
  EXPECT_THROW(code4exit(e_.cb()), tbtest::FatalError);
}

TEST_F(FacadeTest, FullDiskDuringAppendLeavesTheTableAsItWas) {
  tbengine::FaultEnv faults(tbengine::Env::Default());
  code4setEnv(e_.cb(), &faults);
  DATA4* d = OpenWith(2);
  ASSERT_EQ(d4go(d, 1), 0);
  const std::string before = ReadBytes(e_.File("CUST.dbf"));
  faults.FailWritesAfter(1, ENOSPC);
  EXPECT_LT(d4appendBlank(d), 0);
  EXPECT_EQ(e_.TakeError(), e4write);
  faults.Heal();
  EXPECT_EQ(ReadBytes(e_.File("CUST.dbf")), before);
  EXPECT_EQ(d4recCountDo(d), 2);
  tbtest::ExpectConsistent(d);

  // The append loop: the change to the last record and the new record go in one write.
  ASSERT_EQ(d4go(d, 2), 0);
  f4assign(d4field(d, "NAME"), "kept");
  faults.FailWritesAfter(1, ENOSPC);
  EXPECT_LT(d4appendBlank(d), 0);
  EXPECT_EQ(e_.TakeError(), e4write);
  faults.Heal();
  EXPECT_EQ(ReadBytes(e_.File("CUST.dbf")), before);
  EXPECT_EQ(d4recNo(d), 2);
  EXPECT_EQ(Str(d, "NAME"), "kept") << "the change is still pending, not lost";
  ASSERT_EQ(d4appendBlank(d), 0);
  ASSERT_EQ(d4go(d, 2), 0);
  EXPECT_EQ(Str(d, "NAME"), "kept");
  EXPECT_EQ(d4recCountDo(d), 3);
  tbtest::ExpectConsistent(d);
  code4close(e_.cb());
}

// Moves do not read the record; the first field access does. When that
// read fails (here another program cut the file short behind our back) the
// error names the file, the fields read blank instead of showing the
// previous record, and no change is taken, so nothing blank is written.
TEST_F(FacadeTest, RecordIsReadAtTheFirstFieldAccessAndAFailedReadIsReported) {
  DATA4* d = OpenWith(3);
  ASSERT_EQ(d4go(d, 2), 0);
  EXPECT_EQ(Str(d, "NAME"), "N2");
  code4close(e_.cb());
  d = e_.Open("CUST");
  const std::string whole = ReadBytes(e_.File("CUST.dbf"));
  const size_t hl = tbengine::GetU16(whole.data() + 8), rl = tbengine::GetU16(whole.data() + 10);

  // A move after the file changed on disk shows the file's bytes.
  std::string changed = whole;
  changed[hl + 2 * rl + 1] = 'X';  // record 3's name
  tbtest::WriteBytes(e_.File("CUST.dbf"), changed);
  ASSERT_EQ(d4go(d, 3), 0);
  EXPECT_EQ(Str(d, "NAME"), "X3");

  ASSERT_EQ(d4go(d, 1), 0);
  EXPECT_EQ(Str(d, "NAME"), "N1");
  tbtest::WriteBytes(e_.File("CUST.dbf"), whole.substr(0, hl + rl));  // records 2 and 3 gone
  ASSERT_EQ(d4go(d, 2), 0) << "the move itself reads nothing";
  EXPECT_EQ(e_.TakeError(), 0);
  EXPECT_EQ(Str(d, "NAME"), "") << "blank, not record 1's name";
  std::string text;
  EXPECT_EQ(e_.TakeError(&text), e4data);
  EXPECT_NE(text.find("CUST.dbf"), std::string::npos) << text;
  EXPECT_EQ(f4long(d4field(d, "NO")), 0);
  EXPECT_EQ(e_.TakeError(), e4data);
  EXPECT_EQ(d4deleted(d), 0);
  EXPECT_EQ(e_.TakeError(), e4data);
  EXPECT_EQ(f4assign(d4field(d, "NAME"), "lost"), e4data);
  EXPECT_EQ(e_.TakeError(), e4data);
  EXPECT_EQ(f4memoAssign(d4field(d, "NOTES"), "lost"), e4data);
  EXPECT_EQ(e_.TakeError(), e4data);
  EXPECT_EQ(d4delete(d), e4data);
  EXPECT_EQ(e_.TakeError(), e4data);

  // Once the file is whole again the same record reads, and nothing was written.
  tbtest::WriteBytes(e_.File("CUST.dbf"), changed);
  EXPECT_EQ(Str(d, "NAME"), "N2");
  ASSERT_EQ(d4go(d, 1), 0);
  EXPECT_EQ(ReadBytes(e_.File("CUST.dbf")), changed);
  code4close(e_.cb());
}

TEST_F(FacadeTest, ManyAppendsKeepTheFileConsistent) {
  DATA4* d = OpenWith(500);
  EXPECT_EQ(d4recCountDo(d), 500);
  tbtest::ExpectConsistent(d);
  ASSERT_EQ(d4go(d, 377), 0);
  EXPECT_EQ(Str(d, "NAME"), "N377");
}

// Opens and walks a damaged table as far as it goes; returns false on the
// first error, which must come with a message.
bool Walk(tbtest::Engine& e) {
  DATA4* d = d4open(e.cb(), "CUST");
  std::string text;
  int code = e.TakeError(&text);
  if (d == nullptr) {
    EXPECT_LT(code, 0);
    EXPECT_FALSE(text.empty());
    return false;
  }
  for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) {
    f4memoStr(d4field(d, "NOTES"));
    f4long(d4field(d, "NO"));
  }
  std::vector<std::string> problems;
  d4check(d, &problems);
  code = e.TakeError(&text);
  code4close(e.cb());
  e.TakeError();
  return code == 0 && problems.empty();
}

TEST_F(FacadeTest, DamagedTableAndMemoFilesGiveErrorsNotCrashes) {
  DATA4* d = e_.Open("CUST");
  for (int i = 0; i < 6; ++i)
    tbtest::AppendRecord(d, {{"NAME", std::string("n").append(std::to_string(i))}, {"NO", std::to_string(i)}, {"NOTES", std::string(300 * i, 'q')}});
  ASSERT_EQ(code4close(e_.cb()), 0);
  for (const char* name : {"CUST.dbf", "CUST.dbt"}) {
    const std::string good = ReadBytes(e_.File(name));
    const bool table = name[5] == 'f';
    const size_t step = table ? 7 : 97;  // a cut .dbt may only lose padding
    for (size_t cut = 0; cut < good.size(); cut += step) {
      tbtest::WriteBytes(e_.File(name), good.substr(0, cut));
      bool clean = Walk(e_);
      EXPECT_TRUE(!table || !clean) << name << " cut to " << cut;
    }
    for (size_t i = 0; i < good.size(); i += step) {
      std::string b = good;
      b[i] = static_cast<char>(b[i] ^ 0x5A);
      tbtest::WriteBytes(e_.File(name), b);
      Walk(e_);
    }
    tbtest::WriteBytes(e_.File(name), good);
    EXPECT_TRUE(Walk(e_));
  }
}

}  // namespace
