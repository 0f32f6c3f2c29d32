// Orders received as a pair of text files, read without widgets: an Info
// file (its first line: the customer and the payment) and an Order file (one
// ordered item per line), both comma-separated with optional double quotes.
// The invoice editor's IMPORT turns what is read here into a new invoice.
#ifndef INVOICING_ORDERIMPORT_H
#define INVOICING_ORDERIMPORT_H

#include <QList>
#include <QString>
#include <QStringList>
#include <stdexcept>

#include "data/dbFiles.h"

// The fields of one line, numbered from 0. Commas inside double quotes
// belong to the field; the quotes themselves are dropped (a doubled quote
// gives nothing). "a,,b," has four fields, the last empty.
QStringList SplitCsvLine(const QString& line);

// A file that cannot be read, a line with too few fields or a number field
// that is not a number; the message names the file, the line and the field.
class OrderFileError : public std::runtime_error {
 public:
  explicit OrderFileError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// One ordered item as the Order file gives it.
struct OrderLine {
  QString code;         // field 1
  QString description;  // field 2
  double price = 0;     // field 3
  double quantity = 0;  // field 4
  QString option;       // field 7
};

// Everything an import needs from the two files, read and checked before
// anything is changed.
struct ImportedOrder {
  QStringList info;  // the Info line's fields (32 or more)
  double tax = 0;       // field 30, charge line 2
  double shipping = 0;  // field 31, charge line 1
  QList<OrderLine> lines;
};

// Reads both files (UTF-8 when the bytes are valid UTF-8, else
// Windows-1252); throws OrderFileError.
ImportedOrder ReadOrderFiles(const QString& infoPath, const QString& orderPath);

// The customer of the Info line (number and group 0). *countryLeftOut is
// set when the country had no address line left for it.
CustomerRecord CustomerFromInfo(const QStringList& info, bool* countryLeftOut);
// The card or check text: "CREDIT" gives number + " x" + month + "/" + year.
QString CardTextFromInfo(const QStringList& info);
// The invoice note: the remark, the file's name, the source and the further
// remark when given, and the closing lines.
QString InvoiceNoteFromInfo(const QStringList& info, const QString& fileName);
// The working-copy row of an ordered item, before its product is looked up.
ItemRow ItemRowFromOrder(const OrderLine& line, bool taxed);

// The Prod5 record of an ordered code (Prod5 open): the code, upper-cased,
// on the Prod tag; when the first seek stops on a longer code and the order
// gives an option, once more with the option's first letter appended. 0
// when there is none; *code is the code last looked for.
int FindOrderedProduct(QString* code, const QString& option);

// The CUST5 record of the customer with this last name, first name and
// postal code (compared trimmed and upper-cased), the first in name order
// (CUST5 open; its cName tag is selected). 0 when none; *more is set when a
// second customer matches as well.
int FindImportedCustomer(const CustomerRecord& imported, bool* more);

#endif  // INVOICING_ORDERIMPORT_H
