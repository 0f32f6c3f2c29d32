#include <QDir>
#include <QFileInfo>

#include "data/CodeBase.h"
#include "data/Settings.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"
#include "tbengine/inspect.h"

namespace {

const QString kEraseWarning = "WARNING: You are about to erase all of your existing data.";
const QDateTime kLongAgo(QDate(2001, 1, 1), QTime(0, 0));

class MaintenanceTest : public DataFolderTest {
 protected:
  void SetUp() override {
    DataFolderTest::SetUp();
    SetProgressSink(&progress);
  }

  QStringList IndexFiles() const { return QDir(dir.path()).entryList({"*.ntx", "*.cgp"}, QDir::Files); }

  // Dates every index file back, so a rewrite shows in its time.
  void AgeIndexFiles() {
    for (const QString& f : IndexFiles()) {
      QFile file(path(f));
      ASSERT_TRUE(file.open(QIODevice::ReadWrite));
      ASSERT_TRUE(file.setFileTime(kLongAgo, QFileDevice::FileModificationTime));
    }
  }
  bool Rewritten(const QString& file) const {
    return QFileInfo(path(file)).lastModified() != kLongAgo;
  }

  long Count(bool (*open)(), DATA4* const* d) {
    open();
    const long n = d4recCountDo(*d);
    CloseAll();
    return n;
  }

  // One record in every table, the second customer marked deleted.
  void FillEveryTable() {
    RebuildIndexes(true);
    OpenCUST5();
    for (int i = 1; i <= 2; ++i) {
      d4appendBlank(Cust5.d);
      CustBuf = {};
      CustBuf.cuno = i;
      CustBuf.comments = QString(600, 'm');
      WriteCustomer();
    }
    d4delete(Cust5.d);
    OpenGROUPS();
    d4appendBlank(Groups.d);
    OpenINV5();
    d4appendBlank(Inv5.d);
    CurrentInvoice = {};
    CurrentInvoice.REM = "note";
    WriteInvoice();
    OpenITM5();
    d4appendBlank(Itm5.d);
    OpenPMT();
    d4appendBlank(Pmt.d);
    OpenProd5();
    d4appendBlank(Prod5.d);
    OpenPur5();
    d4appendBlank(Pur5.d);
    OpenLABELS();
    d4appendBlank(Labels.d);
    LabelBuf = {};
    LabelBuf.Name = "Sheet";
    WriteLabel();
    CloseAll();
  }

