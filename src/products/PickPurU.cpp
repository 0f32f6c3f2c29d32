#include "products/PickPurU.h"

#include "data/dbFiles.h"

TPickPur::TPickPur(QWidget* parent)
    //: The title of the inventory purchase pick list
    : PickGridForm({tr("PickPur"), QChar('B'), 40, 10, false}, parent) {
  setObjectName("TPickPur");
}

DATA4* TPickPur::table() const { return Pur5.d; }

int& TPickPur::currentRecord() const { return CurrentPurchaseRec; }

QList<PickGridForm::Column> TPickPur::columns() const {
  return {{tr("Product ID"), 10}, {tr("Date"), 8}, {tr("Quantity"), 10}, {tr("Total Cost"), 12}};
}

QStringList TPickPur::rowTexts() {
  ReadPurchase();
  const bool deleted = d4deleted(Pur5.d) == 1;
  return {PurBuf.PURProd, FormatShortDate(PurBuf.PURDate), FormatFloat("%10.2f", PurBuf.PURQty),
          deleted ? tr("<DELETED>") : FormatFloat("%12.2f", PurBuf.PURCost)};
}
