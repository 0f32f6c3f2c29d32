#include "printing/BatchRunner.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>
#include <optional>

#include "Version.h"
#include "data/CodeBase.h"
#include "data/FolderLock.h"
#include "data/Settings.h"
#include "data/TableSwap.h"
#include "data/dbFiles.h"
#include "platform/BatchApplication.h"
#include "platform/Language.h"
#include "platform/PdfBeside.h"
#include "platform/WindowFont.h"
#include "platform/PrinterChoice.h"
#include "platform/UnattendedUi.h"
#include "printing/RptUtil.h"

namespace {
struct Tr {
  Q_DECLARE_TR_FUNCTIONS(BatchRunner)
};
}  // namespace

// ---- The output -------------------------------------------------------------

struct BatchOutput::Impl {
  std::optional<QSaveFile> file;  // text: discarded unless committed
  std::optional<PdfBeside> pdf;   // print: the job writes beside the target
};

BatchOutput::BatchOutput(const QString& target, Kind kind)
    : kind_(kind), target_(target), impl_(std::make_unique<Impl>()) {
  if (kind == Kind::Text) {
    PrinterChoice::selectNone();  // text is paginated as without a printer
    impl_->file.emplace(target);
    impl_->file->open(QIODevice::WriteOnly);
  } else if (kind == Kind::Pdf) {
    PrinterChoice::selectPdf(target);
    impl_->pdf.emplace(PrinterChoice::printer());
  }
}

BatchOutput::~BatchOutput() {
  impl_.reset();
  if (kind_ == Kind::Pdf) PrinterChoice::selectNone();
}

QIODevice* BatchOutput::file() { return impl_->file ? &*impl_->file : nullptr; }

QPrinter* BatchOutput::printer() { return kind_ == Kind::Pdf ? PrinterChoice::printer() : nullptr; }

bool BatchOutput::commit(QString* why) {
  if (committed_) return true;
  committed_ = true;
  if (impl_->file) {
    QSaveFile& file = *impl_->file;
    if (file.pos() == 0) {
      file.cancelWriting();  // nothing written: no file
      return true;
    }
    if (file.error() == QFileDevice::NoError && file.commit()) return true;
    *why = file.errorString();
    return false;
  }
  if (impl_->pdf) return impl_->pdf->finish(why) != PdfBeside::Result::Failed;
  return true;  // the command put its files in place itself
}

// ---- Options ----------------------------------------------------------------

bool ParseDateOption(const QString& option, const QString& text, TDate* date, QString* error) {
  const QDate d = QDate::fromString(text, Qt::ISODate);
  if (!d.isValid()) {
    *error = Tr::tr("--%1 %2 is not a date of the form YYYY-MM-DD").arg(option, text);
    return false;
  }
  if (d.year() < 1900 || d.year() > 9999) {
    *error = Tr::tr("--%1 %2: dates must lie in the years 1900 to 9999").arg(option, text);
    return false;
  }
  *date = DateFromQDate(d);
  return true;
}

bool ParseNumberList(const QString& option, const QString& text, long max, QList<long>* numbers,
                     QString* error) {
  for (const QString& part : text.split(QLatin1Char(','))) {
    bool ok = false;
    const long n = part.trimmed().toLong(&ok);
    if (!ok || n < 1 || n > max) {
      *error = Tr::tr("--%1: \"%2\" is not a number from 1 to %3")
                   .arg(option, part.trimmed())
                   .arg(max);
      return false;
    }
    numbers->append(n);
  }
  return true;
}

// ---- The run ----------------------------------------------------------------

namespace {

// Thrown by the engine's fatal hook: the command ends with status 1.
struct CommandEnded {
  std::string message;
};

QString HelpText(const BatchCommand& command, const QCommandLineParser& parser) {
  // The parser names the program after the running application; the
  // command runs before there is one.
  QString text = parser.helpText();
  //: %1 is the command with its arguments.
  text.replace(0, text.indexOf(QLatin1Char('\n')), Tr::tr("Usage: %1").arg(command.usage));
  if (!command.moreHelp.isEmpty()) text += QLatin1Char('\n') + command.moreHelp;
  return text;
}

// The data folder put right, the engine started, the settings read; then
// the command's build. Status as RunBatchCommand's.
int Build(const BatchCommand& command, const QString& dataDir, BatchOutput& output,
          const std::function<void(const QString&)>& say, const std::function<bool()>& said) {
  QString why;
  FolderHold hold;  // no restore or conversion starts while the command reads
  switch (FinishInterruptedSwap(dataDir, &why, &hold)) {
    case SwapRecovery::Busy:
      say(Tr::tr("the data folder is being restored or converted by another program; "
                 "try again when it has finished"));
      return 1;
    case SwapRecovery::Failed:
      say(Tr::tr("a restore or conversion cut short could not be finished: %1").arg(why));
      return 1;
    default: break;
  }
  try {
    StartEngine(dataDir);
    if (DataFilesPresent()) PrepareTables();
    ReadSettings();
    SetReportFontFromSettings(WindowFont());
    const BatchResult result = command.build(output);
    // A document for customers is delivered once it is in place: its
    // invoices are then issued, while the engine still runs.
    if (result.kind == BatchResult::Kind::Done && output.delivered() && !said()) {
      QString why;
      // What delivery records is written beside no program holding the
      // folder (its open tables would overwrite it), and a document that
      // cannot be recorded does not go out.
      const std::unique_ptr<FolderLock> lock = HoldFolderForWriting(dataDir, &why);
      if (!lock || !output.commit(&why)) {
        EndEngine();
        //: %2 is why.
        say(Tr::tr("Unable to save to: %1 (%2)").arg(output.target(), why));
        return 1;
      }
      output.delivered()();
    }
    EndEngine();
    const bool failed = said();
    for (const QString& line : result.message.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) say(line);
    switch (result.kind) {
      case BatchResult::Kind::Done:
      case BatchResult::Kind::Nothing: return failed ? 1 : 0;
      case BatchResult::Kind::Failed: return 1;
      case BatchResult::Kind::Unusable: return 2;
    }
  } catch (const CommandEnded& e) {
    said();
    if (!e.message.empty()) say(QString::fromLocal8Bit(e.message.c_str()));
    AbandonEngine();
  } catch (const std::exception& e) {
    said();
    say(QString::fromLocal8Bit(e.what()));
    AbandonEngine();
  }
  return 1;
}

}  // namespace

