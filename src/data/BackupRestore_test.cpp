// Backup and restore on real folders: round trips, the progress box, a full
// disk and a write-protected one (injected through the file copy), the
// removable-disk prompts, restores that fail part-way (nothing changes), and
// a backup while another program has a table open.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "data/BackupManifest.h"
#include "data/BackupRestore.h"
#include "data/CodeBase.h"
#include "data/EInvoiceTables.h"
#include "data/OtherProgram_test.h"
#include "data/Settings.h"
#include "data/TableSwap.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"
#include "platform/FileCopy.h"
#include "platform/Language.h"
#include "tbengine/inspect.h"

namespace {

const QString kBackupFailed = "Backup Failed . . Check that disk is not write protected";
const QString kRestoreFailed = "Restore Failed . . Check that your disk is not full.";
const QString kNotDone = "\r\nThe restore did not happen; nothing was changed.";

QByteArray Read(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString& file, const QByteArray& bytes) {
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// Keeps every message instead of checking it against a script (the engine's
// texts are its own).
class MessageLog : public DataTestUi {
 public:
  QStringList messages;
  void message(Kind, const QString& text) override { messages << text; }
};

class BackupRestoreTest : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    ASSERT_TRUE(other.isValid());
    SetProgressSink(&progress);
    AddCustomer(1, "Ada", "First memo");
    AddCustomer(2, "Bea", "Second memo");
    AppendGroup({1, "Shops"});
    InvoiceRecord inv;
    inv.IvNo = 1000;
    inv.CuNo = 1;
    inv.REM = "note";
    AppendInvoice(inv);
    AppendPayment({1000, 46000, 5});
  }
  void TearDown() override {
    FileCopy::setFault({});
    FileCopy::setRemovable({});
    IndexedFolderTest::TearDown();
  }

  void AddCustomer(long cuno, const QString& first, const QString& memo) {
    CustomerRecord c;
    c.cuno = cuno;
    c.first = first;
    c.comments = memo;
    AppendCustomer(c);
  }

  QString backup(const QString& name) const { return other.filePath(name); }

  // Every copied file of the data folder, by name.
  QMap<QString, QByteArray> DataFiles() const {
    QMap<QString, QByteArray> files;
    for (const DataFileStep& f : DataFilesToCopy()) files[f.name] = Read(path(f.name));
    return files;
  }
  QMap<QString, QByteArray> BackupFiles() const {
    QMap<QString, QByteArray> files;
    for (const DataFileStep& f : DataFilesToCopy()) files[f.name] = Read(backup(f.name));
    return files;
  }

  long Customers() {
    OpenCUST5();
    const long n = d4recCountDo(Cust5.d);
    std::vector<std::string> problems;
    EXPECT_EQ(d4check(Cust5.d, &problems), 0) << (problems.empty() ? "" : problems.front());
    CloseAll();
    return n;
  }

  QTemporaryDir other;
  RecordingProgress progress;
};

TEST_F(BackupRestoreTest, BackupCopiesEveryFileInOrderAndRestoreBringsThemBack) {
  int copied = 0;
  ASSERT_TRUE(BackupDataFiles(other.path(), &copied));
  EXPECT_EQ(progress.calls,
            QStringList({"show:Copying Data Files", "10", "20", "30", "35", "45", "55", "70", "75",
                         "85", "95", "100", "100", "100", "100", "100", "100", "100", "100", "100", "100", "100",
                         "100", "100", "100", "100", "100", "100", "hide"}));
  EXPECT_EQ(copied, 26);
  EXPECT_EQ(BackupFiles(), DataFiles());
  for (const char* name : {"KEX1.DBF", "ImpDirs.DBF", "EINVSET.DBF", "CUSTEI.DBF", "CUSTLANG.DBF", "INVSTATE.DBF", "BANKREF.DBF",
                           "REMIND.DBF", "REFRATE.DBF", "RECUR.DBF", "QUOTE.dbf", "QUOTE.dbt", "QUOTEIT.dbf", "RECEIVED.DBF", "RECVMAP.DBF"})
    EXPECT_TRUE(QFile::exists(backup(name))) << name << ": the settings and the tables added since";
  EXPECT_FALSE(QFile::exists(backup("cName.ntx"))) << "indexes are rebuilt, not copied";

  AddCustomer(3, "Cy", "Third memo");
  ASSERT_EQ(Customers(), 3);
  const QByteArray settings = Read(path("KEX1.DBF"));
  ASSERT_TRUE(RestoreDataFiles(other.path()));
  EXPECT_EQ(DataFiles(), BackupFiles());
  EXPECT_EQ(Read(path("KEX1.DBF")), settings);
  EXPECT_EQ(Customers(), 2) << "the indexes were rebuilt for the restored table";
  EXPECT_TRUE(progress.calls.contains("show:Rebuilding Indexes"));
  EXPECT_FALSE(exists(".tbswap"));
}

