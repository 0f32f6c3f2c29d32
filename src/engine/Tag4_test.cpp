// Tags on tables: writing a tag group, opening it with the table, keeping
// every tag in step with the records, and moving in a tag's order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <random>

#include "TestSupport.h"
#include "tbengine/engine.h"
#include "tbengine/inspect.h"

using tbtest::Field;
using tbtest::Str;

namespace {

const TAG4INFO kTags[] = {
    {"cName", "Upper(Last + First)", nullptr, 0, 0},
    {"ccno", "Str(CuNo, 6)", nullptr, 0, 0},
    {"czip", "Zip", nullptr, 0, 0},
    {nullptr, nullptr, nullptr, 0, 0},
};

class TagTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tbtest::MakeTable(e_.dir().path(), "CUST5.dbf",
                      {Field("LAST", 'C', 10), Field("FIRST", 'C', 8), Field("CUNO", 'N', 6), Field("ZIP", 'C', 5),
                       Field("COMMENTS", 'M', 10)});
  }
  // A table with the given last names (customer numbers 1, 2, ...) and its tags.
  DATA4* Indexed(const std::vector<std::string>& names) {
    DATA4* d = e_.Open("CUST5");
    int no = 0;
    for (const std::string& n : names)
      tbtest::AppendRecord(d, {{"LAST", n}, {"CUNO", std::to_string(++no)}, {"ZIP", std::to_string(90000 + no)}});
    EXPECT_NE(i4create(d, "CUST5", kTags), nullptr) << code4errorText(e_.cb());
    return d;
  }
  std::vector<std::string> KeysOf(TAG4* t) {
    std::vector<std::string> keys;
    t4keys(t, [&](uint32_t recno, const std::string& key) { keys.push_back(key + "#" + std::to_string(recno)); });
    return keys;
  }
  tbtest::Engine e_;
};

TEST_F(TagTest, GroupFileNamesEveryTagAndEachTagHasItsFile) {
  DATA4* d = Indexed({"smith", "Adams", "jones"});
  EXPECT_EQ(tbtest::ReadBytes(e_.File("CUST5.cgp")), "cName\nccno\nczip\n");
  for (const char* f : {"cName.ntx", "ccno.ntx", "czip.ntx"}) EXPECT_TRUE(tbtest::Exists(e_.File(f))) << f;
  TAG4* t = d4tag(d, "CNAME");
  ASSERT_NE(t, nullptr) << "tag names match without regard to case";
  EXPECT_EQ(KeysOf(t), (std::vector<std::string>{"ADAMS     " + std::string(8, ' ') + "#2",
                                                 "JONES     " + std::string(8, ' ') + "#3",
                                                 "SMITH     " + std::string(8, ' ') + "#1"}));
  EXPECT_EQ(KeysOf(d4tag(d, "ccno")).front(), "     1#1");
  EXPECT_EQ(d4tag(d, "nosuch"), nullptr);
  EXPECT_EQ(e_.TakeError(), e4tagName);
  tbtest::ExpectConsistent(d);
}

TEST_F(TagTest, SafetyOnRefusesToOverwriteAndSafetyOffReplacesInPlace) {
  DATA4* d = e_.Open("CUST5");
  tbtest::WriteBytes(e_.File("CNAME.NTX"), "not ours");
  EXPECT_EQ(i4create(d, "CUST5", kTags), nullptr);
  std::string text;
  EXPECT_EQ(e_.TakeError(&text), e4create);
  EXPECT_NE(text.find("CNAME.NTX"), std::string::npos) << text;
  EXPECT_EQ(tbtest::ReadBytes(e_.File("CNAME.NTX")), "not ours");
  EXPECT_FALSE(tbtest::Exists(e_.File("CUST5.cgp"))) << "nothing written when refused";

  code4safety(e_.cb(), 0);
  ASSERT_NE(i4create(d, "CUST5", kTags), nullptr) << code4errorText(e_.cb());
  EXPECT_NE(tbtest::ReadBytes(e_.File("CNAME.NTX")), "not ours");
  EXPECT_FALSE(tbtest::Exists(e_.File("cName.ntx"))) << "the existing file's name is kept";
  // Overwriting the open tags again replaces them on the table.
  ASSERT_NE(i4create(d, "CUST5", kTags), nullptr);
  EXPECT_NE(d4tag(d, "cname"), nullptr);
  EXPECT_EQ(tbtest::ReadBytes(e_.File("CUST5.cgp")), "cName\nccno\nczip\n");
}

