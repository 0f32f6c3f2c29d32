// tallowby-report-screenshot DATA-DIR OUT.png FROM TO: builds the invoices
// of the span (YYYY-MM-DD) as "Print Invoices for specified date(s)" does and
// saves a picture of the report window showing them. Used by
// scripts/report-screenshots.sh under a virtual X display.
#include <QApplication>
#include <QDir>
#include <QThread>
#include <cstdio>

#include "data/CodeBase.h"
#include "data/DateText.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "reports/DateSpanU.h"
#include "reports/ReportBatchUi.h"
#include "reports/ReportU.h"
#include "reports/RptGen.h"
#include "reports/RptUtil.h"

namespace {

// Answers the pickers as the report command does; the report window is
// shown, given time to paint, and saved.
class ScreenshotUi : public ReportBatchUi {
 public:
  ScreenshotUi(const QString& file, QTextStream& err)
      : ReportBatchUi(QString(), err), file_(file) {}
  int exec(QDialog* dialog) override {
    auto* window = qobject_cast<TReportF*>(dialog);
    if (!window) return ReportBatchUi::exec(dialog);
    window->show();
    for (int i = 0; i < 20; ++i) {
      QCoreApplication::processEvents();
      QThread::msleep(25);
    }
    saved_ = window->grab().save(file_);
    window->close();
    return QDialog::Accepted;
  }
  bool saved() const { return saved_; }

 private:
  QString file_;
  bool saved_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  UseUserLocale();  // dates as the program shows them
  if (argc != 5) {
    std::fprintf(stderr, "usage: tallowby-report-screenshot DATA-DIR OUT.png FROM TO\n");
    return 2;
  }
  QTextStream err(stderr);
  ScreenshotUi ui(QString::fromLocal8Bit(argv[2]), err);
  ui.setSpan(DateFromQDate(QDate::fromString(argv[3], Qt::ISODate)),
             DateFromQDate(QDate::fromString(argv[4], Qt::ISODate)));
  Ui::install(&ui);
  StartEngine(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
  RebuildIndexes(true);
  ReadSettings();
  SetReportFontFromSettings(QApplication::font());
  {
    TReportF window;
    TDateSpan picker;
    PrintInvoiceSelection(true, true);
  }
  EndEngine();
  Ui::install(nullptr);
  if (!ui.saved()) std::fprintf(stderr, "no picture was saved\n");
  return ui.saved() && !ui.failed() ? 0 : 1;
}
