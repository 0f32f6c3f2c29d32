// The invoice editor and the invoice's state: an issued invoice shown
// read-only where issued invoices are final, its Issue, and the credit note
// that corrects it.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "data/CustomerLanguage.h"
#include "data/InvoiceLoad.h"
#include "invoicing/InvoiceDocument.h"
#include "invoicing/InvoiceRecords.h"
#include "invoicing/InvoiceU.h"
#include "platform/AmountBox.h"
#include "platform/DateBox.h"
#include "platform/Language.h"
#include "platform/Ui.h"

void TInvoice::showState() {
  finalSetting_ = IssuedInvoicesAreFinal();
  if (CurrentInvoiceRec > 0) state_ = ReadInvoiceState(CurrentInvoice.IvNo);
  const bool final = finalSetting_ && state_.isIssued();
  setContentEditable(!final);
  const bool legal = SellerShowsLegalText();
  Label14->setVisible(legal);
  MaskEdit8->setVisible(legal);
  MaskEdit8->setDate(state_.supplied > 0 ? state_.supplied : CurrentInvoice.IDate);
  QString line = StateLine(state_, final);
  if (creditOf_ > 0) line = tr("New credit note for invoice %1.").arg(creditOf_);
  LabelState->setText(line);
  LabelState->setVisible(!line.isEmpty());
  BtnIssue->setVisible(finalSetting_ && !state_.isIssued());
  BtnCreditNote->setVisible(finalSetting_);
  BtnCreditNote->setEnabled(final && !state_.isCreditNote());
}

void TInvoice::setContentEditable(bool editable) {
  const bool creditNote = creditOf_ > 0 || state_.isCreditNote();
  BtnCust->setEnabled(editable && !creditNote);
  MaskEdit1->setReadOnly(!editable);
  MaskEdit8->setReadOnly(!editable);
  Edit2->setReadOnly(!editable);
  MaskEdit3->setReadOnly(!editable);
  MaskEdit4->setReadOnly(!editable);
  Memo2->setReadOnly(!editable);
  BAddItm->setEnabled(editable && !creditNote);
  BEditItm->setEnabled(editable);
  BtnImport->setEnabled(editable);
}

QString TInvoice::workingHash() {
  const InvoiceRecord kept = CurrentInvoice;
  copyControlsToInvoice();
  const QString hash = InvoiceContentHash(CurrentInvoice, ItemRecordsOf(ItemList));
  CurrentInvoice = kept;
  return hash;
}

bool TInvoice::savedAsShown(const QString& why) {
  if (!finalSetting_) return true;
  if (CurrentInvoiceRec > 0 && workingHash() == StoredInvoiceHash(CurrentInvoice.IvNo)) return true;
  Ui::get().information(why);
  return false;
}

void TInvoice::BtnIssueClick() {
  if (CurrentInvoice.CuNo == 0) {
    Ui::get().information(tr("Customer must be selected to print"));
    return;
  }
  if (!savedAsShown(tr("Save the invoice before issuing it."))) return;
  if (!Ui::get().confirm(Ui::Kind::Confirmation, Ui::Buttons::YesNo,
                         tr("Issue invoice %1? An issued invoice can no longer be changed or deleted.")
                             .arg(CurrentInvoice.IvNo)))
    return;
  if (!IssueStoredInvoice(CurrentInvoice.IvNo))
    Ui::get().error(tr("Unable to record that invoice %1 was issued.").arg(CurrentInvoice.IvNo));
  showState();
}

void TInvoice::BtnCreditNoteClick() {
  if (!finalSetting_ || !state_.isIssued() || state_.isCreditNote()) return;
  const InvoiceRecord original = CurrentInvoice;
  QList<ItemRow> items = ItemList;
  NewInvoice();
  InvoiceRecord& note = CurrentInvoice;
  note.CuNo = original.CuNo;
  // A typed first charge line is taken back too; computed ones follow the
  // items below.
  if (original.Ship != 0) note.Ship = -original.Ship;
  for (ItemRow& item : items) {
    item.Qty = FormatFloat("%9.2f", -StrToFloat(item.Qty));
  }
  ItemList = items;
  {
    // The memo in the language of the customer's documents.
    const DocumentLanguage language(CustomerLanguage(note.CuNo));
    note.REM = CreditNoteMemo(original.IvNo, original.IDate);
  }
  creditOf_ = original.IvNo;
  ComputeTaxes(true);
  ShowInvoice();
  ShowCustomer();
  showState();
}

bool TInvoice::saveState(long ivNo) {
  InvoiceStateRecord state = ReadInvoiceState(ivNo);
  bool changed = false;
  if (creditOf_ > 0) {
    state.kind = QLatin1Char('C');
    state.refNo = creditOf_;
    changed = true;
  }
  if (MaskEdit8->isVisible()) {
    // The invoice's own date is no date of supply of its own.
    TDate supplied = CenturyWindow(MaskEdit8->date());
    if (supplied == CurrentInvoice.IDate) supplied = 0;
    changed = changed || supplied != state.supplied;
    state.supplied = supplied;
  }
  if (!changed || WriteInvoiceState(state)) {
    creditOf_ = 0;
    return true;
  }
  Ui::get().error(tr("Unable to save the state of invoice %1 (credit note, date of supply).").arg(ivNo));
  return false;
}

bool TInvoice::taxFitsCustomer() {
  const QString treatment = CustomerVatTreatment(CurrentInvoice.CuNo);
  if (treatment.isEmpty()) return true;
  for (const ItemRow& item : ItemList) {
    if (item.Tax1 != QLatin1String("t") && item.Tax2 != QLatin1String("t")) continue;
    return Ui::get().confirm(Ui::Kind::Warning, Ui::Buttons::YesNo,
                             tr("Customer %1 is invoiced without VAT (%2), but the item %3 carries tax: "
                                "its e-invoice will be refused. Save all the same?")
                                 .arg(CurrentInvoice.CuNo)
                                 .arg(treatment, item.PrID.trimmed()));
  }
  return true;
}
