// A start from the desktop menu: the company folder is asked for through
// the scripted Ui the first time, remembered, and asked for again when it
// is gone. HOME points into a temporary folder, the settings into a file
// there.
#include "shell/FirstStart.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/SupplyTables.h"
#include "platform/ScriptedUi.h"
#include "platform/TestApplication.h"
#include "shell/DataFolderU.h"

namespace {

class FirstStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureTestApplication();
    ASSERT_TRUE(home.isValid());
    previousHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
  }
  void TearDown() override { qputenv("HOME", previousHome); }

  QString settingsFile() const { return home.filePath("settings.ini"); }
  QString choose() {
    QSettings settings(settingsFile(), QSettings::IniFormat);
    return ChooseDataFolder(settings);
  }
  QString remembered() const {
    return QSettings(settingsFile(), QSettings::IniFormat).value(kDataFolderKey).toString();
  }
  // The dialog's next showing: the choice, the folder typed, and OK.
  void answer(bool createNew, const QString& folder, QStringList* notes = nullptr) {
    ui.onDialog<TDataFolder>([=](TDataFolder* d) {
      if (notes) notes->append(d->Label1->text());
      (createNew ? d->RadioButton1 : d->RadioButton2)->click();
      if (!folder.isNull()) d->Edit1->setText(folder);
      d->BtnOK->click();
    });
  }
  void answerCancel() {
    ui.onDialog<TDataFolder>([](TDataFolder* d) { d->BtnCancel->click(); });
  }
  static QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
  }

  QTemporaryDir home;
  QByteArray previousHome;
  ScriptedUi ui;
};

TEST_F(FirstStartTest, NewCompanyFolderHoldsTheSuppliedTablesAndIsRemembered) {
  QString proposed;
  ui.onDialog<TDataFolder>([&](TDataFolder* d) {
    proposed = d->Edit1->text();
    EXPECT_TRUE(d->RadioButton1->isChecked());
    d->BtnOK->click();
  });
  const QString folder = home.filePath("Tallowby");
  EXPECT_EQ(choose(), folder);
  EXPECT_EQ(proposed, folder);
  EXPECT_TRUE(HoldsTables(folder));
  // Exactly what `tallowby-db init` writes.
  QTemporaryDir init;
  QString error;
  ASSERT_TRUE(WriteSuppliedTables(init.path(), &error)) << error.toStdString();
  EXPECT_EQ(entries(folder), entries(init.path()));
  EXPECT_EQ(entries(home.path()), QStringList({"Tallowby", "settings.ini"})) << "nothing left beside";
  EXPECT_EQ(remembered(), folder);

  // A later start opens it without asking (an unexpected dialog would fail).
  ScriptedUi quiet;
  EXPECT_EQ(choose(), folder);
  EXPECT_EQ(quiet.transcript(), QStringList());
}

TEST_F(FirstStartTest, ExistingFolderMustHoldTheTables) {
  const QString company = home.filePath("Acme");
  const QString empty = home.filePath("Empty");
  QString error;
  ASSERT_TRUE(QDir().mkpath(company) && QDir().mkpath(empty));
  ASSERT_TRUE(WriteSuppliedTables(company, &error)) << error.toStdString();

  ui.onDialog<TDataFolder>([&](TDataFolder* d) {
    answer(false, "~/Acme");  // the next showing
    d->RadioButton2->click();
    d->Edit1->setText(empty);
    d->BtnOK->click();
  });
  ui.expectMessage(Ui::Kind::Information,
                   "The folder " + empty + " does not hold Tallowby's tables.");
  EXPECT_EQ(choose(), company);
  EXPECT_EQ(remembered(), company);
  EXPECT_TRUE(entries(empty).isEmpty());
  ui.verifyDone();
}

TEST_F(FirstStartTest, CancelEndsWithoutWritingAnything) {
  answerCancel();
  EXPECT_EQ(choose(), QString());
  EXPECT_TRUE(entries(home.path()).isEmpty()) << entries(home.path()).join(", ").toStdString();
}

TEST_F(FirstStartTest, NewCompanyNeedsANewOrEmptyFolder) {
  const QString used = home.filePath("Letters");
  ASSERT_TRUE(QDir().mkpath(used));
  QFile note(used + "/note.txt");
  ASSERT_TRUE(note.open(QIODevice::WriteOnly));
  note.close();
  const QString empty = home.filePath("New/Company");
  ASSERT_TRUE(QDir().mkpath(empty));

  ui.onDialog<TDataFolder>([&](TDataFolder* d) {
    answer(true, empty);  // the next showing
    d->Edit1->setText(used);
    d->BtnOK->click();
  });
  ui.expectMessage(Ui::Kind::Information,
                   "The folder " + used +
                       " is not empty; a new company needs a new or empty folder.");
  EXPECT_EQ(choose(), empty);
  EXPECT_EQ(entries(used), QStringList({"note.txt"}));
  EXPECT_TRUE(HoldsTables(empty));
  EXPECT_EQ(entries(home.filePath("New")), QStringList({"Company"}));
  ui.verifyDone();
}

TEST_F(FirstStartTest, RememberedFolderThatVanishedIsAskedForAgain) {
  const QString gone = home.filePath("Gone");
  {
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.setValue(kDataFolderKey, gone);
  }
  QStringList notes;
  answer(true, QString(), &notes);
  const QString folder = home.filePath("Tallowby");
  EXPECT_EQ(choose(), folder);
  ASSERT_EQ(notes.size(), 1);
  EXPECT_TRUE(notes[0].startsWith("The company folder " + gone + " is not there any more."))
      << notes[0].toStdString();
  EXPECT_EQ(remembered(), folder);
  EXPECT_FALSE(QFileInfo::exists(gone));

  // A folder that is there but lost a table is asked for again, too.
  ASSERT_TRUE(QFile::remove(folder + "/PMT.dbf"));
  notes.clear();
  ui.onDialog<TDataFolder>([&](TDataFolder* d) {
    notes << d->Label1->text();
    d->BtnCancel->click();
  });
  EXPECT_EQ(choose(), QString());
  ASSERT_EQ(notes.size(), 1);
  EXPECT_TRUE(notes[0].startsWith("The company folder " + folder +
                                  " no longer holds Tallowby's tables."))
      << notes[0].toStdString();
  EXPECT_EQ(remembered(), folder) << "a cancel writes nothing";
}

TEST_F(FirstStartTest, BrowseChoosesTheFolderThroughTheUi) {
  const QString company = home.filePath("Books");
  ASSERT_TRUE(QDir().mkpath(company));
  ui.onDialog<QFileDialog>([&](QFileDialog* d) {
    EXPECT_EQ(d->fileMode(), QFileDialog::Directory);
    d->setDirectory(home.path());
    d->selectFile(company);
    static_cast<QDialog*>(d)->accept();  // QFileDialog::accept, as its Choose button
  });
  ui.onDialog<TDataFolder>([&](TDataFolder* d) {
    d->BtnBrowse->click();
    EXPECT_EQ(d->Edit1->text(), company);
    d->BtnOK->click();
  });
  EXPECT_EQ(choose(), company);
  EXPECT_TRUE(HoldsTables(company));
}

}  // namespace
