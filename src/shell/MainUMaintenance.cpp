// The main window's data-file commands: backup, restore, conversion of the
// earlier generation's data, the import folders, the mail merge file; and
// the start-up's check for a restore or conversion that was cut short.
#include <QDir>

#include "data/BackupRestore.h"
#include "data/CodeBase.h"
#include "data/EarlierData.h"
#include "data/TableSwap.h"
#include "data/dbFiles.h"
#include "data/forms/DriveDirU.h"
#include "data/forms/ImportDirU.h"
#include "platform/Ui.h"
#include "shell/MailMerge.h"
#include "shell/MainU.h"
#include "shell/Windows.h"

bool TMain::DataFilesInOrder() {
  QString error;
  switch (FinishInterruptedSwap(DataDirectory(), &error, &dataHold_)) {
    case SwapRecovery::None:
    case SwapRecovery::Finished:
    case SwapRecovery::Undone:
      return true;
    case SwapRecovery::Busy:
      Ui::get().information("Another program is restoring or converting the data files in " +
                            DataDirectory() + "\r\nProgram will now terminate.");
      return false;
    case SwapRecovery::Failed:
      break;
  }
  Ui::get().information("A restore or conversion that was interrupted cannot be completed:\r\n" +
                        error + "\r\nProgram will now terminate.");
  return false;
}

void TMain::BtnBackupClick() {
  const QString chosen = RunDriveDir(QStringLiteral("Choose Backup Drive & Directory"),
                                     QStringLiteral("Backup"));
  repaint();
  if (chosen.isEmpty()) return;
  BackupDataFiles(chosen);
}

void TMain::BtnRestoreClick() {
  const QString chosen = RunDriveDir(QStringLiteral("Choose Drive & Directory Containing BACKUP"),
                                     QStringLiteral("Restore"));
  if (chosen.isEmpty()) return;
  repaint();
  RestoreDataFiles(chosen);
}

void TMain::BtnUpgradeClick() {
  const QString remembered = QDir::currentPath();
  const QString preset = EarlierDataPreset({QDir::homePath(), QDir::rootPath()});
  const QString chosen =
      RunDriveDir(QStringLiteral("Choose Drive & Directory Containing Old Moorhen Data"),
                  QStringLiteral("Upgrade"), preset);
  QDir::setCurrent(remembered);
  if (chosen.isEmpty()) return;
  repaint();
  if (!ConvertEarlierData(chosen)) {
    CloseAll();
    RebuildIndexes(false);
  }
  code4autoOpen(cb, 1);
  code4accessMode(cb, OPEN4DENY_NONE);
  PackAll();
}

void TMain::BtnDirectoriesClick() {
  if (TImportdir* window = Windows().Importdir) {
    window->show();
    window->raise();
  }
}

void TMain::BtnMMergeClick() { MailMergeExport(this); }
