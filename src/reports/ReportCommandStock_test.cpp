// `tallowby report` for the stock reports: the same documents as the
// windows' builders, the as-of date and the valuation method of one run.
#include <QFile>
#include <gtest/gtest.h>

#include "data/CodeBase.h"
#include "data/Settings.h"
#include "reports/ReportCommand.h"
#include "reports/TestSupport.h"

namespace {

// The candle maker's stock on disk (today 03/15/26); the command starts its
// own engine.
class StockReportCommand : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    EnsureTestApplication();
    resetReportForTests();
    WriteStockBusiness();
    EndEngine();
  }
  int Run(QStringList args) {
    args.insert(1, "--data");
    args.insert(2, dir.path());
    errors.clear();
    QString output;
    QTextStream out(&output);
    QTextStream err(&errors);
    const int status = RunReportCommand(args, out, err);
    err.flush();
    return status;
  }
  QString Out(const QString& name) const { return dir.filePath(name); }
  static QString Contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  }
  static QByteArray Bytes(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QString errors;
};

TEST_F(StockReportCommand, EachReportWritesWhatTheReportWindowExports) {
  EXPECT_EQ(Run({"purchasing", "--from", "2026-01-01", "--to", "2026-03-31", "--out", Out("p.txt")}),
            0)
      << errors.toStdString();
  EXPECT_EQ(Contents(Out("p.txt")), Golden("purchasing_first_quarter.txt"));
  EXPECT_EQ(Run({"products", "--out", Out("l.txt")}), 0);
  EXPECT_EQ(Contents(Out("l.txt")), Golden("product_listing.txt"));
  EXPECT_EQ(Run({"stock", "--out", Out("s.txt")}), 0);
  EXPECT_EQ(Contents(Out("s.txt")), Golden("stock_on_hand.txt"));
  EXPECT_EQ(Run({"inventory", "--asof", "2026-02-28", "--out", Out("i.txt")}), 0);
  EXPECT_EQ(Contents(Out("i.txt")), Golden("inventory_fifo.txt"));
  EXPECT_EQ(Run({"cogs", "--from", "2026-03-01", "--to", "2026-03-31", "--out", Out("c.txt")}), 0);
  EXPECT_EQ(Contents(Out("c.txt")), Golden("cost_of_goods_fifo.txt"));
  EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
}

TEST_F(StockReportCommand, MethodValuesThisRunOnlyAndWritesNoSetting) {
  const QByteArray settings = Bytes(path("KEX1.DBF"));
  ASSERT_FALSE(settings.isEmpty());
  ASSERT_EQ(Run({"cogs", "--from", "2026-03-01", "--to", "2026-03-31", "--method", "lifo",
                 "--format", "tab", "--out", Out("c.asc")}),
            0)
      << errors.toStdString();
  const QString lifo = Contents(Out("c.asc"));
  EXPECT_TRUE(lifo.contains("Beginning Inventory\t      104.50\r\n")) << lifo.toStdString();
  EXPECT_TRUE(lifo.contains("Cost of Goods Sold\t       65.50\r\n")) << lifo.toStdString();
  EXPECT_EQ(Bytes(path("KEX1.DBF")), settings);
  // Without --method the stored first-in first-out holds again.
  ASSERT_EQ(Run({"inventory", "--asof", "2026-02-28", "--out", Out("i.txt")}), 0);
  EXPECT_EQ(Contents(Out("i.txt")), Golden("inventory_fifo.txt"));
  ASSERT_EQ(Run({"inventory", "--asof", "2026-02-28", "--method", "lifo", "--format", "tab",
                 "--out", Out("i.asc")}),
            0);
  EXPECT_TRUE(Contents(Out("i.asc")).contains("CANDLE\tBeeswax pillar candle\t        8.00\t"
                                              "       32.00\r\n"));
}

TEST_F(StockReportCommand, StoredLastInFirstOutIsOverriddenByFifo) {
  StartEngine(dir.path());
  ReadSettings();
  Settings().fifo = false;
  WriteSettings();
  EndEngine();
  ASSERT_EQ(Run({"inventory", "--asof", "2026-02-28", "--method", "fifo", "--out", Out("i.txt")}),
            0);
  EXPECT_EQ(Contents(Out("i.txt")), Golden("inventory_fifo.txt"));
  ASSERT_EQ(Run({"inventory", "--asof", "2026-02-28", "--out", Out("l.txt")}), 0);
  EXPECT_TRUE(Contents(Out("l.txt")).contains("Total         104.50")) << errors.toStdString();
}

TEST_F(StockReportCommand, UnusableMethodOrAsOfIsRefusedBeforeAnythingIsRead) {
  EXPECT_EQ(Run({"stock", "--method", "average", "--out", Out("x.txt")}), 2);
  EXPECT_TRUE(errors.contains("--method is fifo or lifo, not average")) << errors.toStdString();
  EXPECT_EQ(Run({"inventory", "--asof", "2026-02-30", "--out", Out("x.txt")}), 2);
  EXPECT_TRUE(errors.contains("--asof 2026-02-30 is not a date")) << errors.toStdString();
  EXPECT_EQ(Run({"purchasing", "--asof", "2026-02-28", "--out", Out("x.txt")}), 2);
  EXPECT_TRUE(errors.contains("purchasing takes no --asof")) << errors.toStdString();
  EXPECT_EQ(Run({"products", "--method", "fifo", "--out", Out("x.txt")}), 2);
  EXPECT_FALSE(QFile::exists(Out("x.txt")));
}

}  // namespace
