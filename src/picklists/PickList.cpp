#include "picklists/PickList.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "platform/HandlerGuard.h"
#include "platform/Ui.h"
#include "platform/Help.h"

namespace {
QString WithoutPadding(QString name) {
  while (name.endsWith(' ')) name.chop(1);
  return name;
}

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}
}  // namespace

PickListForm::PickListForm(const QString& caption, QWidget* parent) : QDialog(parent) {
  setWindowTitle(caption);
  Help::setSection(this, QStringLiteral("pick-lists"));
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  // Names keep their field's padding: no sideways scrolling for blanks.
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Nor an ellipsis: the padding would have every name cut short with one.
  ListBox1->setTextElideMode(Qt::ElideNone);
  BtnSelect = MakeButton("BtnSelect", tr("Select"), this);
  BtnNew = MakeButton("BtnNew", tr("New"), this);
  BtnCancel = MakeButton("BtnCancel", tr("Cancel"), this);

  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  topArea_ = new QVBoxLayout;
  left->addLayout(topArea_);
  left->addWidget(ListBox1, 1);
  layout->addLayout(left, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(BtnSelect);
  buttons->addWidget(BtnNew);
  buttons->addWidget(BtnCancel);
  buttons->addStretch();
  layout->addLayout(buttons);
  resize(320, 260);

  connect(BtnSelect, &QPushButton::clicked, this, Guarded(this, &PickListForm::BtnSelectClick));
  connect(BtnNew, &QPushButton::clicked, this, Guarded(this, &PickListForm::BtnNewClick));
  connect(BtnCancel, &QPushButton::clicked, this, Guarded(this, &PickListForm::BtnCancelClick));
  connect(ListBox1, &QListWidget::itemDoubleClicked, this,
          Guarded(this, &PickListForm::ListBox1DblClick));
}

void PickListForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) RunGuarded([this] { FormShow(); });
}

void PickListForm::FormShow() {
  DATA4* d = table();
  ListBox1->clear();
  tagBefore_ = d4tagSelected(d);
  shown_ = true;
  d4tagSelect(d, d4tag(d, tagName()));
  QStringList names;
  int chosenLine = 0;
  for (int at = d4top(d); at == r4success; at = d4skip(d, 1)) {
    const QString name = readName();
    const bool deleted = d4deleted(d) == 1;
    if (d4recNo(d) == currentRecord()) chosenLine = names.size();
    names << name;
    // The marker right after the name, not past the field's padding where
    // the list cannot show it.
    ListBox1->addItem(deleted ? WithoutPadding(name) + ' ' + tr("<DELETED>") : name);
  }
  linesLoaded(names);
  if (ListBox1->count() > 0) ListBox1->setCurrentRow(chosenLine);
  // Closing the window other than by its buttons counts as cancelled.
  currentRecord() = -1;
  focusAfterShow();
}

void PickListForm::focusAfterShow() { ListBox1->setFocus(); }

void PickListForm::BtnSelectClick() {
  const int line = ListBox1->currentRow();
  if (line < 0 || !ListBox1->currentItem()->isSelected()) {
    Ui::get().information(tr("Item Not Selected"));
    return;
  }
  DATA4* d = table();
  d4top(d);
  if (line > 0) d4skip(d, line);
  currentRecord() = static_cast<int>(d4recNo(d));
  accept();
}

void PickListForm::ListBox1DblClick() { BtnSelectClick(); }

void PickListForm::BtnNewClick() {
  currentRecord() = 0;
  accept();
}

void PickListForm::BtnCancelClick() {
  currentRecord() = -1;
  reject();
}

void PickListForm::done(int result) {
  if (shown_) {
    shown_ = false;
    d4tagSelect(table(), tagBefore_);
  }
  QDialog::done(result);
}
