#include "invoicing/ItemDefU.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/NumberText.h"
#include "data/Settings.h"
#include "platform/AmountBox.h"
#include "platform/Caption.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"

int ItemDefResult = 3;

namespace {
constexpr int kHelpContext = 1120;
constexpr int kTextLimit = 59;  // what a text field of ITM5 holds
}  // namespace

TItemDef::TItemDef(QWidget* parent)
    : EditorForm(parent, "TItemDef", tr("Invoice Line Item"), kHelpContext,
                 Deletes::Yes) {
  Edit1 = MakeFormEdit("Edit1", 10, this);
  Edit1->setReadOnly(true);
  Edit1->setFocusPolicy(Qt::NoFocus);
  Edit2 = MakeFormEdit("Edit2", kTextLimit, this);
  Edit3 = MakeFormEdit("Edit3", kTextLimit, this);
  MaskEdit1 = MakeAmountBox("MaskEdit1", "!#####.99;1;_", "%8.2f", this);
  MaskEdit2 = MakeAmountBox("MaskEdit2", "!######.99;1;_", "%9.2f", this);
  MaskEdit3 = MakeAmountBox("MaskEdit3", "!#######.99;1;_", "%10.2f", this);
  MaskEdit3->setReadOnly(true);
  CheckBox1 = new QCheckBox(this);
  CheckBox1->setObjectName("CheckBox1");
  CheckBox2 = new QCheckBox(this);
  CheckBox2->setObjectName("CheckBox2");
  BitBtn1->setFocusPolicy(Qt::ClickFocus);

  const int m = fontMetrics().horizontalAdvance(QChar('M'));
  Edit1->setFixedWidth(11 * m);
  Edit2->setMinimumWidth(30 * m);
  MaskEdit1->setFixedWidth(8 * m);
  MaskEdit2->setFixedWidth(9 * m);
  MaskEdit3->setFixedWidth(10 * m);

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(tr("Product"), this), 0, 0);
  fields->addWidget(Edit1, 0, 1, Qt::AlignLeft);
  fields->addWidget(new QLabel(tr("Description"), this), 1, 0);
  fields->addWidget(Edit2, 1, 1);
  fields->addWidget(Edit3, 2, 1);
  auto* amounts = new QGridLayout;
  amounts->addWidget(new QLabel(tr("Unit Price"), this), 0, 0);
  amounts->addWidget(new QLabel(tr("Quantity"), this), 0, 1);
  amounts->addWidget(new QLabel(tr("Total"), this), 0, 2);
  amounts->addWidget(MaskEdit1, 1, 0);
  amounts->addWidget(MaskEdit2, 1, 1);
  amounts->addWidget(MaskEdit3, 1, 2);
  amounts->setColumnStretch(3, 1);
  fields->addLayout(amounts, 3, 1);
  auto* taxes = new QHBoxLayout;
  taxes->addWidget(CheckBox1);
  taxes->addWidget(CheckBox2);
  taxes->addStretch();
  fields->addLayout(taxes, 4, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(ButtonRow());

  SetTabOrder({Edit2, MaskEdit1, MaskEdit2, MaskEdit3, Edit3, CheckBox1, CheckBox2, BtnSave,
               BtnDelete, BtnCancel});

  connect(MaskEdit1, &AmountBox::exited, this, Guarded(this, &TItemDef::MaskEdit1Exit));
  connect(MaskEdit2, &AmountBox::exited, this, Guarded(this, &TItemDef::MaskEdit2Exit));
}

void TItemDef::FormShow() {
  CheckBox1->setText(LiteralCaption(Settings().ShipLine.trimmed()));
  CheckBox2->setText(LiteralCaption(Settings().TaxLine.trimmed()));
  layout()->activate();  // room for the captions before the dialog is drawn
  ItemDefResult = 3;
  Edit2->setFocus();
}

void TItemDef::BtnSaveClick() {
  // A price or quantity that is not a number would make every later total
  // of the invoice fail: the dialog stays open until both are numbers.
  if (!MaskEdit1->reformat() || !MaskEdit2->reformat()) return;
  UpdateTotal();
  ItemDefResult = 1;
  accept();
}

void TItemDef::BtnDeleteClick() {
  ItemDefResult = 2;
  accept();
}

void TItemDef::BtnCancelClick() {
  ItemDefResult = 3;
  closeUnasked();
}

void TItemDef::MaskEdit1Exit() { UpdateTotal(); }

void TItemDef::MaskEdit2Exit() { UpdateTotal(); }

void TItemDef::UpdateTotal() {
  double total = MaskEdit1->value() * MaskEdit2->value();
  // Below zero the total is nudged away from zero before it is set out.
  if (total < 0) total -= 0.001;
  MaskEdit3->setText(FormatFloat(MaskEdit3->format(), total));
}
