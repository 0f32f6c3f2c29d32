// The keys and relations of the exported tables, and which of them the data
// keeps. Legacy data may break them (a customer deleted while its invoices
// remain, two customers with one number): a key is declared only where
// every live record has a value and no two share one, a relation only where
// its target is a declared key and every value it names exists there. The
// export never fails for a break; each kind is counted and reported.
#ifndef EXPORT_EXPORTKEYS_H
#define EXPORT_EXPORTKEYS_H

#include <QString>
#include <QStringList>
#include <vector>

#include "export/ExportLayout.h"

class ExportProgress;

// A field that keys its table (open name and field).
struct KeyField {
  const char* table;
  const char* field;
};

// A field that names a record of another table by that table's key.
struct RelationField {
  const char* table;
  const char* field;
  const char* target;  // the open name of the keyed table
  bool noneIsNull;     // 0 or blank means "none"
};

const std::vector<KeyField>& KeyFields();
const std::vector<RelationField>& RelationFields();
// True when field of table is a relation whose 0 or blank means "none".
bool NoneIsNull(const TableDef& table, const QString& field);

// The keys and relations as exported, each declared or not.
struct KeyPlan {
  struct Key {
    QString table, column;
    bool declared = false;
  };
  struct Relation {
    QString table, column, target, targetColumn;
    bool declared = false;
  };
  std::vector<Key> keys;
  std::vector<Relation> relations;
  // One line for each kind of break, with its count.
  QStringList findings;

  const Key* keyOf(const QString& table) const;
};

// Reads the key and relation fields of the live records of tables (each
// table once, a relation's target before it). False, *error naming the
// file, when a record cannot be read.
bool PlanKeys(const std::vector<ExportTable>& tables, ExportProgress* progress, KeyPlan* plan,
              QString* error);

#endif  // EXPORT_EXPORTKEYS_H
