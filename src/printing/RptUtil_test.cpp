#include "printing/RptUtil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/Settings.h"
#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "platform/PrinterChoice.h"
#include "printing/TestSupport.h"

namespace {

using RptUtil = ReportTest;

// Builds a report of LineWidth 40 whose two heading rows stand between rules.
void StartStockReport() {
  StartPlainReport(40, 3, "Stock");
  Report().ColumnCodes = {"L00", "R40"};
  Report().HeadingRows = {{"", "", "U"}, {"L00Item", "R40Qty", "U"}};
}

void AddDetail(const QString& text, bool withHeadings) {
  CheckPage(Report().LinesOnPage + 1, withHeadings);
  NewLine();
  Cell(0) = "L00" + text;
}

TEST_F(RptUtil, StartReportWithoutPrinterGivesSixtyLinesAndAnEmptyDocument) {
  Report().LineWidth = 71;
  Report().CellsPerLine = 10;
  StartReport();
  EXPECT_EQ(Report().LinesPerPage, 60);
  EXPECT_EQ(Report().CurrentLine, -1);
  EXPECT_EQ(Report().LinesOnPage, -1);
  EXPECT_EQ(Report().PageNo, 0);
  EXPECT_EQ(Report().lineCount(), 0);
  EXPECT_EQ(Report().ColumnCodes.size(), 9);
  ASSERT_EQ(Report().HeadingRows.size(), 1);
  EXPECT_EQ(Report().HeadingRows[0].size(), 10);
  NewLine();
  EXPECT_EQ(Report().CurrentLine, 0);
  EXPECT_EQ(Report().lineCount(), 1);
}

TEST_F(RptUtil, NewLineAfterARestartHasOnlyEmptyCells) {
  StartPlainReport(40, 3, "A");
  NewLine();
  Cell(0) = "L00old";
  StyleCell() = "BU";
  EndReport();
  EXPECT_EQ(Report().lineCount(), 0);
  StartPlainReport(40, 3, "A");
  NewLine();
  EXPECT_EQ(Lines(), QStringList{"||"});
}

TEST_F(RptUtil, FirstCheckPageAlwaysBeginsPageOneWithoutEject) {
  StartPlainReport(71, 4, "Sales Summary");
  EXPECT_TRUE(CheckPage(0, false));
  const QStringList expected{
      "L00Page 1|R7103/14/26||",
      "|||",
      "C35Sales Summary|||B",
      "|||",
      "|||",
  };
  EXPECT_EQ(Joined(Lines()), Joined(expected));
  EXPECT_EQ(Report().PageNo, 1);
  EXPECT_EQ(Report().LinesOnPage, 5);  // the header lines count on the page
  EXPECT_FALSE(CheckPage(Report().LinesOnPage + 1, false));
}

TEST_F(RptUtil, TitleOfAnOddWidthIsCentredOnTheTruncatedHalfPaddedWithABlank) {
  StartPlainReport(9, 3, "Tiny");
  CheckPage(1, false);
  EXPECT_EQ(Lines()[2], "C 4Tiny||B");
}

TEST_F(RptUtil, LaterCheckPageBreaksOnlyWhenNeededExceedsLinesPerPage) {
  StartPlainReport(40, 3, "T");
  CheckPage(1, false);
  Report().LinesPerPage = 10;
  EXPECT_FALSE(CheckPage(10, false));
  EXPECT_EQ(Report().PageNo, 1);
  EXPECT_TRUE(CheckPage(11, false));
  EXPECT_EQ(Report().PageNo, 2);
}

TEST_F(RptUtil, PageBreakWithHeadingsRulesOffThePageAndRepeatsHeadings) {
  StartStockReport();
  Report().LinesPerPage = 12;
  for (int i = 1; i <= 5; ++i) AddDetail(QString("A%1").arg(i), true);
  const QStringList expected{
      "L00Page 1|R4003/14/26|",
      "||",
      "C20Stock||B",
      "||",
      "||",
      "||",
      "||U",
      "L00Item|R40Qty|U",
      "L00A1||",
      "L00A2||",
      "L00A3||",
      "L00A4||U",  // the last line of the page closes the table
      "EJECT||",
      "L00Page 2|R4003/14/26|",
      "||",
      "C20Stock||B",
      "||",
      "||",
      "||",
      "||U",
      "L00Item|R40Qty|U",
      "L00A5||",
  };
  EXPECT_EQ(Joined(Lines()), Joined(expected));
  EXPECT_EQ(Report().LinesOnPage, 9);
}

TEST_F(RptUtil, PageBreakWithoutHeadingsNeitherRulesOffNorRepeatsHeadings) {
  StartStockReport();
  Report().LinesPerPage = 8;
  for (int i = 1; i <= 4; ++i) AddDetail(QString("A%1").arg(i), false);
  const QStringList expected{
      "L00Page 1|R4003/14/26|",
      "||",
      "C20Stock||B",
      "||",
      "||",
      "L00A1||",
      "L00A2||",
      "L00A3||",
      "EJECT||",
      "L00Page 2|R4003/14/26|",
      "||",
      "C20Stock||B",
      "||",
      "||",
      "L00A4||",
  };
  EXPECT_EQ(Joined(Lines()), Joined(expected));
}

TEST_F(RptUtil, LinesPerPageComesFromThePrinterPageAndTheReportFont) {
  QTemporaryDir dir;
  PrinterChoice::selectPdf(dir.filePath("out.pdf"));
  ReportFont().setPointSize(12);
  auto canvas = PrinterChoice::measuringCanvas();
  ASSERT_TRUE(canvas);
  canvas->setFont(ReportFont());
  const int expected = canvas->pageSize().height() / canvas->textHeight("A") - 6;
  StartPlainReport(71, 4, "T");
  EXPECT_EQ(Report().LinesPerPage, expected);
  EXPECT_NE(Report().LinesPerPage, 60);
}

class Letterhead : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    StartPlainReport(73, 3, "Invoice");
  }
  static void Address(const QString& company, const QString& a1, const QString& a2,
                      const QString& a3, const QString& a4) {
    SettingsRecord& s = Settings();
    s.Company = company;
    s.Addr1 = a1;
    s.Addr2 = a2;
    s.Addr3 = a3;
    s.Addr4 = a4;
  }
};

