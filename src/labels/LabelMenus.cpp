#include "labels/LabelMenus.h"

#include <QCoreApplication>
#include <QPrinter>

#include "data/Settings.h"
#include "data/dbFiles.h"
#include "labels/BatchLabel.h"
#include "labels/LabPrintU.h"
#include "labels/LabelGen.h"
#include "picklists/PickEdit.h"
#include "platform/Clock.h"
#include "platform/PainterCanvas.h"
#include "platform/PdfBeside.h"
#include "platform/PrinterChoice.h"
#include "platform/Ui.h"
#include "printing/DateSpanU.h"
#include "printing/MultGroupU.h"
#include "printing/RptUtil.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(LabelMenus)
};

// The print dialog on LABELS, checking the stock against canvas: the stock
// and the starting place into request; false when there is no stock or the
// dialog was cancelled.
bool ChooseStock(Canvas& canvas, LabelRequest* request) {
  TablesClosedAtEnd tables;
  if (!OpenLABELS()) return false;
  if (d4recCountDo(Labels.d) == 0) {
    CloseAll();
    Ui::get().information(
        Tr::tr("Label Stock has not been defined. Choose Setup - Labels to define label stock."));
    return false;
  }
  if (!RunLabPrint(&canvas, &request->column, &request->row)) return false;
  request->stock = LabelBuf;
  return true;
}

// The span of the date span picker (today proposed); false when cancelled.
bool AskSpan(LabelRequest* request) {
  ReportFrom = DateFromQDate(Clock::today());
  ReportTo = ReportFrom;
  if (!RunDateSpan()) return false;
  request->from = ReportFrom;
  request->to = ReportTo;
  return true;
}

// The selection of the kind; false when the person cancelled it.
bool AskSelection(LabelRequest* request) {
  switch (request->kind) {
    case kSelectedCustomers: {
      TablesClosedAtEnd tables;
      if (!OpenCUST5() || !OpenGROUPS()) return false;
      DATA4* cust = Cust5.d;
      d4tagSelect(cust, d4tag(cust, Settings().ByCust ? "cname" : "cComp"));
      CurrentCustomerRec = FirstRecord(cust);
      while (PickCustomer(false).chosen) {
        d4go(cust, CurrentCustomerRec);
        request->customers.append(f4long(Cust5.cuno));
      }
      return true;
    }
    case kInvoicesDated:
    case kPastDueBilling:
    case kBalanceDueStatement: return AskSpan(request);
    case kCustomerGroups: {
      TablesClosedAtEnd tables;
      if (!OpenCUST5() || !OpenGROUPS()) return false;
      if (!RunMultGroup()) return false;
      request->groups = ChosenGroups;
      return true;
    }
    default: return true;
  }
}

}  // namespace

bool PrintLabels(int kind, Canvas& canvas) {
  LabelRequest request;
  request.kind = kind;
  if (!ChooseStock(canvas, &request)) return false;
  if (!AskSelection(&request)) return false;
  return BuildLabels(request, canvas, ReportFont());
}

bool PrintLabels(int kind) {
  QPrinter* printer = PrinterChoice::printer();
  if (!printer) throw PrinterError(
        Tr::tr("No printer is selected. Choose one with Printer Setup.").toStdString());
  //: The start of a PDF file's name: labels-2026-12-09.pdf.
  if (!PrinterChoice::askPdfFile(nullptr, Tr::tr("labels"))) return false;
  WholeSheetOfPdf whole(printer);
  PdfBeside pdf(printer);
  {
    // The job begins with the first row drawn; nothing collected, no job.
    PainterCanvas canvas(printer);
    if (!PrintLabels(kind, canvas)) return false;
    canvas.end();
  }
  QString why;
  if (pdf.finish(&why) != PdfBeside::Result::Failed) {
    Ui::get().status(PrinterChoice::printedTo(pdf.target()));
    return true;
  }
  Ui::get().information(Tr::tr("Unable to save to: %1 (%2)").arg(pdf.target(), why));
  return false;
}

bool PrintBatchLabels() {
  if (BatchLabelPath().isEmpty()) {
    Ui::get().information(Tr::tr("Unable to save to: %1").arg(kBatchLabelFile));
    return false;
  }
  return PrintLabels(kBatchLabels);
}
