#include "products/ProdDefU.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/CodeBase.h"
#include "data/FieldFit.h"
#include "data/dbFiles.h"
#include "data/RecordSave.h"
#include "data/Settings.h"
#include "platform/AmountBox.h"
#include "platform/Caption.h"
#include "platform/FieldEdit.h"
#include "platform/FormParts.h"
#include "data/StorableText.h"
#include "platform/EntryTexts.h"
#include "platform/Ui.h"
#include "products/ProductCodes.h"

namespace {
constexpr int kHelpContext = 430;
}  // namespace

TProdDef::TProdDef(QWidget* parent)
    : EditorForm(parent, "TProdDef", tr("Product Definition"), kHelpContext,
                 Deletes::Yes) {
  Edit1 = MakeFormEdit("Edit1", 10, this);
  Edit2 = MakeFormEdit("Edit2", 27, this);
  Edit3 = MakeFormEdit("Edit3", 27, this);
  Edit3->setAccessibleName(tr("Description, second line"));  // no label of its own
  Edit4 = MakeFormEdit("Edit4", 10, this);
  MaskEdit1 = MakeAmountBox("MaskEdit1", "!#####.99;1;_", "%8.2f", this);
  MaskEdit2 = MakeAmountBox("MaskEdit2", "!######.99;1;_", "%9.2f", this);
  CheckBox1 = new QCheckBox(this);
  CheckBox1->setObjectName("CheckBox1");
  CheckBox2 = new QCheckBox(this);
  CheckBox2->setObjectName("CheckBox2");
  CheckBox3 = new QCheckBox(tr("Inventory Item"), this);
  CheckBox3->setObjectName("CheckBox3");
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setTabChangesFocus(true);

  const int m = fontMetrics().horizontalAdvance(QChar('M'));
  Edit1->setFixedWidth(11 * m);
  Edit4->setFixedWidth(11 * m);
  Edit2->setMinimumWidth(22 * m);
  MaskEdit1->setFixedWidth(8 * m);
  MaskEdit2->setFixedWidth(9 * m);

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(tr("Product ID"), this), 0, 0);
  fields->addWidget(Edit1, 0, 1, Qt::AlignLeft);
  fields->addWidget(new QLabel(tr("Description"), this), 1, 0);
  fields->addWidget(Edit2, 1, 1);
  fields->addWidget(Edit3, 2, 1);
  fields->addWidget(new QLabel(tr("Unit Price"), this), 3, 0);
  fields->addWidget(MaskEdit1, 3, 1, Qt::AlignLeft);
  auto* taxes = new QHBoxLayout;
  taxes->addWidget(CheckBox1);
  taxes->addWidget(CheckBox2);
  taxes->addStretch();
  fields->addLayout(taxes, 4, 1);
  fields->addWidget(new QLabel(tr("License Code:"), this), 5, 0);
  fields->addWidget(Edit4, 5, 1, Qt::AlignLeft);
  fields->addWidget(CheckBox3, 6, 1);
  fields->addWidget(new QLabel(tr("Reorder Level:"), this), 7, 0);
  fields->addWidget(MaskEdit2, 7, 1, Qt::AlignLeft);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(new QLabel(tr("Product Text (Printed at the Bottom of Invoices)"), this));
  layout->addWidget(Memo1);
  layout->addLayout(ButtonRow());

  SetTabOrder({Edit1, Edit2, MaskEdit1, Edit3, CheckBox1, CheckBox2, Edit4, CheckBox3, MaskEdit2,
               Memo1, BtnSave, BtnDelete, BtnCancel, BitBtn1});
}

void TProdDef::FormShow() {
  if (CurrentProductRec > 0) {
    BtnDelete->setEnabled(true);
    d4go(Prod5.d, CurrentProductRec);
    ReadProduct();
  } else {
    ProdBuf = ProductRecord{};
    CurrentProductRec = -1;
    BtnDelete->setEnabled(false);
  }
  CheckBox1->setText(LiteralCaption(Settings().ShipLine.trimmed()));
  CheckBox2->setText(LiteralCaption(Settings().TaxLine.trimmed()));
  showBuffer();
  Edit1->setFocus();
}

void TProdDef::showBuffer() {
  const ProductRecord& p = ProdBuf;
  ShowText(Edit1, p.PrID.trimmed());
  ShowText(Edit2, p.PDesc.trimmed());
  ShowText(Edit3, p.IComm.trimmed());
  ShowText(Edit4, p.RCode.trimmed());
  MaskEdit1->setValue(p.UPrice);
  MaskEdit2->setValue(p.REORDER);
  CheckBox1->setChecked(p.LTax1);
  CheckBox2->setChecked(p.LTax2);
  CheckBox3->setChecked(p.lInven);
  Memo1->setPlainText(p.PMemo.trimmed());
}

void TProdDef::BtnSaveClick() {
  if (Edit1->text().trimmed().isEmpty()) {
    Ui::get().information(tr("Blank Product ID not allowed"));
    return;
  }
  const QString code = ProductCode(Edit1->text());
  if (code != ProdBuf.PrID.trimmed() && ProductCodeTaken(code, CurrentProductRec)) {
    Ui::get().information(tr("Duplicate Product ID's are not allowed"));
    return;
  }
  if (!ConfirmStorable(EntryTexts(this))) return;
  // Everything is read before anything is written, and the buffer is filled
  // only once the record is in hand: a refused save leaves it as it was.
  const double price = MaskEdit1->value();
  const double reorder = MaskEdit2->value();
  ProductRecord fit = ProdBuf;
  fit.UPrice = price;
  fit.REORDER = reorder;
  if (!FitsOrSay(FirstMisfit(Prod5, fit, ProductFields()))) return;

  DATA4* d = Prod5.d;
  if (!GoToOrAppend(d, &CurrentProductRec)) return;
  ProductRecord& p = ProdBuf;
  p.PrID = code;
  p.RCode = Edit4->text().trimmed();
  p.PDesc = Edit2->text().trimmed();
  p.IComm = Edit3->text().trimmed();
  p.PMemo = Memo1->toPlainText().trimmed();
  p.UPrice = price;
  p.LTax1 = CheckBox1->isChecked();
  p.LTax2 = CheckBox2->isChecked();
  p.lInven = CheckBox3->isChecked();
  p.REORDER = reorder;
  WriteProduct();
  accept();
}

void TProdDef::BtnDeleteClick() {
  MarkForPack(Prod5.d, CurrentProductRec);
  accept();
}


QString TProdDef::DiscardQuestion() const { return tr("Discard the changes to this product?"); }