TEST_F(TagTest, ExpressionErrorsAndUnsupportedTagsAreRefused) {
  DATA4* d = e_.Open("CUST5");
  const TAG4INFO badField[] = {{"x", "Upper(Nosuch)", nullptr, 0, 0}, {nullptr, nullptr, nullptr, 0, 0}};
  EXPECT_EQ(i4create(d, "X", badField), nullptr);
  EXPECT_EQ(e_.TakeError(), e4expr);
  const TAG4INFO filtered[] = {{"x", "Zip", "Zip > '5'", 0, 0}, {nullptr, nullptr, nullptr, 0, 0}};
  EXPECT_EQ(i4create(d, "X", filtered), nullptr);
  EXPECT_EQ(e_.TakeError(), e4parm);
  EXPECT_FALSE(tbtest::Exists(e_.File("x.ntx")));
}

TEST_F(TagTest, AutoOpenOpensTheGroupOnlyWhenOn) {
  Indexed({"b", "a"});
  code4close(e_.cb());
  DATA4* d = e_.Open("cust5");
  EXPECT_NE(d4tag(d, "czip"), nullptr);
  EXPECT_EQ(d4tagSelected(d), nullptr) << "record order after open";
  code4close(e_.cb());
  code4autoOpen(e_.cb(), 0);
  d = e_.Open("CUST5");
  EXPECT_EQ(d4tag(d, "czip"), nullptr);
  e_.TakeError();
}

TEST_F(TagTest, MissingOrCorruptIndexFailsTheOpenNamingTheFile) {
  Indexed({"b", "a"});
  code4close(e_.cb());
  const std::string good = tbtest::ReadBytes(e_.File("czip.ntx"));
  std::remove(e_.File("czip.ntx").c_str());
  std::string text;
  EXPECT_EQ(d4open(e_.cb(), "CUST5"), nullptr);
  EXPECT_EQ(e_.TakeError(&text), e4open);
  EXPECT_NE(text.find("czip.ntx"), std::string::npos) << text;

  tbtest::WriteBytes(e_.File("czip.ntx"), std::string(2048, '\x7F'));
  EXPECT_EQ(d4open(e_.cb(), "CUST5"), nullptr);
  EXPECT_EQ(e_.TakeError(&text), e4index);
  EXPECT_NE(text.find("czip.ntx"), std::string::npos) << text;

  tbtest::WriteBytes(e_.File("czip.ntx"), good);
  tbtest::WriteBytes(e_.File("CUST5.cgp"), std::string("cName\n\x01\x02\x03\n", 10));
  EXPECT_EQ(d4open(e_.cb(), "CUST5"), nullptr);
  EXPECT_EQ(e_.TakeError(&text), e4index);
  EXPECT_NE(text.find("CUST5.cgp"), std::string::npos) << text;
}

TEST_F(TagTest, IndexOfAnotherTableIsRefused) {
  Indexed({"a"});
  tbtest::MakeTable(e_.dir().path(), "OTHER.dbf", {Field("CODE", 'C', 3)});
  DATA4* other = e_.Open("OTHER");
  EXPECT_EQ(t4openFile(other, "ccno.ntx"), nullptr) << "CuNo is not a field of OTHER";
  EXPECT_EQ(e_.TakeError(), e4index);
}

TEST_F(TagTest, MovingInTagOrderReportsTheEnds) {
  DATA4* d = Indexed({"smith", "adams", "jones", "brown"});
  d4tagSelect(d, d4tag(d, "cname"));
  EXPECT_EQ(tbtest::RecordOrder(d), (std::vector<long>{2, 4, 3, 1}));
  ASSERT_EQ(d4bottom(d), 0);
  EXPECT_EQ(d4recNo(d), 1);
  EXPECT_EQ(d4skip(d, 1), r4eof);
  EXPECT_EQ(d4recNo(d), 5);
  EXPECT_EQ(d4skip(d, -1), 0) << "back from end of file onto the last";
  EXPECT_EQ(d4recNo(d), 1);
  EXPECT_EQ(d4skip(d, -2), 0);
  EXPECT_EQ(d4recNo(d), 4);
  EXPECT_EQ(d4skip(d, -9), r4bof);
  EXPECT_EQ(d4recNo(d), 2);
  ASSERT_EQ(d4go(d, 3), 0);
  EXPECT_EQ(d4skip(d, 1), 0) << "skip from a record reached by d4go";
  EXPECT_EQ(d4recNo(d), 1);

  EXPECT_EQ(d4seek(d, "JONES"), 0);
  EXPECT_EQ(d4recNo(d), 3);
  EXPECT_EQ(d4seek(d, "B"), 0) << "prefix match";
  EXPECT_EQ(d4recNo(d), 4);
  EXPECT_EQ(d4seek(d, "C"), r4after);
  EXPECT_EQ(d4recNo(d), 3);
  EXPECT_EQ(d4seek(d, "Z"), r4eof);
  EXPECT_EQ(d4recNo(d), 5);

  double last = -1;
  for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) {
    double pos = -1;
    ASSERT_EQ(d4position2(d, &pos), 0);
    EXPECT_GT(pos, last);
    last = pos;
  }
  d4tagSelect(d, nullptr);
  EXPECT_EQ(d4seek(d, "A"), e4parm) << "seek needs a tag";
  EXPECT_EQ(e_.TakeError(), e4parm);
}

