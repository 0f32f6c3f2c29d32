#include "quotes/QuoteU.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>
#include <string_view>

#include "data/CodeBase.h"
#include "data/CustomerLanguage.h"
#include "data/EInvoiceTables.h"
#include "data/InvoiceLoad.h"
#include "data/KeyText.h"
#include "data/Settings.h"
#include "invoicing/CustomerChoice.h"
#include "invoicing/InvoiceRecords.h"
#include "invoicing/ItemDefU.h"
#include "invoicing/ItemGrid.h"
#include "invoicing/MailPdf.h"
#include "platform/AmountBox.h"
#include "platform/Clock.h"
#include "platform/Dates.h"
#include "platform/DateBox.h"
#include "platform/DiscardChanges.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"
#include "platform/Help.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/Ui.h"
#include "platform/WaitCursor.h"
#include "quotes/QuoteDocument.h"
#include "quotes/QuoteInvoice.h"

int CurrentQuoteRec = 0;

namespace {

constexpr int kHelpContext = 315;
constexpr int kStartRows = 4;
constexpr int kDefaultValidDays = 30;
const char kStates[] = {'O', 'A', 'D'};  // the choices' order

// How long a new quote holds: the seller's payment days where set.
int ValidDays() {
  if (cb && DataFileExists(QString::fromLatin1(EINVSETDef().fileName))) {
    const int days = ReadSellerDetails().dueDays;
    if (days > 0) return days;
  }
  return kDefaultValidDays;
}

}  // namespace

TQuote::TQuote(QWidget* parent) : QDialog(parent) {
  setObjectName("TQuote");
  setWindowTitle(tr("Quote"));
  Help::setContext(this, kHelpContext);
  buildForm();
}

void TQuote::useWindows(QDialog* customerEditor, TItemDef* itemDef) {
  customerEditor_ = customerEditor;
  itemDef_ = itemDef;
}

