// Reading and writing the e-invoice details (EINVSET, CUSTEI; see
// EInvoiceDetails.h). Each call opens its table and closes it again; the
// tables exist once the program has started (MakeMissingTables).
#ifndef DATA_EINVOICETABLES_H
#define DATA_EINVOICETABLES_H

#include <QHash>

#include "data/EInvoiceDetails.h"

SellerDetails ReadSellerDetails();
// Writes the one record (appending it when the table has lost it); a table
// of an earlier version gains the fields it lacks first, all or nothing.
// False when the table could not be written.
bool WriteSellerDetails(const SellerDetails& seller);

// The details of customer cuno; empty ones (customer set) when it has none.
BuyerDetails ReadBuyerDetails(long cuno);
// One field of every customer's e-invoice details ("COUNTRY", "VATID"),
// upper case, where it is set, read in one pass; none when the folder holds
// no CUSTEI (a folder of an earlier version).
QHash<long, QString> ReadBuyerField(const char* field);
// Writes the customer's record, appending it when there is none; a table of
// an earlier version gains the fields it lacks first. False when the table
// could not be written.
bool WriteBuyerDetails(const BuyerDetails& buyer);

#endif  // DATA_EINVOICETABLES_H
