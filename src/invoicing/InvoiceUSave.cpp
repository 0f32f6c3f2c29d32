// The invoice editor's Save and Delete: the window reads its widgets, asks
// what needs a person and shows how the write went; InvoiceSaver writes.
#include <QLineEdit>

#include "data/FieldFit.h"
#include "data/StorableText.h"
#include "data/dbFiles.h"
#include "invoicing/InvoiceRecords.h"
#include "invoicing/InvoiceU.h"
#include "platform/EntryTexts.h"
#include "platform/Ui.h"
#include "platform/WaitCursor.h"

namespace {

// The first invoice number asked for: 0 when the box was cancelled or the
// reply is not a whole number.
long AskFirstInvoiceNumber() {
  QString reply = QStringLiteral("1");
  bool ok = Ui::get().input(TInvoice::tr("FIRST INVOICE"),
                            TInvoice::tr("What invoice number would you like to start with?"), &reply);
  const long asked = ok ? reply.trimmed().toLong(&ok) : 0;
  return ok ? asked : 0;
}

// True when the invoice was written; otherwise says why it was not.
bool SaidHowItWent(const SaveOutcome& outcome) {
  switch (outcome.status) {
    case SaveStatus::Done:
      return true;
    case SaveStatus::Unreadable:
    case SaveStatus::WriteFailed:
      Ui::get().error(outcome.message);
      break;
    case SaveStatus::DoesNotFit:
      FitsOrSay(outcome.message);
      break;
    case SaveStatus::NotConfirmed:
      break;
    case SaveStatus::InvoiceNotAdded:
      Ui::get().information(TInvoice::tr("Unable to add invoice at this time. Please try again later"));
      break;
    case SaveStatus::ItemsNotAdded:
      Ui::get().information(TInvoice::tr("Unable to add invoice Items at this time. Please try again later"));
      break;
    case SaveStatus::PaymentsNotAdded:
      Ui::get().information(TInvoice::tr("Unable to add Payments at this time. Please try again later"));
      break;
  }
  return false;
}

}  // namespace

void TInvoice::BtnSaveClick() {
  if (CurrentInvoice.CuNo == 0) {
    Ui::get().information(tr("Customer selection required before saving."));
    return;
  }
  if (finalSetting_ && state_.isIssued() && !savedAsShown(tr("Invoice %1 has been issued: its content "
                                                              "cannot be changed.").arg(CurrentInvoice.IvNo)))
    return;
  const long creditOf = creditOf_ > 0 ? creditOf_ : (state_.isCreditNote() ? state_.refNo : 0);
  if (creditOf > 0) {
    const QString refusal =
        CreditNoteRefusal(creditOf, CurrentInvoiceRec > 0 ? CurrentInvoice.IvNo : 0, ItemRecordsOf(ItemList));
    if (!refusal.isEmpty()) {
      Ui::get().information(refusal);
      return;
    }
  }
  if (!taxFitsCustomer()) return;
  copyControlsToInvoice();
  InvoiceDraft draft{CurrentInvoice, ItemList, PaymentList, Edit4->text(), CurrentInvoiceRec};
  const SaveQuestions ask{[this] {
                            QStringList itemTexts;
                            for (const ItemRow& item : ItemList)
                              itemTexts << item.PrID << item.PDesc << item.IComm;
                            return ConfirmStorable(EntryTexts(this) + itemTexts);
                          },
                          AskFirstInvoiceNumber};
  const SaveOutcome outcome = saver_.save(draft, ask);
  // A new invoice keeps the record and number it got, even when a later
  // step stopped the save: the next Save completes it in place.
  CurrentInvoice.IvNo = draft.header.IvNo;
  CurrentInvoiceRec = draft.record;
  if (!SaidHowItWent(outcome) || !saveState(draft.header.IvNo)) return;
  clearWorkingCopy();

  if (!isNew_) {
    accept();
    return;
  }
  if (!Ui::get().confirm(Ui::Kind::Confirmation, Ui::Buttons::YesNo,
                         tr("Add another invoice?"))) {
    accept();  // CurrentInvoiceRec names the invoice just written
    return;
  }
  NewInvoice();
  ShowInvoice();
  ShowCustomer();
  showState();
  loadedState_ = workingState();
}

void TInvoice::BtnDeleteClick() {
  const QString refusal = CurrentInvoiceRec > 0 ? DeleteRefusal(CurrentInvoice.IvNo) : QString();
  if (!refusal.isEmpty()) {
    Ui::get().information(refusal);
    return;
  }
  if (!Ui::get().confirmDestructive(Ui::Kind::Confirmation, Ui::Buttons::OkCancel,
                                    tr("Are you sure you want to delete this invoice?"))) {
    return;
  }
  SaveOutcome outcome;
  {
    WaitCursor wait;
    outcome = saver_.remove(CurrentInvoice.IvNo, CurrentInvoiceRec);
  }
  if (!SaidHowItWent(outcome)) return;
  if (CurrentInvoiceRec > 0) RemoveInvoiceState(CurrentInvoice.IvNo);
  clearWorkingCopy();
  CurrentCustomerRec = LastRecord(Cust5.d);
  CurrentInvoiceRec = LastRecord(Inv5.d);
  accept();
}
