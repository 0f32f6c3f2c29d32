// Enter on a focused push or tool button presses it, in every window of the
// program, as Space does (and as the desktops our users come from do).
// Single-line fields keep moving the focus on with Enter (EnterMovesFocus):
// the key reaches a button only when the button itself has the focus.
#ifndef PLATFORM_ENTERPRESSESBUTTONS_H
#define PLATFORM_ENTERPRESSESBUTTONS_H

class QCoreApplication;

namespace EnterPressesButtons {

// Installs the behaviour for every window of app; more calls change nothing.
void install(QCoreApplication* app);

}  // namespace EnterPressesButtons

#endif  // PLATFORM_ENTERPRESSESBUTTONS_H
