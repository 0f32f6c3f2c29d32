#include "data/BackupRestore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "data/BackupManifest.h"
#include "data/CodeBase.h"
#include "data/Progress.h"
#include "data/ReceivedRegister.h"
#include "data/Schema.h"
#include "data/TableSwap.h"
#include "data/dbFiles.h"
#include "platform/FileCopy.h"
#include "platform/Ui.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(BackupRestore)
};

// The business tables of the designed backup, whose files are always
// copied and always restored.
std::vector<const TableDef*> BusinessTables() {
  return {&CUST5Def(), &GROUPSDef(), &INV5Def(), &ITM5Def(),
          &LABELSDef(), &PMTDef(),   &Pur5Def(), &Prod5Def()};
}

// The settings: the backup copies them, a restore brings them back only
// when asked to.
bool IsSettingsTable(const TableDef* t) {
  return t == &KEX1Def() || t == &ImpdirsDef() || t == &EINVSETDef();
}

// Every table of the program that is not one of the designed business
// tables (the settings, and the tables added since, such as the buyers'
// e-invoice details, which are restored with the business data).
std::vector<const TableDef*> AddedTables() {
  const std::vector<const TableDef*> business = BusinessTables();
  std::vector<const TableDef*> added;
  for (const TableDef* t : AllTables())
    if (std::find(business.begin(), business.end(), t) == business.end()) added.push_back(t);
  return added;
}

// A table's files: the table and, where it has one, its memo file.
QStringList FilesOf(const TableDef& t) {
  const QString table = QString::fromLatin1(t.fileName);
  if (!t.hasMemo()) return {table};
  QString memo = table;
  memo.replace(memo.size() - 1, 1, table.endsWith('F') ? QLatin1Char('T') : QLatin1Char('t'));
  return {table, memo};
}

QStringList FilesOf(const std::vector<const TableDef*>& tables) {
  QStringList files;
  for (const TableDef* t : tables) files << FilesOf(*t);
  return files;
}

// The designed files, in the designed order with the progress after each.
const std::vector<DataFileStep>& DesignedFiles() {
  static const std::vector<DataFileStep> files{
      {"CUST5.dbf", 20}, {"CUST5.dbt", 30}, {"GROUPS.dbf", 35}, {"INV5.dbf", 45},
      {"INV5.dbt", 55},  {"ITM5.dbf", 70},  {"LABELS.dbf", 75}, {"PMT.dbf", 85},
      {"Pur5.dbf", 95},  {"Prod5.dbf", 100}, {"Prod5.dbt", 100},
  };
  return files;
}

QStringList NamesOf(const std::vector<DataFileStep>& files) {
  QStringList names;
  for (const DataFileStep& f : files) names << f.name;
  return names;
}

QStringList IndexFilesOf(const std::vector<const TableDef*>& tables) {
  QStringList files;
  for (const TableDef* t : tables) files << t->indexFiles();
  return files;
}

bool Contains(const QStringList& names, const QString& name) {
  return names.contains(name, Qt::CaseInsensitive);
}

// True when both files hold the same bytes; otherwise *detail says so.
bool SameContents(const QString& a, const QString& b, QString* detail) {
  QFile fa(a), fb(b);
  if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly)) {
    *detail = Tr::tr("the copy cannot be read back");
    return false;
  }
  if (fa.size() != fb.size()) {
    *detail = Tr::tr("the copy read back differs from the original");
    return false;
  }
  constexpr qint64 kChunk = 1 << 16;
  while (!fa.atEnd()) {
    if (fa.read(kChunk) != fb.read(kChunk)) {
      *detail = Tr::tr("the copy read back differs from the original");
      return false;
    }
  }
  return true;
}

// What is said after a refusal that left the data folder as it was.
// A file to copy that is not there.
QString UnableToFind(const QString& file) {
  return Tr::tr("Unable to find %1").arg(file) + "\r\n" + Tr::tr("Function Aborted");
}

QString RestoreNotDone() { return "\r\n" + Tr::tr("The restore did not happen; nothing was changed."); }

