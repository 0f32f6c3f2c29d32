#include "picklists/PickGrid.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cstdlib>

#include "platform/HandlerGuard.h"
#include "platform/Help.h"

namespace {

constexpr int kGridRows = PickPaging::kRows;
constexpr int kRecNoWidth = 10;  // letter widths of the record-number column

// The hourglass while the list reads its table.
struct WaitCursor {
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  // Enter in the seek box or the grid must not press a button.
  button->setAutoDefault(false);
  return button;
}

}  // namespace

PickGridForm::PickGridForm(const Shape& shape, QWidget* parent)
    : QDialog(parent), shape_(shape) {
  setWindowTitle(shape.caption);
  Help::setSection(this, QStringLiteral("pick-lists"));

  gridArea_ = new QWidget(this);
  StringGrid1 = new QTableWidget(gridArea_);
  StringGrid1->setObjectName("StringGrid1");
  StringGrid1->verticalHeader()->hide();
  StringGrid1->horizontalHeader()->setSectionsClickable(false);
  StringGrid1->horizontalHeader()->setHighlightSections(false);
  StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setTabKeyNavigation(false);
  StringGrid1->installEventFilter(this);
  StringGrid1->viewport()->installEventFilter(this);

  ScrollBar1 = new QScrollBar(Qt::Vertical, gridArea_);
  ScrollBar1->setObjectName("ScrollBar1");
  ScrollBar1->setRange(0, 100);
  ScrollBar1->setPageStep(10);
  ScrollBar1->setSingleStep(1);
  ScrollBar1->installEventFilter(this);

  SeekLabel = new QLabel(tr("Seek:"), this);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  SeekLabel->setBuddy(Edit1);

  BtnSelect = MakeButton("BtnSelect", tr("Select"), this);
  BtnNew = MakeButton("BtnNew", tr("New"), this);
  BtnCancel = MakeButton("BtnCancel", tr("Cancel"), this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, shape.rightMargin, 8);
  layout->addWidget(gridArea_);
  seekRow_ = new QHBoxLayout;
  seekRow_->addWidget(SeekLabel);
  seekRow_->addWidget(Edit1, 1);
  layout->addLayout(seekRow_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BtnSelect);
  buttons->addWidget(BtnNew);
  buttons->addWidget(BtnCancel);
  layout->addLayout(buttons);

  setTabOrder(Edit1, StringGrid1);
  setTabOrder(StringGrid1, BtnSelect);
  setTabOrder(BtnSelect, BtnNew);
  setTabOrder(BtnNew, BtnCancel);

  connect(BtnSelect, &QPushButton::clicked, this, Guarded(this, &PickGridForm::BtnSelectClick));
  connect(BtnNew, &QPushButton::clicked, this, Guarded(this, &PickGridForm::BtnNewClick));
  connect(BtnCancel, &QPushButton::clicked, this, Guarded(this, &PickGridForm::BtnCancelClick));
  connect(StringGrid1, &QTableWidget::cellDoubleClicked, this,
          Guarded(this, &PickGridForm::StringGrid1DblClick));
  connect(StringGrid1, &QTableWidget::cellClicked, this,
          Guarded(this, &PickGridForm::StringGrid1Click));
  connect(StringGrid1, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (!filling_) RunGuarded([this, row] { showRowDetails(row + 1); });
  });
  connect(Edit1, &QLineEdit::textChanged, this, Guarded(this, &PickGridForm::Edit1Change));
  // The seek box has the focus: Enter there picks the highlighted row, as in the grid.
  connect(Edit1, &QLineEdit::returnPressed, this, Guarded(this, &PickGridForm::BtnSelectClick));
  connect(ScrollBar1, &QScrollBar::actionTriggered, this,
          [this](int action) { RunGuarded([this, action] { ScrollBar1Scroll(action); }); });
  connect(ScrollBar1, &QScrollBar::sliderReleased, this,
          Guarded(this, &PickGridForm::ScrollBar1Released));
}

void PickGridForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) RunGuarded([this] { FormShow(); });
}

