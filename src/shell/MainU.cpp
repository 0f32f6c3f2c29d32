#include "shell/MainU.h"

#include "payments/BankStatementU.h"
#include "receiving/ReceivedU.h"
#include "payments/RemindersU.h"
#include "invoicing/SchedulesU.h"
#include "quotes/QuoteCommand.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCloseEvent>
#include <QCursor>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QThread>
#include <QToolButton>

#include "data/CodeBase.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "einvoice/EInvoicingU.h"
#include "export/ExportWriter.h"
#include "invoicing/RecurringInvoices.h"
#include "labels/LabelGen.h"
#include "labels/LabelMenus.h"
#include "labels/StationaryU.h"
#include "platform/Clock.h"
#include "platform/EnterPressesButtons.h"
#include "platform/HandlerGuard.h"
#include "platform/Help.h"
#include "platform/Language.h"
#include "platform/PrinterChoice.h"
#include "platform/Ui.h"
#include "platform/WindowFont.h"
#include "products/DefTaxU.h"
#include "reports/ReportMenus.h"
#include "printing/RptUtil.h"
#include "shell/About.h"
#include "shell/EditCommands.h"
#include "shell/Windows.h"

namespace {

// How long the About box stands as the splash screen at least.
constexpr qint64 kSplashMs = 1728;

int PointSize(const QFont& font) {
  return font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
}

bool Inside(const QWidget* widget, const QWidget* box) {
  return widget && (widget == box || box->isAncestorOf(widget));
}

}  // namespace

