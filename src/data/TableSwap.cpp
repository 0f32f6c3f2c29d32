#include "data/TableSwap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QString kStaging = QStringLiteral(".tbswap");
const QString kJournal = QStringLiteral("journal");
const QString kJournalTemp = QStringLiteral("journal.tmp");
const QByteArray kJournalHead = "tallowby swap 1";

QString SystemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

// Flushes a file or folder to the disk; false on failure.
bool Sync(const QString& path, bool folder) {
  const int fd = ::open(Native(path).constData(), folder ? O_RDONLY | O_DIRECTORY : O_RDONLY);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

// Opens the folder and takes its exclusive lock without waiting: the file
// descriptor, -1 when it is missing, -2 when another process holds the lock.
int LockFolder(const QString& path) {
  const int fd = ::open(Native(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return -2;
  }
  return fd;
}

void Unlock(int fd) {
  if (fd >= 0) ::close(fd);  // closing drops the lock
}

struct JournalEntry {
  bool put;  // else remove
  QString staged, target;
};

bool ReadJournal(const QString& path, QList<JournalEntry>* entries, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = path + ": " + file.errorString();
    return false;
  }
  const QList<QByteArray> lines = file.readAll().split('\n');
  if (lines.isEmpty() || lines.first() != kJournalHead) {
    *error = path + ": not a journal of this program";
    return false;
  }
  for (qsizetype i = 1; i < lines.size(); ++i) {
    if (lines[i].isEmpty()) continue;
    const QList<QByteArray> parts = lines[i].split('\t');
    if (parts.size() == 3 && parts[0] == "put") {
      entries->append({true, QFile::decodeName(parts[1]), QFile::decodeName(parts[2])});
    } else if (parts.size() == 2 && parts[0] == "remove") {
      entries->append({false, QString(), QFile::decodeName(parts[1])});
    } else {
      *error = path + ": unreadable line " + QString::number(i + 1);
      return false;
    }
  }
  return true;
}

// Carries out a committed journal; each step may have been done already.
bool RunJournal(const QString& dataDir, const QString& staging, QString* error) {
  QList<JournalEntry> entries;
  if (!ReadJournal(QDir(staging).filePath(kJournal), &entries, error)) return false;
  const QDir data(dataDir);
  for (const JournalEntry& e : entries) {
    if (e.put) continue;
    if (::unlink(Native(data.filePath(e.target)).constData()) != 0 && errno != ENOENT) {
      *error = data.filePath(e.target) + ": " + SystemError();
      return false;
    }
  }
  for (const JournalEntry& e : entries) {
    if (!e.put) continue;
    const QString from = QDir(staging).filePath(e.staged);
    const QString to = data.filePath(e.target);
    if (!QFile::exists(from)) {
      if (QFile::exists(to)) continue;  // put in place before the interruption
      *error = from + ": missing, and " + to + " too";
      return false;
    }
    if (::rename(Native(from).constData(), Native(to).constData()) != 0) {
      *error = to + ": " + SystemError();
      return false;
    }
  }
  if (!Sync(dataDir, true)) {
    *error = dataDir + ": " + SystemError();
    return false;
  }
  return true;
}

bool RemoveStaging(const QString& staging) { return QDir(staging).removeRecursively(); }

}  // namespace

QString ExistingName(const QString& dir, const QString& fileName) {
  const QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden);
  for (const QString& n : names) {
    if (n.compare(fileName, Qt::CaseInsensitive) == 0) return n;
  }
  return fileName;
}

TableSwap::TableSwap(const QString& dataDir) : dataDir_(QDir(dataDir).absolutePath()) {}

TableSwap::~TableSwap() {
  if (lockFd_ >= 0) discard();
}

QString TableSwap::stagingDir() const { return QDir(dataDir_).filePath(kStaging); }

QString TableSwap::stagedPath(const QString& fileName) const {
  return QDir(stagingDir()).filePath(fileName);
}

bool TableSwap::begin(QString* error) {
  const SwapRecovery before = FinishInterruptedSwap(dataDir_, error);
  if (before == SwapRecovery::Busy) {
    *error = dataDir_ + ": another program is restoring or converting its data files";
    return false;
  }
  if (before == SwapRecovery::Failed) return false;
  if (!QDir(dataDir_).mkdir(kStaging)) {
    *error = stagingDir() + ": cannot create the folder";
    return false;
  }
  lockFd_ = LockFolder(stagingDir());
  if (lockFd_ < 0) {
    lockFd_ = -1;
    *error = dataDir_ + ": another program is restoring or converting its data files";
    return false;
  }
  return true;
}

bool TableSwap::commit(const QStringList& files, const QStringList& remove, QString* error) {
  QByteArray journal = kJournalHead + "\n";
  for (const QString& f : files) {
    if (!Sync(stagedPath(f), false)) {
      *error = stagedPath(f) + ": " + SystemError();
      return false;
    }
    journal += "put\t" + Native(f) + "\t" + Native(ExistingName(dataDir_, f)) + "\n";
  }
  for (const QString& f : remove) {
    if (QFile::exists(QDir(dataDir_).filePath(ExistingName(dataDir_, f))))
      journal += "remove\t" + Native(ExistingName(dataDir_, f)) + "\n";
  }
  const QString temp = stagedPath(kJournalTemp);
  QFile file(temp);
  if (!file.open(QIODevice::WriteOnly) || file.write(journal) != journal.size() || !file.flush() ||
      ::fsync(file.handle()) != 0) {
    *error = temp + ": " + file.errorString();
    return false;
  }
  file.close();
  // The commit point: from here on the swap is finished, now or after a crash.
  if (::rename(Native(temp).constData(), Native(stagedPath(kJournal)).constData()) != 0 ||
      !Sync(stagingDir(), true)) {
    *error = stagedPath(kJournal) + ": " + SystemError();
    return false;
  }
  if (!RunJournal(dataDir_, stagingDir(), error)) {
    Unlock(lockFd_);  // the journal stays for the next FinishInterruptedSwap
    lockFd_ = -1;
    return false;
  }
  discard();
  return true;
}

void TableSwap::discard() {
  RemoveStaging(stagingDir());
  Unlock(lockFd_);
  lockFd_ = -1;
}

SwapRecovery FinishInterruptedSwap(const QString& dataDir, QString* error) {
  QString ignored;
  if (!error) error = &ignored;
  const QString staging = QDir(dataDir).filePath(kStaging);
  if (!QFileInfo(staging).isDir()) return SwapRecovery::None;
  const int fd = LockFolder(staging);
  if (fd == -2) return SwapRecovery::Busy;
  if (fd == -1) return QFileInfo(staging).isDir() ? SwapRecovery::Failed : SwapRecovery::None;
  SwapRecovery result = SwapRecovery::Undone;
  if (QFile::exists(QDir(staging).filePath(kJournal))) {
    result = RunJournal(dataDir, staging, error) ? SwapRecovery::Finished : SwapRecovery::Failed;
  }
  if (result != SwapRecovery::Failed && !RemoveStaging(staging)) {
    *error = staging + ": cannot remove the folder";
    result = SwapRecovery::Failed;
  }
  Unlock(fd);
  return result;
}
