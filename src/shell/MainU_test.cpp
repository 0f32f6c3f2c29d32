#include "shell/MainU.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include "data/CodeBase.h"
#include "data/Settings.h"
#include "platform/Clock.h"
#include "platform/Help.h"
#include "platform/Language.h"
#include "printing/RptUtil.h"
#include "shell/About.h"
#include "shell/TestSupport.h"
#include "shell/Windows.h"

namespace {

using StartUpTest = ShellTest;

const QDateTime kStart(QDate(2026, 3, 15), QTime(10, 0));  // where the test clock starts

TEST_F(StartUpTest, MissingTableEndsTheProgramWithoutTouchingTheFolder) {
  buildIndexes();
  ASSERT_TRUE(QFile::remove(dir.filePath("PMT.dbf")));
  const auto before = files();
  ui.expectMessage(Ui::Kind::Information,
                   "Database files not found in startup directory\r\n"
                   "Program must be started from the directory containing the data files.");
  start();
  EXPECT_TRUE(main()->ended());
  EXPECT_EQ(main()->exitCode(), 1);
  EXPECT_EQ(cb, nullptr) << "the engine was never started";
  EXPECT_EQ(files(), before);
}

TEST_F(StartUpTest, DeletedIndexFileRebuildsOnlyItsTableWithoutProgressBox) {
  buildIndexes();
  ASSERT_TRUE(QFile::remove(dir.filePath("czip.ntx")));
  ageFiles();
  start();
  EXPECT_FALSE(main()->ended());
  EXPECT_EQ(rewritten(), QStringList({"CUST5.cgp", "cName.ntx", "ccno.ntx", "ccomp.ntx", "czip.ntx"}));
  EXPECT_TRUE(progress.isEmpty()) << progress.join(",").toStdString();
}

TEST_F(StartUpTest, SplashStandsItsTimeWithoutOKButtonAndMenuAboutHasOne) {
  TAboutForm* about = Windows().AboutForm;
  QStringList seen;
  struct Watch : QObject {
    TAboutForm* about;
    QStringList* seen;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Show) *seen << "shown as " + about->windowTitle();
      if (e->type() == QEvent::Hide) {
        *seen << (about->OKButton->isHidden() ? "without OK" : "with OK");
        *seen << (kStart.msecsTo(Clock::now()) >= 1728 ? "closed after 1.728 s" : "closed too early");
      }
      return false;
    }
  } watch;
  watch.about = about;
  watch.seen = &seen;
  about->installEventFilter(&watch);
  start();
  EXPECT_EQ(seen, QStringList({"shown as About Tallowby 1.22", "without OK", "closed after 1.728 s"}));
  EXPECT_FALSE(Starting);
  EXPECT_LT(kStart.msecsTo(Clock::now()), 3000)
      << "the splash does not wait longer than it must";

  bool okShown = false;
  ui.onDialog<TAboutForm>([&](TAboutForm* a) { okShown = !a->OKButton->isHidden(); });
  main()->About1->trigger();
  EXPECT_TRUE(okShown);
  about->removeEventFilter(&watch);
}

TEST_F(StartUpTest, ReportFontAndPreferencesComeFromTheSettingsRecord) {
  buildIndexes();
  StartEngine();
  ReadSettings();
  Settings().FontName = "DejaVu Serif";
  Settings().FontSize = 14;
  Settings().ByCust = false;
  Settings().fifo = false;
  WriteSettings();
  EndEngine();
  start();
  EXPECT_EQ(find<QLineEdit>("Edit1")->text(), "DejaVu Serif@14");
  EXPECT_EQ(ReportFont().family(), "DejaVu Serif");
  EXPECT_TRUE(find<QRadioButton>("RadioButton2")->isChecked());
  EXPECT_TRUE(find<QRadioButton>("RadioButton4")->isChecked());
}

TEST_F(StartUpTest, EmptyFontNameAndSizeKeepTheMainWindowFont) {
  start();  // the supplied settings name no font
  EXPECT_EQ(ReportFont().family(), main()->font().family());
  EXPECT_EQ(ReportFont().pointSize(), main()->font().pointSize());
  EXPECT_EQ(main()->Edit1->text(), TMain::FontText(main()->font()));
  EXPECT_TRUE(main()->RadioButton1->isChecked());
  EXPECT_TRUE(main()->RadioButton3->isChecked());
}

