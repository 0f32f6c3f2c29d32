#include "einvoice/EpcQr.h"

#include <qrencode.h>

#include <memory>

namespace {

constexpr int kQuietZone = 4;
constexpr Cents kLargestAmount = 99999999999;  // 999999999.99

// The euro amount as the payload writes it: no trailing zeros, "." as the
// separator ("EUR12.5", "EUR0.01").
QString EuroAmount(Cents cents) {
  QString text = AmountText(cents);
  while (text.endsWith(QLatin1Char('0'))) text.chop(1);
  if (text.endsWith(QLatin1Char('.'))) text.chop(1);
  return QStringLiteral("EUR") + text;
}

}  // namespace

QByteArray EpcPayload(const CreditTransfer& t) {
  const QString iban = QString(t.iban).remove(QLatin1Char(' ')).toUpper();
  const QString name = t.name.trimmed().left(70);
  if (iban.isEmpty() || name.isEmpty() || t.amount < 1 || t.amount > kLargestAmount) return {};
  const QString reference = QString(t.reference).remove(QLatin1Char(' ')).toUpper().left(35);
  QStringList lines = {QStringLiteral("BCD"),
                             QStringLiteral("002"),
                             QStringLiteral("1"),
                             QStringLiteral("SCT"),
                             QString(t.bic).remove(QLatin1Char(' ')).toUpper(),
                             name,
                             iban,
                             EuroAmount(t.amount),
                             QString(),
                             reference,
                             reference.isEmpty() ? t.remittance.trimmed().left(140) : QString()};
  while (lines.last().isEmpty()) lines.removeLast();
  return lines.join(QLatin1Char('\n')).toUtf8();
}

QImage QrCodeImage(const QByteArray& data) {
  std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
      QRcode_encodeData(int(data.size()), reinterpret_cast<const unsigned char*>(data.constData()), 0,
                        QR_ECLEVEL_M),
      &QRcode_free);
  if (!code) return {};
  const int width = code->width;
  QImage image(width + 2 * kQuietZone, width + 2 * kQuietZone, QImage::Format_Mono);
  image.fill(1);  // white
  image.setColor(0, qRgb(0, 0, 0));
  image.setColor(1, qRgb(255, 255, 255));
  for (int y = 0; y < width; ++y) {
    for (int x = 0; x < width; ++x) {
      if (code->data[y * width + x] & 1) image.setPixel(x + kQuietZone, y + kQuietZone, 0);
    }
  }
  return image;
}