// One run of copies between the data folder and a backup folder.
struct CopyRun {
  bool toBackup = false;
  QString folder, staging;
  std::vector<const TableDef*> tables;  // whose files are copied
  std::vector<DataFileStep> files;      // in order
  FolderHold folderHold;          // the backup folder: exclusively for a backup
  BackupManifest manifest;        // backup: written on each disk before its first file
  bool manifestOnDisk = false;
  QStringList onDisk;             // backup: the copies on the disk now in the drive
  QList<QByteArray> listsSeen;    // restore: the backup's list beside each file copied
  // A backup into a fixed folder: written beside the earlier backup and put
  // in its place only once complete, so a failure (a full disk) leaves the
  // earlier backup restorable. Removable media go disk by disk instead.
  std::unique_ptr<TableSwap> staged;
};

// Where a backup's copy of name goes: the staging folder, or the disk.
QString BackupCopyPath(const CopyRun& run, const QString& name) {
  return run.staged ? run.staged->stagedPath(name) : QDir(run.folder).filePath(ExistingName(run.folder, name));
}

// The copies on the backup disk reach it before the disk is taken out or
// the backup says it is done.
bool SyncDisk(CopyRun& run) {
  for (const QString& copy : run.onDisk) {
    if (!FileCopy::sync(copy)) {
      Ui::get().information(Tr::tr("Unable to write %1").arg(copy) + "\r\n" +
                            QString::fromLocal8Bit(std::strerror(errno)));
      return false;
    }
  }
  run.onDisk.clear();
  FileCopy::sync(run.folder);  // not every file system can sync a folder
  return true;
}

// Holds the backup folder for the run (exclusively for a backup: nobody
// restores from it or writes into it meanwhile), after removing what copies
// cut short left there. False, *error set, when another program works there.
bool HoldBackupFolder(CopyRun& run, QString* error) {
  if (run.toBackup && !FileCopy::onRemovableVolume(run.folder)) {
    run.staged = std::make_unique<TableSwap>(run.folder);
    return run.staged->begin(error);
  }
  const FolderHold::Mode mode = run.toBackup ? FolderHold::Mode::Exclusive : FolderHold::Mode::Shared;
  switch (FinishInterruptedSwap(run.folder, error, &run.folderHold, mode)) {
    case SwapRecovery::Busy:
      *error = FolderBusyReason(run.folder);
      return false;
    case SwapRecovery::Failed:
      return false;
    default:
      return true;
  }
}

// Asks for another disk; the backup folder is let go meanwhile, so that the
// disk can be taken out.
bool AskForDisk(CopyRun& run, const QString& text) {
  if (run.toBackup && !SyncDisk(run)) return false;
  run.folderHold.release();
  if (!Ui::get().confirm(Ui::Kind::Information, Ui::Buttons::OkCancel, text)) return false;
  run.manifestOnDisk = false;
  QString error;
  if (HoldBackupFolder(run, &error)) return true;
  Ui::get().information(error);
  return false;
}

// Puts one file on the backup disk (after the backup's list, on a disk that
// lacks it) or in the staging folder, and reads it back.
FileCopy::Result PutOne(CopyRun& run, const QString& source, const QString& target, QString* detail) {
  if (run.toBackup && !run.manifestOnDisk) {
    const FileCopy::Result r =
        run.manifest.writeInto(run.staged ? run.staged->stagingDir() : run.folder, detail);
    if (r != FileCopy::Result::Ok) {
      *detail = QString::fromLatin1(kManifestName) + ": " + *detail;
      return r;
    }
    run.manifestOnDisk = true;
  }
  // The received files' archive is a folder of its own in both places.
  QDir().mkpath(QFileInfo(target).absolutePath());
  FileCopy::Result r = FileCopy::copy(source, target, detail);
  if (r == FileCopy::Result::Ok && !SameContents(source, target, detail)) r = FileCopy::Result::Failed;
  return r;
}

