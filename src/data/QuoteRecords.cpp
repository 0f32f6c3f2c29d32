#include "data/QuoteRecords.h"

#include <QCoreApplication>

#include "data/CodeBase.h"
#include "data/FieldFit.h"
#include "data/RecordSave.h"
#include "data/NextNumber.h"
#include "platform/Dates.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(Quotes)
};

DATA4*& Quotes() {
  static DATA4* d = nullptr;
  return d;
}

DATA4*& Lines() {
  static DATA4* d = nullptr;
  return d;
}

FIELD4* F(DATA4* d, const char* name) { return d4field(d, name); }

double Number(FIELD4* f) {
  double x = 0;
  f4double2(f, &x);
  return x;
}

// The engine's pending error as the text to show, cleared.
QString EngineFailure() {
  const std::string text = code4errorText(cb);  // clearing the error clears its text
  if (code4errorCode(cb, 0) >= 0) return QString();
  return QString::fromLocal8Bit(text.c_str());
}

QString FirstMisfit(const QuoteRecord& q, const QList<ItemRecord>& lines) {
  DATA4* d = Quotes();
  for (const auto& [field, value] : {std::pair{"SHIP", q.ship}, {"TAX", q.tax}, {"TOTAL", q.total}})
    if (QString misfit = Misfit(F(d, field), value); !misfit.isEmpty()) return misfit;
  for (const ItemRecord& line : lines)
    for (const auto& [field, value] : {std::pair{"QTY", line.Qty}, {"UPR", line.UPR}})
      if (QString misfit = Misfit(F(Lines(), field), value); !misfit.isEmpty()) return misfit;
  return QString();
}

void AssignHeader(DATA4* d, const QuoteRecord& q) {
  f4assignLong(F(d, "CUNO"), q.cuno);
  AssignText(F(d, "DEPT"), q.dept);
  AssignDate(F(d, "QDATE"), q.date);
  AssignDate(F(d, "VALID"), q.valid);
  f4assignDouble(F(d, "SHIP"), q.ship);
  f4assignDouble(F(d, "TAX"), q.tax);
  f4assignDouble(F(d, "TOTAL"), q.total);
  f4assign(F(d, "STATE"), QString(q.state).toLatin1().constData());
  f4assignLong(F(d, "IVNO"), q.ivno);
  AssignMemo(F(d, "REM"), q.rem);
}

}  // namespace

QuoteStanding StandingOf(const QuoteRecord& q, QDate today) {
  switch (q.state.unicode()) {
    case 'I': return QuoteStanding::Invoiced;
    case 'D': return QuoteStanding::Declined;
    default: break;
  }
  if (q.valid > 0 && QDateFromDate(q.valid) < today) return QuoteStanding::Expired;
  return q.state == QLatin1Char('A') ? QuoteStanding::Accepted : QuoteStanding::Open;
}

QString StandingText(QuoteStanding standing) {
  switch (standing) {
    //: A quote's state in the quote list.
    case QuoteStanding::Open: return Tr::tr("open");
    case QuoteStanding::Accepted: return Tr::tr("accepted");
    case QuoteStanding::Declined: return Tr::tr("declined");
    case QuoteStanding::Expired: return Tr::tr("expired");
    case QuoteStanding::Invoiced: return Tr::tr("invoiced");
  }
  return QString();
}

bool OpenQuoteTables() {
  if (!Quotes()) Quotes() = OpenQUOTE();
  if (!Lines()) Lines() = OpenQUOTEIT();
  return Quotes() && Lines();
}

DATA4* QuoteTable() { return Quotes(); }
DATA4* QuoteLineTable() { return Lines(); }

void ForgetQuoteHandles() {
  Quotes() = nullptr;
  Lines() = nullptr;
}

QuoteRecord CurrentQuote() {
  DATA4* d = Quotes();
  QuoteRecord q;
  q.qno = f4long(F(d, "QNO"));
  q.cuno = f4long(F(d, "CUNO"));
  q.dept = FieldText(F(d, "DEPT")).trimmed();
  q.date = FieldDate(F(d, "QDATE"));
  q.valid = FieldDate(F(d, "VALID"));
  q.ship = Number(F(d, "SHIP"));
  q.tax = Number(F(d, "TAX"));
  q.total = Number(F(d, "TOTAL"));
  const QString state = FieldText(F(d, "STATE")).trimmed().toUpper();
  if (state.size() == 1 && QStringLiteral("OADI").contains(state[0])) q.state = state[0];
  q.ivno = f4long(F(d, "IVNO"));
  q.rem = MemoText(F(d, "REM"));
  code4errorCode(cb, 0);
  return q;
}

