// Tallowby: invoices and inventory of a small business, over the xBase
// tables of the folder it is started from (or given with --data, or chosen
// at the first start from the desktop menu).
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTextStream>
#include <cstring>

#include "Version.h"
#include "invoicing/EInvoiceCommand.h"
#include "invoicing/RecurCommand.h"
#include "labels/LabelCommand.h"
#include "payments/BankCommand.h"
#include "platform/BatchApplication.h"
#include "platform/Clock.h"
#include "platform/Language.h"
#include "platform/MailProgram.h"
#include "platform/PrinterChoice.h"
#include "platform/Ui.h"
#include "receiving/ReceiveCommand.h"
#include "reports/ReportCommand.h"
#include "shell/About.h"
#include "shell/CommandLine.h"
#include "shell/FirstStart.h"
#include "shell/MainU.h"
#include "shell/ProgramEnd.h"
#include "shell/Windows.h"

namespace {

// Commands that need no display, each with its own options:
// "tallowby NAME ..." runs run(argc, argv) with argv[1] == NAME.
struct Tr {
  Q_DECLARE_TR_FUNCTIONS(main)
};

struct Subcommand {
  const char* name;
  int (*run)(int argc, char* argv[]);
};
const Subcommand kSubcommands[] = {
    {"report", [](int argc, char* argv[]) { return RunReportCommand(argc, argv); }},
    {"labels", [](int argc, char* argv[]) { return RunLabelCommand(argc, argv); }},
    {"einvoice", [](int argc, char* argv[]) { return RunEInvoiceCommand(argc, argv); }},
    {"bank", [](int argc, char* argv[]) { return RunBankCommand(argc, argv); }},
    {"receive", [](int argc, char* argv[]) { return RunReceiveCommand(argc, argv); }},
    {"recur", [](int argc, char* argv[]) { return RunRecurCommand(argc, argv); }},
};

}  // namespace

int main(int argc, char* argv[]) {
  // The language first: the commands' help is in it.
  const QString language = LanguageOption(argc, argv);
  for (const Subcommand& command : kSubcommands) {
    if (argc > 1 && std::strcmp(argv[1], command.name) == 0) {
      BatchApplication application(language);
      return command.run(argc, argv);
    }
  }

  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QTextStream out(stdout), err(stderr);
  bool remembered = false;
  {
    // Parsed without a display (--help works anywhere), in the user's
    // language, which also says what keeps the windows from opening.
    QCoreApplication parsing(argc, argv);
    QCoreApplication::setOrganizationName("Tallowby");
    QCoreApplication::setApplicationName("Tallowby");
    UseLanguage(ChooseLanguage(language));
    const StartOptions options = ParseCommandLine(args, out, err);
    if (!options.start) return options.exitCode;
    if (!options.dataDir.isEmpty() && !QDir::setCurrent(options.dataDir)) {
      err << "tallowby: " << Tr::tr("no such data folder: %1").arg(options.dataDir) << Qt::endl;
      return 1;
    }
    if (!DisplayAvailable()) {
      err << QCoreApplication::translate("CommandLine", kNoDisplayMessage) << Qt::endl;
      return 1;
    }
    remembered = options.remembered;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName("Tallowby");
  QApplication::setOrganizationName("Tallowby");
  QApplication::setApplicationVersion(TALLOWBY_VERSION);
  QApplication::setDesktopFileName("org.tallowby.Tallowby");
  QApplication::setWindowIcon(TallowbyIcon());
  UseLanguage(ChooseLanguage(language));
  Ui::useRealDriver();

  if (remembered) {
    QSettings settings;
    const QString folder = ChooseDataFolder(settings);
    if (folder.isEmpty()) return 0;  // cancelled: nothing written
    if (!QDir::setCurrent(folder)) {
      err << "tallowby: " << Tr::tr("no such data folder: %1").arg(folder) << Qt::endl;
      return 1;
    }
  }

  InstallFatalHook();
  PrinterChoice::selectRemembered();
  // The mail program has long read what was handed to it a day ago.
  RemoveOldMailFolders(Clock::now());

  CreateWindows();
  TMain* main = Windows().Main;
  main->show();  // runs the start-up sequence
  const int code = main->ended() ? main->exitCode() : app.exec();

  DestroyWindows();
  PrinterChoice::selectNone();
  return code;
}