// Copies one file: for a backup from the data folder into the backup
// folder, for a restore from it into staging. On removable media a missing
// source asks for its disk (restore) and a full or write-protected disk for
// another (backup). Every other failure is shown naming the file and the
// reason.
bool CopyOneFile(CopyRun& run, const QString& name) {
  const bool removable = FileCopy::onRemovableVolume(run.folder);
  const QString data = DataDirectory();
  QString source;
  for (;;) {
    source = run.toBackup ? QDir(data).filePath(ExistingName(data, name))
                          : QDir(run.folder).filePath(ExistingName(run.folder, name));
    if (QFileInfo(source).isFile()) break;
    if (!run.toBackup && QFileInfo(source).isDir()) {
      Ui::get().information(Tr::tr("Unable to restore %1").arg(source) + "\r\n" +
                            Tr::tr("It is a folder, not a file.") + RestoreNotDone());
      return false;
    }
    if (!run.toBackup && removable) {
      if (!AskForDisk(run, Tr::tr("Insert disk containing %1").arg(name))) return false;
      continue;
    }
    Ui::get().information(UnableToFind(source));
    return false;
  }
  for (;;) {
    const QString target = run.toBackup ? BackupCopyPath(run, name) : QDir(run.staging).filePath(name);
    QString detail;
    const FileCopy::Result r = PutOne(run, source, target, &detail);
    if (r == FileCopy::Result::Ok) {
      if (run.toBackup) run.onDisk << target;
      else run.listsSeen << BackupManifest::TextIn(run.folder);
      return true;
    }
    if (run.toBackup && removable && r == FileCopy::Result::DiskFull) {
      //: %1: the file that did not fit (no blank before it, as ever)
      if (AskForDisk(run, Tr::tr("Disk Full. Insert another disk.%1").arg(name))) continue;
      return false;
    }
    if (run.toBackup && removable && r == FileCopy::Result::WriteProtected) {
      if (AskForDisk(run, Tr::tr("Disk is Write Protected"))) continue;
      return false;
    }
    // The file as the backup folder will hold it, not its staged copy.
    const QString shown = run.toBackup ? QDir(run.folder).filePath(ExistingName(run.folder, name)) : target;
    Ui::get().information(Tr::tr("Unable to copy %1 to %2").arg(source, shown) + "\r\n" + detail);
    return false;
  }
}

// A staged backup takes the place of the earlier one, all files together
// (also across a crash: the folder's next use finishes it).
bool PutBackupInPlace(CopyRun& run) {
  if (!run.staged) return true;
  QString error;
  if (run.staged->commit(NamesOf(run.files) << QString::fromLatin1(kManifestName), {}, &error)) return true;
  Ui::get().information(error);
  return false;
}

// Every file in order with the progress box; stops at the first failure.
bool CopyDataFiles(CopyRun& run) {
  ShowProgress(true, Tr::tr("Copying Data Files"));
  SetProgress(10);
  for (const DataFileStep& f : run.files) {
    if (!CopyOneFile(run, f.name)) return false;
    SetProgress(f.progress);
  }
  return true;
}

// The designed files in their order, then those of the added tables.
std::vector<DataFileStep> StepsOf(const std::vector<const TableDef*>& added) {
  std::vector<DataFileStep> steps = DesignedFiles();
  for (const QString& name : FilesOf(added)) steps.push_back({name, 100});
  return steps;
}

// What a backup copies: the business tables and every added table the data
// folder holds (an earlier folder may lack those the program makes itself).
void PlanBackup(CopyRun& run) {
  std::vector<const TableDef*> added;
  for (const TableDef* t : AddedTables())
    if (t->required || DataFileExists(t->fileName)) added.push_back(t);
  run.tables = BusinessTables();
  run.tables.insert(run.tables.end(), added.begin(), added.end());
  run.files = StepsOf(added);
  for (const QString& name : ArchivedFiles()) run.files.push_back({name, 100});
}

// What a restore copies: the business tables, and the added tables the
// backup's list names (a backup of an earlier version holds none), the
// settings only when asked for.
void PlanRestore(CopyRun& run, const BackupManifest& list, bool withSettings) {
  std::vector<const TableDef*> added;
  for (const TableDef* t : AddedTables()) {
    if (IsSettingsTable(t) && !withSettings) continue;
    bool listed = true;
    for (const QString& f : FilesOf(*t)) listed = listed && Contains(list.names(), f);
    if (listed) added.push_back(t);
  }
  run.tables = BusinessTables();
  run.tables.insert(run.tables.end(), added.begin(), added.end());
  run.files = StepsOf(added);
  for (const QString& name : list.names())
    if (IsArchivedFileName(name)) run.files.push_back({name, 100});
}

