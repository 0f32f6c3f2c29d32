// From invoices as the tables hold them to e-invoices: the mapping in each
// format, checked by the official validators, and every refusal.
#include "einvoice/EInvoiceBuild.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/Settings.h"
#include "einvoice/CiiWriter.h"
#include "data/TestSupport.h"
#include "einvoice/TestSupport.h"
#include "einvoice/UblWriter.h"
#include "platform/Language.h"
#include "platform/TestApplication.h"

namespace {

ItemRow Item(const QString& code, double qty, double price, bool taxed, const QString& desc) {
  return {code, FormatFloat("%9.2f", qty), FormatFloat("%8.2f", price), "f", taxed ? "t" : "f",
          desc, QString(), QString(), QString()};
}

// An item taxed on the first charge line, where that is a second VAT rate.
ItemRow FirstRateItem(const QString& code, double qty, double price, const QString& desc) {
  ItemRow item = Item(code, qty, price, false, desc);
  item.Tax1 = "t";
  return item;
}

PaymentRow Paid(double amount) { return {"03/04/26", FormatFloat("%10.2f", amount)}; }

class EInvoiceBuildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    settings.Company = "Tallow & Wick";
    settings.ShipLine = "Shipping";
    settings.TaxLine = "VAT";
    settings.TaxRate2 = 19;
    settings.ShipTax = 2;
    seller = GermanSeller();
    seller.legalName = QStringLiteral("Kerzenzieherei Weiß & Söhne GmbH");
    seller.iban = "DE02 1203 0000 0000 2020 51";
    seller.bic = "BYLADEM1001";
    seller.exemptionReason = "Exempt under the small business rule";
    seller.paymentTerms = "14 days net";
    buyer = GermanBuyer(7);
    in.hasCustomer = true;
    in.customer.cuno = 7;
    in.customer.title = "Ms.";
    in.customer.first = "Ada";
    in.customer.last = "Byron";
    in.customer.addr1 = QStringLiteral("Crème & \"Brûlée\" <Candles>");
    in.customer.addr2 = "12 Engine Row";
    in.customer.zip = "10115";
    in.header.IvNo = 1007;
    in.header.CuNo = 7;
    in.header.IDate = DateFromQDate(QDate(2026, 3, 2));
  }
  void TearDown() override { QLocale::setDefault(QLocale::system()); }

  // Sets the charge lines and the amount due as the invoice arithmetic
  // leaves them.
  void Totals(double ship, double tax, double paid) {
    in.header.Ship = ship;
    in.header.Tax = tax;
    double subtotal = 0;
    for (const ItemRow& i : in.items) subtotal += RoundMoney(StrToFloat(i.Qty) * StrToFloat(i.UPR));
    in.payments.clear();
    if (paid != 0) in.payments << Paid(paid);
    in.header.Due = RoundMoney(subtotal + ship + tax) - paid;
  }
  EInvoiceBuilt Build(EInvoiceFormat format) { return BuildEInvoice(in, settings, seller, buyer, format); }
  // The problems of the build in format, one string.
  QString Problems(EInvoiceFormat format) { return Build(format).problems.join(" / "); }

  // Writes the invoice in all three formats into dir and lists them for
  // the validators.
  void WriteAll(const QString& name) {
    for (EInvoiceFormat f : {EInvoiceFormat::FacturX, EInvoiceFormat::XRechnung, EInvoiceFormat::Peppol}) {
      const EInvoiceBuilt built = Build(f);
      ASSERT_TRUE(built.problems.isEmpty()) << name.toStdString() << ": " << built.problems.join(" / ").toStdString();
      const QString format = f == EInvoiceFormat::Peppol ? "ubl" : f == EInvoiceFormat::XRechnung ? "xrechnung" : "cii";
      const QString path = dir.filePath(name + "-" + format + ".xml");
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(f == EInvoiceFormat::Peppol ? WriteUbl(built.invoice)
                                              : WriteCii(built.invoice, f == EInvoiceFormat::XRechnung
                                                                            ? CiiFlavour::XRechnung
                                                                            : CiiFlavour::FacturX));
      written << std::pair{path, format};
    }
  }

  QTemporaryDir dir;
  QList<std::pair<QString, QString>> written;
  SettingsRecord settings;
  SellerDetails seller;
  BuyerDetails buyer;
  InvoiceInHand in;
};

