// The tables the program is supplied with: every table of the schema, empty
// but for the one settings record (first-start values) and the one
// import-folders record; no index files. The program itself never creates a
// table; the data tool and the tests do, through this.
#ifndef DATA_SUPPLYTABLES_H
#define DATA_SUPPLYTABLES_H

#include <QString>

// Writes the tables into dir (which must exist). Refuses (false, *error set)
// when dir already holds one of them, so no data is ever overwritten; also
// false when a file cannot be written.
bool WriteSuppliedTables(const QString& dir, QString* error);

#endif  // DATA_SUPPLYTABLES_H
