// The pick-and-edit routines through which every editor is reached: a
// table's pick list shown modally, then its editor when a new record was
// asked for; and the edit loop of the main window's commands.
//
// The code that creates a table's pick list and editor registers them here;
// a table without registered windows picks nothing. The routines run with
// the table open; the caller has stored the record to highlight in the
// table's current-record value (CurrentCustomerRec and its like), and the
// pick list leaves there a record number (> 0), 0 for "New" or -1 for
// Cancel.
#ifndef PICKLISTS_PICKEDIT_H
#define PICKLISTS_PICKEDIT_H

class QDialog;

enum class PickTable { Customer, Group, Product, Invoice, Purchase, Label };

struct PickResult {
  bool chosen = false;       // a record was chosen (or a new one saved)
  bool editorShown = false;  // the editor has already been shown for it
};

// The pick list must have a button named "BtnNew". Neither dialog is owned;
// a destroyed one is forgotten.
void RegisterPickEdit(PickTable table, QDialog* pickList, QDialog* editor);
bool PickEditRegistered(PickTable table);
// The table's current-record value.
int& CurrentRecordOf(PickTable table);

// An empty table: with allowNew straight to the pick list with only "New"
// and "Cancel", else the table's "... Database is Empty" message and
// nothing chosen (the value -1). "New" shows the editor at once.
PickResult PickRecord(PickTable table, bool allowNew);
PickResult PickCustomer(bool allowNew);  // also selects the cname tag first
PickResult PickGroup(bool allowNew);
PickResult PickProduct(bool allowNew);
PickResult PickInvoice(bool allowNew);
PickResult PickPurchase(bool allowNew);
PickResult PickLabel(bool allowNew);

// Picks (new records allowed) and edits the chosen record until a pick
// chooses nothing: the pick list was cancelled, or a new record's editor
// was left without saving.
void EditLoop(PickTable table);

void resetPickEditForTests();

#endif  // PICKLISTS_PICKEDIT_H
