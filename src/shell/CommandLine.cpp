#include "shell/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include "Version.h"
#include "platform/Language.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The parser's own options, described by Qt in its context: Qt's French
// catalogue lacks two of them, and the program's catalogue is asked first.
[[maybe_unused]] const char* const kParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
};

}  // namespace

StartOptions ParseCommandLine(const QStringList& args, QTextStream& out, QTextStream& err) {
  QCommandLineParser parser;
  //: Keep the commands and options as they are; the descriptions at the right line up.
  parser.setApplicationDescription(Tr::tr(
      "Invoices, inventory and reports of a small business, kept in the xBase\n"
      "tables of one data folder (by default the current directory).\n"
      "\n"
      "Commands that need no display:\n"
      "  tallowby report NAME ...   a report into a file (tallowby report --help)\n"
      "  tallowby labels KIND ...   address labels into a PDF file (tallowby labels --help)\n"
      "  tallowby einvoice ...      invoices as e-invoices (tallowby einvoice --help)"));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption data("data", Tr::tr("Work on the tables in DIR."), "DIR");
  const QCommandLineOption remembered(
      "remembered",
      Tr::tr("Work in the company folder chosen at an earlier start; the first time, ask for one "
             "(a new, empty company or an existing folder). The desktop menu starts Tallowby so."));
  const QCommandLineOption language(
      "language", Tr::tr("Show the windows and documents in LANG: de, fr or en (by default the "
                         "language chosen in the preferences, else the desktop's)."), "LANG");
  parser.addOption(data);
  parser.addOption(remembered);
  parser.addOption(language);

  StartOptions o;
  const QString name = args.isEmpty() ? QStringLiteral("tallowby") : QFileInfo(args[0]).fileName();
  auto refuse = [&](const QString& why) {
    //: %1 is the program's name, %2 what is wrong.
    err << Tr::tr("%1: %2 (%1 --help tells the usage)").arg(name, why) << Qt::endl;
    o.start = false;
    o.exitCode = 2;
    return o;
  };
  if (!parser.parse(args)) return refuse(parser.errorText());
  if (parser.isSet(help)) {
    // Parsed before any application object exists, so Qt cannot know the
    // program's name for the usage line.
    out << parser.helpText().replace("<executable_name>", name);
    o.start = false;
    return o;
  }
  if (parser.isSet(version)) {
    out << "Tallowby " << TALLOWBY_VERSION << Qt::endl;
    o.start = false;
    return o;
  }
  if (!parser.positionalArguments().isEmpty())
    return refuse(Tr::tr("unknown command %1").arg(parser.positionalArguments().first()));
  if (parser.isSet(language) && !IsLanguageCode(parser.value(language)))
    return refuse(Tr::tr("unknown language %1 (de, fr or en)").arg(parser.value(language)));
  if (parser.isSet(data) && parser.isSet(remembered))
    return refuse(Tr::tr("--data and --remembered exclude each other"));
  o.dataDir = parser.value(data);
  o.remembered = parser.isSet(remembered);
  return o;
}

bool DisplayAvailable() {
  const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
    return true;
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}
