#include "platform/MaskedBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include "platform/EditMask.h"
#include "platform/EnterMovesFocus.h"

MaskedBox::MaskedBox(const QString& editMask, QWidget* parent) : QLineEdit(parent) {
  if (!editMask.isEmpty()) setDesignMask(editMask);
}

void MaskedBox::setDesignMask(const QString& editMask) {
  const QString kept = boxText();
  blank_ = MaskBlank(editMask);
  setInputMask(QtInputMask(editMask));
  setText(kept);
}

void MaskedBox::setText(const QString& text) {
  QString t = text;
  t.replace(' ', blank_);
  QLineEdit::setText(t);
}

QString MaskedBox::boxText() const {
  QString t = displayText();
  t.replace(blank_, ' ');
  return t;
}

bool MaskedBox::leave() {
  if (leaving_) return false;  // a message shown while leaving moves the focus again
  leaving_ = true;
  // A read-only box shows what the window put there; there is nothing to check.
  const bool ok = isReadOnly() || onLeave();
  leaving_ = false;
  if (ok) emit exited();
  return ok;
}

namespace {
// Focus that comes and goes with the window or a menu, not with the user
// moving between the window's controls.
constexpr const char* kUnchecked = "leavesBoxesUnchecked";

bool WindowOnly(const QFocusEvent* event) {
  return event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
}
}  // namespace

void MaskedBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // Entering a box (also as the first control of a window being shown)
  // selects its text, so typing replaces it: a mask edits in place, and a
  // number typed over part of another would mix the two. A menu closing
  // leaves the cursor where it was.
  if (event->reason() != Qt::PopupFocusReason) {
    selectAll();
    if (!hasSelectedText()) setCursorPosition(0);
  }
}

void MaskedBox::leaveUncheckedFor(QWidget* target) { target->setProperty(kUnchecked, true); }

void MaskedBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Leaving the window (another window, a menu) is not leaving the box.
  if (WindowOnly(event)) return;
  // The focus has already moved on when the box hears that it lost it.
  const QWidget* next = QApplication::focusWidget();
  if (next && next->property(kUnchecked).toBool()) return;
  leave();
}

void MaskedBox::keyPressEvent(QKeyEvent* event) {
  if (EnterMovesFocus::handle(this, event)) return;
  QLineEdit::keyPressEvent(event);
}
