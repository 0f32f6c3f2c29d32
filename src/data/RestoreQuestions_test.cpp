// The questions before a restore replaces the data: what they name, which
// are asked, and that Enter alone never agrees.
#include "data/RestoreQuestions.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include "data/BackupManifest.h"
#include "data/BackupRestore.h"
#include "data/TestSupport.h"
#include "platform/Language.h"

namespace {

const QString kSettingsQuestion = QStringLiteral(
    "The backup also holds the settings: the letterhead, sales tax, report font, import folders "
    "and e-invoice details. Restore them as well?");

class RestoreQuestionsTest : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    ASSERT_TRUE(BackupDataFiles(other.path()));
  }
  QString replaceQuestion(const QString& made) const {
    return "Replace the data in " + dir.path() + " by the backup in " + other.path() + ", made " +
           made + "?";
  }
  QTemporaryDir other;
  ListlessBackup listless = ListlessBackup::RestoreUnchecked;
};

TEST_F(RestoreQuestionsTest, AskToReplaceTheDataThenWhetherToRestoreTheSettingsNoTheDefault) {
  bool withSettings = true;
  ui.expectConfirm(Ui::Buttons::OkCancel, replaceQuestion("03/15/26 10:00"), true);
  ui.expectConfirm(Ui::Buttons::YesNo, kSettingsQuestion, false);
  EXPECT_TRUE(ConfirmRestore(other.path(), &withSettings, &listless));
  EXPECT_FALSE(withSettings);
  ui.expectConfirm(replaceQuestion("03/15/26 10:00"), true);
  ui.expectConfirm(kSettingsQuestion, true);
  EXPECT_TRUE(ConfirmRestore(other.path(), &withSettings, &listless));
  EXPECT_TRUE(withSettings);
  EXPECT_EQ(ui.destructiveConfirmations().size(), 4) << "Cancel and No are the defaults";
}

TEST_F(RestoreQuestionsTest, TheQuestionsAreAskedInTheUsersLanguage) {
  EnsureTestApplication();  // for the translations
  bool withSettings = false;
  {
    DocumentLanguage german("de");
    ui.expectConfirm("Die Daten in " + dir.path() + " durch die Datensicherung in " + other.path() +
                         " vom " + BackupMadeText(other.path()) + " ersetzen?",
                     true);
    ui.expectConfirm(
        "Die Datensicherung enthält auch die Einstellungen: Briefkopf, Umsatzsteuer, "
        "Berichtsschrift, Importordner und E-Rechnungsangaben. Sollen diese ebenfalls "
        "wiederhergestellt werden?",
        true);
    EXPECT_TRUE(ConfirmRestore(other.path(), &withSettings, &listless));
    EXPECT_TRUE(withSettings);
  }
  {
    DocumentLanguage french("fr");
    ui.expectConfirm("Remplacer les données de " + dir.path() + " par la sauvegarde de " +
                         other.path() + ", faite le " + BackupMadeText(other.path()) + " ?",
                     false);
    EXPECT_FALSE(ConfirmRestore(other.path(), &withSettings, &listless));
    EXPECT_EQ(BackupMadeText(QTemporaryDir().path()), "(date inconnue)");
  }
  EXPECT_EQ(BackupMadeText(QTemporaryDir().path()), "(date unknown)");
}

TEST_F(RestoreQuestionsTest, CancelReplacesNothingAndAsksNoMore) {
  bool withSettings = true;
  ui.expectConfirm(replaceQuestion("03/15/26 10:00"), false);
  EXPECT_FALSE(ConfirmRestore(other.path(), &withSettings, &listless));
  EXPECT_FALSE(withSettings);
}

TEST_F(RestoreQuestionsTest, ABackupWithoutSettingsOrListIsDatedByItsCustomerTable) {
  EnsureTestApplication();  // for the translations
  ASSERT_TRUE(QFile::remove(other.filePath(kManifestName)));
  QFile customers(other.filePath("CUST5.dbf"));
  ASSERT_TRUE(customers.open(QIODevice::ReadWrite));
  ASSERT_TRUE(customers.setFileTime(QDateTime(QDate(2025, 12, 24), QTime(17, 5)),
                                    QFileDevice::FileModificationTime));
  customers.close();
  bool withSettings = true;
  const QString unchecked = QStringLiteral(
      "This backup has no list of its files (made by an earlier version); restore it without checking?");
  ui.expectConfirm(replaceQuestion("12/24/25 17:05"), true);
  ui.expectConfirm(Ui::Buttons::YesNo, unchecked, true);  // and no question on the settings
  EXPECT_TRUE(ConfirmRestore(other.path(), &withSettings, &listless));
  EXPECT_FALSE(withSettings);
  EXPECT_EQ(listless, ListlessBackup::RestoreUnchecked);
  ui.expectConfirm(replaceQuestion("12/24/25 17:05"), true);
  ui.expectConfirm(unchecked, false);
  EXPECT_FALSE(ConfirmRestore(other.path(), &withSettings, &listless)) << "No restores nothing";
  EXPECT_EQ(ui.destructiveConfirmations().size(), 4) << "Cancel and No are the defaults";
  {
    DocumentLanguage german("de");
    ui.expectConfirm("Die Daten in " + dir.path() + " durch die Datensicherung in " + other.path() +
                         " vom " + BackupMadeText(other.path()) + " ersetzen?",
                     true);
    ui.expectConfirm(QString::fromUtf8("Diese Datensicherung hat keine Liste ihrer Dateien (mit einer "
                                       "früheren Version erstellt); ohne Prüfung wiederherstellen?"),
                     false);
    EXPECT_FALSE(ConfirmRestore(other.path(), &withSettings, &listless));
  }
  {
    DocumentLanguage french("fr");
    ui.expectConfirm("Remplacer les données de " + dir.path() + " par la sauvegarde de " +
                         other.path() + ", faite le " + BackupMadeText(other.path()) + " ?",
                     true);
    ui.expectConfirm(QString::fromUtf8("Cette sauvegarde n'a pas de liste de ses fichiers (faite par une "
                                       "version antérieure) ; la restaurer sans vérification ?"),
                     false);
    EXPECT_FALSE(ConfirmRestore(other.path(), &withSettings, &listless));
  }

  QTemporaryDir empty;
  EXPECT_EQ(BackupMadeText(empty.path()), "(date unknown)");
}

TEST_F(RestoreQuestionsTest, TheDataFolderItselfIsLeftToTheRestoreToRefuse) {
  bool withSettings = true;
  EXPECT_TRUE(ConfirmRestore(dir.path() + "/.", &withSettings, &listless));
  EXPECT_FALSE(withSettings);
  EXPECT_TRUE(ui.transcript().isEmpty());
}

}  // namespace