TMain::TMain(QWidget* parent) : QMainWindow(parent) {
  BuildForm();
  ConnectCommands();
  connect(qApp, &QApplication::focusChanged, this, &TMain::FocusMoved);
  EnterPressesButtons::install(qApp);
  SetProgressSink(this);
  adjustSize();
  // Centred on the screen by the program itself: not every window manager
  // places a new window, and without one it would stand at the corner.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

TMain::~TMain() {
  // Closing the window in ~QWidget moves the focus, after TMain is gone.
  disconnect(qApp, &QApplication::focusChanged, this, nullptr);
  SetProgressSink(nullptr);
}

void TMain::command(QAbstractButton* button, std::function<void()> action) {
  connect(button, &QAbstractButton::clicked, this,
          [action = std::move(action)] { RunGuarded(action); });
}

void TMain::command(QAction* item, std::function<void()> action) {
  connect(item, &QAction::triggered, this, [action = std::move(action)] { RunGuarded(action); });
}

void TMain::ConnectCommands() {
  command(BtnInvoice, [this] { BtnInvoiceClick(); });
  command(BtnCust, [this] { BtnCustClick(); });
  command(BtnGroups, [this] { BtnGroupsClick(); });
  command(BtnProd, [this] { BtnProdClick(); });
  command(BtnPurchase, [this] { BtnPurchaseClick(); });
  command(BtnRInv, [this] { BtnRInvClick(); });
  command(BtnRProf, [this] { BtnRProfClick(); });
  command(BtnRSales, [this] { BtnRSalesClick(); });
  command(BtnRLabels, [this] { BtnRLabelsClick(); });
  command(BtnInvRpts, [this] { BtnInvRptsClick(); });
  command(BtnLabForms, [this] { BtnLabFormsClick(); });
  command(BtnFont, [this] { BtnFontClick(); });
  command(BtnPSetup, [this] { BtnPSetupClick(); });
  command(BtnIndex, [this] { BtnIndexClick(); });
  command(BtnPack, [this] { BtnPackClick(); });
  command(BtnErase, [this] { BtnEraseClick(); });
  command(BtnBackup, [this] { BtnBackupClick(); });
  command(BtnRestore, [this] { BtnRestoreClick(); });
  command(BtnUpgrade, [this] { BtnUpgradeClick(); });
  command(BtnDirectories, [this] { BtnDirectoriesClick(); });
  command(BtnMMerge, [this] { BtnMMergeClick(); });
  command(BtnExport, [this] { BtnExportClick(); });
  command(ExportSQLite1, [this] { ExportDataAs(ExportFormat::Sqlite); });
  command(ExportPostgreSQL1, [this] { ExportDataAs(ExportFormat::Postgres); });
  command(ExportCSV1, [this] { ExportDataAs(ExportFormat::Csv); });
  command(Exit1, [this] { Exit1Click(); });
  command(About1, [this] { About1Click(); });
  command(HelpContents1, [this] { HelpContents1Click(); });
  command(BtnInvPrint, [] { PrintInvoiceSelection(true, true); });
  command(SelectedDates2, [] { PrintInvoiceSelection(true, true); });
  command(SelectedInvoices1, [] { PrintInvoiceSelection(false, true); });
  command(WithBalancesDue2, [] { PrintInvoiceSelection(true, false); });
  command(SelectedBills2, [] { PrintInvoiceSelection(false, false); });
  command(EInvoiceDates1, [] { SaveEInvoiceSelection(true); });
  command(EInvoiceSelected1, [] { SaveEInvoiceSelection(false); });
  command(BtnEInvoicing, [this] {
    TEInvoicing details(this);
    Ui::get().exec(&details);
  });
  command(WithBalances2, [] { PrintStatements(true); });
  command(SelectedCustomers4, [] { PrintStatements(false); });
  command(ReceivableIncome1, [] { PrintReceivables(); });
  command(TaxSummary1, [] { PrintTaxReport(); });
  command(IncomeSummary1, [] { PrintDailyIncome(); });
  command(ProductSummary1, [] { PrintSalesByProduct(); });
  command(SalesSummary1, [] { PrintSalesSummary(); });
  command(SelectedCustomers2, [] { PrintProfiles(false); });
  command(SelectedGroups1, [] { PrintProfiles(true); });
  command(ProductBuyers1, [] { PrintBuyers(); });
  command(Image5, [] { PrintPurchasingReport(); });
  command(Image4, [] { PrintProductListing(); });
  command(StockOnHand1, [] { PrintStockOnHand(); });
  command(Inventory1, [] { PrintInventory(); });
  command(CostofGoodsSold1, [] { PrintCostOfGoodsSold(); });
  command(BtnSTax, [] {
    if (TTaxDef* tax = Windows().TaxDef) Ui::get().exec(tax);
  });
  command(BtnStationary, [] {
    if (TStationary* stationery = Windows().Stationary) Ui::get().exec(stationery);
  });
  // The windows keep their language to the end of the run.
  connect(CmbLanguage, &QComboBox::currentIndexChanged, this, [this](int i) {
    RememberLanguage(CmbLanguage->itemData(i).toString());
    Say(tr("The new language shows when Tallowby is started again."));
  });
  command(BtnInvLab, [] { PrintLabels(kInvoicesDated); });
  command(BtnPrintBatch, [] { PrintBatchLabels(); });
  command(BtnBank, [this] { ImportBankStatement(this); });
  command(BtnReceived, [this] { ShowReceivedInvoices(this); });
  command(BtnRemind, [this] {
    TReminders reminders(this);
    Ui::get().exec(&reminders);
  });
  command(BtnQuotes, [] { EditQuotes(Windows().PickQuote, Windows().Quote); });
  command(BtnRecur, [] {
    if (TSchedules* schedules = Windows().Schedules) Ui::get().exec(schedules);
  });
  command(SelectedCustomers3, [] { PrintLabels(kSelectedCustomers); });
  command(InvoicesDated1, [] { PrintLabels(kInvoicesDated); });
  command(PastDueBilling1, [] { PrintLabels(kPastDueBilling); });
  command(BalanceDueStatement1, [] { PrintLabels(kBalanceDueStatement); });
  command(CustomerGroups1, [] { PrintLabels(kCustomerGroups); });
}

// ---- Progress box -----------------------------------------------------------

void TMain::ShowProgress(bool visible, const QString& caption) {
  ProgressBar1->setValue(0);
  ProgressBox->setTitle(caption);
  ProgressBox->setVisible(visible);
  repaint();
}

void TMain::SetProgress(int percent) { ProgressBar1->setValue(percent); }

// ---- Start and end ------------------------------------------------------------

void TMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_ || event->spontaneous()) return;
  shown_ = true;
  FormShow();
}

void TMain::FormShow() {
  // Two-digit years typed into date boxes are always placed in the 60-year
  // window (ParseShortDate), so there is nothing to set here.
  Starting = true;
  TAboutForm* splash = Windows().AboutForm;
  if (splash) {
    splash->show();
    splash->repaint();
  }
  const QDateTime t0 = Clock::now();

  // A restore or conversion cut short (a crash, a kill) is finished or undone
  // before anything reads the tables.
  if (!DataFilesInOrder()) {
    if (splash) splash->hide();
    Starting = false;
    EndProgram(1);
    return;
  }
  if (!DataFilesPresent()) {
    Ui::get().information(
        tr("Database files not found in startup directory\r\n"
           "Program must be started from the directory containing the data files."));
    if (splash) splash->hide();
    Starting = false;
    EndProgram(1);
    return;
  }

  // A second copy on the same folder would write over the first one's records.
  folderLock_ = std::make_unique<FolderLock>();
  if (!folderLock_->hold()) {
    folderLock_.reset();
    Ui::get().information(QCoreApplication::translate("FolderLock", kFolderBusyMessage));
    if (splash) splash->hide();
    Starting = false;
    EndProgram(1);
    return;
  }

  StartEngine();
  started_ = true;
  PrepareTables();
  ReadSettings();

  DeletionsPending = false;
  ShowSettings();
  UndoCutShortBookingAtStart();
  MakeDueInvoicesAtStart();
  if (PrinterChoice::hasPrinter()) Edit2->setText(PrinterChoice::description());

  const QDateTime until = t0.addMSecs(kSplashMs);
  while (Clock::now() < until) {
    QCoreApplication::processEvents();
    QThread::msleep(10);
  }
  if (splash) splash->close();
  Starting = false;
}

