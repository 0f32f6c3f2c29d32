// `tallowby labels`: labels printed into a real PDF file, whose text
// positions are read back with poppler's pdftotext -bbox and compared with
// the label arithmetic; the arguments and the exit statuses.
#include "labels/LabelCommand.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "data/CodeBase.h"
#include "data/Settings.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"
#include "labels/TestSupport.h"
#include "printing/TestSupport.h"

namespace {

struct Word {
  double x, y;
  QString text;
};

// The words of each page of a PDF with their top-left corners in points;
// *pageHeight (when given) the height of the first page.
QList<QList<Word>> PdfWords(const QString& pdf, double* pageHeight = nullptr) {
  QProcess p;
  p.start("pdftotext", {"-bbox", pdf, "-"});
  EXPECT_TRUE(p.waitForFinished(60000));
  const QString html = QString::fromUtf8(p.readAllStandardOutput());
  QList<QList<Word>> pages;
  static const QRegularExpression tag(
      R"re(<page width="[0-9.]+" height="([0-9.]+)"|<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
  for (auto it = tag.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    if (m.captured(0).startsWith("<page")) {
      if (pageHeight && pages.isEmpty()) *pageHeight = m.captured(1).toDouble();
      pages.append(QList<Word>());
      continue;
    }
    if (pages.isEmpty()) pages.append(QList<Word>());
    pages.last().append(Word{m.captured(2).toDouble(), m.captured(3).toDouble(), m.captured(4)});
  }
  return pages;
}

class LabelCommandTest : public LabelsTest {
 protected:
  void SetUp() override {
    LabelsTest::SetUp();
    LabelRecord s = SheetStock("Sheet");
    s.TopM = 45;
    s.LeftM = 13.5;
    s.Width = 180;  // three across fit an A4 page between the margins
    s.VGap = 9;
    addStock(s);
    for (int i = 1; i <= 40; ++i)
      addPerson(i, QStringLiteral("F%1").arg(i), QStringLiteral("Last%1").arg(i), "12345");
    EndEngine();  // the command starts its own
  }
  int run(const QStringList& args) {
    QString o, e;
    QTextStream out(&o), err(&e);
    const int status = RunLabelCommand(QStringList(args) << "--data" << dir.path(), out, err);
    output = o;
    errors = e;
    return status;
  }
  QString out(const QString& name) const { return outDir.filePath(name); }

  QTemporaryDir outDir;
  QString output, errors;
};

}  // namespace

TEST_F(LabelCommandTest, EveryFirstLineLandsWhereTheStockSaysOnThePdfPage) {
  QStringList numbers;
  for (int i = 1; i <= 40; ++i) numbers << QString::number(i);
  ASSERT_EQ(run({"customers", "--stock", "Sheet", "--column", "2", "--row", "3", "--customers",
                 numbers.join(','), "--out", out("l.pdf")}),
            0)
      << errors.toStdString();
  double height = 0;
  const QList<QList<Word>> pages = PdfWords(out("l.pdf"), &height);
  ASSERT_GE(pages.size(), 2);
  // Rows of 72 points with 9 between them, within the 45 and 36-point
  // margins; the last row needs no gap below it.
  const int room = int(height) - 45 - 36;
  const int rowsPerPage = room / 81 + (81 * (room / 81) + 72 <= room ? 1 : 0);
  int page = 0, column = 2, row = 3, found = 0;
  for (int i = 1; i <= 40; ++i) {
    const QString first = QStringLiteral("F%1").arg(i);
    const double x = (column - 1) * (180 + 9) + 13.5;
    const double y = (row - 1) * (72 + 9) + 45;
    bool here = false;
    for (int p = 0; p < pages.size() && !here; ++p) {
      for (const Word& w : pages[p]) {
        if (w.text != first) continue;
        here = true;
        EXPECT_EQ(p, page) << first.toStdString();
        EXPECT_NEAR(w.x, x, 1.5) << first.toStdString();
        EXPECT_NEAR(w.y, y, 1.5) << first.toStdString();
      }
    }
    EXPECT_TRUE(here) << first.toStdString();
    found += here;
    if (++column > 3) {
      column = 1;
      if (++row > rowsPerPage) {
        row = 1;
        ++page;
      }
    }
  }
  EXPECT_EQ(found, 40);
  EXPECT_FALSE(QFile::exists(out("l.pdf.tbprint")));
}

TEST_F(LabelCommandTest, NothingSelectedWritesNoFile) {
  EXPECT_EQ(run({"invoices", "--stock", "Sheet", "--from", "2026-03-01", "--to", "2026-03-31",
                 "--out", out("none.pdf")}),
            0)
      << errors.toStdString();
  EXPECT_TRUE(errors.contains("nothing to label")) << errors.toStdString();
  EXPECT_FALSE(QFile::exists(out("none.pdf")));
}

TEST_F(LabelCommandTest, MessagesAndBadArgumentsGiveTheirStatus) {
  EXPECT_EQ(run({"customers", "--stock", "Nope", "--customers", "1", "--out", out("x.pdf")}), 1);
  EXPECT_TRUE(errors.contains("no label stock named Nope")) << errors.toStdString();
  EXPECT_EQ(run({"batch", "--stock", "Sheet", "--out", out("x.pdf")}), 1);
  EXPECT_TRUE(errors.contains("Unable to save to: BatchLab.dat")) << errors.toStdString();
  EXPECT_FALSE(QFile::exists(out("x.pdf")));

  EXPECT_EQ(run({"envelopes", "--stock", "Sheet", "--out", out("x.pdf")}), 2);
  EXPECT_TRUE(errors.contains("unknown kind of labels: envelopes"));
  EXPECT_TRUE(errors.contains("usage: tallowby labels"));
  EXPECT_EQ(run({"groups", "--stock", "Sheet", "--out", out("x.pdf")}), 2);
  EXPECT_TRUE(errors.contains("--groups N,N,...|all is required"));
  EXPECT_EQ(run({"customers", "--stock", "Sheet", "--customers", "1,x", "--out", out("x.pdf")}), 2);
  EXPECT_EQ(run({"customers", "--stock", "Sheet", "--customers", "1", "--column", "0", "--out",
                 out("x.pdf")}),
            2);
  EXPECT_EQ(run({"invoices", "--stock", "Sheet", "--from", "2026-13-01", "--out", out("x.pdf")}), 2);
  EXPECT_EQ(run({"batch", "--stock", "Sheet", "--customers", "1", "--out", out("x.pdf")}), 2);
  EXPECT_EQ(run({"batch", "--stock", "Sheet"}), 2);
  EXPECT_TRUE(errors.contains("--out FILE is required"));
  EXPECT_EQ(run({"--help"}), 0);
  EXPECT_TRUE(output.contains("Usage: tallowby labels [options] KIND --stock NAME --out FILE.pdf"));
  EXPECT_TRUE(output.contains("past-due (of those with an amount due)"));
  EXPECT_TRUE(output.contains("--stock <NAME>"));
}

TEST_F(LabelCommandTest, AnUnknownCustomerIsAnUnusableArgumentAsInTheReportCommand) {
  EXPECT_EQ(run({"customers", "--stock", "Sheet", "--customers", "1,999", "--out", out("c.pdf")}), 2);
  EXPECT_TRUE(errors.contains("--customers: there is no customer 999")) << errors.toStdString();
  EXPECT_FALSE(errors.contains("nothing to label"));
  EXPECT_FALSE(QFile::exists(out("c.pdf")));
}

TEST_F(LabelCommandTest, AFirstLabelOffTheStockIsRefusedForTheColumnAndTheRowAlike) {
  EXPECT_EQ(run({"customers", "--stock", "Sheet", "--customers", "1", "--column", "4", "--out",
                 out("p.pdf")}),
            2);
  EXPECT_TRUE(errors.contains("--column 4: label stock Sheet has 3 labels across"))
      << errors.toStdString();
  EXPECT_EQ(run({"customers", "--stock", "Sheet", "--customers", "1", "--row", "40", "--out",
                 out("p.pdf")}),
            2);
  EXPECT_TRUE(errors.contains("--row 40: label stock Sheet has ")) << errors.toStdString();
  EXPECT_FALSE(QFile::exists(out("p.pdf"))) << "no blank first page";
  EXPECT_EQ(run({"customers", "--stock", "Sheet", "--customers", "1", "--column", "3", "--row",
                 "2", "--out", out("p.pdf")}),
            0)
      << errors.toStdString();
}

TEST_F(LabelCommandTest, GroupsAndBatchPrintTheirCustomers) {
  EXPECT_EQ(run({"groups", "--stock", "Sheet", "--groups", "1", "--out", out("g.pdf")}), 1)
      << "group 1 is not in GROUPS";
  EXPECT_TRUE(errors.contains("no customer group 1")) << errors.toStdString();
  StartEngine(dir.path());
  ASSERT_TRUE(OpenGROUPS());
  addGroup(1, "Retail");
  CloseAll();
  EndEngine();
  EXPECT_EQ(run({"groups", "--stock", "Sheet", "--groups", "all", "--out", out("g.pdf")}), 0)
      << errors.toStdString();
  EXPECT_EQ(PdfWords(out("g.pdf")).value(0).size() % 3, 0);  // three words a label
  EXPECT_GE(PdfWords(out("g.pdf")).value(0).size() / 3, 24);  // 8 rows of 3 fit any common sheet

  QFile batch(path("BatchLab.dat"));
  ASSERT_TRUE(batch.open(QIODevice::WriteOnly));
  batch.write("     7\r\n     7\r\n");
  batch.close();
  EXPECT_EQ(run({"batch", "--stock", "Sheet", "--out", out("b.pdf")}), 0) << errors.toStdString();
  QStringList words;
  for (const Word& w : PdfWords(out("b.pdf")).value(0)) words << w.text;
  EXPECT_EQ(words, QStringList({"F7", "Last7", "12345", "F7", "Last7", "12345"}));
}

TEST_F(LabelCommandTest, ARestoreCutShortIsFinishedBeforeAnyLabelIsRead) {
  // The backup has customer 1 as "Restored", the folder as "Current"; a kill
  // after the restore's commit point left the backup's CUST5.dbf in place
  // and its CUST5.dbt staged.
  auto rename = [&](const QString& last) {
    StartEngine(dir.path());
    ASSERT_TRUE(OpenCUST5());
    d4tagSelect(Cust5.d, d4tag(Cust5.d, "CCNO"));
    ASSERT_EQ(d4seek(Cust5.d, NumberTagKey(1).constData()), r4success);
    ReadCustomer();
    CustBuf.last = last;
    WriteCustomer();
    CloseAll();
    EndEngine();
  };
  QTemporaryDir backup;
  rename("Restored");
  for (const char* f : {"CUST5.dbf", "CUST5.dbt"}) ASSERT_TRUE(QFile::copy(path(f), backup.filePath(f)));
  rename("Current");
  LeaveCutShortRestore(dir.path(), backup.path(), {"CUST5.dbf", "CUST5.dbt"}, 1);

  EXPECT_EQ(run({"customers", "--stock", "Sheet", "--customers", "1", "--out", out("r.pdf")}), 0)
      << errors.toStdString();
  EXPECT_FALSE(QFile::exists(path(".tbswap")));
  QStringList words;
  for (const Word& w : PdfWords(out("r.pdf")).value(0)) words << w.text;
  EXPECT_EQ(words, QStringList({"F1", "Restored", "12345"}));
}
