#include "platform/Ui.h"

namespace {
Ui* installed = nullptr;
}

// The real driver lives with the widgets (QtUi.cpp) and registers itself
// through this hook, so the QtCore-only users of Ui need no widgets.
Ui* (*tbRealUiFactory)() = nullptr;

Ui& Ui::get() {
  if (installed) return *installed;
  static Ui* real = tbRealUiFactory ? tbRealUiFactory() : nullptr;
  return *real;
}

void Ui::install(Ui* driver) { installed = driver; }
