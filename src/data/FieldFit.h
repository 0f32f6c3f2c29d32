// Numbers checked against their fields before a save writes anything: a
// value wider than its numeric field (with the field's decimals) cannot be
// stored, and a save that went ahead would stop part-way with the record
// half written. Texts need no check: they are cut to their field.
#ifndef DATA_FIELDFIT_H
#define DATA_FIELDFIT_H

#include <QString>
#include <type_traits>
#include <variant>

#include "data/RecordFields.h"

// The message naming value and field when the field cannot hold it; empty
// when it can (or the field holds no number).
QString Misfit(FIELD4* field, double value);

// The message for the first number of the buffer b that its field in t
// cannot hold, walking the buffer's field description; empty when all fit.
template <class Table, class Record>
QString FirstMisfit(const Table& t, const Record& b, FieldList<Table, Record> fields) {
  for (const auto& f : fields) {
    QString misfit;
    std::visit(
        [&](auto m) {
          using M = decltype(m);
          if constexpr (std::is_same_v<M, double Record::*> || std::is_same_v<M, long Record::*>) {
            misfit = Misfit(t.*f.field, double(b.*m));
          } else if constexpr (std::is_same_v<M, int Record::*>) {
            if (f.kind != FieldKind::Date) misfit = Misfit(t.*f.field, double(b.*m));
          }
        },
        f.member);
    if (!misfit.isEmpty()) return misfit;
  }
  return QString();
}

// For an editor's Save, before the first write: true when misfit is empty;
// otherwise it is shown (one information box) and false returned, and
// nothing may be written.
bool FitsOrSay(const QString& misfit);

#endif  // DATA_FIELDFIT_H
