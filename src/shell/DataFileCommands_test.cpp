// Backup, restore, the conversion's folder picker, the import folders, the
// mail merge file and the export, run through the main window's controls; and the
// start-up finishing a restore that was cut short, removing what killed
// work left, and keeping off a folder another program is restoring.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QStatusBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>

#include "data/CodeBase.h"
#include "data/RestoreQuestions.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "data/forms/DriveDirU.h"
#include "data/forms/ImportDirU.h"
#include "printing/MultGroupU.h"
#include "shell/MailMerge.h"
#include "shell/TestSupport.h"
#include "shell/Windows.h"

namespace {

QByteArray Read(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void AddCustomer(long cuno, int group, const QString& last, const QString& zip) {
  ASSERT_TRUE(OpenCUST5());
  d4appendBlank(Cust5.d);
  CustBuf = {};
  CustBuf.cuno = cuno;
  CustBuf.ngroup = group;
  CustBuf.title = "Mr.";
  CustBuf.first = "  Al ";
  CustBuf.last = last;
  CustBuf.addr1 = "Shop of " + last;
  CustBuf.addr2 = "1 Road";
  CustBuf.zip = zip;
  WriteCustomer();
  CloseAll();
}

void AddGroups(int count) {
  ASSERT_TRUE(OpenGROUPS());
  for (int g = 1; g <= count; ++g) {
    d4appendBlank(Groups.d);
    GroupBuf = {g, "Group " + QString::number(g)};
    WriteGroup();
  }
  CloseAll();
}

long Customers() {
  OpenCUST5();
  const long n = d4recCountDo(Cust5.d);
  CloseAll();
  return n;
}

class DataFileCommandsTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ASSERT_TRUE(other.isValid());
    start();
    AddCustomer(1, 1, "Zeta", "90210");
    AddCustomer(2, 2, "Alpha", "10001");
  }

  // The picker answers with folder (OK), or is cancelled ("").
  void pick(const QString& folder, QString* caption = nullptr, QString* ok = nullptr) {
    ui.onDialog<TDriveDir>([=, this](TDriveDir* d) {
      if (caption) *caption = d->windowTitle();
      if (ok) *ok = d->BtnOK->text();
      if (folder.isEmpty()) {
        d->BtnCancel->click();
        return;
      }
      d->setDirectory(folder);
      d->BtnOK->click();
    });
  }

  // The two questions of a restore from other, answered.
  void expectRestoreQuestions(bool replace, bool settings) {
    ui.expectConfirm("Replace the data in " + dir.path() + " by the backup in " + other.path() +
                         ", made " + BackupMadeText(other.path()) + "?",
                     replace);
    if (!replace) return;
    ui.expectConfirm(QStringLiteral("The backup also holds the settings: the letterhead, sales "
                                    "tax, report font, import folders and e-invoice details. "
                                    "Restore them as well?"),
                     settings);
  }
  QString statusLine() const { return main()->StatusBar1->currentMessage(); }

  QTemporaryDir other;
};

TEST_F(DataFileCommandsTest, BackupAndRestoreThroughThePicker) {
  QString caption, ok;
  pick(other.path(), &caption, &ok);
  find<QToolButton>("BtnBackup")->click();
  EXPECT_EQ(caption, "Choose Backup Drive & Directory");
  EXPECT_EQ(ok, "Backup");
  EXPECT_EQ(Read(other.filePath("CUST5.dbf")), Read(dir.filePath("CUST5.dbf")));
  EXPECT_EQ(QDir::currentPath(), dir.path()) << "the data folder stays the current one";

  EXPECT_EQ(statusLine(), "Backup: 26 files copied to " + other.path() + ".");

  AddCustomer(3, 1, "Gamma", "50000");
  pick(other.path(), &caption, &ok);
  expectRestoreQuestions(true, false);
  find<QToolButton>("BtnRestore")->click();
  EXPECT_EQ(caption, "Choose Drive & Directory Containing BACKUP");
  EXPECT_EQ(ok, "Restore");
  EXPECT_EQ(Customers(), 2);
  EXPECT_TRUE(progress.contains("show:Rebuilding Indexes"));
  EXPECT_EQ(statusLine(), "Restore: 23 files restored from " + other.path() + ".");

  pick(dir.path());
  ui.expectMessage(Ui::Kind::Information, "Backup must be to a different drive and/or directory");
  find<QToolButton>("BtnBackup")->click();
  EXPECT_EQ(statusLine(), "Backup: failed; see the message shown.");
}

