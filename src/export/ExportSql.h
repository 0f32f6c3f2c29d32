// The SQL both SQL writers need: quoted names, column types, the tables,
// their keys and relations, and the indexes that serve the relations.
#ifndef EXPORT_EXPORTSQL_H
#define EXPORT_EXPORTSQL_H

#include <QString>
#include <QStringList>

#include "export/ExportKeys.h"
#include "export/ExportLayout.h"
#include "export/ExportViews.h"

QString Quoted(const QString& name);
// Integers INTEGER (BIGINT, NUMERIC(w) for wider fields in PostgreSQL),
// decimals NUMERIC(w,d) (INTEGER in SQLite, which holds them scaled),
// DATE, BOOLEAN, TEXT.
QString ColumnType(SqlDialect dialect, const ExportColumn& column);
// CREATE TABLE with the columns; with keys, also the table's declared
// primary key and foreign keys (SQLite cannot add them afterwards).
QString CreateTable(SqlDialect dialect, const ExportTable& table, const KeyPlan* keys);
// ALTER TABLE statements adding the declared primary keys, then the
// declared foreign keys.
QStringList AddKeys(const KeyPlan& keys);
// An index on every relation column and on every key not declared, so
// joins along them stay fast whatever the data broke.
QStringList CreateIndexes(const KeyPlan& keys);

#endif  // EXPORT_EXPORTSQL_H
