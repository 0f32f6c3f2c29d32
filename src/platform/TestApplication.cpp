#include "platform/TestApplication.h"

#include <QApplication>

#include "testmain/TestMain.h"

namespace {
QApplication* app = nullptr;
void DeleteApplication() {
  delete app;
  app = nullptr;
}
}  // namespace

QApplication* EnsureTestApplication() {
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return existing;
  static int argc = 1;
  static char name[] = "tallowby-test";
  static char* argv[] = {name, nullptr};
  app = new QApplication(argc, argv);
  // Ended by the test main before the statics go, so Qt's input devices
  // are torn down while their own statics still stand.
  SetTestTeardown(DeleteApplication);
  return app;
}
