#include "products/PickProdU.h"

#include "data/dbFiles.h"

TPickProd::TPickProd(QWidget* parent)
    : PickGridForm({QStringLiteral("PickProd"), QChar('M'), 45, 10, false}, parent) {
  setObjectName("TPickProd");
}

DATA4* TPickProd::table() const { return Prod5.d; }

int& TPickProd::currentRecord() const { return CurrentProductRec; }

QList<PickGridForm::Column> TPickProd::columns() const {
  return {{"Product ID", 10}, {"Description", 27}, {"Price", 8}};
}

QStringList TPickProd::rowTexts() {
  ReadProduct();
  const bool deleted = d4deleted(Prod5.d) == 1;
  return {ProdBuf.PrID, ProdBuf.PDesc,
          deleted ? QStringLiteral("<DELETED>") : FormatFloat("%8.2f", ProdBuf.UPrice)};
}
