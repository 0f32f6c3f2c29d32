#include "platform/BesideFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kTries = 100;

QString RandomPart() {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  QString part;
  for (int i = 0; i < 6; ++i) part += QLatin1Char(kLetters[QRandomGenerator::system()->bounded(62)]);
  return part;
}

}  // namespace

int OpenFileBeside(const QString& target, const QString& suffix, QString* path) {
  for (int i = 0; i < kTries; ++i) {
    const QString name = target + QLatin1Char('.') + RandomPart() + suffix;
    const int fd = ::open(QFile::encodeName(name).constData(),
                          O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) {
      *path = name;
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;  // errno is EEXIST
}

QString CreateFileBeside(const QString& target, const QString& suffix) {
  QString path;
  const int fd = OpenFileBeside(target, suffix, &path);
  if (fd < 0) return QString();
  ::close(fd);
  return path;
}
