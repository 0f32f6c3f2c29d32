#include "reports/ReportCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <memory>
#include <optional>

#include "data/dbFiles.h"
#include "platform/Clock.h"
#include "printing/BatchRunner.h"
#include "printing/MultGroupU.h"
#include "printing/ReportStream.h"
#include "printing/RptUtil.h"
#include "reports/ReportCatalog.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(ReportCommand)
};

// The selection options; each report names those it takes. The names and
// value names stay English; the descriptions are translated where shown.
struct SelectionOption {
  QString name, valueName;
  const char* description;
};
const QList<SelectionOption>& SelectionOptions() {
  static const QList<SelectionOption> options = {
      {"from", "YYYY-MM-DD", QT_TRANSLATE_NOOP("ReportCommand", "First day of the report's span.")},
      {"to", "YYYY-MM-DD", QT_TRANSLATE_NOOP("ReportCommand", "Last day of the report's span.")},
      {"customers", "N,N,...",
       QT_TRANSLATE_NOOP("ReportCommand", "Customer numbers, in the order they would be picked.")},
      //: "all" stays as typed
      {"groups", "N,N,...|all",
       QT_TRANSLATE_NOOP("ReportCommand", "Customer group numbers, or all groups.")},
      {"product", "CODE", QT_TRANSLATE_NOOP("ReportCommand", "Product code, exactly as stored.")},
      {"asof", "YYYY-MM-DD",
       QT_TRANSLATE_NOOP("ReportCommand", "The day the stock is valued as of (default today).")},
      {"method", "fifo|lifo",
       QT_TRANSLATE_NOOP("ReportCommand",
                         "Stock valued first-in first-out or last-in first-out for this run only "
                         "(default: the stored setting, which stays as it is).")},
  };
  return options;
}

// The reports and the options each takes, for --help.
QString ReportList() {
  QString text = Tr::tr("Reports:") + QStringLiteral("\n");
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
    //: %1 lists options, as in "(one of --customers, --groups)"
    if (!e.oneOf.isEmpty())
      line += QStringLiteral("  ") + Tr::tr("(one of %1)").arg("--" + e.oneOf.join(", --"));
    text += line + QStringLiteral("\n      ") + ReportDescription(e) + QStringLiteral("\n");
    if (!taken.isEmpty()) text += QStringLiteral("      ") + taken.join(' ') + QStringLiteral("\n");
  }
  text += QStringLiteral("\n") + Tr::tr("Every report takes --data, --format and --out.") +
          QStringLiteral("\n");
  return text;
}

// What the command line asks for.
class ReportJob {
 public:
  bool read(const QCommandLineParser& parser, QString* error);
  BatchOutput::Kind outputKind() const {
    return format_ == Format::Pdf ? BatchOutput::Kind::Pdf : BatchOutput::Kind::Text;
  }
  BatchResult build(BatchOutput& output);

 private:
  enum class Format { PlainText, TabDelimited, Pdf };
  // The span the report proposes, with the dates given put in.
  void fillSpan();
  // The groups given (all: every group the picker lists) into the request;
  // false with *error for a group that does not exist.
  bool fillGroups(QString* error);
  QString nothingToReport() const;

  const ReportEntry* report_ = nullptr;
  TDate from_ = 0, to_ = 0, asOf_ = 0;
  QList<int> groups_;
  bool allGroups_ = false;
  Format format_ = Format::PlainText;
  QString out_;
  ReportRequest request_;
};

bool ReportJob::read(const QCommandLineParser& parser, QString* error) {
  const QStringList names = parser.positionalArguments();
  if (names.isEmpty()) {
    *error = Tr::tr("which report?");
    return false;
  }
  if (names.size() > 1) {
    *error = Tr::tr("one report at a time: %1").arg(names.join(' '));
    return false;
  }
  report_ = FindReport(names[0]);
  if (!report_) {
    *error = Tr::tr("unknown report: %1").arg(names[0]);
    return false;
  }
  for (const SelectionOption& s : SelectionOptions()) {
    if (parser.isSet(s.name) && !report_->options.contains(s.name)) {
      //: %1 is the report's name as typed, %2 an option's
      *error = Tr::tr("%1 takes no --%2").arg(report_->name, s.name);
      return false;
    }
  }
  if (!report_->oneOf.isEmpty()) {
    int given = 0;
    for (const QString& name : report_->oneOf) given += parser.isSet(name) ? 1 : 0;
    if (given != 1) {
      //: %1 is the report's name as typed, %2 lists options
      *error = Tr::tr("%1 needs one of --%2").arg(report_->name, report_->oneOf.join(", --"));
      return false;
    }
  }
  out_ = parser.value("out");
  for (auto [name, date] : {std::pair{"from", &from_}, {"to", &to_}, {"asof", &asOf_}}) {
    if (parser.isSet(name) && !ParseDateOption(name, parser.value(name), date, error)) return false;
  }
  if (parser.isSet("method")) {
    const QString method = parser.value("method");
    if (method != "fifo" && method != "lifo") {
      //: fifo and lifo stay as typed
      *error = Tr::tr("--method is fifo or lifo, not %1").arg(method);
      return false;
    }
    request_.fifo = method == "fifo";
  }
  if (parser.isSet("customers") &&
      !ParseNumberList("customers", parser.value("customers"), 999999, &request_.customers, error))
    return false;
  if (parser.isSet("groups")) {
    const QString groups = parser.value("groups");
    if (groups == "all") {
      allGroups_ = true;
    } else {
      QList<long> numbers;
      if (!ParseNumberList("groups", groups, 99, &numbers, error)) return false;
      for (long n : numbers) groups_ << int(n);
    }
  }
  if (parser.isSet("product")) {
    request_.product = parser.value("product");
    if (request_.product.trimmed().isEmpty()) {
      *error = Tr::tr("--product needs a product code");
      return false;
    }
  }
  const QString format = parser.value("format");
  if (format.isEmpty() || format == "text") {
    format_ = Format::PlainText;
  } else if (format == "tab") {
    format_ = Format::TabDelimited;
  } else if (format == "pdf") {
    format_ = Format::Pdf;
  } else {
    *error = Tr::tr("unknown format: %1").arg(format);
    return false;
  }
  return true;
}

