#include "data/FieldFit.h"

#include <cmath>

#include "platform/Ui.h"

QString Misfit(FIELD4* field, double value) {
  if (f4type(field) != 'N') return QString();
  const int decimals = f4decimals(field);
  // As the engine writes it: fixed, with the field's decimals, no "-0".
  QString text = QString::number(value, 'f', decimals);
  if (text.startsWith('-') && QString(text).remove('-').remove('0').remove('.').isEmpty())
    text.remove(0, 1);
  const bool finite = std::isfinite(value) && std::fabs(value) < 1e20;
  if (finite && text.size() <= f4len(field)) return QString();
  return QStringLiteral("The number %1 does not fit the field %2 (%3 characters, %4 decimals). "
                        "Nothing was saved.")
      .arg(finite ? text : QStringLiteral("?"), QString::fromLatin1(f4name(field)))
      .arg(f4len(field))
      .arg(decimals);
}

bool FitsOrSay(const QString& misfit) {
  if (misfit.isEmpty()) return true;
  Ui::get().information(misfit);
  return false;
}
