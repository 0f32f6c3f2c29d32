// The names the exported tables and columns go by: words a person reads
// (customers.customer_no, invoices.invoice_date) for every table of the
// schema and each of its fields. A table or field without a name here (a
// table added later, a field another program put into a table) goes by its
// own name in lower case.
#ifndef EXPORT_EXPORTNAMES_H
#define EXPORT_EXPORTNAMES_H

#include <QString>

struct TableDef;

QString SqlTableName(const TableDef& table);
// field matched without regard to case.
QString SqlColumnName(const TableDef& table, const QString& field);
// True when table has a readable name here for itself and for each field
// of its schema.
bool HasReadableNames(const TableDef& table);

#endif  // EXPORT_EXPORTNAMES_H
