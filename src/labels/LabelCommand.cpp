#include "labels/LabelCommand.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <memory>
#include <optional>

#include "data/CodeBase.h"
#include "data/DateText.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "labels/CountBox.h"
#include "labels/LabPrintU.h"
#include "labels/LabelGen.h"
#include "platform/BatchApplication.h"
#include "platform/Clock.h"
#include "platform/DateBox.h"
#include "platform/PrinterChoice.h"
#include "platform/Ui.h"
#include "reports/DateSpanU.h"
#include "reports/MultGroupU.h"
#include "reports/RptUtil.h"

namespace {

const char* const kUsage =
    "usage: tallowby labels customers|invoices|past-due|statements|groups|batch [--data DIR] "
    "--stock NAME [--column C] [--row R] [--from YYYY-MM-DD] [--to YYYY-MM-DD] "
    "[--groups N,N,...|all] [--customers N,N,...] --out FILE.pdf";

const QStringList kKinds = {"customers", "invoices", "past-due", "statements", "groups", "batch"};

struct Options {
  int kind = 0;
  QString data;
  QString stock;
  int column = 1;
  int row = 1;
  TDate from = 0;
  TDate to = 0;
  bool allGroups = false;
  QList<int> groups;
  QList<long> customers;
  QString out;
};

// Thrown by the engine's fatal hook: the command ends with this status.
struct CommandEnded {
  int status;
};

// A date of the command line; it reaches the generator through the date
// span picker, whose two-digit years lie in the hundred years that begin
// sixty years ago.
bool ParseDate(const QString& option, const QString& text, TDate* date, QString* error) {
  const QDate d = QDate::fromString(text, Qt::ISODate);
  if (!d.isValid()) {
    *error = QStringLiteral("--%1 %2 is not a date of the form YYYY-MM-DD").arg(option, text);
    return false;
  }
  *date = DateFromQDate(d);
  try {
    if (*date > 0 && ParseShortDate(FormatShortDate(*date)) == *date) return true;
  } catch (const ConversionError&) {
  }
  const int first = Clock::today().year() - 60;
  *error = QStringLiteral("--%1 %2: dates must lie in the years %3 to %4")
               .arg(option, text)
               .arg(first)
               .arg(first + 99);
  return false;
}

// A whole number from low to high.
bool ParseNumber(const QString& option, const QString& text, int low, int high, int* n,
                 QString* error) {
  bool ok = false;
  *n = text.toInt(&ok);
  if (ok && *n >= low && *n <= high) return true;
  *error = QStringLiteral("--%1 %2: a number from %3 to %4 is needed").arg(option, text).arg(low).arg(high);
  return false;
}

bool ParseList(const QString& option, const QString& text, int high, QList<long>* numbers,
               QString* error) {
  for (const QString& part : text.split(',')) {
    int n = 0;
    if (!ParseNumber(option, part.trimmed(), 1, high, &n, error)) return false;
    numbers->append(n);
  }
  return true;
}

bool ParseOptions(QCommandLineParser& parser, Options* o, QString* error) {
  const QStringList words = parser.positionalArguments();
  if (words.size() != 1) {
    *error = words.isEmpty() ? QStringLiteral("which labels?")
                             : QStringLiteral("one kind of labels only: ") + words.join(' ');
    return false;
  }
  o->kind = int(kKinds.indexOf(words[0])) + 1;
  if (o->kind == 0) {
    *error = QStringLiteral("unknown kind of labels: ") + words[0];
    return false;
  }
  o->data = parser.value("data");
  o->stock = parser.value("stock").trimmed();
  o->out = parser.value("out");
  if (o->stock.isEmpty()) {
    *error = QStringLiteral("--stock NAME is required");
    return false;
  }
  if (o->out.isEmpty()) {
    *error = QStringLiteral("--out FILE is required");
    return false;
  }
  if (parser.isSet("column") && !ParseNumber("column", parser.value("column"), 1, 9, &o->column, error))
    return false;
  if (parser.isSet("row") && !ParseNumber("row", parser.value("row"), 1, 99, &o->row, error))
    return false;

  const bool dated = o->kind >= kInvoicesDated && o->kind <= kBalanceDueStatement;
  for (const char* option : {"from", "to"}) {
    if (!parser.isSet(option)) continue;
    if (!dated) {
      *error = QStringLiteral("--%1 is for invoices, past-due and statements only").arg(option);
      return false;
    }
    TDate* date = QLatin1String(option) == QLatin1String("from") ? &o->from : &o->to;
    if (!ParseDate(option, parser.value(option), date, error)) return false;
  }
  if (parser.isSet("groups") != (o->kind == kCustomerGroups)) {
    *error = o->kind == kCustomerGroups ? QStringLiteral("--groups N,N,...|all is required")
                                        : QStringLiteral("--groups is for groups only");
    return false;
  }
  if (o->kind == kCustomerGroups) {
    if (parser.value("groups") == "all") {
      o->allGroups = true;
    } else {
      QList<long> groups;
      if (!ParseList("groups", parser.value("groups"), 99, &groups, error)) return false;
      for (long g : groups) o->groups << int(g);
    }
  }
  if (parser.isSet("customers") != (o->kind == kSelectedCustomers)) {
    *error = o->kind == kSelectedCustomers ? QStringLiteral("--customers N,N,... is required")
                                           : QStringLiteral("--customers is for customers only");
    return false;
  }
  if (o->kind == kSelectedCustomers &&
      !ParseList("customers", parser.value("customers"), 999999, &o->customers, error))
    return false;
  return true;
}

// The Ui driver of the command: nobody sits at the screen, so the options
// answer the dialogs, and every message goes to the error stream.
class LabelBatchUi : public Ui {
 public:
  LabelBatchUi(const Options& o, QTextStream& err) : o_(o), err_(err) {}

