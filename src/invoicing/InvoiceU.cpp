// The invoice editor's window, showing and the working copy's changes; Save
// and Delete are in InvoiceUSave.cpp (their writes in InvoiceSave), the
// order import and the card export in InvoiceUImport.cpp.
#include "invoicing/InvoiceU.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/dbFiles.h"
#include "data/InvoiceLoad.h"
#include "data/Settings.h"
#include "invoicing/CustomerChoice.h"
#include "invoicing/EInvoiceActions.h"
#include "invoicing/InvoiceRecords.h"
#include "invoicing/ItemDefU.h"
#include "invoicing/ItemGrid.h"
#include "invoicing/PickPmtU.h"
#include "invoicing/PmtDefU.h"
#include "invoicing/RepeatU.h"
#include "invoicing/SchedulesU.h"
#include "labels/BatchLabel.h"
#include "platform/AmountBox.h"
#include "platform/Clock.h"
#include "platform/DateBox.h"
#include "platform/DiscardChanges.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"
#include "platform/Help.h"
#include "picklists/PickEdit.h"
#include "platform/Ui.h"
#include "platform/WaitCursor.h"
#include "invoicing/InvoiceDocument.h"

namespace {

constexpr int kHelpContext = 310;
constexpr int kStartRows = 4;  // item rows of the grid below its heading
constexpr int kNumberWidth = 6;

QLabel* MakeLabel(const char* name, const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  return label;
}

// A yellow rounded panel with a caption and two buttons.
QFrame* MakePanel(QLabel* caption, QPushButton* first, QPushButton* second, QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(caption->objectName() + "Panel");
  panel->setStyleSheet(QStringLiteral("QFrame#%1 { background: #ffff99; border: 1px solid #a0a060;"
                                      " border-radius: 8px; }")
                           .arg(panel->objectName()));
  auto* layout = new QVBoxLayout(panel);
  caption->setAlignment(Qt::AlignCenter);
  layout->addWidget(caption);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(first);
  buttons->addWidget(second);
  layout->addLayout(buttons);
  return panel;
}

QStringList PaymentAmounts() {
  QStringList amounts;
  for (const PaymentRow& row : PaymentList) amounts << row.PAmt;
  return amounts;
}

}  // namespace

TInvoice::TInvoice(QWidget* parent) : QDialog(parent) {
  setObjectName("TInvoice");
  setWindowTitle(tr("Invoice"));
  Help::setContext(this, kHelpContext);
  buildForm();
  connectHandlers();
}

void TInvoice::useWindows(QDialog* customerEditor, TItemDef* itemDef, TPmtDef* pmtDef,
                          TPickPmt* pickPmt, TRepeat* repeat) {
  repeat_ = repeat;
  customerEditor_ = customerEditor;
  itemDef_ = itemDef;
  pmtDef_ = pmtDef;
  pickPmt_ = pickPmt;
}

