// The printed invoice of the working copy: its title and the editor's Print.
// The documents of whole selections are tested with the report builders.
#include "invoicing/InvoiceDocument.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/CustomerLanguage.h"
#include "data/EInvoiceTables.h"
#include "data/Settings.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/PainterCanvas.h"
#include "platform/PrinterChoice.h"
#include "printing/ReportRender.h"
#include "platform/ScriptedUi.h"
#include "printing/ReportExport.h"
#include "printing/ReportU.h"
#include "printing/RptUtil.h"
#include "printing/TestSupport.h"

namespace {

class InvoiceDocument : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    Ui::install(&ui);
    CurrentInvoice = InvoiceRecord();
    CurrentInvoice.IvNo = 55;
    CurrentInvoice.CuNo = 7;
    ItemList.clear();
    PaymentList.clear();
    CustomerAddress = {"Ms.  Ada Byron", "Lovelace Candles", "", "", ""};
  }
  void TearDown() override {
    Ui::install(nullptr);
    ReportTest::TearDown();
  }
  ScriptedUi ui;
};

TEST_F(InvoiceDocument, TitleIsStatementWhenNothingOrACreditIsDueAndBillOtherwise) {
  StartInvoices(KeptLines());
  for (double due : {0.0, -1.0, 0.01}) {
    CurrentInvoice.Due = due;
    PrintInvoice(false);
  }
  FinishReport();
  EXPECT_EQ(Lines().filter(QRegularExpression("^C36")),
            QStringList({"C36Statement|||||||||||B", "C36Statement|||||||||||B", "C36Bill|||||||||||B"}));
  EndReport();
}

TEST_F(InvoiceDocument, EditorPrintShowsTheWorkingCopyOnceAndReleasesIt) {
  TReportF window;
  QStringList shown;
  ui.onDialog<TReportF>([&](TReportF* w) {
    shown << ExportText(Report(), ExportFormat::PlainText);
    w->close();
  });
  CurrentInvoice.Due = 3;
  ItemList = {ItemRow{"SOAP", "     1.00", "    3.00", "f", "f", "Soap", "", "", "Soap text"}};
  PrintWorkingInvoice();
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].contains("Soap text"));
  EXPECT_TRUE(shown[0].contains("Balance Due:         3.00"));
  EXPECT_TRUE(shown[0].trimmed().endsWith("Soap text")) << "the last line is shown too";
  EXPECT_EQ(Report().lineCount(), 0);
}

TEST_F(InvoiceDocument, ACardNumberIsPrintedWithOnlyItsLastFourDigits) {
  CurrentInvoice.IMemo = "4111111111111111 x9/28";
  StartInvoices(KeptLines());
  PrintInvoice(false);
  FinishReport();
  EXPECT_EQ(Lines().filter("4111").join("\n"), "") << "no digit of the number but the last four";
  EXPECT_EQ(Lines().filter("************1111 x9/28").size(), 1) << Lines().join("\n").toStdString();
  EXPECT_EQ(CurrentInvoice.IMemo, "4111111111111111 x9/28") << "the working copy keeps it";
  EndReport();
}

// A data folder whose seller has an IBAN and invoices in euro.
class PaymentCode : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    EnsureTestApplication();
    resetReportForTests();
    SellerDetails seller = ReadSellerDetails();
    seller.legalName = QStringLiteral("Kerzenzieherei Weiß GmbH");
    seller.iban = "DE02 1203 0000 0000 2020 51";
    seller.bic = "BYLADEM1001";
    WriteSellerDetails(seller);
    CurrentInvoice = Invoice(1007, 7, QDate(2026, 3, 2), 0, 0, 26.35);
    ItemList = {ItemRow{"SOAP", "     1.00", "   26.35", "f", "f", "Soap", "", "", ""}};
    PaymentList.clear();
    CustomerAddress = {"Ms.  Ada Byron", "", "", "", ""};
  }
  void TearDown() override {
    resetReportForTests();
    PrinterChoice::selectNone();
    IndexedFolderTest::TearDown();
  }
  // The picture cells of the document.
  static QStringList Pictures() { return Lines().filter(QRegularExpression("^I")); }
};

