// The main window's controls, tabs and menus.
#include <QAction>
#include <QComboBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/Help.h"
#include "platform/Language.h"
#include "platform/WindowFont.h"
#include "shell/MainU.h"

namespace {

constexpr int kClientWidth = 539;
constexpr int kClientHeight = 346;
constexpr int kClientMargin = 6;
const QColor kTeal(0x1f, 0x76, 0x78);

// The picture of an image button: a glyph on a teal tile.
QIcon Tile(QChar glyph, const QFont& font, QColor colour = kTeal) {
  const int size = 64;
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawRoundedRect(QRectF(2, 2, size - 4, size - 4), 12, 12);
  QFont f = font;
  f.setPixelSize(size * 5 / 8);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QString(glyph));
  return QIcon(pixmap);
}

// The hint on (at most) two lines, broken at the blank nearest the middle.
QString ButtonText(const QString& hint) {
  QString text = hint;
  if (text.size() > 22) {
    const int middle = int(text.size()) / 2;
    int best = -1;
    for (int i = 0; i < text.size(); ++i) {
      if (text[i] == ' ' && (best < 0 || qAbs(i - middle) < qAbs(best - middle))) best = i;
    }
    if (best > 0) text[best] = '\n';
  }
  return text.replace("&", "&&");
}

QToolButton* ImageButton(QWidget* parent, const char* name, const QString& hint, QChar glyph,
                         QColor colour = kTeal) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setToolTip(hint);
  b->setAccessibleName(hint);
  b->setText(ButtonText(hint));
  b->setIcon(Tile(glyph, b->font(), colour));
  b->setIconSize(QSize(32, 32));
  b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  b->setAutoRaise(true);
  b->setFocusPolicy(Qt::StrongFocus);
  b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return b;
}

QPushButton* CaptionButton(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

QRadioButton* Radio(QWidget* parent, const char* name, const QString& caption) {
  auto* r = new QRadioButton(caption, parent);
  r->setObjectName(name);
  return r;
}

QWidget* Page(QTabWidget* tabs, const char* name, const QString& caption, int context) {
  auto* page = new QWidget;
  page->setObjectName(name);
  tabs->addTab(page, caption);
  Help::setContext(page, context);
  return page;
}

// Two columns of image buttons, then the tab's Help button at the right.
void LayOutCommands(QWidget* page, const QList<QToolButton*>& buttons, const char* helpName,
                    int context) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(16);
  grid->setVerticalSpacing(6);
  for (int i = 0; i < buttons.size(); ++i) grid->addWidget(buttons[i], i / 2, i % 2);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(Help::makeButton(page, context, helpName));
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(grid);
  layout->addStretch();
  layout->addLayout(bottom);
}

// The Preferences tab's buttons, the Help button last at the right: in one
// row where their captions let them (English, whose row some fonts make a
// few pixels too wide), else in two, the first three above.
void LayOutPreferenceButtons(QVBoxLayout* page, const QList<QPushButton*>& buttons, int room) {
  int rowWidth = -page->spacing();
  for (QPushButton* b : buttons) rowWidth += b->sizeHint().width() + page->spacing();
  const qsizetype firstRow = rowWidth > room + 2 * page->spacing() ? 3 : buttons.size() - 1;
  auto* row = new QHBoxLayout;
  for (qsizetype i = 0; i + 1 < buttons.size(); ++i) {
    if (i == firstRow) {
      row->addStretch();
      page->addLayout(row);
      row = new QHBoxLayout;
    }
    row->addWidget(buttons[i]);
  }
  row->addStretch();
  row->addWidget(buttons.last());
  page->addLayout(row);
}

QAction* Item(QMenu* menu, const char* name, const QString& caption) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(name);
  return a;
}

QMenu* Popup(QWidget* owner, const char* name) {
  auto* m = new QMenu(owner);
  m->setObjectName(name);
  return m;
}

