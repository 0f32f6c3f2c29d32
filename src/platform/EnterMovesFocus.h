// In every single-line field of the windows the Enter key is swallowed and
// moves the focus to the next control in tab order (so it never presses a
// dialog's default button). Memos keep Enter as a new line: do not install
// this on them.
#ifndef PLATFORM_ENTERMOVESFOCUS_H
#define PLATFORM_ENTERMOVESFOCUS_H

class QKeyEvent;
class QWidget;

namespace EnterMovesFocus {

// Installs the behaviour on one field.
void install(QWidget* field);
// Installs it on every QLineEdit inside form (amount and date boxes have it
// already).
void installOnLineEdits(QWidget* form);
// For widgets that handle keys themselves: when event is Enter, moves the
// focus on from field and returns true.
bool handle(QWidget* field, QKeyEvent* event);

}  // namespace EnterMovesFocus

#endif  // PLATFORM_ENTERMOVESFOCUS_H