void TInvoice::buildForm() {
  BtnCust = MakeFormButton("BtnCust", tr("Customer"), this);
  BtnCustEdit = MakeFormButton("BtnCustEdit", tr("Edit"), this);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  Memo1->setFocusPolicy(Qt::ClickFocus);
  Memo1->setAccessibleName(tr("Customer address"));  // no label of its own
  //: The customer's short note, beside its field.
  Label12 = MakeLabel("Label12", tr("Note"), this);
  Edit4 = MakeFormEdit("Edit4", 34, this);
  Label1 = MakeLabel("Label1", tr("Invoice:"), this);
  Edit1 = MakeFormEdit("Edit1", kNumberWidth, this);
  Edit1->setReadOnly(true);
  Edit1->setFocusPolicy(Qt::ClickFocus);
  //: The invoice's date.
  Label2 = MakeLabel("Label2", tr("Date Sold"), this);
  MaskEdit1 = MakeDateBox("MaskEdit1", this);
  //: The date the goods or services were supplied, when it is not the invoice's date.
  Label14 = MakeLabel("Label14", tr("Date of Supply"), this);
  MaskEdit8 = MakeDateBox("MaskEdit8", this);
  Label3 = MakeLabel("Label3", tr("Department"), this);
  Edit2 = MakeFormEdit("Edit2", 59, this);
  Label13 = MakeLabel("Label13", tr("Credit Card / Check:"), this);
  Edit3 = MakeFormEdit("Edit3", 30, this);
  BtnExport = MakeFormButton("BtnExport", tr("Export"), this);
  BtnExport->setToolTip(tr("Export Credit Card Info to Batchin.Dat"));

  StringGrid1 = MakeItemGrid("StringGrid1", kStartRows, this);

  Label10 = MakeLabel("Label10", tr("Line Items"), this);
  BAddItm = MakeFormButton("BAddItm", tr("Add Item"), this);
  BEditItm = MakeFormButton("BEditItm", tr("Edit Item"), this);
  ItemPanel = MakePanel(Label10, BAddItm, BEditItm, this);
  Label11 = MakeLabel("Label11", tr("Payments"), this);
  //: Abbreviated to fit the button: add a payment.
  BAddPmt = MakeFormButton("BAddPmt", tr("Add Paym't"), this);
  BEditPmt = MakeFormButton("BEditPmt", tr("Edit Paym't"), this);
  PaymentPanel = MakePanel(Label11, BAddPmt, BEditPmt, this);

  Label4 = MakeLabel("Label4", tr("Subtotal:"), this);
  MaskEdit2 = MakeMoneyBox("MaskEdit2", true, this);
  //: Replaced by the first charge line's name from the settings when the window shows.
  Label5 = MakeLabel("Label5", tr("Shipping:"), this);
  MaskEdit3 = MakeMoneyBox("MaskEdit3", false, this);
  Label6 = MakeLabel("Label6", tr("Sales Tax:"), this);
  MaskEdit4 = MakeMoneyBox("MaskEdit4", false, this);
  Label7 = MakeLabel("Label7", tr("Total:"), this);
  MaskEdit5 = MakeMoneyBox("MaskEdit5", true, this);
  Label8 = MakeLabel("Label8", tr("Payments:"), this);
  MaskEdit6 = MakeMoneyBox("MaskEdit6", true, this);
  Label9 = MakeLabel("Label9", tr("Amount Due:"), this);
  MaskEdit7 = MakeMoneyBox("MaskEdit7", true, this);
  Memo2 = new QPlainTextEdit(this);
  Memo2->setObjectName("Memo2");
  Memo2->setTabChangesFocus(true);

  BtnSave = MakeFormButton("BtnSave", tr("Save"), this);
  BtnPrint = MakeFormButton("BtnPrint", tr("Print"), this);
  BtnDelete = MakeFormButton("BtnDelete", tr("Delete"), this);
  BtnCancel = MakeFormButton("BtnCancel", tr("Cancel"), this);
  BtnImport = MakeFormButton("BtnImport", tr("IMPORT"), this);
  BtnBatchLab = MakeFormButton("BtnBatchLab", tr("Batch Label"), this);
  BtnEInvoice = MakeFormButton("BtnEInvoice", tr("E-Invoice"), this);
  BtnEInvoice->setToolTip(tr("Save the invoice as an electronic invoice"));
  BtnEMail = MakeFormButton("BtnEMail", tr("E-Mail..."), this);
  BtnEMail->setToolTip(tr("Send the e-invoice with the mail program"));
  BitBtn1 = Help::makeButton(this, kHelpContext, "BitBtn1");
  LabelState = MakeLabel("LabelState", QString(), this);
  LabelState->setWordWrap(true);
  BtnIssue = MakeFormButton("BtnIssue", tr("Issue"), this);
  BtnIssue->setToolTip(tr("Issue the invoice: from then on it stays as it is"));
  BtnCreditNote = MakeFormButton("BtnCreditNote", tr("Credit Note..."), this);
  BtnRepeat = MakeFormButton("BtnRepeat", tr("Repeat..."), this);
  BtnRepeat->setToolTip(tr("Make a copy of this invoice weekly, monthly, quarterly or yearly"));
  BtnCreditNote->setToolTip(tr("Correct the issued invoice by a credit note of the next number"));
  // Only the controls of the tab order are reached with Tab.
  for (QWidget* w : std::initializer_list<QWidget*>{BtnCustEdit, BtnExport, BtnImport, BtnBatchLab,
                                                    BtnEInvoice, BtnEMail, BitBtn1, BtnIssue, BtnRepeat,
                                                    BtnCreditNote})
    w->setFocusPolicy(Qt::ClickFocus);

  const int m = fontMetrics().horizontalAdvance(QChar('M'));
  const int rows = fontMetrics().lineSpacing();
  Memo1->setFixedSize(24 * m, 6 * rows);
  Edit1->setFixedWidth(7 * m);
  MaskEdit1->setFixedWidth(8 * m);
  MaskEdit8->setFixedWidth(8 * m);
  Edit3->setFixedWidth(18 * m);
  for (AmountBox* box : {MaskEdit2, MaskEdit3, MaskEdit4, MaskEdit5, MaskEdit6, MaskEdit7})
    box->setFixedWidth(10 * m);
  Memo2->setFixedHeight(4 * rows);

  // Customer at the left, the invoice's own fields at the right.
  auto* customer = new QGridLayout;
  customer->addWidget(BtnCust, 0, 0);
  customer->addWidget(BtnCustEdit, 0, 1, Qt::AlignLeft);
  customer->addWidget(Memo1, 1, 0, 1, 3);
  customer->addWidget(Label12, 2, 0);
  customer->addWidget(Edit4, 2, 1, 1, 2);
  auto* header = new QGridLayout;
  header->addWidget(Label1, 0, 0);
  header->addWidget(Edit1, 0, 1, Qt::AlignLeft);
  header->addWidget(Label2, 1, 0);
  header->addWidget(MaskEdit1, 1, 1, Qt::AlignLeft);
  header->addWidget(Label3, 2, 0);
  header->addWidget(Edit2, 2, 1, 1, 2);
  header->addWidget(Label13, 3, 0);
  header->addWidget(Edit3, 3, 1);
  header->addWidget(BtnExport, 3, 2, Qt::AlignLeft);
  header->addWidget(Label14, 4, 0);
  header->addWidget(MaskEdit8, 4, 1, Qt::AlignLeft);
  header->setRowStretch(5, 1);
  auto* panels = new QHBoxLayout;
  panels->addWidget(ItemPanel);
  panels->addWidget(PaymentPanel);
  panels->addStretch();

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BtnImport);
  buttons->addWidget(BtnBatchLab);
  buttons->addWidget(BtnEInvoice);
  buttons->addWidget(BtnEMail);
  buttons->addWidget(BtnIssue);
  buttons->addWidget(BtnRepeat);
  buttons->addWidget(BtnCreditNote);
  buttons->addStretch();
  buttons->addWidget(BtnSave);
  buttons->addWidget(BtnPrint);
  buttons->addWidget(BtnDelete);
  buttons->addWidget(BtnCancel);
  buttons->addWidget(BitBtn1);

  LayOutItemEditor(this, {customer, header, StringGrid1, panels, Memo2,
                          {{Label4, MaskEdit2}, {Label5, MaskEdit3}, {Label6, MaskEdit4}, {Label7, MaskEdit5},
                           {Label8, MaskEdit6}, {Label9, MaskEdit7}},
                          LabelState, buttons});

  SetTabOrder({BtnCust, Edit4, MaskEdit1, Edit2, Edit3, MaskEdit8, StringGrid1, BAddItm, BEditItm, BAddPmt,
               BEditPmt, MaskEdit3, MaskEdit4, Memo2, BtnSave, BtnPrint, BtnDelete, BtnCancel});
}

