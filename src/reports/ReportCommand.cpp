#include "reports/ReportCommand.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "data/CodeBase.h"
#include "data/DateText.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "platform/Clock.h"
#include "platform/PrinterChoice.h"
#include "reports/DateSpanU.h"
#include "reports/ReportBatchUi.h"
#include "reports/ReportU.h"
#include "reports/RptGen.h"
#include "reports/RptUtil.h"

namespace {

const char* const kUsage =
    "usage: tallowby report invoices|bills|statements [--data DIR] [--from YYYY-MM-DD] "
    "[--to YYYY-MM-DD] [--format text|tab|pdf] --out FILE";

struct Options {
  QString name;
  QString data;
  TDate from = 0;
  TDate to = 0;
  ReportBatchUi::Output output = ReportBatchUi::Output::PlainText;
  QString out;
};

// Thrown by the engine's fatal hook: the command ends with this status.
struct CommandEnded {
  int status;
};

// A date of the command line. It reaches the report through the date span
// picker, whose two-digit years lie in the hundred years that begin sixty
// years ago.
bool ParseDate(const QString& option, const QString& text, TDate* date, QString* error) {
  const QDate d = QDate::fromString(text, Qt::ISODate);
  if (d.isValid()) {
    *date = DateFromQDate(d);
    try {
      if (*date > 0 && ParseShortDate(FormatShortDate(*date)) == *date) return true;
    } catch (const ConversionError&) {
    }
    const int first = Clock::today().year() - 60;
    *error = QStringLiteral("%1 %2: dates must lie in the years %3 to %4")
                 .arg(option, text)
                 .arg(first)
                 .arg(first + 99);
    return false;
  }
  *error = QStringLiteral("%1 %2 is not a date of the form YYYY-MM-DD").arg(option, text);
  return false;
}

bool ParseOptions(const QStringList& args, Options* o, QString* error) {
  if (args.isEmpty()) {
    *error = QStringLiteral("which report?");
    return false;
  }
  o->name = args[0];
  if (o->name != "invoices" && o->name != "bills" && o->name != "statements") {
    *error = QStringLiteral("unknown report: ") + o->name;
    return false;
  }
  for (qsizetype i = 1; i < args.size(); i += 2) {
    const QString& option = args[i];
    if (i + 1 >= args.size()) {
      *error = option + QStringLiteral(" needs a value");
      return false;
    }
    const QString& value = args[i + 1];
    if (option == "--data") {
      o->data = value;
    } else if (option == "--out") {
      o->out = value;
    } else if (option == "--from") {
      if (!ParseDate(option, value, &o->from, error)) return false;
    } else if (option == "--to") {
      if (!ParseDate(option, value, &o->to, error)) return false;
    } else if (option == "--format") {
      if (value == "text") {
        o->output = ReportBatchUi::Output::PlainText;
      } else if (value == "tab") {
        o->output = ReportBatchUi::Output::TabDelimited;
      } else if (value == "pdf") {
        o->output = ReportBatchUi::Output::Pdf;
      } else {
        *error = QStringLiteral("unknown format: ") + value;
        return false;
      }
    } else {
      *error = QStringLiteral("unknown option: ") + option;
      return false;
    }
  }
  if (o->out.isEmpty()) {
    *error = QStringLiteral("--out FILE is required");
    return false;
  }
  return true;
}

// A PDF file is written by the print job, which cannot say why it failed:
// the place is checked before anything is built.
bool CanWrite(const QString& path) {
  const QFileInfo file(path);
  if (file.exists()) return file.isFile() && file.isWritable();
  const QFileInfo folder(file.absolutePath());
  return folder.isDir() && folder.isWritable();
}

// A PDF file the print job finished: it ends with the end-of-file mark
// (a full disk leaves it cut short, and the print job does not say so).
bool PdfComplete(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly) || f.size() < 6) return false;
  f.seek(std::max<qint64>(0, f.size() - 32));
  return f.readAll().contains("%%EOF");
}

// Why a PDF could not be written, as far as the folder tells.
QString PdfFailure(const QString& path) {
  const QStorageInfo disk(QFileInfo(path).absolutePath());
  if (disk.isValid() && disk.bytesAvailable() < 64 * 1024) return QStringLiteral("the disk is full");
  return QStringLiteral("the file could not be written in full");
}

