// Text in tables is Windows-1252, one byte per character, so a field's
// width is its length in characters. A character that Windows-1252 cannot
// hold is stored as "?".
#ifndef DATA_CP1252_H
#define DATA_CP1252_H

#include <QByteArray>
#include <QString>
#include <QStringList>

QByteArray ToCp1252(const QString& text);
// The characters of texts that would be stored as "?", each once, in the
// order they first appear.
QString Unstorable(const QStringList& texts);
QString FromCp1252(const char* bytes);
QString FromCp1252(const QByteArray& bytes);
// Appends the n bytes as UTF-8 to *out, without a QString between (the
// export converts every text of every record).
void AppendUtf8FromCp1252(const char* bytes, qsizetype n, QByteArray* out);

#endif  // DATA_CP1252_H
