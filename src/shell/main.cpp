// Tallowby: invoices and inventory of a small business, over the xBase
// tables of the folder it is started from.
#include <QApplication>
#include <cstring>

#include "data/DateText.h"
#include "platform/PrinterChoice.h"
#include "platform/Ui.h"
#include "reports/ReportCommand.h"
#include "shell/MainU.h"
#include "shell/ProgramEnd.h"
#include "shell/Windows.h"

int main(int argc, char* argv[]) {
  // "tallowby report NAME ...": a report built without windows, for batch work.
  if (argc > 1 && std::strcmp(argv[1], "report") == 0) return RunReportCommand(argc, argv);

  QApplication app(argc, argv);
  QApplication::setApplicationName("Tallowby");
  QApplication::setApplicationVersion("1.22");
  UseUserLocale();
  Ui::useRealDriver();
  InstallFatalHook();
  PrinterChoice::selectRemembered();

  CreateWindows();
  TMain* main = Windows().Main;
  main->show();  // runs the start-up sequence
  const int code = main->ended() ? main->exitCode() : app.exec();

  DestroyWindows();
  PrinterChoice::selectNone();
  return code;
}