void PickGridForm::layOut() {
  const QList<Column> visible = columns();
  const int unit = fontMetrics().horizontalAdvance(shape_.widthLetter);
  StringGrid1->setColumnCount(visible.size() + 1);
  QStringList headers;
  for (int c = 0; c < visible.size(); ++c) {
    headers << visible[c].header;
    StringGrid1->setColumnWidth(c, visible[c].width * unit);
  }
  //: Column heading: the record's number in its table.
  headers << tr("RecNo");
  StringGrid1->setColumnWidth(visible.size(), kRecNoWidth * unit);
  // The record number is the grid's own: hidden whole, never half shown at
  // the edge.
  StringGrid1->setColumnHidden(visible.size(), true);
  StringGrid1->setHorizontalHeaderLabels(headers);

  const int rowHeight = StringGrid1->verticalHeader()->defaultSectionSize();
  StringGrid1->horizontalHeader()->setFixedHeight(rowHeight);
  const int frame = StringGrid1->frameWidth();
  const int width = shape_.gridWidth * unit + 2 * frame;
  const int height = (kGridRows + 1) * rowHeight + 11;
  StringGrid1->setGeometry(0, 0, width, height);
  const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  ScrollBar1->setGeometry(width, 0, barWidth, height);
  gridArea_->setFixedSize(width + barWidth, height);
  // The window grows to hold the grid and its scroll bar.
  layout()->activate();
  resize(size().expandedTo(minimumSizeHint()));
}

void PickGridForm::FormShow() {
  WaitCursor wait;
  selectTag();
  layOut();
  {
    const QSignalBlocker quiet(Edit1);
    Edit1->clear();
  }
  paging_.start(table(), currentRecord());
  // Closing the window other than by its buttons counts as cancelled.
  currentRecord() = -1;
  ScrollBar1->setVisible(paging_.pages());
  const bool hasRecords = d4recCountDo(table()) > 0;
  BtnSelect->setEnabled(hasRecords);
  StringGrid1->setEnabled(hasRecords);
  if (hasRecords) {
    StringGrid1->setRowCount(kGridRows);
    fillGrid();
    Edit1->setFocus();
  } else {
    StringGrid1->setRowCount(0);
    filledRows_ = 0;
  }
}

void PickGridForm::fillGrid(int rowAfter) {
  filling_ = true;
  // Clearing the cells also drops the grid's current cell.
  const int rowBefore = currentRow();
  StringGrid1->clearContents();
  const int recNoColumn = StringGrid1->columnCount() - 1;
  const PickPaging::FillResult result = paging_.fill([&](int row, long recNo) {
    const QStringList texts = rowTexts();
    for (int c = 0; c < texts.size() && c < recNoColumn; ++c) {
      StringGrid1->setItem(row - 1, c, new QTableWidgetItem(texts[c]));
    }
    StringGrid1->setItem(row - 1, recNoColumn, new QTableWidgetItem(QString::number(recNo)));
  });
  filledRows_ = result.rows;
  int row = rowAfter > 0 ? std::min(rowAfter, filledRows_) : result.notedRow;
  if (row == 0) row = shape_.firstRowWhenNoneNoted ? (filledRows_ > 0 ? 1 : 0) : rowBefore;
  if (row > 0) setCurrentDataRow(row);
  ScrollBar1->setValue(paging_.scrollPosition());
  filling_ = false;
  showRowDetails(currentRow());
}

int PickGridForm::currentRow() const {
  const int row = StringGrid1->currentRow();
  return row >= 0 && row < StringGrid1->rowCount() ? row + 1 : 0;
}

long PickGridForm::recordOfRow(int row) const {
  if (row < 1 || row > StringGrid1->rowCount()) return 0;
  const QTableWidgetItem* item = StringGrid1->item(row - 1, StringGrid1->columnCount() - 1);
  return item ? item->text().toLong() : 0;
}

void PickGridForm::setCurrentDataRow(int row) {
  StringGrid1->setCurrentCell(row - 1, 0);
  StringGrid1->horizontalScrollBar()->setValue(0);
}

void PickGridForm::BtnSelectClick() {
  // Only a row that shows a record can be chosen: a blank row's empty
  // record number would otherwise read as a request for a new record.
  const long recNo = recordOfRow(currentRow());
  if (recNo <= 0) return;
  currentRecord() = static_cast<int>(recNo);
  accept();
}

void PickGridForm::BtnNewClick() {
  currentRecord() = 0;
  accept();
}