// The letterhead and a buyer's e-invoice details as they were at a backup,
// and changed afterwards.
class SettingsBackupTest : public BackupRestoreTest {
 protected:
  void SetUp() override {
    BackupRestoreTest::SetUp();
    SetCompany("Backed-up Candles");
    WriteBuyerDetails({1, "DE", "Berlin", "", "DE123", "", "", "", "", ""});
  }
  static void SetCompany(const QString& name) {
    Settings().Company = name;
    WriteSettings();
  }
  static QString StoredCompany() {
    resetSettingsForTests();
    ReadSettings();
    return Settings().Company.trimmed();
  }
};

TEST_F(SettingsBackupTest, RestoreKeepsTheSettingsUnlessAskedAndAlwaysBringsBackTheBuyersDetails) {
  ASSERT_TRUE(BackupDataFiles(other.path()));
  EXPECT_TRUE(BackupManifest::TextIn(other.path()).contains("file\tKEX1.DBF\t"));
  EXPECT_TRUE(BackupManifest::TextIn(other.path()).contains("file\tCUSTEI.DBF\t"));
  SetCompany("Renamed Candles");
  WriteBuyerDetails({1, "FR", "Lyon", "", "FR999", "", "", "", "", ""});
  WriteImportDirs("/srv/info", "/srv/orders");

  int restored = 0;
  ASSERT_TRUE(RestoreDataFiles(other.path(), false, &restored));
  EXPECT_EQ(restored, 23) << "the business data, the buyers' details, languages, invoice states, bank entries, reminders, rates, schedules, "
                              "quotes, received invoices";
  EXPECT_EQ(StoredCompany(), "Renamed Candles") << "No keeps the settings in use";
  EXPECT_EQ(ReadBuyerDetails(1).city.trimmed(), "Berlin") << "customer data goes with the customers";

  ASSERT_TRUE(RestoreDataFiles(other.path(), true, &restored));
  EXPECT_EQ(restored, 26);
  EXPECT_EQ(StoredCompany(), "Backed-up Candles");
  QString info, orders;
  ReadImportDirs(&info, &orders);
  EXPECT_EQ(info, "") << "the import folders as they were at the backup";
  EXPECT_FALSE(exists(".tbswap"));
}

TEST_F(SettingsBackupTest, BackupOfTheEarlierVersionWithoutTheSettingsStillRestores) {
  ASSERT_TRUE(BackupDataFiles(other.path()));
  // What an earlier version wrote: the eleven files and their list.
  for (const char* name : {"KEX1.DBF", "ImpDirs.DBF", "EINVSET.DBF", "CUSTEI.DBF", "CUSTLANG.DBF", "INVSTATE.DBF", "BANKREF.DBF",
                           "REMIND.DBF", "REFRATE.DBF", "RECUR.DBF", "QUOTE.dbf", "QUOTE.dbt", "QUOTEIT.dbf", "RECEIVED.DBF", "RECVMAP.DBF"})
    ASSERT_TRUE(QFile::remove(backup(name)));
  QByteArray list;
  for (const QByteArray& line : BackupManifest::TextIn(other.path()).split('\n'))
    if (!line.contains(".DBF") && !line.contains("QUOTE")) list += line + "\n";
  WriteFile(backup(kManifestName), list.trimmed() + "\n");
  SetCompany("Renamed Candles");
  WriteBuyerDetails({1, "FR", "Lyon", "", "FR999", "", "", "", "", ""});
  AddCustomer(3, "Cy", "Third memo");

  int restored = 0;
  ui.expectMessage(Ui::Kind::Information,
                   "The backup does not hold KEX1.DBF, ImpDirs.DBF, EINVSET.DBF, CUSTEI.DBF, CUSTLANG.DBF, INVSTATE.DBF, BANKREF.DBF, REMIND.DBF, REFRATE.DBF, RECUR.DBF, "
                   "QUOTE.dbf, QUOTEIT.dbf, RECEIVED.DBF, RECVMAP.DBF (tables added since it was made); they were left as they are.");
  ASSERT_TRUE(RestoreDataFiles(other.path(), true, &restored));
  EXPECT_EQ(restored, 11);
  EXPECT_EQ(Customers(), 2);
  EXPECT_EQ(StoredCompany(), "Renamed Candles") << "the backup holds no settings";
  EXPECT_EQ(ReadBuyerDetails(1).city.trimmed(), "Lyon");
}

