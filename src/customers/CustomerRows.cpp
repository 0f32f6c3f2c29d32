#include "customers/CustomerRows.h"

#include <QCoreApplication>

#include "data/dbFiles.h"

namespace {
struct Tr {
  Q_DECLARE_TR_FUNCTIONS(CustomerRows)
};
}  // namespace

const char* CustomerListTag(bool byName) { return byName ? "cName" : "cComp"; }

QStringList CustomerRowTexts(bool byName) {
  ReadCustomer();
  //: Shown in the pick list instead of a deleted customer's note
  const QString third = Tr::tr("< DELETED >");
  const bool deleted = d4deleted(Cust5.d) == 1;
  const CustomerRecord& c = CustBuf;
  if (byName) return {c.last, c.first, deleted ? third : c.note};
  return {c.addr1, c.last, deleted ? third : c.first};
}
