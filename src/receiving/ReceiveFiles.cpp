#include "receiving/ReceiveFiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QRegularExpression>

#include "platform/Clock.h"
#include "receiving/PdfAttachment.h"
#include "receiving/ReceivedChecks.h"
#include "receiving/OfficialRules.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(ReceiveFiles)
};

// A part of a file name: accents dropped, anything but letters, digits and
// ". - _" made "_", no leading dot (a hidden file), at most 45 characters
// (two parts, a "-N" and the extension fit the register's FILE).
QString NamePart(const QString& text) {
  QString plain;
  for (const QChar c : text.normalized(QString::NormalizationForm_KD))
    if (c.category() != QChar::Mark_NonSpacing) plain += c;
  static const QRegularExpression other(QStringLiteral("[^A-Za-z0-9._-]+"));
  plain.replace(other, QStringLiteral("_"));
  static const QRegularExpression ends(QStringLiteral("^[._-]+|[._-]+$"));
  return plain.remove(ends).left(45);
}

double Money(const ReceivedAmount& a) { return double(a.cents()) / 100; }

QChar Verdict(const QList<ReceivedFinding>& findings) {
  if (AnyFatal(findings)) return QLatin1Char('I');
  return findings.isEmpty() ? QLatin1Char('V') : QLatin1Char('W');
}

QString VerdictText(QChar verdict) {
  if (verdict == QLatin1Char('V')) return Tr::tr("valid");
  if (verdict == QLatin1Char('W')) return Tr::tr("valid with warnings");
  return Tr::tr("invalid");
}

ReceivedRecord RecordOf(const ReceivedInvoice& inv) {
  ReceivedRecord r;
  r.seller = inv.seller.name;
  r.sellerVat = inv.seller.vatId;
  r.sellerKey = ReceivedSellerKey(inv.seller.vatId, inv.seller.name);
  r.number = inv.number;
  r.typeCode = inv.typeCode;
  r.date = DateFromQDate(inv.issueDate.date);
  r.dueDate = DateFromQDate(inv.dueDate.date);
  r.currency = inv.currency;
  r.net = Money(inv.taxBasis);
  r.vat = Money(inv.taxTotal);
  r.total = Money(inv.grandTotal);
  r.due = Money(inv.due);
  r.buyerReference = inv.buyerReference;
  r.received = DateFromQDate(Clock::today());
  return r;
}

}  // namespace

QString ArchiveStem(const QString& seller, const QString& number) {
  QString who = NamePart(seller);
  if (who.isEmpty()) who = QStringLiteral("seller");
  QString what = NamePart(number);
  if (what.isEmpty()) what = QStringLiteral("no-number");
  return who + QLatin1Char('-') + what;
}

ReceiveOutcome ReceiveFile(const QString& name, const QByteArray& bytes, bool officialRules) {
  ReceiveOutcome out;
  out.read = ReadReceived(bytes);
  if (!out.read.ok()) {
    //: %1 a file, %2 why it is no e-invoice.
    out.line = Tr::tr("%1 is not an e-invoice that can be read: %2").arg(name, out.read.error);
    return out;
  }
  const ReceivedInvoice& inv = out.read.invoice;
  ReceivedRecord r = RecordOf(inv);
  r.verdict = Verdict(ReceivedFindings(out.read, officialRules));
  r.sha256 = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
  const QString seller = r.seller.isEmpty() ? r.sellerVat : r.seller;
  const QList<ReceivedRecord> before = ReceivedOf(r.sellerKey, r.number);
  for (const ReceivedRecord& earlier : before) {
    if (earlier.sha256 != r.sha256) continue;
    out.result = ReceiveOutcome::Result::AlreadyReceived;
    out.record = earlier;
    //: %1 a file, %2 the invoice's number, %3 its seller, %4 the archived copy.
    out.line = Tr::tr("%1: already received (invoice %2 of %3, kept as %4)")
                   .arg(name, r.number, seller, QString::fromLatin1(kReceivedFolder) + "/" + earlier.file);
    return out;
  }
  QString error;
  const QString extension = LooksLikePdf(bytes) ? QStringLiteral(".pdf") : QStringLiteral(".xml");
  if (!ArchiveReceived(ArchiveStem(seller, r.number), extension, bytes, &r.file, &error) ||
      !AppendReceived(r)) {
    out.result = ReceiveOutcome::Result::Failed;
    if (error.isEmpty()) error = Tr::tr("the register cannot be written");
    //: %1 a file, %2 why.
    out.line = Tr::tr("%1 was not registered: %2").arg(name, error);
    return out;
  }
  out.record = r;
  const QString kept = QString::fromLatin1(kReceivedFolder) + "/" + r.file;
  if (!before.isEmpty()) {
    out.result = ReceiveOutcome::Result::Correction;
    //: %1 a file, %2 the archived copy, %3 the invoice's number, %4 its seller.
    out.line = Tr::tr("%1: registered as %2, but invoice %3 of %4 was received before with other content")
                   .arg(name, kept, r.number, seller);
    return out;
  }
  out.result = ReceiveOutcome::Result::Registered;
  //: %1 a file, %2 the archived copy, %3 the invoice's number, %4 its seller, %5 valid or not.
  out.line = Tr::tr("%1: registered as %2 (invoice %3 of %4, %5)")
                 .arg(name, kept, r.number, seller, VerdictText(r.verdict));
  return out;
}
