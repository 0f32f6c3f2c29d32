#include "data/FolderLock.h"

#include <QDir>
#include <QLockFile>

QString FolderBusyMessage() { return QCoreApplication::translate("FolderLock", kFolderBusyMessage); }

FolderLock::FolderLock(const QString& dir)
    : file_(std::make_unique<QLockFile>(
          QDir(dir.isEmpty() ? QDir::currentPath() : dir).absoluteFilePath(kFolderLockName))) {
  // Only a dead holder makes a lock stale; a long run is no reason.
  file_->setStaleLockTime(0);
}

FolderLock::~FolderLock() = default;

bool FolderLock::hold() {
  if (file_->isLocked()) return true;
  if (file_->tryLock(0)) return true;
  return file_->error() != QLockFile::LockFailedError;
}

bool FolderLock::held() const { return file_->isLocked(); }

void FolderLock::release() { file_->unlock(); }

std::unique_ptr<FolderLock> HoldFolderForWriting(const QString& dir, QString* error) {
  auto lock = std::make_unique<FolderLock>(dir);
  if (lock->hold()) return lock;
  *error = QDir::toNativeSeparators(QDir(dir).absolutePath()) + ": " + FolderBusyMessage();
  return nullptr;
}
