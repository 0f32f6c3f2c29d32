#include "data/CardText.h"

namespace {

constexpr int kCardDigits = 12;
constexpr int kDigitsShown = 4;
constexpr int kShortestGroup = 3;

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool IsSeparator(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('-'); }

// The digits from at on.
int DigitsAt(const QString& text, qsizetype at) {
  int n = 0;
  while (at + n < text.size() && IsDigit(text[at + n])) ++n;
  return n;
}

}  // namespace

QString MaskedCardText(const QString& text) {
  QString masked = text;
  qsizetype i = 0;
  while (i < text.size()) {
    if (!IsDigit(text[i])) {
      ++i;
      continue;
    }
    // The run: digits, and a single separator before a group of three or
    // more (so the "9" of "... 9/28" is not taken for part of the number).
    const qsizetype start = i;
    int digits = 0;
    qsizetype end = i;
    while (end < text.size()) {
      if (IsDigit(text[end])) {
        ++digits;
        ++end;
      } else if (IsSeparator(text[end]) && DigitsAt(text, end + 1) >= kShortestGroup) {
        ++end;
      } else {
        break;
      }
    }
    if (digits >= kCardDigits) {
      int hidden = digits - kDigitsShown;
      for (qsizetype k = start; k < end && hidden > 0; ++k) {
        if (!IsDigit(text[k])) continue;
        masked[k] = QLatin1Char('*');
        --hidden;
      }
    }
    i = end;
  }
  return masked;
}
