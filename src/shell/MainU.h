// The main window: five tabs of commands, the progress box of long
// operations, the preferences kept in the settings record, and the start-up
// and closing sequences of the program.
//
// Every command runs to its end before the window takes the next, and each
// opens the tables it needs and closes them all when done. A command whose
// window is built elsewhere is connected in ConnectCommands (MainU.cpp).
#ifndef SHELL_MAINU_H
#define SHELL_MAINU_H

#include <QMainWindow>
#include <functional>
#include <memory>

#include "data/FolderHold.h"
#include "data/FolderLock.h"
#include "data/Progress.h"

class QAbstractButton;
class QAction;
class QComboBox;
class QFont;
class QFontDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QToolButton;
enum class ExportFormat;

class TMain : public QMainWindow, public ProgressSink {
  Q_OBJECT
 public:
  explicit TMain(QWidget* parent = nullptr);
  ~TMain() override;

  // True once the start-up sequence ended the program (the data files are
  // not in the current directory); exitCode() is then the program's.
  bool ended() const { return ended_; }
  int exitCode() const { return exitCode_; }

  // The progress box: bar to 0, caption set, box shown or hidden.
  void ShowProgress(bool visible, const QString& caption = QString());
  void SetProgress(int percent);

  // The report font's name and size as Edit1 shows them: "name@size".
  static QString FontText(const QFont& font);

  QTabWidget* PageControl1;
  QWidget *TabSheet1, *TabSheet3, *TabSheet4, *TabSheet5, *TabSheet6;
  // Invoices
  QToolButton *BtnInvoice, *BtnInvPrint, *BtnInvLab, *BtnPrintBatch, *BtnBank, *BtnRemind, *BtnQuotes, *BtnRecur;
  // Customers and Products
  QToolButton *BtnCust, *BtnGroups, *BtnProd, *BtnPurchase, *BtnReceived, *Image4, *Image5;
  // Report Generation
  QToolButton *BtnRInv, *BtnRProf, *BtnRSales, *BtnRLabels, *BtnMMerge, *BtnInvRpts;
  // Preferences
  QPushButton *BtnStationary, *BtnSTax, *BtnLabForms, *BtnFont, *BtnPSetup, *BtnDirectories,
      *BtnEInvoicing;
  QLineEdit *Edit1, *Edit2;
  QGroupBox *GroupBox1, *GroupBox2;
  QRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton4;
  QFontDialog* FontDialog1;
  // The windows' language, remembered for the next start (RememberLanguage).
  QLabel* LblLanguage;
  QComboBox* CmbLanguage;
  // File Maintenance
  QToolButton *BtnBackup, *BtnRestore, *BtnIndex, *BtnPack, *BtnUpgrade, *BtnErase, *BtnExport;

  QGroupBox* ProgressBox;
  QProgressBar* ProgressBar1;
  // The line each maintenance command ends with ("Backup: 15 files copied
  // to FOLDER.").
  QStatusBar* StatusBar1;

  // Pop-up menus of the Report Generation tab.
  QMenu *PopupMenu1, *PopupMenu2, *PopupMenu3, *PopupMenu4, *PopupMenu5, *PopupMenu6;
  QAction *SelectedDates2, *SelectedInvoices1, *WithBalancesDue2, *SelectedBills2,
      *WithBalances2, *SelectedCustomers4, *EInvoiceDates1, *EInvoiceSelected1;  // PopupMenu1
  QAction *SalesSummary1, *ProductSummary1, *ProductBuyers1, *IncomeSummary1,
      *ReceivableIncome1, *TaxSummary1;                                     // PopupMenu2
  QAction *Inventory1, *CostofGoodsSold1, *StockOnHand1;                    // PopupMenu3
  QAction *SelectedCustomers2, *SelectedGroups1;                            // PopupMenu4
  QAction *SelectedCustomers3, *InvoicesDated1, *PastDueBilling1, *BalanceDueStatement1,
      *CustomerGroups1;                                                     // PopupMenu5
  QAction *ExportSQLite1, *ExportPostgreSQL1, *ExportCSV1;                  // PopupMenu6
  // Main menu.
  QAction *Exit1, *About1, *HelpContents1;

 public slots:
  void FormShow();
  void FormClose();
  void BtnInvoiceClick();
  void BtnCustClick();
  void BtnGroupsClick();
  void BtnProdClick();
  void BtnPurchaseClick();
  void BtnRInvClick();
  void BtnRProfClick();
  void BtnRSalesClick();
  void BtnRLabelsClick();
  void BtnInvRptsClick();
  void BtnLabFormsClick();
  void BtnFontClick();
  void BtnPSetupClick();
  void GroupBox1Exit();
  void GroupBox2Exit();
  void BtnIndexClick();
  void BtnPackClick();
  void BtnEraseClick();
  void BtnBackupClick();
  void BtnRestoreClick();
  void BtnUpgradeClick();
  void BtnDirectoriesClick();
  void BtnMMergeClick();
  void BtnExportClick();
  void Exit1Click();
  void About1Click();
  void HelpContents1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildForm();
  void BuildMenus();
  void ConnectCommands();
  // Runs action when button is clicked (or the item chosen); an error it
  // does not test for is shown and abandons it.
  void command(QAbstractButton* button, std::function<void()> action);
  void command(QAction* item, std::function<void()> action);
  void FocusMoved(QWidget* from, QWidget* to);
  // "Export Data…" once the format is chosen: asks for the file (for CSV
  // the folder), exports with the progress box and says how it went.
  void ExportDataAs(ExportFormat format);
  // Finishes or undoes a restore or conversion that was cut short, and
  // holds the data folder shared for the run; false (after a message) when
  // the data folder could not be put in order.
  bool DataFilesInOrder();
  // Ends the program from the start-up sequence.
  void EndProgram(int code);
  // The report font and the preferences shown as the settings record says.
  void ShowSettings();
  // Says in the status bar what a command did.
  void Say(const QString& line);

  void showProgress(bool visible, const QString& caption) override {
    ShowProgress(visible, caption);
  }
  void setProgress(int percent) override { SetProgress(percent); }

  bool shown_ = false;
  bool started_ = false;
  // The data folder is ours from the start-up check to the end of the run.
  std::unique_ptr<FolderLock> folderLock_;
  // No other program swaps the tables while this one runs (its own restore
  // raises the hold).
  FolderHold dataHold_;
  bool closed_ = false;
  bool ended_ = false;
  int exitCode_ = 0;
};

#endif  // SHELL_MAINU_H
