// Shared set-up of the reports tests: a data folder with a candle maker's
// tables, the builders run into a kept document, golden files.
#ifndef REPORTS_TESTSUPPORT_H
#define REPORTS_TESTSUPPORT_H

#include <QDate>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <functional>

#include "data/TestSupport.h"
#include "data/dbFiles.h"
#include "printing/RptUtil.h"
#include "printing/TestSupport.h"
#include "reports/ReportRequest.h"

class ReportLineSink;

// ---- Builders over tables on disk ------------------------------------------

// A data folder with the supplied tables and their index files (clock fixed
// at 2026-03-15, en_US formats, the scripted Ui, a throwing fatal hook), no
// printer and an empty report document. Build() runs a builder into a kept
// document and records what the report window would show.
class ReportDataTest : public IndexedFolderTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  using Builder = ReportOutcome (*)(const ReportRequest&, ReportLineSink&);
  // Builds into the document: `lines` then holds its lines (cells joined
  // with "|"), `shown` its plain-text export (none when it has no line);
  // the document is released afterwards.
  ReportOutcome Build(const std::function<ReportOutcome(ReportLineSink&)>& build);
  ReportOutcome Build(Builder build, const ReportRequest& request);

  QStringList lines;
  QStringList shown;
};

// A request for the days from to to.
ReportRequest Span(QDate from, QDate to);

// A candle maker's letterhead (settings written to KEX1 too), three
// customers (8 with a long last address line, 9 without invoices), two
// products with memos, and invoices 1001 to 1005 of February and March 2026:
// 1001 due 10.00 with an item comment and a long memo's product, 1002 a
// credit of 2.00 with half-cent items, 1003 settled, 1004 of February, 1005
// of a customer that no longer exists.
void WriteCandleBusiness();

// A candle maker's stock, worked by hand for the stock reports (today is
// 2026-03-15): inventory items CANDLE (three lots, the last bought 03/20),
// SOAP (one lot; a purchase of quantity 0; a sale dated 03/18), "tea" (its
// code stored in lower case by an import) and WAX (bought 02/28 and 03/01,
// on hand exactly its reorder level); WICK not tracked; a purchase of a
// product GONE that does not exist; invoices 2001 (02/20), 2002 (03/04) and
// 2003 (03/18), and an item of the missing invoice 2999.
void WriteStockBusiness();

// The text of the golden file src/reports/golden/<name> ("" when missing).
QString Golden(const QString& name);
// Compares text with the golden file; a mismatch fails the test and prints
// the first differing line. With TB_UPDATE_GOLDEN=1 the file is written.
void ExpectGolden(const QString& name, const QString& text);

#endif  // REPORTS_TESTSUPPORT_H
