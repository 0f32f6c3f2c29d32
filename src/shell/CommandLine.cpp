#include "shell/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "Version.h"
#include "platform/Language.h"

namespace {

const char* const kDescription =
    "Invoices, inventory and reports of a small business, kept in the xBase\n"
    "tables of one data folder (by default the current directory).\n"
    "\n"
    "Commands that need no display:\n"
    "  tallowby report NAME ...   a report into a file (tallowby report --help)\n"
    "  tallowby labels KIND ...   address labels into a PDF file (tallowby labels --help)\n"
    "  tallowby einvoice ...      invoices as e-invoices (tallowby einvoice --help)";

}  // namespace

StartOptions ParseCommandLine(const QStringList& args, QTextStream& out, QTextStream& err) {
  QCommandLineParser parser;
  parser.setApplicationDescription(kDescription);
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption data("data", "Work on the tables in DIR.", "DIR");
  const QCommandLineOption remembered(
      "remembered",
      "Work in the company folder chosen at an earlier start; the first time, ask for one "
      "(a new, empty company or an existing folder). The desktop menu starts Tallowby so.");
  const QCommandLineOption language(
      "language", "Show the windows and documents in LANG: de, fr or en (by default the "
                  "language chosen in the preferences, else the desktop's).", "LANG");
  parser.addOption(data);
  parser.addOption(remembered);
  parser.addOption(language);

  StartOptions o;
  const QString name = args.isEmpty() ? QStringLiteral("tallowby") : QFileInfo(args[0]).fileName();
  auto refuse = [&](const QString& why) {
    err << name << ": " << why << " (" << name << " --help tells the usage)" << Qt::endl;
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
    return refuse("unknown command " + parser.positionalArguments().first());
  if (parser.isSet(language) && !IsLanguageCode(parser.value(language)))
    return refuse("unknown language " + parser.value(language) + " (de, fr or en)");
  if (parser.isSet(data) && parser.isSet(remembered))
    return refuse("--data and --remembered exclude each other");
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
