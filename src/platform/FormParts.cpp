#include "platform/FormParts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "platform/AmountBox.h"
#include "platform/DateBox.h"
#include "platform/EnterMovesFocus.h"
#include "platform/FieldEdit.h"

QPushButton* MakeFormButton(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QLineEdit* MakeFormEdit(const QString& name, int maxLength, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  SetTypingLimit(edit, maxLength);
  EnterMovesFocus::install(edit);
  return edit;
}

AmountBox* MakeAmountBox(const QString& name, const QString& editMask, const char* format,
                         QWidget* parent) {
  auto* box = new AmountBox(editMask, format, parent);
  box->setObjectName(name);
  return box;
}

DateBox* MakeDateBox(const QString& name, QWidget* parent) {
  auto* box = new DateBox(parent);
  box->setObjectName(name);
  return box;
}

void SetTabOrder(std::initializer_list<QWidget*> order) {
  QWidget* previous = nullptr;
  for (QWidget* w : order) {
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons, bool stretched) {
  auto* row = new QHBoxLayout;
  if (stretched) row->addStretch();
  for (QPushButton* b : buttons)
    if (b) row->addWidget(b);
  return row;
}

QLineEdit* AddFormField(QGridLayout* grid, int row, const QString& caption, const QString& name,
                        int maxLength, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  QLineEdit* edit = MakeFormEdit(name, maxLength, parent);
  label->setBuddy(edit);
  grid->addWidget(label, row, 0);
  grid->addWidget(edit, row, 1);
  return edit;
}

QTableWidget* MakeListGrid(const QStringList& headings, QWidget* parent) {
  auto* grid = new QTableWidget(parent);
  grid->setObjectName("StringGrid1");
  grid->setColumnCount(int(headings.size()));
  grid->setHorizontalHeaderLabels(headings);
  grid->verticalHeader()->hide();
  grid->horizontalHeader()->setStretchLastSection(true);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  return grid;
}
