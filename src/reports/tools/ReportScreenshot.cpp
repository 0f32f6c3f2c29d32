// tallowby-report-screenshot DATA-DIR OUT.png FROM TO: builds the invoices
// of the span (YYYY-MM-DD) as "Print Invoices for specified date(s)" does and
// saves a picture of the report window showing them. Used by
// scripts/report-screenshots.sh under a virtual X display.
#include <QApplication>
#include <QDir>
#include <QThread>
#include <cstdio>

#include "data/CodeBase.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "platform/Language.h"
#include "printing/ReportU.h"
#include "printing/RptUtil.h"
#include "reports/RptGen.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  UseLanguage(ChooseLanguage(QString()));  // dates as the program shows them
  if (argc != 5) {
    std::fprintf(stderr, "usage: tallowby-report-screenshot DATA-DIR OUT.png FROM TO\n");
    return 2;
  }
  ReportRequest request;
  request.from = DateFromQDate(QDate::fromString(argv[3], Qt::ISODate));
  request.to = DateFromQDate(QDate::fromString(argv[4], Qt::ISODate));
  StartEngine(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
  RebuildIndexes(true);
  ReadSettings();
  SetReportFontFromSettings(QApplication::font());
  bool saved = false;
  {
    DocumentInHand document;
    BuildInvoicesOfSpan(request, true, KeptLines());
    FinishReport();
    // The report window shown as the menu shows it, given time to paint.
    TReportF window;
    window.show();
    for (int i = 0; i < 20; ++i) {
      QCoreApplication::processEvents();
      QThread::msleep(25);
    }
    saved = Report().lineCount() > 0 && window.grab().save(QString::fromLocal8Bit(argv[2]));
  }
  EndEngine();
  if (!saved) std::fprintf(stderr, "no picture was saved\n");
  return saved ? 0 : 1;
}
