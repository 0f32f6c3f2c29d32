#include "data/BackupRestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "data/CodeBase.h"
#include "data/Progress.h"
#include "data/Schema.h"
#include "data/TableSwap.h"
#include "data/dbFiles.h"
#include "platform/FileCopy.h"
#include "platform/Ui.h"

namespace {

// The tables whose files are copied (the settings and import folders stay).
std::vector<const TableDef*> CopiedTables() {
  return {&CUST5Def(), &GROUPSDef(), &INV5Def(), &ITM5Def(),
          &LABELSDef(), &PMTDef(),   &Pur5Def(), &Prod5Def()};
}

// True when both files hold the same bytes; otherwise *detail says so.
bool SameContents(const QString& a, const QString& b, QString* detail) {
  QFile fa(a), fb(b);
  if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly)) {
    *detail = "the copy cannot be read back";
    return false;
  }
  if (fa.size() != fb.size()) {
    *detail = "the copy read back differs from the original";
    return false;
  }
  constexpr qint64 kChunk = 1 << 16;
  while (!fa.atEnd()) {
    if (fa.read(kChunk) != fb.read(kChunk)) {
      *detail = "the copy read back differs from the original";
      return false;
    }
  }
  return true;
}

// Copies one file: for a backup from the data folder into folder, for a
// restore from folder into staging. On removable media a missing source asks
// for its disk (restore) and a full or write-protected disk for another
// (backup). Every other failure is shown naming the file and the reason.
bool CopyOneFile(bool toBackup, const QString& folder, const QString& name,
                 const QString& staging) {
  Ui& ui = Ui::get();
  const bool removable = FileCopy::onRemovableVolume(folder);
  const QString data = DataDirectory();
  QString source;
  for (;;) {
    source = toBackup ? QDir(data).filePath(ExistingName(data, name))
                      : QDir(folder).filePath(ExistingName(folder, name));
    if (QFileInfo(source).isFile()) break;
    if (!toBackup && removable) {
      if (!ui.confirm(Ui::Kind::Information, Ui::Buttons::OkCancel,
                      "Insert disk containing " + name))
        return false;
      continue;
    }
    ui.information("Unable to find " + source + "\r\nFunction Aborted");
    return false;
  }
  for (;;) {
    const QString target = toBackup ? QDir(folder).filePath(ExistingName(folder, name))
                                    : QDir(staging).filePath(name);
    QString detail;
    FileCopy::Result r = FileCopy::copy(source, target, &detail);
    if (r == FileCopy::Result::Ok && !SameContents(source, target, &detail))
      r = FileCopy::Result::Failed;
    if (r == FileCopy::Result::Ok) return true;
    if (toBackup && removable && r == FileCopy::Result::DiskFull) {
      if (ui.confirm(Ui::Kind::Information, Ui::Buttons::OkCancel,
                     "Disk Full. Insert another disk." + name))
        continue;
      return false;
    }
    if (toBackup && removable && r == FileCopy::Result::WriteProtected) {
      if (ui.confirm(Ui::Kind::Information, Ui::Buttons::OkCancel, "Disk is Write Protected"))
        continue;
      return false;
    }
    ui.information("Unable to copy " + source + " to " + target + "\r\n" + detail);
    return false;
  }
}

// Every file in order with the progress box; stops at the first failure.
bool CopyDataFiles(bool toBackup, const QString& folder, const QString& staging) {
  ShowProgress(true, QStringLiteral("Copying Data Files"));
  SetProgress(10);
  for (const DataFileStep& f : DataFilesToCopy()) {
    if (!CopyOneFile(toBackup, folder, QString::fromLatin1(f.name), staging)) return false;
    SetProgress(f.progress);
  }
  return true;
}

