#include "products/PickProdU.h"

#include "data/dbFiles.h"

TPickProd::TPickProd(QWidget* parent)
    //: The title of the product pick list
    : PickGridForm({tr("PickProd"), QChar('M'), 45, 10, false}, parent) {
  setObjectName("TPickProd");
}

DATA4* TPickProd::table() const { return Prod5.d; }

int& TPickProd::currentRecord() const { return CurrentProductRec; }

QList<PickGridForm::Column> TPickProd::columns() const {
  return {{tr("Product ID"), 10}, {tr("Description"), 27}, {tr("Price"), 8}};
}

QStringList TPickProd::rowTexts() {
  ReadProduct();
  const bool deleted = d4deleted(Prod5.d) == 1;
  return {ProdBuf.PrID, ProdBuf.PDesc,
          deleted ? tr("<DELETED>") : FormatFloat("%8.2f", ProdBuf.UPrice)};
}
