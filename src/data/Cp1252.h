// Text in tables is Windows-1252, one byte per character, so a field's
// width is its length in characters. A character that Windows-1252 cannot
// hold is stored as "?".
#ifndef DATA_CP1252_H
#define DATA_CP1252_H

#include <QByteArray>
#include <QString>

QByteArray ToCp1252(const QString& text);
QString FromCp1252(const char* bytes);
QString FromCp1252(const QByteArray& bytes);

#endif  // DATA_CP1252_H
