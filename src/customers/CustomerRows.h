// What the customer pick list shows of a customer: by name the last name,
// first name and note; by company the company (address line 1), last name
// and first name. A record marked deleted shows "< DELETED >" in the third
// column. Texts are shown as stored.
#ifndef CUSTOMERS_CUSTOMERROWS_H
#define CUSTOMERS_CUSTOMERROWS_H

#include <QStringList>

// The index tag the list pages in.
const char* CustomerListTag(bool byName);
// Reads the current CUST5 record into the customer buffer and returns its
// three visible columns.
QStringList CustomerRowTexts(bool byName);

#endif  // CUSTOMERS_CUSTOMERROWS_H