void RunReport(const QString& name) {
  if (name == "invoices")
    PrintInvoiceSelection(true, true);
  else if (name == "bills")
    PrintInvoiceSelection(true, false);
  else
    PrintStatements(true);
}

// The window system's notes (no runtime folder, an offscreen window that
// cannot be sized) mean nothing to someone running a report; the command's
// own messages go to the error stream directly.
QtMessageHandler previousHandler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) previousHandler(type, context, text);
}

// Ends the engine after the command was cut short, without passing the
// pending error to the fatal hook again.
void AbandonEngine() {
  if (!cb) return;
  code4errorCode(cb, 0);
  CloseAll();
  code4errorCode(cb, 0);
  EndEngine();
}

}  // namespace

int RunReportCommand(const QStringList& args, QTextStream& err) {
  Options o;
  QString error;
  if (!ParseOptions(args, &o, &error)) {
    err << "tallowby report: " << error << Qt::endl << kUsage << Qt::endl;
    return 2;
  }
  const QDir data(o.data.isEmpty() ? QDir::currentPath() : o.data);
  if (!data.exists()) {
    err << "tallowby report: no such data folder: " << o.data << Qt::endl;
    return 1;
  }
  const QString out = QFileInfo(o.out).absoluteFilePath();
  if (o.output == ReportBatchUi::Output::Pdf && !CanWrite(out)) {
    err << "tallowby report: Unable to save to: " << o.out << Qt::endl;
    return 1;
  }

  previousHandler = qInstallMessageHandler(QuietHandler);

  // The command shows no window: without a platform of the user's choice it
  // runs offscreen, so it works without a display.
  std::unique_ptr<QApplication> app;
  if (!QCoreApplication::instance()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tallowby";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
    UseUserLocale();
  }

  // Text is paginated as without a printer (sixty lines a page), a PDF file
  // by its own pages.
  // A PDF is printed beside its target and renamed over it once complete,
  // so a failure leaves no cut-short file and an older one intact.
  const QString pdfTemp = out + QStringLiteral(".tbprint");
  if (o.output == ReportBatchUi::Output::Pdf)
    PrinterChoice::selectPdf(pdfTemp);
  else
    PrinterChoice::selectNone();

  ReportBatchUi ui(o.output, out, err);
  ui.setSpan(o.from, o.to);
  Ui& previous = Ui::get();
  Ui::install(&ui);
  code4setFatalHook([&err](int, const std::string& message) {
    if (!message.empty())
      err << "tallowby report: " << QString::fromLocal8Bit(message.c_str()) << Qt::endl;
    throw CommandEnded{1};
  });

  int status = 0;
  try {
    StartEngine(data.absolutePath());
    if (DataFilesPresent()) RebuildIndexes(true);
    ReadSettings();
    SetReportFontFromSettings(QApplication::font());
    TReportF window;
    TDateSpan picker;
    RunReport(o.name);
    EndEngine();
  } catch (const CommandEnded& e) {
    status = e.status;
    AbandonEngine();
  } catch (const std::exception& e) {
    ui.note(QString::fromLocal8Bit(e.what()));
    status = 1;
    AbandonEngine();
  }
  code4setFatalHook({});
  Ui::install(&previous);
  PrinterChoice::selectNone();  // ends the print job: the file is closed
  if (o.output == ReportBatchUi::Output::Pdf) {
    const bool printed = status == 0 && !ui.failed() && ui.reportShown();
    const bool saved = printed && PdfComplete(pdfTemp) &&
                       std::rename(QFile::encodeName(pdfTemp).constData(), QFile::encodeName(out).constData()) == 0;
    if (!saved) {
      if (ui.reportShown()) {
        err << "tallowby report: Unable to save to: " << o.out << " (" << PdfFailure(out) << ")" << Qt::endl;
        status = 1;
      }
      QFile::remove(pdfTemp);
    }
  }
  app.reset();
  qInstallMessageHandler(previousHandler);

  if (status == 0 && ui.failed()) status = 1;
  if (status == 0 && !ui.reportShown()) {
    ui.note(QStringLiteral("nothing to report for %1 - %2; %3 was not written")
                .arg(FormatShortDate(ReportFrom), FormatShortDate(ReportTo), o.out));
  }
  return status;
}

int RunReportCommand(int argc, char* argv[]) {
  QStringList args;
  for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QTextStream err(stderr);
  return RunReportCommand(args, err);
}