void TInvoice::connectHandlers() {
  const std::pair<QPushButton*, void (TInvoice::*)()> buttons[] = {
      {BtnCust, &TInvoice::BtnCustClick},       {BtnCustEdit, &TInvoice::BtnCustEditClick},
      {BAddItm, &TInvoice::BAddItmClick},       {BEditItm, &TInvoice::BEditItmClick},
      {BAddPmt, &TInvoice::BAddPmtClick},       {BEditPmt, &TInvoice::BEditPmtClick},
      {BtnSave, &TInvoice::BtnSaveClick},       {BtnDelete, &TInvoice::BtnDeleteClick},
      {BtnPrint, &TInvoice::BtnPrintClick},     {BtnCancel, &TInvoice::BtnCancelClick},
      {BtnImport, &TInvoice::BtnImportClick},   {BtnExport, &TInvoice::BtnExportClick},
      {BtnBatchLab, &TInvoice::BtnBatchLabClick}, {BtnEInvoice, &TInvoice::BtnEInvoiceClick},
      {BtnEMail, &TInvoice::BtnEMailClick},     {BtnIssue, &TInvoice::BtnIssueClick},
      {BtnCreditNote, &TInvoice::BtnCreditNoteClick}, {BtnRepeat, &TInvoice::BtnRepeatClick}};
  for (const auto& [button, handler] : buttons)
    connect(button, &QPushButton::clicked, this, Guarded(this, handler));
  connect(StringGrid1, &QTableWidget::cellDoubleClicked, this,
          Guarded(this, &TInvoice::StringGrid1DblClick));
  connect(MaskEdit1, &DateBox::exited, this, Guarded(this, &TInvoice::MaskEdit1Exit));
  connect(MaskEdit3, &AmountBox::exited, this, Guarded(this, &TInvoice::MaskEdit3Exit));
  connect(MaskEdit4, &AmountBox::exited, this, Guarded(this, &TInvoice::MaskEdit4Exit));
  for (QWidget* field : std::initializer_list<QWidget*>{Edit2, Edit3, Edit4, Memo2})
    field->installEventFilter(this);
}

