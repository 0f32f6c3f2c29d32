// The printed invoice of the working copy: its title and the editor's Print.
// The documents of whole selections are tested with the report builders.
#include "invoicing/InvoiceDocument.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include "data/dbFiles.h"
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

}  // namespace
