#include "KeyExpr.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

namespace tbengine {
namespace {

// A record layout built from (name, type, width, decimals); values are given
// as stored text and padded like a table writer pads them.
class Layout {
 public:
  Layout& Add(const std::string& name, char type, int width, int dec = 0) {
    FieldDesc f;
    f.name = name;
    f.type = type;
    f.width = width;
    f.decimals = dec;
    f.offset = length_;
    length_ += width;
    fields_.push_back(f);
    return *this;
  }
  const FieldList& fields() const { return fields_; }

  std::string Record(const std::map<std::string, std::string>& values) const {
    std::string rec(length_, ' ');
    for (const FieldDesc& f : fields_) {
      auto it = values.find(f.name);
      if (it == values.end()) continue;
      std::string v = it->second.substr(0, f.width);
      if (f.type == 'N') v = std::string(f.width - v.size(), ' ') + v;
      rec.replace(f.offset, v.size(), v);
    }
    return rec;
  }

  std::string Key(const std::string& expr, const std::map<std::string, std::string>& values) const {
    KeyExpr k;
    Status s = KeyExpr::Compile(expr, fields_, &k);
    EXPECT_TRUE(s.ok()) << s.message();
    std::string key = k.Evaluate(Record(values).c_str());
    EXPECT_EQ(static_cast<int>(key.size()), k.keyLength()) << expr;
    return key;
  }

