// Product codes are unique: Prod5 holds each code once, upper-cased.
#ifndef PRODUCTS_PRODUCTCODES_H
#define PRODUCTS_PRODUCTCODES_H

#include <QString>

// code as it is stored: trimmed and upper-cased.
QString ProductCode(const QString& typed);

// True when a product other than record ownRecord (0 or less: none) carries
// code (in the form ProductCode gives). Codes are compared trimmed and
// without regard to case, as the Prod tag orders them, so AB1 is not taken
// by AB12 while ab1 is. Prod5 must be open; its record pointer moves, its
// selected tag stays.
bool ProductCodeTaken(const QString& code, long ownRecord);

#endif  // PRODUCTS_PRODUCTCODES_H