  bool failed() const { return failed_; }
  void note(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String(" "));
    err_ << "tallowby labels: " << t << Qt::endl;
  }
  void fail(const QString& text) {
    failed_ = true;
    note(text);
  }

  void message(Kind, const QString& text) override { fail(text); }
  bool confirm(Kind, Buttons, const QString& text) override {
    fail(text + " (answered No)");
    return false;
  }
  bool input(const QString& title, const QString&, QString*) override {
    fail(title + " (cancelled)");
    return false;
  }
  QString openFileName(QWidget*, const QString& title, const QString&, const QString&) override {
    fail(title + " (cancelled)");
    return QString();
  }
  QString saveFileName(QWidget*, const QString& title, const QString&, const QString&,
                       const QString&) override {
    fail(title + " (cancelled)");
    return QString();
  }
  QAction* popup(QMenu*, const QPoint&) override { return nullptr; }

  int exec(QDialog* dialog) override {
    dialog->setResult(QDialog::Rejected);
    dialog->show();
    if (auto* print = qobject_cast<TLabPrint*>(dialog)) {
      answerPrint(print);
    } else if (qobject_cast<TDateSpan*>(dialog)) {
      if (o_.from > 0) dialog->findChild<DateBox*>("MaskEdit1")->setDate(o_.from);
      if (o_.to > 0) dialog->findChild<DateBox*>("MaskEdit2")->setDate(o_.to);
      dialog->findChild<QPushButton*>("BtnOK")->click();
    } else if (qobject_cast<TMultGroup*>(dialog)) {
      answerGroups(dialog);
    } else {
      fail(QStringLiteral("unexpected window: ") + dialog->windowTitle());
    }
    if (dialog->isVisible()) dialog->close();
    return dialog->result();
  }

 private:
  void answerPrint(TLabPrint* print) {
    const int line = print->ComboBox1->findText(o_.stock);
    if (line < 0) {
      fail(QStringLiteral("no label stock named ") + o_.stock);
      return;
    }
    print->ComboBox1->setCurrentIndex(line);
    print->ComboBox1Change();
    print->MaskEdit1->setNumber(o_.column);
    print->MaskEdit2->setNumber(o_.row);
    print->BtnOK->click();
  }

  void answerGroups(QDialog* dialog) {
    auto* list = dialog->findChild<QListWidget*>("ListBox1");
    QList<int> missing = o_.groups;
    for (int i = 0; i < list->count(); ++i) {
      const int n = list->item(i)->text().left(2).trimmed().toInt();
      const bool wanted = o_.allGroups || o_.groups.contains(n);
      list->item(i)->setSelected(wanted);
      missing.removeAll(n);
    }
    for (int n : missing) fail(QStringLiteral("no customer group %1").arg(n));
    if (!missing.isEmpty()) return;
    dialog->findChild<QPushButton*>("BtnRun")->click();
  }

  const Options& o_;
  QTextStream& err_;
  bool failed_ = false;
};

