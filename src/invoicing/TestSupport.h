// Shared set-up of the invoicing window tests: the customers' test folder
// (with the customer and group windows) made the current directory (the
// batch files are written there), the settings record read, the invoice
// windows and the product windows an invoice reaches created and registered
// with the pick-and-edit routines as the program does, and no printer
// chosen.
#ifndef INVOICING_TESTSUPPORT_H
#define INVOICING_TESTSUPPORT_H

#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <memory>

#include "customers/TestSupport.h"
#include "invoicing/InvoiceU.h"
#include "invoicing/ItemDefU.h"
#include "invoicing/PickInvU.h"
#include "invoicing/PickPmtU.h"
#include "invoicing/PmtDefU.h"
#include "platform/AmountBox.h"
#include "printing/ReportU.h"
#include "products/PickProdU.h"
#include "products/ProdDefU.h"

// Invoice records written straight to the tables, and read back: each
// opens its table and closes all tables afterwards.
struct InvoiceTables {
  // A customer of group 1 whose note is "old note".
  static void addCustomer(long number, const QString& last, const QString& first = "Ann");
  static void addProduct(const QString& code, double price, bool tax2 = false);
  static void addInvoice(long number, long customer, const QString& note = QString());
  static void addItem(long invoice, const QString& code, double qty = 1, double price = 10);
  static void addPayment(long invoice, double amount);
  // Each table checked with its indexes: "number cCustomer ship/tax/due",
  // "invoice code qtyxprice[ t2]", "invoice yyyymmdd amount".
  static QStringList invoices();
  static QStringList items();
  static QStringList payments();
};

class InvoicingTest : public CustomersTest, protected InvoiceTables {
 protected:
  void SetUp() override;
  void TearDown() override;

  // "Create & Edit Invoices" up to its closing pack: the invoice loop's
  // tables opened, the pick list on the highest invoice number, the edit
  // loop, all tables closed.
  static void editInvoices();

  // Not the pick-list fixture's, which needs CUST5 open.
  using InvoiceTables::addCustomer;

  // The trimmed texts of a grid column, every row.
  static QStringList gridColumn(const QTableWidget* grid, int column);
  // The trimmed text of an amount box.
  static QString shown(const AmountBox* box);

  QString previousDir;
  std::unique_ptr<TPickProd> pickProd;
  std::unique_ptr<TProdDef> prodDef;
  std::unique_ptr<TPickInv> pickInv;
  std::unique_ptr<TInvoice> invoice;
  std::unique_ptr<TItemDef> itemDef;
  std::unique_ptr<TPmtDef> pmtDef;
  std::unique_ptr<TPickPmt> pickPmt;
  std::unique_ptr<TReportF> reportF;
};

#endif  // INVOICING_TESTSUPPORT_H
