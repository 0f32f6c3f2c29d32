#include "export/StoredValue.h"

#include <QDate>

#include "data/Cp1252.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Up to 18 digits fit a 64-bit number whatever they are.
constexpr int kMaxDigits = 18;

ValueProblem Unreadable(ExportValue* out) {
  out->kind = ExportValue::Kind::Null;
  return ValueProblem::UnreadableNumber;
}

}  // namespace

ValueProblem ReadNumber(const char* stored, int width, int decimals, ExportValue* out) {
  int begin = 0, end = width;
  while (begin < end && (stored[begin] == ' ' || stored[begin] == '\0')) ++begin;
  while (end > begin && (stored[end - 1] == ' ' || stored[end - 1] == '\0')) --end;
  out->kind = ExportValue::Kind::Null;
  if (begin == end) return ValueProblem::None;
  bool negative = false;
  if (stored[begin] == '-' || stored[begin] == '+') negative = stored[begin++] == '-';
  qint64 value = 0;
  int digits = 0, places = -1;  // places: digits after the point, -1 before it
  for (int i = begin; i < end; ++i) {
    const char c = stored[i];
    if (c == '.' && places < 0) {
      places = 0;
      continue;
    }
    if (!IsDigit(c)) return Unreadable(out);
    if (places >= decimals) {
      if (c != '0') return Unreadable(out);  // a place the field does not have
      continue;
    }
    if (places >= 0) ++places;
    if (digits > 0 || c != '0') ++digits;
    if (digits > kMaxDigits) return Unreadable(out);
    value = value * 10 + (c - '0');
  }
  const bool anyDigit = end - begin > (places >= 0 ? 1 : 0);
  if (!anyDigit) return Unreadable(out);
  for (int p = places < 0 ? 0 : places; p < decimals; ++p) {
    if (++digits > kMaxDigits && value != 0) return Unreadable(out);
    value *= 10;
  }
  out->kind = ExportValue::Kind::Number;
  out->number = negative ? -value : value;
  return ValueProblem::None;
}

ValueProblem ReadDate(const char* stored, ExportValue* out) {
  out->kind = ExportValue::Kind::Null;
  bool blank = true, digits = true;
  for (int i = 0; i < 8; ++i) {
    blank = blank && (stored[i] == ' ' || stored[i] == '0' || stored[i] == '\0');
    digits = digits && IsDigit(stored[i]);
  }
  if (blank) return ValueProblem::None;
  if (!digits) return ValueProblem::ImpossibleDate;
  const auto number = [&](int from, int n) {
    int v = 0;
    for (int i = from; i < from + n; ++i) v = v * 10 + (stored[i] - '0');
    return v;
  };
  const QDate day(number(0, 4), number(4, 2), number(6, 2));
  if (!day.isValid() || day.year() < 1) return ValueProblem::ImpossibleDate;
  out->kind = ExportValue::Kind::Date;
  out->text = QByteArray(stored, 4) + '-' + QByteArray(stored + 4, 2) + '-' + QByteArray(stored + 6, 2);
  return ValueProblem::None;
}

void ReadLogical(char stored, ExportValue* out) {
  switch (stored) {
    case 'T': case 't': case 'Y': case 'y':
      out->kind = ExportValue::Kind::Logical;
      out->logical = true;
      return;
    case 'F': case 'f': case 'N': case 'n':
      out->kind = ExportValue::Kind::Logical;
      out->logical = false;
      return;
    default:
      out->kind = ExportValue::Kind::Null;
  }
}

void ReadText(const char* stored, qsizetype length, ExportValue* out) {
  while (length > 0 && static_cast<unsigned char>(stored[length - 1]) <= ' ') --length;
  ReadMemoText(stored, length, out);
}

void ReadMemoText(const char* stored, qsizetype length, ExportValue* out) {
  out->kind = ExportValue::Kind::Text;
  out->text.clear();
  qsizetype from = 0;
  for (qsizetype i = 0; i <= length; ++i) {
    if (i < length && stored[i] != '\0') continue;
    AppendUtf8FromCp1252(stored + from, i - from, &out->text);
    if (i < length) out->text.append('?');
    from = i + 1;
  }
}

QByteArray DecimalText(qint64 number, int decimals) {
  if (decimals <= 0) return QByteArray::number(number);
  // The magnitude's digits, at least one before the point.
  const bool negative = number < 0;
  QByteArray digits = QByteArray::number(negative ? -static_cast<quint64>(number)
                                                  : static_cast<quint64>(number));
  if (digits.size() <= decimals) digits.prepend(QByteArray(decimals + 1 - digits.size(), '0'));
  digits.insert(digits.size() - decimals, '.');
  if (negative) digits.prepend('-');
  return digits;
}
