#include "platform/EnterMovesFocus.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class EnterFilter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && EnterMovesFocus::handle(widget, static_cast<QKeyEvent*>(event));
  }
};

EnterFilter* filter() {
  static EnterFilter f;
  return &f;
}

}  // namespace

namespace EnterMovesFocus {

bool handle(QWidget* field, QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
  // Qt's own Tab handling finds the next control in the focus chain.
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QCoreApplication::sendEvent(field, &tab);
  event->accept();
  return true;
}

void install(QWidget* field) {
  field->removeEventFilter(filter());
  field->installEventFilter(filter());
}

void installOnLineEdits(QWidget* form) {
  for (QLineEdit* edit : form->findChildren<QLineEdit*>()) install(edit);
}

}  // namespace EnterMovesFocus
