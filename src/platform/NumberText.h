// Numbers as the user types and reads them: the user's decimal separator,
// printf formats such as "%10.2f", money rounded to cents. A text that is not
// a number (or not a date) is a ConversionError.
#ifndef PLATFORM_NUMBERTEXT_H
#define PLATFORM_NUMBERTEXT_H

#include <QString>
#include <stdexcept>

// Thrown when a text cannot be converted to a number or a date; the
// handler that is running is abandoned and the message is shown in the
// framework's error box ("'abc' is not a valid floating point value.").
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(const QString& message) : std::runtime_error(message.toStdString()) {}
  QString text() const { return QString::fromStdString(what()); }
};

// The user's decimal separator.
QChar DecimalSeparator();
// printf-style formatting of one double with the user's decimal separator.
QString FormatFloat(const char* format, double value);
// Reads a number typed with the user's decimal separator (blanks ignored);
// throws ConversionError when it is not a number. While a document is built
// in another language, the windows' separator is read as well as its own.
double StrToFloat(const QString& text);
// The separator StrToFloat reads from now on; QChar() to follow QLocale()
// again. DocumentLanguage keeps the windows' one while it lives; the
// previous one is returned.
QChar KeepTypedSeparator(QChar separator);
// Reformats a typed number with a printf format (e.g. "%10.2f"); throws
// ConversionError for a text without a number.
QString FormatNumberText(const QString& text, const char* format);
// Halves away from zero, on the double as it is.
double RoundMoney(double x);
// The number in fixed notation with "." whatever the locale.
QString FixedText(int width, int decimals, double x);

#endif  // PLATFORM_NUMBERTEXT_H
