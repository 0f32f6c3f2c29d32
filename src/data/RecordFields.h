// How a record buffer maps onto its table: one list per table names each
// field's handle in the open table, the buffer member that holds its value
// and how the value is stored. The buffer's read and its write both walk
// the same list, so a field cannot be read but forgotten on write.
#ifndef DATA_RECORDFIELDS_H
#define DATA_RECORDFIELDS_H

#include <QString>
#include <span>
#include <type_traits>
#include <variant>

#include "data/dbFiles.h"

enum class FieldKind {
  Text,     // character field, Windows-1252, cut to 59 characters
  Memo,     // memo text, trailing blanks removed
  Date,     // yyyymmdd through CenturyWindow; 0 = blank
  Logical,  // "T" / "F"
  Integer,  // whole number (int or long member)
  Double,   // number with decimals
};

// Table is the struct of field handles (Cust5Table), Record the buffer
// (CustomerRecord). A field without a member is never read and always
// written empty: false, 0 or blank by its kind (fields the program keeps
// for other programs' sake).
template <class Table, class Record>
struct FieldOf {
  using Member = std::variant<std::monostate, QString Record::*, int Record::*, long Record::*,
                              double Record::*, bool Record::*>;
  FIELD4* Table::*field;
  FieldKind kind;
  Member member;
};

template <class Table, class Record>
using FieldList = std::span<const FieldOf<Table, Record>>;

// The description of each table's buffer.
FieldList<Cust5Table, CustomerRecord> CustomerFields();
FieldList<GroupsTable, GroupRecord> GroupFields();
FieldList<Inv5Table, InvoiceRecord> InvoiceFields();
FieldList<Itm5Table, ItemRecord> ItemFields();
FieldList<PmtTable, PaymentRecord> PaymentFields();
FieldList<Prod5Table, ProductRecord> ProductFields();
FieldList<Pur5Table, PurchaseRecord> PurchaseFields();
FieldList<LabelsTable, LabelRecord> LabelFields();

// The current record of t into b.
template <class Table, class Record>
void ReadFields(const Table& t, Record& b, FieldList<Table, Record> fields) {
  for (const auto& f : fields) {
    FIELD4* h = t.*f.field;
    std::visit(
        [&](auto m) {
          using M = decltype(m);
          if constexpr (std::is_same_v<M, QString Record::*>) {
            b.*m = f.kind == FieldKind::Memo ? MemoText(h) : FieldText(h);
          } else if constexpr (std::is_same_v<M, bool Record::*>) {
            b.*m = FieldLogical(h);
          } else if constexpr (std::is_same_v<M, double Record::*>) {
            b.*m = f4double(h);
          } else if constexpr (std::is_same_v<M, long Record::*>) {
            b.*m = f4long(h);
          } else if constexpr (std::is_same_v<M, int Record::*>) {
            b.*m = f.kind == FieldKind::Date ? FieldDate(h) : f4int(h);
          }
        },
        f.member);
  }
}

// b into the current record of t.
template <class Table, class Record>
void WriteFields(const Table& t, const Record& b, FieldList<Table, Record> fields) {
  for (const auto& f : fields) {
    FIELD4* h = t.*f.field;
    std::visit(
        [&](auto m) {
          using M = decltype(m);
          if constexpr (std::is_same_v<M, std::monostate>) {
            switch (f.kind) {
              case FieldKind::Logical: AssignLogical(h, false); break;
              case FieldKind::Integer:
              case FieldKind::Double: f4assignDouble(h, 0); break;
              case FieldKind::Date: AssignDate(h, 0); break;
              case FieldKind::Memo: AssignMemo(h, QString()); break;
              case FieldKind::Text: AssignText(h, QString()); break;
            }
          } else if constexpr (std::is_same_v<M, QString Record::*>) {
            if (f.kind == FieldKind::Memo) {
              AssignMemo(h, b.*m);
            } else {
              AssignText(h, b.*m);
            }
          } else if constexpr (std::is_same_v<M, bool Record::*>) {
            AssignLogical(h, b.*m);
          } else if constexpr (std::is_same_v<M, double Record::*>) {
            f4assignDouble(h, b.*m);
          } else if constexpr (std::is_same_v<M, long Record::*>) {
            f4assignLong(h, b.*m);
          } else if constexpr (std::is_same_v<M, int Record::*>) {
            if (f.kind == FieldKind::Date) {
              AssignDate(h, b.*m);
            } else {
              f4assignInt(h, b.*m);
            }
          }
        },
        f.member);
  }
}

#endif  // DATA_RECORDFIELDS_H