TEST_F(PaymentCode, ThePrintedInvoiceCarriesTheTransferOfTheAmountDue) {
  if (!QrReadersInstalled()) GTEST_SKIP() << "zbarimg or pdftoppm is not installed";
  QTemporaryDir out;
  PrinterChoice::selectPdf(out.filePath("invoice.pdf"));
  StartInvoices(KeptLines());
  PrintInvoice(true);
  FinishReport();
  ASSERT_EQ(Pictures().size(), 1);
  EXPECT_TRUE(Pictures().first().contains("|S 1.10 1.10 ")) << Pictures().first().toStdString();
  {
    PainterCanvas canvas(PrinterChoice::printer());
    PrintDocument(canvas);
    canvas.end();
  }
  EndReport();
  EXPECT_EQ(QrCodeOnFirstPage(out.filePath("invoice.pdf")),
            QStringLiteral("BCD\n002\n1\nSCT\nBYLADEM1001\nKerzenzieherei Weiß GmbH\nDE02120300000000202051\n"
                           "EUR26.35\n\nRF721007"));
}

TEST_F(PaymentCode, NothingDueNoIbanOrAnotherCurrencyGiveNoCode) {
  auto pictures = [] {
    StartInvoices(KeptLines());
    PrintInvoice(false);
    FinishReport();
    const qsizetype n = Pictures().size();
    EndReport();
    return n;
  };
  EXPECT_EQ(pictures(), 1);
  CurrentInvoice.Due = 0;
  EXPECT_EQ(pictures(), 0);
  CurrentInvoice.Due = 26.35;
  SellerDetails seller = ReadSellerDetails();
  seller.currency = "CHF";
  WriteSellerDetails(seller);
  EXPECT_EQ(pictures(), 0);
  seller.currency = "EUR";
  seller.iban.clear();
  WriteSellerDetails(seller);
  EXPECT_EQ(pictures(), 0);
}

// A seller with a VAT identifier: the invoice says under its totals what
// its e-invoice says; one without keeps the document as it was.
TEST_F(PaymentCode, TheLegalTextShowsEachVatRateTheSupplyAndTheReverseCharge) {
  auto text = [] {
    StartInvoices(KeptLines());
    PrintInvoice(true);
    FinishReport();
    const QString joined = Joined(Lines());
    EndReport();
    return joined;
  };
  EXPECT_FALSE(text().contains("Seller:")) << "an IBAN alone: the document as it was";

  SellerDetails seller = GermanSeller();
  seller.secondRate = true;
  seller.taxRegistration = "201/113/40209";
  WriteSellerDetails(seller);
  Settings().TaxRate1 = 7;
  Settings().TaxRate2 = 19;
  ItemList = {ItemRow{"BOOK", "     1.00", "   20.00", "t", "f", "Book", "", "", ""},
              ItemRow{"CANDLE", "     2.00", "   12.50", "f", "t", "Candle", "", "", ""}};
  CurrentInvoice = Invoice(1007, 7, QDate(2026, 3, 2), 1.40, 4.75, 51.15);
  QString shown = text();
  EXPECT_TRUE(shown.contains(QStringLiteral("Seller: Kerzenzieherei Weiß GmbH, Kerzenweg 4, 50667 Köln, DE"))) << shown.toStdString();
  EXPECT_TRUE(shown.contains("VAT ID: DE123456789   Tax No.: 201/113/40209"));
  EXPECT_TRUE(shown.contains("VAT 7%: 1.40 on 20.00 EUR"));
  EXPECT_TRUE(shown.contains("VAT 19%: 4.75 on 25.00 EUR"));
  EXPECT_TRUE(shown.contains("Date of supply: 03/02/26"));
  EXPECT_TRUE(shown.contains("Due date: 03/16/26"));
  EXPECT_TRUE(shown.contains("Payment reference: RF721007   IBAN: DE02120300000000202051"));

  BuyerDetails buyer = GermanBuyer(7);
  buyer.country = "FR";
  buyer.vatId = "FR12345678901";
  buyer.vatTreatment = "AE";
  WriteBuyerDetails(buyer);
  CustBuf.cuno = 7;
  ItemList = {ItemRow{"CANDLE", "     2.00", "   12.50", "f", "f", "Candle", "", "", ""}};
  CurrentInvoice = Invoice(1007, 7, QDate(2026, 3, 2), 0, 0, 25);
  shown = text();
  EXPECT_TRUE(shown.contains("Customer's VAT ID: FR12345678901")) << shown.toStdString();
  EXPECT_TRUE(shown.contains("Reverse charge: 25.00 EUR without VAT")) << shown.toStdString();
  Settings().TaxRate1 = 0;
}

