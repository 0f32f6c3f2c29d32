#include "platform/FileCopy.h"

#include <QFileInfo>
#include <cerrno>
#include <QFile>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/BesideFile.h"

namespace fs = std::filesystem;

namespace {

std::function<FileCopy::Result(const QString&, const QString&)>& fault() {
  static std::function<FileCopy::Result(const QString&, const QString&)> f;
  return f;
}

std::function<bool(const QString&)>& removable() {
  static std::function<bool(const QString&)> r;
  return r;
}

FileCopy::Result fail(const std::error_code& error, QString* detail) {
  if (detail) *detail = QString::fromLocal8Bit(error.message().c_str());
  return FileCopy::resultOf(error);
}

std::error_code SystemError() { return std::error_code(errno, std::generic_category()); }

// Writes the n bytes at data whole; false, errno set, when the disk takes
// no more (ENOSPC) or fails.
bool WriteAll(int fd, const char* data, qsizetype n) {
  while (n > 0) {
    const ssize_t written = ::write(fd, data, size_t(n));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    data += written;
    n -= written;
  }
  return true;
}

}  // namespace

namespace FileCopy {

Result resultOf(const std::error_code& error) {
  if (!error) return Result::Ok;
  if (error.category() != std::generic_category() && error.category() != std::system_category())
    return Result::Failed;
  switch (error.value()) {
    case ENOSPC:
    case EDQUOT:
      return Result::DiskFull;
    case EROFS:
    case EACCES:
    case EPERM:
      return Result::WriteProtected;
    default:
      return Result::Failed;
  }
}

Result copy(const QString& from, const QString& to, QString* detail) {
  if (fault()) {
    const Result injected = fault()(from, to);
    if (injected != Result::Ok) {
      if (detail) *detail = QStringLiteral("injected failure");
      return injected;
    }
  }
  const fs::path source = from.toStdString();
  const fs::path target = to.toStdString();
  std::error_code error;
  if (!fs::is_regular_file(source, error)) {
    return fail(error ? error : std::make_error_code(std::errc::no_such_file_or_directory), detail);
  }
  // A read-only target stays protected although its folder would let the
  // rename replace it.
  if (fs::exists(target, error) && ::access(target.c_str(), W_OK) != 0)
    return fail(std::error_code(errno, std::generic_category()), detail);
  error.clear();

  // The copy goes into a new file of our own beside the target, never
  // through a link placed there. Copied by plain reads and writes, so that
  // a full disk is told as one (ENOSPC), not as the I/O error the library's
  // copy makes of a short write.
  const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return fail(SystemError(), detail);
  QString temporary;
  const int out = OpenFileBeside(to, QStringLiteral(".tbcopy"), &temporary);
  if (out < 0) {
    error = SystemError();
    ::close(in);
    return fail(error, detail);
  }
  struct stat mode {};
  bool ok = ::fstat(in, &mode) == 0 && ::fchmod(out, mode.st_mode & 07777) == 0;
  std::vector<char> buffer(1 << 16);
  for (ssize_t n = 1; ok && n > 0;) {
    n = ::read(in, buffer.data(), buffer.size());
    ok = n >= 0 && WriteAll(out, buffer.data(), n);
  }
  if (!ok) error = SystemError();
  ::close(in);
  if (::close(out) != 0 && !error) error = SystemError();
  const QByteArray native = QFile::encodeName(temporary);
  if (!error && ::rename(native.constData(), target.c_str()) != 0) error = SystemError();
  if (error) {
    ::unlink(native.constData());
    return fail(error, detail);
  }
  return Result::Ok;
}

Result write(const QString& path, const QByteArray& bytes, QString* detail) {
  QString temporary;
  const int fd = OpenFileBeside(path, QStringLiteral(".tbcopy"), &temporary);
  if (fd < 0) return fail(std::error_code(errno, std::generic_category()), detail);
  const QByteArray native = QFile::encodeName(temporary);
  const bool ok = WriteAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
  std::error_code error(ok ? 0 : errno, std::generic_category());
  ::close(fd);
  if (ok && ::rename(native.constData(), QFile::encodeName(path).constData()) != 0)
    error.assign(errno, std::generic_category());
  if (!error && !sync(QFileInfo(path).absolutePath())) error.assign(errno, std::generic_category());
  if (error) {
    ::unlink(native.constData());
    return fail(error, detail);
  }
  return Result::Ok;
}

bool sync(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  const int saved = errno;
  ::close(fd);
  errno = saved;
  return ok;
}

bool onRemovableVolume(const QString& path) {
  if (removable()) return removable()(path);
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QString canonical = QFileInfo(absolute).canonicalFilePath();
  if (canonical.isEmpty()) canonical = absolute;
  for (const char* root : {"/media/", "/run/media/", "/mnt/"}) {
    if ((canonical + '/').startsWith(QLatin1String(root))) return true;
  }
  return false;
}

void setFault(std::function<Result(const QString&, const QString&)> f) { fault() = std::move(f); }

void setRemovable(std::function<bool(const QString&)> r) { removable() = std::move(r); }

}  // namespace FileCopy
