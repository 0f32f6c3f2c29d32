#include "printing/ReportExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "printing/TestSupport.h"

namespace {

using ReportExport = ReportTest;

QString Plain(const QStringList& cells) { return ExportLine(cells, ExportFormat::PlainText); }
QString Tabbed(const QStringList& cells) { return ExportLine(cells, ExportFormat::TabDelimited); }

TEST_F(ReportExport, RightAlignedTextEndsAtItsColumn) {
  EXPECT_EQ(Plain({"R47Date", "", ""}), QString(43, ' ') + "Date");
}

TEST_F(ReportExport, CentredTextStartsHalfItsLengthBeforeTheColumn) {
  EXPECT_EQ(Plain({"C35Sales", ""}), QString(33, ' ') + "Sales");
  EXPECT_EQ(Plain({"C35Totals", ""}), QString(32, ' ') + "Totals");
}

TEST_F(ReportExport, ColumnWithLeadingBlankIsRead) {
  EXPECT_EQ(Plain({"L 5x", "R 9ab", ""}), "     x ab");
}

TEST_F(ReportExport, OverlappingTextIsAppendedNotOverwritten) {
  EXPECT_EQ(Plain({"L00Invoice", "L03XY", "R05Z", ""}), "InvoiceXYZ");
  EXPECT_EQ(Plain({"R02Long text", ""}), "Long text");  // a start before column 0
}

TEST_F(ReportExport, RulesBreaksPicturesAndTheStyleCellAreLeftOut) {
  EXPECT_EQ(Plain({"V00", "H6073", "EJECT", "IL00logo.bmp", "L05x", "BU"}), "     x");
  // The style cell never exports, even when it looks like a text code.
  EXPECT_EQ(Plain({"L00A", "L05B"}), "A");
  // Code letters are case-sensitive.
  EXPECT_EQ(Plain({"l00lower", "r10x", ""}), "");
}

TEST_F(ReportExport, DetailLineIsPlacedByColumns) {
  const QStringList cells{"V00", "R071042", "V08", "L10Brown", "V50",
                          "R5512", "V57", "R69250.00", "V71", ""};
  EXPECT_EQ(Plain(cells),
            "   1042   Brown" + QString(38, ' ') + "12" + QString(8, ' ') + "250.00");
}

TEST_F(ReportExport, TabsGoBetweenTextsButNeverLeadWhileTheLineIsEmpty) {
  EXPECT_EQ(Tabbed({"L00Page 1", "R7103/14/26", ""}), "Page 1\t03/14/26");
  // An empty first text leaves the line empty, so no leading tab.
  EXPECT_EQ(Tabbed({"L00", "L10Brown", ""}), "Brown");
  // A later empty text gives two adjacent tabs.
  EXPECT_EQ(Tabbed({"R071042", "V08", "L10", "R5512", ""}), "1042\t\t12");
  EXPECT_EQ(Tabbed({"V00", "H6073", "EJECT", ""}), "");
}

QString GoldenPlain() {
  return QStringList{
             "Page 1" + QString(17, ' ') + "03/14/26",
             "",
             QString(13, ' ') + "Stock",
             "",
             "",
             "",
             "",
             "Item" + QString(24, ' ') + "Qty",
             "Bolts" + QString(24, ' ') + "12",
             "Nuts" + QString(24, ' ') + "1.5",
             "",
             "Page 2" + QString(17, ' ') + "03/14/26",
         }
             .join("\r\n") +
         "\r\n";
}

QString GoldenTabbed() {
  return QStringList{"Page 1\t03/14/26", "", "Stock", "", "", "", "", "Item\tQty",
                     "Bolts\t12", "Nuts\t1.5", "", "Page 2\t03/14/26"}
             .join("\r\n") +
         "\r\n";
}

void BuildStockReport() {
  StartPlainReport(31, 4, "Stock");
  Report().ColumnCodes = {"L00", "V20", "R31"};
  Report().HeadingRows = {{"", "", "", "U"}, {"L00Item", "V20", "R31Qty", "U"}};
  Report().LinesPerPage = 10;
  for (const auto& [name, qty] : {std::pair{"Bolts", "12"}, std::pair{"Nuts", "1.5"}}) {
    CheckPage(Report().LinesOnPage + 1, true);
    NewLine();
    Cell(0) = QString("L00") + name;
    Cell(1) = "V20";
    Cell(2) = QString("R31") + qty;
  }
  CheckPage(Report().LinesOnPage + 2, true);
}

TEST_F(ReportExport, WholeDocumentMatchesGoldenTextWithCrLfLineEnds) {
  BuildStockReport();
  const QString plain = ExportText(Report(), ExportFormat::PlainText);
  EXPECT_TRUE(plain.startsWith(GoldenPlain())) << plain.toStdString();
  EXPECT_TRUE(ExportText(Report(), ExportFormat::TabDelimited).startsWith(GoldenTabbed()));
  EXPECT_EQ(plain.count("\r\n"), Report().lineCount());
  EXPECT_EQ(plain.count('\n'), Report().lineCount());
}

TEST_F(ReportExport, EmptyDocumentExportsNothing) {
  StartPlainReport(40, 3, "T");
  EXPECT_EQ(ExportText(Report(), ExportFormat::PlainText), "");
}

TEST_F(ReportExport, FileIsUtf8AndReplacesAnExistingFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("report.txt");
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'z'));
  }
  StartPlainReport(20, 3, "T");
  NewLine();
  Cell(0) = QString::fromUtf8("L00Caf\u00e9 \u20ac5");
  ASSERT_TRUE(ExportReport(path, ExportFormat::PlainText));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("Caf\xc3\xa9 \xe2\x82\xac" "5\r\n"));
}

TEST_F(ReportExport, UncreatableFileFailsAndLeavesNothing) {
  QTemporaryDir dir;
  StartPlainReport(20, 3, "T");
  NewLine();
  Cell(0) = "L00x";
  EXPECT_FALSE(ExportReport(dir.filePath("missing/report.txt"), ExportFormat::TabDelimited));
  EXPECT_FALSE(QFile::exists(dir.filePath("missing/report.txt")));
  EXPECT_FALSE(ExportReport(dir.path(), ExportFormat::PlainText));  // a folder, not a file
  EXPECT_TRUE(QDir(dir.path()).exists());
}

}  // namespace
