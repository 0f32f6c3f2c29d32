// The printed invoice of the working copy: its title and the editor's Print.
// The documents of whole selections are tested with the report builders.
#include "invoicing/InvoiceDocument.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/EInvoiceTables.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"
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
  const QString zbar = QStandardPaths::findExecutable("zbarimg");
  const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
  if (zbar.isEmpty() || pdftoppm.isEmpty()) GTEST_SKIP() << "zbarimg or pdftoppm is not installed";
  QTemporaryDir out;
  PrinterChoice::selectPdf(out.filePath("invoice.pdf"));
  StartInvoices(KeptLines());
  PrintInvoice(true);
  FinishReport();
  ASSERT_EQ(Pictures().size(), 1);
  EXPECT_TRUE(Pictures().first().contains("|S 1.10 1.10")) << Pictures().first().toStdString();
  {
    PainterCanvas canvas(PrinterChoice::printer());
    PrintDocument(canvas);
    canvas.end();
  }
  EndReport();
  QProcess render;
  render.start(pdftoppm, {"-r", "150", "-png", "-singlefile", out.filePath("invoice.pdf"), out.filePath("page")});
  ASSERT_TRUE(render.waitForFinished(60000));
  QProcess scan;
  scan.start(zbar, {"--raw", "-q", "-Sbinary", out.filePath("page.png")});
  ASSERT_TRUE(scan.waitForFinished(60000));
  QByteArray read = scan.readAllStandardOutput();
  if (read.endsWith('\n')) read.chop(1);
  EXPECT_EQ(QString::fromUtf8(read),
            QStringLiteral("BCD\n002\n1\nSCT\nBYLADEM1001\nKerzenzieherei Weiß GmbH\nDE02120300000000202051\n"
                           "EUR26.35\n\n\nInvoice 1007"));
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

}  // namespace
