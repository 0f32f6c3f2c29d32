#include "products/DefTaxU.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/Settings.h"
#include "platform/AmountBox.h"
#include "platform/EnterMovesFocus.h"
#include "platform/FormParts.h"
#include "data/StorableText.h"
#include "platform/EntryTexts.h"
#include "products/RadioGroup.h"

namespace {
constexpr int kHelpContext = 630;
const QString kPercentMask = QStringLiteral("!##.99;1;_");
constexpr const char* kPercentFormat = "%5.2f";
}  // namespace

TTaxDef::TTaxDef(QWidget* parent)
    : EditorForm(parent, "TTaxDef", tr("Tax Definition"), kHelpContext, Deletes::No) {
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName("Edit2");
  EnterMovesFocus::install(Edit1);
  EnterMovesFocus::install(Edit2);
  MaskEdit1 = MakeAmountBox("MaskEdit1", kPercentMask, kPercentFormat, this);
  MaskEdit2 = MakeAmountBox("MaskEdit2", kPercentMask, kPercentFormat, this);
  //: The second charge line computed on the first (the shipping line) too
  RadioGroup1 = new RadioGroup("RadioGroup1", tr("Tax 2 charged on Tax 1"),
                               {tr("No"), tr("Yes"), tr("When Tax on Items")}, this);
  //: Rounding of the computed tax: normally, up or down
  RadioGroup2 = new RadioGroup("RadioGroup2", tr(" Round Computed Tax "),
                               {tr("Normal"), tr("Up"), tr("Down")}, this);

  const int m = fontMetrics().horizontalAdvance(QChar('M'));
  Edit1->setMinimumWidth(16 * m);
  Edit2->setMinimumWidth(16 * m);
  MaskEdit1->setFixedWidth(5 * m);
  MaskEdit2->setFixedWidth(5 * m);

  auto* lines = new QGridLayout;
  lines->addWidget(new QLabel(tr("Line Label"), this), 0, 1);
  lines->addWidget(new QLabel(tr("Percentage"), this), 0, 2);
  lines->addWidget(new QLabel(tr("Computed 1"), this), 1, 0);
  lines->addWidget(Edit1, 1, 1);
  lines->addWidget(MaskEdit1, 1, 2);
  lines->addWidget(new QLabel(tr("Computed 2"), this), 2, 0);
  lines->addWidget(Edit2, 2, 1);
  lines->addWidget(MaskEdit2, 2, 2);
  auto* groups = new QHBoxLayout;
  groups->addWidget(RadioGroup1);
  groups->addWidget(RadioGroup2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lines);
  layout->addLayout(groups);
  layout->addLayout(ButtonRow());

  SetTabOrder({Edit1, MaskEdit1, Edit2, MaskEdit2, RadioGroup1, RadioGroup2, BtnSave, BtnCancel,
               BitBtn1});
}

void TTaxDef::FormShow() {
  const SettingsRecord& s = Settings();
  Edit1->setText(s.ShipLine.trimmed());
  Edit2->setText(s.TaxLine.trimmed());
  MaskEdit1->setValue(s.TaxRate1);
  MaskEdit2->setValue(s.TaxRate2);
  RadioGroup1->setItemIndex(s.ShipTax - 1);
  RadioGroup2->setItemIndex(s.TaxRound - 1);
  Edit1->setFocus();
}

void TTaxDef::BtnSaveClick() {
  // Both numbers are read before anything changes, so a percentage that is
  // not a number leaves the settings as they were.
  const double rate1 = MaskEdit1->value();
  const double rate2 = MaskEdit2->value();
  if (!ConfirmStorable(EntryTexts(this))) return;
  SettingsRecord& s = Settings();
  s.ShipLine = Edit1->text().trimmed();
  s.TaxLine = Edit2->text().trimmed();
  s.TaxRate1 = rate1;
  s.TaxRate2 = rate2;
  s.ShipTax = RadioGroup1->itemIndex() + 1;
  s.TaxRound = RadioGroup2->itemIndex() + 1;
  WriteSettings();
  accept();
}

