#include "export/ExportSql.h"

namespace {

QString IndexOn(const QString& table, const QString& column) {
  return "CREATE INDEX " + Quoted(table + "_" + column) + " ON " + Quoted(table) + " (" +  // untranslated
         Quoted(column) + ")";
}

QString ForeignKey(const KeyPlan::Relation& r) {
  return "FOREIGN KEY (" + Quoted(r.column) + ") REFERENCES " + Quoted(r.target) + " (" +  // untranslated
         Quoted(r.targetColumn) + ")";
}

}  // namespace

QString Quoted(const QString& name) {
  return '"' + QString(name).replace('"', QStringLiteral("\"\"")) + '"';
}

QString ColumnType(SqlDialect dialect, const ExportColumn& c) {
  const bool sqlite = dialect == SqlDialect::Sqlite;
  switch (c.kind) {
    case ColumnKind::Integer:
      if (sqlite || c.width <= 9) return QStringLiteral("INTEGER");
      return c.width <= 18 ? QStringLiteral("BIGINT") : QStringLiteral("NUMERIC(%1)").arg(c.width);
    case ColumnKind::Decimal:
      return sqlite ? QStringLiteral("INTEGER")
                    : QStringLiteral("NUMERIC(%1,%2)").arg(c.width).arg(c.decimals);
    case ColumnKind::Date: return QStringLiteral("DATE");
    case ColumnKind::Logical: return QStringLiteral("BOOLEAN");
    case ColumnKind::Text: return QStringLiteral("TEXT");
  }
  return QStringLiteral("TEXT");
}

QString CreateTable(SqlDialect dialect, const ExportTable& table, const KeyPlan* keys) {
  QStringList parts;
  for (const ExportColumn& c : table.columns)
    parts << Quoted(c.name) + " " + ColumnType(dialect, c);
  if (keys) {
    const KeyPlan::Key* key = keys->keyOf(table.name);
    if (key && key->declared) parts << "PRIMARY KEY (" + Quoted(key->column) + ")";
    for (const KeyPlan::Relation& r : keys->relations)
      if (r.declared && r.table == table.name) parts << ForeignKey(r);
  }
  return "CREATE TABLE " + Quoted(table.name) + " (\n  " + parts.join(",\n  ") + "\n)";  // untranslated
}

QStringList AddKeys(const KeyPlan& keys) {
  QStringList statements;
  for (const KeyPlan::Key& k : keys.keys)
    if (k.declared)
      statements << "ALTER TABLE " + Quoted(k.table) + " ADD PRIMARY KEY (" + Quoted(k.column) + ")";
  for (const KeyPlan::Relation& r : keys.relations)
    if (r.declared) statements << "ALTER TABLE " + Quoted(r.table) + " ADD " + ForeignKey(r);
  return statements;
}

QStringList CreateIndexes(const KeyPlan& keys) {
  QStringList statements;
  for (const KeyPlan::Key& k : keys.keys)
    if (!k.declared) statements << IndexOn(k.table, k.column);
  for (const KeyPlan::Relation& r : keys.relations) {
    const KeyPlan::Key* key = keys.keyOf(r.table);
    if (!key || !key->declared || key->column != r.column) statements << IndexOn(r.table, r.column);
  }
  statements.removeDuplicates();  // a relation column that is also an undeclared key
  return statements;
}
