#include "data/RestoreQuestions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "data/BackupManifest.h"
#include "data/BackupRestore.h"
#include "data/CodeBase.h"
#include "data/Schema.h"
#include "data/TableSwap.h"
#include "platform/Dates.h"
#include "platform/Ui.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(RestoreQuestions)
};

BackupManifest ListIn(const QString& folder) {
  BackupManifest list;
  QString unused;
  BackupManifest::Parse(BackupManifest::TextIn(folder), &list, &unused);
  return list;
}

}  // namespace

QString BackupMadeText(const QString& folder) {
  QDateTime made = ListIn(folder).made();
  if (!made.isValid()) {
    const QFileInfo customers(QDir(folder).filePath(ExistingName(folder, CUST5Def().fileName)));
    if (customers.isFile()) made = customers.lastModified();
  }
  if (!made.isValid()) return Tr::tr("(date unknown)");
  return FormatShortDate(DateFromQDate(made.date())) + ' ' + made.time().toString("HH:mm");
}

bool ConfirmRestore(const QString& folder, bool* withSettings, ListlessBackup* listless) {
  *withSettings = false;
  *listless = ListlessBackup::Refuse;
  if (SameFolder(folder, DataDirectory())) return true;
  //: %1: the data folder, %2: the backup's folder, %3: when the backup was made
  if (!Ui::get().confirmDestructive(Ui::Kind::Confirmation, Ui::Buttons::OkCancel,
                                    Tr::tr("Replace the data in %1 by the backup in %2, made %3?")
                                        .arg(DataDirectory(), folder, BackupMadeText(folder))))
    return false;
  if (!HasBackupList(folder)) {
    if (!Ui::get().confirmDestructive(Ui::Kind::Warning, Ui::Buttons::YesNo, UncheckedRestoreQuestion()))
      return false;
    *listless = ListlessBackup::RestoreUnchecked;
  }
  if (ListIn(folder).names().contains(KEX1Def().fileName, Qt::CaseInsensitive)) {
    *withSettings = Ui::get().confirmDestructive(
        Ui::Kind::Confirmation, Ui::Buttons::YesNo,
        Tr::tr("The backup also holds the settings: the letterhead, sales tax, report "
               "font, import folders and e-invoice details. Restore them as well?"));
  }
  return true;
}
