#include "data/FolderHold.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// This process's hold of one folder: one descriptor, counted per mode.
struct Held {
  int fd = -1;
  int shared = 0;
  int exclusive = 0;
};

// Never destroyed: holds kept until the process ends are let go after
// every static object is gone.
QHash<QString, Held>& Registry() {
  static auto* held = new QHash<QString, Held>;
  return *held;
}

QSet<QString>& Swapping() {
  static auto* swapping = new QSet<QString>;
  return *swapping;
}

QString Canonical(const QString& dir) { return QFileInfo(dir).canonicalFilePath(); }

int OpenFolder(const QString& canonical) {
  return ::open(QFile::encodeName(canonical).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// False only when another holder excludes it: a file system that cannot
// lock (no lock manager) counts as free, as no other program's hold could
// be seen there either.
bool Lock(int fd, int how) { return ::flock(fd, how | LOCK_NB) == 0 || errno != EWOULDBLOCK; }

}  // namespace

FolderHold::~FolderHold() { release(); }

FolderHold::FolderHold(FolderHold&& other) noexcept : dir_(other.dir_), mode_(other.mode_) {
  other.dir_.clear();
}

FolderHold& FolderHold::operator=(FolderHold&& other) noexcept {
  if (this != &other) {
    release();
    dir_ = other.dir_;
    mode_ = other.mode_;
    other.dir_.clear();
  }
  return *this;
}

bool FolderHold::take(const QString& dir, Mode mode) {
  release();
  const QString canonical = Canonical(dir);
  if (canonical.isEmpty()) return false;
  QHash<QString, Held>& registry = Registry();
  Held& h = registry[canonical];
  if (h.shared == 0 && h.exclusive == 0) {
    // A folder that cannot be opened is held in name only: what the
    // command then tries to open says what is wrong.
    h.fd = OpenFolder(canonical);
    if (h.fd >= 0 && !Lock(h.fd, mode == Mode::Exclusive ? LOCK_EX : LOCK_SH)) {
      ::close(h.fd);
      registry.remove(canonical);
      return false;
    }
  } else if (mode == Mode::Exclusive && h.exclusive == 0 && h.fd >= 0) {
    // Raising a shared hold: on a conflict the system may have dropped the
    // shared lock, so it is taken again.
    if (!Lock(h.fd, LOCK_EX)) {
      Lock(h.fd, LOCK_SH);
      return false;
    }
  }
  (mode == Mode::Exclusive ? h.exclusive : h.shared) += 1;
  dir_ = canonical;
  mode_ = mode;
  return true;
}

void FolderHold::release() {
  if (dir_.isEmpty()) return;
  QHash<QString, Held>& registry = Registry();
  const auto it = registry.find(dir_);
  dir_.clear();
  if (it == registry.end()) return;
  Held& h = it.value();
  (mode_ == Mode::Exclusive ? h.exclusive : h.shared) -= 1;
  if (h.exclusive == 0 && h.shared == 0) {
    if (h.fd >= 0) ::close(h.fd);  // closing drops the lock
    registry.erase(it);
  } else if (mode_ == Mode::Exclusive && h.exclusive == 0 && h.fd >= 0) {
    ::flock(h.fd, LOCK_SH);  // nobody else can hold it now: this never waits
  }
}

bool FolderHold::HeldExclusivelyElsewhere(const QString& dir) {
  const QString canonical = Canonical(dir);
  if (canonical.isEmpty()) return false;
  const auto it = Registry().constFind(canonical);
  if (it != Registry().constEnd() && it->exclusive > 0) return false;
  const int fd = OpenFolder(canonical);
  if (fd < 0) return false;
  const bool free = Lock(fd, LOCK_SH);
  ::close(fd);
  return !free;
}

void FolderHold::SetSwapRunning(const QString& dir, bool running) {
  if (running)
    Swapping().insert(Canonical(dir));
  else
    Swapping().remove(Canonical(dir));
}

bool FolderHold::SwapRunningHere(const QString& dir) { return Swapping().contains(Canonical(dir)); }