TEST_F(DataFileCommandsTest, RestoreAsksBeforeReplacingTheDataAndCancelChangesNothing) {
  pick(other.path());
  find<QToolButton>("BtnBackup")->click();
  AddCustomer(3, 1, "Gamma", "50000");
  progress.clear();
  pick(other.path());
  expectRestoreQuestions(false, false);
  find<QToolButton>("BtnRestore")->click();
  EXPECT_EQ(Customers(), 3);
  EXPECT_TRUE(progress.isEmpty()) << "nothing copied, nothing rebuilt";
  EXPECT_EQ(ui.destructiveConfirmations().size(), 1) << "Cancel is the default";
}

TEST_F(DataFileCommandsTest, RestoringTheSettingsPutsTheirReportFontInUseAtOnce) {
  Settings().FontSize = 14;
  WriteSettings();
  pick(other.path());
  find<QToolButton>("BtnBackup")->click();
  Settings().FontSize = 11;
  WriteSettings();
  pick(other.path());
  expectRestoreQuestions(true, true);
  find<QToolButton>("BtnRestore")->click();
  EXPECT_EQ(Settings().FontSize, 14);
  EXPECT_TRUE(find<QLineEdit>("Edit1")->text().endsWith("@14")) << find<QLineEdit>("Edit1")->text().toStdString();
  EXPECT_EQ(statusLine(),
            "Restore: 26 files restored from " + other.path() + ", the settings with them.");
}

TEST_F(DataFileCommandsTest, CancelledPickerDoesNothing) {
  pick("");
  find<QToolButton>("BtnRestore")->click();
  pick("");
  find<QToolButton>("BtnUpgrade")->click();
  EXPECT_TRUE(ChosenDir.isEmpty());
  EXPECT_TRUE(progress.isEmpty());
  EXPECT_EQ(QDir::currentPath(), dir.path());
  EXPECT_FALSE(QFile::exists(other.filePath("CUST5.dbf")));
}

TEST_F(DataFileCommandsTest, PickerListsTheFolderAndItsFilesAndRefusesAnUnreadableDrive) {
  QDir(other.path()).mkdir("sub");
  QFile(other.filePath("file.txt")).open(QIODevice::WriteOnly);
  TDriveDir* picker = Windows().DriveDir;
  QString shown;
  ui.onDialog<TDriveDir>([&](TDriveDir* d) {
    d->setDirectory(other.path());
    QStringList files;
    for (int i = 0; i < d->FileListBox1->count(); ++i) files << d->FileListBox1->item(i)->text();
    EXPECT_EQ(files, QStringList{"file.txt"});
    QListWidgetItem* last = d->DirectoryListBox1->item(d->DirectoryListBox1->count() - 1);
    EXPECT_EQ(last->text().trimmed(), "sub");
    d->DirectoryListBox1Change(last);
    EXPECT_EQ(d->directory(), other.filePath("sub"));
    d->DriveComboBox1->addItem("/nowhere", "/nowhere/at/all");
    d->DriveComboBox1->setCurrentIndex(d->DriveComboBox1->count() - 1);
    ui.expectMessage(Ui::Kind::Information, "Unable to read from drive /nowhere/at/all");
    d->DriveComboBox1Change();
    EXPECT_NE(d->DriveComboBox1->currentData().toString(), "/nowhere/at/all");
    EXPECT_TRUE(QDir(d->directory()).exists()) << "back on the drive shown before";
    shown = d->directory();
    d->BtnOK->click();
  });
  EXPECT_EQ(RunDriveDir("Pick", "OK"), shown);
  EXPECT_EQ(picker->windowTitle(), "Pick");
}

