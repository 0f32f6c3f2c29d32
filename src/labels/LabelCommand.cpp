#include "labels/LabelCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "data/dbFiles.h"
#include "labels/BatchLabel.h"
#include "labels/LabelGen.h"
#include "labels/LabelStock.h"
#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "platform/PainterCanvas.h"
#include "printing/BatchRunner.h"
#include "printing/MultGroupU.h"
#include "printing/RptUtil.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(LabelCommand)
};

// The words typed on the command line; they stay English.
const QStringList kKinds = {"customers", "invoices", "past-due", "statements", "groups", "batch"};

// What the command line asks for.
class LabelJob {
 public:
  bool read(const QCommandLineParser& parser, QString* error);
  BatchResult build(BatchOutput& output);

 private:
  // The stock named on the command line into the request; "" when found,
  // else what the program says.
  QString chooseStock();
  // The groups given (all: every group the picker lists); "" when they all
  // exist.
  QString chooseGroups();
  // "" when every customer given is on file; else the first that is not, as
  // the report command says it.
  QString missingCustomer() const;
  // "" when the first label's column and row are on the stock (the row on a
  // sheet of the page canvas measures); else which is not.
  QString placeOffTheStock(Canvas& canvas) const;

  LabelRequest request_;
  QString stock_;
  bool allGroups_ = false;
  QList<int> groups_;
  QString out_;
};

// A whole number from low to high.
bool ParseNumber(const QString& option, const QString& text, int low, int high, int* n,
                 QString* error) {
  bool ok = false;
  *n = text.toInt(&ok);
  if (ok && *n >= low && *n <= high) return true;
  //: %1 is an option's name, %2 the value typed
  *error = Tr::tr("--%1 %2: a number from %3 to %4 is needed")
               .arg(option, text, QString::number(low), QString::number(high));
  return false;
}

bool LabelJob::read(const QCommandLineParser& parser, QString* error) {
  const QStringList words = parser.positionalArguments();
  if (words.size() != 1) {
    *error = words.isEmpty() ? Tr::tr("which labels?")
                             : Tr::tr("one kind of labels only: %1").arg(words.join(' '));
    return false;
  }
  request_.kind = int(kKinds.indexOf(words[0])) + 1;
  if (request_.kind == 0) {
    *error = Tr::tr("unknown kind of labels: %1").arg(words[0]);
    return false;
  }
  const int kind = request_.kind;
  stock_ = parser.value("stock").trimmed();
  out_ = parser.value("out");
  if (stock_.isEmpty()) {
    *error = Tr::tr("--stock NAME is required");
    return false;
  }
  if (parser.isSet("column") &&
      !ParseNumber("column", parser.value("column"), 1, 9, &request_.column, error))
    return false;
  if (parser.isSet("row") && !ParseNumber("row", parser.value("row"), 1, 99, &request_.row, error))
    return false;

  // The span proposed is today, as the date span picker proposes it.
  request_.from = request_.to = DateFromQDate(Clock::today());
  const bool dated = kind >= kInvoicesDated && kind <= kBalanceDueStatement;
  for (auto [option, date] : {std::pair{"from", &request_.from}, {"to", &request_.to}}) {
    if (!parser.isSet(option)) continue;
    if (!dated) {
      //: invoices, past-due and statements are the kinds as typed on the command line
      *error = Tr::tr("--%1 is for invoices, past-due and statements only").arg(option);
      return false;
    }
    if (!ParseDateOption(option, parser.value(option), date, error)) return false;
  }
  if (parser.isSet("groups") != (kind == kCustomerGroups)) {
    //: the second "groups" is the kind as typed on the command line
    *error = kind == kCustomerGroups ? Tr::tr("--groups N,N,...|all is required")
                                     : Tr::tr("--groups is for groups only");
    return false;
  }
  if (kind == kCustomerGroups) {
    if (parser.value("groups") == "all") {
      allGroups_ = true;
    } else {
      QList<long> groups;
      if (!ParseNumberList("groups", parser.value("groups"), 99, &groups, error)) return false;
      for (long g : groups) groups_ << int(g);
    }
  }
  if (parser.isSet("customers") != (kind == kSelectedCustomers)) {
    //: the second "customers" is the kind as typed on the command line
    *error = kind == kSelectedCustomers ? Tr::tr("--customers N,N,... is required")
                                        : Tr::tr("--customers is for customers only");
    return false;
  }
  return kind != kSelectedCustomers ||
         ParseNumberList("customers", parser.value("customers"), 999999, &request_.customers, error);
}

QString LabelJob::chooseStock() {
  TablesClosedAtEnd tables;
  if (!OpenLABELS()) return QString();  // the engine has ended the command
  if (d4recCountDo(Labels.d) == 0)
    return Tr::tr("Label Stock has not been defined. Choose Setup - Labels to define label stock.");
  if (!FindStock(stock_)) return Tr::tr("no label stock named %1").arg(stock_);
  request_.stock = LabelBuf;
  return QString();
}

