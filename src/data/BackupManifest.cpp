#include "data/BackupManifest.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include "data/TableSwap.h"
#include "platform/Clock.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(BackupManifest)
};

const QByteArray kHead = "tallowby backup 1";

// Size and SHA-256 (hex) of a file; false when it cannot be read.
bool Digest(const QString& file, qint64* size, QByteArray* sha256, QString* error) {
  QFile f(file);
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!f.open(QIODevice::ReadOnly) || !hash.addData(&f)) {
    *error = file + ": " + f.errorString();
    return false;
  }
  *size = f.size();
  *sha256 = hash.result().toHex();
  return true;
}

}  // namespace

bool BackupManifest::Describe(const QString& dir, const QStringList& names, BackupManifest* out,
                              QString* error) {
  BackupManifest m;
  m.made_ = Clock::now().toString(Qt::ISODate);
  for (const QString& name : names) {
    Entry e{name, 0, {}};
    if (!Digest(QDir(dir).filePath(ExistingName(dir, name)), &e.size, &e.sha256, error)) return false;
    m.entries_ << e;
  }
  *out = m;
  return true;
}

bool BackupManifest::Parse(const QByteArray& text, BackupManifest* out, QString* error) {
  const QList<QByteArray> lines = text.split('\n');
  if (lines.isEmpty() || lines.first() != kHead) {
    *error = Tr::tr("it is not a list of this program's backup");
    return false;
  }
  BackupManifest m;
  for (qsizetype i = 1; i < lines.size(); ++i) {
    if (lines[i].isEmpty()) continue;
    const QList<QByteArray> parts = lines[i].split('\t');
    if (parts.size() == 2 && parts[0] == "made") {
      m.made_ = QString::fromUtf8(parts[1]);
      continue;
    }
    bool sized = false;
    Entry e;
    if (parts.size() == 4 && parts[0] == "file" && parts[3].size() == 64) {
      e = Entry{QString::fromUtf8(parts[1]), parts[2].toLongLong(&sized), parts[3]};
    }
    if (!sized) {
      *error = Tr::tr("line %1 cannot be read").arg(i + 1);
      return false;
    }
    m.entries_ << e;
  }
  *out = m;
  return true;
}

QByteArray BackupManifest::TextIn(const QString& dir) {
  QFile f(QDir(dir).filePath(ExistingName(dir, QString::fromLatin1(kManifestName))));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray BackupManifest::text() const {
  QByteArray text = kHead + "\nmade\t" + made_.toUtf8() + "\n";
  for (const Entry& e : entries_)
    text += "file\t" + e.name.toUtf8() + "\t" + QByteArray::number(e.size) + "\t" + e.sha256 + "\n";
  return text;
}

QStringList BackupManifest::names() const {
  QStringList names;
  for (const Entry& e : entries_) names << e.name;
  return names;
}

QDateTime BackupManifest::made() const { return QDateTime::fromString(made_, Qt::ISODate); }

FileCopy::Result BackupManifest::writeInto(const QString& dir, QString* detail) const {
  return FileCopy::write(QDir(dir).filePath(ExistingName(dir, QString::fromLatin1(kManifestName))),
                         text(), detail);
}

QString BackupManifest::mismatch(const QString& name, const QString& file) const {
  for (const Entry& e : entries_) {
    if (e.name.compare(name, Qt::CaseInsensitive) != 0) continue;
    qint64 size = 0;
    QByteArray sha256;
    QString error;
    if (!Digest(file, &size, &sha256, &error)) return error;
    if (size != e.size || sha256 != e.sha256) return Tr::tr("%1 is not the file the backup wrote").arg(name);
    return QString();
  }
  return Tr::tr("%1 is not in the backup's list").arg(name);
}
