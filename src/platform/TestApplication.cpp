#include "platform/TestApplication.h"

#include <QApplication>

QApplication* EnsureTestApplication() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return app;
  static int argc = 1;
  static char name[] = "tallowby-test";
  static char* argv[] = {name, nullptr};
  // Never destroyed: a QApplication ended among the other statics at exit
  // takes Qt's input devices down after their own teardown.
  return new QApplication(argc, argv);
}