void PickGridForm::BtnCancelClick() {
  currentRecord() = -1;
  reject();
}

void PickGridForm::StringGrid1DblClick() { BtnSelectClick(); }

void PickGridForm::StringGrid1Click() { StringGrid1->horizontalScrollBar()->setValue(0); }

void PickGridForm::Edit1Change() { seekAndFill(Edit1->text()); }

void PickGridForm::seekAndFill(const QString& text) {
  if (seek(text)) fillGrid();
}

void PickGridForm::ScrollBar1Scroll(int action) {
  using E = PickPaging::Event;
  E event;
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub: event = E::LineUp; break;
    case QAbstractSlider::SliderSingleStepAdd: event = E::LineDown; break;
    case QAbstractSlider::SliderPageStepSub: event = E::PageUp; break;
    case QAbstractSlider::SliderPageStepAdd: event = E::PageDown; break;
    case QAbstractSlider::SliderToMinimum: event = E::Top; break;
    case QAbstractSlider::SliderToMaximum: event = E::Bottom; break;
    default: return;  // the thumb is being dragged: only its release pages
  }
  if (paging_.page(event)) fillGrid();
  // The bar shows the position the fill set, not the one its action computed.
  ScrollBar1->setSliderPosition(paging_.scrollPosition());
}

void PickGridForm::ScrollBar1Released() {
  if (paging_.page(PickPaging::Event::ThumbReleased, ScrollBar1->sliderPosition())) fillGrid();
  ScrollBar1->setValue(paging_.scrollPosition());
}

bool PickGridForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == StringGrid1 && event->type() == QEvent::KeyPress) {
    bool handled = false;
    RunGuarded([&] { handled = StringGrid1KeyDown(static_cast<QKeyEvent*>(event)); });
    return handled;
  }
  if ((watched == StringGrid1->viewport() || watched == ScrollBar1) && event->type() == QEvent::Wheel) {
    RunGuarded([&] { StringGrid1Wheel(static_cast<QWheelEvent*>(event)); });
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void PickGridForm::StringGrid1Wheel(QWheelEvent* event) {
  event->accept();
  constexpr int kNotch = 120;  // QWheelEvent's eighths of a degree per notch
  wheelRest_ += event->angleDelta().y();
  const int notches = wheelRest_ / kNotch;
  wheelRest_ -= notches * kNotch;
  const int steps = std::abs(notches) * QApplication::wheelScrollLines();
  QKeyEvent key(QEvent::KeyPress, notches > 0 ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
  for (int i = 0; i < steps; ++i) StringGrid1KeyDown(&key);
}

// The grid keeps the highlight on the same row when a key pages, so Down on
// the last row shows the next record there, and Page Down keeps the row.
bool PickGridForm::StringGrid1KeyDown(QKeyEvent* event) {
  using E = PickPaging::Event;
  if (filledRows_ == 0) return false;
  const int row = std::max(currentRow(), 1);
  const int last = filledRows_;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      BtnSelectClick();
      return true;
    case Qt::Key_Down:
      if (row < last) {
        setCurrentDataRow(row + 1);
      } else if (row == kGridRows && paging_.page(E::KeyDownOnLastRow)) {
        fillGrid(row);
      }
      return true;
    case Qt::Key_Up:
      if (row > 1) {
        setCurrentDataRow(row - 1);
      } else if (paging_.page(E::KeyUpOnFirstRow)) {
        fillGrid(1);
      }
      return true;
    case Qt::Key_PageDown:
      if (paging_.page(E::KeyPageDown)) {
        fillGrid(row);
      } else {
        setCurrentDataRow(last);
      }
      return true;
    case Qt::Key_PageUp:
      if (paging_.page(E::KeyPageUp)) {
        fillGrid(row);
      } else {
        setCurrentDataRow(1);
      }
      return true;
    case Qt::Key_End:
      if (paging_.page(E::KeyEnd)) fillGrid(kGridRows);
      setCurrentDataRow(filledRows_);
      return true;
    case Qt::Key_Home:
      if (paging_.page(E::KeyHome)) fillGrid(1);
      setCurrentDataRow(1);
      return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
      return true;  // the record-number column stays out of view
    default:
      return false;
  }
}
