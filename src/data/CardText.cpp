#include "data/CardText.h"

namespace {

constexpr int kCardDigits = 12;
constexpr int kDigitsShown = 4;
constexpr int kLongestSeparator = 3;

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
// Anything but a letter or a digit may stand between a number's groups.
bool IsSeparator(QChar c) { return !c.isLetterOrNumber(); }

// The digits from at on.
int DigitsAt(const QString& text, qsizetype at) {
  int n = 0;
  while (at + n < text.size() && IsDigit(text[at + n])) ++n;
  return n;
}

// The separators from at on, when a short run of them leads to a digit;
// otherwise 0.
int SeparatorBefore(const QString& text, qsizetype at) {
  int n = 0;
  while (n < kLongestSeparator && at + n < text.size() && IsSeparator(text[at + n])) ++n;
  return n > 0 && DigitsAt(text, at + n) > 0 ? n : 0;
}

// A group of digits within a run: where it starts, how many digits, and the
// separator that joined it to the group before.
struct Group {
  qsizetype start;
  int digits;
  QString joint;
};

// Whether the last two groups read as an expiry date after the number
// ("9/28", "12/2028"): a month of one or two digits, "/", a year.
bool EndsInExpiry(const QList<Group>& groups) {
  if (groups.size() < 3) return false;
  const Group& month = groups[groups.size() - 2];
  const Group& year = groups.last();
  return month.digits <= 2 && year.joint == QLatin1String("/") && (year.digits == 2 || year.digits == 4);
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
    // The run: groups of digits joined by short runs of separators.
    QList<Group> groups{{i, DigitsAt(text, i), QString()}};
    qsizetype end = i + groups[0].digits;
    for (int joint = SeparatorBefore(text, end); joint > 0; joint = SeparatorBefore(text, end)) {
      const qsizetype start = end + joint;
      groups.append({start, DigitsAt(text, start), text.mid(end, joint)});
      end = start + groups.last().digits;
    }
    // An expiry date written after the number is not part of it.
    int digits = 0;
    for (const Group& g : groups) digits += g.digits;
    if (EndsInExpiry(groups) && digits - groups[groups.size() - 2].digits - groups.last().digits >= kCardDigits) {
      digits -= groups.takeLast().digits;
      digits -= groups.takeLast().digits;
    }
    if (digits >= kCardDigits) {
      int hidden = digits - kDigitsShown;
      for (const Group& g : groups) {
        for (qsizetype k = g.start; k < g.start + g.digits && hidden > 0; ++k, --hidden)
          masked[k] = QLatin1Char('*');
      }
    }
    i = end;
  }
  return masked;
}

bool HoldsCardText(const QString& table, const QString& field) {
  return table.compare(QLatin1String("INV5"), Qt::CaseInsensitive) == 0 &&
         field.compare(QLatin1String("IMemo"), Qt::CaseInsensitive) == 0;
}
