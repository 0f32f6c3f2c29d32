// The main window's data-file commands: backup, restore, conversion of the
// earlier generation's data, the import folders, the mail merge file, the
// export of the tables; and the start-up's check for a restore or
// conversion that was cut short.
#include <QCursor>
#include <QDir>
#include <QFileDialog>

#include "data/BackupRestore.h"
#include "data/CodeBase.h"
#include "data/EarlierData.h"
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

void TMain::BtnExportClick() { Ui::get().popup(PopupMenu6, QCursor::pos()); }

void TMain::ExportDataAs(ExportFormat format) {
  // The file dialogs may change the current folder; the tables live there.
  const QString folder = QDir::currentPath();
  QString target;
  if (format == ExportFormat::Csv) {
    QFileDialog dialog(this, QStringLiteral("Export Data to CSV Files"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (Ui::get().exec(&dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      target = dialog.selectedFiles().first();
  } else if (format == ExportFormat::Sqlite) {
    target = Ui::get().saveFileName(this, QStringLiteral("Export Data to a SQLite Database"),
                                    QString(), QStringLiteral("SQLite databases (*.db)|*.db"),
                                    QStringLiteral("db"));
  } else {
    target = Ui::get().saveFileName(this, QStringLiteral("Export Data to a PostgreSQL Script"),
                                    QString(), QStringLiteral("SQL scripts (*.sql)|*.sql"),
                                    QStringLiteral("sql"));
  }
  QDir::setCurrent(folder);
  if (target.isEmpty()) return;
  repaint();
  const ExportOutcome outcome = ExportData({format, QDir(target).absolutePath()});
  QString text = outcome.done ? "The data were exported to " + target + "."
                              : "Unable to export to: " + target + "\r\n" + outcome.error;
  // The breaks in the data are told with a complete export only.
  if (outcome.done && !outcome.findings.isEmpty())
    text += "\r\n\r\nFound in the data:\r\n" + outcome.findings.join("\r\n");
  Ui::get().information(text);
}
