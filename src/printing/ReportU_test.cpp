#include "printing/ReportU.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "data/dbFiles.h"
#include "platform/Clock.h"
#include "platform/PrinterChoice.h"
#include "platform/ScriptedUi.h"
#include "printing/ReportView.h"
#include "printing/TestSupport.h"

namespace {

TEST(ReportView, HundredLinesWithFortyInViewScrollFromZeroToSixtyAPageLessALineAtATime) {
  const ReportScroll scroll = ScrollFor(100, 40);
  EXPECT_TRUE(scroll.enabled);
  EXPECT_EQ(scroll.maximum, 60);
  EXPECT_EQ(scroll.largeChange, 39);
}

TEST(ReportView, DocumentThatFitsTheViewHasNoScrolling) {
  EXPECT_FALSE(ScrollFor(40, 40).enabled);
  EXPECT_FALSE(ScrollFor(0, 0).enabled);
  EXPECT_EQ(ScrollFor(40, 40).maximum, 0);
}

TEST(ReportView, VisibleLinesCountOnlyWholeLines) {
  EXPECT_EQ(VisibleLines(419, 10), 41);
  EXPECT_EQ(VisibleLines(0, 10), 0);
  EXPECT_EQ(VisibleLines(100, 0), 0);
}

class ReportWindow : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    window = std::make_unique<TReportF>();
  }
  void TearDown() override {
    window.reset();
    ReportTest::TearDown();
  }
  // A report of n numbered lines.
  static void FillLines(int n) {
    StartPlainReport(40, 2, "T");
    for (int i = 0; i < n; ++i) {
      NewLine();
      Cell(0) = QString("L00line %1").arg(i);
    }
  }
  // Shows the window through the Ui driver and runs inWindow while it is open.
  void Show(const std::function<void(TReportF*)>& inWindow) {
    ui.onDialog<TReportF>([&](TReportF* w) {
      inWindow(w);
      w->close();
    });
    ShowReport();
  }
  QScrollBar* scrollBar() const { return window->findChild<QScrollBar*>("ScrollBar1"); }
  void trigger(const char* action) { window->findChild<QAction*>(action)->trigger(); }

  ScriptedUi ui;
  std::unique_ptr<TReportF> window;
};

TEST_F(ReportWindow, MenuCarriesTheDesignedItems) {
  EXPECT_EQ(window->windowTitle(), "Report");
  EXPECT_EQ(window->findChild<QAction*>("mExit")->text(), "E&xit");
  EXPECT_EQ(window->findChild<QAction*>("mPrint")->text(), "Print");
  EXPECT_EQ(window->findChild<QMenu*>("mExport")->title(), "&Export");
  EXPECT_EQ(window->findChild<QAction*>("AsciiText1")->text(), "Ascii &Text");
  EXPECT_EQ(window->findChild<QAction*>("TabDelimited1")->text(), "Tab &Delimited");
}

TEST_F(ReportWindow, LongDocumentScrollsSoTheLastLineCanReachTheBottom) {
  FillLines(300);
  Show([&](TReportF* w) {
    EXPECT_TRUE(w->isMaximized());
    const int v = w->visibleLines();
    ASSERT_GT(v, 1);
    EXPECT_TRUE(scrollBar()->isEnabled());
    EXPECT_EQ(scrollBar()->minimum(), 0);
    EXPECT_EQ(scrollBar()->maximum(), 300 - v);
    EXPECT_EQ(scrollBar()->pageStep(), v - 1);
    EXPECT_EQ(scrollBar()->value(), 0);
    scrollBar()->setValue(25);
    EXPECT_EQ(w->firstVisibleLine(), 25);
  });
}

