#include "reports/TestSupport.h"

#include <QFile>
#include <QLocale>
#include <QPushButton>

#include "platform/DateBox.h"
#include "reports/ReportExport.h"

#include "data/Settings.h"
#include "platform/Clock.h"
#include "platform/PrinterChoice.h"
#include "platform/TestApplication.h"
#include "reports/RptUtil.h"

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
  for (int i = 0; i < d.lineCount(); ++i) lines << d.ReportLines[i].join('|');
  return lines;
}

void StartPlainReport(int lineWidth, int cellsPerLine, const QString& title) {
  Report().LineWidth = lineWidth;
  Report().CellsPerLine = cellsPerLine;
  StartReport();
  Report().TitleLines = {title};
}

QString Joined(const QStringList& lines) { return lines.join('\n'); }

void ReportDataTest::SetUp() {
  IndexedFolderTest::SetUp();
  EnsureTestApplication();
  PrinterChoice::selectNone();
  resetReportForTests();
  reportWindow = std::make_unique<TReportF>();
  dateSpan = std::make_unique<TDateSpan>();
  multGroup = std::make_unique<TMultGroup>();
  ui.onDialog<TReportF>([this](TReportF* w) {
    shown << ExportText(Report(), ExportFormat::PlainText);
    w->close();
  });
  ui.onDialog<TDateSpan>([this](TDateSpan* d) {
    if (!span) {
      d->findChild<QPushButton*>("BtnCancel")->click();
      return;
    }
    d->findChild<DateBox*>("MaskEdit1")->setText(FormatShortDate(DateFromQDate(span->from)));
    d->findChild<DateBox*>("MaskEdit2")->setText(FormatShortDate(DateFromQDate(span->to)));
    d->findChild<QPushButton*>("BtnOK")->click();
  });
}

void ReportDataTest::TearDown() {
  multGroup.reset();
  dateSpan.reset();
  reportWindow.reset();
  resetReportForTests();
  IndexedFolderTest::TearDown();
}

namespace {
QString GoldenPath(const QString& name) {
  return qEnvironmentVariable("TB_SOURCE_DIR", QStringLiteral(".")) + "/src/reports/golden/" + name;
}
}  // namespace

QString Golden(const QString& name) {
  QFile file(GoldenPath(name));
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}

void ExpectGolden(const QString& name, const QString& text) {
  if (qEnvironmentVariableIntValue("TB_UPDATE_GOLDEN") == 1) {
    QFile file(GoldenPath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << GoldenPath(name).toStdString();
    file.write(text.toUtf8());
    return;
  }
  const QString expected = Golden(name);
  if (expected == text) return;
  const QStringList want = expected.split("\r\n");
  const QStringList got = text.split("\r\n");
  qsizetype i = 0;
  while (i < want.size() && i < got.size() && want[i] == got[i]) ++i;
  ADD_FAILURE() << "report differs from golden file " << name.toStdString() << " at line "
                << i + 1 << "\n  expected: \"" << (i < want.size() ? want[i] : "<end>").toStdString()
                << "\"\n  actual:   \"" << (i < got.size() ? got[i] : "<end>").toStdString()
                << "\"\n(run with TB_UPDATE_GOLDEN=1 to rewrite the file after checking it)";
}