// Each document in its customer's language, whatever the user's is; the
// user's where the customer has none.
class DocumentLanguageTest : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    EnsureTestApplication();
    resetReportForTests();
    PaymentList.clear();
    CustomerAddress = {"Ms.  Ada Byron", "", "", "", ""};
  }
  void TearDown() override {
    resetReportForTests();
    IndexedFolderTest::TearDown();
  }
  // The invoices of customers 7 and 8, as invoice and as bill, in one
  // report; its lines. The working copy's amounts are in the user's number
  // format, as the editor and LoadInvoice leave them.
  static QString Printed() {
    ItemList = {ItemRow{"SOAP", FormatFloat("%9.2f", 1), FormatFloat("%8.2f", 26.35), "f", "f", "Soap", "", "", ""}};
    StartInvoices(KeptLines());
    for (long cuno : {7, 8}) {
      CurrentInvoice = Invoice(1000 + cuno, cuno, QDate(2026, 3, 2), 0, 0, 26.35);
      PrintInvoice(cuno == 7);
    }
    FinishReport();
    const QString text = Lines().join("\n");
    EndReport();
    return text;
  }
};

TEST_F(DocumentLanguageTest, TitleHeadingsTotalsAndNumbersFollowTheCustomer) {
  QString error;
  ASSERT_TRUE(SetCustomerLanguage(7, "fr", &error)) << error.toStdString();
  // The document of customer 7, then that of customer 8 (none set).
  const auto split = [](const QString& text, const char* secondTitle) {
    const qsizetype second = text.indexOf(QLatin1String(secondTitle));
    EXPECT_GT(second, 0) << text.toStdString();
    return std::pair{text.left(second), text.mid(second)};
  };
  {
    DocumentLanguage german("de");
    const auto [french, user] = split(Printed(), "C36Zahlungserinnerung|");
    EXPECT_TRUE(french.contains("C36Facture|")) << french.toStdString();
    EXPECT_TRUE(french.contains("L13Désignation|"));
    EXPECT_TRUE(french.contains("R59Sous-total :|"));
    EXPECT_TRUE(french.contains("R59Montant dû :|"));
    EXPECT_FALSE(french.contains("Beschreibung")) << "the headings are set again for each customer";
    EXPECT_TRUE(user.contains("L13Beschreibung|")) << user.toStdString();
    EXPECT_TRUE(user.contains("R59Zwischensumme:|"));
    EXPECT_TRUE(user.contains("R49   26,35|"));
    EXPECT_EQ(CurrentLanguage(), "de") << "the user's language is back after the document";
  }
  const auto [french, english] = split(Printed(), "C36Bill|");
  EXPECT_TRUE(french.contains("R49   26,35|") && french.contains("R59     1,00|"))
      << "the user's amounts in the document's number format: " << french.toStdString();
  EXPECT_TRUE(french.contains("R72       26,35|"));
  EXPECT_TRUE(english.contains("L13Description|") && english.contains("R59SubTotal:|")) << english.toStdString();
  EXPECT_TRUE(english.contains("R59Balance Due:|") && english.contains("R49   26.35|"));
}

}  // namespace