// A backup copies nothing unless every file is there to copy, so a backup
// that cannot be made leaves the older one in the folder as it was.
bool EverySourcePresent(const CopyRun& run) {
  const QString data = DataDirectory();
  for (const DataFileStep& f : run.files) {
    const QString source = QDir(data).filePath(ExistingName(data, f.name));
    if (!QFileInfo(source).isFile()) {
      Ui::get().information(UnableToFind(source));
      return false;
    }
  }
  return true;
}

// The staged copies are the files the backup wrote: every one matches the
// backup's list, and every disk held the same list. A backup without a list
// was made by an earlier version and is taken as it is.
bool StagedFilesAreTheBackup(const CopyRun& run) {
  const QString list = QDir(run.folder).filePath(QString::fromLatin1(kManifestName));
  const auto refuse = [&](const QString& file, const QString& why) {
    Ui::get().information(Tr::tr("Unable to restore %1").arg(file) + "\r\n" + why + RestoreNotDone());
    return false;
  };
  const QList<QByteArray>& seen = run.listsSeen;
  if (seen.isEmpty() || seen.count(seen.first()) != seen.size())
    return refuse(run.folder, Tr::tr("Its files come from different backups."));
  if (seen.first().isEmpty()) return true;
  BackupManifest manifest;
  QString why;
  if (!BackupManifest::Parse(seen.first(), &manifest, &why)) return refuse(list, why);
  const QStringList known = NamesOf(StepsOf(AddedTables()));
  for (const QString& name : NamesOf(DesignedFiles()) + manifest.names()) {
    if ((!Contains(known, name) && !IsArchivedFileName(name)) || !Contains(manifest.names(), name))
      return refuse(list, Tr::tr("It lists other files than a backup of these tables."));
  }
  for (const QString& name : NamesOf(run.files)) {
    why = manifest.mismatch(name, QDir(run.staging).filePath(name));
    if (!why.isEmpty())
      return refuse(QDir(run.folder).filePath(ExistingName(run.folder, name)),
                    //: %1: which file differs from the backup's list and how
                    Tr::tr("%1: the backup was cut short, or holds files of two backups.").arg(why));
  }
  return true;
}

// The backup's list in folder (an empty one when it has none: a backup of
// an earlier version, restored only when listless says so). False, *error
// set, when it cannot be read, is empty, or is missing and not to be done
// without.
bool ReadBackupList(const QString& folder, ListlessBackup listless, BackupManifest* list, QString* error) {
  if (!HasBackupList(folder)) {
    if (listless == ListlessBackup::RestoreUnchecked) return true;
    *error = Tr::tr("Unable to restore %1").arg(folder) + "\r\n" +
             Tr::tr("This backup has no list of its files (made by an earlier version), so its files "
                    "cannot be checked.");
    return false;
  }
  const QString file = QDir(folder).filePath(ExistingName(folder, QString::fromLatin1(kManifestName)));
  QFile f(file);
  QByteArray text;
  if (QFileInfo(file).isDir())
    *error = Tr::tr("It is a folder, not a file.");
  else if (!f.open(QIODevice::ReadOnly))
    *error = f.errorString();
  else if ((text = f.readAll()).isEmpty())
    *error = Tr::tr("The list of the backup's files is empty.");
  else if (BackupManifest::Parse(text, list, error))
    return true;
  *error = Tr::tr("Unable to restore %1").arg(file) + "\r\n" + *error;
  return false;
}

// The tables added since the backup was made that the restore leaves as
// they are, because the backup's list does not name them.
QStringList TablesNotInTheBackup(const CopyRun& run, bool withSettings) {
  QStringList missing;
  for (const TableDef* t : AddedTables()) {
    if (IsSettingsTable(t) && !withSettings) continue;
    if (std::find(run.tables.begin(), run.tables.end(), t) == run.tables.end())
      missing << QString::fromLatin1(t->fileName);
  }
  return missing;
}

std::vector<const TableDef*> TablesWithTags(const std::vector<const TableDef*>& tables) {
  std::vector<const TableDef*> tagged;
  for (const TableDef* t : tables)
    if (!t->tags.empty()) tagged.push_back(t);
  return tagged;
}

