#include "platform/WindowFont.h"

#include <QGuiApplication>

QFont WindowFont() {
  QFont font = QGuiApplication::font();
  font.setPointSize(8);
  return font;
}