TEST_F(Letterhead, JustificationPrefixFollowsLHJustifyOtherValuesAreLeft) {
  const struct {
    int justify;
    const char* prefix;
  } cases[] = {{1, "L00"}, {2, "C36"}, {3, "R73"}, {0, "L00"}, {4, "L00"}};
  Address("Acme Tools", "", "", "", "");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.justify);
    resetReportForTests();
    StartPlainReport(73, 3, "Invoice");
    Settings().LHJustify = c.justify;
    PutLetterhead();
    EXPECT_EQ(Lines().first(), QString(c.prefix) + "Acme Tools||B");
    EXPECT_EQ(Lines()[Lines().size() - 2], "R7303/14/26||");  // the date stays right
  }
}

TEST_F(Letterhead, AddressBlockIsBoldRuledOffAndDated) {
  Address("  Acme Tools  ", "12 Main St", "Suite 4", "", "Springfield 62701");
  Report().PageNo = 5;
  PutLetterhead();
  const QStringList expected{
      "L00Acme Tools||B",
      "L0012 Main St||B",
      "L00Suite 4||B",
      "L00||B",  // line 3 stands because line 4 is used
      "L00Springfield 62701||BU",
      "R7303/14/26||",
      "||",
  };
  EXPECT_EQ(Joined(Lines()), Joined(expected));
  EXPECT_EQ(Report().PageNo, 1);
  EXPECT_EQ(Report().LinesOnPage, 7);
}

