// The language a customer's documents are written in (CUSTLANG, at most one
// record per customer): "de", "fr", "en", or none for the user's language.
// Each call opens the table and closes it again; the table exists once the
// program has started (MakeMissingTables).
#ifndef DATA_CUSTOMERLANGUAGE_H
#define DATA_CUSTOMERLANGUAGE_H

#include <QString>

// The customer's language code; empty when none is set (or it is blank).
QString CustomerLanguage(long customerNumber);

// Sets the customer's language; an empty code removes it. False, *error set,
// when the code is not one of the program's languages or the table cannot be
// written.
bool SetCustomerLanguage(long customerNumber, const QString& code, QString* error);

#endif  // DATA_CUSTOMERLANGUAGE_H
