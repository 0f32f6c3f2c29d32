#include "platform/PainterCanvas.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/PrinterChoice.h"
#include "platform/QtUi.h"
#include "platform/RecordingCanvas.h"
#include "platform/ScriptedUi.h"
#include "platform/TestApplication.h"
#include <QPrinterInfo>

namespace {

class PainterCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureTestApplication();
    ASSERT_TRUE(dir.isValid());
    pdf = dir.filePath("report.pdf");
    PrinterChoice::selectPdf(pdf);
  }
  void TearDown() override { PrinterChoice::selectNone(); }

  int pdfPages() {
    QProcess p;
    p.start("pdfinfo", {pdf});
    if (!p.waitForFinished(30000)) return -1;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
      if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    return -1;
  }

  QTemporaryDir dir;
  QString pdf;
};

TEST_F(PainterCanvasTest, NewPageGivesASecondSheetInThePdf) {
  PainterCanvas canvas(PrinterChoice::printer());
  canvas.setFont(QFont("DejaVu Sans", 10));
  canvas.drawText(100, 100, "Page 1");
  canvas.drawLine(0, 300, 1000, 300);
  canvas.newPage();
  canvas.drawText(100, 100, "Page 2");
  canvas.drawDottedLine(0, 400, 1000);
  QImage logo(40, 20, QImage::Format_RGB32);
  logo.fill(Qt::red);
  canvas.drawPicture(QRect(100, 500, 400, 200), logo);
  canvas.end();
  ASSERT_TRUE(QFile::exists(pdf));
  EXPECT_EQ(pdfPages(), 2);
}

TEST_F(PainterCanvasTest, MeasuringStartsNoPrintJob) {
  auto canvas = PrinterChoice::measuringCanvas();
  ASSERT_NE(canvas, nullptr);
  canvas->setFont(QFont("DejaVu Sans", 10));
  EXPECT_GT(canvas->textWidth("B"), 0);
  canvas.reset();
  EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PainterCanvasTest, MetricsAreInPrinterPixelsNotScreenPixels) {
  QPrinter* printer = PrinterChoice::printer();
  PainterCanvas canvas(printer);
  QFont font("DejaVu Sans", 10);
  canvas.setFont(font);
  const int dpi = printer->resolution();
  EXPECT_EQ(canvas.resolution(), QSize(dpi, dpi));
  // A 10-point line is about 10/72 inch high at the printer's resolution.
  const int expected = dpi * 10 / 72;
  EXPECT_GT(canvas.textHeight("A"), expected);
  EXPECT_LT(canvas.textHeight("A"), 2 * expected);
  EXPECT_GT(canvas.textWidth("BBBBBBBBBB"), 10 * canvas.textWidth("B") - 10);
}

TEST_F(PainterCanvasTest, PageSizeIsThePrintableAreaAndOffsetItsMargin) {
  QPrinter* printer = PrinterChoice::printer();
  printer->setPageSize(QPageSize(QPageSize::Letter));
  printer->setPageMargins(QMarginsF(0.5, 0.25, 0.5, 0.25), QPageLayout::Inch);
  PainterCanvas canvas(printer);
  const int dpi = printer->resolution();
  EXPECT_EQ(canvas.printingOffset(), QPoint(dpi / 2, dpi / 4));
  EXPECT_NEAR(canvas.pageSize().width(), int(7.5 * dpi), 2);
  EXPECT_NEAR(canvas.pageSize().height(), int(10.5 * dpi), 2);
  EXPECT_TRUE(canvas.isPrinter());
}

TEST_F(PainterCanvasTest, PrinterDescriptionNamesTheOrientation) {
  EXPECT_EQ(PrinterChoice::description(), "report.pdf-Portrait");
  PrinterChoice::printer()->setPageOrientation(QPageLayout::Landscape);
  EXPECT_EQ(PrinterChoice::description(), "report.pdf-Landscape");
  PrinterChoice::selectNone();
  EXPECT_EQ(PrinterChoice::description(), "");
  EXPECT_EQ(PrinterChoice::measuringCanvas(), nullptr);
}

TEST_F(PainterCanvasTest, SetupWithoutPrintersOffersAPdfFile) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  ScriptedUi ui;
  ui.expectSaveFile("");
  EXPECT_FALSE(PrinterChoice::setupDialog(nullptr));
  EXPECT_EQ(PrinterChoice::description(), "report.pdf-Portrait");  // cancelled: unchanged
  ui.expectSaveFile(dir.filePath("letters.pdf"));
  EXPECT_TRUE(PrinterChoice::setupDialog(nullptr));
  EXPECT_EQ(PrinterChoice::description(), "letters.pdf-Portrait");
  EXPECT_EQ(ui.lastFilePrompt().defaultSuffix, "pdf");
}

TEST(QtFileFilterTest, DesignFiltersBecomeQtFiltersInBothCases) {
  EXPECT_EQ(QtFileFilter("Text files (*.txt)|*.TXT"), "Text files (*.txt *.TXT)");
  EXPECT_EQ(QtFileFilter("Delimited files (*.asc)|*.ASC|All (*.*)|*.*"),
            "Delimited files (*.asc *.ASC);;All (*.*)");
  EXPECT_EQ(QtFileFilter("PDF files (*.pdf)"), "PDF files (*.pdf)");
}

TEST(RecordingCanvasTest, LogsEveryCallWithBoldState) {
  RecordingCanvas c;
  QFont f = c.font();
  c.drawText(120, 40, "Invoice");
  f.setBold(true);
  c.setFont(f);
  c.drawText(0, 60, "Total");
  c.drawLine(0, 0, 100, 0);
  c.drawDottedLine(0, 30, 100);
  c.drawPicture(QRect(10, 20, 300, 100), QImage());
  c.newPage();
  EXPECT_EQ(c.logText(),
            "text 120,40 Invoice\n"
            "bold 0,60 Total\n"
            "line 0,0-100,0\n"
            "dots 0,30-100,30\n"
            "picture 10,20 300x100\n"
            "newPage");
  EXPECT_EQ(c.pages(), 2);
}

TEST(RecordingCanvasTest, MetricsAreFixedUnlessScaledWithTheFontSize) {
  RecordingCanvas c;
  QFont f = c.font();
  f.setPointSize(24);
  c.setFont(f);
  EXPECT_EQ(c.textWidth("Page 1"), 60);
  EXPECT_EQ(c.textHeight("A"), 20);
  c.setScaleWithFontSize(true);
  EXPECT_EQ(c.textWidth("Page 1"), 6 * 24);
  EXPECT_EQ(c.textHeight("A"), 48);
  EXPECT_EQ(c.log().last(), QString("font %1 24").arg(f.family()));
}

}  // namespace
