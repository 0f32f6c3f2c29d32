// The tables the program is supplied with: every table of the schema, empty
// but for the one settings record (first-start values), the one
// import-folders record and the one e-invoice settings record; no index
// files. The program itself creates only the tables added since the
// supplied ones (MakeMissingTables); the data tool and the tests write all
// of them through WriteSuppliedTables.
#ifndef DATA_SUPPLYTABLES_H
#define DATA_SUPPLYTABLES_H

#include <QString>

// Writes the tables into dir (which must exist). Refuses (false, *error set)
// when dir already holds one of them, so no data is ever overwritten; also
// false when a file cannot be written. finalInvoices: a new company's
// folder, whose issued invoices stay as issued (EINVSET FINAL); otherwise
// invoices behave as in the earlier program's folders. language "de" or
// "fr": a German or French business's charge lines ("Versand", "MwSt." at
// 19 %; "Frais de port", "TVA" at 20 %) and country, for a first start in
// that language.
bool WriteSuppliedTables(const QString& dir, QString* error, bool finalInvoices = false,
                         const QString& language = QString());

// With the engine started on its data folder: makes the tables the program
// added beyond the supplied ones (the e-invoice details, the customers'
// languages, the invoices' states, the booked bank entries, the reminders sent) where they are missing, as WriteSuppliedTables writes them.
// False, *error set, when one cannot be written.
bool MakeMissingTables(QString* error);

#endif  // DATA_SUPPLYTABLES_H
