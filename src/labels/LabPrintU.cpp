#include "labels/LabPrintU.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "data/Settings.h"
#include "data/dbFiles.h"
#include "labels/CountBox.h"
#include "labels/LabelGen.h"
#include "labels/LabelStock.h"
#include "platform/HandlerGuard.h"
#include "platform/Ui.h"
#include "platform/FormParts.h"
#include "printing/RptUtil.h"
#include "platform/Help.h"

TLabPrint* LabPrint = nullptr;

namespace {
QToolButton* MakeArrow(const char* name, Qt::ArrowType arrow, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setArrowType(arrow);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}
}  // namespace

TLabPrint::TLabPrint(QWidget* parent) : FormDialog(parent) {
  setObjectName("TLabPrint");
  Help::setSection(this, QStringLiteral("print-labels"));
  setWindowTitle(tr("Print Labels"));
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName("ComboBox1");
  MaskEdit1 = new CountBox(QStringLiteral("!0;1;_"), this);
  MaskEdit1->setObjectName("MaskEdit1");
  MaskEdit2 = new CountBox(QStringLiteral("!99;1;_"), this);
  MaskEdit2->setObjectName("MaskEdit2");
  UpDown1Prev = MakeArrow("UpDown1Prev", Qt::LeftArrow, this);
  UpDown1Next = MakeArrow("UpDown1Next", Qt::RightArrow, this);
  UpDown2Prev = MakeArrow("UpDown2Prev", Qt::UpArrow, this);
  UpDown2Next = MakeArrow("UpDown2Next", Qt::DownArrow, this);
  // Arrows show no text: a screen reader needs their names.
  UpDown1Prev->setAccessibleName(tr("Previous column"));
  UpDown1Next->setAccessibleName(tr("Next column"));
  UpDown2Prev->setAccessibleName(tr("Previous row"));
  UpDown2Next->setAccessibleName(tr("Next row"));
  BtnOK = MakeFormButton("BtnOK", tr("OK"), this);
  BtnCancel = MakeFormButton("BtnCancel", tr("Cancel"), this);

  const int m = fontMetrics().horizontalAdvance(QChar('M'));
  ComboBox1->setMinimumWidth(20 * m);
  MaskEdit1->setFixedWidth(3 * m);
  MaskEdit2->setFixedWidth(3 * m);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Label Stock:"), this), 0, 0);
  grid->addWidget(ComboBox1, 0, 1, 1, 3);
  grid->addWidget(new QLabel(tr("Starting Column:"), this), 1, 0);
  auto* columnBox = new QHBoxLayout;
  columnBox->addWidget(MaskEdit1);
  columnBox->addWidget(UpDown1Prev);
  columnBox->addWidget(UpDown1Next);
  columnBox->addStretch();
  grid->addLayout(columnBox, 1, 1);
  grid->addWidget(new QLabel(tr("Row:"), this), 1, 2);
  auto* rowBox = new QHBoxLayout;
  rowBox->addWidget(MaskEdit2);
  auto* arrows = new QVBoxLayout;
  arrows->setSpacing(0);
  arrows->addWidget(UpDown2Prev);
  arrows->addWidget(UpDown2Next);
  rowBox->addLayout(arrows);
  rowBox->addStretch();
  grid->addLayout(rowBox, 1, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(ButtonRow({BtnOK, BtnCancel}));
  SetTabOrder({ComboBox1, MaskEdit1, MaskEdit2, BtnOK, BtnCancel});

  connect(ComboBox1, &QComboBox::activated, this, Guarded(this, &TLabPrint::ComboBox1Change));
  connect(UpDown1Prev, &QToolButton::clicked, this, [this] { RunGuarded([this] { UpDown1Click(false); }); });
  connect(UpDown1Next, &QToolButton::clicked, this, [this] { RunGuarded([this] { UpDown1Click(true); }); });
  connect(UpDown2Prev, &QToolButton::clicked, this, [this] { RunGuarded([this] { UpDown2Click(false); }); });
  connect(UpDown2Next, &QToolButton::clicked, this, [this] { RunGuarded([this] { UpDown2Click(true); }); });
  connect(MaskEdit1, &MaskedBox::exited, this, Guarded(this, &TLabPrint::MaskEdit1Exit));
  connect(MaskEdit2, &MaskedBox::exited, this, Guarded(this, &TLabPrint::MaskEdit2Exit));
  connect(BtnOK, &QPushButton::clicked, this, Guarded(this, &TLabPrint::BtnOKClick));
  connect(BtnCancel, &QPushButton::clicked, this, Guarded(this, &TLabPrint::BtnCancelClick));
  LabPrint = this;
}

TLabPrint::~TLabPrint() {
  if (LabPrint == this) LabPrint = nullptr;
}

void TLabPrint::FormShow() {
  ComboBox1->clear();
  records_.clear();
  const QString last = Settings().LabID.trimmed();
  for (const StockLine& line : StockLines()) {
    records_ << line.record;
    ComboBox1->addItem(line.name);
  }
  // The first line of LabID's name, else the first line.
  int chosen = 0;
  for (int i = 0; i < ComboBox1->count(); ++i) {
    if (ComboBox1->itemText(i) == last) {
      chosen = i;
      break;
    }
  }
  ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? chosen : -1);
  LoadChosenStock();
  MaskEdit1->setNumber(1);
  MaskEdit2->setNumber(1);
  cancelled_ = true;
  MaskEdit1->setFocus();
}

