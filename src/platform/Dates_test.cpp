#include "platform/Dates.h"

#include <QLocale>
#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "platform/NumberText.h"
#include "platform/ScriptedUi.h"
#include "platform/TestApplication.h"

namespace {

// en_US conventions, the clock fixed at 2026-03-15 10:00 and the scripted Ui.
class DatesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Clock::setFixed(QDateTime(QDate(2026, 3, 15), QTime(10, 0)));
    Ui::install(&ui);
  }
  void TearDown() override {
    Ui::install(nullptr);
    Clock::useSystem();
    QLocale::setDefault(QLocale::system());
  }
  ScriptedUi ui;
};

TDate D(int y, int m, int d) { return DateFromQDate(QDate(y, m, d)); }

TEST_F(DatesTest, CenturyWindowMovesYearsOutsideTheHundredYearWindow) {
  // 2026: the window is 1966 to 2065.
  EXPECT_EQ(CenturyWindow(D(1965, 7, 4)), D(2065, 7, 4));
  EXPECT_EQ(CenturyWindow(D(1966, 1, 1)), D(1966, 1, 1));
  EXPECT_EQ(CenturyWindow(D(2065, 12, 31)), D(2065, 12, 31));
  EXPECT_EQ(CenturyWindow(D(2066, 1, 1)), D(1966, 1, 1));
  EXPECT_EQ(CenturyWindow(D(1900, 5, 5)), D(2000, 5, 5));
  EXPECT_EQ(CenturyWindow(0), 0);
}

TEST_F(DatesTest, LeapDayMovedIntoACommonYearBecomesTheLastOfFebruary) {
  Clock::setFixed(QDateTime(QDate(2161, 1, 1), QTime(0, 0)));  // window 2101-2200
  EXPECT_EQ(CenturyWindow(D(2000, 2, 29)), D(2100, 2, 28))
      << "2000 moves to 2100, which has no 29 February";
}

TEST_F(DatesTest, StoredDateOf1965IsReadAsIsButWrittenAs2065) {
  const TDate d = StoredToDate("19650704");
  EXPECT_EQ(QDateFromDate(d), QDate(1965, 7, 4));
  EXPECT_EQ(DateToStored(d), "20650704");
}

TEST_F(DatesTest, NoDateIsStoredBlankAndBlankReadsAsNoDate) {
  EXPECT_EQ(DateToStored(0), "");
  EXPECT_EQ(DateToStored(-3), "");
  EXPECT_EQ(StoredToDate("        "), 0);
  EXPECT_EQ(StoredToDate(""), 0);
}

TEST_F(DatesTest, ImpossibleStoredDateReadsAsNoDateInsteadOfFailing) {
  EXPECT_EQ(StoredToDate("20261345"), 0);
  EXPECT_EQ(StoredToDate("2026ab01"), 0) << "a part that is not a number counts as 0";
  EXPECT_EQ(StoredToDate("20260229"), 0);
}

TEST_F(DatesTest, ShortDateFormatFollowsTheLocaleOrderWithTwoDigitsEach) {
  EXPECT_EQ(ShortDateFormat(), "MM/dd/yy");
  EXPECT_EQ(FormatShortDate(D(2026, 3, 5)), "03/05/26");
  EXPECT_EQ(FormatShortDate(0), "");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(ShortDateFormat(), "dd.MM.yy") << "the locale's separator";
  EXPECT_EQ(FormatShortDate(D(2026, 12, 9)), "09.12.26");
  EXPECT_EQ(ParseShortDate("05.03.26"), D(2026, 3, 5));
  EXPECT_EQ(ParseShortDate("05/03/26"), D(2026, 3, 5)) << "as the earlier versions wrote it";
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  EXPECT_EQ(ShortDateFormat(), "dd/MM/yy");
}

TEST_F(DatesTest, TwoDigitYearsArePlacedBySixtyYearWindow) {
  EXPECT_EQ(ParseShortDate("01/02/65"), D(2065, 1, 2));
  EXPECT_EQ(ParseShortDate("01/02/66"), D(1966, 1, 2));
  EXPECT_EQ(ParseShortDate(" 1/ 2/26"), D(2026, 1, 2)) << "blanks of the date box";
  EXPECT_EQ(ParseShortDate("01/02/1965"), D(1965, 1, 2)) << "four digits are taken as typed";
}

TEST_F(DatesTest, InvalidDateRaisesTheFrameworkConversionMessage) {
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

TEST_F(DatesTest, ValidateDateTextWarnsAndKeepsTextOrRewritesIt) {
  QString bad = "13/01/26";
  ui.expectMessage(Ui::Kind::Warning, "Invalid Date Entered");
  EXPECT_FALSE(ValidateDateText(bad));
  EXPECT_EQ(bad, "13/01/26");
  ui.verifyDone();

  QString good = "3/5/26";
  EXPECT_TRUE(ValidateDateText(good));  // no message
  EXPECT_EQ(good, "03/05/26");
}

}  // namespace
