// The hourglass while a window reads or writes its tables: shown for the
// lifetime of the object, also when the handler is abandoned by an error.
#ifndef PLATFORM_WAITCURSOR_H
#define PLATFORM_WAITCURSOR_H

#include <QApplication>

class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

#endif  // PLATFORM_WAITCURSOR_H
