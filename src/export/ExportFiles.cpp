#include "export/ExportFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "platform/BesideFile.h"
#include "platform/FileCopy.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(ExportFiles)
};


QString SystemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

bool FolderOfTargetExists(const QString& target, QString* why) {
  const QString folder = QFileInfo(target).absolutePath();
  if (QFileInfo(folder).isDir()) return true;
  *why = Tr::tr("%1: no such folder").arg(folder);
  return false;
}

}  // namespace

QString BesidePath(const QString& target) { return target + QStringLiteral(".tbexport"); }

QString CreateFileBesideTarget(const QString& target, QString* why) {
  const QString path = CreateFileBeside(target, QStringLiteral(".tbexport"));
  if (path.isEmpty()) *why = target + ": " + SystemError();
  return path;
}

bool UsableFileTarget(const QString& target, QString* why) {
  if (!FolderOfTargetExists(target, why)) return false;
  const QFileInfo info(target);
  if (info.isDir()) {
    *why = Tr::tr("%1: a folder, not a file").arg(target);
    return false;
  }
  // A read-only file stays protected although its folder would let the
  // rename replace it.
  if (info.exists() && !info.isWritable()) {
    *why = Tr::tr("%1: the file is write protected").arg(target);
    return false;
  }
  return true;
}

bool UsableFolderTarget(const QString& target, const QStringList& names, QString* why) {
  if (!FolderOfTargetExists(target, why)) return false;
  const QFileInfo info(target);
  if (!info.exists()) return true;
  if (!info.isDir()) {
    *why = Tr::tr("%1: a file, not a folder").arg(target);
    return false;
  }
  const QStringList entries =
      QDir(target).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& entry : entries) {
    if (!names.contains(entry) || !QFileInfo(QDir(target).filePath(entry)).isFile()) {
      //: %2: one of the other files
      *why = Tr::tr("%1: the folder holds other files (%2); export into a new or empty folder")
                 .arg(target, entry);
      return false;
    }
  }
  return true;
}

bool PutFileInPlace(const QString& beside, const QString& target, QString* why) {
  if (!FileCopy::sync(beside) ||
      std::rename(QFile::encodeName(beside).constData(), QFile::encodeName(target).constData()) != 0 ||
      !FileCopy::sync(QFileInfo(target).absolutePath())) {
    *why = target + ": " + SystemError();
    return false;
  }
  return true;
}

bool PutFolderInPlace(const QString& staging, const QString& target, QString* why) {
  const QByteArray from = QFile::encodeName(staging), to = QFile::encodeName(target);
  // An existing folder is exchanged with the new one in one step; a new
  // one is simply renamed into place.
  bool replaced = true;
  if (!QFileInfo::exists(target)) {
    replaced = std::rename(from.constData(), to.constData()) == 0;
  } else if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) != 0) {
    // A file system that cannot exchange: the old folder steps aside first.
    const QByteArray aside = from + ".old";
    replaced = (errno == EINVAL || errno == ENOSYS) &&
               std::rename(to.constData(), aside.constData()) == 0 &&
               std::rename(from.constData(), to.constData()) == 0 &&
               std::rename(aside.constData(), from.constData()) == 0;
  }
  if (!replaced || !FileCopy::sync(QFileInfo(target).absolutePath())) {
    *why = target + ": " + SystemError();
    return false;
  }
  return true;
}