 private:
  FieldList fields_;
  int length_ = 1;  // deletion flag
};

Layout Customers() {
  Layout l;
  l.Add("CUNO", 'N', 6).Add("LAST", 'C', 10).Add("FIRST", 'C', 8).Add("ZIP", 'C', 5)
      .Add("ADDR1", 'C', 12).Add("COMMENTS", 'M', 10).Add("IDATE", 'D', 8)
      .Add("PRID", 'C', 6).Add("IVNO", 'N', 8).Add("AMT", 'N', 9, 3).Add("PAID", 'L', 1)
      .Add("NGROUP", 'N', 3);
  return l;
}

TEST(KeyExprTest, TagExpressionsOfTheTablesGiveStoredKeyBytes) {
  Layout l = Customers();
  EXPECT_EQ(l.Key("Str(CuNo, 6)", {{"CUNO", "42"}}), "    42");
  EXPECT_EQ(l.Key("Str(IvNo,6,0)", {{"IVNO", "1234"}}), "  1234");
  EXPECT_EQ(l.Key("Str(nGroup, 2)", {{"NGROUP", "7"}}), " 7");
  EXPECT_EQ(l.Key("Upper(Last + First)", {{"LAST", "McKay"}, {"FIRST", "ann"}}),
            "MCKAY     ANN     ");
  EXPECT_EQ(l.Key("Zip", {{"ZIP", "0123"}}), "0123 ");
  EXPECT_EQ(l.Key("Addr1", {}), std::string(12, ' '));
  EXPECT_EQ(l.Key("Upper(PrID)+ DTOS(IDATE)", {{"PRID", "ab-1"}, {"IDATE", "20240229"}}),
            "AB-1  20240229");
  EXPECT_EQ(l.Key("PrID + Str(IvNo,6,0)", {{"PRID", "ab-1"}, {"IVNO", "77"}}), "ab-1      77");
  EXPECT_EQ(l.Key("DTOS(IDate)", {{"IDATE", "19991231"}}), "19991231");
  EXPECT_EQ(l.Key("DTOS(IDate)", {}), "        ");
}

TEST(KeyExprTest, NamesMatchWithoutRegardToCase) {
  Layout l = Customers();
  EXPECT_EQ(l.Key("upper(last+FIRST)", {{"LAST", "a"}, {"FIRST", "b"}}), "A         B       ");
  EXPECT_EQ(l.Key("STR(cuno,6)", {{"CUNO", "5"}}), "     5");
  EXPECT_EQ(l.Key("dtos( idate )", {{"IDATE", "20000101"}}), "20000101");
}

TEST(KeyExprTest, UpperChangesOnlyAsciiLetters) {
  Layout l = Customers();
  EXPECT_EQ(l.Key("Upper(Last)", {{"LAST", "\xe9t\xe9-z{"}}), "\xe9T\xe9-Z{    ");
}

TEST(KeyExprTest, StrRoundsHalfAwayFromZeroOnTheStoredDigits) {
  Layout l = Customers();
  // 2.675 is 2.67499... as a double; the stored text must decide.
  EXPECT_EQ(l.Key("Str(Amt, 6, 2)", {{"AMT", "2.675"}}), "  2.68");
  EXPECT_EQ(l.Key("Str(Amt, 6, 2)", {{"AMT", "-2.675"}}), " -2.68");
  EXPECT_EQ(l.Key("Str(Amt, 6, 2)", {{"AMT", "2.674"}}), "  2.67");
  EXPECT_EQ(l.Key("Str(Amt, 6)", {{"AMT", "12.500"}}), "    13");
  EXPECT_EQ(l.Key("Str(Amt, 6)", {{"AMT", "-12.500"}}), "   -13");
  EXPECT_EQ(l.Key("Str(Amt, 6)", {{"AMT", "12.499"}}), "    12");
  EXPECT_EQ(l.Key("Str(Amt, 6)", {{"AMT", "-0.400"}}), "     0");
  EXPECT_EQ(l.Key("Str(Amt, 6)", {{"AMT", "9.999"}}), "    10");
  EXPECT_EQ(l.Key("Str(Amt)", {{"AMT", "3.5"}}), "    3.500");
  EXPECT_EQ(l.Key("Str(Amt, 8, 4)", {{"AMT", "3.5"}}), "  3.5000");
}

TEST(KeyExprTest, StrThatDoesNotFitGivesAsterisks) {
  Layout l = Customers();
  EXPECT_EQ(l.Key("Str(IvNo, 3)", {{"IVNO", "1234"}}), "***");
  EXPECT_EQ(l.Key("Str(IvNo, 3)", {{"IVNO", "-99"}}), "-99");
  EXPECT_EQ(l.Key("Str(IvNo, 3)", {{"IVNO", "-100"}}), "***");
  EXPECT_EQ(l.Key("Str(Amt, 3)", {{"AMT", "999.500"}}), "***");  // rounds to 1000
  EXPECT_EQ(l.Key("Str(Amt, 3)", {{"AMT", "999.499"}}), "999");
}

TEST(KeyExprTest, BlankNumberCountsAsZero) {
  Layout l = Customers();
  EXPECT_EQ(l.Key("Str(CuNo, 6)", {}), "     0");
  EXPECT_EQ(l.Key("Str(Amt, 6, 2)", {}), "  0.00");
  EXPECT_EQ(l.Key("CuNo", {}), "000000");
}

TEST(KeyExprTest, BareNumericKeysSortInNumericOrder) {
  Layout l = Customers();
  EXPECT_EQ(l.Key("CuNo", {{"CUNO", "42"}}), "000042");
  EXPECT_EQ(l.Key("CuNo", {{"CUNO", "-5"}}), ",,,,,'");
  EXPECT_EQ(l.Key("Amt", {{"AMT", "-12.5"}}), ",,,+*.',,");
  EXPECT_EQ(l.Key("Amt", {{"AMT", "12.5"}}), "00012.500");

  KeyExpr k;
  ASSERT_TRUE(KeyExpr::Compile("Amt", l.fields(), &k).ok());
  EXPECT_EQ(k.keyDecimals(), 3);
  EXPECT_EQ(k.keyLength(), 9);
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> dist(-9999999, 9999999);
  std::vector<std::pair<long, std::string>> keys;
  for (int i = 0; i < 2000; ++i) {
    long milli = dist(rng);
    char text[32];
    std::snprintf(text, sizeof text, "%s%ld.%03ld", milli < 0 ? "-" : "", std::labs(milli) / 1000,
                  std::labs(milli) % 1000);
    keys.emplace_back(milli, k.Evaluate(l.Record({{"AMT", text}}).c_str()));
  }
  std::sort(keys.begin(), keys.end());
  for (size_t i = 1; i < keys.size(); ++i)
    EXPECT_LE(keys[i - 1].second, keys[i].second) << keys[i - 1].first << " vs " << keys[i].first;
}

TEST(KeyExprTest, BareDateAndLogicalFields) {
  Layout l = Customers();
  EXPECT_EQ(l.Key("IDate", {{"IDATE", "20240101"}}), "20240101");
  EXPECT_EQ(l.Key("Paid", {{"PAID", "y"}}), "T");
  EXPECT_EQ(l.Key("Paid", {{"PAID", "?"}}), "F");
  EXPECT_EQ(l.Key("Paid", {}), "F");
  KeyExpr k;
  ASSERT_TRUE(KeyExpr::Compile("Str(CuNo,6)", l.fields(), &k).ok());
  EXPECT_EQ(k.keyDecimals(), 0);
  EXPECT_EQ(k.text(), "Str(CuNo,6)");
}

TEST(KeyExprTest, BadExpressionsAreRefusedWithTheirText) {
  Layout l = Customers();
  const char* bad[] = {
      "Nosuch",              // unknown field
      "Lower(Last)",         // unknown function
      "Upper(Last",          // missing parenthesis
      "Last First",          // trailing text
      "Last +",              // incomplete
      "",                    // empty
      "Str(Last, 6)",        // Str of a character field
      "DTOS(Last)",          // DTOS of a character field
      "Upper(CuNo)",         // Upper of a number
      "CuNo + Last",         // number joined to text
      "Comments",            // memo field
      "Str(CuNo, 0)",        // width out of range
      "Str(CuNo, 300)",      // width out of range
      "Str(CuNo, 4, 4)",     // decimals not below the width
      "Str(CuNo, x)",        // width not a number
      "Last + Last + Last + Last + Last + Last + Last + Last + Last + Last + Last + Last + Last + "
      "Last + Last + Last + Last + Last + Last + Last + Last + Last + Last + Last + Last + Last",
  };
  for (const char* e : bad) {
    KeyExpr k;
    Status s = KeyExpr::Compile(e, l.fields(), &k);
    EXPECT_EQ(s.code(), e4expr) << e;
    EXPECT_NE(s.message().find(std::string("\"") + e + "\""), std::string::npos) << s.message();
  }
}

}  // namespace
}  // namespace tbengine
