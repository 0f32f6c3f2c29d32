// The six ways of selecting the customers to label, and the run from the
// print dialog to the end of the print job.
#include <QPageLayout>
#include <QPrinter>
#include <cmath>

#include "data/Progress.h"
#include "data/Settings.h"
#include "labels/BatchLabel.h"
#include "labels/LabPrintU.h"
#include "labels/LabelGen.h"
#include "platform/Clock.h"
#include "platform/PainterCanvas.h"
#include "platform/PdfBeside.h"
#include "platform/PickEdit.h"
#include "platform/PrinterChoice.h"
#include "platform/Ui.h"
#include "reports/DateSpanU.h"
#include "reports/MultGroupU.h"
#include "reports/RptUtil.h"

namespace {

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

// Hides the progress box when a kind ends, also one abandoned by an error.
struct ProgressShown {
  explicit ProgressShown(const QString& caption) { ShowProgress(true, caption); }
  ~ProgressShown() { ShowProgress(false); }
};

bool AskSpan() {
  ReportFrom = DateFromQDate(Clock::today());
  ReportTo = ReportFrom;
  return RunDateSpan();
}

void SelectedCustomers(LabelSheet& sheet, const QList<long>* given) {
  if (!OpenCUST5() || !OpenGROUPS()) return;
  if (given) {
    SelectTag(Cust5.d, "CCNO");
    for (long n : *given) {
      if (SeekCustomer(n)) Visit(sheet);
    }
    return;
  }
  SelectTag(Cust5.d, Settings().ByCust ? "cname" : "cComp");
  CurrentCustomerRec = FirstRecord(Cust5.d);
  while (PickCustomer(false).chosen) {
    d4go(Cust5.d, CurrentCustomerRec);
    Visit(sheet);
  }
}

void InvoicesDated(LabelSheet& sheet) {
  if (!AskSpan()) return;
  if (!OpenINV5() || !OpenCUST5()) return;
  SelectTag(Cust5.d, "CCNO");
  SelectTag(Inv5.d, "InvD");
  ProgressShown progress(QStringLiteral("Processing Invoice Labels"));
  const TDate from = ReportFrom;
  const TDate to = ReportTo;
  const int days = to - from + 1;
  DATA4* inv = Inv5.d;
  for (int rc = d4seek(inv, SeekKey(DateToStored(from)).constData());
       rc == r4success || rc == r4after; rc = d4skip(inv, 1)) {
    const TDate date = FieldDate(Inv5.IDate);
    if (date > to) break;
    if (SeekCustomerKey(FieldText(Inv5.CuNo))) Visit(sheet);
    SetProgress(int((date - from) * 100LL / days));
  }
  SetProgress(100);
}

void PastDueBilling(LabelSheet& sheet) {
  if (!AskSpan()) return;
  if (!OpenINV5() || !OpenCUST5()) return;
  SelectTag(Cust5.d, "CCNO");
  SelectTag(Inv5.d, "InvD");
  ProgressShown progress(QStringLiteral("Processing Billing Labels"));
  DATA4* inv = Inv5.d;
  const long count = d4recCountDo(inv);
  long done = 0;
  for (int rc = d4top(inv); rc == r4success; rc = d4skip(inv, 1)) {
    const TDate date = FieldDate(Inv5.IDate);
    if (date > ReportTo) break;
    if (date >= ReportFrom && f4double(Inv5.Due) != 0) {
      if (SeekCustomerKey(FieldText(Inv5.CuNo))) Visit(sheet);
    }
    ++done;
    SetProgress(int(done * 100 / count));
  }
}

// Whether customer n has an invoice of the span with an amount due.
bool HasBalanceInSpan(long n) {
  for (bool found = SeekNumber(Inv5.d, Inv5.CuNo, n); found;
       found = NextOfNumber(Inv5.d, Inv5.CuNo, n)) {
    const TDate date = FieldDate(Inv5.IDate);
    if (f4double(Inv5.Due) != 0 && date >= ReportFrom && date <= ReportTo) return true;
  }
  return false;
}

void BalanceDueStatement(LabelSheet& sheet) {
  if (!AskSpan()) return;
  if (!OpenCUST5() || !OpenINV5()) return;
  SelectTag(Cust5.d, "CZip");
  SelectTag(Inv5.d, "InvC");
  ProgressShown progress(QStringLiteral("Processing Statement Labels"));
  DATA4* cust = Cust5.d;
  const long count = d4recCountDo(cust);
  long done = 0;
  for (int rc = d4top(cust); rc == r4success; rc = d4skip(cust, 1)) {
    if (HasBalanceInSpan(f4long(Cust5.cuno))) Visit(sheet);
    ++done;
    SetProgress(int(done * 100 / count));
  }
}

void CustomerGroups(LabelSheet& sheet) {
  if (!OpenCUST5() || !OpenGROUPS()) return;
  SelectTag(Cust5.d, "CZip");
  if (!RunMultGroup()) return;
  ProgressShown progress(QStringLiteral("Processing Customers"));
  DATA4* cust = Cust5.d;
  const long count = d4recCountDo(cust);
  long done = 0;
  for (int rc = d4top(cust); rc == r4success; rc = d4skip(cust, 1)) {
    CurrentCustomerRec = int(d4recNo(cust));
    if (ChosenGroups.contains(int(f4long(Cust5.ngroup)))) Visit(sheet);
    ++done;
    SetProgress(int(done * 100 / count));
  }
}

void BatchLabels(LabelSheet& sheet) {
  if (!OpenCUST5()) return;
  SelectTag(Cust5.d, "CCNO");
  for (const QString& line : ReadBatchLabels()) {
    if (SeekCustomerKey(line)) Visit(sheet);
  }
}

void SelectAndVisit(int kind, LabelSheet& sheet, const QList<long>* customers) {
  switch (kind) {
    case kSelectedCustomers: SelectedCustomers(sheet, customers); break;
    case kInvoicesDated: InvoicesDated(sheet); break;
    case kPastDueBilling: PastDueBilling(sheet); break;
    case kBalanceDueStatement: BalanceDueStatement(sheet); break;
    case kCustomerGroups: CustomerGroups(sheet); break;
    case kBatchLabels: BatchLabels(sheet); break;
    default: break;
  }
}

// The print dialog on LABELS, checking the stock against canvas; false
// when there is no stock or the dialog was cancelled. LabelBuf then holds
// the stock.
bool ChooseStock(Canvas& canvas, int* column, int* row) {
  if (!OpenLABELS()) return false;
  if (d4recCountDo(Labels.d) == 0) {
    CloseAll();
    Ui::get().information(QStringLiteral(
        "Label Stock has not been defined. Choose Setup - Labels to define label stock."));
    return false;
  }
  const bool chosen = RunLabPrint(&canvas, column, row);
  CloseAll();
  return chosen;
}

// A PDF file has no unprintable border: its labels may use the whole sheet.
// The page layout the printer had is put back afterwards.
class WholeSheetOfPdf {
 public:
  explicit WholeSheetOfPdf(QPrinter* printer) : printer_(printer) {
    if (printer_->outputFormat() != QPrinter::PdfFormat) return;
    before_ = printer_->pageLayout();
    QPageLayout whole = before_;
    whole.setMinimumMargins(QMarginsF());
    whole.setMargins(QMarginsF());
    printer_->setPageLayout(whole);
    changed_ = true;
  }
  ~WholeSheetOfPdf() {
    if (changed_) printer_->setPageLayout(before_);
  }

