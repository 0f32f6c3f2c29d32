// The six kinds of labels over real tables, drawn on the recording canvas:
// which customers get a label, in which order, and what stops a run.
#include <QFile>
#include <QListWidget>
#include <QPushButton>

#include "data/Progress.h"
#include "data/Settings.h"
#include "labels/BatchLabel.h"
#include "labels/LabelGen.h"
#include "labels/LabelMenus.h"
#include "labels/TestSupport.h"

namespace {

const QString kAbel = QStringLiteral("Ann Abel  30000");
const QString kBaker = QStringLiteral("Bob Baker  10000");
const QString kCole = QStringLiteral("Cy Cole  20000");

class LabelKindsTest : public LabelsTest {
 protected:
  void SetUp() override {
    LabelsTest::SetUp();
    addStock(SheetStock());
    ASSERT_TRUE(OpenGROUPS());
    addGroup(1, "Retail");
    addGroup(2, "Wholesale");
    CloseAll();
    addPerson(1, "Ann", "Abel", "30000", 1);
    addPerson(2, "Bob", "Baker", "10000", 2);
    addPerson(3, "Cy", "Cole", "20000", 1);
    addInvoice(101, 2, QDate(2026, 3, 10), 0);
    addInvoice(102, 1, QDate(2026, 3, 12), 5);
    addInvoice(103, 99, QDate(2026, 3, 12), 1);  // a customer no longer on file
    addInvoice(104, 3, QDate(2026, 2, 1), 7);    // before the span
    addInvoice(105, 1, QDate(2026, 3, 14), 3);
    from = QDate(2026, 3, 1);
    to = QDate(2026, 3, 15);
  }

  // The labels' texts without their positions.
  QStringList labels() const {
    QStringList out;
    for (const QString& d : drawn()) out << d.left(d.indexOf(" @"));
    return out;
  }

