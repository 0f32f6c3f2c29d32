// Who bought what: the customer profile (for each chosen customer, the
// address block beside every item the customer ever bought) and the buyers
// of one product within a date span.
#ifndef REPORTS_RPTGENCUSTOMER_H
#define REPORTS_RPTGENCUSTOMER_H

#include <QList>
#include <QString>

// The profiles of customers picked one by one from the customer pick list
// until it is cancelled, or (byGroups) of every customer, in name order, of
// the groups chosen in the group picker.
void PrintProfiles(bool byGroups);
// The profiles of the customers numbered in customers, in that order. False
// (nothing built, *missing set) when one of them does not exist.
bool PrintProfilesOf(const QList<long>& customers, long* missing);

// The buyers of a product picked from the product pick list, within a date
// span.
void PrintBuyers();
// The same for the product whose code is exactly code (trailing blanks of
// the stored code aside). False (nothing asked, nothing built) when no
// product has that code.
bool PrintBuyersOf(const QString& code);

#endif  // REPORTS_RPTGENCUSTOMER_H
