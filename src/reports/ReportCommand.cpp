#include "reports/ReportCommand.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <memory>
#include <optional>

#include "data/CodeBase.h"
#include "data/DateText.h"
#include "data/Settings.h"
#include "data/TableSwap.h"
#include "data/dbFiles.h"
#include "platform/BatchApplication.h"
#include "platform/Clock.h"
#include "platform/PdfBeside.h"
#include "platform/PrinterChoice.h"
#include "reports/DateSpanU.h"
#include "reports/MultGroupU.h"
#include "reports/ReportBatchUi.h"
#include "reports/ReportCatalog.h"
#include "reports/ReportStream.h"
#include "reports/ReportU.h"
#include "reports/RptUtil.h"

#ifndef TALLOWBY_VERSION
#define TALLOWBY_VERSION "unknown"
#endif

namespace {

const char* const kUsage = "usage: tallowby report NAME [options] --out FILE (see tallowby report --help)";

enum class Output { PlainText, TabDelimited, Pdf };

// The selection options; each report names those it takes.
struct SelectionOption {
  QString name, valueName, description;
};
const QList<SelectionOption>& SelectionOptions() {
  static const QList<SelectionOption> options = {
      {"from", "YYYY-MM-DD", "First day of the report's span."},
      {"to", "YYYY-MM-DD", "Last day of the report's span."},
      {"customers", "N,N,...", "Customer numbers, in the order they would be picked."},
      {"groups", "N,N,...|all", "Customer group numbers, or all groups."},
      {"product", "CODE", "Product code, exactly as stored."},
      {"asof", "YYYY-MM-DD", "The day the stock is valued as of (default today)."},
      {"method", "fifo|lifo",
       "Stock valued first-in first-out or last-in first-out for this run only (default: the "
       "stored setting, which stays as it is)."},
  };
  return options;
}

struct Options {
  const ReportEntry* report = nullptr;
  QString data;
  TDate from = 0;
  TDate to = 0;
  TDate asOf = 0;
  std::optional<bool> fifo;  // --method; unset keeps the stored setting
  QList<int> groups;
  bool allGroups = false;
  ReportArgs args;
  Output output = Output::PlainText;
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

// A comma-separated list of whole numbers from 1 to max.
bool ParseNumbers(const QString& option, const QString& text, long max, QList<long>* numbers,
                  QString* error) {
  for (const QString& part : text.split(QLatin1Char(','))) {
    bool ok = false;
    const long n = part.trimmed().toLong(&ok);
    if (!ok || n < 1 || n > max) {
      *error = QStringLiteral("--%1: \"%2\" is not a number from 1 to %3")
                   .arg(option, part.trimmed())
                   .arg(max);
      return false;
    }
    numbers->append(n);
  }
  return true;
}

void AddOptions(QCommandLineParser* parser) {
  parser->addOption({"data", "Data folder (default: the current folder).", "DIR"});
  for (const SelectionOption& o : SelectionOptions())
    parser->addOption({o.name, o.description, o.valueName});
  parser->addOption({"format", "Output: text (default), tab or pdf.", "text|tab|pdf"});
  parser->addOption({"out", "Output file (required).", "FILE"});
}

QString HelpText(const QCommandLineParser& parser) {
  // The parser names the program after the running application; the
  // command may run before there is one.
  QString text = parser.helpText();
  text.replace(0, text.indexOf(QLatin1Char('\n')),
               QStringLiteral("Usage: tallowby report [options] NAME"));
  text += QStringLiteral("\nReports:\n");
  for (const ReportEntry& e : ReportCatalog()) {
    QStringList taken;
    for (const QString& o : e.options) {
      for (const SelectionOption& s : SelectionOptions()) {
        if (s.name != o) continue;
        const QString word = QStringLiteral("--%1 %2").arg(o, s.valueName);
        taken << (e.oneOf.contains(o) ? word : QStringLiteral("[") + word + QStringLiteral("]"));
      }
    }
    QString line = QStringLiteral("  ") + e.name;
    if (!e.oneOf.isEmpty()) line += QStringLiteral("  (one of --") + e.oneOf.join(", --") + ")";
    text += line + QStringLiteral("\n      ") + e.description + QStringLiteral("\n");
    if (!taken.isEmpty()) text += QStringLiteral("      ") + taken.join(' ') + QStringLiteral("\n");
  }
  text += QStringLiteral("\nEvery report takes --data, --format and --out.\n");
  return text;
}

// Reads the parsed command line into o. False with *error on anything that
// cannot be used.
bool ReadOptions(const QCommandLineParser& parser, Options* o, QString* error) {
  const QStringList names = parser.positionalArguments();
  if (names.isEmpty()) {
    *error = QStringLiteral("which report?");
    return false;
  }
  if (names.size() > 1) {
    *error = QStringLiteral("one report at a time: ") + names.join(' ');
    return false;
  }
  o->report = FindReport(names[0]);
  if (!o->report) {
    *error = QStringLiteral("unknown report: ") + names[0];
    return false;
  }
  for (const SelectionOption& s : SelectionOptions()) {
    if (parser.isSet(s.name) && !o->report->options.contains(s.name)) {
      *error = QStringLiteral("%1 takes no --%2").arg(o->report->name, s.name);
      return false;
    }
  }
  if (!o->report->oneOf.isEmpty()) {
    int given = 0;
    for (const QString& name : o->report->oneOf) given += parser.isSet(name) ? 1 : 0;
    if (given != 1) {
      *error = QStringLiteral("%1 needs one of --%2").arg(o->report->name, o->report->oneOf.join(", --"));
      return false;
    }
  }
  o->data = parser.value("data");
  o->out = parser.value("out");
  if (parser.isSet("from") && !ParseDate("--from", parser.value("from"), &o->from, error))
    return false;
  if (parser.isSet("to") && !ParseDate("--to", parser.value("to"), &o->to, error)) return false;
  if (parser.isSet("asof") && !ParseDate("--asof", parser.value("asof"), &o->asOf, error))
    return false;
  if (parser.isSet("method")) {
    const QString method = parser.value("method");
    if (method != "fifo" && method != "lifo") {
      *error = QStringLiteral("--method is fifo or lifo, not ") + method;
      return false;
    }
    o->fifo = method == "fifo";
  }
  if (parser.isSet("customers") &&
      !ParseNumbers("customers", parser.value("customers"), 999999, &o->args.customers, error))
    return false;
  if (parser.isSet("groups")) {
    const QString groups = parser.value("groups");
    if (groups == "all") {
      o->allGroups = true;
    } else {
      QList<long> numbers;
      if (!ParseNumbers("groups", groups, 99, &numbers, error)) return false;
      for (long n : numbers) o->groups << int(n);
    }
  }
  if (parser.isSet("product")) {
    o->args.product = parser.value("product");
    if (o->args.product.trimmed().isEmpty()) {
      *error = QStringLiteral("--product needs a product code");
      return false;
    }
  }
  const QString format = parser.value("format");
  if (format.isEmpty() || format == "text") {
    o->output = Output::PlainText;
  } else if (format == "tab") {
    o->output = Output::TabDelimited;
  } else if (format == "pdf") {
    o->output = Output::Pdf;
  } else {
    *error = QStringLiteral("unknown format: ") + format;
    return false;
  }
  if (o->out.isEmpty()) {
    *error = QStringLiteral("--out FILE is required");
    return false;
  }
  return true;
}

}  // namespace

int RunReportCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Builds one report of the data folder without windows and writes it to a "
                     "file: what the report window exports (text, tab) or prints (pdf)."));
  // Help and version of their own: the parser's would end the process.
  const QCommandLineOption help({"h", "help"}, "Displays this help.");
  const QCommandLineOption version({"v", "version"}, "Displays version information.");
  parser.addOption(help);
  parser.addOption(version);
  parser.addPositionalArgument("NAME", "The report to build (listed below).");
  AddOptions(&parser);

  Options o;
  QString error;
  const bool parsed = parser.parse(QStringList{QStringLiteral("tallowby report")} + args);
  if (parsed && parser.isSet(help)) {
    out << HelpText(parser) << Qt::flush;
    return 0;
  }
  if (parsed && parser.isSet(version)) {
    out << "tallowby " << TALLOWBY_VERSION << Qt::endl;
    return 0;
  }
  if (!parsed) error = parser.errorText();
  if (!parsed || !ReadOptions(parser, &o, &error)) {
    err << "tallowby report: " << error << Qt::endl << kUsage << Qt::endl;
    return 2;
  }
  const QDir data(o.data.isEmpty() ? QDir::currentPath() : o.data);
  if (!data.exists()) {
    err << "tallowby report: no such data folder: " << o.data << Qt::endl;
    return 1;
  }
  const QString outFile = QFileInfo(o.out).absoluteFilePath();
  if (o.output == Output::Pdf && !CanWriteFile(outFile)) {
    err << "tallowby report: Unable to save to: " << o.out << Qt::endl;
    return 1;
  }

  std::optional<BatchApplication> application(std::in_place);

  // Text is paginated as without a printer (sixty lines a page), a PDF file
  // by its own pages.
  // A PDF is printed beside its target and renamed over it once complete.
  std::optional<PdfBeside> pdf;
  if (o.output == Output::Pdf) {
    PrinterChoice::selectPdf(outFile);
    pdf.emplace(PrinterChoice::printer());
  } else {
    PrinterChoice::selectNone();
  }

  // The report's lines go to the file as they are built.
  std::unique_ptr<ReportFileStream> stream =
      o.output == Output::Pdf ? PrintReportStream(PrinterChoice::printer())
                              : TextReportStream(outFile, o.output == Output::TabDelimited
                                                              ? ExportFormat::TabDelimited
                                                              : ExportFormat::PlainText);
  StreamReport(stream.get());
  ReportBatchUi ui(outFile, err);
  ui.setStream(stream.get());
  // A report takes a span or an as-of date, which the single-date picker
  // asks for in its first field.
  ui.setSpan(o.from > 0 ? o.from : o.asOf, o.to);
  ui.setGroups(o.groups, o.allGroups);
  ui.setNothingMessages(o.report->nothingMessages);
  Ui& previous = Ui::get();
  Ui::install(&ui);
  code4setFatalHook([&err](int, const std::string& message) {
    if (!message.empty())
      err << "tallowby report: " << QString::fromLocal8Bit(message.c_str()) << Qt::endl;
    throw CommandEnded{1};
  });

  int status = 0;
  try {
    FinishInterruptedSwap(data.absolutePath());  // a restore cut short, as at start-up
    StartEngine(data.absolutePath());
    if (DataFilesPresent()) RebuildIndexes(true);
    ReadSettings();
    // In memory only: a report writes no setting.
    if (o.fifo) Settings().fifo = *o.fifo;
    SetReportFontFromSettings(QApplication::font());
    TReportF window;
    TDateSpan spanPicker;
    TMultGroup groupPicker;
    o.report->build(o.args);
    EndEngine();
  } catch (const CommandEnded& e) {
    status = e.status;
    AbandonEngine();
  } catch (const UnusableArgument& e) {
    err << "tallowby report: " << e.what() << Qt::endl;
    status = 2;
    AbandonEngine();
  } catch (const std::exception& e) {
    ui.note(QString::fromLocal8Bit(e.what()));
    status = 1;
    AbandonEngine();
  }
  code4setFatalHook({});
  Ui::install(&previous);
  StreamReport(nullptr);
  stream.reset();  // ends the print job; a text file not completed is discarded
  if (pdf && status == 0 && !ui.failed() && ui.reportShown()) {
    QString why = QStringLiteral("nothing was printed");
    if (pdf->finish(&why) != PdfBeside::Result::Saved) {
      err << "tallowby report: Unable to save to: " << o.out << " (" << why << ")" << Qt::endl;
      status = 1;
    }
  }
  pdf.reset();
  PrinterChoice::selectNone();
  application.reset();

  if (status == 0 && ui.failed()) status = 1;
  if (status == 0 && !ui.reportShown() && !ui.nothingMessageShown()) {
    const QString span = o.report->options.contains("from")
                             ? QStringLiteral(" for %1 - %2").arg(FormatShortDate(ReportFrom),
                                                                  FormatShortDate(ReportTo))
                             : QString();
    ui.note(QStringLiteral("nothing to report%1; %2 was not written").arg(span, o.out));
  }
  return status;
}

int RunReportCommand(int argc, char* argv[]) {
  QStringList args;
  for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QTextStream out(stdout);
  QTextStream err(stderr);
  return RunReportCommand(args, out, err);
}