bool TLabPrint::LoadChosenStock() {
  const int line = ComboBox1->currentIndex();
  if (line < 0 || line >= records_.size()) return false;
  d4go(Labels.d, records_[line]);
  ReadLabel();
  return true;
}

void TLabPrint::ComboBox1Change() { LoadChosenStock(); }

int TLabPrint::column() const { return MaskEdit1->number(1); }

int TLabPrint::row() const { return MaskEdit2->number(1); }

void TLabPrint::UpDown1Click(bool next) {
  int c = column();
  if (next && c < LabelBuf.NAcross) ++c;
  if (!next && c > 1) --c;
  MaskEdit1->setNumber(c);
}

void TLabPrint::UpDown2Click(bool next) {
  int r = row();
  if (next && r < lastRow()) ++r;
  if (!next && r > 1) --r;
  MaskEdit2->setNumber(r);
}

int TLabPrint::lastRow() const {
  constexpr int kLargestRow = 99;  // the row box's two digits
  if (!check_ || LabelBuf.Continuous) return kLargestRow;
  return qBound(1, PageGeometry(LabelBuf, *check_).rowsPerPage, kLargestRow);
}

namespace {

// A place beyond the stock would print off the sheet or leave a page blank:
// it is held to the last column or row, and the person told so.
void HoldToStock(CountBox* box, int value, int last, const QString& told) {
  if (value > last) Ui::get().information(told);
  box->setNumber(qBound(1, value, last));
}

}  // namespace

void TLabPrint::MaskEdit1Exit() {
  const int last = qMax(1, LabelBuf.NAcross);
  //: %1 is the label stock's name, %2 its number of labels across
  HoldToStock(MaskEdit1, column(), last,
              tr("Label stock %1 has %2 labels across; the first label goes in column %2.")
                  .arg(LabelBuf.Name.trimmed(), QString::number(last)));
}

void TLabPrint::MaskEdit2Exit() {
  const int last = lastRow();
  //: %1 is the label stock's name, %2 its number of rows on a page
  HoldToStock(MaskEdit2, row(), last,
              tr("Label stock %1 has %2 rows on a page; the first label goes in row %2.")
                  .arg(LabelBuf.Name.trimmed(), QString::number(last)));
}

void TLabPrint::BtnOKClick() {
  if (!LoadChosenStock()) {
    cancelled_ = true;
    reject();
    return;
  }
  if (check_) {
    const QString problem = StockProblem(LabelBuf, *check_, ReportFont());
    if (!problem.isEmpty()) {
      Ui::get().information(problem);
      return;
    }
  }
  MaskEdit1Exit();
  MaskEdit2Exit();
  RememberStock(LabelBuf.Name.trimmed());
  cancelled_ = false;
  accept();
}

void TLabPrint::BtnCancelClick() {
  cancelled_ = true;
  reject();
}

bool RunLabPrint(Canvas* check, int* column, int* row) {
  if (!LabPrint) throw std::logic_error("The label print dialog has not been created.");
  LabPrint->setCheckCanvas(check);
  LabPrint->setResult(QDialog::Rejected);
  Ui::get().exec(LabPrint);
  LabPrint->setCheckCanvas(nullptr);
  if (LabPrint->cancelled()) return false;
  *column = LabPrint->column();
  *row = LabPrint->row();
  return true;
}
