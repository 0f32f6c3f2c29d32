#include "platform/Clock.h"

namespace {
bool fixed = false;
QDateTime fixedAt;
int stepMs = 0;
}  // namespace

namespace Clock {

QDateTime now() {
  if (!fixed) return QDateTime::currentDateTime();
  QDateTime t = fixedAt;
  fixedAt = fixedAt.addMSecs(stepMs);
  return t;
}

QDate today() { return fixed ? fixedAt.date() : QDate::currentDate(); }

void setFixed(const QDateTime& t, int step) {
  fixed = true;
  fixedAt = t;
  stepMs = step;
}

void useSystem() { fixed = false; }

}  // namespace Clock
