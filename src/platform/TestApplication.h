// Window tests need one QApplication for the whole test program; the first
// call creates it (under the platform chosen by QT_QPA_PLATFORM, offscreen in
// ctest) and later calls return it. Including this header also makes
// GoogleTest print QStrings and QStringLists as text.
#ifndef PLATFORM_TESTAPPLICATION_H
#define PLATFORM_TESTAPPLICATION_H

#include <QString>
#include <QStringList>
#include <ostream>

class QApplication;

QApplication* EnsureTestApplication();

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os) {
  *os << "{ ";
  for (const QString& s : list) *os << '"' << s.toStdString() << "\" ";
  *os << '}';
}

#endif  // PLATFORM_TESTAPPLICATION_H
