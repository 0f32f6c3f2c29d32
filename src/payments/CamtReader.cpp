#include "payments/CamtReader.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include "platform/GuardedXml.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(CamtReader)
};

constexpr qsizetype kLargestFile = 64 * 1024 * 1024;
constexpr int kDeepest = 64;

// "123.45" as cents; false for anything else (a sign, more than two
// decimals, more than thirteen digits).
bool ParseAmount(const QString& text, Cents* cents) {
  static const QRegularExpression amount(QStringLiteral("^(\\d{1,13})(?:\\.(\\d{1,2}))?$"));
  const QRegularExpressionMatch m = amount.match(text.trimmed());
  if (!m.hasMatch()) return false;
  const QString fraction = (m.captured(2) + QStringLiteral("00")).left(2);
  *cents = m.captured(1).toLongLong() * 100 + fraction.toInt();
  return true;
}

// Where the reader stands, as the local names from the root down.
class Path {
 public:
  void push(const QString& name) { names_ << name; }
  void pop() { names_.removeLast(); }
  int depth() const { return int(names_.size()); }
  // The names below the innermost element called base, joined by "/";
  // a null string when not inside one.
  QString below(const QString& base) const {
    const qsizetype at = names_.lastIndexOf(base);
    if (at < 0) return QString();
    return names_.mid(at + 1).join(QLatin1Char('/'));
  }
  bool inside(const QString& name) const { return names_.contains(name); }

 private:
  QStringList names_;
};

class Reader {
 public:
  explicit Reader(const QByteArray& bytes) : guard_(bytes, kLargestFile, kDeepest), xml_(guard_.xml()) {}

  CamtRead run() {
    CamtRead result;
    while (!guard_.atEnd() && error_.isEmpty()) {
      switch (guard_.readNext()) {
        case QXmlStreamReader::StartElement: start(); break;
        case QXmlStreamReader::EndElement: end(); break;
        case QXmlStreamReader::Characters:
          if (!xml_.isWhitespace()) text_ += xml_.text();
          break;
        default: break;
      }
    }
    if (error_.isEmpty()) error_ = guard_.error();
    if (error_.isEmpty() && statement_.kind.isEmpty())
      error_ = Tr::tr("it is no camt.052, camt.053 or camt.054 bank statement");
    result.ok = error_.isEmpty();
    result.error = error_;
    if (result.ok) result.statement = statement_;
    return result;
  }

 private:
  void start() {
    const QString name = xml_.name().toString();
    if (path_.depth() == 0) {
      static const QRegularExpression kinds(
          QStringLiteral("^urn:iso:std:iso:20022:tech:xsd:(camt\\.05[234]\\.001\\.0[2-8])$"));
      const QRegularExpressionMatch m = kinds.match(xml_.namespaceUri().toString());
      if (name != QLatin1String("Document") || !m.hasMatch()) {
        error_ = Tr::tr("it is no camt.052, camt.053 or camt.054 bank statement");
        return;
      }
      statement_.kind = m.captured(1);
    }
    path_.push(name);
    text_.clear();
    attributeCurrency_ = xml_.attributes().value(QStringLiteral("Ccy")).toString();
    if (name == QLatin1String("Ntry")) {
      entry_ = BankEntry();
      inEntry_ = true;
    } else if (inEntry_ && name == QLatin1String("TxDtls")) {
      transaction_ = BankTransaction();
      inTransaction_ = true;
    }
  }

  void end() {
    const QString name = xml_.name().toString();
    const QString text = text_.trimmed();
    if (inTransaction_) {
      transactionField(path_.below(QStringLiteral("TxDtls")), text);
    } else if (inEntry_) {
      entryField(path_.below(QStringLiteral("Ntry")), text);
    } else {
      const QString own = path_.below(QStringLiteral("Stmt")).isNull()
                              ? (path_.below(QStringLiteral("Rpt")).isNull() ? path_.below(QStringLiteral("Ntfctn"))
                                                                             : path_.below(QStringLiteral("Rpt")))
                              : path_.below(QStringLiteral("Stmt"));
      if (own == QLatin1String("Acct/Id/IBAN") && statement_.account.isEmpty()) statement_.account = text;
      if (own == QLatin1String("Acct/Ccy") && statement_.currency.isEmpty()) statement_.currency = text;
    }
    if (name == QLatin1String("TxDtls") && inTransaction_) {
      if (transaction_.currency.isEmpty()) transaction_.currency = entry_.currency;
      if (!hasAmount_) transaction_.amount = -1;  // the entry's, filled in below
      entry_.transactions << transaction_;
      inTransaction_ = false;
      hasAmount_ = false;
    } else if (name == QLatin1String("Ntry") && inEntry_) {
      finishEntry();
    }
    text_.clear();
    path_.pop();
  }

