// The checks a recipient makes, on our own sample invoice read back and
// then edited the way a faulty or tampered file would be.
#include "receiving/ReceivedChecks.h"

#include <gtest/gtest.h>

#include "einvoice/CiiWriter.h"
#include "einvoice/TestSupport.h"
#include "einvoice/UblWriter.h"
#include "receiving/ReceivedRead.h"

namespace {

ReceivedInvoice Read(const QByteArray& bytes) {
  const ReceivedRead read = ReadReceived(bytes);
  EXPECT_TRUE(read.ok()) << read.error.toStdString();
  return read.invoice;
}

// The sample as it arrives: nothing to find in it.
ReceivedInvoice Sample() { return Read(WriteCii(SampleInvoice(), CiiFlavour::XRechnung)); }

// "BR-CO-15 fatal, TB-LINE-NET warning": what was found, in order.
std::string Found(const QList<ReceivedFinding>& findings) {
  QStringList said;
  for (const ReceivedFinding& f : findings) said << f.rule + (f.fatal ? QString() : QStringLiteral(" warning"));
  return said.join(QStringLiteral(", ")).toStdString();
}

TEST(ReceivedChecks, AmountsAreReadAsWrittenToTheCent) {
  const std::pair<const char*, Cents> amounts[] = {{"12.5", 1250}, {"0.005", 1}, {"-0.005", -1}, {"0.0049", 0},
                                                   {"+.5", 50},    {"7", 700},   {" 3.10 ", 310}};
  for (const auto& [text, cents] : amounts) {
    EXPECT_TRUE(ReceivedAmount{text}.read()) << text;
    EXPECT_EQ(ReceivedAmount{text}.cents(), cents) << text;
  }
  for (const char* bad : {"12,50", "1e3", "", ".", "-", "1.2.3", "1234567890123456"})
    EXPECT_FALSE(ReceivedAmount{bad}.read()) << bad;
  EXPECT_FALSE(ReceivedAmount{}.present());
}

TEST(ReceivedChecks, EditedTotalsAreFatalInEitherSyntax) {
  EXPECT_EQ(Found(CheckReceived(Sample())), "");
  const EInvoice sample = SampleInvoice();
  // The grand total raised by one euro: it no longer adds up, nor does
  // the amount due.
  QByteArray cii = WriteCii(sample, CiiFlavour::XRechnung);
  cii.replace("<ram:GrandTotalAmount>36.35<", "<ram:GrandTotalAmount>37.35<");
  EXPECT_EQ(Found(CheckReceived(Read(cii))), "BR-CO-15, BR-CO-16");
  // The total without VAT and the total with it both raised.
  QByteArray ubl = WriteUbl(sample);
  ASSERT_TRUE(ubl.contains("currencyID=\"EUR\">30.55</cbc:TaxExclusiveAmount>"));
  ubl.replace("currencyID=\"EUR\">30.55</cbc:TaxExclusiveAmount>", "currencyID=\"EUR\">31.55</cbc:TaxExclusiveAmount>");
  ubl.replace("currencyID=\"EUR\">36.35</cbc:TaxInclusiveAmount>", "currencyID=\"EUR\">36.36</cbc:TaxInclusiveAmount>");
  const std::string found = Found(CheckReceived(Read(ubl)));
  EXPECT_NE(found.find("BR-CO-13"), std::string::npos) << found;
  EXPECT_NE(found.find("BR-CO-15"), std::string::npos) << found;
  EXPECT_NE(found.find("BR-CO-16"), std::string::npos) << found;
}

TEST(ReceivedChecks, VatAFewCentsOffIsAWarningMoreThanTheToleranceFatal) {
  ReceivedInvoice inv = Sample();
  const auto vatFinding = [&](const char* tax, const char* total) {
    inv.vat[0].tax = {tax};
    inv.taxTotal = {total};
    inv.grandTotal = {AmountText(inv.taxBasis.cents() + inv.taxTotal.cents())};
    inv.due = {AmountText(inv.grandTotal.cents() - inv.paid.cents())};
    return Found(CheckReceived(inv));
  };
  EXPECT_EQ(vatFinding("5.80", "5.80"), "");
  EXPECT_EQ(vatFinding("5.83", "5.83"), "BR-S-09 warning");
  EXPECT_EQ(vatFinding("6.80", "6.80"), "BR-S-09 warning");  // one euro: what the rules allow
  EXPECT_EQ(vatFinding("6.81", "6.81"), "BR-S-09");
  // The total must still be the breakdown's sum, to the cent.
  EXPECT_EQ(vatFinding("5.80", "5.81"), "BR-CO-14");
}

TEST(ReceivedChecks, MissingTermsAreNamedByTheirRules) {
  ReceivedInvoice inv = Sample();
  inv.customization = QString();
  inv.number = QString();
  inv.issueDate = {};
  inv.seller.name = QStringLiteral(" ");
  inv.buyer.hasAddress = false;
  inv.lines[1].unit = QString();
  inv.lines[1].netPrice = {};
  inv.allowancesCharges[0].reason = QString();
  inv.dueDate = {};
  inv.paymentTerms = QString();
  inv.vat[0].rate = QString();
  const std::string found = Found(CheckReceived(inv));
  for (const char* rule : {"BR-01", "BR-02", "BR-03", "BR-06", "BR-10", "BR-23", "BR-26", "BR-38", "BR-CO-25", "BR-48"})
    EXPECT_NE(found.find(std::string(rule) + ","), std::string::npos) << rule << " in " << found;
  EXPECT_EQ(found.find("BR-CO-1"), std::string::npos) << "the sums still add up: " << found;
  inv = Sample();
  inv.lines.clear();
  inv.vat.clear();
  const std::string empty = Found(CheckReceived(inv));
  EXPECT_NE(empty.find("BR-16"), std::string::npos) << empty;
  EXPECT_NE(empty.find("BR-CO-18"), std::string::npos) << empty;
}

TEST(ReceivedChecks, EachVatCategoryIsCheckedByItsOwnRules) {
  // The second line at 7% while the breakdown knows only 19%.
  ReceivedInvoice inv = Sample();
  inv.lines[1].vatRate = QStringLiteral("7");
  EXPECT_EQ(Found(CheckReceived(inv)), "BR-S-08, BR-S-08");
  // "19.00" and "19" are one rate.
  inv = Sample();
  inv.lines[0].vatRate = QStringLiteral("19.00");
  EXPECT_EQ(Found(CheckReceived(inv)), "");
  // Everything zero rated, with a rate left on a line and the VAT kept.
  inv = Sample();
  for (ReceivedLine& l : inv.lines) {
    l.vatCategory = QStringLiteral("Z");
    l.vatRate = QStringLiteral("0");
  }
  inv.lines[0].vatRate = QStringLiteral("19");
  inv.allowancesCharges[0].vatCategory = QStringLiteral("Z");
  inv.allowancesCharges[0].vatRate = QStringLiteral("0");
  inv.vat[0].category = QStringLiteral("Z");
  inv.vat[0].rate = QStringLiteral("0");
  EXPECT_EQ(Found(CheckReceived(inv)), "BR-Z-05, BR-Z-08, BR-Z-09, BR-Z-08");
  // Exempt without a reason; reverse charge items with no breakdown.
  inv = Sample();
  for (ReceivedLine& l : inv.lines) l.vatCategory = QStringLiteral("E");
  for (ReceivedLine& l : inv.lines) l.vatRate = QStringLiteral("0");
  inv.allowancesCharges[0].vatCategory = QStringLiteral("AE");
  inv.allowancesCharges[0].vatRate = QStringLiteral("0");
  inv.vat = {{{QStringLiteral("26.05")}, {QStringLiteral("0.00")}, QStringLiteral("E"), QStringLiteral("0"), {}, {}}};
  inv.taxTotal = {QStringLiteral("0.00")};
  inv.grandTotal = inv.taxBasis;
  inv.due = {AmountText(inv.grandTotal.cents() - inv.paid.cents())};
  EXPECT_EQ(Found(CheckReceived(inv)), "BR-E-10, BR-AE-01");
}

TEST(ReceivedChecks, UnreadableAmountsDatesAndCodesAreReportedOnce) {
  ReceivedInvoice inv = Sample();
  inv.lineTotal = {QStringLiteral("26,05")};
  inv.issueDate.date = QDate();
  inv.issueDate.text = QStringLiteral("20261301");
  inv.currency = QStringLiteral("Euro");
  inv.seller.vatId = QStringLiteral("123456789");
  // The sums that use the unreadable total are not checked on a guess.
  EXPECT_EQ(Found(CheckReceived(inv)), "TB-DATE, TB-CURRENCY, BR-CO-09, TB-AMOUNT");
}

}  // namespace
