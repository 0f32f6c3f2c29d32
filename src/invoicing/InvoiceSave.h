// The invoice editor's two writes, without widgets: Save, which writes the
// invoice in hand (header, items, payments, the customer's note) in this
// order: every number checked against its field, the texts the tables
// cannot hold confirmed, a new invoice's number fixed and its INV5 record
// appended, the header written, the items and then the payments written
// over the invoice's records in place, the note, the packs; and Delete.
//
// A save that stops part-way leaves the invoice's indexes in doubt (one may
// have missed an update): the next save or delete of the same InvoiceSaver
// writes them afresh first, so that a second Save completes the first
// without a record twice or a record lost.
//
// Preconditions: the invoice loop's tables are open (CUST5, INV5, ITM5,
// PMT) with the tags Inv, Itm and Pmt.
#ifndef INVOICING_INVOICESAVE_H
#define INVOICING_INVOICESAVE_H

#include <QList>
#include <QString>
#include <functional>

#include "data/dbFiles.h"

// The invoice in hand as Save takes it.
struct InvoiceDraft {
  InvoiceRecord header;  // a new invoice's IvNo is given by the save
  QList<ItemRow> items;
  QList<PaymentRow> payments;
  QString customerNote;  // written trimmed to the customer's note
  int record = 0;        // its INV5 record; 0 while it has none
};

// What Save asks of the person, each at its place in the order, before any
// record is written.
struct SaveQuestions {
  // Once every number fits: true to go on (the texts can be stored, or the
  // person chose to store them with "?"); false ends the save.
  std::function<bool()> storeTexts;
  // Only for a new invoice while INV5 is empty: the number to start from.
  // One the invoice number field cannot hold (0 for no reply) counts as 1.
  std::function<long()> firstNumber;
};

enum class SaveStatus {
  Done,
  Unreadable,        // an item or payment text is not a number or a date; nothing written
  DoesNotFit,        // a number is wider than its field; nothing written
  NotConfirmed,      // storeTexts said no; nothing written
  InvoiceNotAdded,   // no INV5 record could be appended; nothing written
  ItemsNotAdded,     // an ITM5 record could not be appended; nothing after it written
  PaymentsNotAdded,  // a PMT record could not be appended; nothing after it written
  WriteFailed,       // a file could not be written; nothing after it written
};

struct SaveOutcome {
  SaveStatus status = SaveStatus::Done;
  // Unreadable, DoesNotFit and WriteFailed: the text to show.
  QString message;
};

class InvoiceSaver {
 public:
  // Writes the draft. From the moment a new invoice's INV5 record is
  // appended, draft.record and draft.header.IvNo name it, also when a later
  // step fails: saving the same draft again writes over it in place. The
  // header goes through CurrentInvoice, the record buffer of INV5.
  SaveOutcome save(InvoiceDraft& draft, const SaveQuestions& ask);

  // Marks the items, payments and INV5 record of invoice ivNo deleted and
  // packs those tables at once. An invoice without a record (never saved)
  // touches no table: records that carry its previewed number belong to no
  // invoice. Done or WriteFailed.
  SaveOutcome remove(long ivNo, int record);

 private:
  SaveOutcome write(InvoiceDraft& draft, const QList<ItemRecord>& items,
                    const QList<PaymentRecord>& payments, const SaveQuestions& ask);

  bool indexesInDoubt_ = false;
};

#endif  // INVOICING_INVOICESAVE_H
