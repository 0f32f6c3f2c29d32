// The order import and the card export run from the invoice editor as the
// user runs them: Info and Order files in the import folders, the invoice
// saved, Batchin.dat written in the data folder.
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <functional>

#include "data/dbFiles.h"
#include "invoicing/TestSupport.h"

namespace {

const QString kAddAnother = QStringLiteral("Add another invoice?");

class OrderImportTest : public InvoicingTest {
 protected:
  void SetUp() override {
    InvoicingTest::SetUp();
    ASSERT_TRUE(QDir().mkpath(dir.filePath("info")) && QDir().mkpath(dir.filePath("order")));
    WriteImportDirs(dir.filePath("info"), dir.filePath("order"));
    AppendGroup({1, "Retail"});
    addProduct("TSHIRTL", 9, true);
    addProduct("MUG", 4);
    addInvoice(1, 7);  // so a save needs no first number
  }
  // An order "A17.txt" from Ann Lee, postal code 12345, tax 1.25 and
  // shipping 4.50, for the given Order lines.
  void writeOrder(const QByteArray& orderLines, const QString& last = "Lee") {
    QStringList f(32);
    f[4] = "Ms";
    f[5] = "Ann";
    f[6] = last;
    f[7] = "1 Road";
    f[10] = "Town";
    f[11] = "ST";
    f[12] = "12345";
    f[13] = "US";
    f[20] = "Leave at door";
    f[21] = "CREDIT";
    f[23] = "1234";
    f[24] = "9";
    f[25] = "04";
    f[30] = "1.25";
    f[31] = "4.50";
    writeFile("info/A17.txt", ('"' + f.join("\",\"") + "\"\r\n").toUtf8());
    writeFile("order/A17.txt", orderLines);
  }
  void writeFile(const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  static void addZipCustomer(long number, const QString& first, const QString& zip) {
    CustomerRecord c;
    c.cuno = number;
    c.last = "Lee";
    c.first = first;
    c.zip = zip;
    c.ngroup = 1;
    AppendCustomer(c);
  }
  static QStringList customerNumbers() {
    return StoredLines(OpenCUST5, &Cust5.d, [] {
      ReadCustomer();
      return QString("%1 %2 g%3").arg(CustBuf.cuno).arg(CustBuf.first.trimmed()).arg(CustBuf.ngroup);
    });
  }
  // Imports A17.txt into a new invoice (with the prompts the import is to
  // show), runs after, then saves when asked.
  void importInEditor(const std::function<void(TInvoice*)>& after, bool save = false,
                      const std::function<void()>& prompts = {}) {
    steps<TPickInv>({pressNew<TPickInv>, pressCancel<TPickInv>});
    steps<TInvoice>({[this, after, save, prompts](TInvoice* inv) {
      ui.expectOpenFile(dir.filePath("info/A17.txt"));
      if (prompts) prompts();
      inv->BtnImport->click();
      after(inv);
      if (!save) return;
      ui.expectConfirm(kAddAnother, false);
      inv->BtnSave->click();
    }});
    editInvoices();
  }
};

TEST_F(OrderImportTest, OrderForAKnownCustomerFindsProductsByCodeAndOption) {
  addZipCustomer(7, "Ann", "12345");
  addZipCustomer(8, "ANN ", "12345 ");  // the same person, written differently
  writeOrder("1,TSHIRT,Shirt,12.50,2,,,L\r\n2,CUP,Cup,3,1,,,\r\n");
  importInEditor([](TInvoice* inv) {
    EXPECT_EQ(gridColumn(inv->StringGrid1, 0).mid(0, 2), QStringList({"TSHIRTL", "CUP"}));
    EXPECT_EQ(inv->Edit3->text(), "1234 x9/04");
    EXPECT_EQ(shown(inv->MaskEdit3), "4.50") << "the charge lines are not computed again";
    EXPECT_EQ(shown(inv->MaskEdit4), "1.25");
    EXPECT_TRUE(inv->Memo2->toPlainText().startsWith("Leave at door\nA17.txt"));
    EXPECT_EQ(CurrentInvoice.CuNo, 7);
  }, true, [this] {
    ui.expectMessage(Ui::Kind::Warning, "Item CUP - CupNOT FOUND IN PRODUCT DATABASE");
    ui.expectMessage(Ui::Kind::Warning, "Multiple Matches on Name / Zip");
  });
  EXPECT_EQ(invoices(), QStringList({"1 c7 0.00/0.00/0.00", "2 c7 4.50/1.25/33.75"}));
  EXPECT_EQ(items(), QStringList({"2 TSHIRTL 2.00x12.50 t2", "2 CUP 1.00x3.00 t2"}));
  EXPECT_EQ(customerNumbers(), QStringList({"7 Ann g1", "8 ANN g1"}));
}

TEST_F(OrderImportTest, NewCustomerIsMadeOnlyInAPickedGroup) {
  writeOrder("1,MUG,Mug,4,1,,,\r\n");
  steps<TPickGroup>({[](TPickGroup* p) { p->BtnCancel->click(); }});
  importInEditor([](TInvoice* inv) {
    EXPECT_EQ(CurrentInvoice.CuNo, 0);
    EXPECT_TRUE(inv->Memo1->toPlainText().isEmpty());
  });
  EXPECT_EQ(customerNumbers(), QStringList());

  steps<TPickGroup>({[](TPickGroup* p) {
    p->ListBox1->setCurrentRow(0);
    p->BtnSelect->click();
  }});
  importInEditor([](TInvoice* inv) {
    EXPECT_EQ(CurrentInvoice.CuNo, 1);
    EXPECT_TRUE(inv->Memo1->toPlainText().contains("Town, ST"));
  });
  EXPECT_EQ(customerNumbers(), QStringList({"1 Ann g1"}));
}

TEST_F(OrderImportTest, ImportOverAnExistingInvoiceSavesANewOne) {
  addZipCustomer(7, "Ann", "12345");
  addItem(1, "OLD");
  writeOrder("1,MUG,Mug,4,1,,,\r\n");
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TInvoice>({[this](TInvoice* inv) {
    ui.expectOpenFile(dir.filePath("info/A17.txt"));
    inv->BtnImport->click();
    ui.expectConfirm(kAddAnother, false);
    inv->BtnSave->click();
  }});
  editInvoices();
  EXPECT_EQ(invoices(), QStringList({"1 c7 0.00/0.00/0.00", "2 c7 4.50/1.25/9.75"}));
  EXPECT_EQ(items(), QStringList({"1 OLD 1.00x10.00", "2 MUG 1.00x4.00 t2"}));
}

TEST_F(OrderImportTest, MalformedOrderStopsWithOneMessageAndMakesNoCustomer) {
  writeOrder("1,MUG,Mug,4,1,,,\r\n2,MUG,Mug,four,1,,,\r\n");
  importInEditor([](TInvoice* inv) { EXPECT_EQ(gridColumn(inv->StringGrid1, 0)[0], ""); }, false,
                 [this] {
                   ui.expectMessage(Ui::Kind::Error,
                                    "A17.txt, line 2, field 3: 'four' is not a number.");
                 });
  EXPECT_EQ(customerNumbers(), QStringList());
  EXPECT_EQ(invoices(), QStringList({"1 c7 0.00/0.00/0.00"}));
}

TEST_F(OrderImportTest, CardExportAppendsOrRewritesBatchin) {
  addZipCustomer(7, "Ann", "12345");
  steps<TPickInv>({chooseRow<TPickInv>(1), chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TInvoice>({[this](TInvoice* inv) {
                     inv->Edit3->setText("1234 x0904");
                     ui.expectMessage(Ui::Kind::Information,
                                      "Improperly Formatted Credit Card Information");
                     inv->BtnExport->click();
                     EXPECT_FALSE(QFile::exists("Batchin.dat"));
                     inv->Edit3->setText("1234 x9/04");
                     inv->BtnExport->click();
                     inv->Edit3->setText("1234 x9/05");
                     ui.expectConfirm("APPEND RECORD TO FILE? Batchin.dat", true);
                     inv->BtnExport->click();
                     inv->BtnCancel->click();
                   },
                   [this](TInvoice* inv) {
                     inv->Edit3->setText("55 x12/27");
                     ui.expectConfirm("APPEND RECORD TO FILE? Batchin.dat", false);
                     inv->BtnExport->click();
                     inv->BtnCancel->click();
                   }});
  QFile batch("Batchin.dat");
  editInvoices();
  ASSERT_TRUE(batch.open(QIODevice::ReadOnly));
  const QString empty16 = QString(",\"\"").repeated(16);
  EXPECT_EQ(QString(batch.readAll()), "\"C1\",\"\",\"\",\"55\",\"2712\",\"0.00\"" + empty16 + "\r\n");
  EXPECT_EQ(batch.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), 0)
      << "card numbers: only the owner may read the file";
}

TEST_F(OrderImportTest, TheSameChargeExportedAgainIsAddedOnlyWhenConfirmed) {
  addZipCustomer(7, "Ann", "12345");
  const QString twice = QStringLiteral(
      "Batchin.dat already holds this charge; the card would be charged twice. Add it again?");
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TInvoice>({[&](TInvoice* inv) {
    inv->Edit3->setText("4111111111111111 x9/28");
    inv->BtnExport->click();
    ui.expectConfirm("APPEND RECORD TO FILE? Batchin.dat", true);
    ui.expectConfirm(twice, false);
    inv->BtnExport->click();
    ui.expectConfirm("APPEND RECORD TO FILE? Batchin.dat", true);
    ui.expectConfirm(twice, true);
    inv->BtnExport->click();
    inv->BtnCancel->click();
  }});
  editInvoices();
  EXPECT_EQ(ui.destructiveConfirmations(), QStringList({twice, twice})) << "No is the default";
  QFile batch("Batchin.dat");
  ASSERT_TRUE(batch.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = batch.readAll().split('\n');
  ASSERT_EQ(lines.size(), 3) << "two records and the end";
  EXPECT_EQ(lines[0], lines[1]);
  EXPECT_TRUE(lines[0].contains("\"4111111111111111\"")) << "the export keeps the whole number";
}

}  // namespace