  void entryField(const QString& field, const QString& text) {
    if (field == QLatin1String("Amt")) {
      if (!ParseAmount(text, &entry_.amount)) error_ = Tr::tr("an entry's amount \"%1\" cannot be read").arg(text);
      entry_.currency = attributeCurrency_;
    } else if (field == QLatin1String("CdtDbtInd")) {
      if (text != QLatin1String("CRDT") && text != QLatin1String("DBIT"))
        error_ = Tr::tr("an entry is neither credit nor debit (\"%1\")").arg(text);
      entry_.credit = text == QLatin1String("CRDT");
    } else if (field == QLatin1String("RvslInd")) {
      entry_.reversal = text == QLatin1String("true") || text == QLatin1String("1");
    } else if (field == QLatin1String("Sts") || field == QLatin1String("Sts/Cd")) {
      if (!text.isEmpty()) entry_.booked = text == QLatin1String("BOOK");
    } else if (field == QLatin1String("BookgDt/Dt") || field == QLatin1String("BookgDt/DtTm")) {
      entry_.bookingDate = QDate::fromString(text.left(10), Qt::ISODate);
      if (!entry_.bookingDate.isValid()) error_ = Tr::tr("an entry's booking date \"%1\" cannot be read").arg(text);
    } else if (field == QLatin1String("AcctSvcrRef")) {
      entry_.accountServicerRef = text;
    }
  }

  void transactionField(const QString& field, const QString& text) {
    if (field == QLatin1String("Amt") || field == QLatin1String("AmtDtls/TxAmt/Amt")) {
      if (!ParseAmount(text, &transaction_.amount))
        error_ = Tr::tr("a transaction's amount \"%1\" cannot be read").arg(text);
      transaction_.currency = attributeCurrency_;
      hasAmount_ = true;
    } else if (field == QLatin1String("Refs/EndToEndId")) {
      transaction_.endToEndId = text;
    } else if (field == QLatin1String("RltdPties/Dbtr/Nm") || field == QLatin1String("RltdPties/Dbtr/Pty/Nm")) {
      transaction_.payer = text;
    } else if (field == QLatin1String("RmtInf/Ustrd")) {
      transaction_.text = (transaction_.text + QLatin1Char(' ') + text).trimmed();
    } else if (field == QLatin1String("RmtInf/Strd/CdtrRefInf/Ref")) {
      transaction_.reference = text;
    }
  }

  void finishEntry() {
    inEntry_ = false;
    if (entry_.transactions.isEmpty()) {
      BankTransaction whole;
      whole.amount = -1;
      entry_.transactions << whole;
    }
    // A transaction without an amount of its own is the whole entry's
    // (only where it is the entry's one transaction).
    for (BankTransaction& t : entry_.transactions) {
      if (t.amount >= 0) continue;
      if (entry_.transactions.size() > 1) {
        error_ = Tr::tr("an entry of several transactions lacks a transaction's amount");
        return;
      }
      t.amount = entry_.amount;
      t.currency = entry_.currency;
    }
    statement_.entries << entry_;
  }

  GuardedXml guard_;
  const QXmlStreamReader& xml_;
  Path path_;
  QString text_, attributeCurrency_, error_;
  BankStatement statement_;
  BankEntry entry_;
  BankTransaction transaction_;
  bool inEntry_ = false, inTransaction_ = false, hasAmount_ = false;
};

}  // namespace

CamtRead ReadCamt(const QByteArray& bytes) { return Reader(bytes).run(); }
