#include "invoicing/PmtDefU.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Dates.h"
#include "platform/AmountBox.h"
#include "platform/DateBox.h"
#include "platform/FormParts.h"
#include "platform/Help.h"

int PmtDefResult = 3;

TPmtDef::TPmtDef(QWidget* parent)
    : EditorForm(parent, "TPmtDef", tr("Payment"), 0, Deletes::Yes) {
  Help::setSection(this, QStringLiteral("payment"));
  MaskEdit1 = MakeDateBox("MaskEdit1", this);
  MaskEdit2 = MakeAmountBox("MaskEdit2", "!#######.99;1;_", "%10.2f", this);

  const int m = fontMetrics().horizontalAdvance(QChar('M'));
  MaskEdit1->setFixedWidth(8 * m);
  MaskEdit2->setFixedWidth(10 * m);

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(tr("Date Paid:"), this), 0, 0);
  fields->addWidget(MaskEdit1, 0, 1, Qt::AlignLeft);
  fields->addWidget(new QLabel(tr("Amount:"), this), 1, 0);
  fields->addWidget(MaskEdit2, 1, 1, Qt::AlignLeft);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(ButtonRow(false));

  SetTabOrder({MaskEdit1, MaskEdit2, BtnSave, BtnDelete, BtnCancel});
}

void TPmtDef::FormShow() {
  PmtDefResult = 3;
  MaskEdit1->setFocus();
}

void TPmtDef::BtnSaveClick() {
  // A payment is kept only with a date and an amount that the invoice's
  // save can read; otherwise the dialog says so and stays open.
  QString date = MaskEdit1->boxText();
  if (!ValidateDateText(date)) {
    MaskEdit1->setFocus();
    return;
  }
  MaskEdit1->setText(date);
  if (!MaskEdit2->reformat()) return;
  PmtDefResult = 1;
  accept();
}

void TPmtDef::BtnDeleteClick() {
  PmtDefResult = 2;
  accept();
}

void TPmtDef::BtnCancelClick() {
  PmtDefResult = 3;
  closeUnasked();
}
