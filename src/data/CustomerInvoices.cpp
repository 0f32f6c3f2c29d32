#include "data/CustomerInvoices.h"

#include "data/dbFiles.h"

namespace {

long CountInOpenTable(long cuno) {
  DATA4* d = Inv5.d;
  TAG4* before = d4tagSelected(d);
  const long record = d4recNo(d);
  d4tagSelect(d, d4tag(d, "invc"));
  long count = 0;
  for (bool found = SeekNumber(d, Inv5.CuNo, cuno); found; found = NextOfNumber(d, Inv5.CuNo, cuno))
    ++count;
  d4tagSelect(d, before);
  if (record >= 1 && record <= d4recCountDo(d)) d4go(d, record);
  return count;
}

}  // namespace

long InvoiceCountOfCustomer(long cuno) {
  if (Inv5.d) return CountInOpenTable(cuno);
  if (!OpenINV5()) return 0;  // the engine has ended the program
  const long count = CountInOpenTable(cuno);
  d4close(Inv5.d);
  Inv5 = {};
  return count;
}