TEST_F(ReportWindow, WheelAndPageKeysScrollTheReport) {
  FillLines(300);
  Show([&](TReportF* w) {
    const int v = w->visibleLines();
    QWidget* page = w->findChild<QWidget*>("ReportPage");
    ASSERT_NE(page, nullptr);
    const QPointF at(page->width() / 2, page->height() / 2);
    QWheelEvent down(at, page->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(page, &down);
    EXPECT_EQ(w->firstVisibleLine(), QApplication::wheelScrollLines()) << "one notch down";
    QWheelEvent up(at, page->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(page, &up);
    EXPECT_EQ(w->firstVisibleLine(), 0);
    QTest::keyClick(w, Qt::Key_PageDown);
    EXPECT_EQ(w->firstVisibleLine(), v - 1);
    QTest::keyClick(w, Qt::Key_PageDown);
    EXPECT_EQ(w->firstVisibleLine(), 2 * (v - 1));
    QTest::keyClick(w, Qt::Key_PageUp);
    EXPECT_EQ(w->firstVisibleLine(), v - 1);
    QTest::keyClick(w, Qt::Key_End);
    EXPECT_EQ(w->firstVisibleLine(), 300 - v);
    QTest::keyClick(w, Qt::Key_Home);
    EXPECT_EQ(w->firstVisibleLine(), 0);
  });
}

TEST_F(ReportWindow, ShortDocumentShowsADisabledScrollBarAndStartsAtTheTopAgain) {
  FillLines(300);
  Show([&](TReportF*) { scrollBar()->setValue(40); });
  FillLines(3);
  Show([&](TReportF* w) {
    EXPECT_FALSE(scrollBar()->isEnabled());
    EXPECT_EQ(w->firstVisibleLine(), 0);
  });
}

TEST_F(ReportWindow, ScreenLayoutCentresTheReportLeftOfTheScrollBar) {
  FillLines(5);
  Show([&](TReportF* w) {
    const ReportLayout& l = w->screenLayout();
    EXPECT_EQ(l.width, scrollBar()->x());
    EXPECT_EQ(l.right - l.left, 40 * l.cw);
    EXPECT_LE(std::abs((l.left + l.right) - l.width), 1);
    EXPECT_EQ(scrollBar()->y(), 2);
    EXPECT_EQ(scrollBar()->geometry().bottom(), scrollBar()->parentWidget()->height() - 1);
    EXPECT_FALSE(w->grab().isNull());  // paints without error
  });
}

TEST_F(ReportWindow, CancelledExportWritesNothingAndSaysNothing) {
  FillLines(3);
  const QString folder = QDir::currentPath();
  Show([&](TReportF*) {
    ui.expectSaveFile("");
    trigger("AsciiText1");
  });
  EXPECT_EQ(ui.lastFilePrompt().title, "Export Report");
  EXPECT_EQ(ui.lastFilePrompt().filter, "Text files (*.txt)|*.TXT");
  EXPECT_EQ(ui.lastFilePrompt().defaultSuffix, "txt");
  EXPECT_EQ(QDir::currentPath(), folder);
}

TEST_F(ReportWindow, TabDelimitedExportReplacesTheChosenFile) {
  QTemporaryDir dir;
  const QString file = dir.filePath("report.asc");
  {
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents that are longer than the report");
  }
  StartPlainReport(40, 3, "T");
  NewLine();
  Cell(0) = "L00Bolts";
  Cell(1) = "R4012";
  Show([&](TReportF*) {
    ui.expectSaveFile(file);
    trigger("TabDelimited1");
  });
  EXPECT_EQ(ui.lastFilePrompt().filter, "Delimited files (*.asc)|*.ASC");
  EXPECT_EQ(ui.lastFilePrompt().defaultSuffix, "asc");
  QFile written(file);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll(), QByteArray("Bolts\t12\r\n"));
}

TEST_F(ReportWindow, UncreatableExportFileIsReportedAndTheWindowStaysOpen) {
  QTemporaryDir dir;
  const QString file = dir.filePath("no such folder/report.txt");
  FillLines(3);
  Show([&](TReportF* w) {
    ui.expectSaveFile(file);
    ui.expectMessage(Ui::Kind::Information, "Unable to save to: " + file);
    trigger("AsciiText1");
    EXPECT_TRUE(w->isVisible());
  });
  EXPECT_FALSE(QFile::exists(file));
}

TEST_F(ReportWindow, PrintingWithoutAPrinterIsAPrinterError) {
  FillLines(3);
  Show([&](TReportF*) {
    ui.expectMessage(Ui::Kind::Error, "No printer is selected. Choose one with Printer Setup.");
    trigger("mPrint");
  });
}

TEST_F(ReportWindow, PrintIntoAPdfFileAsksForTheFileEachTimeAndSaysWhereItWent) {
  QTemporaryDir dir;
  PrinterChoice::selectPdf(dir.filePath("last.pdf"));
  Clock::setFixed(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
  StartPlainReport(40, 2, "Account Statement");
  NewLine();
  Cell(0) = "L00line";
  const QString first = dir.filePath("first.pdf"), second = dir.filePath("second.pdf");
  Show([&](TReportF*) {
    ui.expectSaveFile("");
    trigger("mPrint");
    ui.expectSaveFile(first);
    trigger("mPrint");
    EXPECT_EQ(ui.lastFilePrompt().dir, dir.filePath("account-statement-2026-12-09.pdf"));
    ui.expectSaveFile(second);
    trigger("mPrint");
    EXPECT_EQ(ui.lastFilePrompt().dir, dir.filePath("account-statement-2026-12-09.pdf"))
        << "proposed in the folder of the last file";
  });
  Clock::useSystem();
  EXPECT_TRUE(QFile::exists(first)) << "the second print did not replace the first";
  EXPECT_TRUE(QFile::exists(second));
  EXPECT_FALSE(QFile::exists(dir.filePath("last.pdf"))) << "cancelled: nothing printed";
  EXPECT_EQ(ui.transcript().filter("status: ").value(1), "status: Printed to " + second + ".");
}

TEST_F(ReportWindow, ExitClosesTheWindow) {
  FillLines(3);
  bool open = true;
  Show([&](TReportF* w) {
    trigger("mExit");
    open = w->isVisible();
  });
  EXPECT_FALSE(open);
}

TEST_F(ReportWindow, TwoPageReportPrintsAsATwoPagePdf) {
  const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
  if (pdfinfo.isEmpty()) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
  QTemporaryDir dir;
  const QString pdf = dir.filePath("invoice.pdf");
  PrinterChoice::selectPdf(pdf);
  ReportFont() = QFont("DejaVu Sans", 10);

  StartPlainReport(60, 3, "Wicks");
  for (int i = 1; i <= 60; ++i) {
    CheckPage(Report().LinesOnPage + 1, false);
    NewLine();
    Cell(0) = QString("L00Wick %1").arg(i);
  }
  ASSERT_EQ(Lines().filter("EJECT").size(), 1) << "expected a two-page report";

  Show([&](TReportF*) {
    scrollBar()->setValue(scrollBar()->maximum());  // printing ignores what is in view
    ui.expectSaveFile(pdf);
    trigger("mPrint");
  });
  EndReport();

  QProcess info;
  info.start(pdfinfo, {pdf});
  ASSERT_TRUE(info.waitForFinished(30000));
  const QString out = QString::fromUtf8(info.readAllStandardOutput());
  EXPECT_TRUE(out.contains(QRegularExpression("Pages:\\s+2\\n"))) << out.toStdString();
}

}  // namespace
