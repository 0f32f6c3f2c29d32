#include "products/PickPurU.h"

#include "data/dbFiles.h"

TPickPur::TPickPur(QWidget* parent)
    : PickGridForm({QStringLiteral("PickPur"), QChar('B'), 40, 10, false}, parent) {
  setObjectName("TPickPur");
}

DATA4* TPickPur::table() const { return Pur5.d; }

int& TPickPur::currentRecord() const { return CurrentPurchaseRec; }

QList<PickGridForm::Column> TPickPur::columns() const {
  return {{"Product ID", 10}, {"Date", 8}, {"Quantity", 10}, {"Total Cost", 12}};
}

QStringList TPickPur::rowTexts() {
  ReadPurchase();
  const bool deleted = d4deleted(Pur5.d) == 1;
  return {PurBuf.PURProd, FormatShortDate(PurBuf.PURDate), FormatFloat("%10.2f", PurBuf.PURQty),
          deleted ? QStringLiteral("<DELETED>") : FormatFloat("%12.2f", PurBuf.PURCost)};
}
