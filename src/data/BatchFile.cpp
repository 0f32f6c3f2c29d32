#include "data/BatchFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool WriteBatchLine(const QString& path, const QByteArray& line, bool append, bool ownerOnly,
                    QString* error) {
  const QFileInfo existing(path);
  QByteArray content;
  if (append && existing.exists()) {
    QFile old(path);
    if (!old.open(QIODevice::ReadOnly)) {
      *error = old.errorString();
      return false;
    }
    content = old.readAll();
    if (!content.isEmpty() && !content.endsWith('\n')) content += "\r\n";
  }
  content += line + "\r\n";

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    *error = file.errorString();
    return false;
  }
  const QFileDevice::Permissions mode =
      existing.exists() ? QFile::permissions(path)
      : ownerOnly       ? QFileDevice::ReadOwner | QFileDevice::WriteOwner
                        : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ReadGroup | QFileDevice::ReadOther;
  file.setPermissions(mode);
  if (file.write(content) != content.size() || !file.commit()) {
    *error = file.errorString();
    return false;
  }
  return true;
}

bool BatchFileHolds(const QString& path, const QByteArray& line) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  for (QByteArray held : file.readAll().split('\n')) {
    if (held.endsWith('\r')) held.chop(1);
    if (held == line) return true;
  }
  return false;
}