TEST_F(EInvoiceBuildTest, TheInvoicesOfEveryKindAreValidInEveryFormat) {
  // Taxed and exempt items, shipping taxed (ShipTax 2), partly paid; a
  // buyer named with characters XML and Windows-1252 both care about.
  in.items = {Item("CANDLE", 2, 12.5, true, QStringLiteral("Bienenwachs-Kerze \"groß\" & <rund>")),
              Item("BOOK", 1, 8, false, "Candle book")};
  Totals(4.5, 5.60, 10);  // 19% of 25.00 + 4.50 = 5.605, rounded down
  settings.TaxRound = 3;
  WriteAll("taxed");

  // Shipping not taxed (ShipTax 1); a fractional quantity, a discount line,
  // rounded up; paid in full; a buyer abroad.
  in.items = {Item("TEA", 0.5, 0.25, true, "Tealight"), Item("CANDLE", 3, 12.5, true, "Candle"),
              Item("DISC", 1, -5, true, "Discount")};
  settings.ShipTax = 1;
  settings.TaxRound = 2;
  // 19% of 0.13 + 37.50 - 5.00 = 6.1997, up
  Totals(3, 6.20, RoundMoney(32.63 + 3 + 6.20));
  buyer.country = "FR";
  buyer.city = "Paris";
  buyer.vatId = "FR12345678901";
  WriteAll("discount");

  // ShipTax 3 with no taxed item: nothing taxed at all; zero-rated; 40 lines.
  settings.ShipTax = 3;
  seller.untaxedCategory = "Z";
  in.items.clear();
  for (int i = 1; i <= 40; ++i) in.items << Item(QString("W%1").arg(i), i, 0.35, false, QString("Wick %1").arg(i));
  Totals(2, 0, 0);
  WriteAll("untaxed");

  ExpectAllValid(written);
}

TEST_F(EInvoiceBuildTest, TheStoredAmountsAreTheTruthInCents) {
  in.items = {Item("CANDLE", 2, 12.5, true, "Candle"), Item("DISC", 1, -5, true, "Discount"),
              Item("BOOK", 1, 8, false, "Book")};
  Totals(4.5, 5.08, 10);  // 19% of 25.00 - 5.00 + 4.50 = 4.655: 4.66 would do as well
  in.header.Tax = 4.66;
  in.header.Due = 25 - 5 + 8 + 4.5 + 4.66 - 10;
  const EInvoiceBuilt built = Build(EInvoiceFormat::FacturX);
  ASSERT_TRUE(built.problems.isEmpty()) << built.problems.join(" / ").toStdString();
  const EInvoice& e = built.invoice;
  ASSERT_EQ(e.lines.size(), 3);
  EXPECT_EQ(e.lines[1].quantity, -100) << "a negative price becomes a negative quantity";
  EXPECT_EQ(e.lines[1].netPrice, 500);
  EXPECT_EQ(e.lines[1].net, -500);
  EXPECT_EQ(e.lines[2].vat.code, "E");
  ASSERT_EQ(e.vat.size(), 2);
  EXPECT_EQ(e.vat[0].base, 2450);
  EXPECT_EQ(e.vat[0].tax, 466);
  EXPECT_EQ(e.vat[0].vat.rate, "19");
  EXPECT_EQ(e.vat[1].base, 800);
  EXPECT_EQ(e.grandTotal, 2800 + 450 + 466);
  EXPECT_EQ(e.due, 2800 + 450 + 466 - 1000);
  EXPECT_EQ(e.dueDate, QDate(2026, 3, 16));
  EXPECT_EQ(e.seller.name, QStringLiteral("Kerzenzieherei Weiß & Söhne GmbH"));
  seller.legalName.clear();
  EXPECT_EQ(Build(EInvoiceFormat::FacturX).invoice.seller.name, "Tallow & Wick")
      << "the letterhead's company name stands in";
}