TEST_F(DataFileCommandsTest, EnterOrADoubleClickOpensAFolderAndOnlyTheButtonChooses) {
  for (int i = 10; i < 50; ++i) QDir(other.path()).mkdir(QString("sub%1").arg(i));
  const auto rowOf = [](QListWidget* list, const QString& name) {
    for (int r = 0; r < list->count(); ++r)
      if (list->item(r)->text().trimmed() == name) return r;
    return -1;
  };
  ui.onDialog<TDriveDir>([&](TDriveDir* d) {
    d->setDirectory(other.path());
    QListWidget* list = d->DirectoryListBox1;
    EXPECT_EQ(d->focusWidget(), list) << "the focus starts in the list";
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(list->currentItem()->text().trimmed(), "sub49");
    EXPECT_GT(list->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum())
        << "the list scrolls to the last folder";

    list->setCurrentRow(rowOf(list, "sub10"));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(d->directory(), other.filePath("sub10")) << "Enter opens the folder";
    EXPECT_TRUE(d->isVisible()) << "and runs nothing";
    EXPECT_EQ(d->PathEdit->text(), other.filePath("sub10"));

    d->setDirectory(other.path());
    list->scrollToItem(list->item(rowOf(list, "sub11")));
    const QRect cell = list->visualItemRect(list->item(rowOf(list, "sub11")));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(d->directory(), other.filePath("sub11")) << "a double click opens it too";

    d->PathEdit->setText(other.filePath("sub12"));
    QTest::keyClick(d->PathEdit, Qt::Key_Return);
    EXPECT_EQ(d->directory(), other.filePath("sub12"));
    d->PathEdit->setText(other.filePath("none"));
    ui.expectMessage(Ui::Kind::Information, "No such folder: " + other.filePath("none"));
    QTest::keyClick(d->PathEdit, Qt::Key_Return);
    EXPECT_EQ(d->directory(), other.filePath("sub12"));
    EXPECT_TRUE(d->isVisible());

    ui.expectInput("New Folder", "Monday");
    d->BtnNewFolder->click();
    EXPECT_EQ(d->directory(), other.filePath("sub12/Monday"));
    EXPECT_TRUE(QDir(other.filePath("sub12/Monday")).exists());
    d->BtnOK->click();
  });
  EXPECT_EQ(RunDriveDir("Pick", "OK"), other.filePath("sub12/Monday"));
}

TEST_F(DataFileCommandsTest, ConversionPickerStartsFromTheChosenFolderAndPacksAfterwards) {
  pick(other.path());
  ui.expectMessage(Ui::Kind::Information, "Data files not found in " + other.path());
  find<QToolButton>("BtnUpgrade")->click();
  EXPECT_EQ(Customers(), 2) << "nothing converted";
  EXPECT_TRUE(progress.contains("show:Packing Data Files")) << "packed whatever the outcome";
}

TEST_F(DataFileCommandsTest, AConversionSaysInTheStatusBarThatItIsDone) {
  QProcess python;
  python.start("python3", {qEnvironmentVariable("TB_SOURCE_DIR") + "/src/data/testdata/earlier_tables.py",
                           other.path()});
  if (!python.waitForFinished(60000) || python.exitCode() != 0)
    GTEST_SKIP() << "python3 with the dbf module is not installed";
  pick(other.path());
  ui.expectConfirm("Warning: All previously entered data will be overwritten", true);
  find<QToolButton>("BtnUpgrade")->click();
  EXPECT_EQ(statusLine(), "Conversion: the data in " + other.path() + " was imported.");
}

