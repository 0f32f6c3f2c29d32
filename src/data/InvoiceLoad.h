// Loading an invoice from the tables into the invoice working copy
// (CurrentInvoice, ItemList, PaymentList, CustomerAddress): used by the
// invoice editor and by the invoice, bill and statement printing.
//
// Preconditions: INV5, ITM5, PMT, CUST5 and Prod5 are open, ITM5 on its tag
// `Itm`, PMT on `Pmt` and Prod5 on `Prod` (their open routines select them).
#ifndef DATA_INVOICELOAD_H
#define DATA_INVOICELOAD_H

#include "data/dbFiles.h"

// Opens the tables an invoice lives in: CUST5, GROUPS, INV5, ITM5, PMT and
// Prod5. False (after the data layer's message) when one cannot be opened.
bool OpenInvoiceTables();

// The current INV5 record into CurrentInvoice, then its items, payments and
// customer as below. The INV5 record pointer stays where it was.
void LoadInvoice();
// ItemList := the ITM5 records of invoice ivNo in `Itm` order: code and
// description as stored (trailing blanks kept), quantity "%9.2f", unit price
// "%8.2f", tax flags "t"/"f", comment trimmed, and the product's RCode and
// PMemo trimmed (empty when the product no longer exists). ProdBuf is not
// touched.
void LoadInvoiceItems(long ivNo);
// A stored item as a row of the working copy (the user's number format),
// with its product's licence code and text.
ItemRow ItemRowOf(const ItemRecord& item);
// PaymentList := the PMT records of invoice ivNo: date in the short date
// format, amount "%10.2f".
void LoadInvoicePayments(long ivNo);
// Selects the CUST5 tag `CCNO` and looks the customer up; when found reads it
// into CustBuf, sets CurrentCustomerRec and builds CustomerAddress and
// returns true. Otherwise (also for customer 0) CustomerAddress is one empty
// line and the result is false.
bool LoadInvoiceCustomer(long cuNo);

// Whether the product of that code is goods (an inventory item) or a
// service; Unknown when Prod5 is not open or has no such product.
enum class ProductKind { Unknown, Goods, Service };
ProductKind KindOfProduct(const QString& code);

// The sum of the amounts of PaymentList, read back from their texts.
double PaymentsOfWorkingInvoice();

#endif  // DATA_INVOICELOAD_H
