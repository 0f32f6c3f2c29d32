// The small batch files the program hands to other programs (card payments,
// labels to print): one line added to the file, or the file rewritten with
// that line alone.
#ifndef DATA_BATCHFILE_H
#define DATA_BATCHFILE_H

#include <QByteArray>
#include <QString>

// Writes line and CR LF after the file's present content (append) or as its
// whole content, through a file beside it renamed over it, so a failing
// write leaves the earlier content whole. A file it creates gets mode 0600
// when ownerOnly (it holds card numbers), else the usual mode; an existing
// file keeps its mode. False, with the reason in *error, on failure.
bool WriteBatchLine(const QString& path, const QByteArray& line, bool append, bool ownerOnly,
                    QString* error);

// True when the file at path holds line (without its line end) as one of
// its lines; false also when it cannot be read.
bool BatchFileHolds(const QString& path, const QByteArray& line);

#endif  // DATA_BATCHFILE_H