TEST_F(EInvoiceBuildTest, WhatAnEInvoiceCannotCarryIsRefusedNamingTheDetail) {
  in.items = {Item("CANDLE", 2, 12.5, true, "Candle")};
  Totals(0, 4.75, 0);
  ASSERT_EQ(Problems(EInvoiceFormat::Peppol), "");

  settings.TaxRate1 = 5;
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("Tax Rate 1"));
  settings.TaxRate1 = 0;

  in.header.Tax = 4.80;
  in.header.Due += 0.05;
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("the stored tax 4.80 is not 19% of the taxable 25.00"));
  Totals(0, 4.75, 0);

  settings.TaxRate2 = 0;
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("Tax Rate 2"));
  settings.TaxRate2 = 19;

  in.header.Due = 1;
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("the amount due 1.00 is not the total 29.75"));
  Totals(0, 4.75, 0);

  in.items = {Item("CANDLE", -2, 12.5, true, "Candle")};
  Totals(0, -4.75, 0);
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("credit note"));
  in.items = {Item("CANDLE", 2, 12.5, true, "")};
  Totals(0, 4.75, 0);
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("item 1 (CANDLE) has no description"));
  in.items.clear();
  Totals(0, 0, 0);
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("the invoice has no items"));
  in.items = {Item("CANDLE", 2, 12.5, true, "Candle")};
  Totals(0, 4.75, 0);
  in.header.IDate = 0;
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("the invoice has no date"));
  in.header.IDate = DateFromQDate(QDate(2026, 3, 2));

  settings.ShipLine = "  ";
  Totals(3, 5.32, 0);
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("the first charge line has no name"));
  settings.ShipLine = "Shipping";
  Totals(0, 4.75, 0);

  buyer.buyerReference.clear();
  EXPECT_EQ(Problems(EInvoiceFormat::FacturX), "") << "Factur-X does without";
  EXPECT_TRUE(Problems(EInvoiceFormat::XRechnung).contains("XRechnung needs the buyer reference"));
  EXPECT_TRUE(Problems(EInvoiceFormat::Peppol).contains("Peppol needs the buyer reference"));
  buyer.buyerReference = "R1";

  buyer.electronicScheme = "EM";
  buyer.electronicAddress = "ap@lovelace.example";
  EXPECT_EQ(Problems(EInvoiceFormat::XRechnung), "");
  EXPECT_TRUE(Problems(EInvoiceFormat::Peppol).contains("Peppol does not accept the buyer's electronic address scheme \"EM\""));

  seller.iban.clear();
  buyer.city.clear();
  const QString xr = Problems(EInvoiceFormat::XRechnung);
  EXPECT_TRUE(xr.contains("the seller's IBAN")) << xr.toStdString();
  EXPECT_TRUE(xr.contains("the city of customer 7")) << xr.toStdString();

  seller.vatId.clear();
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("VAT identifier for taxed items"));
  in.items = {Item("BOOK", 1, 8, false, "Book")};
  Totals(0, 0, 0);
  seller.exemptionReason.clear();
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("exemption reason"));
  seller.exemptionReason = "Exempt";
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("VAT identifier or tax registration"));
  seller.taxRegistration = "201/113/40209";
  EXPECT_EQ(Problems(EInvoiceFormat::FacturX), "");

  in.hasCustomer = false;
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("customer 7 does not exist"));
}

// Goods at 19 % and 7 %: the first charge line is the second rate's VAT;
// each rate has its base and tax, every format takes it, and an item with
// both taxes is refused.
TEST_F(EInvoiceBuildTest, RefusalsSayWhereToMendThemInThePersonsNumbers) {
  in.items = {Item("CANDLE", 2, 12.5, true, "Candle")};
  Totals(0, 4.75, 0);
  buyer.electronicScheme = "EM";
  buyer.electronicAddress = "ap@lovelace.example";
  const QString peppol = Problems(EInvoiceFormat::Peppol);
  EXPECT_TRUE(peppol.contains("the customer's window, E-Invoice..., Address Scheme")) << peppol.toStdString();
  for (const char* scheme : {"0088", "0204", "0208", "9930", "0009", "0007", "0192"})
    EXPECT_TRUE(peppol.contains(scheme)) << scheme;
  buyer.electronicScheme = "0088";
  buyer.city.clear();
  EXPECT_TRUE(Problems(EInvoiceFormat::XRechnung)
                  .contains("the city of customer 7 (Crème & \"Brûlée\" <Candles>; the customer's window, "
                            "E-Invoice..., City)"));
  buyer.city = "Berlin";

  // The item texts in memory follow the locale, as the editor leaves them.
  EnsureTestApplication();
  UseLanguage("de");
  in.items = {Item("CANDLE", 2, 12.5, true, "Candle")};
  Totals(0, 4.80, 0);
  const QString german = Problems(EInvoiceFormat::FacturX);
  UseLanguage("en");
  EXPECT_TRUE(german.contains("die gespeicherte Steuer 4,80 ist nicht 19 % des steuerpflichtigen Betrags 25,00"))
      << german.toStdString();
  EXPECT_TRUE(german.contains("Rechnungsfenster")) << german.toStdString();
}