// Each restored table must open with the fields the program reads.
bool StagedTablesUsable(const CopyRun& run) {
  const QString& staging = run.staging;
  const QString& folder = run.folder;
  for (const TableDef* t : run.tables) {
    QString error;
    if (!IsTableOfLayout(staging, *t, &error)) {
      Ui::get().information(
          Tr::tr("Unable to restore %1").arg(QDir(folder).filePath(ExistingName(folder, t->fileName))) +
          "\r\n" + error);
      return false;
    }
  }
  return true;
}

}  // namespace

std::vector<DataFileStep> DataFilesToCopy() { return StepsOf(AddedTables()); }

bool CopyVerified(const QString& from, const QString& to, QString* error) {
  QString detail;
  if (FileCopy::copy(from, to, &detail) == FileCopy::Result::Ok && SameContents(from, to, &detail))
    return true;
  *error = Tr::tr("Unable to copy %1 to %2").arg(from, to) + "\r\n" + detail;
  return false;
}

bool SameFolder(const QString& a, const QString& b) {
  const auto canonical = [](const QString& path) {
    const QFileInfo info(path);
    const QString c = info.canonicalFilePath();
    return c.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : c;
  };
  return canonical(a) == canonical(b);
}

bool IsTableOfLayout(const QString& dir, const TableDef& def, QString* error) {
  const QString file = QDir(dir).filePath(ExistingName(dir, def.fileName));
  if (!QFileInfo(file).isFile()) {
    *error = Tr::tr("%1: missing").arg(file);
    return false;
  }
  CODE4* c = code4initP();
  code4autoOpen(c, 0);
  DATA4* d = d4open(c, QFile::encodeName(file).constData());
  bool ok = d != nullptr;
  if (!ok) *error = QString::fromStdString(code4errorText(c));
  for (const FieldDef& f : def.fields) {
    if (!ok) break;
    FIELD4* field = d4field(d, f.name);
    if (!field || f4type(field) != f.type) {
      *error = (field ? Tr::tr("%1: field %2 is of another kind") : Tr::tr("%1: field %2 is missing"))
                   .arg(file, QString::fromLatin1(f.name));
      ok = false;
    }
  }
  code4initUndoP(c);
  return ok;
}

HeldTables::~HeldTables() { release(); }

bool HeldTables::hold(QString* error) { return hold(BusinessTables(), error); }

bool HeldTables::hold(const std::vector<const TableDef*>& tables, QString* error) {
  const int mode = code4accessMode(cb, OPEN4DENY_WRITE);
  const int autoOpen = code4autoOpen(cb, 0);
  bool ok = true;
  for (const TableDef* t : tables) {
    if (!DataFileExists(t->fileName)) continue;
    DATA4* d = d4open(cb, t->openName);
    if (!d) {
      *error = QString::fromStdString(code4errorText(cb));
      code4errorCode(cb, 0);
      ok = false;
      break;
    }
    held_.emplace_back(t, d);
  }
  code4accessMode(cb, mode);
  code4autoOpen(cb, autoOpen);
  if (!ok) release();
  return ok;
}

DATA4* HeldTables::table(const TableDef& def) const {
  for (const auto& [t, d] : held_)
    if (t == &def) return d;
  return nullptr;
}

void HeldTables::release() {
  for (const auto& held : held_) d4close(held.second);
  held_.clear();
}

bool BuildIndexesIn(const QString& dir, const std::vector<const TableDef*>& tables, QString* error) {
  EngineFolder there(dir);
  const int autoOpen = code4autoOpen(cb, 0);
  const int mode = code4accessMode(cb, OPEN4DENY_WRITE);
  bool ok = true;
  for (const TableDef* t : tables) {
    DATA4* d = d4open(cb, t->openName);
    ok = d != nullptr && RebuildTags(d, *t);
    if (!ok) *error = QString::fromLocal8Bit(code4errorText(cb));
    code4errorCode(cb, 0);
    CloseAll();
    if (!ok) break;
  }
  code4accessMode(cb, mode);
  code4autoOpen(cb, autoOpen);
  return ok;
}

