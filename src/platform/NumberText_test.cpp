#include "platform/NumberText.h"

#include <QLocale>
#include <gtest/gtest.h>

#include "platform/TestApplication.h"

namespace {

class NumberTextTest : public ::testing::Test {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
  void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

TEST_F(NumberTextTest, MinusZeroKeepsItsSignPaddedToTheTypedLength) {
  EXPECT_EQ(FormatNumberText("-0", "%5.2f"), "-0.00");
  EXPECT_EQ(FormatNumberText("   -0   ", "%5.2f"), "   -0.00");
  EXPECT_EQ(FormatNumberText("-3", "%8.2f"), "   -3.00");
  EXPECT_EQ(FormatNumberText("0", "%5.2f"), " 0.00") << "no stray minus from a zero";
}

TEST_F(NumberTextTest, BlanksInsideATypedNumberAreIgnored) {
  EXPECT_EQ(FormatNumberText("1 234.5", "%10.2f"), "   1234.50");
  EXPECT_EQ(FormatNumberText("  12.  ", "%8.2f"), "   12.00");
}

TEST_F(NumberTextTest, TextWithoutANumberRaisesTheConversionMessage) {
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

TEST_F(NumberTextTest, NumbersUseTheUsersDecimalSeparatorButFixedTextAPoint) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(DecimalSeparator(), QChar(','));
  EXPECT_DOUBLE_EQ(StrToFloat(" 12,5 "), 12.5);
  EXPECT_EQ(FormatFloat("%8.2f", 12.5), "   12,50");
  EXPECT_EQ(FormatNumberText("12,5", "%6.2f"), " 12,50");
  EXPECT_EQ(FixedText(8, 2, -1.5), "   -1.50");
  EXPECT_EQ(FixedText(6, 0, 1234567), "1234567");
}

// Every locale Qt knows, the Arabic, Persian and Pashto ones with their
// decimal separator U+066B among them: an amount typed with the locale's
// separator, and one the program formatted, read back whole.
TEST_F(NumberTextTest, ATypedAmountReadsBackInEveryLocale) {
  const QList<QLocale> locales =
      QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
  ASSERT_GT(locales.size(), 300);
  int arabicSeparator = 0;
  for (const QLocale& locale : locales) {
    QLocale::setDefault(locale);
    const QString sep = DecimalSeparator();
    arabicSeparator += sep == QChar(0x066B);
    const std::string name = locale.name().toStdString();
    EXPECT_EQ(StrToFloat("4" + sep + "35"), 4.35) << name;
    EXPECT_EQ(StrToFloat(FormatFloat("%10.2f", -1234.5)), -1234.5) << name;
    EXPECT_EQ(StrToFloat(FormatNumberText("12" + sep + "5", "%8.2f")), 12.5) << name;
  }
  EXPECT_GT(arabicSeparator, 0) << "the Arabic separator is among them";
  QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
  EXPECT_DOUBLE_EQ(StrToFloat(QString::fromUtf8("4\u066B35")) * 12, 52.2) << "not 4 x 12 = 48";
}

TEST_F(NumberTextTest, RoundMoneyTakesHalvesAwayFromZero) {
  EXPECT_DOUBLE_EQ(RoundMoney(1.004), 1.00);
  EXPECT_DOUBLE_EQ(RoundMoney(0.125), 0.13);
  EXPECT_DOUBLE_EQ(RoundMoney(-0.125), -0.13);
  EXPECT_DOUBLE_EQ(RoundMoney(-1.004), -1.00);
  EXPECT_EQ(FormatFloat("%5.2f", RoundMoney(0)), " 0.00");
  EXPECT_EQ(FormatFloat("%5.2f", RoundMoney(-0.001)), " 0.00");
}

}  // namespace
