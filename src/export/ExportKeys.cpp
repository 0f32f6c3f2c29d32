#include "export/ExportKeys.h"

#include <algorithm>
#include <map>
#include <string>

#include "data/Schema.h"
#include "export/ExportRows.h"

namespace {

bool SameName(const char* a, const char* b) {
  return QString::fromLatin1(a).compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

// A key's values, sorted, each once.
struct KeyValues {
  std::vector<std::string> values;
  bool declared = false;
};

std::string KeyText(const ExportValue& v) {
  return v.kind == ExportValue::Kind::Number ? std::to_string(v.number) : v.text.toStdString();
}

const ExportTable* TableOf(const std::vector<ExportTable>& tables, const char* openName) {
  for (const ExportTable& t : tables)
    if (t.def && SameName(t.def->openName, openName)) return &t;
  return nullptr;
}

const KeyField* KeyFieldOf(const TableDef& def) {
  for (const KeyField& k : KeyFields())
    if (SameName(k.table, def.openName)) return &k;
  return nullptr;
}

int ColumnIndex(const ExportTable& t, const char* field) {
  const ExportColumn* c = t.columnOf(field);
  return c ? int(c - t.columns.data()) : -1;
}

QString Count(const QString& what, long n) { return QStringLiteral("%1: %2").arg(what).arg(n); }

using KeysWalked = std::map<const ExportTable*, KeyValues>;

// One keyed table's walk: its key's values collected, its relations
// checked against the keys of the tables walked before it.
class TableWalk {
 public:
  TableWalk(const std::vector<ExportTable>& tables, const ExportTable& table,
            KeysWalked* keys, KeyPlan* plan)
      : tables_(tables), table_(table), keys_(keys), plan_(plan) {}

  bool run(ExportProgress* progress, QString* error) {
    if (const KeyField* k = KeyFieldOf(*table_.def)) keyColumn_ = ColumnIndex(table_, k->field);
    std::vector<int> columns;
    if (keyColumn_ >= 0) columns.push_back(keyColumn_);
    for (const RelationField& r : RelationFields()) {
      if (!SameName(r.table, table_.def->openName)) continue;
      const ExportTable* target = TableOf(tables_, r.target);
      const int column = ColumnIndex(table_, r.field);
      if (!target || column < 0 || !KeyFieldOf(*target->def)) continue;
      relations_.push_back({&r, target, column, FindKey(target), 0});
      columns.push_back(column);
    }
    KeyValues key;
    long blanks = 0;
    const bool read = ReadLiveRows(table_, columns, progress, nullptr,
                                   [&](const std::vector<ExportValue>& values) {
                                     size_t i = 0;
                                     if (keyColumn_ >= 0) {
                                       const ExportValue& v = values[i++];
                                       if (v.kind == ExportValue::Kind::Null) ++blanks;
                                       else key.values.push_back(KeyText(v));
                                     }
                                     for (Relation& r : relations_) check(values[i++], &r);
                                     return true;
                                   },
                                   error);
    if (!read) return false;
    if (keyColumn_ >= 0) settleKey(&key, blanks);
    for (const Relation& r : relations_) settleRelation(r);
    return true;
  }

 private:
  struct Relation {
    const RelationField* field;
    const ExportTable* target;
    int column;
    const KeyValues* targetKey;  // nullptr: the target has no key field
    long missing;
  };

  const KeyValues* FindKey(const ExportTable* target) const {
    const auto found = keys_->find(target);
    return found == keys_->end() ? nullptr : &found->second;
  }

  void check(const ExportValue& v, Relation* r) const {
    if (v.kind == ExportValue::Kind::Null) return;
    const std::vector<std::string>* values = r->targetKey ? &r->targetKey->values : nullptr;
    if (!values || !std::binary_search(values->begin(), values->end(), KeyText(v))) ++r->missing;
  }

  void settleKey(KeyValues* key, long blanks) {
    std::sort(key->values.begin(), key->values.end());
    long shared = 0;
    for (auto run = key->values.begin(); run != key->values.end();) {
      const auto end = std::upper_bound(run, key->values.end(), *run);
      if (end - run > 1) shared += long(end - run);
      run = end;
    }
    key->values.erase(std::unique(key->values.begin(), key->values.end()), key->values.end());
    key->declared = shared == 0 && blanks == 0;
    const ExportColumn& c = table_.columns[size_t(keyColumn_)];
    plan_->keys.push_back({table_.name, c.name, key->declared});
    const QString head = table_.name + "." + c.name + ": not declared a primary key; ";
    if (shared > 0) plan_->findings << head + Count("rows that share a value", shared);
    if (blanks > 0) plan_->findings << head + Count("rows without a value", blanks);
    (*keys_)[&table_] = std::move(*key);
  }

  void settleRelation(const Relation& r) {
    const ExportColumn& c = table_.columns[size_t(r.column)];
    const ExportColumn& t = *r.target->columnOf(KeyFieldOf(*r.target->def)->field);
    const bool keyed = r.targetKey && r.targetKey->declared;
    plan_->relations.push_back({table_.name, c.name, r.target->name, t.name, keyed && r.missing == 0});
    const QString head = table_.name + "." + c.name + " -> " + r.target->name + "." + t.name +
                         ": no foreign key; ";
    if (r.missing > 0)
      plan_->findings << head + Count("rows naming a missing " + r.target->name + " row", r.missing);
    else if (!keyed)
      plan_->findings << head + r.target->name + "." + t.name + " is not a primary key";
  }

  const std::vector<ExportTable>& tables_;
  const ExportTable& table_;
  KeysWalked* keys_;
  KeyPlan* plan_;
  int keyColumn_ = -1;
  std::vector<Relation> relations_;
};

// The tables in an order that walks each relation's target before the
// table that names it.
std::vector<const ExportTable*> WalkOrder(const std::vector<ExportTable>& tables) {
  std::vector<const ExportTable*> order, left;
  for (const ExportTable& t : tables)
    if (t.def) left.push_back(&t);
  while (!left.empty()) {
    const auto ready = std::find_if(left.begin(), left.end(), [&](const ExportTable* t) {
      for (const RelationField& r : RelationFields()) {
        if (!SameName(r.table, t->def->openName)) continue;
        for (const ExportTable* other : left)
          if (other != t && SameName(other->def->openName, r.target)) return false;
      }
      return true;
    });
    // A cycle (none in the schema) is walked as it stands.
    const auto next = ready != left.end() ? ready : left.begin();
    order.push_back(*next);
    left.erase(next);
  }
  return order;
}

}  // namespace

const std::vector<KeyField>& KeyFields() {
  static const std::vector<KeyField> keys = {
      {"CUST5", "cuno"}, {"GROUPS", "nGroup"}, {"INV5", "IvNo"},
      {"Prod5", "PrID"}, {"LABELS", "Name"},   {"CUSTEI", "CUNO"},
      {"CUSTLANG", "CUNO"}, {"INVSTATE", "IVNO"}, {"BANKREF", "REF"}, {"REMIND", "IVNO"}, {"RECUR", "SCHED"},
      {"QUOTE", "QNO"}, {"RECEIVED", "FILE"},
  };
  return keys;
}

const std::vector<RelationField>& RelationFields() {
  static const std::vector<RelationField> relations = {
      {"CUST5", "ngroup", "GROUPS", true},  {"INV5", "CuNo", "CUST5", true},
      {"ITM5", "IvNo", "INV5", false},      {"ITM5", "PrID", "Prod5", true},
      {"PMT", "IvNo", "INV5", false},       {"Pur5", "PURProd", "Prod5", true},
      {"CUSTEI", "CUNO", "CUST5", false},   {"CUSTLANG", "CUNO", "CUST5", false},
      {"INVSTATE", "IVNO", "INV5", false},  {"INVSTATE", "REFNO", "INV5", true},
      {"BANKREF", "IVNO", "INV5", false},   {"REMIND", "IVNO", "INV5", false},
      {"QUOTE", "CUNO", "CUST5", true},     {"QUOTE", "IVNO", "INV5", true},
      {"QUOTEIT", "QNO", "QUOTE", false},   {"QUOTEIT", "PRID", "Prod5", true},
  };
  return relations;
}

bool NoneIsNull(const TableDef& table, const QString& field) {
  for (const RelationField& r : RelationFields())
    if (r.noneIsNull && SameName(r.table, table.openName) &&
        field.compare(QLatin1String(r.field), Qt::CaseInsensitive) == 0)
      return true;
  return false;
}

const KeyPlan::Key* KeyPlan::keyOf(const QString& table) const {
  for (const Key& k : keys)
    if (k.table == table) return &k;
  return nullptr;
}

bool PlanKeys(const std::vector<ExportTable>& tables, ExportProgress* progress, KeyPlan* plan,
              QString* error) {
  KeysWalked keys;
  for (const ExportTable* t : WalkOrder(tables)) {
    TableWalk walk(tables, *t, &keys, plan);
    if (!walk.run(progress, error)) return false;
  }
  return true;
}