void TQuote::buildForm() {
  BtnCust = MakeFormButton("BtnCust", tr("Customer"), this);
  BtnCustEdit = MakeFormButton("BtnCustEdit", tr("Edit"), this);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  Memo1->setFocusPolicy(Qt::ClickFocus);
  Memo1->setAccessibleName(tr("Customer address"));
  Edit1 = MakeFormEdit("Edit1", 6, this);
  Edit1->setReadOnly(true);
  Edit1->setFocusPolicy(Qt::ClickFocus);
  MaskEdit1 = MakeDateBox("MaskEdit1", this);
  MaskEdit2 = MakeDateBox("MaskEdit2", this);
  Edit2 = MakeFormEdit("Edit2", kTextLength, this);
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName("ComboBox1");
  //: A quote's state, chosen by the user.
  ComboBox1->addItems({tr("Open"), tr("Accepted"), tr("Declined")});
  StringGrid1 = MakeItemGrid("StringGrid1", kStartRows, this);
  BAddItm = MakeFormButton("BAddItm", tr("Add Item"), this);
  BEditItm = MakeFormButton("BEditItm", tr("Edit Item"), this);
  MaskEdit3 = MakeMoneyBox("MaskEdit3", true, this);
  MaskEdit4 = MakeMoneyBox("MaskEdit4", false, this);
  MaskEdit5 = MakeMoneyBox("MaskEdit5", false, this);
  MaskEdit6 = MakeMoneyBox("MaskEdit6", true, this);
  Label5 = new QLabel(this);
  Label6 = new QLabel(this);
  Memo2 = new QPlainTextEdit(this);
  Memo2->setObjectName("Memo2");
  Memo2->setTabChangesFocus(true);
  LabelState = new QLabel(this);
  LabelState->setObjectName("LabelState");
  BtnMakeInvoice = MakeFormButton("BtnMakeInvoice", tr("Make Invoice"), this);
  BtnMakeInvoice->setToolTip(tr("Make an invoice of the next number from this quote"));
  BtnEMail = MakeFormButton("BtnEMail", tr("E-Mail..."), this);
  BtnEMail->setToolTip(tr("Send the quote as PDF with the mail program"));
  BtnSave = MakeFormButton("BtnSave", tr("Save"), this);
  BtnPrint = MakeFormButton("BtnPrint", tr("Print"), this);
  BtnDelete = MakeFormButton("BtnDelete", tr("Delete"), this);
  BtnCancel = MakeFormButton("BtnCancel", tr("Cancel"), this);
  BitBtn1 = Help::makeButton(this, kHelpContext, "BitBtn1");

  const int m = fontMetrics().horizontalAdvance(QChar('M'));
  Memo1->setFixedSize(24 * m, 6 * fontMetrics().lineSpacing());
  Edit1->setFixedWidth(7 * m);
  for (DateBox* box : {MaskEdit1, MaskEdit2}) box->setFixedWidth(8 * m);
  for (AmountBox* box : {MaskEdit3, MaskEdit4, MaskEdit5, MaskEdit6}) box->setFixedWidth(10 * m);
  Memo2->setFixedHeight(4 * fontMetrics().lineSpacing());

  auto* customer = new QGridLayout;
  customer->addWidget(BtnCust, 0, 0);
  customer->addWidget(BtnCustEdit, 0, 1, Qt::AlignLeft);
  customer->addWidget(Memo1, 1, 0, 1, 2);
  auto* header = new QGridLayout;
  const std::pair<QString, QWidget*> fields[] = {{tr("Quote:"), Edit1},
                                                 //: The quote's date.
                                                 {tr("Date"), MaskEdit1},
                                                 //: The last day the quote's prices hold.
                                                 {tr("Valid Until"), MaskEdit2},
                                                 {tr("Department"), Edit2},
                                                 {tr("State"), ComboBox1}};
  int row = 0;
  for (const auto& [caption, field] : fields) {
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    header->addWidget(label, row, 0);
    header->addWidget(field, row++, 1, Qt::AlignLeft);
  }
  header->setRowStretch(row, 1);
  auto* items = new QHBoxLayout;
  items->addWidget(BAddItm);
  items->addWidget(BEditItm);
  items->addStretch();

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BtnMakeInvoice);
  buttons->addWidget(BtnEMail);
  buttons->addStretch();
  for (QPushButton* b : {BtnSave, BtnPrint, BtnDelete, BtnCancel, BitBtn1}) buttons->addWidget(b);

  const QList<std::pair<QLabel*, AmountBox*>> totals = {{new QLabel(tr("Subtotal:"), this), MaskEdit3},
                                                        {Label5, MaskEdit4},
                                                        {Label6, MaskEdit5},
                                                        {new QLabel(tr("Total:"), this), MaskEdit6}};
  for (const auto& [label, box] : totals) label->setBuddy(box);
  LayOutItemEditor(this, {customer, header, StringGrid1, items, Memo2, totals, LabelState, buttons});
  SetTabOrder({BtnCust, MaskEdit1, MaskEdit2, Edit2, ComboBox1, StringGrid1, BAddItm, BEditItm, MaskEdit4,
               MaskEdit5, Memo2, BtnSave, BtnPrint, BtnDelete, BtnCancel});

  const std::pair<QPushButton*, void (TQuote::*)()> handlers[] = {
      {BtnCust, &TQuote::BtnCustClick},       {BtnCustEdit, &TQuote::BtnCustEditClick},
      {BAddItm, &TQuote::BAddItmClick},       {BEditItm, &TQuote::BEditItmClick},
      {BtnSave, &TQuote::BtnSaveClick},       {BtnPrint, &TQuote::BtnPrintClick},
      {BtnEMail, &TQuote::BtnEMailClick},     {BtnMakeInvoice, &TQuote::BtnMakeInvoiceClick},
      {BtnDelete, &TQuote::BtnDeleteClick},   {BtnCancel, &TQuote::BtnCancelClick}};
  for (const auto& [button, handler] : handlers)
    connect(button, &QPushButton::clicked, this, Guarded(this, handler));
  connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, Guarded(this, &TQuote::BEditItmClick));
  connect(MaskEdit4, &AmountBox::exited, this, Guarded(this, &TQuote::MaskEdit4Exit));
  connect(MaskEdit5, &AmountBox::exited, this, Guarded(this, &TQuote::MaskEdit5Exit));
}

void TQuote::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) RunGuarded([this] { FormShow(); });
}