void ReportJob::fillSpan() {
  const TDate today = DateFromQDate(Clock::today());
  if (report_->proposed == ReportEntry::Proposed::Today) {
    request_.from = request_.to = today;
  } else {
    SetMonthSpan();
    request_.from = ReportFrom;
    request_.to = ReportTo;
  }
  if (from_ > 0) request_.from = from_;
  if (to_ > 0) request_.to = to_;
  if (asOf_ > 0) request_.from = asOf_;
}

bool ReportJob::fillGroups(QString* error) {
  if (!allGroups_ && groups_.isEmpty()) return true;
  TablesClosedAtEnd tables;
  if (!OpenGROUPS()) return true;  // the engine has ended the command
  const QList<ListedGroup> listed = ListedGroups();
  for (const ListedGroup& g : listed) {
    if (allGroups_) request_.groups << g.number;
  }
  for (int n : groups_) {
    auto at = std::find_if(listed.begin(), listed.end(), [n](const ListedGroup& g) { return g.number == n; });
    if (at == listed.end()) {
      *error = Tr::tr("--groups: there is no group %1").arg(n);
      return false;
    }
  }
  // In the picker's order, as Run takes them.
  for (const ListedGroup& g : listed) {
    if (groups_.contains(g.number)) request_.groups << g.number;
  }
  return true;
}

QString ReportJob::nothingToReport() const {
  if (!report_->options.contains("from"))
    return Tr::tr("nothing to report; %1 was not written").arg(out_);
  //: %1 and %2 are the first and the last day, %3 the file
  return Tr::tr("nothing to report for %1 - %2; %3 was not written")
      .arg(FormatShortDate(request_.from), FormatShortDate(request_.to), out_);
}

BatchResult ReportJob::build(BatchOutput& output) {
  fillSpan();
  // What the date span picker says to such a span.
  if (request_.from > request_.to && report_->options.contains("to"))
    return {BatchResult::Kind::Failed,
            Tr::tr("Ending Date must be greater than or equal to Starting Date.")};
  QString error;
  if (!fillGroups(&error)) return {BatchResult::Kind::Unusable, error};

  // The report's lines go to the file as they are built.
  std::unique_ptr<ReportFileStream> stream =
      output.kind() == BatchOutput::Kind::Pdf
          ? PrintReportStream(output.printer())
          : TextReportStream(output.file(), format_ == Format::TabDelimited
                                                ? ExportFormat::TabDelimited
                                                : ExportFormat::PlainText);
  DocumentInHand document;
  const ReportOutcome outcome = report_->build(request_, *stream);
  FinishReport();
  const bool complete = stream->close();  // ends the print job
  switch (outcome.kind) {
    case ReportOutcome::Kind::Nothing: return {BatchResult::Kind::Nothing, outcome.message};
    case ReportOutcome::Kind::Unusable:
      return {BatchResult::Kind::Unusable, QStringLiteral("--%1: %2").arg(outcome.field, outcome.message)};
    case ReportOutcome::Kind::Built: break;
  }
  if (Report().lineCount() == 0) return {BatchResult::Kind::Nothing, nothingToReport()};
  if (!complete) return {BatchResult::Kind::Failed, Tr::tr("Unable to save to: %1").arg(out_)};
  output.setDelivered(Report().Delivered);  // the document is released on return
  return {};
}

BatchCommand ReportCommand(ReportJob& job) {
  BatchCommand c;
  c.name = QStringLiteral("report");
  //: Keep the words in capitals and the option names
  c.usage = Tr::tr("tallowby report [options] NAME --out FILE");
  //: text, tab and pdf are the formats as typed
  c.description = Tr::tr(
      "Builds one report of the data folder without windows and writes it to a file: what the "
      "report window exports (text, tab) or prints (pdf).");
  c.positional = QStringLiteral("NAME");
  c.positionalHelp = Tr::tr("The report to build (listed below).");
  for (const SelectionOption& o : SelectionOptions())
    c.options.append({o.name, QCoreApplication::translate("ReportCommand", o.description), o.valueName});
  //: text, tab and pdf are the formats as typed
  c.options.append({"format", Tr::tr("Output: text (default), tab or pdf."), "text|tab|pdf"});
  c.moreHelp = ReportList();
  c.read = [&job](const QCommandLineParser& parser, QString* error) { return job.read(parser, error); };
  c.outputKind = [&job] { return job.outputKind(); };
  c.build = [&job](BatchOutput& output) { return job.build(output); };
  return c;
}

}  // namespace

int RunReportCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
  ReportJob job;
  return RunBatchCommand(ReportCommand(job), args, out, err);
}

int RunReportCommand(int argc, char* argv[]) {
  ReportJob job;
  return RunBatchCommand(ReportCommand(job), argc, argv);
}
