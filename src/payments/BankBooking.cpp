#include "payments/BankBooking.h"

#include <QCoreApplication>
#include <QCryptographicHash>

#include <QDir>
#include <QFile>
#include <QSet>

#include "data/CodeBase.h"
#include "data/InvoiceLoad.h"
#include "data/RecordSave.h"
#include "data/dbFiles.h"
#include "invoicing/InvoiceMath.h"
#include "platform/Clock.h"
#include "platform/FileCopy.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(BankBooking)
};

double Money(Cents c) { return double(c) / 100.0; }

// The bank's own reference of the entry (and the transaction's place in it
// when it holds several); else the end-to-end id with the date and amount;
// else a digest of what the payment says.
QString ReferenceOf(const BankEntry& e, qsizetype index, const BankTransaction& t) {
  if (!e.accountServicerRef.isEmpty()) {
    return e.transactions.size() > 1 ? QStringLiteral("%1/%2").arg(e.accountServicerRef).arg(index + 1)
                                     : e.accountServicerRef;
  }
  const QString day = e.bookingDate.toString(QStringLiteral("yyyyMMdd"));
  if (!t.endToEndId.isEmpty() && t.endToEndId != QLatin1String("NOTPROVIDED"))
    return QStringLiteral("E:%1/%2/%3").arg(t.endToEndId, day).arg(t.amount);
  const QByteArray what = QStringLiteral("%1|%2|%3|%4|%5").arg(day).arg(t.amount).arg(t.payer, t.text).arg(index).toUtf8();
  return QStringLiteral("H:") + QString::fromLatin1(QCryptographicHash::hash(what, QCryptographicHash::Sha1).toHex().left(32));
}

bool Booked(DATA4* refs, const QString& reference) {
  return d4seek(refs, SeekKey(reference).constData()) == 0 &&
         FieldText(d4field(refs, "REF")).trimmed() == reference;
}

// True when PMT held this very payment of the invoice before the booking
// began (records up to before), one not claimed by another payment of the
// statement yet: typed in by hand, say. Two equal payments of one day are
// two payments.
bool PaymentThere(long invoice, const QDate& date, Cents amount, long before, QSet<long>* claimed) {
  for (bool on = SeekNumber(Pmt.d, Pmt.IvNo, invoice); on; on = NextOfNumber(Pmt.d, Pmt.IvNo, invoice)) {
    const long rec = d4recNo(Pmt.d);
    if (rec <= before && !claimed->contains(rec) && !d4deleted(Pmt.d) &&
        FieldDate(Pmt.PDate) == DateFromQDate(date) && ToCents(f4double(Pmt.PAmt)) == amount) {
      claimed->insert(rec);
      return true;
    }
  }
  return false;
}

// The amount due of invoice ivNo after its payments, as the payment window
// computes it; INV5 stands on the invoice.
double DueAfterPayments(long ivNo) {
  QList<ItemAmounts> items;
  for (bool on = SeekNumber(Itm5.d, Itm5.IvNo, ivNo); on; on = NextOfNumber(Itm5.d, Itm5.IvNo, ivNo)) {
    if (d4deleted(Itm5.d)) continue;
    items << ItemAmounts{FormatFloat("%9.2f", f4double(Itm5.Qty)), FormatFloat("%8.2f", f4double(Itm5.UPR)),
                         FieldLogical(Itm5.LTax1) ? QStringLiteral("t") : QStringLiteral("f"),
                         FieldLogical(Itm5.LTax2) ? QStringLiteral("t") : QStringLiteral("f")};
  }
  QStringList payments;
  for (bool on = SeekNumber(Pmt.d, Pmt.IvNo, ivNo); on; on = NextOfNumber(Pmt.d, Pmt.IvNo, ivNo))
    if (!d4deleted(Pmt.d)) payments << FormatFloat("%10.2f", f4double(Pmt.PAmt));
  return InvoiceSumsFor(items, f4double(Inv5.Ship), f4double(Inv5.Tax), payments).Due;
}

// What one booking wrote, to be taken back.
struct Written {
  long paymentRecord = 0;
  long invoiceRecord = 0;
  double dueBefore = 0;
  long referenceRecord = 0;
};

void TakeBack(const QList<Written>& written, DATA4* refs) {
  for (auto it = written.crbegin(); it != written.crend(); ++it) {
    if (it->referenceRecord > 0 && d4go(refs, it->referenceRecord) == 0) d4delete(refs);
    if (it->paymentRecord > 0 && d4go(Pmt.d, it->paymentRecord) == 0) d4delete(Pmt.d);
    if (it->invoiceRecord > 0 && d4go(Inv5.d, it->invoiceRecord) == 0) f4assignDouble(Inv5.Due, it->dueBefore);
  }
  WriteCurrentRecord(Inv5.d);
  DeletionsPending = true;
  code4errorCode(cb, 0);
}