bool TInvoice::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (watched == Edit2) RunGuarded([this] { Edit2Exit(); });
    if (watched == Edit3) RunGuarded([this] { Edit3Exit(); });
    if (watched == Edit4) RunGuarded([this] { Edit4Exit(); });
    if (watched == Memo2) RunGuarded([this] { Memo2Exit(); });
  }
  return QDialog::eventFilter(watched, event);
}

void TInvoice::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) RunGuarded([this] { FormShow(); });
}

void TInvoice::FormShow() {
  WaitCursor wait;
  Label5->setText(Settings().ShipLine.trimmed() + ':');
  Label6->setText(Settings().TaxLine.trimmed() + ':');
  clearWorkingCopy();
  if (CurrentInvoiceRec <= 0) {
    NewInvoice();
  } else {
    isNew_ = false;
    d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
    d4go(Inv5.d, CurrentInvoiceRec);
    LoadInvoice();  // leaves INV5 on the invoice
  }
  BtnImport->setVisible(true);
  BtnExport->setVisible(true);
  BtnBatchLab->setVisible(true);
  ShowInvoice();
  ShowCustomer();
  showState();
  BtnCust->setFocus();
  loadedState_ = workingState();
}

QString TInvoice::workingState() const {
  QString state = ControlsState(this);
  for (const ItemRow& item : ItemList)
    for (int c = 0; c <= 8; ++c) state += item[c] + QLatin1Char('\t');
  for (const PaymentRow& payment : PaymentList) state += payment.PDate + ' ' + payment.PAmt + '\t';
  return state;
}

void TInvoice::reject() {
  if (MayDiscard(loadedState_, workingState(), tr("Discard the changes to this invoice?")))
    QDialog::reject();
}

void TInvoice::NewInvoice() {
  InvoiceRecord& inv = CurrentInvoice;
  inv = InvoiceRecord{};
  // Only a preview: the number is fixed when the invoice is saved.
  inv.IvNo = NextInvoiceNumber();
  inv.IDate = DateFromQDate(Clock::today());
  ItemList.clear();
  PaymentList.clear();
  CurrentInvoiceRec = 0;
  isNew_ = true;
  creditOf_ = 0;
  state_ = InvoiceStateRecord{};
  state_.ivNo = inv.IvNo;
}

void TInvoice::setItemRows(int rows) { StringGrid1->setRowCount(rows); }

void TInvoice::clearWorkingCopy() {
  ItemList.clear();
  PaymentList.clear();
  ClearCustomerAddress();
  StringGrid1->clearContents();
  setItemRows(kStartRows);
}