TEST_F(SettingsBackupTest, AFolderLackingTheTablesTheProgramMakesIsBackedUpWithoutThem) {
  for (const char* name : {"EINVSET.DBF", "CUSTEI.DBF", "CUSTLANG.DBF", "INVSTATE.DBF", "BANKREF.DBF", "REMIND.DBF", "REFRATE.DBF",
                           "RECUR.DBF", "QUOTE.dbf", "QUOTE.dbt", "QUOTEIT.dbf", "RECEIVED.DBF", "RECVMAP.DBF"})
    ASSERT_TRUE(QFile::remove(path(ExistingName(dir.path(), name))));
  int copied = 0;
  ASSERT_TRUE(BackupDataFiles(other.path(), &copied));
  EXPECT_EQ(copied, 13) << "the eleven, the settings and the import folders";
  EXPECT_FALSE(QFile::exists(backup("CUSTEI.DBF")));
  EXPECT_FALSE(BackupManifest::TextIn(other.path()).contains("CUSTEI"));
}

TEST_F(SettingsBackupTest, ASettingsFileOfAnotherBackupIsRefused) {
  ASSERT_TRUE(BackupDataFiles(other.path()));
  QTemporaryDir later;
  SetCompany("Renamed Candles");
  ASSERT_TRUE(BackupDataFiles(later.path()));
  ASSERT_TRUE(QFile::remove(backup("KEX1.DBF")));
  ASSERT_TRUE(QFile::copy(later.filePath("KEX1.DBF"), backup("KEX1.DBF")));
  SetCompany("Third Candles");
  ui.expectMessage(Ui::Kind::Information,
                   "Unable to restore " + backup("KEX1.DBF") +
                       "\r\nKEX1.DBF is not the file the backup wrote: the backup was cut short, "
                       "or holds files of two backups." + kNotDone);
  ui.expectMessage(Ui::Kind::Information, kRestoreFailed);
  EXPECT_FALSE(RestoreDataFiles(other.path(), true));
  EXPECT_EQ(StoredCompany(), "Third Candles");
  EXPECT_TRUE(RestoreDataFiles(other.path(), false)) << "the business data alone is whole";
}

TEST_F(BackupRestoreTest, DataFolderItselfIsRefusedAsTargetAndSource) {
  ui.expectMessage(Ui::Kind::Information, "Backup must be to a different drive and/or directory");
  EXPECT_FALSE(BackupDataFiles(dir.path() + "/"));
  ui.expectMessage(Ui::Kind::Information, "Restore must be from a different drive and/or directory");
  EXPECT_FALSE(RestoreDataFiles(dir.path() + "/./"));
  EXPECT_TRUE(progress.calls.isEmpty()) << "nothing copied, nothing rebuilt";
}