// Each restored table must open with the fields the program reads.
bool StagedTablesUsable(const QString& staging, const QString& folder) {
  for (const TableDef* t : CopiedTables()) {
    QString error;
    if (!IsTableOfLayout(staging, *t, &error)) {
      Ui::get().information("Unable to restore " +
                            QDir(folder).filePath(ExistingName(folder, t->fileName)) + "\r\n" +
                            error);
      return false;
    }
  }
  return true;
}

QStringList CopiedNames() {
  QStringList names;
  for (const DataFileStep& f : DataFilesToCopy()) names << QString::fromLatin1(f.name);
  return names;
}

QStringList IndexFilesOfCopiedTables() {
  QStringList files;
  for (const TableDef* t : CopiedTables()) files << t->indexFiles();
  return files;
}

}  // namespace

const std::vector<DataFileStep>& DataFilesToCopy() {
  static const std::vector<DataFileStep> files{
      {"CUST5.dbf", 20}, {"CUST5.dbt", 30}, {"GROUPS.dbf", 35}, {"INV5.dbf", 45},
      {"INV5.dbt", 55},  {"ITM5.dbf", 70},  {"LABELS.dbf", 75}, {"PMT.dbf", 85},
      {"Pur5.dbf", 95},  {"Prod5.dbf", 100}, {"Prod5.dbt", 100},
  };
  return files;
}

bool CopyVerified(const QString& from, const QString& to, QString* error) {
  QString detail;
  if (FileCopy::copy(from, to, &detail) == FileCopy::Result::Ok && SameContents(from, to, &detail))
    return true;
  *error = "Unable to copy " + from + " to " + to + "\r\n" + detail;
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
    *error = file + ": missing";
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
      *error = file + ": field " + f.name + (field ? " is of another kind" : " is missing");
      ok = false;
    }
  }
  code4initUndoP(c);
  return ok;
}

HeldTables::~HeldTables() { release(); }

bool HeldTables::hold(QString* error) {
  const int mode = code4accessMode(cb, OPEN4DENY_WRITE);
  const int autoOpen = code4autoOpen(cb, 0);
  bool ok = true;
  for (const TableDef* t : CopiedTables()) {
    if (!DataFileExists(t->fileName)) continue;
    DATA4* d = d4open(cb, t->openName);
    if (!d) {
      *error = QString::fromStdString(code4errorText(cb));
      code4errorCode(cb, 0);
      ok = false;
      break;
    }
    held_.push_back(d);
  }
  code4accessMode(cb, mode);
  code4autoOpen(cb, autoOpen);
  if (!ok) release();
  return ok;
}

void HeldTables::release() {
  for (DATA4* d : held_) d4close(d);
  held_.clear();
}

bool BackupDataFiles(const QString& folder) {
  if (SameFolder(folder, DataDirectory())) {
    Ui::get().information("Backup must be to a different drive and/or directory");
    return false;
  }
  bool ok = false;
  {
    HeldTables held;
    QString error;
    if (!held.hold(&error))
      Ui::get().information(error);
    else
      ok = CopyDataFiles(true, folder, QString());
  }
  if (!ok) Ui::get().information("Backup Failed . . Check that disk is not write protected");
  ShowProgress(false);
  return ok;
}

bool RestoreDataFiles(const QString& folder) {
  if (SameFolder(folder, DataDirectory())) {
    Ui::get().information("Restore must be from a different drive and/or directory");
    return false;
  }
  bool ok = false;
  {
    TableSwap swap(DataDirectory());
    QString error;
    if (!swap.begin(&error)) {
      Ui::get().information(error);
    } else if (CopyDataFiles(false, folder, swap.stagingDir()) &&
               StagedTablesUsable(swap.stagingDir(), folder)) {
      HeldTables held;
      ok = held.hold(&error) && swap.commit(CopiedNames(), IndexFilesOfCopiedTables(), &error);
      if (!ok) Ui::get().information(error);
    }
  }
  if (!ok) Ui::get().information("Restore Failed . . Check that your disk is not full.");
  ShowProgress(false);
  RebuildIndexes(false);
  return ok;
}
