#include "invoicing/RepeatU.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "invoicing/Recurrence.h"
#include "platform/DateBox.h"
#include "platform/Dates.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"
#include "platform/Help.h"
#include "platform/NumberText.h"
#include "platform/Ui.h"

namespace {

constexpr int kHelpContext = 318;

const char kEvery[] = "WMQY";  // the choices' order

// A date box holding nothing: no end date.
bool Blank(const DateBox* box) {
  QString text = box->boxText();
  text.remove(DateSeparator());
  return text.trimmed().isEmpty();
}

}  // namespace

QDate NextAfter(QChar every, QDate date) {
  return Occurrence({every, 0, date, QDate(), 0}, 1);
}

TRepeat::TRepeat(QWidget* parent) : QDialog(parent) {
  setObjectName("TRepeat");
  setWindowTitle(tr("Repeat Invoice"));
  Help::setContext(this, kHelpContext);
  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName("ComboBox1");
  //: How often a repeating invoice is made.
  ComboBox1->addItems({tr("Weekly"), tr("Monthly"), tr("Quarterly"), tr("Yearly")});
  SpinBox1 = new QSpinBox(this);
  SpinBox1->setObjectName("SpinBox1");
  SpinBox1->setRange(0, 31);
  //: The day of the month when none is chosen.
  SpinBox1->setSpecialValueText(tr("as the first date"));
  MaskEdit1 = MakeDateBox("MaskEdit1", this);
  MaskEdit2 = MakeDateBox("MaskEdit2", this);
  SpinBox2 = new QSpinBox(this);
  SpinBox2->setObjectName("SpinBox2");
  SpinBox2->setRange(0, 9999);
  //: How many invoices a schedule makes when none is set.
  SpinBox2->setSpecialValueText(tr("no limit"));
  CheckBox1 = new QCheckBox(tr("Issue each new invoice at once"), this);
  CheckBox1->setObjectName("CheckBox1");
  BtnSave = MakeFormButton("BtnSave", tr("Save"), this);
  BtnCancel = MakeFormButton("BtnCancel", tr("Cancel"), this);

  auto* form = new QFormLayout;
  form->addRow(tr("Every"), ComboBox1);
  form->addRow(tr("Day of the month"), SpinBox1);
  form->addRow(tr("First invoice on"), MaskEdit1);
  //: Optional: no repeating invoice after this date.
  form->addRow(tr("Last date"), MaskEdit2);
  form->addRow(tr("Number of invoices"), SpinBox2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addLayout(form);
  layout->addWidget(CheckBox1);
  layout->addLayout(ButtonRow({BtnSave, BtnCancel}));
  connect(BtnSave, &QPushButton::clicked, this, Guarded(this, &TRepeat::BtnSaveClick));
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TRepeat::setSchedule(const ScheduleRecord& s) {
  schedule_ = s;
  //: %1 the invoice's number.
  Label1->setText(tr("Invoice %1 is copied on each date.").arg(s.template_));
  ComboBox1->setCurrentIndex(std::max(0, int(QByteArray(kEvery).indexOf(char(s.every.toLatin1())))));
  SpinBox1->setValue(s.day);
  MaskEdit1->setDate(s.first);
  MaskEdit2->setDate(s.until);
  SpinBox2->setValue(s.times);
  CheckBox1->setChecked(s.issue);
  // The dates of the invoices made stay theirs: once one is made, only the
  // end and the issuing can change (a new start is a new schedule).
  for (QWidget* w : std::initializer_list<QWidget*>{ComboBox1, SpinBox1, MaskEdit1}) w->setEnabled(s.made == 0);
}

void TRepeat::BtnSaveClick() {
  TDate first = 0, until = 0;
  try {
    first = MaskEdit1->date();
    if (!Blank(MaskEdit2)) until = MaskEdit2->date();
  } catch (const ConversionError& e) {
    Ui::get().error(QString::fromLocal8Bit(e.what()));
    return;
  }
  if (first <= 0) {
    Ui::get().information(tr("The first date is needed."));
    return;
  }
  if (until > 0 && until < first) {
    Ui::get().information(tr("The last date is before the first."));
    return;
  }
  schedule_.every = QLatin1Char(kEvery[std::max(0, ComboBox1->currentIndex())]);
  schedule_.day = SpinBox1->value();
  schedule_.first = first;
  schedule_.until = until;
  schedule_.times = SpinBox2->value();
  schedule_.issue = CheckBox1->isChecked();
  accept();
}
