// Stored field bytes read into exported values: numbers exactly, dates
// checked against the calendar, logicals, texts from Windows-1252.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "export/StoredValue.h"

namespace {

// The value of a number field of the stored text's width, or "NULL", or
// "unreadable".
std::string Number(const char* stored, int decimals) {
  ExportValue v;
  const ValueProblem p = ReadNumber(stored, int(std::strlen(stored)), decimals, &v);
  if (p == ValueProblem::UnreadableNumber) return v.kind == ExportValue::Kind::Null ? "unreadable" : "?";
  if (v.kind == ExportValue::Kind::Null) return "NULL";
  return DecimalText(v.number, decimals).toStdString();
}

std::string Date(const char* stored) {
  ExportValue v;
  const ValueProblem p = ReadDate(stored, &v);
  if (p == ValueProblem::ImpossibleDate) return v.kind == ExportValue::Kind::Null ? "impossible" : "?";
  return v.kind == ExportValue::Kind::Null ? "NULL" : v.text.toStdString();
}

std::string Text(const QByteArray& stored) {
  ExportValue v;
  ReadText(stored.constData(), stored.size(), &v);
  return v.text.toStdString();
}

TEST(StoredValue, NumbersAreReadExactlyAtTheirFieldsPlaces) {
  EXPECT_EQ(Number("      123.45", 2), "123.45");
  EXPECT_EQ(Number("       -0.10", 2), "-0.10");
  EXPECT_EQ(Number("        0.00", 2), "0.00");
  EXPECT_EQ(Number("       -0.00", 2), "0.00") << "no negative zero";
  EXPECT_EQ(Number("     7", 0), "7");
  EXPECT_EQ(Number("  12.5", 2), "12.50") << "fewer places than the field";
  EXPECT_EQ(Number("12", 3), "12.000");
  EXPECT_EQ(Number("+4.5 ", 2), "4.50");
  EXPECT_EQ(Number(".5", 2), "0.50");
  EXPECT_EQ(Number("5.", 2), "5.00");
  EXPECT_EQ(Number("  3.100", 2), "3.10") << "a place the field lacks, but zero";
  EXPECT_EQ(Number("999999999999999999", 0), "999999999999999999");
  EXPECT_EQ(Number("9999999999999999.99", 2), "9999999999999999.99");
}

TEST(StoredValue, BlankNumbersAreNullAndDamagedOnesUnreadable) {
  EXPECT_EQ(Number("            ", 2), "NULL");
  EXPECT_EQ(Number(std::string(6, '\0').c_str(), 0), "NULL");
  EXPECT_EQ(Number("  3.125", 2), "unreadable") << "a place the field does not have";
  EXPECT_EQ(Number("**********", 2), "unreadable") << "an overflow mark";
  EXPECT_EQ(Number("  1,50", 2), "unreadable");
  EXPECT_EQ(Number("1.5E+03", 2), "unreadable");
  EXPECT_EQ(Number("  -", 0), "unreadable");
  EXPECT_EQ(Number(" . ", 2), "unreadable");
  EXPECT_EQ(Number("1.2.3", 2), "unreadable");
  EXPECT_EQ(Number("12 34", 0), "unreadable");
  EXPECT_EQ(Number("9999999999999999999", 0), "unreadable") << "beyond 64 bits";
  EXPECT_EQ(Number("99999999999999999.9", 2), "unreadable") << "beyond 64 bits once scaled";
}

TEST(StoredValue, DatesAreCheckedAgainstTheCalendar) {
  EXPECT_EQ(Date("20240229"), "2024-02-29");
  EXPECT_EQ(Date("19000101"), "1900-01-01");
  EXPECT_EQ(Date("        "), "NULL");
  EXPECT_EQ(Date("00000000"), "NULL");
  EXPECT_EQ(Date("20230229"), "impossible");
  EXPECT_EQ(Date("20231301"), "impossible");
  EXPECT_EQ(Date("20230100"), "impossible");
  EXPECT_EQ(Date("00000101"), "impossible") << "there is no year 0";
  EXPECT_EQ(Date("2023 1 1"), "impossible");
  EXPECT_EQ(Date("abcdefgh"), "impossible");
}

TEST(StoredValue, LogicalsAreTrueFalseOrNull) {
  for (char c : {'T', 't', 'Y', 'y'}) {
    ExportValue v;
    ReadLogical(c, &v);
    EXPECT_EQ(v.kind, ExportValue::Kind::Logical);
    EXPECT_TRUE(v.logical) << c;
  }
  for (char c : {'F', 'f', 'N', 'n'}) {
    ExportValue v;
    ReadLogical(c, &v);
    EXPECT_EQ(v.kind, ExportValue::Kind::Logical);
    EXPECT_FALSE(v.logical) << c;
  }
  for (char c : {' ', '?', '\0', 'x'}) {
    ExportValue v;
    ReadLogical(c, &v);
    EXPECT_EQ(v.kind, ExportValue::Kind::Null) << int(c);
  }
}

TEST(StoredValue, TextsBecomeUtf8WithoutTheirTrailingBlanks) {
  EXPECT_EQ(Text("Caf\xe9 \x80\x31\x30, \"\xdf\"   "), "Caf\xc3\xa9 \xe2\x82\xac" "10, \"\xc3\x9f\"");
  EXPECT_EQ(Text("  leading kept  "), "  leading kept");
  EXPECT_EQ(Text(QByteArray("line one\r\nline two\r\n \0\0", 23)), "line one\r\nline two");
  EXPECT_EQ(Text(QByteArray("a\0b", 3)), "a?b") << "a NUL inside as the program stores it";
  EXPECT_EQ(Text("\x81\x8d"), "\xc2\x81\xc2\x8d") << "undefined bytes come back as they were";
  EXPECT_EQ(Text("     "), "");
}

TEST(StoredValue, MemosKeepTheBlanksAndLineEndsTheyEndWith) {
  const QByteArray memo("the end\r\n\r\n  ");
  ExportValue v;
  ReadMemoText(memo.constData(), memo.size(), &v);
  EXPECT_EQ(v.text, memo);
  ReadMemoText("a\0b\n", 4, &v);
  EXPECT_EQ(v.text, "a?b\n");
}

TEST(StoredValue, DecimalTextKeepsEveryPlace) {
  EXPECT_EQ(DecimalText(0, 2), "0.00");
  EXPECT_EQ(DecimalText(5, 2), "0.05");
  EXPECT_EQ(DecimalText(-5, 3), "-0.005");
  EXPECT_EQ(DecimalText(123456, 2), "1234.56");
  EXPECT_EQ(DecimalText(-42, 0), "-42");
  EXPECT_EQ(DecimalText(std::numeric_limits<qint64>::min(), 2), "-92233720368547758.08");
}

}  // namespace