TEST_F(Letterhead, BlankThirdAndFourthAddressLinesAreLeftOut) {
  Address("Acme Tools", "12 Main St", "", "  ", "");
  PutLetterhead();
  const QStringList expected{
      "L00Acme Tools||B", "L0012 Main St||B", "L00||BU", "R7303/14/26||", "||",
  };
  EXPECT_EQ(Joined(Lines()), Joined(expected));
}

TEST_F(Letterhead, TopMarginAddsBlankLinesOnlyWhenPositive) {
  Address("Acme Tools", "", "", "", "");
  PutLetterhead();
  EXPECT_EQ(Lines().first(), "L00Acme Tools||B");

  // Without a printer six lines make an inch.
  for (const auto& [inches, blanks] : {std::pair{1.0, 6}, std::pair{0.5, 3}, std::pair{0.1, 1}}) {
    SCOPED_TRACE(inches);
    resetReportForTests();
    StartPlainReport(73, 3, "Invoice");
    Settings().TopMargin = inches;
    PutLetterhead();
    const QStringList lines = Lines();
    for (int i = 0; i < blanks; ++i) EXPECT_EQ(lines[i], "||");
    EXPECT_EQ(lines[blanks], "L00Acme Tools||B");
  }
}

TEST_F(Letterhead, LogoAloneIsRuledOffBelowItsSpace) {
  Settings().LogoFile = " logo.bmp ";
  Settings().LogoHeight = 1;
  Settings().LogoWidth = 2.5;
  PutLetterhead();
  const QStringList expected{
      "IL00logo.bmp||S 1.00 2.50   6",
      "||", "||", "||", "||", "||", "||U",  // one inch of blank lines
      "R7303/14/26||",
      "||",
  };
  EXPECT_EQ(Joined(Lines()), Joined(expected));
}

TEST_F(Letterhead, LogoAboveAnAddressIsNotRuledOffAndFollowsTheJustification) {
  Settings().LogoFile = "logo.bmp";
  Settings().LogoHeight = 0.5;
  Settings().LogoWidth = 12.25;
  Settings().LHJustify = 2;
  Address("Acme Tools", "", "", "", "");
  PutLetterhead();
  const QStringList expected{
      "IC36logo.bmp||S 0.5012.25   3",
      "||", "||", "||",
      "C36Acme Tools||B", "C36||B", "C36||BU",  // the first two address lines always stand
      "R7303/14/26||",
      "||",
  };
  EXPECT_EQ(Joined(Lines()), Joined(expected));
}

TEST_F(Letterhead, NoLogoNoAddressLeavesOnlyTheDate) {
  PutLetterhead();
  EXPECT_EQ(Joined(Lines()), Joined({"R7303/14/26||", "||"}));
}

TEST_F(RptUtil, WrapTextOfBlankMemoIsFalseWithOneEmptyLine) {
  Report().LineWidth = 20;
  QStringList lines{"stale"};
  EXPECT_FALSE(WrapText(" \r\n  ", &lines));
  EXPECT_EQ(lines, QStringList{""});
}

TEST_F(RptUtil, WrapTextBreaksAfterTheLastBlankThatFits) {
  Report().LineWidth = 20;
  QStringList lines;
  EXPECT_TRUE(WrapText("  The quick brown fox jumps over the lazy dog  ", &lines));
  const QStringList expected{"The quick brown fox ", "jumps over the lazy ", "dog"};
  EXPECT_EQ(lines, expected);
}

TEST_F(RptUtil, WrapTextKeepsTheMemosOwnLineBreaksAndDropsCarriageReturns) {
  Report().LineWidth = 20;
  QStringList lines;
  EXPECT_TRUE(WrapText("First line\r\nSecond line is longer than twenty\r\n\r\nLast", &lines));
  const QStringList expected{"First line", "Second line is ", "longer than twenty", "", "Last"};
  EXPECT_EQ(lines, expected);
}