int RunBatchCommand(const BatchCommand& command, const QStringList& args, QTextStream& out,
                    QTextStream& err) {
  const QString prefix = QStringLiteral("tallowby ") + command.name + QStringLiteral(": ");
  auto say = [&](const QString& text) { err << prefix << text.simplified() << Qt::endl; };
  auto unusable = [&](const QString& text) {
    say(text);
    //: %1 is the command with its arguments, %2 the command's name.
    err << Tr::tr("usage: %1 (see tallowby %2 --help)").arg(command.usage, command.name)
        << Qt::endl;
    return 2;
  };

  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(command.description);
  // Help and version of their own: the parser's would end the process.
  const QCommandLineOption help({"h", "help"}, Tr::tr("Displays this help."));
  const QCommandLineOption version({"v", "version"}, Tr::tr("Displays version information."));
  parser.addOption(help);
  parser.addOption(version);
  parser.addPositionalArgument(command.positional, command.positionalHelp);
  parser.addOption({"data", Tr::tr("Data folder (default: the current folder)."), "DIR"});
  parser.addOption({"language", Tr::tr("Language of the document and the messages: de, fr or en."),
                    "LANG"});
  for (const QCommandLineOption& o : command.options) parser.addOption(o);
  parser.addOption({"out", Tr::tr("Output file (required)."), "FILE"});

  if (!parser.parse(QStringList{QStringLiteral("tallowby ") + command.name} + args))
    return unusable(parser.errorText());
  if (parser.isSet(help)) {
    out << HelpText(command, parser) << Qt::flush;
    return 0;
  }
  if (parser.isSet(version)) {
    out << "tallowby " << TALLOWBY_VERSION << Qt::endl;
    return 0;
  }
  if (parser.isSet("language") && !IsLanguageCode(parser.value("language")))
    return unusable(Tr::tr("unknown language %1 (de, fr or en)").arg(parser.value("language")));
  QString error;
  if (!command.read(parser, &error)) return unusable(error);
  const QString out_ = parser.value("out");
  if (out_.isEmpty()) return unusable(Tr::tr("--out FILE is required"));

  const QString data = parser.value("data");
  const QDir dataDir(data.isEmpty() ? QDir::currentPath() : data);
  if (!dataDir.exists()) {
    say(Tr::tr("no such data folder: %1").arg(data));
    return 1;
  }
  const QString target = QFileInfo(out_).absoluteFilePath();
  const QFileInfo place(target);
  const bool folder = command.outputKind() == BatchOutput::Kind::Files && place.isDir();
  if (!(folder ? place.isWritable() : CanWriteFile(target))) {
    say(Tr::tr("Unable to save to: %1").arg(out_));
    return 1;
  }

  int status = 1;
  {
    BatchApplication application(parser.value("language"));
    UnattendedUi ui;
    code4setFatalHook([](int, const std::string& message) { throw CommandEnded{message}; });
    {
      BatchOutput output(target, command.outputKind());
      // What the program said instead of showing it is the reason it
      // stopped; each message is told once, however often this is asked.
      qsizetype told = 0;
      auto said = [&] {
        const QStringList& messages = ui.messages();
        for (; told < messages.size(); ++told) say(messages[told]);
        return !messages.isEmpty();
      };
      // A command reads the folder once through: the check at the start,
      // then its document.
      const tbengine::ResidentBudget budget(kDocumentResidentBytes);
      status = Build(command, dataDir.absolutePath(), output, say, said);
      QString why;
      if (status == 0 && !output.commit(&why)) {
        //: %2 is why.
        say(Tr::tr("Unable to save to: %1 (%2)").arg(out_, why));
        status = 1;
      }
    }
    code4setFatalHook({});
    EndReport();
  }
  return status;
}

int RunBatchCommand(const BatchCommand& command, int argc, char* argv[]) {
  QStringList args;
  for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QTextStream out(stdout);
  QTextStream err(stderr);
  return RunBatchCommand(command, args, out, err);
}