  RecordingProgress progress;
};

TEST_F(MaintenanceTest, StartupRebuildsOnlyTheTableMissingAnIndexFile) {
  RebuildIndexes(true);
  for (const TableDef* t : AllTables()) {
    for (const QString& f : t->indexFiles()) EXPECT_TRUE(DataFileExists(f)) << f.toStdString();
  }
  AgeIndexFiles();
  ASSERT_TRUE(QFile::remove(path("czip.ntx")));

  RebuildIndexes(true);

  for (const QString& f : CUST5Def().indexFiles()) EXPECT_TRUE(Rewritten(f)) << f.toStdString();
  for (const TableDef* t : AllTables()) {
    if (t == &CUST5Def()) continue;
    for (const QString& f : t->indexFiles()) EXPECT_FALSE(Rewritten(f)) << f.toStdString();
  }
  EXPECT_TRUE(progress.calls.isEmpty()) << "no progress box at start-up";
}

TEST_F(MaintenanceTest, StartupRebuildsADamagedIndexWithProgressAndOneMessage) {
  FillEveryTable();
  // An invoice the indexes do not know (another program added it): an
  // index short of entries would make reports silently short.
  code4autoOpen(cb, 0);
  DATA4* d = d4open(cb, "INV5");
  ASSERT_NE(d, nullptr);
  d4appendBlank(d);
  CloseAll();
  code4autoOpen(cb, 1);
  AgeIndexFiles();
  ui.expectMessage(Ui::Kind::Information,
                   "Damaged index files were found and rebuilt:\r\nCorrupt index file " + path("inv.ntx") +
                       ": holds 1 entries for the 2 records of " + path("INV5.dbf"));
  RebuildIndexes(true);
  for (const QString& f : INV5Def().indexFiles()) EXPECT_TRUE(Rewritten(f)) << f.toStdString();
  EXPECT_FALSE(Rewritten("cName.ntx"));
  EXPECT_EQ(progress.calls, QStringList({"show:Rebuilding Indexes", "100", "hide"}));
  OpenINV5();
  EXPECT_EQ(d4verifyTags(Inv5.d), 0);
  CloseAll();
}

TEST_F(MaintenanceTest, StartupLeavesSoundIndexesAlone) {
  FillEveryTable();
  AgeIndexFiles();
  RebuildIndexes(true);
  for (const QString& f : IndexFiles()) EXPECT_FALSE(Rewritten(f)) << f.toStdString();
  EXPECT_TRUE(progress.calls.isEmpty());
}

TEST_F(MaintenanceTest, APackThatIsRefusedSaysWhyAndChangesNothing) {
  FillEveryTable();
  // Another program's crash left CUST5's count one short.
  QFile cust(path("CUST5.dbf"));
  ASSERT_TRUE(cust.open(QIODevice::ReadWrite));
  QByteArray bytes = cust.readAll();
  bytes[4] = 1;
  ASSERT_TRUE(cust.seek(0));
  ASSERT_EQ(cust.write(bytes), bytes.size());
  cust.close();
  ui.expectMessage(Ui::Kind::Information,
                   "Cannot pack " + path("CUST5.dbf") +
                       ": the file holds 1 record(s) after the 1 its header counts, which this would lose. "
                       "Run \"tallowby-db repair CUST5.dbf\" to count them, or restore a backup");
  EXPECT_LT(PackTable("CUST5", true), 0);
  QFile again(path("CUST5.dbf"));
  ASSERT_TRUE(again.open(QIODevice::ReadOnly));
  EXPECT_EQ(again.readAll(), bytes) << "both customers still in the file";
  EXPECT_EQ(code4errorCode(cb, 0), 0) << "no error left pending to end the program later";
}

TEST_F(MaintenanceTest, ReindexRewritesEveryIndexAndShowsProgress) {
  RebuildIndexes(true);
  AgeIndexFiles();
  RebuildIndexes(false);
  for (const QString& f : IndexFiles()) EXPECT_TRUE(Rewritten(f)) << f.toStdString();
  EXPECT_EQ(IndexFiles().size(), 46);  // with the buyers' e-invoice details, languages, invoice states, bank entries, rates, schedules, quotes, received invoices
  EXPECT_EQ(progress.calls, QStringList({"show:Rebuilding Indexes", "5", "25", "30", "35", "40", "60", "80", "100",
                                         "100", "100", "100", "100", "100", "100", "100", "100", "100", "100", "100", "100", "hide"}));
  EXPECT_EQ(code4autoOpen(cb, 1), 1);
  EXPECT_EQ(code4safety(cb, 1), 1);
  EXPECT_EQ(code4accessMode(cb, 0), OPEN4DENY_NONE);
}

TEST_F(MaintenanceTest, RebuiltIndexesMatchTheRecords) {
  FillEveryTable();
  RebuildIndexes(false);
  for (const TableDef* t : AllTables()) {
    if (t->tags.empty()) continue;
    DATA4* d = d4open(cb, t->openName);
    ASSERT_NE(d, nullptr);
    std::vector<std::string> problems;
    EXPECT_EQ(d4check(d, &problems), 0) << t->openName << ": " << (problems.empty() ? "" : problems[0]);
    for (const TagDef& tag : t->tags) EXPECT_NE(d4tag(d, tag.name), nullptr) << tag.name;
    code4errorCode(cb, 0);
    CloseAll();
  }
}

TEST_F(MaintenanceTest, PackAllRemovesDeletedRecordsAndClearsPendingDeletions) {
  FillEveryTable();
  DeletionsPending = true;
  PackAll();
  EXPECT_EQ(Count(OpenCUST5, &Cust5.d), 1);
  EXPECT_FALSE(DeletionsPending);
  EXPECT_EQ(progress.calls, QStringList({"show:Packing Data Files", "10", "30", "35", "50", "70",
                                         "75", "85", "100", "hide"}));
  OpenCUST5();
  ReadCustomer();
  EXPECT_EQ(CustBuf.comments, QString(600, 'm')) << "memo kept through the compaction";
  CloseAll();
  EXPECT_EQ(QFileInfo(path("CUST5.dbt")).size(), 512 * 3) << "header and one two-block memo";
}

TEST_F(MaintenanceTest, EraseKeepsLabelStockAndSettings) {
  FillEveryTable();
  ui.expectConfirm(Ui::Buttons::OkCancel, kEraseWarning, true);
  EXPECT_TRUE(EraseAll());
  EXPECT_EQ(ui.lastConfirmKind, Ui::Kind::Warning);
  EXPECT_EQ(Count(OpenCUST5, &Cust5.d), 0);
  EXPECT_EQ(Count(OpenGROUPS, &Groups.d), 0);
  EXPECT_EQ(Count(OpenINV5, &Inv5.d), 0);
  EXPECT_EQ(Count(OpenITM5, &Itm5.d), 0);
  EXPECT_EQ(Count(OpenPMT, &Pmt.d), 0);
  EXPECT_EQ(Count(OpenProd5, &Prod5.d), 0);
  EXPECT_EQ(Count(OpenPur5, &Pur5.d), 0);
  EXPECT_EQ(Count(OpenLABELS, &Labels.d), 1);
  ReadSettings();
  EXPECT_EQ(Settings().ShipLine.trimmed(), "Shipping");
  EXPECT_EQ(QFileInfo(path("CUST5.dbt")).size(), 512) << "memo file compacted";
  EXPECT_EQ(progress.calls, QStringList({"show:Erasing Data Files", "5", "15", "30", "40", "50",
                                         "60", "70", "85", "90", "95", "100", "hide"}));
  EXPECT_EQ(code4accessMode(cb, 0), OPEN4DENY_NONE);
}

TEST_F(MaintenanceTest, CancelledEraseKeepsEverything) {
  FillEveryTable();
  ui.expectConfirm(Ui::Buttons::OkCancel, kEraseWarning, false);
  EXPECT_FALSE(EraseAll());
  EXPECT_EQ(Count(OpenCUST5, &Cust5.d), 2);
  EXPECT_EQ(Count(OpenPur5, &Pur5.d), 1);
  EXPECT_TRUE(progress.calls.isEmpty());
}

}  // namespace
