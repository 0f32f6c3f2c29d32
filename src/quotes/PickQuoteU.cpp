#include "quotes/PickQuoteU.h"

#include "data/KeyText.h"
#include "data/QuoteRecords.h"
#include "invoicing/InvoiceRows.h"
#include "platform/Clock.h"
#include "platform/Dates.h"
#include "platform/NumberText.h"
#include "quotes/QuoteU.h"

TPickQuote::TPickQuote(QWidget* parent)
    : PickGridForm({tr("Select Quote"), QChar('M'), 52, 10, true}, parent) {
  setObjectName("TPickQuote");
}

DATA4* TPickQuote::table() const { return QuoteTable(); }

int& TPickQuote::currentRecord() const { return CurrentQuoteRec; }

void TPickQuote::selectTag() { d4tagSelect(QuoteTable(), d4tag(QuoteTable(), "QUOTE")); }

QList<PickGridForm::Column> TPickQuote::columns() const {
  //: Column headings of the quote list.
  return {{tr("Quote"), 6}, {tr("Date"), 9}, {tr("Customer"), 17}, {tr("Total"), 10}, {tr("State"), 10}};
}

QStringList TPickQuote::rowTexts() {
  const QuoteRecord q = CurrentQuote();
  QString customer;
  d4tagSelect(Cust5.d, d4tag(Cust5.d, "CCNO"));
  if (q.cuno != 0 && d4seek(Cust5.d, NumberTagKey(q.cuno).constData()) == r4success)
    customer = FieldText(Cust5.first).trimmed() + ' ' + FieldText(Cust5.last).trimmed();
  return {PadLeft(q.qno, 6), FormatShortDate(q.date), customer, FormatFloat("%10.2f", q.total),
          StandingText(StandingOf(q, Clock::today()))};
}

bool TPickQuote::seek(const QString& text) {
  const QByteArray key = InvoiceSeekKey(text);
  return !key.isEmpty() && paging().seekKey(key);
}