void TQuote::FormShow() {
  WaitCursor wait;
  Label5->setText(Settings().ShipLine.trimmed() + ':');
  Label6->setText(Settings().TaxLine.trimmed() + ':');
  ClearCustomerAddress();
  quote_ = QuoteRecord{};
  items_.clear();
  if (CurrentQuoteRec > 0) {
    d4go(QuoteTable(), CurrentQuoteRec);
    quote_ = CurrentQuote();
    for (const ItemRecord& line : QuoteLines(quote_.qno)) items_.append(ItemRowOf(line));
    d4tagSelect(Cust5.d, d4tag(Cust5.d, "CCNO"));
    if (quote_.cuno != 0 && d4seek(Cust5.d, NumberTagKey(quote_.cuno).constData()) == r4success) {
      ReadCustomer();
      BuildCustomerAddress();
    }
  } else {
    // Only a preview: the number is fixed when the quote is saved.
    quote_.qno = NextQuoteNumber();
    const QDate today = Clock::today();
    quote_.date = DateFromQDate(today);
    quote_.valid = DateFromQDate(today.addDays(ValidDays()));
  }
  showQuote();
  showCustomer();
  BtnCust->setFocus();
  loadedState_ = workingState();
}

void TQuote::showQuote() {
  Edit1->setText(PadLeft(quote_.qno, 6));
  MaskEdit1->setDate(quote_.date);
  MaskEdit2->setDate(quote_.valid);
  Edit2->setText(quote_.dept);
  const int state = int(std::string_view(kStates, 3).find(quote_.state.toLatin1()));
  ComboBox1->setCurrentIndex(state < 0 ? 0 : state);
  Memo2->setPlainText(quote_.rem);
  MaskEdit4->setValue(quote_.ship);
  MaskEdit5->setValue(quote_.tax);
  ShowItemRows(StringGrid1, items_);
  showTotals();
  const bool invoiced = quote_.invoiced();
  LabelState->setText(invoiced ? tr("This quote became invoice %1.").arg(quote_.ivno) : QString());
  for (QWidget* w : std::initializer_list<QWidget*>{BtnCust, BtnCustEdit, MaskEdit1, MaskEdit2, Edit2, ComboBox1,
                                                    BAddItm, BEditItm, MaskEdit4, MaskEdit5, Memo2, BtnSave,
                                                    BtnMakeInvoice})
    w->setEnabled(!invoiced);
}

void TQuote::showCustomer() {
  Memo1->setPlainText(quote_.cuno != 0 ? CustomerAddress.join('\n') : QString());
}

void TQuote::computeCharges(bool recomputeLine1) {
  const ChargeLines lines = ComputeTaxes(AmountsOf(items_), quote_.ship, quote_.tax, recomputeLine1, Settings());
  quote_.ship = lines.line1;
  quote_.tax = lines.line2;
  if (lines.line1Shown) MaskEdit4->setValue(quote_.ship);
  if (lines.line2Shown) MaskEdit5->setValue(quote_.tax);
  showTotals();
}

void TQuote::showTotals() {
  const InvoiceSums sums = InvoiceSumsFor(AmountsOf(items_), quote_.ship, quote_.tax, {});
  MaskEdit3->setValue(sums.InvoiceSubtotal);
  MaskEdit6->setValue(sums.InvoiceTotal);
  quote_.total = ShownAmount(sums.InvoiceTotal);
}

QString TQuote::workingState() const {
  QString state = ControlsState(this);
  for (const ItemRow& item : items_)
    for (int c = 0; c <= 6; ++c) state += item[c] + QLatin1Char('\t');
  return state;
}

void TQuote::reject() {
  if (MayDiscard(loadedState_, workingState(), tr("Discard the changes to this quote?"))) QDialog::reject();
}

void TQuote::BtnCustClick() {
  if (ChooseCustomer(&quote_.cuno)) showCustomer();
}

void TQuote::BtnCustEditClick() {
  if (EditChosenCustomer(quote_.cuno, customerEditor_)) showCustomer();
}

void TQuote::BAddItmClick() {
  if (!itemDef_ || !AddPickedProduct(*itemDef_, items_)) return;
  computeCharges(true);
  ShowItemRows(StringGrid1, items_);
}

void TQuote::BEditItmClick() {
  const int r = StringGrid1->currentRow();
  if (r < 0 || r >= items_.size() || !itemDef_ || !BEditItm->isEnabled()) return;
  if (!EditItemInDialog(*itemDef_, items_, r)) return;
  computeCharges(true);
  ShowItemRows(StringGrid1, items_);
}

void TQuote::MaskEdit4Exit() {
  quote_.ship = MaskEdit4->value();
  computeCharges(false);
}

void TQuote::MaskEdit5Exit() {
  quote_.tax = MaskEdit5->value();
  showTotals();
}

