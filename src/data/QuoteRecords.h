// The quotes as stored (QUOTE, one record per quote, and QUOTEIT, its
// lines as an invoice's items): read, written in place, numbered in a
// series of their own, and deleted. A quote never reaches the invoice
// tables: no report counts it. The field names are a contract with other
// tools: QNO CUNO DEPT QDATE VALID SHIP TAX TOTAL STATE IVNO REM and
// QNO PRID QTY UPR LTAX1 LTAX2 PDESC ICOMM.
#ifndef DATA_QUOTERECORDS_H
#define DATA_QUOTERECORDS_H

#include <QChar>
#include <QDate>
#include <QList>
#include <QString>

#include "data/dbFiles.h"

struct QuoteRecord {
  long qno = 0;
  long cuno = 0;
  QString dept;
  TDate date = 0;
  TDate valid = 0;  // valid until
  double ship = 0, tax = 0, total = 0;
  // STATE: O open, A accepted, D declined, I invoiced (the invoice ivno).
  QChar state = QLatin1Char('O');
  // IVNO: the invoice it became; while state is not I, the number kept for
  // the invoice being made from it.
  long ivno = 0;
  QString rem;

  bool invoiced() const { return state == QLatin1Char('I'); }
};

// What the pick list and the document say of a quote: its state, expired
// when an open or accepted quote's validity ended before today.
enum class QuoteStanding { Open, Accepted, Declined, Expired, Invoiced };
QuoteStanding StandingOf(const QuoteRecord& q, QDate today);
QString StandingText(QuoteStanding standing);

// Opens QUOTE and QUOTEIT on their tags (the quote number); false after
// the engine's message when one cannot be opened. Closed with the others.
bool OpenQuoteTables();
DATA4* QuoteTable();
DATA4* QuoteLineTable();
// The handles let go with the other tables' (ForgetTableHandles).
void ForgetQuoteHandles();

// QUOTE's current record.
QuoteRecord CurrentQuote();
// The quote numbered qno and its record; false when there is none.
bool ReadQuote(long qno, QuoteRecord* q);
// Its lines in their order, as item records numbered qno.
QList<ItemRecord> QuoteLines(long qno);
// One above the highest quote number; 1 for none.
long NextQuoteNumber();

// Writes the quote and its lines, a new one (qno 0) numbered next and
// appended; every number checked against its field before anything is
// written. The text to show when it could not be written (empty: done).
QString WriteQuote(QuoteRecord& q, const QList<ItemRecord>& lines);
// Only the header (its state, the invoice it became).
QString WriteQuoteHeader(const QuoteRecord& q);
// Marks the quote and its lines deleted and packs both tables.
QString DeleteQuote(long qno);

#endif  // DATA_QUOTERECORDS_H
