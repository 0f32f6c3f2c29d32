#include "printing/DateSpanU.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <stdexcept>

#include "platform/DateBox.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"
#include "platform/Ui.h"
#include "printing/RptUtil.h"
#include "platform/Help.h"

bool SpanCancelled = true;
TDateSpan* DateSpan = nullptr;

namespace {
QLabel* BoldLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}
}  // namespace

TDateSpan::TDateSpan(QWidget* parent) : FormDialog(parent) {
  setObjectName(QStringLiteral("DateSpan"));
  //: The title of the window asking for the first and last date of a report.
  setWindowTitle(tr("DateSpan"));
  Help::setSection(this, QStringLiteral("date-span"));

  Label1 = BoldLabel(QStringLiteral("Label1"), BeginningCaption(), this);
  Label2 = BoldLabel(QStringLiteral("Label2"), tr("Ending:"), this);
  MaskEdit1 = MakeDateBox(QStringLiteral("MaskEdit1"), this);
  MaskEdit2 = MakeDateBox(QStringLiteral("MaskEdit2"), this);
  BtnOK = new QPushButton(tr("OK"), this);
  BtnOK->setObjectName(QStringLiteral("BtnOK"));
  BtnCancel = new QPushButton(tr("Cancel"), this);
  BtnCancel->setObjectName(QStringLiteral("BtnCancel"));

  auto* grid = new QGridLayout;
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(MaskEdit1, 0, 1);
  grid->addWidget(Label2, 1, 0);
  grid->addWidget(MaskEdit2, 1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(ButtonRow({BtnOK, BtnCancel}));
  setTabOrder(MaskEdit1, MaskEdit2);
  setTabOrder(MaskEdit2, BtnOK);
  setTabOrder(BtnOK, BtnCancel);

  connect(BtnOK, &QPushButton::clicked, this, Guarded(this, &TDateSpan::BtnOKClick));
  MaskedBox::leaveUncheckedFor(BtnCancel);
  connect(BtnCancel, &QPushButton::clicked, this, Guarded(this, &TDateSpan::BtnCancelClick));
  DateSpan = this;
}

TDateSpan::~TDateSpan() {
  if (DateSpan == this) DateSpan = nullptr;
}

void TDateSpan::setSingleDate(bool on, const QString& caption) {
  Label2->setHidden(on);
  MaskEdit2->setHidden(on);
  Label1->setText(on ? caption : BeginningCaption());
}

QString TDateSpan::BeginningCaption() { return tr("Print Beginning:"); }

void TDateSpan::FormShow() {
  MaskEdit1->setDate(ReportFrom);
  MaskEdit2->setDate(ReportTo);
  SpanCancelled = true;
  MaskEdit1->setFocus(Qt::OtherFocusReason);
}

void TDateSpan::BtnOKClick() {
  const TDate from = MaskEdit1->date();
  if (MaskEdit2->isHidden()) {
    ReportFrom = from;
    SpanCancelled = false;
    accept();
    return;
  }
  const TDate to = MaskEdit2->date();
  ReportFrom = from;
  ReportTo = to;
  if (ReportFrom > ReportTo) {
    Ui::get().information(
        tr("Ending Date must be greater than or equal to Starting Date."));
    return;
  }
  SpanCancelled = false;
  accept();
}

void TDateSpan::BtnCancelClick() {
  // Cancel always cancels: a field that holds no date keeps its old value
  // instead of keeping the dialog open with a conversion error.
  try {
    ReportFrom = MaskEdit1->date();
  } catch (const ConversionError&) {
  }
  if (!MaskEdit2->isHidden()) {
    try {
      ReportTo = MaskEdit2->date();
    } catch (const ConversionError&) {
    }
  }
  SpanCancelled = true;
  reject();
}

namespace {
TDateSpan& Picker() {
  if (!DateSpan) throw std::logic_error("The date span picker has not been created.");
  return *DateSpan;
}
}  // namespace

bool RunDateSpan() {
  SpanCancelled = true;
  Ui::get().exec(&Picker());
  return !SpanCancelled;
}

bool RunSingleDate(const QString& caption) {
  TDateSpan& picker = Picker();
  // Back to both fields however the showing ends, so the next span report
  // asks for its ending date again.
  struct BackToSpan {
    TDateSpan& picker;
    ~BackToSpan() { picker.setSingleDate(false); }
  } backToSpan{picker};
  picker.setSingleDate(true, caption);
  SpanCancelled = true;
  Ui::get().exec(&picker);
  return !SpanCancelled;
}
