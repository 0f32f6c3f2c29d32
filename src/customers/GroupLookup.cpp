#include "customers/GroupLookup.h"

#include "data/KeyText.h"
#include "data/dbFiles.h"

QByteArray GroupNumberKey(int n) { return PadLeft(n, 2).toLatin1(); }

bool SeekGroupNumber(const QByteArray& key) {
  DATA4* d = Groups.d;
  if (!d) return false;
  TAG4* before = d4tagSelected(d);
  d4tagSelect(d, d4tag(d, GROUPSDef().tags[0].name));
  const int found = d4seek(d, key.constData());
  d4tagSelect(d, before);
  return found == r4success;
}

QString GroupNameOfKey(const QByteArray& key) {
  if (!SeekGroupNumber(key)) return QString();
  QString name = FieldText(Groups.cGroup);
  while (name.endsWith(' ')) name.chop(1);
  return name;
}
