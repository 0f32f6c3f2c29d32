#include "export/ExportLayout.h"

#include <QCoreApplication>
#include <QDir>

#include "data/BackupRestore.h"
#include "data/CardText.h"
#include "data/CodeBase.h"
#include "data/Schema.h"
#include "data/TableSwap.h"
#include "export/ExportKeys.h"
#include "export/ExportNames.h"
#include "tbengine/engine.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(ExportLayout)
};


ColumnKind KindOf(char type, int decimals) {
  switch (type) {
    case 'N': return decimals > 0 ? ColumnKind::Decimal : ColumnKind::Integer;
    case 'D': return ColumnKind::Date;
    case 'L': return ColumnKind::Logical;
    default: return ColumnKind::Text;
  }
}

// "_x100" for two places: the column holds the value times 100.
QString ScaleSuffix(int decimals) { return "_x1" + QString(decimals, '0'); }

ExportColumn Column(const TableDef& def, const QString& field, char type, int width, int decimals,
                    DecimalColumns decimalColumns) {
  ExportColumn c;
  c.field = field;
  c.type = type;
  c.kind = KindOf(type, decimals);
  c.width = width;
  c.decimals = decimals;
  c.name = SqlColumnName(def, field);
  if (c.kind == ColumnKind::Decimal && decimalColumns == DecimalColumns::Scaled)
    c.name += ScaleSuffix(decimals);
  c.noneIsNull = NoneIsNull(def, field);
  c.cardText = HoldsCardText(QLatin1String(def.openName), field);
  return c;
}

// A name another column of the table already has gets a number: a field
// another program added may lower-case to a readable name of ours.
void MakeUnique(std::vector<ExportColumn>* columns) {
  for (size_t i = 0; i < columns->size(); ++i) {
    const QString base = (*columns)[i].name;
    for (int n = 2;; ++n) {
      bool taken = false;
      for (size_t j = 0; j < i; ++j) taken = taken || (*columns)[j].name == (*columns)[i].name;
      if (!taken) break;
      (*columns)[i].name = base + "_" + QString::number(n);
    }
  }
}

// A field of the schema as the schema spells it (the file holds the name
// in capitals), so source_columns reads as the program's sources do; a
// field the schema lacks as the file spells it.
QString SchemaSpelling(const TableDef& def, const QString& field) {
  for (const FieldDef& f : def.fields)
    if (field.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0) return QString::fromLatin1(f.name);
  return field;
}

// The columns of the held file d, in its field order.
bool FileColumns(const TableDef& def, DATA4* d, const QString& file, DecimalColumns decimals,
                 std::vector<ExportColumn>* columns, QString* error) {
  for (const FieldDef& f : def.fields) {
    FIELD4* field = d4field(d, f.name);
    code4errorCode(cb, 0);
    if (!field || f4type(field) != f.type) {
      *error = (field ? Tr::tr("%1: the field %2 is of another kind") : Tr::tr("%1: the field %2 is missing"))
                   .arg(file, QString::fromLatin1(f.name));
      return false;
    }
  }
  for (int j = 1; j <= d4numFields(d); ++j) {
    FIELD4* field = d4fieldJ(d, j);
    ExportColumn c = Column(def, SchemaSpelling(def, QString::fromLatin1(f4name(field))),
                            f4type(field), f4len(field), f4decimals(field), decimals);
    c.handle = field;
    columns->push_back(c);
  }
  return true;
}

ExportTable SourceColumnsTable() {
  ExportTable t;
  t.name = QStringLiteral("source_columns");
  for (const char* name : {"sql_table", "sql_column", "dbf_table", "dbf_field"}) {
    ExportColumn c;
    c.name = QString::fromLatin1(name);
    t.columns.push_back(c);
  }
  return t;
}

}  // namespace

const ExportColumn* ExportTable::columnOf(const char* field) const {
  for (const ExportColumn& c : columns)
    if (c.field.compare(QLatin1String(field), Qt::CaseInsensitive) == 0) return &c;
  return nullptr;
}

bool LayOutTables(const HeldTables& held, DecimalColumns decimals,
                  std::vector<ExportTable>* tables, QString* error) {
  tables->clear();
  for (const TableDef* def : AllTables()) {
    ExportTable t;
    t.def = def;
    t.name = SqlTableName(*def);
    t.data = held.table(*def);
    t.file = ExistingName(DataDirectory(), QString::fromLatin1(def->fileName));
    if (t.data) {
      if (!FileColumns(*def, t.data, t.file, decimals, &t.columns, error)) return false;
    } else {
      for (const FieldDef& f : def->fields)
        t.columns.push_back(
            Column(*def, QString::fromLatin1(f.name), f.type, f.width, f.decimals, decimals));
    }
    MakeUnique(&t.columns);
    tables->push_back(std::move(t));
  }
  tables->push_back(SourceColumnsTable());
  return true;
}

std::vector<std::vector<QString>> SourceColumnRows(const std::vector<ExportTable>& tables) {
  std::vector<std::vector<QString>> rows;
  for (const ExportTable& t : tables) {
    if (!t.def) continue;
    for (const ExportColumn& c : t.columns) rows.push_back({t.name, c.name, t.file, c.field});
  }
  return rows;
}