QString LabelJob::missingCustomer() const {
  TablesClosedAtEnd tables;
  if (!OpenCUST5()) return QString();
  d4tagSelect(Cust5.d, d4tag(Cust5.d, "ccno"));
  for (long cuno : request_.customers)
    if (!SeekNumber(Cust5.d, Cust5.cuno, cuno))
      return Tr::tr("--customers: there is no customer %1").arg(cuno);
  return QString();
}

QString LabelJob::placeOffTheStock(Canvas& canvas) const {
  const LabelRecord& stock = request_.stock;
  if (request_.column > stock.NAcross)
    return Tr::tr("--column %1: label stock %2 has %3 labels across")
        .arg(QString::number(request_.column), stock_, QString::number(stock.NAcross));
  const int rows = PageGeometry(stock, canvas).rowsPerPage;
  if (!stock.Continuous && request_.row > rows)
    return Tr::tr("--row %1: label stock %2 has %3 rows on a page")
        .arg(QString::number(request_.row), stock_, QString::number(rows));
  return QString();
}

QString LabelJob::chooseGroups() {
  TablesClosedAtEnd tables;
  if (!OpenGROUPS()) return QString();
  const QList<ListedGroup> listed = ListedGroups();
  QList<int> missing = groups_;
  for (const ListedGroup& g : listed) {
    missing.removeAll(g.number);
    if (allGroups_ || groups_.contains(g.number)) request_.groups << g.number;
  }
  QStringList why;
  for (int n : missing) why << Tr::tr("no customer group %1").arg(n);
  return why.join(QLatin1Char('\n'));
}

BatchResult LabelJob::build(BatchOutput& output) {
  // What the date span picker says to such a span.
  if (request_.from > request_.to)
    return {BatchResult::Kind::Failed,
            Tr::tr("Ending Date must be greater than or equal to Starting Date.")};
  if (request_.kind == kBatchLabels && BatchLabelPath().isEmpty())
    return {BatchResult::Kind::Failed, Tr::tr("Unable to save to: %1").arg(kBatchLabelFile)};
  if (request_.kind == kSelectedCustomers) {
    const QString missing = missingCustomer();
    if (!missing.isEmpty()) return {BatchResult::Kind::Unusable, missing};
  }
  QString why = chooseStock();
  if (why.isEmpty() && request_.kind == kCustomerGroups) why = chooseGroups();
  if (!why.isEmpty()) return {BatchResult::Kind::Failed, why};

  WholeSheetOfPdf whole(output.printer());
  // The job begins with the first row drawn; nothing collected, no job.
  PainterCanvas canvas(output.printer());
  why = StockProblem(request_.stock, canvas, ReportFont());
  if (!why.isEmpty()) return {BatchResult::Kind::Failed, why};
  why = placeOffTheStock(canvas);
  if (!why.isEmpty()) return {BatchResult::Kind::Unusable, why};
  RememberStock(stock_);  // as the print dialog's OK does
  if (!BuildLabels(request_, canvas, ReportFont()))
    return {BatchResult::Kind::Nothing, Tr::tr("nothing to label; %1 was not written").arg(out_)};
  canvas.end();
  return {};
}

BatchCommand LabelCommand(LabelJob& job) {
  BatchCommand c;
  c.name = QStringLiteral("labels");
  //: Keep the words in capitals and the option names
  c.usage = Tr::tr("tallowby labels [options] KIND --stock NAME --out FILE.pdf");
  c.description = Tr::tr("Prints address labels of the data folder into a PDF file.");
  c.positional = QStringLiteral("KIND");
  //: The kinds (customers, invoices, past-due, statements, groups, batch) stay as typed
  c.positionalHelp = Tr::tr(
      "customers (those of --customers, in that order), invoices (the customers of the span's "
      "invoices), past-due (of those with an amount due), statements (each customer with such an "
      "invoice once), groups (the members of --groups) or batch (those of BatchLab.dat).");
  c.options = {
      {"stock", Tr::tr("The label stock to print on, by name."), "NAME"},
      {"column", Tr::tr("The column of the first label (default 1)."), "C"},
      {"row", Tr::tr("The row of the first label (default 1)."), "R"},
      {"from", Tr::tr("First invoice date (default today)."), "YYYY-MM-DD"},
      {"to", Tr::tr("Last invoice date (default today)."), "YYYY-MM-DD"},
      //: "all" stays as typed
      {"groups", Tr::tr("The customer groups, or all."), "N,N,...|all"},
      {"customers", Tr::tr("The customers by number, in label order."), "N,N,..."},
  };
  c.read = [&job](const QCommandLineParser& parser, QString* error) { return job.read(parser, error); };
  c.outputKind = [] { return BatchOutput::Kind::Pdf; };
  c.build = [&job](BatchOutput& output) { return job.build(output); };
  return c;
}

}  // namespace

int RunLabelCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
  LabelJob job;
  return RunBatchCommand(LabelCommand(job), args, out, err);
}

int RunLabelCommand(int argc, char* argv[]) {
  LabelJob job;
  return RunBatchCommand(LabelCommand(job), argc, argv);
}
