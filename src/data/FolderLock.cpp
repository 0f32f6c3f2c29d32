#include "data/FolderLock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// A holder killed between making the lock file and writing itself into it
// leaves an empty file, which QLockFile never takes for stale (with no
// stale time its age is no sign). Such a file that no process holds is
// removed: its maker takes a flock on it in the system call after the one
// that makes it. True when it was removed.
bool RemoveUnwrittenLock(const QString& path) {
  if (QFileInfo(path).size() != 0) return false;
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  const bool removed = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && QFileInfo(path).size() == 0 &&
                       ::unlink(QFile::encodeName(path).constData()) == 0;
  ::close(fd);
  return removed;
}

}  // namespace

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
  if (file_->error() == QLockFile::LockFailedError && RemoveUnwrittenLock(file_->fileName()) && file_->tryLock(0))
    return true;
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