QMenu* Submenu(QMenu* menu, const char* name, const QString& caption) {
  QMenu* sub = menu->addMenu(caption);
  sub->setObjectName(name);
  return sub;
}

}  // namespace

void TMain::BuildForm() {
  setObjectName("Main");
  setWindowTitle("Tallowby");  // untranslated
  setFont(WindowFont());
  Help::setContext(this, 10);

  auto* client = new QWidget(this);
  client->setObjectName("Client");
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);

  PageControl1 = new QTabWidget(client);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setUsesScrollButtons(false);
  PageControl1->setElideMode(Qt::ElideNone);
  // Narrower tab padding, so the five captions fit the window's width.
  PageControl1->setStyleSheet("QTabBar::tab { padding: 4px 8px; }");

  TabSheet1 = Page(PageControl1, "TabSheet1", tr("Invoices"), 300);
  BtnInvoice = ImageButton(TabSheet1, "BtnInvoice", tr("Create & Edit Invoices"), u'\u270E');
  BtnInvPrint = ImageButton(TabSheet1, "BtnInvPrint", tr("Print Invoices for specified date(s)"),
                            u'\u25A4');
  BtnInvLab = ImageButton(TabSheet1, "BtnInvLab", tr("Print Mailing Labels for Invoice Date(s)"),
                          u'\u2709');
  BtnPrintBatch = ImageButton(TabSheet1, "BtnPrintBatch", tr("Print Batch Labels"), u'\u2637');
  BtnBank = ImageButton(TabSheet1, "BtnBank", tr("Book a Bank Statement"), u'\u20AC');
  BtnRemind = ImageButton(TabSheet1, "BtnRemind", tr("Reminders of Overdue Invoices"), u'\u231B');
  BtnQuotes = ImageButton(TabSheet1, "BtnQuotes", tr("Add & Edit Quotes"), u'\u270D');
  BtnRecur = ImageButton(TabSheet1, "BtnRecur", tr("Repeating Invoices"), u'\u21BB');
  LayOutCommands(TabSheet1, {BtnInvoice, BtnInvPrint, BtnInvLab, BtnPrintBatch, BtnBank, BtnRemind, BtnQuotes,
                             BtnRecur},
                 "BitBtn1", 300);

  TabSheet3 = Page(PageControl1, "TabSheet3", tr("Customers and Products"), 400);
  BtnCust = ImageButton(TabSheet3, "BtnCust", tr("Add & Edit Customers"), u'\u263A');
  BtnGroups = ImageButton(TabSheet3, "BtnGroups", tr("Add & Edit Customer Groups"), u'\u2630');
  BtnProd = ImageButton(TabSheet3, "BtnProd", tr("Add & Edit Products / Services"), u'\u25A3');
  BtnPurchase = ImageButton(TabSheet3, "BtnPurchase", tr("Add & Edit Inventory Purchases"), u'\u21E9');
  BtnReceived = ImageButton(TabSheet3, "BtnReceived", tr("Received E-Invoices"), u'\u2709');
  Image4 = ImageButton(TabSheet3, "Image4", tr("Print Product Listing"), u'\u25A4');
  Image5 = ImageButton(TabSheet3, "Image5", tr("Print Purchasing Report"), u'\u25A5');
  LayOutCommands(TabSheet3, {BtnCust, BtnGroups, BtnProd, BtnPurchase, BtnReceived, Image4, Image5}, "BitBtn2",
                 400);

  TabSheet4 = Page(PageControl1, "TabSheet4", tr("Report Generation"), 500);
  BtnRInv = ImageButton(TabSheet4, "BtnRInv", tr("Print Invoices, Bills or Customer Statements"), '$');
  BtnRProf = ImageButton(TabSheet4, "BtnRProf", tr("Print Customer's Purchasing Profile"), u'\u263A');
  BtnRSales = ImageButton(TabSheet4, "BtnRSales", tr("Print Sales & Tax Reports"), '%');
  BtnRLabels = ImageButton(TabSheet4, "BtnRLabels", tr("Print Address Labels"), u'\u2709');
  BtnMMerge = ImageButton(TabSheet4, "BtnMMerge", tr("Generate a Mail Merge File"), u'\u21F6');
  BtnInvRpts = ImageButton(TabSheet4, "BtnInvRpts", tr("Print Inventory Reports"), u'\u25A6');
  LayOutCommands(TabSheet4, {BtnRInv, BtnRProf, BtnRSales, BtnRLabels, BtnMMerge, BtnInvRpts},
                 "BitBtn3", 500);

  TabSheet5 = Page(PageControl1, "TabSheet5", tr("Preferences"), 600);
  QVBoxLayout* preferences = nullptr;
  GroupBox1 = new QGroupBox(tr(" Display - Sort Customers "), TabSheet5);
  GroupBox1->setObjectName("GroupBox1");
  RadioButton1 = Radio(GroupBox1, "RadioButton1", tr("By Name"));
  RadioButton2 = Radio(GroupBox1, "RadioButton2", tr("By Company Name"));
  auto* sortLayout = new QVBoxLayout(GroupBox1);
  sortLayout->addWidget(RadioButton1);
  sortLayout->addWidget(RadioButton2);
  GroupBox2 = new QGroupBox(tr(" Inventory Method "), TabSheet5);
  GroupBox2->setObjectName("GroupBox2");
  RadioButton3 = Radio(GroupBox2, "RadioButton3", tr("First in - First out"));
  RadioButton4 = Radio(GroupBox2, "RadioButton4", tr("Last in - First out"));
  auto* methodLayout = new QVBoxLayout(GroupBox2);
  methodLayout->addWidget(RadioButton3);
  methodLayout->addWidget(RadioButton4);
  BtnFont = CaptionButton(TabSheet5, "BtnFont", tr("Report Font"));
  Edit1 = new QLineEdit(TabSheet5);
  Edit1->setObjectName("Edit1");
  Edit1->setReadOnly(true);
  BtnPSetup = CaptionButton(TabSheet5, "BtnPSetup", tr("Printer Setup"));
  Edit2 = new QLineEdit(TabSheet5);
  Edit2->setObjectName("Edit2");
  Edit2->setReadOnly(true);
  // The windows' language: empty for the desktop's, else each language under
  // its own name, so it is found whatever language the windows show.
  LblLanguage = new QLabel(tr("Language"), TabSheet5);
  LblLanguage->setObjectName("LblLanguage");
  CmbLanguage = new QComboBox(TabSheet5);
  CmbLanguage->setObjectName("CmbLanguage");
  CmbLanguage->addItem(tr("Desktop language"), QString());
  for (const QString& code : LanguageCodes()) CmbLanguage->addItem(LanguageName(code), code);
  LblLanguage->setBuddy(CmbLanguage);
  const QString remembered = RememberedLanguage();
  for (int i = 0; i < CmbLanguage->count(); ++i)
    if (CmbLanguage->itemData(i).toString() == remembered) CmbLanguage->setCurrentIndex(i);
  BtnStationary = CaptionButton(TabSheet5, "BtnStationary", tr("Stationery"));
  BtnSTax = CaptionButton(TabSheet5, "BtnSTax", tr("Sales Tax"));
  BtnLabForms = CaptionButton(TabSheet5, "BtnLabForms", tr("Label Forms"));
  BtnDirectories = CaptionButton(TabSheet5, "BtnDirectories", tr("Import Dir's"));
  BtnEInvoicing = CaptionButton(TabSheet5, "BtnEInvoicing", tr("E-Invoicing"));
  FontDialog1 = new QFontDialog(this);
  FontDialog1->setObjectName("FontDialog1");
  {
    auto* boxes = new QVBoxLayout;
    boxes->addWidget(GroupBox1);
    boxes->addWidget(GroupBox2);
    auto* printing = new QGridLayout;
    printing->addWidget(BtnFont, 0, 0);
    printing->addWidget(Edit1, 0, 1);
    printing->addWidget(BtnPSetup, 1, 0);
    printing->addWidget(Edit2, 1, 1);
    printing->addWidget(LblLanguage, 2, 0, Qt::AlignRight);
    printing->addWidget(CmbLanguage, 2, 1);
    printing->setRowStretch(3, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(boxes, 5);
    top->addSpacing(8);
    top->addLayout(printing, 6);
    preferences = new QVBoxLayout(TabSheet5);
    preferences->addLayout(top);
    preferences->addStretch();
    // Its buttons' row comes when the window's width is known.
  }
  QPushButton* preferencesHelp = Help::makeButton(TabSheet5, 600, "BitBtn4");

  TabSheet6 = Page(PageControl1, "TabSheet6", tr("File Maintenance"), 700);
  BtnBackup = ImageButton(TabSheet6, "BtnBackup", tr("Backup Data Files"), u'\u21E8');
  BtnRestore = ImageButton(TabSheet6, "BtnRestore", tr("Restore Data Files"), u'\u21E6');
  BtnIndex = ImageButton(TabSheet6, "BtnIndex", tr("Reindex Data Files"), u'\u21BB');
  BtnPack = ImageButton(TabSheet6, "BtnPack", tr("Pack Data Files"), u'\u21CA');
  BtnUpgrade = ImageButton(TabSheet6, "BtnUpgrade", tr("Import Data from Moorhen version 4 or 5"),
                           u'\u21EA');
  BtnErase = ImageButton(TabSheet6, "BtnErase", tr("Erase all data and start over"), u'\u2716',
                         QColor(0x9b, 0x2c, 0x2c));
  BtnExport = ImageButton(TabSheet6, "BtnExport", tr("Export Data…"), u'\u2197');
  LayOutCommands(TabSheet6,
                 {BtnBackup, BtnRestore, BtnIndex, BtnPack, BtnUpgrade, BtnErase, BtnExport},
                 "BitBtn5", 700);

  // What the maintenance commands did is said here, not in another box.
  StatusBar1 = statusBar();
  StatusBar1->setObjectName("StatusBar1");
  StatusBar1->setSizeGripEnabled(false);

  ProgressBox = new QGroupBox(client);
  ProgressBox->setObjectName("ProgressBox");
  ProgressBar1 = new QProgressBar(ProgressBox);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setRange(0, 100);
  auto* progressLayout = new QVBoxLayout(ProgressBox);
  progressLayout->addWidget(ProgressBar1);
  ProgressBox->hide();

  auto* layout = new QVBoxLayout(client);
  layout->setContentsMargins(kClientMargin, kClientMargin, kClientMargin, kClientMargin);
  layout->addWidget(PageControl1, 1);
  layout->addWidget(ProgressBox);
  // Captions longer than the English ones may need a wider window, never a
  // narrower one.
  const int width = qMax(kClientWidth, layout->minimumSize().width());
  client->setFixedSize(width, kClientHeight);
  const QMargins margins = preferences->contentsMargins();
  LayOutPreferenceButtons(
      preferences,
      {BtnStationary, BtnSTax, BtnLabForms, BtnDirectories, BtnEInvoicing, preferencesHelp},
      width - 2 * kClientMargin - margins.left() - margins.right() -
          2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth));

  BuildMenus();
}

