#include "printing/ReportRender.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/RecordingCanvas.h"
#include "printing/TestSupport.h"

namespace {

using ReportRender = ReportTest;

// Every character is 10 px wide and 20 px high on the recording canvas.
const QFont kFont("Sans", 10);

// The drawing calls, without the font changes.
QStringList Drawn(const RecordingCanvas& canvas) {
  QStringList drawn;
  for (const QString& entry : canvas.log())
    if (!entry.startsWith("font ")) drawn << entry;
  return drawn;
}

ReportDocument Document(int lineWidth, const QList<QStringList>& lines) {
  ReportDocument d;
  d.LineWidth = lineWidth;
  d.CellsPerLine = lines.isEmpty() ? 1 : int(lines.first().size());
  for (const QStringList& line : lines) d.appendLine(line);
  return d;
}

RecordingCanvas Screen() {
  RecordingCanvas canvas;
  canvas.setPrinter(false);
  return canvas;
}

TEST_F(ReportRender, ReportIsCentredAndCellsArePlacedByColumn) {
  RecordingCanvas canvas = Screen();
  const ReportDocument d =
      Document(71, {{"L10Brown", "R47Date", "C35Sales", "V08", "H0871", ""}});
  const ReportLayout layout = LayoutReport(canvas, kFont, 71, 1000);
  EXPECT_EQ(layout.left, 145);  // 500 - 71 * 10 / 2
  EXPECT_EQ(layout.right, 855);
  canvas.clearLog();
  EXPECT_EQ(DrawReportLines(canvas, d, layout, 0, 0, 40), 60);
  const QStringList expected{
      "text 245,40 Brown",       // begins at column 10
      "text 575,40 Date",        // ends at column 47
      "text 470,40 Sales",       // centred on column 35
      "line 225,40-225,60",      // a rule the height of the line
      "line 225,40-855,40",      // from column 8 to 71 at the top of the line
  };
  EXPECT_EQ(Joined(Drawn(canvas)), Joined(expected));
}

TEST_F(ReportRender, BoldStyleAndRuleUnderTheLine) {
  RecordingCanvas canvas = Screen();
  const ReportDocument d =
      Document(71, {{"L10Brown", "BU"}, {"L10Green", "U"}, {"L10Black", ""}});
  const ReportLayout layout = LayoutReport(canvas, kFont, 71, 1000);
  canvas.clearLog();
  DrawReportLines(canvas, d, layout, 0, 2, 0);
  const QStringList expected{
      "bold 245,0 Brown", "line 145,20-855,20",
      "text 245,20 Green", "line 145,40-855,40",
      "text 245,40 Black",
  };
  EXPECT_EQ(Joined(Drawn(canvas)), Joined(expected));
}

TEST_F(ReportRender, PageBreakIsADottedLineOnScreen) {
  RecordingCanvas canvas = Screen();
  const ReportDocument d = Document(71, {{"L00A", ""}, {"EJECT", ""}, {"L00B", ""}});
  const ReportLayout layout = LayoutReport(canvas, kFont, 71, 1000);
  canvas.clearLog();
  EXPECT_EQ(DrawReportLines(canvas, d, layout, 0, 2, 0), 60);
  const QStringList expected{"text 145,0 A", "dots 0,30-999,30", "text 145,40 B"};
  EXPECT_EQ(Joined(Drawn(canvas)), Joined(expected));
  EXPECT_EQ(canvas.pages(), 1);
}

TEST_F(ReportRender, PrintingStartsThreeLinesDownAndEjectBeginsANewPage) {
  RecordingCanvas canvas;  // a 2000 px wide printer page
  const ReportDocument d =
      Document(20, {{"L00A", ""}, {"L00B", "U"}, {"EJECT", ""}, {"L00C", ""}});
  PrintDocument(canvas, d, kFont);
  const QStringList expected{
      "text 900,60 A", "text 900,80 B", "line 900,100-1100,100",
      "newPage",
      "text 900,60 C",  // the first line of the new page prints at the top again
  };
  EXPECT_EQ(Joined(Drawn(canvas)), Joined(expected));
  EXPECT_EQ(canvas.pages(), 2);
}

TEST_F(ReportRender, PrintingUsesTheWholeDocumentNotJustLinesInView) {
  RecordingCanvas canvas;
  QList<QStringList> lines;
  for (int i = 0; i < 150; ++i) lines << QStringList{"L00x", ""};
  PrintDocument(canvas, Document(20, lines), kFont);
  EXPECT_EQ(Drawn(canvas).size(), 150);
  EXPECT_EQ(Drawn(canvas).last(), QString("text 900,%1 x").arg(60 + 149 * 20));
}

TEST_F(ReportRender, PrinterShrinksTheFontUntilTheReportFitsThePage) {
  RecordingCanvas canvas;
  canvas.setScaleWithFontSize(true);  // a character is as wide as the font's points
  const ReportLayout layout = LayoutReport(canvas, QFont("Sans", 30), 80, 2000);
  EXPECT_EQ(layout.font.pointSize(), 25);  // 80 * 25 = 2000
  EXPECT_EQ(layout.cw, 25);
  EXPECT_EQ(layout.lh, 50);
  EXPECT_EQ(layout.left, 0);
  EXPECT_TRUE(canvas.log().contains("font Sans 25"));
  EXPECT_FALSE(canvas.log().contains("font Sans 24"));

  // No lower limit of 8 points on paper.
  EXPECT_EQ(LayoutReport(canvas, QFont("Sans", 30), 80, 500).font.pointSize(), 6);
}

TEST_F(ReportRender, ScreenStopsShrinkingAtEightPointsAndOverflowsTheWindow) {
  RecordingCanvas canvas = Screen();
  canvas.setScaleWithFontSize(true);
  const ReportLayout layout = LayoutReport(canvas, QFont("Sans", 30), 80, 500);
  EXPECT_EQ(layout.font.pointSize(), 8);
  EXPECT_EQ(layout.left, -70);  // 250 - 80 * 8 / 2
  EXPECT_EQ(layout.right, 570);
  // A font already small enough is not touched.
  EXPECT_EQ(LayoutReport(canvas, QFont("Sans", 6), 80, 500).font.pointSize(), 6);
}

TEST_F(ReportRender, PrintedReportIsDrawnInTheShrunkFont) {
  RecordingCanvas canvas;
  canvas.setScaleWithFontSize(true);
  canvas.setPageSize(QSize(400, 3000));
  PrintDocument(canvas, Document(20, {{"R20end", "B"}}), QFont("Sans", 30));
  // 20 * 20 = 400 fits; lh = 40, so the first line prints at 120.
  EXPECT_EQ(Joined(Drawn(canvas)), "bold 340,120 end");
}

TEST_F(ReportRender, UnknownAndLowerCaseCellLettersDrawNothing) {
  RecordingCanvas canvas = Screen();
  const ReportDocument d = Document(71, {{"Z05abc", "l05abc", "v10", "", "L00ok", ""}});
  const ReportLayout layout = LayoutReport(canvas, kFont, 71, 1000);
  canvas.clearLog();
  DrawReportLines(canvas, d, layout, 0, 0, 0);
  EXPECT_EQ(Joined(Drawn(canvas)), "text 145,0 ok");
}

TEST_F(ReportRender, LinesOutsideTheDocumentAreSkipped) {
  RecordingCanvas canvas = Screen();
  const ReportDocument d = Document(71, {{"L00a", ""}, {"L00b", ""}, {"L00c", ""}});
  const ReportLayout layout = LayoutReport(canvas, kFont, 71, 1000);
  canvas.clearLog();
  EXPECT_EQ(DrawReportLines(canvas, d, layout, 1, 40, 0), 40);
  EXPECT_EQ(Joined(Drawn(canvas)), Joined({"text 145,0 b", "text 145,20 c"}));
}

class ReportPicture : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    file = dir.filePath("logo.png");
    QImage picture(30, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(file));
  }
  QStringList Draw(RecordingCanvas& canvas, const QString& align) {
    const ReportDocument d = Document(71, {{"I" + align + "10" + file, "S 0.50 1.00"}});
    const ReportLayout layout = LayoutReport(canvas, kFont, 71, 1000);
    canvas.clearLog();
    DrawReportLines(canvas, d, layout, 0, 0, 20);
    return Drawn(canvas);
  }
  QTemporaryDir dir;
  QString file;
};

