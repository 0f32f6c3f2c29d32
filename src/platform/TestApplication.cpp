#include "platform/TestApplication.h"

#include <QApplication>

QApplication* EnsureTestApplication() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return app;
  static int argc = 1;
  static char name[] = "tallowby-test";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return &app;
}
