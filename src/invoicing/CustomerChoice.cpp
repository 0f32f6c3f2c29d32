#include "invoicing/CustomerChoice.h"

#include <QCoreApplication>

#include "data/InvoiceLoad.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "picklists/PickEdit.h"
#include "platform/Ui.h"

namespace {
struct Tr {
  Q_DECLARE_TR_FUNCTIONS(TInvoice)
};
}  // namespace

bool ChooseCustomer(long* cuNo) {
  if (*cuNo == 0) {
    // The list starts at the top when there is no customer yet.
    d4tagSelect(Cust5.d, d4tag(Cust5.d, Settings().ByCust ? "cname" : "cComp"));
    CurrentCustomerRec = FirstRecord(Cust5.d);
  }
  if (!PickCustomer(true).chosen) return false;
  d4go(Cust5.d, CurrentCustomerRec);
  ReadCustomer();
  *cuNo = CustBuf.cuno;
  BuildCustomerAddress();
  return true;
}

bool EditChosenCustomer(long cuNo, QDialog* editor) {
  if (cuNo == 0) {
    Ui::get().information(Tr::tr("Customer not selected"));
    return false;
  }
  d4tagSelect(Cust5.d, d4tag(Cust5.d, "CCNO"));
  if (d4seek(Cust5.d, NumberTagKey(cuNo).constData()) != r4success) return false;
  CurrentCustomerRec = int(d4recNo(Cust5.d));
  if (editor) Ui::get().exec(editor);
  if (CurrentCustomerRec <= 0) return false;
  ReadCustomer();
  BuildCustomerAddress();
  return true;
}
