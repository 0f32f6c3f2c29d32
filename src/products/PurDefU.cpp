#include "products/PurDefU.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/CodeBase.h"
#include "data/FieldFit.h"
#include "data/dbFiles.h"
#include "data/RecordSave.h"
#include "platform/AmountBox.h"
#include "platform/Clock.h"
#include "platform/DateBox.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"
#include "picklists/PickEdit.h"
#include "data/StorableText.h"
#include "platform/EntryTexts.h"
#include "platform/Ui.h"
#include "products/ProductCodes.h"

namespace {
constexpr int kHelpContext = 450;
}  // namespace

TPurDef::TPurDef(QWidget* parent)
    : EditorForm(parent, "TPurDef", tr("Inventory Purchase Definition"), kHelpContext,
                 Deletes::Yes) {
  BtnProd = MakeFormButton("BtnProd", tr("Product"), this);
  Edit1 = MakeFormEdit("Edit1", 10, this);
  Edit1->setReadOnly(true);
  Edit1->setFocusPolicy(Qt::NoFocus);
  MaskEdit1 = MakeDateBox("MaskEdit1", this);
  MaskEdit2 = MakeAmountBox("MaskEdit2", "!#######.99;1;_", "%10.2f", this);
  MaskEdit3 = MakeAmountBox("MaskEdit3", "!#########.99;1;_", "%12.2f", this);

  const int m = fontMetrics().horizontalAdvance(QChar('M'));
  Edit1->setFixedWidth(11 * m);
  MaskEdit1->setFixedWidth(8 * m);
  MaskEdit2->setFixedWidth(10 * m);
  MaskEdit3->setFixedWidth(12 * m);

  auto* fields = new QGridLayout;
  fields->addWidget(BtnProd, 0, 0);
  fields->addWidget(Edit1, 0, 1, Qt::AlignLeft);
  fields->addWidget(new QLabel(tr("Date Acquired"), this), 1, 0);
  fields->addWidget(MaskEdit1, 1, 1, Qt::AlignLeft);
  fields->addWidget(new QLabel(tr("Quantity"), this), 2, 0);
  fields->addWidget(MaskEdit2, 2, 1, Qt::AlignLeft);
  fields->addWidget(new QLabel(tr("Total Cost"), this), 3, 0);
  fields->addWidget(MaskEdit3, 3, 1, Qt::AlignLeft);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(ButtonRow());

  SetTabOrder({BtnProd, MaskEdit1, MaskEdit2, MaskEdit3, BtnSave, BtnDelete, BtnCancel, BitBtn1});

  connect(BtnProd, &QPushButton::clicked, this, Guarded(this, &TPurDef::BtnProdClick));
}

void TPurDef::FormShow() {
  chosenProduct_ = 0;
  if (CurrentPurchaseRec > 0) {
    BtnDelete->setEnabled(true);
    d4go(Pur5.d, CurrentPurchaseRec);
    ReadPurchase();
  } else {
    PurBuf = PurchaseRecord{};
    PurBuf.PURDate = DateFromQDate(Clock::today());
    BtnDelete->setEnabled(false);
  }
  Edit1->setText(PurBuf.PURProd);
  MaskEdit1->setDate(PurBuf.PURDate);
  MaskEdit2->setValue(PurBuf.PURQty);
  MaskEdit3->setValue(PurBuf.PURCost);
  BtnProd->setFocus();
}

void TPurDef::BtnProdClick() {
  // The product list opens at its first product.
  DATA4* d = Prod5.d;
  CurrentProductRec = d4top(d) == r4success ? static_cast<int>(d4recNo(d)) : 0;
  PickProduct(true);
  if (CurrentProductRec <= 0) return;
  d4go(d, CurrentProductRec);
  ReadProduct();
  chosenProduct_ = CurrentProductRec;
  Edit1->setText(ProdBuf.PrID);
}

void TPurDef::BtnSaveClick() {
  if (Edit1->text().trimmed().isEmpty()) {
    Ui::get().information(tr("Product Selection Required."));
    return;
  }
  // Everything is read before anything is written.
  const QString code = ProductCode(Edit1->text());
  const TDate date = CenturyWindow(MaskEdit1->date());
  const double quantity = MaskEdit2->value();
  const double cost = MaskEdit3->value();
  PurchaseRecord fit = PurBuf;
  fit.PURQty = quantity;
  fit.PURCost = cost;
  if (!FitsOrSay(FirstMisfit(Pur5, fit, PurchaseFields()))) return;
  if (!ConfirmStorable(EntryTexts(this))) return;

  DATA4* d = Pur5.d;
  if (!GoToOrAppend(d, &CurrentPurchaseRec)) return;
  PurBuf.PURProd = code;
  PurBuf.PURDate = date;
  PurBuf.PURQty = quantity;
  PurBuf.PURCost = cost;
  WritePurchase();

  if (chosenProduct_ > 0) {
    d4go(Prod5.d, chosenProduct_);
    ReadProduct();
    ProdBuf.lInven = true;
    WriteProduct();
  }
  accept();
}

void TPurDef::BtnDeleteClick() {
  MarkForPack(Pur5.d, CurrentPurchaseRec);
  accept();
}