TEST_F(DataFileCommandsTest, ImportFoldersAreReadAndSavedAndBrowsingCanEmptyThem) {
  WriteImportDirs("/srv/info", "/srv/orders");
  find<QPushButton>("BtnDirectories")->click();
  TImportdir* window = Windows().Importdir;
  ASSERT_TRUE(window->isVisible()) << "shown without waiting for it";
  EXPECT_EQ(window->windowTitle(), "Import Directories");
  EXPECT_EQ(window->Edit1->text(), "/srv/info");
  EXPECT_EQ(window->Edit2->text(), "/srv/orders");

  QString caption;
  pick(other.path(), &caption);
  window->BInfo->click();
  EXPECT_EQ(caption, "Choose Customer Info Directory");
  EXPECT_EQ(window->Edit1->text(), other.path());
  pick("", &caption);
  window->BOrder->click();
  EXPECT_EQ(caption, "Choose Order File Directory");
  EXPECT_EQ(window->Edit2->text(), "") << "a cancelled picker empties the field";
  window->BCancel->click();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(ReadImportFolders().InfoDir, "/srv/info") << "Cancel writes nothing";

  find<QPushButton>("BtnDirectories")->click();
  window->Edit1->setText(QString(130, 'i'));
  window->Edit2->setText("/srv/new orders");
  window->BSave->click();
  EXPECT_FALSE(window->isVisible());
  const ImportFolders stored = ReadImportFolders();
  EXPECT_EQ(stored.InfoDir, QString(126, 'i'));
  EXPECT_EQ(stored.OrderDir, "/srv/new orders");
}

TEST_F(DataFileCommandsTest, MailMergeWritesTheChosenGroupsInPostalCodeOrder) {
  AddCustomer(3, 3, "Beta", "00500");
  AddCustomer(4, 1, "", "");  // empty fields still give eight columns
  const QString file = other.filePath("merge.doc");
  QFile existing(file);
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.write(QByteArray(5000, 'x'));
  existing.close();

  ui.onDialog<TMultGroup>([](TMultGroup* g) {
    QListWidget* list = g->findChild<QListWidget*>("ListBox1");
    for (int i = 0; i < list->count(); ++i)
      if (!list->item(i)->text().startsWith(" 3")) list->item(i)->setSelected(true);
    g->findChild<QPushButton*>("BtnRun")->click();
  });
  AddGroups(3);
  ui.expectSaveFile(file);
  find<QToolButton>("BtnMMerge")->click();
  EXPECT_EQ(ui.lastFilePrompt().defaultSuffix, "doc");
  EXPECT_TRUE(ui.lastFilePrompt().filter.startsWith("Delimited files (*.doc)|*.doc"));
  EXPECT_EQ(Read(file),
            "Title\tFirstName\tLastName\tCompany\tAddr1\tAddr2\tAddr3\tPostalCode\r\n"
            "Mr.\tAl\t\tShop of\t1 Road\t\t\t\r\n"
            "Mr.\tAl\tAlpha\tShop of Alpha\t1 Road\t\t\t10001\r\n"
            "Mr.\tAl\tZeta\tShop of Zeta\t1 Road\t\t\t90210\r\n")
      << "group 3 left out, the existing file replaced";
  EXPECT_EQ(progress.join(","), "0,show:Exporting Mail Merge File,25,50,75,100,0,hide")
      << "every customer counted, chosen or not";
  EXPECT_EQ(statusLine(), "Mail merge: 3 customers written to " + file + ".");
  EXPECT_EQ(QDir::currentPath(), dir.path());
}

TEST_F(DataFileCommandsTest, MailMergeWithoutGroupsOrFileNameWritesNothing) {
  AddGroups(2);
  ui.onDialog<TMultGroup>([](TMultGroup* g) { g->findChild<QPushButton*>("BtnCancel")->click(); });
  find<QToolButton>("BtnMMerge")->click();
  ui.onDialog<TMultGroup>([](TMultGroup* g) { g->findChild<QPushButton*>("BtnAll")->click();
                                              g->findChild<QPushButton*>("BtnRun")->click(); });
  ui.expectSaveFile("");
  find<QToolButton>("BtnMMerge")->click();
  ui.expectSaveFile(other.filePath("no/such/folder/merge.doc"));
  ui.expectMessage(Ui::Kind::Information, "Unable to save to: " + other.filePath("no/such/folder/merge.doc"));
  find<QToolButton>("BtnMMerge")->click();
  EXPECT_EQ(Cust5.d, nullptr) << "every table closed";
}

