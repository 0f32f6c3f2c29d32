#include "customers/CustomerRows.h"

#include "data/dbFiles.h"

const char* CustomerListTag(bool byName) { return byName ? "cName" : "cComp"; }

QStringList CustomerRowTexts(bool byName) {
  ReadCustomer();
  const QString third = QStringLiteral("< DELETED >");
  const bool deleted = d4deleted(Cust5.d) == 1;
  const CustomerRecord& c = CustBuf;
  if (byName) return {c.last, c.first, deleted ? third : c.note};
  return {c.addr1, c.last, deleted ? third : c.first};
}