bool BackupDataFiles(const QString& folder, int* copied) {
  if (SameFolder(folder, DataDirectory())) {
    Ui::get().information(Tr::tr("Backup must be to a different drive and/or directory"));
    return false;
  }
  bool ok = false;
  {
    FolderHold dataHold;
    CopyRun run;
    run.toBackup = true;
    run.folder = folder;
    HeldTables held;
    QString error;
    if (FinishInterruptedSwap(DataDirectory(), &error, &dataHold) == SwapRecovery::Busy)
      error = FolderBusyReason(DataDirectory());
    if (dataHold.held()) PlanBackup(run);
    if (!dataHold.held() || !HoldBackupFolder(run, &error) || !held.hold(run.tables, &error))
      Ui::get().information(error);
    else if (EverySourcePresent(run) &&
             BackupManifest::Describe(DataDirectory(), NamesOf(run.files), &run.manifest, &error))
      ok = CopyDataFiles(run) && SyncDisk(run) && PutBackupInPlace(run);
    else if (!error.isEmpty())
      Ui::get().information(error);
    if (ok && copied) *copied = int(run.files.size());
  }
  if (!ok) Ui::get().information(Tr::tr("Backup Failed . . Check that disk is not write protected"));
  ShowProgress(false);
  return ok;
}

bool HasBackupList(const QString& folder) {
  return QFileInfo::exists(QDir(folder).filePath(ExistingName(folder, QString::fromLatin1(kManifestName))));
}

QString UncheckedRestoreQuestion() {
  return Tr::tr("This backup has no list of its files (made by an earlier version); restore it "
                "without checking?");
}

bool RestoreDataFiles(const QString& folder, bool withSettings, int* restored, ListlessBackup listless) {
  if (SameFolder(folder, DataDirectory())) {
    Ui::get().information(Tr::tr("Restore must be from a different drive and/or directory"));
    return false;
  }
  bool ok = false;
  bool tablesInUse = false;  // by a program that does not hold the folder: no rebuild either
  // Exclusively for the whole restore, the index rebuild included.
  FolderHold dataHold;
  QString error;
  const SwapRecovery before =
      FinishInterruptedSwap(DataDirectory(), &error, &dataHold, FolderHold::Mode::Exclusive);
  if (before == SwapRecovery::Busy) {
    Ui::get().information(FolderBusyReason(DataDirectory()) + RestoreNotDone());
  } else if (before == SwapRecovery::Failed) {
    Ui::get().information(error + RestoreNotDone());
  } else {
    CopyRun run;
    run.folder = folder;
    TableSwap swap(DataDirectory());
    BackupManifest list;
    if (!HoldBackupFolder(run, &error) || !ReadBackupList(folder, listless, &list, &error) ||
        !swap.begin(&error)) {
      Ui::get().information(error + RestoreNotDone());
    } else {
      PlanRestore(run, list, withSettings);
      run.staging = swap.stagingDir();
      if (CopyDataFiles(run) && StagedFilesAreTheBackup(run) && StagedTablesUsable(run)) {
        HeldTables held;
        if (!BuildIndexesIn(swap.stagingDir(), TablesWithTags(run.tables), &error))
          Ui::get().information(error + RestoreNotDone());
        else if ((tablesInUse = !held.hold(run.tables, &error)))
          Ui::get().information(error + RestoreNotDone());
        else if (!(ok = swap.commit(NamesOf(run.files) + IndexFilesOf(run.tables), {}, &error)))
          Ui::get().information(error);
      }
      if (ok && restored) *restored = int(run.files.size());
      const QStringList left = TablesNotInTheBackup(run, withSettings);
      //: %1: the tables' files ("CUSTEI.DBF, CUSTLANG.DBF")
      if (ok && !left.isEmpty())
        Ui::get().information(Tr::tr("The backup does not hold %1 (tables added since it was made); "
                                     "they were left as they are.")
                                  .arg(left.join(QStringLiteral(", "))));
    }
  }
  if (!ok) Ui::get().information(Tr::tr("Restore Failed . . Check that your disk is not full."));
  ShowProgress(false);
  if (dataHold.held() && !tablesInUse) RebuildIndexes(false);
  return ok;
}
