// The payment QR code: its payload, and the picture read back by a real
// QR reader (zbarimg, Debian's zbar-tools).
#include "einvoice/EpcQr.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

CreditTransfer Transfer() {
  return {QStringLiteral("Tallow & Wick GmbH"), QStringLiteral("DE02 1203 0000 0000 2020 51"),
          QStringLiteral("BYLADEM1001"), 2635, QStringLiteral("Invoice 1007"), QString()};
}

TEST(EpcQr, PayloadFollowsTheVersion002Lines) {
  EXPECT_EQ(EpcPayload(Transfer()),
            QByteArray("BCD\n002\n1\nSCT\nBYLADEM1001\nTallow & Wick GmbH\nDE02120300000000202051\n"
                       "EUR26.35\n\n\nInvoice 1007"));
  CreditTransfer t = Transfer();
  t.amount = 1000;
  t.bic.clear();
  EXPECT_TRUE(EpcPayload(t).contains("\nSCT\n\nTallow"));
  EXPECT_TRUE(EpcPayload(t).contains("\nEUR10\n"));
  t.amount = 1;
  EXPECT_TRUE(EpcPayload(t).contains("\nEUR0.01\n"));
  // The creditor reference as the structured remittance, the text then left out.
  t.reference = "RF72 1007";
  EXPECT_TRUE(EpcPayload(t).endsWith("\nEUR0.01\n\nRF721007")) << EpcPayload(t).toStdString();
}

TEST(EpcQr, NothingToPayOrNoAccountGivesNoCode) {
  CreditTransfer t = Transfer();
  t.amount = 0;
  EXPECT_TRUE(EpcPayload(t).isEmpty());
  t = Transfer();
  t.iban.clear();
  EXPECT_TRUE(EpcPayload(t).isEmpty());
  t = Transfer();
  t.amount = 100000000000;
  EXPECT_TRUE(EpcPayload(t).isEmpty());
}

TEST(EpcQr, TheCodeReadsBackAsThePayload) {
  const QString zbar = QStandardPaths::findExecutable("zbarimg");
  if (zbar.isEmpty()) GTEST_SKIP() << "zbarimg (zbar-tools) is not installed";
  CreditTransfer t = Transfer();
  t.name = QStringLiteral("Ölmühle Weiß & Söhne");  // UTF-8 in the payload
  const QByteArray payload = EpcPayload(t);
  QTemporaryDir dir;
  const QString png = dir.filePath("qr.png");
  // Scaled up as the printer draws it.
  const QImage image = QrCodeImage(payload);
  ASSERT_FALSE(image.isNull());
  ASSERT_TRUE(image.scaled(image.size() * 8).save(png));
  QProcess p;
  p.start(zbar, {"--raw", "-q", "-Sbinary", png});
  ASSERT_TRUE(p.waitForFinished(30000));
  QByteArray read = p.readAllStandardOutput();
  if (read.endsWith('\n')) read.chop(1);
  EXPECT_EQ(read, payload);
}

}  // namespace