void TInvoice::ShowInvoice() {
  const InvoiceRecord& inv = CurrentInvoice;
  Edit1->setText(PadLeft(inv.IvNo, kNumberWidth));
  Edit2->setText(inv.Dept.trimmed());
  Edit3->setText(inv.IMemo.trimmed());
  MaskEdit1->setDate(inv.IDate);
  Memo2->setPlainText(inv.REM);
  MaskEdit3->setValue(inv.Ship);
  MaskEdit4->setValue(inv.Tax);
  MaskEdit7->setValue(inv.Due);

  ShowItemRows(StringGrid1, ItemList);
  const QList<ItemAmounts> amounts = AmountsOf(ItemList);
  sums_ = InvoiceSumsFor(amounts, inv.Ship, inv.Tax, {});
  MaskEdit2->setValue(sums_.InvoiceSubtotal);
  MaskEdit5->setValue(sums_.InvoiceTotal);
  ShowPayments();
}

void TInvoice::ShowCustomer() {
  Memo1->clear();
  Edit4->clear();
  if (CurrentInvoice.CuNo == 0) return;
  Memo1->setPlainText(CustomerAddress.join('\n'));
  Edit4->setText(CustBuf.note.trimmed());
}

void TInvoice::ComputeTaxes(bool recomputeLine1) {
  InvoiceRecord& inv = CurrentInvoice;
  const ChargeLines lines = ::ComputeTaxes(AmountsOf(ItemList), inv.Ship, inv.Tax, recomputeLine1, Settings());
  inv.Ship = lines.line1;
  inv.Tax = lines.line2;
  if (lines.line1Shown) MaskEdit3->setValue(inv.Ship);
  if (lines.line2Shown) MaskEdit4->setValue(inv.Tax);
}

void TInvoice::ShowTotals() {
  sums_ = TotalsAfterChargeLine(sums_, CurrentInvoice.Ship, CurrentInvoice.Tax);
  MaskEdit5->setValue(sums_.InvoiceTotal);
  CurrentInvoice.Due = sums_.Due;
  MaskEdit7->setValue(sums_.Due);
}

void TInvoice::ShowPayments() {
  sums_ = SumsAfterPayments(sums_, PaymentAmounts());
  MaskEdit6->setValue(sums_.PaymentsTotal);
  CurrentInvoice.Due = sums_.Due;
  MaskEdit7->setValue(sums_.Due);
}

// ---- Customer ----------------------------------------------------------------

void TInvoice::BtnCustClick() {
  if (ChooseCustomer(&CurrentInvoice.CuNo)) ShowCustomer();
}

void TInvoice::BtnCustEditClick() {
  if (EditChosenCustomer(CurrentInvoice.CuNo, customerEditor_)) ShowCustomer();
}

// ---- Header fields -----------------------------------------------------------

void TInvoice::MaskEdit1Exit() { CurrentInvoice.IDate = MaskEdit1->date(); }

void TInvoice::Edit2Exit() { CurrentInvoice.Dept = Edit2->text().trimmed(); }

void TInvoice::Edit3Exit() { CurrentInvoice.IMemo = Edit3->text().trimmed(); }

void TInvoice::Edit4Exit() { CustBuf.note = Edit4->text().trimmed(); }

void TInvoice::Memo2Exit() { CurrentInvoice.REM = Memo2->toPlainText(); }

void TInvoice::MaskEdit3Exit() {
  CurrentInvoice.Ship = MaskEdit3->value();
  ComputeTaxes(false);
  ShowTotals();
}

void TInvoice::MaskEdit4Exit() {
  CurrentInvoice.Tax = MaskEdit4->value();
  ShowTotals();
}

void TInvoice::copyControlsToInvoice() {
  // Everything is read before anything changes.
  const TDate date = CenturyWindow(MaskEdit1->date());
  const double ship = MaskEdit3->value();
  const double tax = MaskEdit4->value();
  const double due = MaskEdit7->value();
  InvoiceRecord& inv = CurrentInvoice;
  inv.IDate = date;
  inv.Dept = Edit2->text();
  inv.IMemo = Edit3->text();
  inv.REM = Memo2->toPlainText();
  inv.Ship = ship;
  inv.Tax = tax;
  inv.Due = due;
}

// ---- Items -------------------------------------------------------------------

