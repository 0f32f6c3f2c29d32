#include "invoicing/InvoiceMath.h"

#include <gtest/gtest.h>

#include "platform/NumberText.h"
#include "data/Settings.h"

namespace {

ItemAmounts Item(const char* qty, const char* price, bool tax1 = false, bool tax2 = false) {
  return ItemAmounts{qty, price, tax1 ? "t" : "f", tax2 ? "t" : "f"};
}

SettingsRecord TaxSettings(double rate1, double rate2, int shipTax, int taxRound = 1) {
  SettingsRecord s;
  s.TaxRate1 = rate1;
  s.TaxRate2 = rate2;
  s.ShipTax = shipTax;
  s.TaxRound = taxRound;
  return s;
}

TEST(RoundTax, NormalRoundsHalfCentUp) {
  EXPECT_DOUBLE_EQ(RoundTax(1.2349, 1), 1.23);
  EXPECT_DOUBLE_EQ(RoundTax(1.2351, 1), 1.24);
}

TEST(RoundTax, UpKeepsExactCentsAndRaisesAnyExcess) {
  EXPECT_DOUBLE_EQ(RoundTax(1.2302, 2), 1.24);
  EXPECT_DOUBLE_EQ(RoundTax(1.23, 2), 1.23);
}

TEST(RoundTax, DownAndUnknownModesCut) {
  EXPECT_DOUBLE_EQ(RoundTax(1.2399, 3), 1.23);
  EXPECT_DOUBLE_EQ(RoundTax(1.2399, 0), 1.23);
  EXPECT_DOUBLE_EQ(RoundTax(1.2399, 7), 1.23);
}

TEST(RoundTax, NegativeTaxMovesTowardZeroInEveryMode) {
  // No sign is taken into account: adding the half cent moves a negative
  // amount toward zero before the cut.
  EXPECT_DOUBLE_EQ(RoundTax(-1.2351, 1), -1.23);
  EXPECT_DOUBLE_EQ(RoundTax(-1.2302, 2), -1.22);
  EXPECT_DOUBLE_EQ(RoundTax(-1.2399, 3), -1.23);
}

TEST(ItemLineTotal, HalfCentGoesAwayFromZero) {
  EXPECT_DOUBLE_EQ(ItemLineTotal("     0.50", "    0.25"), 0.13);
  EXPECT_DOUBLE_EQ(ItemLineTotal("    -0.50", "    0.25"), -0.13);
}

TEST(ItemLineTotal, UnreadableQuantityIsAConversionError) {
  EXPECT_THROW(ItemLineTotal("abc", "1.00"), ConversionError);
}

TEST(InvoiceSubtotal, SumsRoundedLineTotalsNotRawProducts) {
  // Three products of 0.125 each: 0.375 unrounded, 0.39 from the rounded lines.
  const QList<ItemAmounts> items{Item("0.50", "0.25"), Item("0.50", "0.25"), Item("0.50", "0.25")};
  EXPECT_NEAR(InvoiceSubtotal(items), 0.39, 1e-9);
  EXPECT_EQ(InvoiceSubtotal({}), 0);
}

TEST(ComputeTaxes, BothRatesZeroLeavesTypedLinesAlone) {
  const QList<ItemAmounts> items{Item("1", "100.00", true, true)};
  const ChargeLines lines = ComputeTaxes(items, 5.00, 1.20, true, TaxSettings(0, 0, 2));
  EXPECT_DOUBLE_EQ(lines.line1, 5.00);
  EXPECT_DOUBLE_EQ(lines.line2, 1.20);
  EXPECT_FALSE(lines.line1Shown);
  EXPECT_FALSE(lines.line2Shown);
  const InvoiceSums sums = InvoiceSumsFor(items, lines.line1, lines.line2, {});
  EXPECT_NEAR(sums.InvoiceTotal, 106.20, 1e-9);
  EXPECT_NEAR(sums.Due, 106.20, 1e-9);
}

TEST(ComputeTaxes, ShipTaxNoTaxesOnlyFlaggedItems) {
  const QList<ItemAmounts> items{Item("1", "10.00", false, true), Item("1", "5.00")};
  const ChargeLines lines = ComputeTaxes(items, 4.00, 0, true, TaxSettings(0, 7, 1));
  EXPECT_DOUBLE_EQ(lines.line1, 4.00);  // typed shipping survives (rate 1 is 0)
  EXPECT_TRUE(lines.line1Shown);
  EXPECT_NEAR(lines.line2, 0.70, 1e-9);
  EXPECT_TRUE(lines.line2Shown);
  EXPECT_NEAR(InvoiceSumsFor(items, lines.line1, lines.line2, {}).InvoiceTotal, 19.70, 1e-9);
}

TEST(ComputeTaxes, ShipTaxYesTaxesLineOneToo) {
  const QList<ItemAmounts> items{Item("1", "10.00", false, true), Item("1", "5.00")};
  EXPECT_NEAR(ComputeTaxes(items, 4.00, 0, true, TaxSettings(0, 7, 2)).line2, 0.98, 1e-9);
}

TEST(ComputeTaxes, ShipTaxWhenTaxOnItemsNeedsAFlaggedItem) {
  QList<ItemAmounts> items{Item("1", "10.00"), Item("1", "5.00")};
  const ChargeLines none = ComputeTaxes(items, 4.00, 9.99, true, TaxSettings(0, 7, 3));
  EXPECT_EQ(none.line2, 0.0);  // recomputed from nothing: line 1 is not added
  EXPECT_TRUE(none.line2Shown);
  items[0].LTax2 = "t";
  EXPECT_NEAR(ComputeTaxes(items, 4.00, 0, true, TaxSettings(0, 7, 3)).line2, 0.98, 1e-9);
}

TEST(ComputeTaxes, ComputedLineOneIsRoundedAndFeedsLineTwo) {
  // Line 1 at 10% of 12.34 = 1.234 -> 1.23 (Normal) / 1.24 (Up) / 1.23 (Down);
  // line 2 at 5% of (12.34 + line 1).
  const QList<ItemAmounts> items{Item("1", "12.34", true, true)};
  const ChargeLines normal = ComputeTaxes(items, 0, 0, true, TaxSettings(10, 5, 2, 1));
  EXPECT_NEAR(normal.line1, 1.23, 1e-9);
  EXPECT_NEAR(normal.line2, 0.68, 1e-9);  // 0.6785 -> 0.68
  const ChargeLines up = ComputeTaxes(items, 0, 0, true, TaxSettings(10, 5, 2, 2));
  EXPECT_NEAR(up.line1, 1.24, 1e-9);
  EXPECT_NEAR(up.line2, 0.68, 1e-9);  // 0.679 -> 0.68
  const ChargeLines down = ComputeTaxes(items, 0, 0, true, TaxSettings(10, 5, 2, 3));
  EXPECT_NEAR(down.line1, 1.23, 1e-9);
  EXPECT_NEAR(down.line2, 0.67, 1e-9);  // 0.6785 -> 0.67
}

TEST(ComputeTaxes, TypedLineOneIsNeitherRecomputedNorRedisplayed) {
  const QList<ItemAmounts> items{Item("1", "100.00", true, true)};
  const ChargeLines lines = ComputeTaxes(items, 2.40, 0, false, TaxSettings(10, 5, 2));
  EXPECT_DOUBLE_EQ(lines.line1, 2.40);
  EXPECT_FALSE(lines.line1Shown);
  EXPECT_NEAR(lines.line2, 5.12, 1e-9);  // 5% of the typed 2.40 and 100.00
  EXPECT_TRUE(lines.line2Shown);
  // The next item change recomputes line 1 over what was typed.
  EXPECT_NEAR(ComputeTaxes(items, 2.40, 0, true, TaxSettings(10, 5, 2)).line1, 10.00, 1e-9);
}

TEST(ComputeTaxes, RemovingTheLastItemKeepsTheChargeLines) {
  const ChargeLines lines = ComputeTaxes({}, 3.00, 0.21, true, TaxSettings(10, 7, 2));
  EXPECT_DOUBLE_EQ(lines.line1, 3.00);
  EXPECT_DOUBLE_EQ(lines.line2, 0.21);
  EXPECT_FALSE(lines.line1Shown || lines.line2Shown);
  const InvoiceSums sums = InvoiceSumsFor({}, lines.line1, lines.line2, {});
  EXPECT_EQ(sums.InvoiceSubtotal, 0);
  EXPECT_NEAR(sums.InvoiceTotal, 3.21, 1e-9);
}

TEST(InvoiceSums, OverpaymentGivesNegativeAmountDue) {
  const InvoiceSums sums =
      InvoiceSumsFor({Item("2", "10.00")}, 1.00, 0, {"     15.00", "     10.00"});
  EXPECT_NEAR(sums.PaymentsTotal, 25.00, 1e-9);
  EXPECT_NEAR(sums.Due, -4.00, 1e-9);
}

TEST(InvoiceSums, DueAfterPaymentsIsTheDifferenceOfShownAmounts) {
  InvoiceSums sums;
  sums.InvoiceTotal = 10.004;  // a working total below the cent is shown as 10.00
  const InvoiceSums after = SumsAfterPayments(sums, {"3.00"});
  EXPECT_DOUBLE_EQ(after.Due, 7.00);
}

TEST(InvoiceSums, DueAfterTypingAChargeLineUsesWorkingSums) {
  InvoiceSums sums;
  sums.InvoiceSubtotal = 10.00;
  sums.PaymentsTotal = 4.00;
  const InvoiceSums after = TotalsAfterChargeLine(sums, 1.50, 0.25);
  EXPECT_NEAR(after.InvoiceTotal, 11.75, 1e-9);
  EXPECT_NEAR(after.Due, 7.75, 1e-9);
  EXPECT_EQ(after.PaymentsTotal, 4.00);
}

}  // namespace
