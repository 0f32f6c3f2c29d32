// How many invoices carry a customer's number: deleting a customer who has
// some leaves them without a customer.
#ifndef DATA_CUSTOMERINVOICES_H
#define DATA_CUSTOMERINVOICES_H

// The invoices of INV5 (records marked deleted included) whose customer
// number is cuno. Uses INV5 where the command has it open, its order and
// record put back afterwards; otherwise opens it for the count and closes
// it again.
long InvoiceCountOfCustomer(long cuno);

#endif  // DATA_CUSTOMERINVOICES_H