// The rows of a query on a SQLite file, by Debian's sqlite3 shell.
QString SqliteAnswer(const QString& db, const QString& query) {
  QProcess shell;
  shell.start("sqlite3", {"-batch", db, query});
  EXPECT_TRUE(shell.waitForFinished(60000) && shell.exitCode() == 0)
      << shell.readAllStandardError().toStdString();
  return QString::fromUtf8(shell.readAllStandardOutput()).trimmed();
}

TEST_F(DataFileCommandsTest, ExportDataToSqliteThroughItsMenuWithTheProgressBox) {
  const QString file = other.filePath("books.db");
  ui.expectPopup("ExportSQLite1");
  ui.expectSaveFile(file);
  ui.expectMessage(Ui::Kind::Information,
                   "The data were exported to " + file + ".\r\n\r\nFound in the data:\r\n"
                   "customers.group_no -> customer_groups.group_no: no foreign key; "
                   "rows naming a missing customer_groups row: 2");
  find<QToolButton>("BtnExport")->click();
  ui.verifyDone();
  EXPECT_EQ(ui.lastFilePrompt().defaultSuffix, "db");
  EXPECT_EQ(SqliteAnswer(file, "SELECT customer_no, last_name FROM customers ORDER BY customer_no"),
            "1|Zeta\n2|Alpha");
  EXPECT_EQ(progress.first(), "0");
  EXPECT_TRUE(progress.contains("show:Exporting Data"));
  EXPECT_EQ(progress.mid(progress.size() - 3).join(","), "100,0,hide");
  EXPECT_EQ(Cust5.d, nullptr) << "every table closed";
  EXPECT_EQ(QDir::currentPath(), dir.path());
}

TEST_F(DataFileCommandsTest, ExportDataToCsvFilesInAChosenFolderSaysWhatItFound) {
  AddCustomer(2, 1, "Twin", "10002");
  const QString folder = other.filePath("books");
  ASSERT_TRUE(QDir().mkpath(folder));
  ui.expectPopup("ExportCSV1");
  ui.expectFolder(folder);
  ui.expectMessage(Ui::Kind::Information,
                   "The data were exported to " + folder + ".\r\n\r\nFound in the data:\r\n"
                   "customers.customer_no: not declared a primary key; rows that share a value: 2\r\n"
                   "customers.group_no -> customer_groups.group_no: no foreign key; "
                   "rows naming a missing customer_groups row: 3\r\n"
                   "invoices.customer_no -> customers.customer_no: no foreign key; "
                   "customers.customer_no is not a primary key\r\n"
                   "customer_einvoice.customer_no -> customers.customer_no: no foreign key; "
                   "customers.customer_no is not a primary key\r\n"
                   "customer_language.customer_no -> customers.customer_no: no foreign key; "
                   "customers.customer_no is not a primary key\r\n"
                   "quotes.customer_no -> customers.customer_no: no foreign key; "
                   "customers.customer_no is not a primary key");
  find<QToolButton>("BtnExport")->click();
  ui.verifyDone();
  EXPECT_EQ(Read(folder + "/customer_groups.csv"), "group_no,name\r\n");
  EXPECT_TRUE(Read(folder + "/customers.csv").contains("\r\n2,Mr.,  Al,Twin,Shop of Twin,1 Road,"));
}

TEST_F(DataFileCommandsTest, ExportDataThatFailsOrIsCancelledSaysSoAndWritesNothing) {
  const QString file = other.filePath("no/such/folder/books.sql");
  ui.expectPopup("ExportPostgreSQL1");
  ui.expectSaveFile(file);
  ui.expectMessage(Ui::Kind::Information, "Unable to export to: " + file + "\r\n" +
                                              other.filePath("no/such/folder") + ": no such folder");
  find<QToolButton>("BtnExport")->click();
  ui.expectPopup("ExportSQLite1");
  ui.expectSaveFile("");
  find<QToolButton>("BtnExport")->click();
  ui.expectPopup("");
  find<QToolButton>("BtnExport")->click();
  ui.verifyDone();
  EXPECT_TRUE(QDir(other.path()).isEmpty());
  EXPECT_EQ(QDir::currentPath(), dir.path());
}

