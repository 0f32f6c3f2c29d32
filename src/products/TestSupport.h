// Shared set-up of the products tests: the pick-list test folder (tables,
// indexes, scripted Ui) with the product, purchase and tax windows
// created and registered with the pick-and-edit routines as the program
// does, Prod5 and Pur5 open.
#ifndef PRODUCTS_TESTSUPPORT_H
#define PRODUCTS_TESTSUPPORT_H

#include <memory>

#include "data/dbFiles.h"
#include "picklists/TestSupport.h"
#include "products/DefTaxU.h"
#include "products/PickProdU.h"
#include "products/PickPurU.h"
#include "products/ProdDefU.h"
#include "products/PurDefU.h"

class ProductsTest : public PickListTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Appends a product / a purchase to the open table; the new record number.
  long addProduct(const QString& code, const QString& description = QString(),
                  double price = 0, double onHand = 0, bool inventory = false);
  long addPurchase(const QString& code, const QDate& date, double quantity, double cost);

  std::unique_ptr<TPickProd> pickProd;
  std::unique_ptr<TProdDef> prodDef;
  std::unique_ptr<TPickPur> pickPur;
  std::unique_ptr<TPurDef> purDef;
  std::unique_ptr<TTaxDef> taxDef;
};

// The product / purchase with that record number as stored (table open).
ProductRecord ProductAt(long recNo);
PurchaseRecord PurchaseAt(long recNo);

#endif  // PRODUCTS_TESTSUPPORT_H
