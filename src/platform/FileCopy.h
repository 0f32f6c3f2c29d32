// Copies a file over another, telling a full disk from a write-protected
// one, as backup and restore need to ask for another disk or a writable one.
// The copy is written beside the target and renamed over it, so a failed
// copy leaves the old target as it was and no half-written file behind.
#ifndef PLATFORM_FILECOPY_H
#define PLATFORM_FILECOPY_H

#include <QString>
#include <functional>
#include <system_error>

namespace FileCopy {

enum class Result {
  Ok,
  DiskFull,        // ENOSPC (or EDQUOT)
  WriteProtected,  // EROFS, EACCES, EPERM, or a read-only target file
  Failed,          // anything else: the source is missing or unreadable, ...
};

// Copies from over to (created or replaced). detail, when given, receives
// the system's description of a failure.
Result copy(const QString& from, const QString& to, QString* detail = nullptr);

// Writes bytes to path the same way: beside it, synced, renamed over it, and
// the folder synced, so path holds the old bytes or the new ones, also
// across a crash.
Result write(const QString& path, const QByteArray& bytes, QString* detail = nullptr);

// Flushes a file, or a folder's list of names, to the disk; false, with
// errno set, on failure.
bool sync(const QString& path);

// The result that a system error stands for.
Result resultOf(const std::error_code& error);

// True when path lies on removable media (a folder under /media, /run/media
// or /mnt), where backup and restore ask for another disk.
bool onRemovableVolume(const QString& path);

// Tests: fault is asked before every copy; any result but Ok is returned
// without copying. An empty function removes it.
void setFault(std::function<Result(const QString& from, const QString& to)> fault);
// Tests: which paths count as removable media; an empty function restores
// the rule above.
void setRemovable(std::function<bool(const QString& path)> removable);

}  // namespace FileCopy

#endif  // PLATFORM_FILECOPY_H
