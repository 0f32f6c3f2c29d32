// The list of files a backup writes into its folder, beside the plain
// tables: each file's name, size and SHA-256. The backup computes it from
// the tables it holds (nobody writes them meanwhile) and writes it on each
// disk before the first table it copies there, so every file of a finished
// backup matches it, and a backup cut short, or a folder holding files of
// two backups, does not; a restore checks every file it copies against it.
// A folder without the list is a backup of an earlier version.
//
//   tallowby backup 1
//   made<TAB>2026-05-01T10:11:12
//   file<TAB>CUST5.dbf<TAB>2345<TAB>9f86d081884c7d65...   (one per file, in copy order)
#ifndef DATA_BACKUPMANIFEST_H
#define DATA_BACKUPMANIFEST_H

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include "platform/FileCopy.h"

// Its name in the backup folder.
inline constexpr const char* kManifestName = "backup-manifest.txt";

class BackupManifest {
 public:
  // The list of dir's files names (found without regard to case); false,
  // *error naming the file and the reason, when one cannot be read.
  static bool Describe(const QString& dir, const QStringList& names, BackupManifest* out,
                       QString* error);
  // The list in text; false, *error saying why, when text is not one.
  static bool Parse(const QByteArray& text, BackupManifest* out, QString* error);
  // The bytes of dir's list; empty when dir has none.
  static QByteArray TextIn(const QString& dir);

  QByteArray text() const;
  QStringList names() const;
  // When the backup was made (invalid when the list does not say).
  QDateTime made() const;
  // Writes the list into dir (beside, synced, renamed over the old one).
  FileCopy::Result writeInto(const QString& dir, QString* detail) const;
  // "" when file, a copy of the listed name, matches the list; else why not.
  QString mismatch(const QString& name, const QString& file) const;

 private:
  struct Entry {
    QString name;
    qint64 size = 0;
    QByteArray sha256;  // hex
  };
  QString made_;
  QList<Entry> entries_;
};

#endif  // DATA_BACKUPMANIFEST_H