void TInvoice::BAddItmClick() {
  if (!itemDef_ || !AddPickedProduct(*itemDef_, ItemList)) return;
  // Whatever the result: a product was picked.
  ComputeTaxes(true);
  ShowInvoice();
}

void TInvoice::BEditItmClick() { EditItem(); }

void TInvoice::StringGrid1DblClick() { EditItem(); }

void TInvoice::EditItem() {
  const int r = StringGrid1->currentRow() + 1;
  if (r < 1 || r > ItemList.size() || !itemDef_) return;  // an empty row
  if (!BEditItm->isEnabled()) return;  // an issued invoice's items stay
  if (!EditItemInDialog(*itemDef_, ItemList, r - 1)) return;
  ComputeTaxes(true);
  ShowInvoice();
}

// ---- Payments ----------------------------------------------------------------

void TInvoice::BAddPmtClick() {
  if (!pmtDef_) return;
  TPmtDef& dialog = *pmtDef_;
  dialog.MaskEdit1->setDate(DateFromQDate(Clock::today()));
  dialog.MaskEdit2->setValue(0);
  dialog.BtnDelete->setEnabled(false);
  Ui::get().exec(&dialog);
  if (PmtDefResult != 1) return;
  PaymentList.append({dialog.MaskEdit1->boxText(), dialog.MaskEdit2->boxText()});
  ShowPayments();
}

void TInvoice::BEditPmtClick() {
  if (PaymentList.isEmpty() || !pickPmt_) return;
  Ui::get().exec(pickPmt_);
  ShowPayments();
}

// ---- Print, cancel and batch labels -------------------------------------------

void TInvoice::BtnPrintClick() {
  if (CurrentInvoice.CuNo == 0) {
    Ui::get().information(tr("Customer must be selected to print"));
    return;
  }
  // A printed invoice is issued: what is printed must be what is saved.
  if (!savedAsShown(tr("Save the invoice before printing it: a printed invoice is issued."))) return;
  copyControlsToInvoice();
  PrintWorkingInvoice();
  showState();
}

// An e-invoice is made from the tables, so the invoice must have been saved.
bool TInvoice::savedInvoiceShown() const {
  if (CurrentInvoiceRec > 0) return true;
  Ui::get().information(tr("Save the invoice before sending it as an e-invoice."));
  return false;
}

void TInvoice::BtnEInvoiceClick() {
  if (!savedInvoiceShown() || !savedAsShown(tr("Save the changes before sending the invoice."))) return;
  SaveEInvoiceOfRecord(this, CurrentInvoiceRec);
  showState();
}

void TInvoice::BtnEMailClick() {
  if (!savedInvoiceShown() || !savedAsShown(tr("Save the changes before sending the invoice."))) return;
  MailEInvoiceOfRecord(this, CurrentInvoiceRec);
  showState();
}

void TInvoice::BtnRepeatClick() {
  if (!repeat_) return;
  if (CurrentInvoiceRec <= 0) {
    Ui::get().information(tr("Save the invoice before repeating it."));
    return;
  }
  if (!savedAsShown(tr("Save the changes before repeating the invoice."))) return;
  ScheduleRecord s;
  s.template_ = CurrentInvoice.IvNo;
  s.first = DateFromQDate(NextAfter(s.every, QDateFromDate(CurrentInvoice.IDate)));
  repeat_->setSchedule(s);
  if (Ui::get().exec(repeat_) != QDialog::Accepted) return;
  s = repeat_->schedule();
  const bool written = WriteSchedule(s);
  CloseSchedules();
  if (!written) {
    Ui::get().error(tr("The schedule could not be written."));
    return;
  }
  //: %1 the invoice, %2 weekly/monthly/..., %3 the first date, %4 the schedule's number.
  Ui::get().information(tr("Invoice %1 repeats %2 from %3 (schedule %4).")
                            .arg(s.template_)
                            .arg(IntervalText(s.every), FormatShortDate(s.first))
                            .arg(s.sched));
}

void TInvoice::BtnCancelClick() { QDialog::reject(); }

void TInvoice::BtnBatchLabClick() { AddBatchLabel(CurrentInvoice.CuNo); }
