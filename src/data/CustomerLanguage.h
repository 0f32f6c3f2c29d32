// The language a customer's documents are written in (CUSTLANG, at most one
// record per customer): "de", "fr", "en", or none for the user's language.
// Each call of CustomerLanguage opens the table and closes it again; a
// document of many customers reads them all at once with CustomerLanguages.
// The table exists once the program has started (MakeMissingTables); a
// folder without it has every customer in the user's language.
#ifndef DATA_CUSTOMERLANGUAGE_H
#define DATA_CUSTOMERLANGUAGE_H

#include <QHash>
#include <QString>

// The customer's language code; empty when none is set (or it is blank) or
// the folder holds no table of them.
QString CustomerLanguage(long customerNumber);

// Every customer's language, read in one pass over the table when the folder
// holds it (none when it does not): what CustomerLanguage returns, without
// opening the table once per customer.
class CustomerLanguages {
 public:
  static CustomerLanguages Read();
  QString of(long customerNumber) const { return codes_.value(customerNumber); }

 private:
  QHash<long, QString> codes_;
};

// Sets the customer's language; an empty code removes it. False, *error set,
// when the code is not one of the program's languages or the table cannot be
// written.
bool SetCustomerLanguage(long customerNumber, const QString& code, QString* error);

#endif  // DATA_CUSTOMERLANGUAGE_H