bool ReadQuote(long qno, QuoteRecord* q) {
  DATA4* d = Quotes();
  d4tagSelect(d, d4tag(d, "QUOTE"));
  if (!SeekNumber(d, F(d, "QNO"), qno) || d4deleted(d)) return false;
  *q = CurrentQuote();
  return true;
}

QList<ItemRecord> QuoteLines(long qno) {
  DATA4* d = Lines();
  d4tagSelect(d, d4tag(d, "QUOTEIT"));
  QList<ItemRecord> lines;
  for (bool on = SeekNumber(d, F(d, "QNO"), qno); on; on = NextOfNumber(d, F(d, "QNO"), qno)) {
    if (d4deleted(d)) continue;
    ItemRecord line;
    line.IvNo = qno;
    line.PrID = FieldText(F(d, "PRID"));
    line.Qty = Number(F(d, "QTY"));
    line.UPR = Number(F(d, "UPR"));
    line.LTax1 = FieldLogical(F(d, "LTAX1"));
    line.LTax2 = FieldLogical(F(d, "LTAX2"));
    line.PDesc = FieldText(F(d, "PDESC"));
    line.IComm = FieldText(F(d, "ICOMM"));
    lines.append(line);
  }
  code4errorCode(cb, 0);
  return lines;
}

long NextQuoteNumber() {
  DATA4* d = Quotes();
  d4tagSelect(d, d4tag(d, "QUOTE"));
  if (d4bottom(d) != r4success) return 1;
  return f4long(F(d, "QNO")) + 1;
}

QString WriteQuote(QuoteRecord& q, const QList<ItemRecord>& lines) {
  if (QString misfit = FirstMisfit(q, lines); !misfit.isEmpty()) return misfit;
  DATA4* d = Quotes();
  d4tagSelect(d, d4tag(d, "QUOTE"));
  if (q.qno == 0 || !SeekNumber(d, F(d, "QNO"), q.qno)) {
    if (q.qno == 0) q.qno = NextQuoteNumber();
    if (q.qno > LargestNumber(F(d, "QNO"))) return Tr::tr("No quote number is left.");
    if (!AppendRecord(d)) return EngineFailure();
    f4assignLong(F(d, "QNO"), q.qno);
  }
  AssignHeader(d, q);
  WriteCurrentRecord(d);
  if (QString why = EngineFailure(); !why.isEmpty()) return why;
  DATA4* l = Lines();
  d4tagSelect(l, d4tag(l, "QUOTEIT"));
  const LinesWritten written = OverwriteLines(l, F(l, "QNO"), q.qno, int(lines.size()), [&](int i) {
    const ItemRecord& line = lines[i];
    f4assignLong(F(l, "QNO"), q.qno);
    AssignText(F(l, "PRID"), line.PrID, 10);
    f4assignDouble(F(l, "QTY"), line.Qty);
    f4assignDouble(F(l, "UPR"), line.UPR);
    AssignLogical(F(l, "LTAX1"), line.LTax1);
    AssignLogical(F(l, "LTAX2"), line.LTax2);
    AssignText(F(l, "PDESC"), line.PDesc);
    AssignText(F(l, "ICOMM"), line.IComm);
  });
  if (written.appendFailed) return EngineFailure();
  WriteCurrentRecord(l);
  if (written.surplusDeleted) PackNow(l);
  return EngineFailure();
}

QString WriteQuoteHeader(const QuoteRecord& q) {
  DATA4* d = Quotes();
  d4tagSelect(d, d4tag(d, "QUOTE"));
  if (!SeekNumber(d, F(d, "QNO"), q.qno)) return Tr::tr("Quote %1 is no longer there.").arg(q.qno);
  AssignHeader(d, q);
  WriteCurrentRecord(d);
  return EngineFailure();
}

QString DeleteQuote(long qno) {
  DATA4* d = Quotes();
  DATA4* l = Lines();
  d4tagSelect(l, d4tag(l, "QUOTEIT"));
  MarkLinesDeleted(l, F(l, "QNO"), qno);
  d4tagSelect(d, d4tag(d, "QUOTE"));
  MarkLinesDeleted(d, F(d, "QNO"), qno);
  PackNow(l);
  PackNow(d);
  return EngineFailure();
}