// The journal of a booking in progress: what the tables held before it
// (the numbers of records of PMT and BANKREF, and the amount due of each
// invoice it pays), on disk before the first write and removed after the
// last, so that a booking cut short by a kill is taken back whole.
QString JournalPath() { return QDir(DataDirectory()).filePath(QStringLiteral("BANKBOOK.JNL")); }

bool WriteJournal(const QList<ProposedPayment>& payments, DATA4* refs) {
  QByteArray text = "PMT " + QByteArray::number(d4recCountDo(Pmt.d)) + "\nBANKREF " +
                    QByteArray::number(d4recCountDo(refs)) + "\n";
  QSet<long> seen;
  for (const ProposedPayment& p : payments) {
    if (p.invoice <= 0 || seen.contains(p.invoice) || !SeekNumber(Inv5.d, Inv5.IvNo, p.invoice)) continue;
    seen.insert(p.invoice);
    text += "INV " + QByteArray::number(qlonglong(d4recNo(Inv5.d))) + " " +
            QByteArray::number(f4double(Inv5.Due), 'f', 2) + " " + QByteArray::number(qlonglong(p.invoice)) + "\n";
  }
  return FileCopy::write(JournalPath(), text) == FileCopy::Result::Ok;
}

}  // namespace

bool BookingWasCutShort() { return QFile::exists(JournalPath()); }

QString UndoCutShortBooking() {
  QFile journal(JournalPath());
  if (!journal.exists()) return QString();
  if (!journal.open(QIODevice::ReadOnly)) return Tr::tr("%1 cannot be read").arg(journal.fileName());
  DATA4* refs = OpenBANKREF();
  if (!refs) return Tr::tr("the table of booked bank entries cannot be opened");
  // The invoices first: only payments of these are taken back (and blank
  // records a cut append left), so that one added since by other means stays.
  const QList<QByteArray> lines = journal.readAll().split('\n');
  QSet<long> invoices;
  for (const QByteArray& line : lines) {
    const QList<QByteArray> f = line.split(' ');
    if (f.size() != 4 || f[0] != "INV" || d4go(Inv5.d, f[1].toLong()) != 0) continue;
    invoices.insert(f[3].toLong());
    f4assignDouble(Inv5.Due, f[2].toDouble());
    WriteCurrentRecord(Inv5.d);
  }
  for (const QByteArray& line : lines) {
    const QList<QByteArray> f = line.split(' ');
    if (f.size() != 2 || (f[0] != "PMT" && f[0] != "BANKREF")) continue;
    DATA4* d = f[0] == "PMT" ? Pmt.d : refs;
    FIELD4* invoice = d4field(d, "IVNO");
    for (long rec = d4recCountDo(d); rec > f[1].toLong(); --rec)
      if (d4go(d, rec) == 0 && (f4long(invoice) == 0 || invoices.contains(f4long(invoice)))) d4delete(d);
  }
  journal.close();
  // The pack writes the indexes afresh too: a cut append may have left one
  // without the record's key, or with it.
  PackNow(Pmt.d);
  PackNow(refs);
  const bool written = d4close(refs) == 0 && code4errorCode(cb, 0) >= 0;
  if (!written) return Tr::tr("the table of booked bank entries could not be written");
  return journal.remove() ? QString() : Tr::tr("%1 cannot be removed").arg(journal.fileName());
}

OpenInvoices ReadOpenInvoices() {
  OpenInvoices open;
  d4tagSelect(Cust5.d, d4tag(Cust5.d, "CCNO"));
  for (int rc = d4top(Inv5.d); rc == 0; rc = d4skip(Inv5.d, 1)) {
    if (d4deleted(Inv5.d)) continue;
    const Cents due = ToCents(f4double(Inv5.Due));
    if (due <= 0) continue;
    OpenInvoice invoice{f4long(Inv5.IvNo), due, QString()};
    const long cuno = f4long(Inv5.CuNo);
    if (cuno != 0 && d4seek(Cust5.d, NumberTagKey(cuno).constData()) == 0) {
      const QString company = FieldText(Cust5.addr1).trimmed();
      invoice.customerName = company.isEmpty()
                                 ? QStringLiteral("%1 %2").arg(FieldText(Cust5.first).trimmed(), FieldText(Cust5.last).trimmed())
                                 : company;
    }
    open.add(invoice);
  }
  return open;
}

