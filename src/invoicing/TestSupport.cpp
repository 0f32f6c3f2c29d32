#include "invoicing/TestSupport.h"

#include <QDir>

#include "data/Settings.h"
#include "data/dbFiles.h"
#include "picklists/PickEdit.h"
#include "platform/PrinterChoice.h"

void InvoicingTest::SetUp() {
  CustomersTest::SetUp();
  ReadSettings();
  PrinterChoice::selectNone();
  previousDir = QDir::currentPath();
  QDir::setCurrent(dir.path());
  pickProd = std::make_unique<TPickProd>();
  prodDef = std::make_unique<TProdDef>();
  pickInv = std::make_unique<TPickInv>();
  invoice = std::make_unique<TInvoice>();
  itemDef = std::make_unique<TItemDef>();
  pmtDef = std::make_unique<TPmtDef>();
  pickPmt = std::make_unique<TPickPmt>();
  reportF = std::make_unique<TReportF>();
  RegisterPickEdit(PickTable::Product, pickProd.get(), prodDef.get());
  RegisterPickEdit(PickTable::Invoice, pickInv.get(), invoice.get());
  invoice->useWindows(customer.get(), itemDef.get(), pmtDef.get(), pickPmt.get());
  pickPmt->usePaymentDialog(pmtDef.get());
}

void InvoicingTest::TearDown() {
  resetPickEditForTests();
  reportF.reset();
  pickPmt.reset();
  pmtDef.reset();
  itemDef.reset();
  invoice.reset();
  pickInv.reset();
  prodDef.reset();
  pickProd.reset();
  QDir::setCurrent(previousDir);
  CustomersTest::TearDown();
}

void InvoicingTest::editInvoices() {
  for (bool (*open)() : {OpenCUST5, OpenGROUPS, OpenINV5, OpenITM5, OpenPMT, OpenProd5})
    ASSERT_TRUE(open());
  CurrentInvoiceRec = LastRecord(Inv5.d);
  EditLoop(PickTable::Invoice);
  CloseAll();
}

void InvoiceTables::addCustomer(long number, const QString& last, const QString& first) {
  CustomerRecord c;
  c.cuno = number;
  c.last = last;
  c.first = first;
  c.ngroup = 1;
  c.note = "old note";
  AppendCustomer(c);
}

void InvoiceTables::addProduct(const QString& code, double price, bool tax2) {
  ProductRecord p;
  p.PrID = code;
  p.PDesc = "Product " + code;
  p.UPrice = price;
  p.LTax2 = tax2;
  p.PMemo = "text of " + code;
  AppendProduct(p);
}

void InvoiceTables::addInvoice(long number, long customer, const QString& note) {
  InvoiceRecord i;
  i.IvNo = number;
  i.CuNo = customer;
  i.IDate = DateFromQDate(QDate(2026, 3, 1));
  i.IMemo = note;
  AppendInvoice(i);
}

void InvoiceTables::addItem(long invoice, const QString& code, double qty, double price) {
  ItemRecord i;
  i.IvNo = invoice;
  i.PrID = code;
  i.Qty = qty;
  i.UPR = price;
  i.PDesc = "Item " + code;
  AppendItem(i);
}

void InvoiceTables::addPayment(long invoice, double amount) {
  PaymentRecord p;
  p.IvNo = invoice;
  p.PDate = DateFromQDate(QDate(2026, 3, 2));
  p.PAmt = amount;
  AppendPayment(p);
}

QStringList InvoiceTables::invoices() {
  return StoredLines(OpenINV5, &Inv5.d, [] {
    ReadInvoice();
    return QString("%1 c%2 %3/%4/%5").arg(CurrentInvoice.IvNo).arg(CurrentInvoice.CuNo)
        .arg(CurrentInvoice.Ship, 0, 'f', 2).arg(CurrentInvoice.Tax, 0, 'f', 2)
        .arg(CurrentInvoice.Due, 0, 'f', 2);
  });
}

QStringList InvoiceTables::items() {
  return StoredLines(OpenITM5, &Itm5.d, [] {
    ReadItem();
    return QString("%1 %2 %3x%4%5").arg(ItemBuf.IvNo).arg(ItemBuf.PrID.trimmed())
        .arg(ItemBuf.Qty, 0, 'f', 2).arg(ItemBuf.UPR, 0, 'f', 2)
        .arg(ItemBuf.LTax2 ? " t2" : "");
  });
}

QStringList InvoiceTables::payments() {
  return StoredLines(OpenPMT, &Pmt.d, [] {
    ReadPayment();
    return QString("%1 %2 %3").arg(PmtBuf.IvNo).arg(DateToStored(PmtBuf.PDate))
        .arg(PmtBuf.PAmt, 0, 'f', 2);
  });
}

QStringList InvoicingTest::gridColumn(const QTableWidget* grid, int column) {
  QStringList texts;
  for (int r = 0; r < grid->rowCount(); ++r) {
    const QTableWidgetItem* item = grid->item(r, column);
    texts << (item ? item->text().trimmed() : QString());
  }
  return texts;
}

QString InvoicingTest::shown(const AmountBox* box) { return box->text().trimmed(); }
