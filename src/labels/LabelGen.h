// The label generator: mailing labels of five address lines, printed row by
// row on a label stock (LABELS) from a starting column and row, so that a
// partly used sheet can be finished.
//
// LabelSheet lays the labels out on a canvas in device pixels; BuildLabels
// selects the customers of one of the six kinds and feeds them to it.
#ifndef LABELS_LABELGEN_H
#define LABELS_LABELGEN_H

#include <QFont>
#include <QPageLayout>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include "data/dbFiles.h"

class Canvas;
class QPrinter;

// The page geometry of a stock on one printer, in device pixels.
struct LabelGeometry {
  int top = 0, bottom = 0, left = 0, right = 0;  // margins within the printable page
  int width = 0, height = 0, hgap = 0, vgap = 0;
  int rowsPerPage = 0;
};

// The stock's points as device pixels (truncated; vertical measures by the
// vertical resolution), the margins less the unprintable border (never
// below 0), and the rows that fit the printable height: the last row needs
// no gap below it.
LabelGeometry PageGeometry(const LabelRecord& stock, QSize dpi, QPoint offset, QSize paper,
                           QSize printable);
LabelGeometry PageGeometry(const LabelRecord& stock, Canvas& canvas);

// From font, one point smaller at a time until five "Abcde" fit the label
// width, then until five lines fit its height. False when even 1 point is
// too big; *fitted is then the 1-point font.
bool FitLabelFont(Canvas& canvas, const QFont& font, int labelWidth, int labelHeight,
                  QFont* fitted);

// Why the stock cannot be printed on canvas with font (labels across below
// 1, no font size that fits a label, no row on a sheet, labels across wider
// than the page between its margins); "" when it can.
QString StockProblem(const LabelRecord& stock, Canvas& canvas, const QFont& font);

// One print job of labels. The job begins with the first row printed, so a
// run that collects no label prints nothing. The caller checks the stock
// with StockProblem first.
class LabelSheet {
 public:
  // column and row: where the first label goes (1-based).
  LabelSheet(const LabelRecord& stock, int column, int row, Canvas& canvas, const QFont& font);

  // Puts the label's five lines at the current position; a full row is
  // printed at once.
  void add(const QStringList& lines);
  // Prints the row in hand. True when any label was collected (the print
  // job then has to be ended).
  bool finish();

  int column() const { return column_; }
  int row() const { return row_; }

 private:
  static constexpr int kLines = 5;
  void pageSetup();
  void printRow();
  void clearRow();

  LabelRecord stock_;
  int across_;
  Canvas& canvas_;
  QFont font_;
  int column_;
  int row_;
  bool collected_ = false;
  bool setUp_ = false;
  bool pending_ = false;
  LabelGeometry g_;
  QList<QStringList> buffer_;  // kLines lines of `across_` texts
};

// The six kinds of labels.
enum LabelKind {
  kSelectedCustomers = 1,
  kInvoicesDated = 2,
  kPastDueBilling = 3,
  kBalanceDueStatement = 4,
  kCustomerGroups = 5,
  kBatchLabels = 6,
};

// What a run of labels is asked for.
struct LabelRequest {
  int kind = kSelectedCustomers;
  LabelRecord stock;
  int column = 1, row = 1;  // where the first label goes
  TDate from = 0, to = 0;   // the invoices' span (kinds 2 to 4)
  QList<int> groups;        // the customers' groups (kind 5)
  QList<long> customers;    // the customers by number, in label order (kind 1)
};

// Labels the customers of the request's kind on canvas with font (the
// report font), row by row from its column and row; the print job begins
// with the first row drawn. Customers that cannot be found are skipped.
// True when a label was collected: the caller then ends the job. The caller
// checks the stock with StockProblem first.
bool BuildLabels(const LabelRequest& request, Canvas& canvas, const QFont& font);

// A PDF file has no unprintable border: its labels may use the whole sheet.
// The page layout the printer had is put back afterwards.
class WholeSheetOfPdf {
 public:
  explicit WholeSheetOfPdf(QPrinter* printer);
  ~WholeSheetOfPdf();
  WholeSheetOfPdf(const WholeSheetOfPdf&) = delete;
  WholeSheetOfPdf& operator=(const WholeSheetOfPdf&) = delete;

 private:
  QPrinter* printer_;
  QPageLayout before_;
  bool changed_ = false;
};

#endif  // LABELS_LABELGEN_H
