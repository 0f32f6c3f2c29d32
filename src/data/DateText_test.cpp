#include "data/DateText.h"

#include <QLocale>

#include "data/Cp1252.h"
#include "data/TestSupport.h"
#include "platform/Clock.h"

namespace {

class DateTextTest : public PlainDataTest {};

TDate D(int y, int m, int d) { return DateFromQDate(QDate(y, m, d)); }

TEST_F(DateTextTest, CenturyWindowMovesYearsOutsideTheHundredYearWindow) {
  // 2026: the window is 1966 to 2065.
  EXPECT_EQ(CenturyWindow(D(1965, 7, 4)), D(2065, 7, 4));
  EXPECT_EQ(CenturyWindow(D(1966, 1, 1)), D(1966, 1, 1));
  EXPECT_EQ(CenturyWindow(D(2065, 12, 31)), D(2065, 12, 31));
  EXPECT_EQ(CenturyWindow(D(2066, 1, 1)), D(1966, 1, 1));
  EXPECT_EQ(CenturyWindow(D(1900, 5, 5)), D(2000, 5, 5));
  EXPECT_EQ(CenturyWindow(0), 0);
}

TEST_F(DateTextTest, LeapDayMovedIntoACommonYearBecomesTheLastOfFebruary) {
  Clock::setFixed(QDateTime(QDate(2161, 1, 1), QTime(0, 0)));  // window 2101-2200
  EXPECT_EQ(CenturyWindow(D(2000, 2, 29)), D(2100, 2, 28))
      << "2000 moves to 2100, which has no 29 February";
}

TEST_F(DateTextTest, StoredDateOf1965IsReadAsIsButWrittenAs2065) {
  const TDate d = StoredToDate("19650704");
  EXPECT_EQ(QDateFromDate(d), QDate(1965, 7, 4));
  EXPECT_EQ(DateToStored(d), "20650704");
}

TEST_F(DateTextTest, NoDateIsStoredBlankAndBlankReadsAsNoDate) {
  EXPECT_EQ(DateToStored(0), "");
  EXPECT_EQ(DateToStored(-3), "");
  EXPECT_EQ(StoredToDate("        "), 0);
  EXPECT_EQ(StoredToDate(""), 0);
}

TEST_F(DateTextTest, ImpossibleStoredDateReadsAsNoDateInsteadOfFailing) {
  EXPECT_EQ(StoredToDate("20261345"), 0);
  EXPECT_EQ(StoredToDate("2026ab01"), 0) << "a part that is not a number counts as 0";
  EXPECT_EQ(StoredToDate("20260229"), 0);
}

TEST_F(DateTextTest, ShortDateFormatFollowsTheLocaleOrderWithTwoDigitsEach) {
  EXPECT_EQ(ShortDateFormat(), "MM/dd/yy");
  EXPECT_EQ(FormatShortDate(D(2026, 3, 5)), "03/05/26");
  EXPECT_EQ(FormatShortDate(0), "");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(ShortDateFormat(), "dd/MM/yy");
  EXPECT_EQ(ParseShortDate("05/03/26"), D(2026, 3, 5));
}

TEST_F(DateTextTest, TwoDigitYearsArePlacedBySixtyYearWindow) {
  EXPECT_EQ(ParseShortDate("01/02/65"), D(2065, 1, 2));
  EXPECT_EQ(ParseShortDate("01/02/66"), D(1966, 1, 2));
  EXPECT_EQ(ParseShortDate(" 1/ 2/26"), D(2026, 1, 2)) << "blanks of the date box";
  EXPECT_EQ(ParseShortDate("01/02/1965"), D(1965, 1, 2)) << "four digits are taken as typed";
}

TEST_F(DateTextTest, InvalidDateRaisesTheFrameworkConversionMessage) {
  try {
    ParseShortDate("13/45/26");
    FAIL() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_EQ(e.text(), "'13/45/26' is not a valid date.");
  }
  EXPECT_THROW(ParseShortDate("  /  /  "), ConversionError);
  EXPECT_THROW(ParseShortDate("02/30/26"), ConversionError);
  EXPECT_THROW(ParseShortDate("1-2-26"), ConversionError);
}

TEST_F(DateTextTest, ValidateDateTextWarnsAndKeepsTextOrRewritesIt) {
  QString bad = "13/01/26";
  ui.expectMessage(Ui::Kind::Warning, "Invalid Date Entered");
  EXPECT_FALSE(ValidateDateText(bad));
  EXPECT_EQ(bad, "13/01/26");
  ui.verifyDone();

  QString good = "3/5/26";
  EXPECT_TRUE(ValidateDateText(good));  // no message
  EXPECT_EQ(good, "03/05/26");
}

TEST_F(DateTextTest, MinusZeroKeepsItsSignPaddedToTheTypedLength) {
  EXPECT_EQ(FormatNumberText("-0", "%5.2f"), "-0.00");
  EXPECT_EQ(FormatNumberText("   -0   ", "%5.2f"), "   -0.00");
  EXPECT_EQ(FormatNumberText("-3", "%8.2f"), "   -3.00");
  EXPECT_EQ(FormatNumberText("0", "%5.2f"), " 0.00") << "no stray minus from a zero";
}

TEST_F(DateTextTest, BlanksInsideATypedNumberAreIgnored) {
  EXPECT_EQ(FormatNumberText("1 234.5", "%10.2f"), "   1234.50");
  EXPECT_EQ(FormatNumberText("  12.  ", "%8.2f"), "   12.00");
}

TEST_F(DateTextTest, TextWithoutANumberRaisesTheConversionMessage) {
  try {
    FormatNumberText("abc", "%8.2f");
    FAIL() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_EQ(e.text(), "'abc' is not a valid floating point value.");
  }
  EXPECT_THROW(StrToFloat("      .  "), ConversionError);
  EXPECT_THROW(StrToFloat("-"), ConversionError);
  EXPECT_THROW(StrToFloat("1.2.3"), ConversionError);
  EXPECT_THROW(StrToFloat("1,5"), ConversionError) << "not the user's separator";
}

TEST_F(DateTextTest, NumbersUseTheUsersDecimalSeparatorButFixedTextAPoint) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(DecimalSeparator(), QChar(','));
  EXPECT_DOUBLE_EQ(StrToFloat(" 12,5 "), 12.5);
  EXPECT_EQ(FormatFloat("%8.2f", 12.5), "   12,50");
  EXPECT_EQ(FormatNumberText("12,5", "%6.2f"), " 12,50");
  EXPECT_EQ(FixedText(8, 2, -1.5), "   -1.50");
  EXPECT_EQ(FixedText(6, 0, 1234567), "1234567");
}

