#include "platform/UserLocale.h"

#include <QLocale>

void UseUserLocale() {
  const QLocale system = QLocale::system();
  if (system.language() == QLocale::C) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  } else {
    QLocale::setDefault(system);
  }
}