void TMain::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName("File1");
  Exit1 = Item(file, "Exit1", tr("E&xit"));
  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->setObjectName("Help1");
  About1 = Item(help, "About1", tr("About Tallowby"));
  help->addSeparator();
  HelpContents1 = Item(help, "HelpContents1", tr("Help &Contents"));

  PopupMenu1 = Popup(this, "PopupMenu1");
  QMenu* invoices = Submenu(PopupMenu1, "Invoices1", tr("&Invoices"));
  SelectedDates2 = Item(invoices, "SelectedDates2", tr("Selected &Date(s)"));
  SelectedInvoices1 = Item(invoices, "SelectedInvoices1", tr("Selected &Invoices"));
  QMenu* bills = Submenu(PopupMenu1, "Bills1", tr("&Bills"));
  WithBalancesDue2 = Item(bills, "WithBalancesDue2", tr("&With Balances Due"));
  SelectedBills2 = Item(bills, "SelectedBills2", tr("Selected &Bills"));
  QMenu* statements = Submenu(PopupMenu1, "Statements1", tr("&Statements"));
  WithBalances2 = Item(statements, "WithBalances2", tr("With &Balances"));
  SelectedCustomers4 = Item(statements, "SelectedCustomers4", tr("Selected &Customers"));
  QMenu* einvoices = Submenu(PopupMenu1, "EInvoices1", tr("&E-Invoices"));
  EInvoiceDates1 = Item(einvoices, "EInvoiceDates1", tr("Selected &Date(s)"));
  EInvoiceSelected1 = Item(einvoices, "EInvoiceSelected1", tr("Selected &Invoices"));

  PopupMenu4 = Popup(this, "PopupMenu4");
  SelectedCustomers2 = Item(PopupMenu4, "SelectedCustomers2", tr("Selected &Customers"));
  SelectedGroups1 = Item(PopupMenu4, "SelectedGroups1", tr("Selected &Groups"));

  PopupMenu2 = Popup(this, "PopupMenu2");
  SalesSummary1 = Item(PopupMenu2, "SalesSummary1", tr("&Sales Summary"));
  ProductSummary1 = Item(PopupMenu2, "ProductSummary1", tr("&Product Summary"));
  ProductBuyers1 = Item(PopupMenu2, "ProductBuyers1", tr("Product &Buyers"));
  PopupMenu2->addSeparator();
  IncomeSummary1 = Item(PopupMenu2, "IncomeSummary1", tr("&Income Summary"));
  ReceivableIncome1 = Item(PopupMenu2, "ReceivableIncome1", tr("&Receivable Income"));
  PopupMenu2->addSeparator();
  TaxSummary1 = Item(PopupMenu2, "TaxSummary1", tr("&Tax Summary"));

  PopupMenu5 = Popup(this, "PopupMenu5");
  SelectedCustomers3 = Item(PopupMenu5, "SelectedCustomers3", tr("&Selected Customers"));
  InvoicesDated1 = Item(PopupMenu5, "InvoicesDated1", tr("&Invoices Dated"));
  PastDueBilling1 = Item(PopupMenu5, "PastDueBilling1", tr("&Past Due Billing"));
  BalanceDueStatement1 = Item(PopupMenu5, "BalanceDueStatement1", tr("&Balance Due Statement"));
  CustomerGroups1 = Item(PopupMenu5, "CustomerGroups1", tr("&Customer Group(s)"));

  PopupMenu3 = Popup(this, "PopupMenu3");
  Inventory1 = Item(PopupMenu3, "Inventory1", tr("&Inventory"));
  CostofGoodsSold1 = Item(PopupMenu3, "CostofGoodsSold1", tr("&Cost of Goods Sold"));
  StockOnHand1 = Item(PopupMenu3, "StockOnHand1", tr("&Stock On-Hand"));

  PopupMenu6 = Popup(this, "PopupMenu6");
  ExportSQLite1 = Item(PopupMenu6, "ExportSQLite1", tr("&SQLite Database…"));
  ExportPostgreSQL1 = Item(PopupMenu6, "ExportPostgreSQL1", tr("&PostgreSQL Script…"));
  ExportCSV1 = Item(PopupMenu6, "ExportCSV1", tr("&CSV Files…"));
}
