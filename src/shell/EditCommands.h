// The main window's commands that browse and edit one table: each opens
// the tables it needs, starts the pick list at its first (for invoices the
// last) record, runs the edit loop, closes all tables and packs what the
// editors marked deleted. A table whose pick list and editor are not
// registered yet does nothing.
#ifndef SHELL_EDITCOMMANDS_H
#define SHELL_EDITCOMMANDS_H

// Customers in the order the sort preference names; packs CUST5 (memo
// left as it is) after a deletion.
void EditCustomers();
// Groups by name; packs GROUPS after a deletion.
void EditGroups();
// Packs Prod5 after a deletion.
void EditProducts();
// Packs Pur5 after a deletion.
void EditPurchases();
// Label stock; a deletion waits for the pack at program exit.
void EditLabelStock();
// Starts at the highest invoice number; packs every table after a deletion.
void EditInvoices();

#endif  // SHELL_EDITCOMMANDS_H