void TMain::ShowSettings() {
  const SettingsRecord& s = Settings();
  SetReportFontFromSettings(WindowFont());
  Edit1->setText(FontText(ReportFont()));
  (s.ByCust ? RadioButton1 : RadioButton2)->setChecked(true);
  (s.fifo ? RadioButton3 : RadioButton4)->setChecked(true);
}

void TMain::Say(const QString& line) { StatusBar1->showMessage(line); }

void TMain::EndProgram(int code) {
  ended_ = true;
  exitCode_ = code;
  QCoreApplication::exit(code);
}

void TMain::closeEvent(QCloseEvent* event) {
  if (!closed_ && !ended_) {
    closed_ = true;
    FormClose();
  }
  event->accept();
}

void TMain::FormClose() {
  if (!started_) return;
  error4exitTest(cb);
  // A choice made just before closing has not left its group box yet.
  if (RadioButton1->isChecked() != Settings().ByCust) GroupBox1Exit();
  if (RadioButton3->isChecked() != Settings().fifo) GroupBox2Exit();
  if (DeletionsPending) PackAll();
  EndEngine();
  started_ = false;
  folderLock_.reset();
  QCoreApplication::exit(0);
}

// ---- Commands ----------------------------------------------------------------

void TMain::BtnInvoiceClick() { EditInvoices(); }
void TMain::BtnCustClick() { EditCustomers(); }
void TMain::BtnGroupsClick() { EditGroups(); }
void TMain::BtnProdClick() { EditProducts(); }
void TMain::BtnPurchaseClick() { EditPurchases(); }
void TMain::BtnLabFormsClick() { EditLabelStock(); }

void TMain::BtnRInvClick() { Ui::get().popup(PopupMenu1, QCursor::pos()); }
void TMain::BtnRProfClick() { Ui::get().popup(PopupMenu4, QCursor::pos()); }
void TMain::BtnRSalesClick() { Ui::get().popup(PopupMenu2, QCursor::pos()); }
void TMain::BtnRLabelsClick() { Ui::get().popup(PopupMenu5, QCursor::pos()); }
void TMain::BtnInvRptsClick() { Ui::get().popup(PopupMenu3, QCursor::pos()); }

void TMain::BtnIndexClick() {
  RebuildIndexes(false);
  Say(tr("Reindex: the index files of every table were rebuilt."));
}

void TMain::BtnPackClick() {
  PackAll();
  Say(tr("Pack: the deleted records of every table were removed."));
}
void TMain::BtnEraseClick() { EraseAll(); }

void TMain::Exit1Click() { close(); }

void TMain::About1Click() {
  if (TAboutForm* about = Windows().AboutForm) Ui::get().exec(about);
}

void TMain::HelpContents1Click() { Help::showContents(); }

// ---- Preferences ---------------------------------------------------------------

QString TMain::FontText(const QFont& font) {
  return font.family() + "@" + QString::number(PointSize(font));
}

void TMain::BtnFontClick() {
  QFont& reportFont = ReportFont();
  FontDialog1->setCurrentFont(reportFont);
  // Cancel leaves the font the dialog was given.
  if (Ui::get().exec(FontDialog1) == QDialog::Accepted) reportFont = FontDialog1->selectedFont();
  Edit1->setText(FontText(reportFont));
  Settings().FontName = reportFont.family();
  Settings().FontSize = PointSize(reportFont);
  WriteSettings();
}

void TMain::BtnPSetupClick() {
  PrinterChoice::setupDialog(this);
  if (PrinterChoice::hasPrinter()) Edit2->setText(PrinterChoice::description());
}

void TMain::FocusMoved(QWidget* from, QWidget* to) {
  if (!to || !started_) return;  // another program took the focus, not another control
  if (Inside(from, GroupBox1) && !Inside(to, GroupBox1)) RunGuarded([this] { GroupBox1Exit(); });
  if (Inside(from, GroupBox2) && !Inside(to, GroupBox2)) RunGuarded([this] { GroupBox2Exit(); });
}

void TMain::GroupBox1Exit() {
  Settings().ByCust = RadioButton1->isChecked();
  WriteSettings();
}

void TMain::GroupBox2Exit() {
  Settings().fifo = RadioButton3->isChecked();
  WriteSettings();
}
