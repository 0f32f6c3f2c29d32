// Runs a window's handler the way the framework runs an event: an error
// that the handler does not test for itself (a text that is not a number or
// a date, a file that cannot be read or written, a printer failure) abandons
// the handler and is shown in the default error box; the window stays open.
// Only std::exception and its kin are caught: anything else (the tests'
// "program ended" signal) passes through.
#ifndef PLATFORM_HANDLERGUARD_H
#define PLATFORM_HANDLERGUARD_H

#include <functional>

// True when handler ran to its end; false when an error was shown.
bool RunGuarded(const std::function<void()>& handler);

// A slot wrapper for connect(): Guarded(this, &TCustomer::BtnSaveClick).
template <class T>
auto Guarded(T* object, void (T::*handler)()) {
  return [object, handler] { RunGuarded([object, handler] { (object->*handler)(); }); };
}

#endif  // PLATFORM_HANDLERGUARD_H
