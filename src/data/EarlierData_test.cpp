// Conversion of the earlier generation's tables, written by python dbf with
// widths other than ours (testdata/earlier_tables.py), checked field by
// field; a conversion that fails part-way, missing files and a cancelled
// warning change nothing.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "data/CodeBase.h"
#include "data/EarlierData.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"
#include "tbengine/inspect.h"

namespace {

const QString kWarning = "Warning: All previously entered data will be overwritten";

// A python with the dbf module ("" when none).
QString Python() {
  static const QString found = [] {
    for (const char* p : {"python3", "/usr/bin/python3"}) {
      QProcess probe;
      probe.start(p, {"-c", "import dbf"});
      if (probe.waitForFinished(20000) && probe.exitStatus() == QProcess::NormalExit &&
          probe.exitCode() == 0)
        return QString(p);
    }
    return QString();
  }();
  return found;
}

QByteArray Read(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class EarlierDataTest : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    if (Python().isEmpty()) GTEST_SKIP() << "python3 with the dbf module is not installed";
    ASSERT_TRUE(old.isValid());
    SetProgressSink(&progress);
    CustomerRecord c;
    c.cuno = 99;
    c.last = "Earlier";
    AppendCustomer(c);
    ProductRecord p;
    p.PrID = "OLD";
    AppendProduct(p);
  }

  void MakeOldTables(const QStringList& variant = {}) {
    QProcess python;
    python.start(Python(), QStringList{qEnvironmentVariable("TB_SOURCE_DIR") +
                                       "/src/data/testdata/earlier_tables.py",
                                       old.path()} + variant);
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  }

  // Every file of the data folder but the index files, by name.
  QMap<QString, QByteArray> TableFiles() const {
    QMap<QString, QByteArray> files;
    for (const QString& f : QDir(dir.path()).entryList({"*.dbf", "*.dbt", "*.DBF"}, QDir::Files))
      files[f] = Read(path(f));
    return files;
  }

  // Goes to record n of the open table and checks the table and its tags.
  static void Go(DATA4* d, long n) {
    std::vector<std::string> problems;
    EXPECT_EQ(d4check(d, &problems), 0) << (problems.empty() ? "" : problems.front());
    ASSERT_EQ(d4go(d, n), 0);
  }

  QTemporaryDir old;
  RecordingProgress progress;
};