TEST_F(RptUtil, WrapTextCutsAWordWiderThanTheLineInsteadOfOverflowing) {
  Report().LineWidth = 10;
  QStringList lines;
  EXPECT_TRUE(WrapText("abcdefghijklmnopqrstuvwxy", &lines));
  const QStringList expected{"abcdefghij", "klmnopqrst", "uvwxy"};
  EXPECT_EQ(lines, expected);
}

TEST_F(RptUtil, WrapTextLosesNoCharacterOfAVeryLongWord) {
  Report().LineWidth = 85;
  const QString word(250, QChar('x'));
  QStringList lines;
  EXPECT_TRUE(WrapText("a " + word, &lines));
  EXPECT_EQ(lines.join(""), "a " + word);
}

TEST_F(RptUtil, SetMonthSpanCoversTheWholeCurrentMonth) {
  const struct {
    QDate today, from, to;
  } cases[] = {
      {QDate(2026, 3, 14), QDate(2026, 3, 1), QDate(2026, 3, 31)},
      {QDate(2026, 2, 28), QDate(2026, 2, 1), QDate(2026, 2, 28)},
      {QDate(2028, 2, 1), QDate(2028, 2, 1), QDate(2028, 2, 29)},
      {QDate(2026, 4, 30), QDate(2026, 4, 1), QDate(2026, 4, 30)},
      {QDate(2026, 12, 31), QDate(2026, 12, 1), QDate(2026, 12, 31)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString());
    Clock::setFixed(QDateTime(c.today, QTime(9, 0)));
    SetMonthSpan();
    EXPECT_EQ(QDateFromDate(ReportFrom), c.from);
    EXPECT_EQ(QDateFromDate(ReportTo), c.to);
  }
}

TEST_F(RptUtil, CompleteLinesKeepEveryCharacterAndCell) {
  ReportDocument d;
  const QList<QStringList> lines = {{"L00Crème brûlée à 5 €", "", "R40x", "BU"},
                                    {"", "", "", ""},
                                    {"V00", "U"},
                                    {"EJECT", "L05naïve\ttab", "C20", ""}};
  for (const QStringList& line : lines) d.appendLine(line);
  ASSERT_EQ(d.lineCount(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(d.line(i), lines[i]) << i;
  EXPECT_TRUE(d.line(-1).isEmpty());
  EXPECT_TRUE(d.line(4).isEmpty());
}

// Collects what a streamed document hands on.
struct CollectingSink : ReportLineSink {
  QStringList lines;
  void put(const QStringList& cells) override { lines << cells.join('|'); }
};

TEST_F(RptUtil, StreamedDocumentHandsOnEachCompleteLineOnceAndKeepsNone) {
  CollectingSink sink;
  BeginReport(sink, 40, 3, {"Stock"}, {});
  for (const char* text : {"one", "two", "three"}) {
    NewLine();
    Cell(0) = QString("L00") + text;
  }
  StyleCell() = "U";  // the current line may still change
  EXPECT_EQ(sink.lines, QStringList({"L00one||", "L00two||"}));
  EXPECT_EQ(Report().lineCount(), 3);
  EXPECT_TRUE(Report().line(0).isEmpty());
  EXPECT_EQ(Report().line(2).join('|'), "L00three||U");
  FinishReport();
  FinishReport();
  EXPECT_EQ(sink.lines, QStringList({"L00one||", "L00two||", "L00three||U"}));
  EndReport();
}

TEST_F(RptUtil, KeptDocumentStillShowsItsLastLineOnceComplete) {
  BeginReport(KeptLines(), 40, 3, {"Stock"}, {});
  NewLine();
  Cell(0) = "L00one";
  NewLine();
  Cell(0) = "L00two";
  FinishReport();
  EXPECT_EQ(Lines(), QStringList({"L00one||", "L00two||"}));
  EndReport();
  EXPECT_EQ(Report().lineCount(), 0);
}

}  // namespace
