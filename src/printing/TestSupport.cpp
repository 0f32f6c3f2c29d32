#include "printing/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

void LeaveCutShortRestore(const QString& dataDir, const QString& newSet, const QStringList& files,
                          int placed) {
  const QDir data(dataDir);
  ASSERT_TRUE(data.mkdir(".tbswap"));
  const QDir staging(data.filePath(".tbswap"));
  QByteArray journal = "tallowby swap 1\n";
  for (const QString& f : files) {
    ASSERT_TRUE(QFile::copy(QDir(newSet).filePath(f), staging.filePath(f))) << f.toStdString();
    journal += "put\t" + QFile::encodeName(f) + "\t" + QFile::encodeName(f) + "\n";
  }
  for (const QString& index : data.entryList({"*.ntx", "*.NTX"}, QDir::Files)) {
    journal += "remove\t" + QFile::encodeName(index) + "\n";
    ASSERT_TRUE(QFile::remove(data.filePath(index)));
  }
  QFile file(staging.filePath("journal"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(journal);
  file.close();
  for (int i = 0; i < placed; ++i) {
    QFile::remove(data.filePath(files[i]));
    ASSERT_TRUE(QFile::rename(staging.filePath(files[i]), data.filePath(files[i])));
  }
}

bool QrReadersInstalled() {
  return !QStandardPaths::findExecutable("pdftoppm").isEmpty() && !QStandardPaths::findExecutable("zbarimg").isEmpty();
}

QString QrCodeOnFirstPage(const QString& pdf) {
  QTemporaryDir out;
  QProcess render;
  render.start(QStandardPaths::findExecutable("pdftoppm"),
               {"-r", "150", "-png", "-singlefile", "-f", "1", "-l", "1", pdf, out.filePath("page")});
  if (!render.waitForFinished(60000)) return QString();
  QProcess scan;
  scan.start(QStandardPaths::findExecutable("zbarimg"), {"--raw", "-q", "-Sbinary", out.filePath("page.png")});
  if (!scan.waitForFinished(60000)) return QString();
  QByteArray read = scan.readAllStandardOutput();
  if (read.endsWith('\n')) read.chop(1);
  return QString::fromUtf8(read);
}
