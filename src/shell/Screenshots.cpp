// tallowby-screenshots DATA-DIR OUT-DIR: starts the program's windows on a
// data folder, as tallowby does, and saves pictures of the main window (one
// per tab), of the About box, of the E-Invoicing window and of the company
// folder dialog of the first start into OUT-DIR. Used by
// scripts/screenshots.sh under a virtual X display.
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <cstdio>

#include "einvoice/EInvoicingU.h"
#include "platform/Language.h"
#include "shell/About.h"
#include "shell/DataFolderU.h"
#include "shell/MainU.h"
#include "shell/ProgramEnd.h"
#include "shell/Windows.h"

namespace {

bool Save(QWidget* widget, const QString& file) {
  QCoreApplication::processEvents();
  if (widget->grab().save(file)) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tallowby");
  QApplication::setWindowIcon(TallowbyIcon());
  UseLanguage(ChooseLanguage(QString()));
  if (argc != 3) {
    std::fprintf(stderr, "usage: tallowby-screenshots DATA-DIR OUT-DIR\n");
    return 2;
  }
  const QString out = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
  if (!QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "no folder %s\n", argv[1]);
    return 2;
  }
  InstallFatalHook();
  CreateWindows();
  TMain* main = Windows().Main;
  main->show();
  if (main->ended()) return main->exitCode();

  bool ok = true;
  const char* names[] = {"main-invoices", "main-customers", "main-reports", "main-preferences",
                         "main-maintenance"};
  for (int i = 0; i < main->PageControl1->count(); ++i) {
    main->PageControl1->setCurrentIndex(i);
    ok = Save(main, out + "/" + names[i] + ".png") && ok;
  }
  main->PageControl1->setCurrentIndex(0);
  //: The progress box's caption while the index files are rebuilt.
  main->ShowProgress(true, QCoreApplication::translate("Screenshots", "Rebuilding Indexes"));
  main->SetProgress(60);
  ok = Save(main, out + "/main-progress.png") && ok;
  main->ShowProgress(false);

  TAboutForm* about = Windows().AboutForm;
  about->show();
  ok = Save(about, out + "/about.png") && ok;
  about->close();

  TEInvoicing seller;
  seller.show();
  ok = Save(&seller, out + "/einvoicing.png") && ok;
  seller.close();

  TDataFolder folder;
  folder.show();
  ok = Save(&folder, out + "/company-folder.png") && ok;
  folder.close();

  main->close();
  DestroyWindows();
  return ok ? 0 : 1;
}