TEST_F(EarlierDataTest, EveryRecordAndFieldIsCarriedAcrossAsMapped) {
  MakeOldTables();
  ui.expectConfirm(kWarning, true);
  ASSERT_TRUE(ConvertEarlierData(old.path()));
  EXPECT_FALSE(exists(".tbswap"));

  ASSERT_TRUE(OpenProd5());
  ASSERT_EQ(d4recCountDo(Prod5.d), 3);
  Go(Prod5.d, 1);
  ReadProduct();
  EXPECT_EQ(ProdBuf.PrID.trimmed(), "AB1");
  EXPECT_EQ(ProdBuf.RCode.trimmed(), "LIC-7");
  EXPECT_EQ(ProdBuf.PDesc.trimmed(), "Blue candle");
  EXPECT_EQ(ProdBuf.UPrice, 12.5);
  EXPECT_TRUE(ProdBuf.LTax1);
  EXPECT_FALSE(ProdBuf.LTax2);
  EXPECT_EQ(ProdBuf.IComm.trimmed(), "tall, unscented");
  EXPECT_EQ(ProdBuf.PMemo, "Burns forty hours.\r\nKeep away from draughts.");
  EXPECT_FALSE(ProdBuf.lInven);
  EXPECT_EQ(ProdBuf.REORDER, 0);
  EXPECT_EQ(ProdBuf.ONHAND, 0);
  EXPECT_EQ(QString(f4str(Prod5.lBuild)), "F");
  EXPECT_FALSE(d4deleted(Prod5.d));
  Go(Prod5.d, 3);
  EXPECT_TRUE(d4deleted(Prod5.d)) << "deleted in the old table, deleted here (the pack removes it)";

  ASSERT_TRUE(OpenCUST5());
  ASSERT_EQ(d4recCountDo(Cust5.d), 2) << "the earlier customers are gone";
  Go(Cust5.d, 1);
  ReadCustomer();
  EXPECT_EQ(CustBuf.cuno, 7);
  EXPECT_EQ(CustBuf.ngroup, 2);
  EXPECT_EQ(CustBuf.title.trimmed(), "Ms.");
  EXPECT_EQ(CustBuf.first.trimmed(), QString::fromUtf8("Zoë"));
  EXPECT_EQ(CustBuf.last.trimmed(), QString::fromUtf8("Brontë"));
  EXPECT_EQ(CustBuf.addr1.trimmed(), "Wick & Co");
  EXPECT_EQ(CustBuf.addr2.trimmed(), "12 Mill Lane");
  EXPECT_EQ(CustBuf.addr3.trimmed(), "Upton");
  EXPECT_EQ(CustBuf.addr4.trimmed(), "");
  EXPECT_EQ(CustBuf.zip.trimmed(), "UP1 2AB");
  EXPECT_EQ(CustBuf.comments, "Likes lavender.");
  EXPECT_EQ(CustBuf.note.trimmed(), "pays by check");
  EXPECT_EQ(CustBuf.phone.trimmed() + CustBuf.fax.trimmed() + CustBuf.email.trimmed(), "");

  ASSERT_TRUE(OpenINV5());
  ASSERT_EQ(d4recCountDo(Inv5.d), 2);
  Go(Inv5.d, 1);
  ReadInvoice();
  EXPECT_EQ(CurrentInvoice.IvNo, 1001);
  EXPECT_EQ(CurrentInvoice.CuNo, 7);
  EXPECT_EQ(CurrentInvoice.IDate, StoredToDate("20240506"));
  EXPECT_EQ(CurrentInvoice.IMemo.trimmed(), "VISA 1234");
  EXPECT_EQ(CurrentInvoice.REM, "Thanks for your order.");
  EXPECT_EQ(CurrentInvoice.Ship, 4.0);
  EXPECT_EQ(CurrentInvoice.Tax, 1.56);
  EXPECT_EQ(CurrentInvoice.Due, 21.31);
  EXPECT_EQ(CurrentInvoice.Dept.trimmed(), "");
  Go(Inv5.d, 2);
  ReadInvoice();
  EXPECT_EQ(CurrentInvoice.IDate, 0) << "a blank date stays blank";

  ASSERT_TRUE(OpenITM5());
  ASSERT_EQ(d4recCountDo(Itm5.d), 3);
  Go(Itm5.d, 1);
  ReadItem();
  EXPECT_EQ(ItemBuf.IvNo, 1001);
  EXPECT_EQ(ItemBuf.PrID.trimmed(), "ab1");
  EXPECT_EQ(ItemBuf.PDesc.trimmed(), "Blue candle") << "the lower-case code finds AB1";
  EXPECT_EQ(ItemBuf.IComm.trimmed(), "gift wrap");
  EXPECT_EQ(ItemBuf.Qty, 1.0);
  EXPECT_EQ(ItemBuf.UPR, 12.5);
  EXPECT_TRUE(ItemBuf.LTax1);
  EXPECT_FALSE(ItemBuf.LTax2);
  EXPECT_EQ(QString(f4str(Itm5.lBuild)), "F");
  EXPECT_EQ(f4double(Itm5.BackOrder), 0);
  Go(Itm5.d, 2);
  ReadItem();
  EXPECT_EQ(ItemBuf.PDesc.trimmed(), "") << "its product is missing";
  Go(Itm5.d, 3);
  ReadItem();
  EXPECT_EQ(ItemBuf.PDesc.trimmed(), "Soap bar");
  EXPECT_TRUE(ItemBuf.LTax2);
  CloseAll();

  EXPECT_EQ(Read(path("GROUPS.dbf")), Read(old.filePath("Groups.dbf")));
  EXPECT_EQ(Read(path("LABELS.dbf")), Read(old.filePath("labels.dbf")));
  EXPECT_EQ(Read(path("PMT.dbf")), Read(old.filePath("pmt.dbf")));

  EXPECT_EQ(progress.calls.mid(0, 9), QStringList({"show:Converting Data Files", "5", "10", "15",
                                                   "20", "25", "21", "23", "25"}));
  EXPECT_TRUE(progress.calls.contains("show:Transferring Item Descriptions"));
  EXPECT_EQ(progress.calls.mid(progress.calls.size() - 2), QStringList({"100", "hide"}));
}

TEST_F(EarlierDataTest, ConversionFailingOnTheLastTableChangesNothing) {
  MakeOldTables({"broken"});
  const auto before = TableFiles();
  ui.expectConfirm(kWarning, true);
  ui.expectMessage(Ui::Kind::Information, "Unable to convert the data files in " + old.path() +
                                              "\r\n" + old.filePath("itm4.dbf") +
                                              ": field UPR is missing\r\nNo data was changed.");
  EXPECT_FALSE(ConvertEarlierData(old.path()));
  EXPECT_EQ(TableFiles(), before);
  EXPECT_FALSE(exists(".tbswap"));
  EXPECT_EQ(progress.calls.last(), "hide");
}

TEST_F(EarlierDataTest, MissingFileOrCancelledWarningChangesNothing) {
  MakeOldTables();
  const auto before = TableFiles();
  ui.expectConfirm(kWarning, false);
  EXPECT_TRUE(ConvertEarlierData(old.path()));
  ASSERT_TRUE(QFile::remove(old.filePath("pmt.dbf")));
  ui.expectMessage(Ui::Kind::Information, "Data files not found in " + old.path());
  EXPECT_TRUE(ConvertEarlierData(old.path()));
  EXPECT_EQ(TableFiles(), before);
  EXPECT_TRUE(progress.calls.isEmpty());
}

TEST_F(EarlierDataTest, PickerStartsInTheFirstFolderHoldingTheOldProducts) {
  QTemporaryDir home, root;
  EXPECT_EQ(EarlierDataPreset({home.path(), root.path()}), "");
  QDir(root.path()).mkdir("hern_bus");
  QDir(home.path()).mkdir("hern");
  QFile(root.filePath("hern_bus/PROD4.DBF")).open(QIODevice::WriteOnly);
  EXPECT_EQ(EarlierDataPreset({home.path(), root.path()}), root.filePath("hern_bus"));
  QFile(home.filePath("hern/Prod4.dbf")).open(QIODevice::WriteOnly);
  EXPECT_EQ(EarlierDataPreset({home.path(), root.path()}), home.filePath("hern"));
}

}  // namespace
