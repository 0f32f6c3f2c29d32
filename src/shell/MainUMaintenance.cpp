// The main window's data-file commands: backup, restore, conversion of the
// earlier generation's data, the import folders, the mail merge file, the
// export of the tables; and the start-up's check for a restore or
// conversion that was cut short.
#include <QCursor>
#include <QDir>

#include "data/BackupRestore.h"
#include "data/CodeBase.h"
#include "data/EarlierData.h"
#include "data/RestoreQuestions.h"
#include "data/Settings.h"
#include "data/TableSwap.h"
#include "data/dbFiles.h"
#include "data/forms/DriveDirU.h"
#include "data/forms/ImportDirU.h"
#include "export/DataExport.h"
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
      Ui::get().information(tr("Another program is restoring or converting the data files in "
                               "%1\r\nProgram will now terminate.")
                                .arg(DataDirectory()));
      return false;
    case SwapRecovery::Failed:
      break;
  }
  //: %1 is why (a line of its own).
  Ui::get().information(tr("A restore or conversion that was interrupted cannot be completed:\r\n"
                           "%1\r\nProgram will now terminate.")
                            .arg(error));
  return false;
}

void TMain::BtnBackupClick() {
  const QString chosen = RunDriveDir(tr("Choose Backup Drive & Directory"),
                                     //: The OK button of the folder window.
                                     tr("Backup"));
  repaint();
  if (chosen.isEmpty()) return;
  int copied = 0;
  Say(BackupDataFiles(chosen, &copied)
          ? tr("Backup: %1 files copied to %2.").arg(copied).arg(chosen)
          : tr("Backup: failed; see the message shown."));
}

void TMain::BtnRestoreClick() {
  const QString chosen = RunDriveDir(tr("Choose Drive & Directory Containing BACKUP"),
                                     //: The OK button of the folder window.
                                     tr("Restore"));
  if (chosen.isEmpty()) return;
  repaint();
  bool withSettings = false;
  ListlessBackup listless = ListlessBackup::Refuse;
  if (!ConfirmRestore(chosen, &withSettings, &listless)) return;
  int restored = 0;
  if (!RestoreDataFiles(chosen, withSettings, &restored, listless)) {
    Say(tr("Restore: failed; the data files are as they were."));
    return;
  }
  if (withSettings) {
    ReadSettings();
    ShowSettings();
  }
  Say((withSettings ? tr("Restore: %1 files restored from %2, the settings with them.")
                    : tr("Restore: %1 files restored from %2."))
          .arg(restored)
          .arg(chosen));
}

void TMain::BtnUpgradeClick() {
  const QString remembered = QDir::currentPath();
  const QString preset = EarlierDataPreset({QDir::homePath(), QDir::rootPath()});
  const QString chosen =
      RunDriveDir(tr("Choose Drive & Directory Containing Old Moorhen Data"),
                  //: The OK button of the folder window: converts the older data.
                  tr("Upgrade"), preset);
  QDir::setCurrent(remembered);
  if (chosen.isEmpty()) return;
  repaint();
  bool converted = false;
  const bool failed = !ConvertEarlierData(chosen, &converted);
  if (failed) {
    CloseAll();
    RebuildIndexes(false);
  }
  code4autoOpen(cb, 1);
  code4accessMode(cb, OPEN4DENY_NONE);
  PackAll();
  if (failed) Say(tr("Conversion: failed; the data files are as they were."));
  if (converted) Say(tr("Conversion: the data in %1 was imported.").arg(chosen));
}

void TMain::BtnDirectoriesClick() {
  if (TImportdir* window = Windows().Importdir) {
    window->show();
    window->raise();
  }
}

void TMain::BtnMMergeClick() {
  const QString done = MailMergeExport(this);
  if (!done.isEmpty()) Say(done);
}

void TMain::BtnExportClick() { Ui::get().popup(PopupMenu6, QCursor::pos()); }

void TMain::ExportDataAs(ExportFormat format) {
  // The file dialogs may change the current folder; the tables live there.
  const QString folder = QDir::currentPath();
  QString target;
  if (format == ExportFormat::Csv) {
    target = Ui::get().folderName(this, tr("Export Data to CSV Files"), QString());
  } else if (format == ExportFormat::Sqlite) {
    target = Ui::get().saveFileName(this, tr("Export Data to a SQLite Database"), QString(),
                                    //: A file dialog's filter: the description, "|", the pattern.
                                    tr("SQLite databases (*.db)|*.db"), QStringLiteral("db"));
  } else {
    target = Ui::get().saveFileName(this, tr("Export Data to a PostgreSQL Script"), QString(),
                                    //: A file dialog's filter: the description, "|", the pattern.
                                    tr("SQL scripts (*.sql)|*.sql"), QStringLiteral("sql"));
  }
  QDir::setCurrent(folder);
  if (target.isEmpty()) return;
  repaint();
  const ExportOutcome outcome = ExportData({format, QDir(target).absolutePath()});
  QString text = outcome.done ? tr("The data were exported to %1.").arg(target)
                              : tr("Unable to export to: %1\r\n%2").arg(target, outcome.error);
  // The breaks in the data are told with a complete export only.
  if (outcome.done && !outcome.findings.isEmpty())
    text += "\r\n\r\n" + tr("Found in the data:") + "\r\n" + outcome.findings.join("\r\n");
  Ui::get().information(text);
}