bool TQuote::readControls() {
  try {
    const TDate date = CenturyWindow(MaskEdit1->date());
    const TDate valid = CenturyWindow(MaskEdit2->date());
    const double ship = MaskEdit4->value();
    const double tax = MaskEdit5->value();
    ItemRecordsOf(items_);  // every line readable
    quote_.date = date;
    quote_.valid = valid;
    quote_.ship = ship;
    quote_.tax = tax;
  } catch (const ConversionError& e) {
    Ui::get().error(QString::fromLocal8Bit(e.what()));
    return false;
  }
  quote_.dept = Edit2->text().trimmed();
  quote_.state = QLatin1Char(kStates[std::max(0, ComboBox1->currentIndex())]);
  quote_.rem = Memo2->toPlainText();
  showTotals();
  return true;
}

bool TQuote::save() {
  if (quote_.cuno == 0) {
    Ui::get().information(tr("Customer must be selected"));
    return false;
  }
  if (!readControls()) return false;
  const bool isNew = CurrentQuoteRec <= 0;
  if (isNew) quote_.qno = 0;  // numbered as it is written
  QString why;
  {
    WaitCursor wait;
    why = WriteQuote(quote_, ItemRecordsOf(items_));
  }
  if (isNew && quote_.qno > 0 && SeekNumber(QuoteTable(), d4field(QuoteTable(), "QNO"), quote_.qno))
    CurrentQuoteRec = int(d4recNo(QuoteTable()));
  Edit1->setText(PadLeft(quote_.qno, 6));
  if (!why.isEmpty()) {
    Ui::get().error(tr("The quote could not be saved: %1").arg(why));
    return false;
  }
  loadedState_ = workingState();
  return true;
}

void TQuote::BtnSaveClick() {
  if (save()) accept();
}

void TQuote::BtnPrintClick() {
  if (quote_.cuno == 0) {
    Ui::get().information(tr("Customer must be selected to print"));
    return;
  }
  if (!readControls()) return;
  ShowQuoteDocument(quote_, items_);
}

void TQuote::BtnEMailClick() {
  if (quote_.cuno == 0) {
    Ui::get().information(tr("Customer must be selected"));
    return;
  }
  if (!readControls()) return;
  MailPdf({quote_.cuno,
           //: The subject of the e-mail that carries a quote; %1 is its number.
           [this] { return tr("Quote %1").arg(quote_.qno); },
           //: A quote's PDF file name; %1 is its number.
           [this] { return tr("quote-%1.pdf").arg(quote_.qno); },
           [this](const QString& path) { return SaveQuotePdf(quote_, items_, path); }, CustBuf.email,
           tr("The quote was not saved as PDF: %1"), tr("The quote could not be saved as PDF in %1."),
           tr("The quote was saved as %1, but %2.")});
}

void TQuote::BtnMakeInvoiceClick() {
  if (ComboBox1->currentIndex() == 2) {
    Ui::get().information(tr("A declined quote does not become an invoice."));
    return;
  }
  if ((CurrentQuoteRec <= 0 || workingState() != loadedState_) && !save()) return;
  QuoteInvoice made;
  {
    WaitCursor wait;
    made = MakeInvoiceOfQuote(quote_.qno, Clock::today());
  }
  if (!made.error.isEmpty()) {
    Ui::get().error(made.error);
    return;
  }
  QString text = tr("Quote %1 became invoice %2.").arg(quote_.qno).arg(made.ivNo);
  if (made.amountsDiffer)
    text += QLatin1Char('\n') + tr("Its amounts were computed again at today's settings and differ from "
                                   "the quote's: total %1 (the quote: %2).")
                                    .arg(FormatFloat("%.2f", made.total), FormatFloat("%.2f", quote_.total));
  Ui::get().information(text);
  accept();
}

void TQuote::BtnDeleteClick() {
  if (CurrentQuoteRec <= 0) {
    QDialog::reject();
    return;
  }
  if (!Ui::get().confirmDestructive(Ui::Kind::Confirmation, Ui::Buttons::OkCancel,
                                    tr("Are you sure you want to delete this quote?")))
    return;
  if (QString why = DeleteQuote(quote_.qno); !why.isEmpty()) {
    Ui::get().error(why);
    return;
  }
  CurrentQuoteRec = LastRecord(QuoteTable());
  accept();
}

void TQuote::BtnCancelClick() { QDialog::reject(); }
