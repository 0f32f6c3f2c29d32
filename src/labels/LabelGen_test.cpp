// The label layout on the recording canvas: page geometry in device pixels,
// rows per page, the unprintable border, the font shrink, and where each
// label of a run lands.
#include "labels/LabelGen.h"

#include <gtest/gtest.h>

#include "platform/RecordingCanvas.h"
#include "platform/TestApplication.h"

namespace {

// An 8.5 x 11 inch sheet at 72 dots per inch, printable in full: device
// pixels are points.
const QSize kLetter(612, 792);
const QSize k72(72, 72);

LabelRecord Stock(double top, double height, double vgap, double bottom) {
  LabelRecord s;
  s.Name = "Test";
  s.TopM = top;
  s.BottomM = bottom;
  s.Height = height;
  s.VGap = vgap;
  s.Width = 189;
  s.LeftM = 18;
  s.NAcross = 3;
  return s;
}

// The label of number n: one text line, so each label draws exactly once.
QStringList Label(int n) { return {QStringLiteral("L%1").arg(n), "", "", "", ""}; }

class LabelSheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureTestApplication();
    // 200 dpi, 2000 x 3000 px page: a 72-point label is 200 px high, 189
    // points 525 px wide; 14 rows between 36-point margins.
    stock = Stock(36, 72, 0, 36);
    stock.HGap = 9;
    font.setPointSize(10);
  }
  // The drawn texts with their positions ("L1 50,100"), page breaks as "newPage".
  QStringList drawn() const {
    QStringList out;
    for (const QString& line : canvas.log()) {
      if (line == "newPage") out << line;
      if (!line.startsWith("text ")) continue;
      const QStringList parts = line.split(' ');
      out << parts[2] + " " + parts[1];
    }
    return out;
  }
  void run(int column, int row, int count) {
    LabelSheet sheet(stock, column, row, canvas, font);
    for (int i = 1; i <= count; ++i) sheet.add(Label(i));
    collected = sheet.finish();
  }

  LabelRecord stock;
  RecordingCanvas canvas;
  QFont font;
  bool collected = false;
};

}  // namespace

TEST(LabelGeometryTest, RowsPerPageFollowTheTwoWorkedExamples) {
  // 792 - 72 = 720 points; 720 / 72 = 10 rows, and 72 x 10 + 72 does not fit.
  EXPECT_EQ(PageGeometry(Stock(36, 72, 0, 36), k72, {}, kLetter, kLetter).rowsPerPage, 10);
  // 700 / 90 = 7 rows, and 90 x 7 + 60 = 690 still fits: the last row needs no gap.
  EXPECT_EQ(PageGeometry(Stock(46, 60, 30, 46), k72, {}, kLetter, kLetter).rowsPerPage, 8);
}

TEST(LabelGeometryTest, PointsBecomeTruncatedDevicePixelsPerAxis) {
  LabelRecord s = Stock(10, 10, 1, 10);
  s.LeftM = 10;
  const LabelGeometry g = PageGeometry(s, QSize(300, 200), {}, QSize(3000, 2000), QSize(3000, 2000));
  EXPECT_EQ(g.top, 27);   // 200 x 10 / 72 = 27.8
  EXPECT_EQ(g.left, 41);  // 300 x 10 / 72 = 41.7
  EXPECT_EQ(g.vgap, 2);
  EXPECT_EQ(g.width, 787);  // 300 x 189 / 72 = 787.5
}

TEST(LabelGeometryTest, UnprintableBorderIsTakenFromTheMarginsNeverBelowZero) {
  LabelRecord s = Stock(36, 72, 0, 36);
  s.LeftM = 10;
  s.RightM = 30;
  // 18 points unprintable at the top, 6 at the bottom, 20 left, 4 right.
  const LabelGeometry g =
      PageGeometry(s, k72, QPoint(20, 18), kLetter, QSize(612 - 24, 792 - 24));
  EXPECT_EQ(g.top, 18);
  EXPECT_EQ(g.bottom, 30);
  EXPECT_EQ(g.left, 0);  // 10 is inside the unprintable 20
  EXPECT_EQ(g.right, 26);
  // (768 - 18 - 30) / 72 = 10; 72 x 10 + 72 > 720.
  EXPECT_EQ(g.rowsPerPage, 10);
}

TEST(LabelGeometryTest, StocksThatCannotPrintAreNamed) {
  EnsureTestApplication();
  RecordingCanvas canvas;
  QFont font;
  font.setPointSize(10);
  LabelRecord s = Stock(36, 72, 0, 36);
  EXPECT_EQ(StockProblem(s, canvas, font), "");
  s.NAcross = 0;
  EXPECT_EQ(StockProblem(s, canvas, font),
            "Label stock Test has no labels across; at least 1 is needed.");
  s = Stock(36, 0, 0, 36);
  EXPECT_EQ(StockProblem(s, canvas, font),
            "The labels of label stock Test are too small for five lines of text.");
  s = Stock(1000, 72, 0, 1000);  // margins bigger than the page
  EXPECT_EQ(StockProblem(s, canvas, font),
            "No row of label stock Test fits on a page between its margins.");
  s.Continuous = true;  // continuous stock has no pages to fill
  EXPECT_EQ(StockProblem(s, canvas, font), "");
}

