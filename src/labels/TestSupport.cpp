#include "labels/TestSupport.h"

#include <QComboBox>
#include <QPushButton>

#include "labels/CountBox.h"
#include "labels/LabelGen.h"
#include "labels/LabelMenus.h"
#include "labels/LabelStock.h"
#include "platform/DateBox.h"
#include "platform/PrinterChoice.h"
#include "printing/RptUtil.h"

LabelRecord SheetStock(const QString& name) {
  LabelRecord s;
  s.Name = name;
  s.TopM = 36;
  s.BottomM = 36;
  s.LeftM = 18;
  s.RightM = 18;
  s.Width = 189;
  s.Height = 72;
  s.HGap = 9;
  s.NAcross = 3;
  return s;
}

void LabelsTest::SetUp() {
  CustomersTest::SetUp();
  PrinterChoice::selectNone();
  resetReportForTests();
  labPrint = std::make_unique<TLabPrint>();
  dateSpan = std::make_unique<TDateSpan>();
  multGroup = std::make_unique<TMultGroup>();
  ui.onDialog<TLabPrint>([this](TLabPrint* p) {
    p->ComboBox1->setCurrentIndex(p->ComboBox1->findText(stock));
    p->ComboBox1Change();
    p->MaskEdit1->setNumber(column);
    p->MaskEdit2->setNumber(row);
    p->BtnOK->click();
  });
  ui.onDialog<TDateSpan>([this](TDateSpan* d) {
    if (!from.isValid()) return;  // left open: cancelled
    d->findChild<DateBox*>("MaskEdit1")->setDate(DateFromQDate(from));
    d->findChild<DateBox*>("MaskEdit2")->setDate(DateFromQDate(to));
    d->findChild<QPushButton*>("BtnOK")->click();
  });
}

void LabelsTest::TearDown() {
  multGroup.reset();
  dateSpan.reset();
  labPrint.reset();
  resetReportForTests();
  CustomersTest::TearDown();
}

long LabelsTest::addStock(const LabelRecord& s) {
  EXPECT_TRUE(OpenLABELS());
  LabelBuf = s;
  EXPECT_EQ(d4appendBlank(Labels.d), 0);
  WriteLabel();
  const long rec = d4recNo(Labels.d);
  CloseAll();
  return rec;
}

void LabelsTest::addPerson(long number, const QString& first, const QString& last,
                           const QString& zip, int group) {
  CustomerRecord c;
  c.cuno = number;
  c.first = first;
  c.last = last;
  c.zip = zip;
  c.ngroup = group;
  AppendCustomer(c);
}

void LabelsTest::addInvoice(long number, long customer, QDate date, double due) {
  InvoiceRecord inv;
  inv.IvNo = number;
  inv.CuNo = customer;
  inv.IDate = DateFromQDate(date);
  inv.Due = due;
  AppendInvoice(inv);
}

bool LabelsTest::print(int kind) { return PrintLabels(kind, canvas); }

bool LabelsTest::build(int kind, const QList<long>& customers, const QList<int>& groups) {
  LabelRequest request;
  request.kind = kind;
  EXPECT_TRUE(OpenLABELS());
  EXPECT_TRUE(FindStock(stock));
  CloseAll();
  request.stock = LabelBuf;
  request.column = column;
  request.row = row;
  request.from = DateFromQDate(from);
  request.to = DateFromQDate(to);
  request.customers = customers;
  request.groups = groups;
  return BuildLabels(request, canvas, ReportFont());
}

QStringList LabelsTest::drawn() const {
  QStringList out;
  for (const QString& line : canvas.log()) {
    if (line == "newPage") out << line;
    if (!line.startsWith("text ")) continue;
    const int space = int(line.indexOf(' ', 5));
    out << line.mid(space + 1) + " @" + line.mid(5, space - 5);
  }
  return out;
}
