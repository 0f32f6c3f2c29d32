// Shared set-up of the labels tests: the customers' fixture (data folder with
// indexes, scripted Ui, the customer and group windows registered) plus the
// label print dialog, the date span and group pickers, no printer, and
// helpers that write label stock, customers and invoices.
#ifndef LABELS_TESTSUPPORT_H
#define LABELS_TESTSUPPORT_H

#include <QDate>
#include <memory>

#include "customers/TestSupport.h"
#include "data/dbFiles.h"
#include "labels/LabPrintU.h"
#include "labels/LabelGen.h"
#include "platform/RecordingCanvas.h"
#include "printing/DateSpanU.h"
#include "printing/MultGroupU.h"

class LabelsTest : public CustomersTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Appends a stock to LABELS (closing all tables); its record number.
  long addStock(const LabelRecord& stock);
  // A customer with a name and a postal code only: its label is the one
  // line "First Last  zip".
  void addPerson(long number, const QString& first, const QString& last, const QString& zip,
                 int group = 1);
  void addInvoice(long number, long customer, QDate date, double due);

  // Runs kind on canvas as the menu does; the print dialog chooses the
  // stock named `stock` from `column` and `row`, the date span picker
  // answers `from`-`to`.
  bool print(int kind);
  // Builds the labels of a request on canvas (no window): the stock named
  // `stock`, from `column` and `row`, invoices from `from` to `to`.
  bool build(int kind, const QList<long>& customers = {}, const QList<int>& groups = {});
  // The drawn texts in drawing order, page breaks as "newPage".
  QStringList drawn() const;

  QString stock = QStringLiteral("Sheet");
  int column = 1;
  int row = 1;
  QDate from, to;
  RecordingCanvas canvas;
  std::unique_ptr<TLabPrint> labPrint;
  std::unique_ptr<TDateSpan> dateSpan;
  std::unique_ptr<TMultGroup> multGroup;
};

// Three across, 72-point labels between 36-point margins: on the recording
// canvas (200 dpi, 3000 px high) 14 rows of 200 px from y = 100, columns at
// x = 50, 600 and 1150.
LabelRecord SheetStock(const QString& name = QStringLiteral("Sheet"));

#endif  // LABELS_TESTSUPPORT_H
