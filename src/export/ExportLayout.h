// What an export holds: one table for each table of the schema (AllTables,
// so tables added later are exported too) with its columns typed from the
// fields of the file in the folder, and the table source_columns that names
// the table and field behind every exported column.
#ifndef EXPORT_EXPORTLAYOUT_H
#define EXPORT_EXPORTLAYOUT_H

#include <QString>
#include <vector>

#include "export/StoredValue.h"

struct DATA4;
struct FIELD4;
struct TableDef;
class HeldTables;

struct ExportColumn {
  QString name;   // in the export
  QString field;  // in the .dbf; empty for a column of source_columns
  ColumnKind kind = ColumnKind::Text;
  char type = 'C';  // the field's kind in the .dbf: C N D L M
  int width = 0;
  int decimals = 0;
  // A relation whose "none" is 0 or blank (a customer without a group):
  // exported as NULL, so the relation holds where there is nothing to name.
  bool noneIsNull = false;
  // The invoice's card text: exported masked, as it is printed.
  bool cardText = false;
  FIELD4* handle = nullptr;  // while the table is held
};

struct ExportTable {
  const TableDef* def = nullptr;  // nullptr: source_columns
  QString name;                   // in the export
  QString file;                   // the .dbf as the folder names it
  DATA4* data = nullptr;          // nullptr: not in the folder (exported empty)
  std::vector<ExportColumn> columns;

  // The column exported from field (without regard to case); nullptr if none.
  const ExportColumn* columnOf(const char* field) const;
};

// How the format stores numbers with decimals.
enum class DecimalColumns {
  Exact,   // as exact decimals under the column's own name
  Scaled,  // as whole numbers of their last place, named <name>_x100 (_x1000, ...)
};

// The tables of the schema from held (the folder's files; a table the
// folder lacks from the schema), then source_columns. False, *error naming
// the file, when a file lacks a field of the schema or holds it as another
// kind (the program cannot use such a table either).
bool LayOutTables(const HeldTables& held, DecimalColumns decimals,
                  std::vector<ExportTable>* tables, QString* error);

// The rows of source_columns: sql_table, sql_column, dbf_table, dbf_field.
std::vector<std::vector<QString>> SourceColumnRows(const std::vector<ExportTable>& tables);

#endif  // EXPORT_EXPORTLAYOUT_H
