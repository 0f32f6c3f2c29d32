// The File Maintenance commands, the preferences and closing, run through
// the main window's controls.
#include <QApplication>
#include <QFontDialog>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include "data/CodeBase.h"
#include "data/Schema.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "printing/RptUtil.h"
#include "shell/TestSupport.h"

namespace {

long Count(const char* table) {
  DATA4* d = d4open(cb, table);
  const long n = d4recCountDo(d);
  d4close(d);
  return n;
}

void AddCustomer(const QString& last, bool deleted = false) {
  ASSERT_TRUE(OpenCUST5());
  d4appendBlank(Cust5.d);
  CustBuf = {};
  CustBuf.last = last;
  WriteCustomer();
  if (deleted) d4delete(Cust5.d);
  CloseAll();
}

void AddPayment(bool deleted) {
  ASSERT_TRUE(OpenPMT());
  d4appendBlank(Pmt.d);
  PmtBuf = {1, 46000, 10.5};
  WritePayment();
  if (deleted) d4delete(Pmt.d);
  CloseAll();
}

SettingsRecord StoredSettings() {
  resetSettingsForTests();
  ReadSettings();
  return Settings();
}

class MaintenanceTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    start();
  }
};

TEST_F(MaintenanceTest, ReindexRewritesEveryIndexFileAndShowsItsProgress) {
  ageFiles();
  main()->BtnIndex->click();
  QStringList indexFiles;
  for (const TableDef* t : AllTables()) indexFiles << t->indexFiles();
  QStringList got = rewritten();
  indexFiles.sort(Qt::CaseInsensitive);
  got.sort(Qt::CaseInsensitive);
  EXPECT_EQ(got, indexFiles) << "tables untouched, every tag file written";
  EXPECT_EQ(progress.join(","), "0,show:Rebuilding Indexes,5,25,30,35,40,60,80,100,0,hide");
  EXPECT_EQ(main()->StatusBar1->currentMessage(),
            "Reindex: the index files of every table were rebuilt.");
}

TEST_F(MaintenanceTest, PackRemovesDeletedRecordsOfEveryTable) {
  AddCustomer("Keep");
  AddCustomer("Gone", true);
  AddPayment(true);
  DeletionsPending = true;
  main()->BtnPack->click();
  EXPECT_EQ(Count("CUST5"), 1);
  EXPECT_EQ(Count("PMT"), 0);
  EXPECT_FALSE(DeletionsPending);
  EXPECT_EQ(progress.join(","), "0,show:Packing Data Files,10,30,35,50,70,75,85,100,0,hide");
  EXPECT_EQ(main()->StatusBar1->currentMessage(),
            "Pack: the deleted records of every table were removed.");
}

TEST_F(MaintenanceTest, EraseKeepsLabelStockAndSettingsAndCancelKeepsAll) {
  AddCustomer("Someone");
  AddPayment(false);
  ASSERT_TRUE(OpenLABELS());
  d4appendBlank(Labels.d);
  LabelBuf = {};
  LabelBuf.Name = "Avery 5160";
  WriteLabel();
  CloseAll();

  const auto before = files();
  ui.expectConfirm("WARNING: You are about to erase all of your existing data.", false);
  main()->BtnErase->click();
  EXPECT_EQ(files(), before);
  EXPECT_TRUE(progress.isEmpty());
  EXPECT_EQ(ui.destructiveConfirmations(),
            QStringList({"WARNING: You are about to erase all of your existing data."}))
      << "Enter alone does not erase";

  ui.expectConfirm("WARNING: You are about to erase all of your existing data.", true);
  main()->BtnErase->click();
  EXPECT_EQ(Count("CUST5"), 0);
  EXPECT_EQ(Count("PMT"), 0);
  EXPECT_EQ(Count("LABELS"), 1);
  EXPECT_EQ(files()["KEX1.DBF"], before["KEX1.DBF"]);
  EXPECT_EQ(progress.join(","),
            "0,show:Erasing Data Files,5,15,30,40,50,60,70,85,90,95,100,0,hide");
}

TEST_F(MaintenanceTest, PendingDeletionsArePackedWhenTheWindowCloses) {
  AddCustomer("Gone", true);
  DeletionsPending = true;
  main()->close();
  EXPECT_EQ(cb, nullptr) << "the engine has ended";
  StartEngine();
  EXPECT_EQ(Count("CUST5"), 0);
}

using PreferencesTest = MaintenanceTest;

TEST_F(PreferencesTest, ReportFontIsChosenShownAndStored) {
  ui.onDialog<QFontDialog>([](QFontDialog* d) {
    d->setCurrentFont(QFont("DejaVu Serif", 15));
    d->accept();
  });
  main()->BtnFont->click();
  EXPECT_EQ(main()->Edit1->text(), "DejaVu Serif@15");
  EXPECT_EQ(ReportFont().family(), "DejaVu Serif");
  EXPECT_EQ(StoredSettings().FontName.trimmed(), "DejaVu Serif");
  EXPECT_EQ(Settings().FontSize, 15);

  ui.onDialog<QFontDialog>([](QFontDialog* d) {
    d->setCurrentFont(QFont("DejaVu Sans Mono", 30));
    d->reject();
  });
  main()->BtnFont->click();
  EXPECT_EQ(main()->Edit1->text(), "DejaVu Serif@15") << "Cancel keeps the font";
  EXPECT_EQ(StoredSettings().FontSize, 15);
}

TEST_F(PreferencesTest, SortAndInventoryChoicesAreStoredWhenTheFocusLeavesTheirBox) {
  main()->PageControl1->setCurrentWidget(main()->TabSheet5);
  main()->activateWindow();
  QApplication::setActiveWindow(main());
  main()->RadioButton2->setFocus();
  main()->RadioButton2->click();
  main()->RadioButton1->setFocus();  // still inside the box
  main()->RadioButton2->click();
  EXPECT_TRUE(StoredSettings().ByCust) << "nothing written while the focus stays in the box";
  main()->RadioButton4->setFocus();
  main()->RadioButton4->click();
  EXPECT_FALSE(StoredSettings().ByCust);
  EXPECT_TRUE(Settings().fifo);
  main()->Edit1->setFocus();
  EXPECT_FALSE(StoredSettings().fifo);
}

TEST_F(PreferencesTest, ChoiceMadeJustBeforeClosingIsNotLost) {
  main()->RadioButton4->click();  // the focus never left the box
  main()->close();
  StartEngine();
  EXPECT_FALSE(StoredSettings().fifo);
}

TEST_F(PreferencesTest, PrinterSetupShowsTheChosenPrinter) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "printers installed";
  ui.expectSaveFile(dir.filePath("proofs.pdf"));
  main()->BtnPSetup->click();
  EXPECT_EQ(main()->Edit2->text(), "proofs.pdf-Portrait");
}

}  // namespace
