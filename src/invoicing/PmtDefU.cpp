#include "invoicing/PmtDefU.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "platform/Dates.h"
#include "platform/AmountBox.h"
#include "platform/DateBox.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"

int PmtDefResult = 3;

TPmtDef::TPmtDef(QWidget* parent) : QDialog(parent) {
  setObjectName("TPmtDef");
  setWindowTitle(QStringLiteral("Payment"));

  MaskEdit1 = MakeDateBox("MaskEdit1", this);
  MaskEdit2 = MakeAmountBox("MaskEdit2", "!#######.99;1;_", "%10.2f", this);
  BtnSave = MakeFormButton("BtnSave", QStringLiteral("Save"), this);
  BtnDelete = MakeFormButton("BtnDelete", QStringLiteral("Delete"), this);
  BtnCancel = MakeFormButton("BtnCancel", QStringLiteral("Cancel"), this);

  const int m = fontMetrics().horizontalAdvance(QChar('M'));
  MaskEdit1->setFixedWidth(8 * m);
  MaskEdit2->setFixedWidth(10 * m);

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(QStringLiteral("Date Paid:"), this), 0, 0);
  fields->addWidget(MaskEdit1, 0, 1, Qt::AlignLeft);
  fields->addWidget(new QLabel(QStringLiteral("Amount:"), this), 1, 0);
  fields->addWidget(MaskEdit2, 1, 1, Qt::AlignLeft);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BtnSave);
  buttons->addWidget(BtnDelete);
  buttons->addWidget(BtnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);

  SetTabOrder({MaskEdit1, MaskEdit2, BtnSave, BtnDelete, BtnCancel});

  connect(BtnSave, &QPushButton::clicked, this, Guarded(this, &TPmtDef::BtnSaveClick));
  connect(BtnDelete, &QPushButton::clicked, this, Guarded(this, &TPmtDef::BtnDeleteClick));
  connect(BtnCancel, &QPushButton::clicked, this, Guarded(this, &TPmtDef::BtnCancelClick));
}

void TPmtDef::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) RunGuarded([this] { FormShow(); });
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
  reject();
}
