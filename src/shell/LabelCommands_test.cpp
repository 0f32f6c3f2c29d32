// The label and stationery commands of the main window, run as a person
// would: "Label Forms", "Stationery", the label menu and buttons, and the
// invoice editor's "Batch Label".
#include <QComboBox>
#include <QDir>
#include <QRadioButton>
#include <QToolButton>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include "data/Settings.h"
#include "data/dbFiles.h"
#include "invoicing/InvoiceU.h"
#include "invoicing/PickInvU.h"
#include "labels/LabPrintU.h"
#include "labels/LabelDefU.h"
#include "labels/PickLabelU.h"
#include "labels/StationaryU.h"
#include "platform/AmountBox.h"
#include "platform/PrinterChoice.h"
#include "shell/TestSupport.h"

namespace {

class LabelCommandsTest : public CommandTest {
 protected:
  static QStringList StockNames() {
    return records(OpenLABELS, &Labels.d, [] { return FieldText(Labels.Name).trimmed(); });
  }
};

}  // namespace

TEST_F(LabelCommandsTest, LabelFormsAddsStockUntilThePickListIsCancelled) {
  steps<TPickLab>({pressNew<TPickLab>, [](TPickLab* p) {
                     EXPECT_EQ(p->ListBox1->count(), 1);
                     p->BtnCancel->click();
                   }});
  steps<TLabelDef>({[](TLabelDef* d) {
    d->Edit1->setText("Avery 5160");
    d->MaskEdit5->setText("189");
    d->MaskEdit6->setText("72");
    d->BtnSave->click();
  }});
  main()->BtnLabForms->click();
  EXPECT_EQ(StockNames(), QStringList({"Avery 5160"}));
}

TEST_F(LabelCommandsTest, StationerySavesTheLetterheadForTheNextDocument) {
  steps<TStationary>({[](TStationary* s) {
    s->Edit2->setText("Wick & Tallow");
    s->RadioButton2->setChecked(true);
    s->BtnSave->click();
  }});
  main()->BtnStationary->click();
  EXPECT_EQ(Settings().Company, "Wick & Tallow");
  EXPECT_EQ(Settings().LHJustify, 2);
}

TEST_F(LabelCommandsTest, LabelsWithoutAPrinterSaySoAndBatchLabelsNeedTheirFile) {
  PrinterChoice::selectNone();
  ui.expectPopup("InvoicesDated1");
  ui.expectMessage(Ui::Kind::Error, "No printer is selected. Choose one with Printer Setup.");
  main()->BtnRLabels->click();
  ui.expectMessage(Ui::Kind::Information, "Unable to save to: BatchLab.dat");
  main()->BtnPrintBatch->click();
}

TEST_F(LabelCommandsTest, BatchLabelOfAnInvoiceIsPrintedByPrintBatchLabels) {
  CustBuf = CustomerRecord{};
  CustBuf.cuno = 5;
  CustBuf.first = "Ann";
  CustBuf.last = "Abel";
  CustBuf.zip = "30000";
  append(OpenCUST5, &Cust5.d, WriteCustomer);
  CurrentInvoice = InvoiceRecord{};
  CurrentInvoice.IvNo = 1;
  CurrentInvoice.CuNo = 5;
  append(OpenINV5, &Inv5.d, WriteInvoice);
  LabelBuf = LabelRecord{};
  LabelBuf.Name = "Sheet";
  LabelBuf.TopM = LabelBuf.BottomM = 36;
  LabelBuf.Width = 189;
  LabelBuf.Height = 72;
  append(OpenLABELS, &Labels.d, WriteLabel);

  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TInvoice>({[](TInvoice* inv) {
    inv->BtnBatchLab->click();
    inv->BtnCancel->click();
  }});
  main()->BtnInvoice->click();
  QFile batch(QDir(dir.path()).filePath("BatchLab.dat"));
  ASSERT_TRUE(batch.open(QIODevice::ReadOnly));
  EXPECT_EQ(batch.readAll(), QByteArray("     5\r\n"));

  QTemporaryDir out;
  const QString pdf = out.filePath("labels.pdf");
  PrinterChoice::selectPdf(pdf);
  steps<TLabPrint>({[](TLabPrint* p) {
    EXPECT_EQ(p->ComboBox1->currentText(), "Sheet");
    p->BtnOK->click();
  }});
  ui.expectSaveFile(pdf);
  main()->BtnPrintBatch->click();
  PrinterChoice::selectNone();
  EXPECT_TRUE(QFile::exists(pdf));
  EXPECT_EQ(Settings().LabID, "Sheet");
}
