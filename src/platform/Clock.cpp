#include "platform/Clock.h"

#include <chrono>

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

// The system's date, read again at most once a second: QDate::currentDate
// asks for the time zone file's status on every call, and a report over
// the whole history asks for today's date once per invoice.
QDate today() {
  if (fixed) return fixedAt.date();
  thread_local QDate date;
  thread_local std::chrono::steady_clock::time_point readAt;
  const auto now = std::chrono::steady_clock::now();
  if (!date.isValid() || now - readAt >= std::chrono::seconds(1)) {
    date = QDate::currentDate();
    readAt = now;
  }
  return date;
}

void setFixed(const QDateTime& t, int step) {
  fixed = true;
  fixedAt = t;
  stepMs = step;
}

void useSystem() { fixed = false; }

}  // namespace Clock
