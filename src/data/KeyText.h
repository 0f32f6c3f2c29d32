// Padded texts and index keys: numbers right-aligned with blanks, texts as
// the engine seeks them (Windows-1252, at most 60 characters), dates as
// their tags key them.
#ifndef DATA_KEYTEXT_H
#define DATA_KEYTEXT_H

#include <QByteArray>
#include <QList>
#include <QString>

#include "platform/Dates.h"

// Trailing blanks of a stored field never show on paper; cut off, they also
// keep the text export's columns in place.
QString WithoutTrailingBlanks(const QString& s);
// The digits of n with blanks in front up to width; never cut.
QString PadLeft(long n, int width);
QString Spaces(int count);
// The 1-based position of the last needle in haystack; 0 when none.
int LastPos(const QString& needle, const QString& haystack);
// text as a key for d4seek.
QByteArray SeekKey(const QString& text);
// The key of a date tag for d: "yyyymmdd" as the day is, without the
// century window that a stored date passes (a seek for 1900-01-01 seeks
// 1900); "" for no date.
QByteArray DateKey(TDate d);
// The index of value in list; -1 when absent or when there is no list.
int IndexInList(const QList<int>* list, int value);

#endif  // DATA_KEYTEXT_H
