#include "shell/FirstStart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>
#include <system_error>

#include "data/Schema.h"
#include "data/SupplyTables.h"
#include "platform/Language.h"
#include "data/dbFiles.h"
#include "platform/Ui.h"
#include "shell/DataFolderU.h"

namespace {
struct Tr {
  Q_DECLARE_TR_FUNCTIONS(FirstStart)
};
}  // namespace

bool HoldsTables(const QString& folder) {
  if (!QFileInfo(folder).isDir()) return false;
  for (const TableDef* t : RequiredTables()) {
    if (!DataFileExists(QString::fromLatin1(t->fileName), folder)) return false;
  }
  return true;
}

bool CreateCompanyFolder(const QString& folder, QString* error) {
  const QDir target(folder);
  if (target.exists() && !target.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
    *error = Tr::tr("The folder %1 is not empty; a new company needs a new or empty folder.")
                 .arg(QDir::toNativeSeparators(folder));
    return false;
  }
  const QString parent = QFileInfo(folder).absolutePath();
  if (!QDir().mkpath(parent)) {
    *error = Tr::tr("Unable to create the folder %1.").arg(QDir::toNativeSeparators(parent));
    return false;
  }
  QTemporaryDir beside(parent + "/.tallowby-new-XXXXXX");
  if (!beside.isValid()) {
    *error = Tr::tr("Unable to write in the folder %1.").arg(QDir::toNativeSeparators(parent));
    return false;
  }
  QString why;
  if (!WriteSuppliedTables(beside.path(), &why, true, CurrentLanguage())) {
    *error = Tr::tr("Unable to write the tables of the new company: %1").arg(why);
    return false;
  }
  // rename(2) also takes the place of an empty folder.
  std::error_code ec;
  std::filesystem::rename(QFile::encodeName(beside.path()).toStdString(),
                          QFile::encodeName(folder).toStdString(), ec);
  if (ec) {
    *error = Tr::tr("Unable to create the folder %1: %2")
                 .arg(QDir::toNativeSeparators(folder), QString::fromLocal8Bit(ec.message()));
    return false;
  }
  beside.setAutoRemove(false);
  return true;
}

QString ChooseDataFolder(QSettings& settings) {
  const QString remembered = settings.value(kDataFolderKey).toString();
  if (!remembered.isEmpty() && HoldsTables(remembered)) return remembered;

  TDataFolder dialog;
  if (!remembered.isEmpty()) {
    const QString shown = QDir::toNativeSeparators(remembered);
    dialog.setNote(QFileInfo(remembered).isDir()
                       ? Tr::tr("The company folder %1 no longer holds Tallowby's tables.")
                             .arg(shown)
                       : Tr::tr("The company folder %1 is not there any more.").arg(shown));
  }
  for (;;) {
    if (Ui::get().exec(&dialog) != QDialog::Accepted) return QString();
    const QString folder = dialog.folder();
    const QString shown = QDir::toNativeSeparators(folder);
    if (dialog.createNew()) {
      QString error;
      if (!CreateCompanyFolder(folder, &error)) {
        Ui::get().information(error);
        continue;
      }
    } else if (!HoldsTables(folder)) {
      Ui::get().information(Tr::tr("The folder %1 does not hold Tallowby's tables.").arg(shown));
      continue;
    }
    settings.setValue(kDataFolderKey, folder);
    settings.sync();
    return folder;
  }
}
