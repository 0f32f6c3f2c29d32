#include "products/ProductCodes.h"

#include "data/dbFiles.h"

QString ProductCode(const QString& typed) { return typed.trimmed().toUpper(); }

bool ProductCodeTaken(const QString& code, long ownRecord) {
  DATA4* d = Prod5.d;
  TAG4* before = d4tagSelected(d);
  d4tagSelect(d, d4tag(d, "Prod"));
  bool taken = false;
  // The seek lands on the first key that begins with the code; keys equal
  // to it come before longer ones (AB1 before AB12), so the walk stops at
  // the first record whose code is a different one.
  for (int at = d4seek(d, SeekKey(code).constData()); at == r4success; at = d4skip(d, 1)) {
    if (ProductCode(FieldText(Prod5.PrID)) != code) break;
    if (d4recNo(d) != ownRecord) {
      taken = true;
      break;
    }
  }
  d4tagSelect(d, before);
  return taken;
}
