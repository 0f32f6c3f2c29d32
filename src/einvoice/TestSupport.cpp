#include "einvoice/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace {

QString ValidatorScript() {
  QString script = qEnvironmentVariable("TB_EINVOICE_VALIDATOR");
  if (script.isEmpty())
    script = qEnvironmentVariable("TB_SOURCE_DIR", QStringLiteral(".")) +
             QStringLiteral("/../shared/einvoice/validate.sh");
  return QFileInfo(script).absoluteFilePath();
}

}  // namespace

Validation Validate(const QString& file, const QString& format) {
  Validation v;
  const QString script = ValidatorScript();
  if (!QFileInfo::exists(script)) return v;
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(QStringLiteral("bash"), {script, file, format, QStringLiteral("--quiet")});
  if (!p.waitForFinished(120000)) {
    v.ran = true;
    v.fatal = 1;
    v.output = QStringLiteral("the validator did not finish");
    return v;
  }
  v.output = QString::fromUtf8(p.readAll());
  if (p.exitCode() == 2) return v;  // it cannot run here (a tool is missing)
  v.ran = true;
  static const QRegularExpression count(QStringLiteral("(\\d+) fatal, \\d+ warnings"));
  const QRegularExpressionMatch m = count.match(v.output);
  v.fatal = m.hasMatch() ? m.captured(1).toInt() : 1;
  return v;
}

void ExpectAllValid(const QList<std::pair<QString, QString>>& files) {
  const QString script = ValidatorScript();
  if (!QFileInfo::exists(script)) {
    std::printf("note: the official e-invoice validators are not available here (%s)\n",
                qPrintable(script));
    return;
  }
  for (qsizetype i = 0; i < files.size(); i += 2) {
    QProcess runs[2];
    for (qsizetype j = 0; j < 2 && i + j < files.size(); ++j) {
      runs[j].setProcessChannelMode(QProcess::MergedChannels);
      runs[j].start(QStringLiteral("bash"), {script, files[i + j].first, files[i + j].second,
                                             QStringLiteral("--quiet")});
    }
    for (qsizetype j = 0; j < 2 && i + j < files.size(); ++j) {
      ASSERT_TRUE(runs[j].waitForFinished(180000)) << files[i + j].first.toStdString();
      const QString output = QString::fromUtf8(runs[j].readAll());
      EXPECT_EQ(runs[j].exitCode(), 0)
          << files[i + j].first.toStdString() << " (" << files[i + j].second.toStdString() << "):\n"
          << output.toStdString();
    }
  }
}

void ExpectValid(const QString& dir, const QString& name, const QByteArray& bytes,
                 const QString& format) {
  const QString path = QDir(dir).filePath(name);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  file.close();
  const Validation v = Validate(path, format);
  if (!v.ran) {
    std::printf("note: the official e-invoice validators are not available here (%s)\n",
                qPrintable(v.output.trimmed()));
    return;
  }
  EXPECT_EQ(v.fatal, 0) << name.toStdString() << " (" << format.toStdString() << "):\n"
                        << v.output.toStdString();
}

EInvoice SampleInvoice() {
  EInvoice inv;
  inv.number = QStringLiteral("1007");
  inv.issueDate = QDate(2026, 3, 2);
  inv.dueDate = QDate(2026, 3, 16);
  inv.currency = QStringLiteral("EUR");
  inv.buyerReference = QStringLiteral("04011000-12345-03");
  inv.seller = {QStringLiteral("Tallow & Wick GmbH"), QStringLiteral("Kerzenweg 4"),
                QStringLiteral("Köln"), QStringLiteral("50667"), QStringLiteral("DE"),
                QStringLiteral("DE123456789"), QString(), QStringLiteral("4000001000005"),
                QStringLiteral("0088"), QStringLiteral("Ada Wick"), QStringLiteral("+49 221 555"),
                QStringLiteral("ada@tallow.example"), QString(), QString()};
  inv.buyer.name = QStringLiteral("Lovelace Candles");
  inv.buyer.street = QStringLiteral("12 Engine Row");
  inv.buyer.city = QStringLiteral("Berlin");
  inv.buyer.postcode = QStringLiteral("10115");
  inv.buyer.country = QStringLiteral("DE");
  inv.buyer.electronicAddress = QStringLiteral("4000001000012");
  inv.buyer.electronicScheme = QStringLiteral("0088");
  inv.iban = QStringLiteral("DE02120300000000202051");
  inv.bic = QStringLiteral("BYLADEM1001");
  inv.paymentTerms = QStringLiteral("14 days net");
  const VatCategory s{QStringLiteral("S"), QStringLiteral("19")};
  inv.lines = {{"1", "CANDLE", "Beeswax pillar candle", "gift wrapped", 200, 1250, 2500, s},
               {"2", "WICK", "Cotton wick", QString(), 300, 35, 105, s}};
  inv.charges = {{450, QStringLiteral("Shipping"), s}};
  inv.lineTotal = 2605;
  inv.chargeTotal = 450;
  inv.taxBasis = 3055;
  inv.vat = {{s, 3055, 580, QString()}};
  inv.taxTotal = 580;
  inv.grandTotal = 3635;
  inv.paid = 1000;
  inv.due = 2635;
  return inv;
}