TEST_F(BackupRestoreTest, FullDiskOnAFixedFolderNamesTheFileAndTheReason) {
  FileCopy::setFault([](const QString& from, const QString&) {
    return from.endsWith("INV5.dbt") ? FileCopy::Result::DiskFull : FileCopy::Result::Ok;
  });
  ui.expectMessage(Ui::Kind::Information, "Unable to copy " + path("INV5.dbt") + " to " +
                                              backup("INV5.dbt") + "\r\ninjected failure");
  ui.expectMessage(Ui::Kind::Information, kBackupFailed);
  EXPECT_FALSE(BackupDataFiles(other.path()));
  EXPECT_TRUE(QDir(other.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty())
      << "nothing of a backup that did not finish";
  EXPECT_EQ(progress.calls.last(), "hide");
}

TEST_F(BackupRestoreTest, ABackupThatFailsPartWayLeavesTheEarlierOneRestorable) {
  ASSERT_TRUE(BackupDataFiles(other.path()));
  const auto earlier = BackupFiles();
  const QByteArray list = BackupManifest::TextIn(other.path());
  AddCustomer(3, "Cy", "Third memo");
  FileCopy::setFault([](const QString& from, const QString&) {
    return from.endsWith("ITM5.dbf") ? FileCopy::Result::DiskFull : FileCopy::Result::Ok;
  });
  ui.expectMessage(Ui::Kind::Information, "Unable to copy " + path("ITM5.dbf") + " to " +
                                              backup("ITM5.dbf") + "\r\ninjected failure");
  ui.expectMessage(Ui::Kind::Information, kBackupFailed);
  EXPECT_FALSE(BackupDataFiles(other.path()));
  EXPECT_EQ(BackupFiles(), earlier);
  EXPECT_EQ(BackupManifest::TextIn(other.path()), list);
  FileCopy::setFault({});
  ASSERT_TRUE(RestoreDataFiles(other.path()));
  EXPECT_EQ(Customers(), 2) << "the earlier backup, whole";
}

TEST_F(BackupRestoreTest, AFullDiskSaysSoAndKeepsTheEarlierBackupRestorable) {
  SmallDisk disk(512);
  if (!disk.unavailable().isEmpty()) GTEST_SKIP() << disk.unavailable().toStdString();
  ASSERT_TRUE(QDir().mkpath(disk.path("backup")));
  const QString folder = disk.path("backup");
  ASSERT_TRUE(BackupDataFiles(folder));
  disk.fillLeaving(8);
  AddCustomer(3, "Cy", QString(200000, 'm'));
  MessageLog log;
  EXPECT_FALSE(BackupDataFiles(folder));
  ASSERT_EQ(log.messages.size(), 2);
  EXPECT_TRUE(log.messages[0].endsWith("No space left on device")) << log.messages[0].toStdString();
  Ui::install(&ui);
  ASSERT_TRUE(RestoreDataFiles(folder));
  EXPECT_EQ(Customers(), 2) << "the earlier backup, whole";
}

TEST_F(BackupRestoreTest, FullRemovableDiskAsksForAnotherAndGoesOnWithTheFileThatDidNotFit) {
  FileCopy::setRemovable([](const QString&) { return true; });
  int inv5Memo = 0;
  FileCopy::setFault([&](const QString& from, const QString&) {
    return from.endsWith("INV5.dbt") && inv5Memo++ == 0 ? FileCopy::Result::DiskFull
                                                         : FileCopy::Result::Ok;
  });
  ui.expectConfirm("Disk Full. Insert another disk.INV5.dbt", true);
  EXPECT_TRUE(BackupDataFiles(other.path()));
  EXPECT_EQ(BackupFiles(), DataFiles());

  FileCopy::setFault([](const QString& from, const QString&) {
    return from.endsWith("PMT.dbf") ? FileCopy::Result::WriteProtected : FileCopy::Result::Ok;
  });
  ui.expectConfirm("Disk is Write Protected", false);
  ui.expectMessage(Ui::Kind::Information, kBackupFailed);
  EXPECT_FALSE(BackupDataFiles(other.path()));
}

TEST_F(BackupRestoreTest, RestoreLackingPaymentsNamesTheFileAndChangesNothing) {
  ASSERT_TRUE(BackupDataFiles(other.path()));
  ASSERT_TRUE(QFile::remove(backup("PMT.dbf")));
  AddCustomer(3, "Cy", "Third memo");
  const auto before = DataFiles();
  ui.expectMessage(Ui::Kind::Information, "Unable to find " + backup("PMT.dbf") + "\r\nFunction Aborted");
  ui.expectMessage(Ui::Kind::Information, kRestoreFailed);
  EXPECT_FALSE(RestoreDataFiles(other.path()));
  EXPECT_EQ(DataFiles(), before) << "no mix of restored and earlier files";
  EXPECT_EQ(Customers(), 3);
  EXPECT_FALSE(exists(".tbswap"));
}

TEST_F(BackupRestoreTest, RefusalsAndFailuresAreToldInTheUsersLanguage) {
  EnsureTestApplication();  // for the translations
  ASSERT_TRUE(BackupDataFiles(other.path()));
  ASSERT_TRUE(QFile::remove(backup("PMT.dbf")));
  {
    DocumentLanguage german("de");
    ui.expectMessage(Ui::Kind::Information,
                     "Die Datensicherung muss auf ein anderes Laufwerk oder in einen anderen Ordner erfolgen");
    EXPECT_FALSE(BackupDataFiles(dir.path()));
    ui.expectMessage(Ui::Kind::Information, backup("PMT.dbf") + " wurde nicht gefunden\r\nVorgang abgebrochen");
    ui.expectMessage(Ui::Kind::Information,
                     "Wiederherstellung fehlgeschlagen . . Prüfen Sie, ob Ihr Datenträger voll ist.");
    EXPECT_FALSE(RestoreDataFiles(other.path()));
  }
  {
    DocumentLanguage french("fr");
    ui.expectMessage(Ui::Kind::Information, "Impossible de trouver " + backup("PMT.dbf") +
                                                "\r\nOpération interrompue");
    ui.expectMessage(Ui::Kind::Information,
                     "Échec de la restauration . . Vérifiez que votre disque n'est pas plein.");
    EXPECT_FALSE(RestoreDataFiles(other.path()));
  }
  ui.expectMessage(Ui::Kind::Information, "Backup must be to a different drive and/or directory");
  EXPECT_FALSE(BackupDataFiles(dir.path())) << "English again after the scope";
}

TEST_F(BackupRestoreTest, RestoreFailingPartWayOrFindingNoTableChangesNothing) {
  ASSERT_TRUE(BackupDataFiles(other.path()));
  AddCustomer(3, "Cy", "Third memo");
  const auto before = DataFiles();

  FileCopy::setFault([](const QString& from, const QString&) {
    return from.endsWith("Pur5.dbf") ? FileCopy::Result::Failed : FileCopy::Result::Ok;
  });
  ui.expectMessage(Ui::Kind::Information, "Unable to copy " + backup("Pur5.dbf") + " to " +
                                              path(".tbswap/Pur5.dbf") + "\r\ninjected failure");
  ui.expectMessage(Ui::Kind::Information, kRestoreFailed);
  EXPECT_FALSE(RestoreDataFiles(other.path()));
  EXPECT_EQ(DataFiles(), before);
  FileCopy::setFault({});

  QFile groups(backup("GROUPS.dbf"));
  ASSERT_TRUE(groups.open(QIODevice::WriteOnly));
  groups.write("not a table");
  groups.close();
  {
    MessageLog log;
    EXPECT_FALSE(RestoreDataFiles(other.path()));
    ASSERT_EQ(log.messages.size(), 2);
    EXPECT_TRUE(log.messages[0].startsWith("Unable to restore " + backup("GROUPS.dbf") + "\r\n"))
        << log.messages[0].toStdString();
    EXPECT_EQ(log.messages[1], kRestoreFailed);
  }
  Ui::install(&ui);
  EXPECT_EQ(DataFiles(), before);
  EXPECT_EQ(Customers(), 3);
}

// The person puts the disk holding the file in when asked.
class DiskSwappingUi : public DataTestUi {
 public:
  std::function<void()> onPrompt;
  bool confirm(Kind kind, Buttons buttons, const QString& text) override {
    if (onPrompt) onPrompt();
    return DataTestUi::confirm(kind, buttons, text);
  }
};

TEST_F(BackupRestoreTest, RestoreFromRemovableMediaAsksForTheDiskHoldingAMissingFile) {
  ASSERT_TRUE(BackupDataFiles(other.path()));
  QTemporaryDir secondDisk;
  ASSERT_TRUE(QFile::rename(backup("INV5.dbt"), secondDisk.filePath("INV5.dbt")));
  FileCopy::setRemovable([](const QString&) { return true; });
  DiskSwappingUi swapping;
  swapping.onPrompt = [&] { QFile::rename(secondDisk.filePath("INV5.dbt"), backup("INV5.dbt")); };
  swapping.expectConfirm("Insert disk containing INV5.dbt", true);
  AddCustomer(3, "Cy", "Third memo");
  EXPECT_TRUE(RestoreDataFiles(other.path()));
  swapping.verifyDone();
  Ui::install(&ui);
  EXPECT_EQ(Customers(), 2);
}

TEST_F(BackupRestoreTest, BackupWaitsForNoProgramWritingTheTables) {
  // Another program has the customers open (shared, as every command does).
  CODE4* program = code4initP();
  code4setDirectory(program, QFile::encodeName(dir.path()).toStdString());
  DATA4* open = d4open(program, "CUST5");
  ASSERT_NE(open, nullptr);
  {
    MessageLog log;
    EXPECT_FALSE(BackupDataFiles(other.path()));
    ASSERT_EQ(log.messages.size(), 2);
    EXPECT_TRUE(log.messages[0].contains("in use by another program")) << log.messages[0].toStdString();
    EXPECT_EQ(log.messages[1], kBackupFailed);
  }
  Ui::install(&ui);
  EXPECT_FALSE(QFile::exists(backup("CUST5.dbf")));
  code4initUndoP(program);
  EXPECT_TRUE(BackupDataFiles(other.path())) << "the tables are let go after a backup";
  EXPECT_TRUE(BackupDataFiles(other.path())) << "a second backup replaces the first";
}

// ---- A backup is complete or recognisably not -------------------------------

TEST_F(BackupRestoreTest, RestoreRefusesABackupHoldingAFileOfAnotherBackup) {
  ASSERT_TRUE(BackupDataFiles(other.path()));
  EXPECT_TRUE(QFile::exists(backup(kManifestName)));
  QTemporaryDir later;
  AddCustomer(3, "Cy", "Third memo");
  ASSERT_TRUE(BackupDataFiles(later.path()));
  ASSERT_TRUE(QFile::remove(backup("CUST5.dbt")));
  ASSERT_TRUE(QFile::copy(later.filePath("CUST5.dbt"), backup("CUST5.dbt")));
  const auto before = DataFiles();

  ui.expectMessage(Ui::Kind::Information,
                   "Unable to restore " + backup("CUST5.dbt") +
                       "\r\nCUST5.dbt is not the file the backup wrote: the backup was cut short, "
                       "or holds files of two backups." + kNotDone);
  ui.expectMessage(Ui::Kind::Information, kRestoreFailed);
  EXPECT_FALSE(RestoreDataFiles(other.path()));
  EXPECT_EQ(DataFiles(), before);
  EXPECT_EQ(Customers(), 3);
  EXPECT_FALSE(exists(".tbswap"));
}

// Removable media are written disk by disk, straight into the folder (a
// backup into a fixed folder is put in place only once complete).
TEST_F(BackupRestoreTest, BackupCutShortOnRemovableMediaIsRefusedAndAFinishedOneRestores) {
  FileCopy::setRemovable([](const QString&) { return true; });
  ASSERT_TRUE(BackupDataFiles(other.path()));
  AddCustomer(3, "Cy", "Third memo");
  InvoiceRecord inv;
  inv.IvNo = 1001;
  inv.CuNo = 3;
  inv.REM = "a longer note that the memo file keeps";
  AppendInvoice(inv);
  // The second backup stops at the invoices' memo file: the customers and
  // the invoice table are the new ones, everything after it the old.
  FileCopy::setFault([](const QString& from, const QString&) {
    return from.endsWith("INV5.dbt") ? FileCopy::Result::Failed : FileCopy::Result::Ok;
  });
  {
    MessageLog log;
    EXPECT_FALSE(BackupDataFiles(other.path()));
  }
  FileCopy::setFault({});
  const auto before = DataFiles();
  {
    MessageLog log;
    EXPECT_FALSE(RestoreDataFiles(other.path()));
    ASSERT_EQ(log.messages.size(), 2);
    EXPECT_TRUE(log.messages[0].startsWith("Unable to restore " + backup("INV5.dbt") + "\r\n"))
        << log.messages[0].toStdString();
    EXPECT_TRUE(log.messages[0].endsWith(kNotDone));
  }
  Ui::install(&ui);
  EXPECT_EQ(DataFiles(), before);

  ASSERT_TRUE(BackupDataFiles(other.path()));
  AddCustomer(4, "Di", "Fourth memo");
  ASSERT_TRUE(RestoreDataFiles(other.path()));
  EXPECT_EQ(Customers(), 3);
}

TEST_F(BackupRestoreTest, BackupOfAnEarlierVersionWithoutAListIsRestoredOnlyUnchecked) {
  ASSERT_TRUE(BackupDataFiles(other.path()));
  ASSERT_TRUE(QFile::remove(backup(kManifestName)));
  AddCustomer(3, "Cy", "Third memo");
  const auto before = DataFiles();
  ui.expectMessage(Ui::Kind::Information,
                   "Unable to restore " + other.path() +
                       "\r\nThis backup has no list of its files (made by an earlier version), so its "
                       "files cannot be checked." + kNotDone);
  ui.expectMessage(Ui::Kind::Information, kRestoreFailed);
  EXPECT_FALSE(RestoreDataFiles(other.path()));
  EXPECT_EQ(DataFiles(), before);

  ui.expectMessage(Ui::Kind::Information,
                   "The backup does not hold CUSTEI.DBF, CUSTLANG.DBF, INVSTATE.DBF, BANKREF.DBF, REMIND.DBF, REFRATE.DBF, RECUR.DBF, "
                   "QUOTE.dbf, QUOTEIT.dbf, RECEIVED.DBF, RECVMAP.DBF (tables added since it was made); "
                   "they were left as they are.");
  ASSERT_TRUE(RestoreDataFiles(other.path(), false, nullptr, ListlessBackup::RestoreUnchecked));
  EXPECT_EQ(DataFiles(), BackupFiles());
  EXPECT_EQ(Customers(), 2);
}

TEST_F(BackupRestoreTest, AListWithoutATableAddedSinceRestoresTheOthersAndSaysSo) {
  ASSERT_TRUE(BackupDataFiles(other.path()));
  QByteArray list = BackupManifest::TextIn(other.path());
  const qsizetype line = list.indexOf("file\tCUSTLANG.DBF");
  ASSERT_GE(line, 0);
  list.remove(line, list.indexOf('\n', line) + 1 - line);
  WriteFile(backup(kManifestName), list);
  AddCustomer(3, "Cy", "Third memo");
  ui.expectMessage(Ui::Kind::Information,
                   "The backup does not hold CUSTLANG.DBF (tables added since it was made); "
                   "they were left as they are.");
  ASSERT_TRUE(RestoreDataFiles(other.path()));
  EXPECT_EQ(Customers(), 2);
}

TEST_F(BackupRestoreTest, AFolderInPlaceOfABackupFileIsRefusedSayingNothingChanged) {
  ASSERT_TRUE(BackupDataFiles(other.path()));
  AddCustomer(3, "Cy", "Third memo");
  const auto before = DataFiles();
  ASSERT_TRUE(QFile::remove(backup("PMT.dbf")));
  ASSERT_TRUE(QDir().mkdir(backup("PMT.dbf")));
  ui.expectMessage(Ui::Kind::Information,
                   "Unable to restore " + backup("PMT.dbf") + "\r\nIt is a folder, not a file." + kNotDone);
  ui.expectMessage(Ui::Kind::Information, kRestoreFailed);
  EXPECT_FALSE(RestoreDataFiles(other.path()));
  ASSERT_TRUE(QFile::remove(backup(kManifestName)));
  ASSERT_TRUE(QDir().mkdir(backup(kManifestName)));
  ui.expectMessage(Ui::Kind::Information, "Unable to restore " + backup(kManifestName) +
                                              "\r\nIt is a folder, not a file." + kNotDone);
  ui.expectMessage(Ui::Kind::Information, kRestoreFailed);
  EXPECT_FALSE(RestoreDataFiles(other.path(), false, nullptr, ListlessBackup::RestoreUnchecked));
  EXPECT_EQ(DataFiles(), before);
}

TEST_F(BackupRestoreTest, UnreadableOrForeignListIsRefused) {
  ASSERT_TRUE(BackupDataFiles(other.path()));
  const auto before = DataFiles();
  for (const QByteArray& list :
       {QByteArray(), QByteArray("something else\n"),
        QByteArray("tallowby backup 1\nfile\tCUST5.dbf\tbig\tabc\n"),
        BackupManifest::TextIn(other.path()).replace("CUST5.dbt", "OTHER.dbt")}) {
    WriteFile(backup(kManifestName), list);
    MessageLog log;
    EXPECT_FALSE(RestoreDataFiles(other.path()));
    ASSERT_FALSE(log.messages.isEmpty());
    EXPECT_TRUE(log.messages[0].startsWith("Unable to restore " + backup(kManifestName) + "\r\n"))
        << log.messages[0].toStdString();
    Ui::install(&ui);
    EXPECT_EQ(DataFiles(), before);
  }
}

TEST_F(BackupRestoreTest, BackupLackingADataFileLeavesTheOlderBackupAsItWas) {
  ASSERT_TRUE(BackupDataFiles(other.path()));
  const auto older = BackupFiles();
  const QByteArray list = BackupManifest::TextIn(other.path());
  AddCustomer(3, "Cy", "Third memo");
  ASSERT_TRUE(QFile::remove(path("Pur5.dbf")));
  ui.expectMessage(Ui::Kind::Information, "Unable to find " + path("Pur5.dbf") + "\r\nFunction Aborted");
  ui.expectMessage(Ui::Kind::Information, kBackupFailed);
  EXPECT_FALSE(BackupDataFiles(other.path()));
  EXPECT_EQ(BackupFiles(), older);
  EXPECT_EQ(BackupManifest::TextIn(other.path()), list);
}

TEST_F(BackupRestoreTest, CopiesCutShortInTheBackupFolderGoAtTheNextBackupOrRestore) {
  const QString leftover = backup("CUST5.dbt.tbcopy");
  WriteFile(leftover, "half a copy");
  QFile(leftover).setPermissions(QFileDevice::WriteOwner);
  ASSERT_TRUE(BackupDataFiles(other.path()));
  EXPECT_FALSE(QFile::exists(leftover));
  WriteFile(backup("INV5.dbf.tbcopy"), "half a copy");
  ASSERT_TRUE(RestoreDataFiles(other.path()));
  EXPECT_FALSE(QFile::exists(backup("INV5.dbf.tbcopy")));
}

TEST_F(BackupRestoreTest, RestoreRefusedWhileAnotherProgramUsesTheTablesSaysNothingChanged) {
  ASSERT_TRUE(BackupDataFiles(other.path()));
  AddCustomer(3, "Cy", "Third memo");
  const auto before = DataFiles();
  {
    OtherProgramHolding reading(dir.path(), false);
    progress.calls.clear();
    ui.expectMessage(Ui::Kind::Information, "The data files in " + dir.path() +
                                                " are in use by another program." + kNotDone);
    ui.expectMessage(Ui::Kind::Information, kRestoreFailed);
    EXPECT_FALSE(RestoreDataFiles(other.path()));
    EXPECT_FALSE(progress.calls.contains("show:Rebuilding Indexes"))
        << "nothing is rebuilt under the other program";
  }
  // A program that holds a table but not the folder (another tool).
  CODE4* program = code4initP();
  code4setDirectory(program, QFile::encodeName(dir.path()).toStdString());
  ASSERT_NE(d4open(program, "CUST5"), nullptr);
  {
    MessageLog log;
    EXPECT_FALSE(RestoreDataFiles(other.path()));
    ASSERT_EQ(log.messages.size(), 2);
    EXPECT_TRUE(log.messages[0].contains("CUST5.dbf is in use by another program"))
        << log.messages[0].toStdString();
    EXPECT_TRUE(log.messages[0].endsWith(kNotDone));
  }
  Ui::install(&ui);
  code4initUndoP(program);
  EXPECT_EQ(DataFiles(), before);
  EXPECT_EQ(Customers(), 3);
}

// Taking one disk out and putting the other in: the drive's folder and the
// disk kept aside exchange their files.
void ExchangeFiles(const QString& drive, const QString& aside) {
  QTemporaryDir between;
  for (const auto& [from, to] : {std::pair{drive, between.path()}, {aside, drive}, {between.path(), aside}}) {
    for (const QString& f : QDir(from).entryList(QDir::Files))
      ASSERT_TRUE(QFile::rename(QDir(from).filePath(f), QDir(to).filePath(f)));
  }
}

TEST_F(BackupRestoreTest, BackupSpanningTwoDisksCarriesItsListOnEachAndRestoresFromThem) {
  FileCopy::setRemovable([](const QString&) { return true; });
  int inv5Memo = 0;
  FileCopy::setFault([&](const QString& from, const QString&) {
    return from.endsWith("INV5.dbt") && inv5Memo++ == 0 ? FileCopy::Result::DiskFull : FileCopy::Result::Ok;
  });
  QTemporaryDir firstDisk;  // where the full disk is kept once it is taken out
  DiskSwappingUi swapping;
  swapping.onPrompt = [&] { ExchangeFiles(other.path(), firstDisk.path()); };
  swapping.expectConfirm("Disk Full. Insert another disk.INV5.dbt", true);
  ASSERT_TRUE(BackupDataFiles(other.path()));
  swapping.verifyDone();
  EXPECT_TRUE(QFile::exists(firstDisk.filePath("INV5.dbf")));
  EXPECT_TRUE(QFile::exists(backup("INV5.dbt")));
  EXPECT_EQ(BackupManifest::TextIn(firstDisk.path()), BackupManifest::TextIn(other.path()))
      << "each disk carries the whole list";

  FileCopy::setFault({});
  AddCustomer(3, "Cy", "Third memo");
  swapping.expectConfirm("Insert disk containing CUST5.dbf", true);
  swapping.expectConfirm("Insert disk containing INV5.dbt", true);
  EXPECT_TRUE(RestoreDataFiles(other.path()));
  swapping.verifyDone();
  EXPECT_EQ(Customers(), 2);

  // A second disk of another backup is refused.
  QTemporaryDir otherBackup;
  Ui::install(&ui);
  AddCustomer(4, "Di", "Fourth memo");
  ASSERT_TRUE(BackupDataFiles(otherBackup.path()));
  for (const QString& f : QDir(other.path()).entryList(QDir::Files)) {
    ASSERT_TRUE(QFile::remove(backup(f)));
    ASSERT_TRUE(QFile::copy(otherBackup.filePath(f), backup(f)));
  }
  const auto before = DataFiles();
  Ui::install(&swapping);
  swapping.expectConfirm("Insert disk containing CUST5.dbf", true);
  swapping.expectConfirm("Insert disk containing INV5.dbt", true);
  swapping.expectMessage(Ui::Kind::Information, "Unable to restore " + other.path() +
                                                    "\r\nIts files come from different backups." + kNotDone);
  swapping.expectMessage(Ui::Kind::Information, kRestoreFailed);
  EXPECT_FALSE(RestoreDataFiles(other.path()));
  swapping.verifyDone();
  Ui::install(&ui);
  EXPECT_EQ(DataFiles(), before);
}

}  // namespace
