#include "platform/FileCopy.h"

#include <QFileInfo>
#include <cerrno>
#include <QFile>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

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

  // The copy goes into a new file of our own beside the target, never
  // through a link placed there.
  const QString temporary = CreateFileBeside(to, QStringLiteral(".tbcopy"));
  if (temporary.isEmpty()) return fail(std::error_code(errno, std::generic_category()), detail);
  fs::copy_file(source, temporary.toStdString(), fs::copy_options::overwrite_existing, error);
  if (!error) fs::rename(temporary.toStdString(), target, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary.toStdString(), ignored);
    return fail(error, detail);
  }
  return Result::Ok;
}

Result write(const QString& path, const QByteArray& bytes, QString* detail) {
  QString temporary;
  const int fd = OpenFileBeside(path, QStringLiteral(".tbcopy"), &temporary);
  if (fd < 0) return fail(std::error_code(errno, std::generic_category()), detail);
  const QByteArray native = QFile::encodeName(temporary);
  bool ok = true;
  for (qsizetype done = 0; ok && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
    ok = n > 0;
    done += ok ? n : 0;
  }
  ok = ok && ::fsync(fd) == 0;
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