TEST_F(TagTest, EqualKeysFollowRecordNumbersAfterEdits) {
  DATA4* d = Indexed({"same", "same", "other", "same"});
  d4tagSelect(d, d4tag(d, "cname"));
  EXPECT_EQ(tbtest::RecordOrder(d), (std::vector<long>{3, 1, 2, 4}));
  ASSERT_EQ(d4go(d, 3), 0);
  f4assign(d4field(d, "LAST"), "same");
  ASSERT_EQ(d4top(d), 0);
  EXPECT_EQ(tbtest::RecordOrder(d), (std::vector<long>{1, 2, 3, 4}));
  EXPECT_EQ(d4seek(d, "SAME"), 0);
  EXPECT_EQ(d4recNo(d), 1) << "seek finds the lowest record of equal keys";
  tbtest::ExpectConsistent(d);
}

TEST_F(TagTest, AppendsEditsAndDeletionsKeepEveryTagInStep) {
  DATA4* d = Indexed({"m", "c", "x"});
  code4close(e_.cb());
  d = e_.Open("CUST5");
  d4tagSelect(d, d4tag(d, "cname"));
  std::mt19937 rng(7);
  std::map<long, std::string> model;  // recno -> last name
  for (long r = 1; r <= 3; ++r) {
    ASSERT_EQ(d4go(d, r), 0);
    model[r] = Str(d, "LAST");
  }
  for (int step = 0; step < 300; ++step) {
    switch (rng() % 4) {
      case 0: {
        std::string name(1, static_cast<char>('a' + rng() % 6));
        tbtest::AppendRecord(d, {{"LAST", name}, {"CUNO", std::to_string(rng() % 50)}});
        model[d4recNo(d)] = name;
        break;
      }
      case 1: {
        long r = 1 + static_cast<long>(rng() % model.size());
        ASSERT_EQ(d4go(d, r), 0);
        std::string name(1, static_cast<char>('a' + rng() % 6));
        f4assign(d4field(d, "LAST"), name.c_str());
        f4assignLong(d4field(d, "CUNO"), static_cast<long>(rng() % 50));
        model[r] = name;
        break;
      }
      case 2:
        d4delete(d);
        break;
      default:
        d4skip(d, static_cast<long>(rng() % 5) - 2);
        break;
    }
    if (step % 50 == 49) tbtest::ExpectConsistent(d);
  }
  std::vector<std::pair<std::string, long>> expected;
  for (auto& [r, name] : model) expected.emplace_back(std::string(1, static_cast<char>(std::toupper(name[0]))), r);
  std::sort(expected.begin(), expected.end());
  std::vector<long> order;
  for (auto& e : expected) order.push_back(e.second);
  EXPECT_EQ(tbtest::RecordOrder(d), order);
  tbtest::ExpectConsistent(d);
}

TEST_F(TagTest, CheckFindsAnIndexOutOfStepWithItsTable) {
  DATA4* d = Indexed({"a", "b", "c"});
  code4close(e_.cb());
  // Change a key field behind the engine's back.
  std::string b = tbtest::ReadBytes(e_.File("CUST5.dbf"));
  const size_t hl = static_cast<unsigned char>(b[8]) | (static_cast<unsigned char>(b[9]) << 8);
  b[hl + 1] = 'z';
  tbtest::WriteBytes(e_.File("CUST5.dbf"), b);
  d = e_.Open("CUST5");
  std::vector<std::string> problems;
  EXPECT_GE(d4check(d, &problems), 2) << "one entry missing, one entry not matching";
  bool named = std::any_of(problems.begin(), problems.end(),
                           [](const std::string& p) { return p.find("cName.ntx") != std::string::npos; });
  EXPECT_TRUE(named);
}

}  // namespace
