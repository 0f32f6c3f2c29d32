// The customer of the document in hand (an invoice, a quote): chosen from
// the customer pick list, or changed in the customer editor; afterwards
// CustBuf holds the customer and CustomerAddress its address block.
// CUST5 is open.
#ifndef INVOICING_CUSTOMERCHOICE_H
#define INVOICING_CUSTOMERCHOICE_H

class QDialog;

// The pick list, from the top when cuNo is 0 (no customer yet); true and
// cuNo the customer's number when one was chosen.
bool ChooseCustomer(long* cuNo);
// The customer editor on customer cuNo ("Customer not selected" for 0);
// true when the customer is still there afterwards.
bool EditChosenCustomer(long cuNo, QDialog* editor);

#endif  // INVOICING_CUSTOMERCHOICE_H