  void writeBatchFile(const QByteArray& bytes) {
    QFile f(path("BatchLab.dat"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
};

}  // namespace

TEST_F(LabelKindsTest, InvoicesDatedLabelEachInvoiceOfTheSpanInDateOrder) {
  RecordingProgress progress;
  SetProgressSink(&progress);
  EXPECT_TRUE(print(kInvoicesDated));
  SetProgressSink(nullptr);
  EXPECT_EQ(labels(), QStringList({kBaker, kAbel, kAbel}));
  EXPECT_EQ(drawn().first(), kBaker + " @50,100");
  EXPECT_EQ(progress.calls.first(), "show:Processing Invoice Labels");
  EXPECT_EQ(progress.calls.mid(progress.calls.size() - 2), QStringList({"100", "hide"}));
  EXPECT_EQ(Settings().LabID, "Sheet");  // the stock used is remembered
}

TEST_F(LabelKindsTest, PastDueBillingLabelsOnlyInvoicesWithAnAmountDue) {
  EXPECT_TRUE(build(kPastDueBilling));
  EXPECT_EQ(labels(), QStringList({kAbel, kAbel}));
}

TEST_F(LabelKindsTest, BalanceDueStatementLabelsEachCustomerOnceInPostalCodeOrder) {
  addInvoice(106, 2, QDate(2026, 3, 2), 4);
  EXPECT_TRUE(build(kBalanceDueStatement));
  EXPECT_EQ(labels(), QStringList({kBaker, kAbel}));
}

TEST_F(LabelKindsTest, CustomerGroupsLabelTheMembersInPostalCodeOrder) {
  EXPECT_TRUE(build(kCustomerGroups, {}, {1}));
  EXPECT_EQ(labels(), QStringList({kCole, kAbel}));
}

TEST_F(LabelKindsTest, GroupsChosenInThePickerAreTheGroupsLabelled) {
  ui.onDialog<TMultGroup>([](TMultGroup* g) {
    auto* list = g->findChild<QListWidget*>("ListBox1");
    list->item(1)->setSelected(true);  // " 2 - Wholesale"
    g->findChild<QPushButton*>("BtnRun")->click();
  });
  EXPECT_TRUE(print(kCustomerGroups));
  EXPECT_EQ(labels(), QStringList({kBaker}));
}

TEST_F(LabelKindsTest, GroupPickerCancelledPrintsNothing) {
  ui.onDialog<TMultGroup>([](TMultGroup* g) { g->findChild<QPushButton*>("BtnCancel")->click(); });
  EXPECT_FALSE(print(kCustomerGroups));
  EXPECT_TRUE(drawn().isEmpty());
}

TEST_F(LabelKindsTest, BatchFileGivesALabelPerLineAndSkipsUnknownNumbers) {
  writeBatchFile("     2\r\n     2\r\n    99\r\n     1\r\n");
  EXPECT_TRUE(build(kBatchLabels));
  EXPECT_EQ(labels(), QStringList({kBaker, kBaker, kAbel}));
  EXPECT_EQ(ReadBatchLabels().size(), 4);  // printing leaves the file alone
}

TEST_F(LabelKindsTest, GivenCustomersAreLabelledInTheirOrder) {
  column = 3;
  EXPECT_TRUE(build(kSelectedCustomers, {3, 42, 1}));
  EXPECT_EQ(drawn(), QStringList({kCole + " @1150,100", kAbel + " @50,300"}));
}

TEST_F(LabelKindsTest, PickListCancelledAtOncePrintsNothing) {
  ui.onDialog<TPickCust>([](TPickCust* p) { p->BtnCancel->click(); });
  EXPECT_FALSE(print(kSelectedCustomers));
  EXPECT_TRUE(drawn().isEmpty());
}

TEST_F(LabelKindsTest, SpanWithoutInvoicesStartsNoPrintJob) {
  from = to = QDate(2026, 1, 5);
  EXPECT_FALSE(build(kInvoicesDated));
  EXPECT_TRUE(drawn().isEmpty());
}

TEST_F(LabelKindsTest, CancelledSpanPrintsNothing) {
  from = QDate();
  EXPECT_FALSE(print(kPastDueBilling));
  EXPECT_TRUE(drawn().isEmpty());
}

TEST_F(LabelKindsTest, StockThatCannotPrintIsRefusedInThePrintDialog) {
  LabelRecord bad = SheetStock("Bad");
  bad.NAcross = 0;
  addStock(bad);
  stock = "Bad";
  ui.expectMessage(Ui::Kind::Information, "Label stock Bad has no labels across; at least 1 is needed.");
  EXPECT_FALSE(print(kInvoicesDated));
  EXPECT_TRUE(drawn().isEmpty());
  EXPECT_EQ(Settings().LabID, "");
}

using LabelsWithoutStockTest = LabelsTest;

TEST_F(LabelsWithoutStockTest, NoStockSaysHowToDefineIt) {
  ui.expectMessage(Ui::Kind::Information,
                   "Label Stock has not been defined. Choose Setup - Labels to define label stock.");
  EXPECT_FALSE(print(kInvoicesDated));
}

// ---- The batch label file ------------------------------------------------------

TEST_F(LabelKindsTest, BatchLabelAppendsOrStartsAfreshAsAnswered) {
  ui.expectMessage(Ui::Kind::Information, "Customer Not Selected");
  AddBatchLabel(0);
  EXPECT_TRUE(BatchLabelPath().isEmpty());

  AddBatchLabel(7);  // no file yet: created without asking
  ui.expectConfirm(Ui::Buttons::YesNo, "APPEND ADDRESS TO FILE? BatchLab.dat", true);
  AddBatchLabel(12);
  QFile f(path("BatchLab.dat"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("     7\r\n    12\r\n"));
  f.close();

  ui.expectConfirm(Ui::Buttons::YesNo, "APPEND ADDRESS TO FILE? BatchLab.dat", false);
  AddBatchLabel(3);
  EXPECT_EQ(ReadBatchLabels(), QStringList({"     3"}));
}

TEST_F(LabelKindsTest, BatchLabelFileIsFoundWhateverItsCase) {
  QFile f(path("BATCHLAB.DAT"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("     3\r\n");
  f.close();
  EXPECT_TRUE(print(kBatchLabels));
  EXPECT_EQ(labels(), QStringList({kCole}));
}

TEST_F(LabelKindsTest, PrintBatchLabelsWithoutTheFileSaysSo) {
  ui.expectMessage(Ui::Kind::Information, "Unable to save to: BatchLab.dat");
  PrintBatchLabels();
}
