#include "products/FormParts.h"

#include <QLineEdit>
#include <QPushButton>

#include "customers/FieldEdit.h"
#include "platform/EnterMovesFocus.h"

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

void SetTabOrder(std::initializer_list<QWidget*> order) {
  QWidget* previous = nullptr;
  for (QWidget* w : order) {
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}
