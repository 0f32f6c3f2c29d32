#include "data/RestoreQuestions.h"

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
  if (!made.isValid()) return QStringLiteral("(date unknown)");
  return FormatShortDate(DateFromQDate(made.date())) + ' ' + made.time().toString("HH:mm");
}

bool ConfirmRestore(const QString& folder, bool* withSettings) {
  *withSettings = false;
  if (SameFolder(folder, DataDirectory())) return true;
  if (!Ui::get().confirmDestructive(Ui::Kind::Confirmation, Ui::Buttons::OkCancel,
                                    "Replace the data in " + DataDirectory() + " by the backup in " +
                                        folder + ", made " + BackupMadeText(folder) + "?"))
    return false;
  if (ListIn(folder).names().contains(KEX1Def().fileName, Qt::CaseInsensitive)) {
    *withSettings = Ui::get().confirmDestructive(
        Ui::Kind::Confirmation, Ui::Buttons::YesNo,
        QStringLiteral("The backup also holds the settings: the letterhead, sales tax, report "
                       "font, import folders and e-invoice details. Restore them as well?"));
  }
  return true;
}