TEST_F(ReportPicture, ScreenDrawsThePictureAtItsOwnSizeAlignedOnTheColumn) {
  RecordingCanvas canvas = Screen();
  EXPECT_EQ(Draw(canvas, "L"), QStringList{"picture 245,20 30x10"});
  EXPECT_EQ(Draw(canvas, "C"), QStringList{"picture 230,20 30x10"});
  EXPECT_EQ(Draw(canvas, "R"), QStringList{"picture 215,20 30x10"});
}

TEST_F(ReportPicture, ScreenShrinksAPictureTallerThanItsLinesIntoThem) {
  RecordingCanvas canvas = Screen();
  const ReportLayout layout = LayoutReport(canvas, kFont, 71, 1000);
  QImage big(120, 120, QImage::Format_RGB32);
  big.fill(Qt::black);
  ASSERT_TRUE(big.save(file));
  // The lines after it (one here) hold the text that follows: the picture
  // ends where they begin.
  const ReportDocument d = Document(71, {{"IL10" + file, "S 1.10 1.10   1"}});
  canvas.clearLog();
  DrawReportLines(canvas, d, layout, 0, 0, 20);
  const int side = 2 * layout.lh;
  EXPECT_EQ(Drawn(canvas), QStringList{QString("picture 245,20 %1x%1").arg(side)});
}

TEST_F(ReportPicture, PrinterStretchesThePictureToItsInches) {
  RecordingCanvas canvas;  // 200 pixels per inch
  canvas.setPageSize(QSize(1000, 3000));
  EXPECT_EQ(Draw(canvas, "L"), QStringList{"picture 245,20 200x100"});
  EXPECT_EQ(Draw(canvas, "C"), QStringList{"picture 145,20 200x100"});
  EXPECT_EQ(Draw(canvas, "R"), QStringList{"picture 45,20 200x100"});
}

TEST_F(ReportPicture, UnreadablePictureIsLeftOutAndThePrintGoesOn) {
  RecordingCanvas canvas;
  const ReportDocument d = Document(20, {{"IL00" + dir.filePath("missing.bmp"), "S 1.00 1.00"},
                                         {"EJECT", ""},
                                         {"L00after", ""}});
  PrintDocument(canvas, d, kFont);
  EXPECT_EQ(Joined(Drawn(canvas)), Joined({"newPage", "text 900,60 after"}));
}

}  // namespace