TEST_F(DateTextTest, RoundMoneyTakesHalvesAwayFromZero) {
  EXPECT_DOUBLE_EQ(RoundMoney(1.004), 1.00);
  EXPECT_DOUBLE_EQ(RoundMoney(0.125), 0.13);
  EXPECT_DOUBLE_EQ(RoundMoney(-0.125), -0.13);
  EXPECT_DOUBLE_EQ(RoundMoney(-1.004), -1.00);
  EXPECT_EQ(FormatFloat("%5.2f", RoundMoney(0)), " 0.00");
  EXPECT_EQ(FormatFloat("%5.2f", RoundMoney(-0.001)), " 0.00");
}

TEST_F(DateTextTest, PadLeftNeverCutsALongNumber) {
  EXPECT_EQ(PadLeft(42, 6), "    42");
  EXPECT_EQ(PadLeft(1234567, 6), "1234567");
  EXPECT_EQ(PadLeft(7, 2), " 7");
  EXPECT_EQ(Spaces(3), "   ");
  EXPECT_EQ(Spaces(-1), "");
}

TEST_F(DateTextTest, LastPosFindsTheLastOccurrence) {
  EXPECT_EQ(LastPos("-", "12-34-56"), 6);
  EXPECT_EQ(LastPos("/", "12-34"), 0);
  EXPECT_EQ(LastPos("", "abc"), 0);
}

TEST_F(DateTextTest, SeekKeyIsAtMostSixtyWindowsCharacters) {
  const QByteArray k = SeekKey(QString(70, 'x'));
  EXPECT_EQ(k.size(), 60);
  EXPECT_EQ(k.constData()[60], '\0');
  EXPECT_EQ(SeekKey(QStringLiteral("Caf\u00e9")), QByteArray("Caf\xe9"));
}

TEST_F(DateTextTest, IndexInListReportsMissingListAndValue) {
  QList<int> groups{4, 7, 7};
  EXPECT_EQ(IndexInList(&groups, 7), 1);
  EXPECT_EQ(IndexInList(&groups, 9), -1);
  EXPECT_EQ(IndexInList(nullptr, 4), -1);
}

TEST_F(DateTextTest, TableTextIsWindows1252WithQuestionMarkForTheRest) {
  EXPECT_EQ(ToCp1252(QStringLiteral("\u20ac5 \u00fc")), QByteArray("\x80" "5 \xfc"));
  EXPECT_EQ(FromCp1252(QByteArray("\x80\x9f\xe9")), QStringLiteral("\u20ac\u0178\u00e9"));
  EXPECT_EQ(ToCp1252(QStringLiteral("a\u6f22b")), QByteArray("a?b"));
  EXPECT_EQ(ToCp1252(QString::fromUcs4(U"\U0001F600")), QByteArray("?")) << "one character";
}

}  // namespace