TEST_F(StartUpTest, EveryCommandIsThereUnderItsNameWithItsHint) {
  start();
  EXPECT_EQ(main()->windowTitle(), "Tallowby");
  EXPECT_EQ(main()->centralWidget()->size(), QSize(539, 346));
  EXPECT_EQ(Help::contextOf(main()), 10);
  const std::pair<const char*, const char*> tabs[] = {
      {"Invoices", "BtnInvoice:Create & Edit Invoices|BtnInvPrint:Print Invoices for specified "
                   "date(s)|BtnInvLab:Print Mailing Labels for Invoice Date(s)|BtnPrintBatch:Print "
                   "Batch Labels|BtnBank:Book a Bank Statement|BtnRemind:Reminders of Overdue Invoices"},
      {"Customers and Products",
       "BtnCust:Add & Edit Customers|BtnGroups:Add & Edit Customer Groups|BtnProd:Add & Edit "
       "Products / Services|BtnPurchase:Add & Edit Inventory Purchases|BtnReceived:Received E-Invoices|Image4:Print Product "
       "Listing|Image5:Print Purchasing Report"},
      {"Report Generation",
       "BtnRInv:Print Invoices, Bills or Customer Statements|BtnRProf:Print Customer's Purchasing "
       "Profile|BtnRSales:Print Sales & Tax Reports|BtnRLabels:Print Address "
       "Labels|BtnMMerge:Generate a Mail Merge File|BtnInvRpts:Print Inventory Reports"},
      {"Preferences", "BtnStationary:Stationery|BtnSTax:Sales Tax|BtnLabForms:Label "
                      "Forms|BtnFont:Report Font|BtnPSetup:Printer Setup|BtnDirectories:Import "
                      "Dir's|BtnEInvoicing:E-Invoicing"},
      {"File Maintenance",
       "BtnBackup:Backup Data Files|BtnRestore:Restore Data Files|BtnIndex:Reindex Data "
       "Files|BtnPack:Pack Data Files|BtnUpgrade:Import Data from Moorhen version 4 or "
       "5|BtnErase:Erase all data and start over"},
  };
  const int contexts[] = {300, 400, 500, 600, 700};
  QTabWidget* pages = find<QTabWidget>("PageControl1");
  ASSERT_EQ(pages->count(), 5);
  for (int i = 0; i < 5; ++i) {
    pages->setCurrentIndex(i);
    EXPECT_EQ(pages->tabText(i), tabs[i].first);
    EXPECT_EQ(Help::contextOf(pages->widget(i)), contexts[i]);
    for (const QString& entry : QString(tabs[i].second).split('|')) {
      const QString name = entry.section(':', 0, 0), text = entry.section(':', 1);
      auto* b = pages->widget(i)->findChild<QAbstractButton*>(name);
      ASSERT_NE(b, nullptr) << name.toStdString();
      EXPECT_TRUE(b->isVisible()) << name.toStdString();
      EXPECT_TRUE(b->toolTip() == text || b->text() == text) << name.toStdString();
    }
  }
  EXPECT_EQ(find<QGroupBox>("GroupBox1")->title(), " Display - Sort Customers ");
  EXPECT_EQ(find<QGroupBox>("GroupBox2")->title(), " Inventory Method ");
  EXPECT_FALSE(find<QGroupBox>("ProgressBox")->isVisible());

  QStringList popup2;
  for (QAction* a : main()->PopupMenu2->actions()) popup2 << (a->isSeparator() ? "-" : a->objectName());
  EXPECT_EQ(popup2.join(","), "SalesSummary1,ProductSummary1,ProductBuyers1,-,IncomeSummary1,"
                              "ReceivableIncome1,-,TaxSummary1");
  ui.expectPopup("");
  main()->BtnRInv->click();
  ui.expectPopup("");
  main()->BtnInvRpts->click();
  EXPECT_TRUE(ui.transcript().join("|").contains("PopupMenu1|popup: PopupMenu3"))
      << ui.transcript().join("|").toStdString();
}

TEST_F(StartUpTest, HelpButtonsAndMenuOpenTheirSections) {
  QStringList asked;
  Help::setRecorder([&](const QString& anchor) { asked << anchor; });
  start();
  for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5"})
    find<QPushButton>(name)->click();
  main()->HelpContents1->trigger();
  Help::setRecorder(nullptr);
  EXPECT_EQ(asked, QStringList({"context-300", "context-400", "context-500", "context-600",
                                 "context-700", "contents"}));
}

TEST_F(StartUpTest, TheWindowSpeaksGermanOrFrenchWhenBuiltInIt) {
  const struct {
    const char* code;
    QStringList texts;  // a tab, an image button, a menu item, a pop-up item, a button, the choice
  } languages[] = {
      {"de", {"Rechnungen", "Rechnungen erstellen und bearbeiten", "&Beenden", "&Umsatzübersicht",
              "Berichtsschrift", "Systemsprache"}},
      {"fr", {"Factures", "Créer et modifier des factures", "&Quitter", "Résumé des &ventes",
              "Police des rapports", "Langue du bureau"}},
  };
  for (const auto& l : languages) {
    DestroyWindows();
    DocumentLanguage language(l.code);
    CreateWindows();  // as the program builds them at its start, in its language
    const QStringList shown{main()->PageControl1->tabText(0), main()->BtnInvoice->toolTip(),
                            main()->Exit1->text(), main()->SalesSummary1->text(),
                            main()->BtnFont->text(), main()->CmbLanguage->itemText(0)};
    EXPECT_EQ(shown, l.texts);
    EXPECT_EQ(main()->windowTitle(), "Tallowby");
  }
}

TEST_F(StartUpTest, TheLanguageChosenIsRememberedForTheNextStart) {
  // The choice goes to a settings folder of the test's own.
  QTemporaryDir config;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
  struct Back {
    ~Back() {
      QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                         QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
  } back;
  RememberLanguage("fr");
  DestroyWindows();
  CreateWindows();
  start();
  auto* choice = find<QComboBox>("CmbLanguage");
  QStringList items;
  for (int i = 0; i < choice->count(); ++i) items << choice->itemText(i);
  EXPECT_EQ(items, QStringList({"Desktop language", "English", "Deutsch", "Français"}));
  EXPECT_EQ(choice->currentText(), "Français");

  choice->setCurrentIndex(choice->findText("Deutsch"));
  EXPECT_EQ(RememberedLanguage(), "de");
  EXPECT_EQ(main()->statusBar()->currentMessage(),
            "The new language shows when Tallowby is started again.");
  EXPECT_EQ(CurrentLanguage(), "en") << "the windows keep their language to the end of the run";
  choice->setCurrentIndex(0);
  EXPECT_EQ(RememberedLanguage(), "");
  EXPECT_TRUE(QFile::exists(config.filePath("Tallowby/Tallowby.conf")));
}

}  // namespace