struct OptionText {
  const char* names;  // "h,help": short and long name
  const char* description;
  const char* value;  // "" for a switch
};
const OptionText kOptions[] = {
    {"h,help", "Shows this help.", ""},
    {"v,version", "Shows the version.", ""},
    {"data", "The data folder (default: the current folder).", "DIR"},
    {"stock", "The label stock to print on, by name.", "NAME"},
    {"column", "The column of the first label (default 1).", "C"},
    {"row", "The row of the first label (default 1).", "R"},
    {"from", "First invoice date (default today).", "YYYY-MM-DD"},
    {"to", "Last invoice date (default today).", "YYYY-MM-DD"},
    {"groups", "The customer groups, or all.", "N,N,..."},
    {"customers", "The customers by number, in label order.", "N,N,..."},
    {"out", "The PDF file to write.", "FILE.pdf"},
};

void AddOptions(QCommandLineParser& parser) {
  for (const OptionText& o : kOptions) {
    parser.addOption(QCommandLineOption(QString::fromLatin1(o.names).split(','),
                                        QString::fromLatin1(o.description),
                                        QString::fromLatin1(o.value)));
  }
}

// The help is written here: the parser's own would want the application's
// file path, which a command run before the application does not have.
void PrintHelp(QTextStream& out) {
  out << kUsage << Qt::endl << Qt::endl;
  for (const OptionText& o : kOptions) {
    QStringList names;
    for (const QString& n : QString::fromLatin1(o.names).split(','))
      names << (n.size() == 1 ? "-" : "--") + n;
    QString left = names.join(", ");
    if (*o.value) left += QStringLiteral(" <%1>").arg(QString::fromLatin1(o.value));
    out << "  " << left.leftJustified(28) << " " << o.description << Qt::endl;
  }
}

// Prints the labels into the PDF file pdf (written beside it and put in its
// place once complete); status as RunLabelCommand's, *printed whether
// labels were printed.
int Print(const Options& o, const QString& pdf, LabelBatchUi& ui, QTextStream& err, bool* printed) {
  const QDir data(o.data.isEmpty() ? QDir::currentPath() : o.data);
  PrinterChoice::selectPdf(pdf);
  Ui& previous = Ui::get();
  Ui::install(&ui);
  code4setFatalHook([&err](int, const std::string& message) {
    if (!message.empty())
      err << "tallowby labels: " << QString::fromLocal8Bit(message.c_str()) << Qt::endl;
    throw CommandEnded{1};
  });
  int status = 0;
  try {
    StartEngine(data.absolutePath());
    if (DataFilesPresent()) RebuildIndexes(true);
    ReadSettings();
    SetReportFontFromSettings(QApplication::font());
    TLabPrint print;
    TDateSpan span;
    TMultGroup groups;
    *printed = o.kind == kBatchLabels
                   ? PrintBatchLabels()
                   : PrintLabels(o.kind, o.kind == kSelectedCustomers ? &o.customers : nullptr);
    EndEngine();
  } catch (const CommandEnded& e) {
    status = e.status;
    AbandonEngine();
  } catch (const std::exception& e) {
    ui.fail(QString::fromLocal8Bit(e.what()));
    status = 1;
    AbandonEngine();
  }
  code4setFatalHook({});
  Ui::install(&previous);
  PrinterChoice::selectNone();
  if (status == 0 && ui.failed()) status = 1;
  return status;
}

}  // namespace

int RunLabelCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  AddOptions(parser);
  if (!parser.parse(QStringList{"tallowby labels"} + args)) {
    err << "tallowby labels: " << parser.errorText() << Qt::endl << kUsage << Qt::endl;
    return 2;
  }
  if (parser.isSet("help")) {
    PrintHelp(out);
    return 0;
  }
  if (parser.isSet("version")) {
    out << "tallowby 1.22" << Qt::endl;
    return 0;
  }
  Options o;
  QString error;
  if (!ParseOptions(parser, &o, &error)) {
    err << "tallowby labels: " << error << Qt::endl << kUsage << Qt::endl;
    return 2;
  }
  if (!o.data.isEmpty() && !QFileInfo(o.data).isDir()) {
    err << "tallowby labels: no such data folder: " << o.data << Qt::endl;
    return 1;
  }
  const QString target = QFileInfo(o.out).absoluteFilePath();
  if (!CanWriteFile(target)) {
    err << "tallowby labels: Unable to save to: " << o.out << Qt::endl;
    return 1;
  }

  LabelBatchUi ui(o, err);
  bool printed = false;
  int status = 0;
  {
    BatchApplication application;
    status = Print(o, target, ui, err, &printed);
  }
  if (status == 0 && !printed) ui.note(QStringLiteral("nothing to label; %1 was not written").arg(o.out));
  return status;
}

int RunLabelCommand(int argc, char* argv[]) {
  QStringList args;
  for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QTextStream out(stdout);
  QTextStream err(stderr);
  return RunLabelCommand(args, out, err);
}