class InterruptedRestoreTest : public ShellTest {};

TEST_F(InterruptedRestoreTest, StartFinishesACommittedRestoreAndRebuildsItsIndexes) {
  buildIndexes();
  const QString staging = dir.filePath(".tbswap");
  ASSERT_TRUE(QDir(dir.path()).mkdir(".tbswap"));
  for (const char* f : {"CUST5.dbf", "CUST5.dbt"})
    ASSERT_TRUE(QFile::copy(dir.filePath(f), staging + "/" + f + ".old"));
  StartEngine(dir.path());
  AddCustomer(1, 1, "Restored", "1");
  EndEngine();
  // Killed after the commit point: the memo file was put in place, the
  // table was not yet.
  ASSERT_TRUE(QFile::rename(dir.filePath("CUST5.dbf"), staging + "/CUST5.dbf"));
  ASSERT_TRUE(QFile::rename(staging + "/CUST5.dbf.old", dir.filePath("CUST5.dbf")));
  QFile journal(staging + "/journal");
  ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
  journal.write("tallowby swap 1\nput\tCUST5.dbf\tCUST5.dbf\nput\tCUST5.dbt\tCUST5.dbt\n"
                "remove\tcName.ntx\nremove\tCUST5.cgp\n");
  journal.close();

  start();
  EXPECT_FALSE(QFile::exists(staging));
  EXPECT_EQ(Customers(), 1);
  ASSERT_TRUE(OpenCUST5()) << "the start-up rebuilt the removed indexes";
  EXPECT_EQ(d4seek(Cust5.d, "RESTORED"), 0);
  CloseAll();
}

// What another program gets when it asks for the folder now: 0 granted, 1 refused.
int OtherProgramAsks(const QString& folder, const char* how) {
  return QProcess::execute("flock", {"--nonblock", how, folder, "true"});
}

TEST_F(InterruptedRestoreTest, StartRemovesWhatKilledWorkLeftAndHoldsTheFolderWhileItRuns) {
  buildIndexes();
  for (const char* f : {"cName.ntx.tmp", "CUST5.dbt.tbcopy"}) {
    QFile half(dir.filePath(f));
    ASSERT_TRUE(half.open(QIODevice::WriteOnly));
  }
  start();
  EXPECT_FALSE(main()->ended());
  EXPECT_FALSE(QFile::exists(dir.filePath("cName.ntx.tmp")));
  EXPECT_FALSE(QFile::exists(dir.filePath("CUST5.dbt.tbcopy")));
  EXPECT_EQ(OtherProgramAsks(dir.path(), "--shared"), 0) << "others may read";
  EXPECT_EQ(OtherProgramAsks(dir.path(), "--exclusive"), 1) << "but not restore";
}

TEST_F(InterruptedRestoreTest, StartWhileAnotherProgramRestoresSaysSoAndTouchesNothing) {
  buildIndexes();
  QProcess restoring;  // holds the folder as a restore does
  restoring.start("flock", {"--no-fork", "--exclusive", dir.path(), "sleep", "600"});
  ASSERT_TRUE(restoring.waitForStarted());
  for (int i = 0; i < 500 && OtherProgramAsks(dir.path(), "--shared") == 0; ++i) QThread::msleep(10);
  const auto before = files();
  ui.expectMessage(Ui::Kind::Information, "Another program is restoring or converting the data files in " +
                                              DataDirectory() + "\r\nProgram will now terminate.");
  start();
  EXPECT_TRUE(main()->ended());
  EXPECT_EQ(main()->exitCode(), 1);
  EXPECT_EQ(files(), before);
  restoring.kill();
  restoring.waitForFinished();
}

}  // namespace
