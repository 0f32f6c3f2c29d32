// The only source of the current date and time. Tests fix it.
#ifndef PLATFORM_CLOCK_H
#define PLATFORM_CLOCK_H

#include <QDate>
#include <QDateTime>

namespace Clock {

QDate today();
QDateTime now();
// Fixes the clock at t (tests); each now() then advances by step milliseconds.
void setFixed(const QDateTime& t, int stepMs = 0);
// Back to the system clock.
void useSystem();

}  // namespace Clock

#endif  // PLATFORM_CLOCK_H