 private:
  QPrinter* printer_;
  QPageLayout before_;
  bool changed_ = false;
};

}  // namespace

bool PrintLabels(int kind, Canvas& canvas, const QList<long>* customers) {
  TablesClosedAtEnd tables;
  int column = 1;
  int row = 1;
  if (!ChooseStock(canvas, &column, &row)) return false;
  LabelSheet sheet(LabelBuf, column, row, canvas, ReportFont());
  SelectAndVisit(kind, sheet, customers);
  return sheet.finish();
}

bool PrintLabels(int kind, const QList<long>* customers) {
  QPrinter* printer = PrinterChoice::printer();
  if (!printer) throw PrinterError("No printer is selected. Choose one with Printer Setup.");
  WholeSheetOfPdf whole(printer);
  PdfBeside pdf(printer);
  {
    // The job begins with the first row drawn; nothing collected, no job.
    PainterCanvas canvas(printer);
    if (!PrintLabels(kind, canvas, customers)) return false;
    canvas.end();
  }
  QString why;
  if (pdf.finish(&why) != PdfBeside::Result::Failed) return true;
  Ui::get().information(QStringLiteral("Unable to save to: ") + pdf.target() + " (" + why + ")");
  return false;
}

bool PrintBatchLabels() {
  if (BatchLabelPath().isEmpty()) {
    Ui::get().information(QStringLiteral("Unable to save to: ") + kBatchLabelFile);
    return false;
  }
  return PrintLabels(kBatchLabels);
}
