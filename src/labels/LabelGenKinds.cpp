// The six ways of selecting the customers to label.
#include <QCoreApplication>
#include <QPrinter>

#include "data/Progress.h"
#include "labels/BatchLabel.h"
#include "labels/LabelGen.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(LabelGenKinds)
};

// Labels the current CUST5 record.
void Visit(LabelSheet& sheet) {
  ReadCustomer();
  BuildCustomerAddress();
  sheet.add(CustomerAddress);
}

// Seeks customer number n on the customer-number tag; true when found.
bool SeekCustomer(long n) { return d4seek(Cust5.d, NumberTagKey(n).constData()) == r4success; }

bool SeekCustomerKey(const QString& key) {
  return d4seek(Cust5.d, SeekKey(key).constData()) == r4success;
}

void SelectTag(DATA4* d, const char* tag) { d4tagSelect(d, d4tag(d, tag)); }

// The progress box over a walk of count records, advanced after each.
class CountedProgress {
 public:
  CountedProgress(const QString& caption, long count) : shown_(caption), count_(count) {}
  void recordDone() { SetProgress(int(++done_ * 100 / count_)); }

 private:
  ProgressShown shown_;
  long count_;
  long done_ = 0;
};

void SelectedCustomers(const LabelRequest& r, LabelSheet& sheet) {
  if (!OpenCUST5() || !OpenGROUPS()) return;
  SelectTag(Cust5.d, "CCNO");
  for (long n : r.customers) {
    if (SeekCustomer(n)) Visit(sheet);
  }
}

void InvoicesDated(const LabelRequest& r, LabelSheet& sheet) {
  if (!OpenINV5() || !OpenCUST5()) return;
  SelectTag(Cust5.d, "CCNO");
  SelectTag(Inv5.d, "InvD");
  ProgressShown progress(Tr::tr("Processing Invoice Labels"));
  const int days = r.to - r.from + 1;
  DATA4* inv = Inv5.d;
  for (int rc = d4seek(inv, DateKey(r.from).constData()); rc == r4success || rc == r4after;
       rc = d4skip(inv, 1)) {
    const TDate date = FieldDate(Inv5.IDate);
    if (date > r.to) break;
    if (SeekCustomerKey(FieldText(Inv5.CuNo))) Visit(sheet);
    SetProgress(int((date - r.from) * 100LL / days));
  }
  SetProgress(100);
}

void PastDueBilling(const LabelRequest& r, LabelSheet& sheet) {
  if (!OpenINV5() || !OpenCUST5()) return;
  SelectTag(Cust5.d, "CCNO");
  SelectTag(Inv5.d, "InvD");
  DATA4* inv = Inv5.d;
  CountedProgress progress(Tr::tr("Processing Billing Labels"), d4recCountDo(inv));
  for (int rc = d4top(inv); rc == r4success; rc = d4skip(inv, 1)) {
    const TDate date = FieldDate(Inv5.IDate);
    if (date > r.to) break;
    if (date >= r.from && f4double(Inv5.Due) != 0) {
      if (SeekCustomerKey(FieldText(Inv5.CuNo))) Visit(sheet);
    }
    progress.recordDone();
  }
}

// Whether customer n has an invoice of the span with an amount due.
bool HasBalanceInSpan(long n, TDate from, TDate to) {
  for (bool found = SeekNumber(Inv5.d, Inv5.CuNo, n); found;
       found = NextOfNumber(Inv5.d, Inv5.CuNo, n)) {
    const TDate date = FieldDate(Inv5.IDate);
    if (f4double(Inv5.Due) != 0 && date >= from && date <= to) return true;
  }
  return false;
}

void BalanceDueStatement(const LabelRequest& r, LabelSheet& sheet) {
  if (!OpenCUST5() || !OpenINV5()) return;
  SelectTag(Cust5.d, "CZip");
  SelectTag(Inv5.d, "InvC");
  DATA4* cust = Cust5.d;
  CountedProgress progress(Tr::tr("Processing Statement Labels"), d4recCountDo(cust));
  for (int rc = d4top(cust); rc == r4success; rc = d4skip(cust, 1)) {
    if (HasBalanceInSpan(f4long(Cust5.cuno), r.from, r.to)) Visit(sheet);
    progress.recordDone();
  }
}

void CustomerGroups(const LabelRequest& r, LabelSheet& sheet) {
  if (r.groups.isEmpty() || !OpenCUST5() || !OpenGROUPS()) return;
  SelectTag(Cust5.d, "CZip");
  DATA4* cust = Cust5.d;
  CountedProgress progress(Tr::tr("Processing Customers"), d4recCountDo(cust));
  for (int rc = d4top(cust); rc == r4success; rc = d4skip(cust, 1)) {
    CurrentCustomerRec = int(d4recNo(cust));
    if (r.groups.contains(int(f4long(Cust5.ngroup)))) Visit(sheet);
    progress.recordDone();
  }
}

void BatchLabels(LabelSheet& sheet) {
  if (!OpenCUST5()) return;
  SelectTag(Cust5.d, "CCNO");
  for (const QString& line : ReadBatchLabels()) {
    if (SeekCustomerKey(line)) Visit(sheet);
  }
}

}  // namespace

bool BuildLabels(const LabelRequest& request, Canvas& canvas, const QFont& font) {
  TablesClosedAtEnd tables;
  LabelSheet sheet(request.stock, request.column, request.row, canvas, font);
  switch (request.kind) {
    case kSelectedCustomers: SelectedCustomers(request, sheet); break;
    case kInvoicesDated: InvoicesDated(request, sheet); break;
    case kPastDueBilling: PastDueBilling(request, sheet); break;
    case kBalanceDueStatement: BalanceDueStatement(request, sheet); break;
    case kCustomerGroups: CustomerGroups(request, sheet); break;
    case kBatchLabels: BatchLabels(sheet); break;
    default: break;
  }
  return sheet.finish();
}

WholeSheetOfPdf::WholeSheetOfPdf(QPrinter* printer) : printer_(printer) {
  if (printer_->outputFormat() != QPrinter::PdfFormat) return;
  before_ = printer_->pageLayout();
  QPageLayout whole = before_;
  whole.setMinimumMargins(QMarginsF());
  whole.setMargins(QMarginsF());
  printer_->setPageLayout(whole);
  changed_ = true;
}

WholeSheetOfPdf::~WholeSheetOfPdf() {
  if (changed_) printer_->setPageLayout(before_);
}
