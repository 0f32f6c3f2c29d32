#include "data/Cp1252.h"

#include <QList>
#include <cstring>

namespace {

// Bytes 0x80-0x9F; the five bytes Windows-1252 leaves undefined map to the
// control characters of the same value, so they come back unchanged.
const char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char Encode(char32_t c) {
  if (c == 0) return '?';  // would end the text early
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
  for (int i = 0; i < 32; ++i) {
    if (kHigh[i] == c) return char(0x80 + i);
  }
  return '?';
}

}  // namespace

QByteArray ToCp1252(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (char32_t c : text.toUcs4()) out.append(Encode(c));
  return out;
}

QString Unstorable(const QStringList& texts) {
  QList<char32_t> seen;
  for (const QString& text : texts) {
    for (char32_t c : text.toUcs4()) {
      // A "?" typed as such is stored as it is.
      if (Encode(c) == '?' && c != U'?' && !seen.contains(c)) seen << c;
    }
  }
  return QString::fromUcs4(seen.constData(), seen.size());
}

QString FromCp1252(const QByteArray& bytes) {
  QString out;
  out.reserve(bytes.size());
  for (char b : bytes) {
    const unsigned char u = static_cast<unsigned char>(b);
    out.append(u >= 0x80 && u < 0xA0 ? QChar(kHigh[u - 0x80]) : QChar(u));
  }
  return out;
}

void AppendUtf8FromCp1252(const char* bytes, qsizetype n, QByteArray* out) {
  for (qsizetype i = 0; i < n; ++i) {
    const unsigned char u = static_cast<unsigned char>(bytes[i]);
    const char16_t c = u >= 0x80 && u < 0xA0 ? kHigh[u - 0x80] : u;
    if (c < 0x80) {
      out->append(char(c));
    } else if (c < 0x800) {
      out->append(char(0xC0 | (c >> 6)));
      out->append(char(0x80 | (c & 0x3F)));
    } else {
      out->append(char(0xE0 | (c >> 12)));
      out->append(char(0x80 | ((c >> 6) & 0x3F)));
      out->append(char(0x80 | (c & 0x3F)));
    }
  }
}

QString FromCp1252(const char* bytes) {
  return bytes ? FromCp1252(QByteArray(bytes, int(std::strlen(bytes)))) : QString();
}
