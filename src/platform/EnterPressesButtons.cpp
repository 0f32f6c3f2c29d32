#include "platform/EnterPressesButtons.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace {

class ButtonEnterFilter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    if (key->modifiers() & ~(Qt::KeypadModifier)) return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || !button->hasFocus() || !button->isEnabled()) return false;
    if (!qobject_cast<QPushButton*>(button) && !qobject_cast<QToolButton*>(button)) return false;
    if (!key->isAutoRepeat()) button->click();
    return true;  // a dialog's default button is not pressed as well
  }
};

}  // namespace

namespace EnterPressesButtons {

void install(QCoreApplication* app) {
  static ButtonEnterFilter filter;
  app->removeEventFilter(&filter);
  app->installEventFilter(&filter);
}

}  // namespace EnterPressesButtons
