#include "printing/TestSupport.h"

#include <QLocale>

#include "data/Settings.h"
#include "platform/Clock.h"
#include "platform/PrinterChoice.h"
#include "printing/RptUtil.h"

void ReportTest::SetUp() {
  EnsureTestApplication();
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  Clock::setFixed(QDateTime(QDate(2026, 3, 14), QTime(10, 0)));
  PrinterChoice::selectNone();
  resetSettingsForTests();
  resetReportForTests();
}

void ReportTest::TearDown() {
  resetReportForTests();
  PrinterChoice::selectNone();
  Clock::useSystem();
}

QStringList Lines() {
  QStringList lines;
  const ReportDocument& d = Report();
  for (int i = 0; i < d.lineCount(); ++i) lines << d.line(i).join('|');
  return lines;
}

void StartPlainReport(int lineWidth, int cellsPerLine, const QString& title) {
  BeginReport(KeptLines(), lineWidth, cellsPerLine, {title}, {});
}

QString Joined(const QStringList& lines) { return lines.join('\n'); }