TEST(LabelGeometryTest, LabelsAcrossWiderThanThePageAreRefusedLikeRowsThatDoNotFit) {
  EnsureTestApplication();
  RecordingCanvas canvas;  // 2000 px wide at 200 dpi
  QFont font;
  font.setPointSize(10);
  // Three labels of 525 px after a 50-px margin reach 1625 px.
  LabelRecord s = Stock(36, 72, 0, 36);
  s.RightM = 133;  // 369 px: 1631 px left for labels
  EXPECT_EQ(StockProblem(s, canvas, font), "");
  s.RightM = 150;  // 416 px: 1584 px
  const QString tooWide =
      "The 3 labels across of label stock Test do not fit on a page between its margins.";
  EXPECT_EQ(StockProblem(s, canvas, font), tooWide);
  s.Continuous = true;  // pin-feed forms are no wider
  EXPECT_EQ(StockProblem(s, canvas, font), tooWide);
  s = Stock(36, 72, 0, 36);
  s.NAcross = 4;
  s.HGap = 9;  // 50 + 4 x 525 + 3 x 25 = 2225 px
  EXPECT_EQ(StockProblem(s, canvas, font),
            "The 4 labels across of label stock Test do not fit on a page between its margins.");
}

TEST(LabelGeometryTest, FontShrinksUntilFiveLinesOfAbcdeFit) {
  EnsureTestApplication();
  RecordingCanvas canvas;
  canvas.setScaleWithFontSize(true);  // a character is as wide as the font has points
  QFont font;
  font.setPointSize(12);
  QFont fitted;
  // 5 x "Abcde" at 12 points is 300 px: 10 points fit a 250-px label.
  ASSERT_TRUE(FitLabelFont(canvas, font, 250, 1000, &fitted));
  EXPECT_EQ(fitted.pointSize(), 10);
  // Then the height: five lines of 2 x 8 px fit 80 px.
  ASSERT_TRUE(FitLabelFont(canvas, font, 250, 80, &fitted));
  EXPECT_EQ(fitted.pointSize(), 8);
  EXPECT_FALSE(FitLabelFont(canvas, font, 20, 80, &fitted));
  EXPECT_EQ(fitted.pointSize(), 1);
}

TEST_F(LabelSheetTest, ThreeAcrossFromColumnTwoFillsTheFirstRowThenWholeRows) {
  run(2, 1, 4);
  EXPECT_TRUE(collected);
  // x = c x (525 + 25) + 50; y = 100 for row 1, 300 for row 2.
  EXPECT_EQ(drawn(), QStringList({"L1 600,100", "L2 1150,100", "L3 50,300", "L4 600,300"}));
}

TEST_F(LabelSheetTest, FiveLinesGoDownByTheHeightOfAText) {
  LabelSheet sheet(stock, 1, 1, canvas, font);
  sheet.add({"a", "b", "", "d", "e"});
  sheet.finish();
  EXPECT_EQ(drawn(), QStringList({"a 50,100", "b 50,120", "d 50,160", "e 50,180"}));
}

TEST_F(LabelSheetTest, SecondRowAfterTheLastRowOfAPageGoesToTheTopOfTheNext) {
  run(1, 14, 6);
  EXPECT_EQ(drawn(), QStringList({"L1 50,2700", "L2 600,2700", "L3 1150,2700", "newPage",
                                  "L4 50,100", "L5 600,100", "L6 1150,100"}));
}

TEST_F(LabelSheetTest, StartRowPastThePageBeginsOnANewPage) {
  run(1, 20, 1);
  EXPECT_EQ(drawn(), QStringList({"newPage", "L1 50,100"}));
}

TEST_F(LabelSheetTest, ContinuousStockGoesOnPastThePageHeight) {
  stock.Continuous = true;
  run(1, 15, 4);
  EXPECT_EQ(drawn(), QStringList({"L1 50,2900", "L2 600,2900", "L3 1150,2900", "L4 50,3100"}));
}

TEST_F(LabelSheetTest, NothingCollectedDrawsNothing) {
  run(1, 1, 0);
  EXPECT_FALSE(collected);
  EXPECT_TRUE(canvas.log().isEmpty()) << canvas.logText().toStdString();
}

TEST_F(LabelSheetTest, FontIsShrunkOnceAtTheFirstRow) {
  canvas.setScaleWithFontSize(true);
  font.setPointSize(30);  // 5 x 5 x 30 = 750 px is wider than the 525-px label
  run(1, 1, 1);
  // 21 points make 525 px, the label's width; five lines of 42 px are then
  // too high for 200 px, so 20 points.
  EXPECT_EQ(canvas.font().pointSize(), 20);
  EXPECT_EQ(drawn(), QStringList({"L1 50,100"}));
}
