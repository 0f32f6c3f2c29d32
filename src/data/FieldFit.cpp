#include "data/FieldFit.h"

#include <QCoreApplication>
#include <cmath>

#include "data/Schema.h"
#include "platform/Ui.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(FieldFit)
};

// A field's name as the program spells it ("Due"); the header holds it in
// capitals.
QString FieldName(FIELD4* field) {
  const QString stored = QString::fromLatin1(f4name(field));
  for (const TableDef* table : AllTables())
    for (const FieldDef& f : table->fields)
      if (stored.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0) return f.name;
  return stored;
}

}  // namespace

QString Misfit(FIELD4* field, double value) {
  if (f4type(field) != 'N') return QString();
  const int decimals = f4decimals(field);
  // As the engine writes it: fixed, with the field's decimals, no "-0".
  QString text = QString::number(value, 'f', decimals);
  if (text.startsWith('-') && QString(text).remove('-').remove('0').remove('.').isEmpty())
    text.remove(0, 1);
  const bool finite = std::isfinite(value) && std::fabs(value) < 1e20;
  if (finite && text.size() <= f4len(field)) return QString();
  return Tr::tr("The number %1 does not fit the field %2 (%3 characters, %4 decimals). "
                "Nothing was saved.")
      .arg(finite ? text : QStringLiteral("?"), FieldName(field))
      .arg(f4len(field))
      .arg(decimals);
}

bool FitsOrSay(const QString& misfit) {
  if (misfit.isEmpty()) return true;
  Ui::get().information(misfit);
  return false;
}
