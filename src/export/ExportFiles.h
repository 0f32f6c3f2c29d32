// Where an export writes: beside its target first (a new file
// TARGET.XXXXXX.tbexport, or a new folder TARGET.tbexport-XXXXXX), then,
// once complete, in its place, so an earlier file or folder of that name
// stays as it was until the new one is whole.
#ifndef EXPORT_EXPORTFILES_H
#define EXPORT_EXPORTFILES_H

#include <QString>
#include <QStringList>

QString BesidePath(const QString& target);
// A new empty file beside target that nobody else can have placed there
// (never a link); its name, or an empty string with *why.
QString CreateFileBesideTarget(const QString& target, QString* why);

// Before anything is written: target's folder exists, and target is not
// a folder, nor a file we may not write. False with *why otherwise.
bool UsableFileTarget(const QString& target, QString* why);
// The same for a folder target: it is new, empty, or holds nothing but
// files of the names given (an earlier export), which the new folder
// replaces. A folder holding anything else is refused, so nothing of the
// person's own is lost.
bool UsableFolderTarget(const QString& target, const QStringList& names, QString* why);

// The finished file beside, synced, renamed over target, its folder synced.
bool PutFileInPlace(const QString& beside, const QString& target, QString* why);
// The finished folder staging in place of target in one step (an earlier
// target then lies at staging, for the caller to remove).
bool PutFolderInPlace(const QString& staging, const QString& target, QString* why);

#endif  // EXPORT_EXPORTFILES_H