TEST_F(EInvoiceBuildTest, TwoVatRatesAreTwoBreakdownsAndAnItemWithBothIsRefused) {
  settings.TaxRate1 = 7;
  seller.secondRate = true;
  in.items = {Item("CANDLE", 2, 12.5, true, "Candle"), FirstRateItem("BOOK", 1, 20, "Candle book"),
              Item("GIFT", 1, 3, false, "Gift wrapping")};
  Totals(1.40, 4.75, 0);  // 7% of 20.00, 19% of 25.00
  const EInvoiceBuilt built = Build(EInvoiceFormat::XRechnung);
  ASSERT_TRUE(built.problems.isEmpty()) << built.problems.join(" / ").toStdString();
  const EInvoice& e = built.invoice;
  EXPECT_TRUE(e.charges.isEmpty()) << "the first charge line is no shipping";
  ASSERT_EQ(e.vat.size(), 3);
  EXPECT_EQ(e.vat[0].vat.rate, "7");
  EXPECT_EQ(e.vat[0].base, 2000);
  EXPECT_EQ(e.vat[0].tax, 140);
  EXPECT_EQ(e.vat[1].vat.rate, "19");
  EXPECT_EQ(e.vat[1].tax, 475);
  EXPECT_EQ(e.vat[2].vat.code, "E");
  EXPECT_EQ(e.taxTotal, 615);
  EXPECT_EQ(e.grandTotal, 4800 + 615);
  WriteAll("two-rates");
  ExpectAllValid(written);

  in.items[0].Tax1 = "t";
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("item 1 (CANDLE) carries both taxes")) << Problems(EInvoiceFormat::FacturX).toStdString();
  seller.secondRate = false;
  in.items[0].Tax1 = "f";
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("second VAT rate")) << "the setting is named";
}

// A customer invoiced without VAT: reverse charge and intra-community
// supplies within the EU, exports outside it; each valid in every format
// with its legal text, the buyer's VAT identifier required where the rules
// ask for it, and a taxed line refused.
TEST_F(EInvoiceBuildTest, ReverseChargeIntraCommunityAndExportAreValidAndTaxedLinesRefused) {
  buyer.country = "FR";
  buyer.city = "Lyon";
  buyer.vatId = "FR12345678901";
  buyer.siren = "443061841";
  in.items = {Item("CANDLE", 2, 12.5, false, "Candle"), Item("BOOK", 1, 8, false, "Candle book")};
  for (const char* treatment : {"AE", "K", "G"}) {
    buyer.vatTreatment = treatment;
    Totals(4.5, 0, 0);
    const EInvoiceBuilt built = Build(EInvoiceFormat::Peppol);
    ASSERT_TRUE(built.problems.isEmpty()) << treatment << ": " << built.problems.join(" / ").toStdString();
    ASSERT_EQ(built.invoice.vat.size(), 1);
    EXPECT_EQ(built.invoice.vat[0].vat.code, treatment);
    EXPECT_EQ(built.invoice.vat[0].base, 2500 + 800 + 450) << "shipping goes untaxed with the goods";
    EXPECT_FALSE(built.invoice.vat[0].exemptionReason.isEmpty());
    EXPECT_EQ(built.invoice.buyer.legalId, "443061841");
    EXPECT_EQ(built.invoice.deliverTo.country, QString(treatment) == "K" ? "FR" : "") << treatment;
    WriteAll(QString("treatment-") + treatment);
  }
  ExpectAllValid(written);
  EXPECT_EQ(Build(EInvoiceFormat::FacturX).invoice.vat[0].exemptionReason, "Export outside the EU, exempt from VAT");

  buyer.vatTreatment = "AE";
  in.items[1] = Item("BOOK", 1, 8, true, "Candle book");
  Totals(0, 1.52, 0);
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("item 2 (BOOK) carries tax, but customer 7 is invoiced without VAT"));
  in.items[1] = Item("BOOK", 1, 8, false, "Candle book");
  Totals(0, 0, 0);
  buyer.vatId.clear();
  EXPECT_TRUE(Problems(EInvoiceFormat::FacturX).contains("the VAT identifier of customer 7"));
}

}  // namespace