StatementProposal ProposeBookings(const BankStatement& s, const QString& currency, const OpenInvoices& open) {
  StatementProposal proposal;
  DATA4* refs = OpenBANKREF();
  const QString ours = currency.isEmpty() ? QStringLiteral("EUR") : currency.toUpper();
  for (const BankEntry& e : s.entries) {
    //: %1 the booking date, %2 the amount with its currency.
    const QString which = Tr::tr("%1, %2").arg(e.bookingDate.toString(Qt::ISODate), AmountText(e.amount) + QLatin1Char(' ') + e.currency);
    if (!e.credit) {
      proposal.passedBy << Tr::tr("%1: a debit").arg(which);
      continue;
    }
    if (e.reversal) {
      proposal.passedBy << Tr::tr("%1: a reversal").arg(which);
      continue;
    }
    if (!e.booked) {
      proposal.passedBy << Tr::tr("%1: not booked by the bank yet").arg(which);
      continue;
    }
    for (qsizetype i = 0; i < e.transactions.size(); ++i) {
      const BankTransaction& t = e.transactions[i];
      if (t.currency.toUpper() != ours) {
        proposal.passedBy << Tr::tr("%1: in %2, not %3").arg(which, t.currency, ours);
        continue;
      }
      ProposedPayment p;
      p.payment = t;
      p.date = e.bookingDate;
      p.bankReference = ReferenceOf(e, i, t);
      p.alreadyBooked = refs && Booked(refs, p.bankReference);
      p.match = MatchPayment(t, open);
      p.invoice = p.alreadyBooked ? 0 : p.match.invoice;
      proposal.payments << p;
    }
  }
  if (refs) d4close(refs);
  return proposal;
}

BookingOutcome BookPayments(const QList<ProposedPayment>& payments) {
  BookingOutcome outcome;
  DATA4* refs = OpenBANKREF();
  if (!refs) return {false, 0, Tr::tr("the table of booked bank entries cannot be opened")};
  QList<Written> written;
  const auto fail = [&](const QString& why) {
    TakeBack(written, refs);
    d4close(refs);
    code4errorCode(cb, 0);
    QFile::remove(JournalPath());
    return BookingOutcome{false, 0, why};
  };
  d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
  const long paymentsBefore = d4recCountDo(Pmt.d);
  QSet<long> claimed;
  if (!WriteJournal(payments, refs)) {
    d4close(refs);
    return {false, 0, Tr::tr("%1 could not be written").arg(JournalPath())};
  }
  for (const ProposedPayment& p : payments) {
    if (p.invoice <= 0 || p.alreadyBooked || Booked(refs, p.bankReference)) continue;
    Written w;
    if (!SeekNumber(Inv5.d, Inv5.IvNo, p.invoice)) return fail(Tr::tr("there is no invoice %1").arg(p.invoice));
    if (!PaymentThere(p.invoice, p.date, p.payment.amount, paymentsBefore, &claimed)) {
      if (d4appendBlank(Pmt.d) != 0) return fail(Tr::tr("a payment could not be added"));
      w.paymentRecord = d4recNo(Pmt.d);
      f4assignLong(Pmt.IvNo, p.invoice);
      AssignDate(Pmt.PDate, DateFromQDate(p.date));
      f4assignDouble(Pmt.PAmt, Money(p.payment.amount));
      WriteCurrentRecord(Pmt.d);
      if (!SeekNumber(Inv5.d, Inv5.IvNo, p.invoice)) return fail(Tr::tr("there is no invoice %1").arg(p.invoice));
      w.invoiceRecord = d4recNo(Inv5.d);
      w.dueBefore = f4double(Inv5.Due);
      const double due = DueAfterPayments(p.invoice);
      d4go(Inv5.d, w.invoiceRecord);
      f4assignDouble(Inv5.Due, due);
      WriteCurrentRecord(Inv5.d);
    }
    if (d4appendBlank(refs) != 0) return fail(Tr::tr("the bank entry's reference could not be kept"));
    w.referenceRecord = d4recNo(refs);
    AssignText(d4field(refs, "REF"), p.bankReference, 80);
    f4assignLong(d4field(refs, "IVNO"), p.invoice);
    f4assignDouble(d4field(refs, "AMOUNT"), Money(p.payment.amount));
    AssignDate(d4field(refs, "BOOKED"), DateFromQDate(p.date));
    AssignDate(d4field(refs, "IMPORTED"), DateFromQDate(Clock::today()));
    WriteCurrentRecord(refs);
    written << w;
    if (code4errorCode(cb, 0) < 0) return fail(Tr::tr("a table could not be written"));
    ++outcome.booked;
  }
  // What was booked stays booked should the close fail: a payment found in
  // PMT without its reference then only gets the reference at the next
  // import.
  const bool closed = d4close(refs) == 0 && code4errorCode(cb, 0) >= 0;
  QFile::remove(JournalPath());
  if (!closed) return {false, outcome.booked, Tr::tr("the table of booked bank entries could not be written")};
  return outcome;
}
