#include "labels/LabelDefU.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/FieldFit.h"
#include "data/RecordSave.h"
#include "data/dbFiles.h"
#include "labels/CountBox.h"
#include "labels/LabelGen.h"
#include "labels/LabelStock.h"
#include "platform/AmountBox.h"
#include "platform/Canvas.h"
#include "platform/PrinterChoice.h"
#include "data/StorableText.h"
#include "platform/EntryTexts.h"
#include "platform/Ui.h"
#include "platform/FormParts.h"
#include "printing/RptUtil.h"

namespace {
constexpr int kHelpContext = 620;
const QString kDimensionMask = QStringLiteral("!####.999;1;_");
constexpr const char* kDimensionFormat = "%8.3f";
}  // namespace

TLabelDef::TLabelDef(QWidget* parent)
    : EditorForm(parent, "TLabelDef", tr("Label Definition"), kHelpContext,
                 Deletes::No) {
  Edit1 = MakeFormEdit("Edit1", 40, this);
  AmountBox** boxes[] = {&MaskEdit1, &MaskEdit2, &MaskEdit3, &MaskEdit4,
                         &MaskEdit5, &MaskEdit6, &MaskEdit7, &MaskEdit8};
  for (int i = 0; i < 8; ++i) {
    *boxes[i] = MakeAmountBox(QStringLiteral("MaskEdit%1").arg(i + 1), kDimensionMask,
                              kDimensionFormat, this);
    (*boxes[i])->setRedWhenNegative(false);
  }
  MaskEdit9 = new CountBox(QStringLiteral("!9;1;_"), this);
  MaskEdit9->setObjectName("MaskEdit9");
  CheckBox1 = new QCheckBox(tr("Continuous Pin Feed"), this);
  CheckBox1->setObjectName("CheckBox1");

  const int m = fontMetrics().horizontalAdvance(QChar('M'));
  Edit1->setMinimumWidth(24 * m);
  for (int i = 1; i <= 8; ++i) dimension(i)->setFixedWidth(7 * m);
  MaskEdit9->setFixedWidth(3 * m);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Label Name"), this), 0, 0);
  grid->addWidget(Edit1, 0, 1, 1, 3);
  // Left column: top and bottom margin, width, horizontal gap; right column:
  // left and right margin, height, vertical gap.
  const struct {
    AmountBox* box;
    const char* caption;
    int row, column;
  } places[] = {{MaskEdit1, QT_TR_NOOP("Top Margin"), 1, 0},
                {MaskEdit2, QT_TR_NOOP("Left Margin"), 1, 2},
                {MaskEdit3, QT_TR_NOOP("Bottom Margin"), 2, 0},
                {MaskEdit4, QT_TR_NOOP("Right Margin"), 2, 2},
                {MaskEdit5, QT_TR_NOOP("Width"), 3, 0},
                {MaskEdit6, QT_TR_NOOP("Height"), 3, 2},
                {MaskEdit7, QT_TR_NOOP("Horizontal Gap"), 4, 0},
                {MaskEdit8, QT_TR_NOOP("Vertical Gap"), 4, 2}};
  for (const auto& p : places) {
    grid->addWidget(new QLabel(tr(p.caption), this), p.row, p.column);
    grid->addWidget(p.box, p.row, p.column + 1);
  }
  grid->addWidget(new QLabel(tr("No. Labels Across"), this), 5, 0);
  grid->addWidget(MaskEdit9, 5, 1);
  grid->addWidget(CheckBox1, 5, 2, 1, 2);
  auto* note = new QLabel(
      tr("Label Dimensions are defined in printer points where each printer point "
         "is 1/72 of an inch."),
      this);
  note->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(note);
  layout->addLayout(ButtonRow());

  SetTabOrder({Edit1, MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4, MaskEdit5, MaskEdit6, MaskEdit7,
               MaskEdit8, MaskEdit9, CheckBox1, BtnSave, BtnCancel});
}

AmountBox* TLabelDef::dimension(int i) const {
  AmountBox* const boxes[] = {MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4,
                              MaskEdit5, MaskEdit6, MaskEdit7, MaskEdit8};
  return boxes[i - 1];
}

void TLabelDef::FormShow() {
  if (CurrentLabelRec > 0) {
    d4go(Labels.d, CurrentLabelRec);
    ReadLabel();
  } else {
    LabelBuf = LabelRecord();
  }
  const LabelRecord& s = LabelBuf;
  Edit1->setText(s.Name.trimmed());
  const double values[] = {s.TopM, s.LeftM, s.BottomM, s.RightM, s.Width, s.Height, s.HGap, s.VGap};
  for (int i = 0; i < 8; ++i) dimension(i + 1)->setValue(values[i]);
  MaskEdit9->setNumber(s.NAcross);
  CheckBox1->setChecked(s.Continuous);
  Edit1->setFocus();
}

void TLabelDef::BtnSaveClick() {
  const QString name = Edit1->text().trimmed();
  if (name.isEmpty()) {
    Ui::get().information(tr("Please fill in label name."));
    return;
  }
  // Two stocks of one name could not be told apart when printing.
  for (const StockLine& line : StockLines()) {
    if (line.name == name && line.record != CurrentLabelRec) {
      Ui::get().information(tr("There is a label stock named %1 already; give this "
                               "one another name.")
                                .arg(name));
      return;
    }
  }
  if (!ConfirmStorable(EntryTexts(this))) return;
  LabelRecord s;
  s.Name = name;
  double* values[] = {&s.TopM, &s.LeftM, &s.BottomM, &s.RightM,
                      &s.Width, &s.Height, &s.HGap,  &s.VGap};
  for (int i = 0; i < 8; ++i) *values[i] = dimension(i + 1)->value();
  s.NAcross = MaskEdit9->number(0);
  s.Continuous = CheckBox1->isChecked();
  if (!FitsOrSay(FirstMisfit(Labels, s, LabelFields()))) return;
  LabelBuf = s;
  WarnWhenUnprintable();

  if (!GoToOrAppend(Labels.d, &CurrentLabelRec)) return;
  WriteLabel();
  accept();
}

void TLabelDef::WarnWhenUnprintable() {
  QString problem;
  if (LabelBuf.NAcross < 1) {
    problem = tr("Label stock %1 has no labels across; at least 1 is needed.").arg(LabelBuf.Name);
  } else if (const std::unique_ptr<Canvas> canvas = PrinterChoice::measuringCanvas()) {
    problem = StockProblem(LabelBuf, *canvas, ReportFont());
  }
  if (!problem.isEmpty())
    //: %1 says why labels cannot be printed on the label stock
    Ui::get().warning(tr("%1 It is saved, but labels cannot be printed on it.").arg(problem));
}

