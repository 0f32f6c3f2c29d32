#include "quotes/QuoteInvoice.h"

#include <QCoreApplication>
#include <cmath>

#include "data/QuoteRecords.h"
#include "invoicing/InvoiceCopy.h"
#include "invoicing/InvoiceRecords.h"
#include "platform/Dates.h"
#include "platform/NumberText.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(QuoteInvoice)
};

long Cents(double amount) { return std::lround(amount * 100); }

}  // namespace

QuoteInvoice MakeInvoiceOfQuote(long qno, QDate today) {
  QuoteInvoice made;
  QuoteRecord q;
  if (!ReadQuote(qno, &q)) {
    made.error = Tr::tr("Quote %1 is no longer there.").arg(qno);
    return made;
  }
  if (q.invoiced()) {
    made.error = Tr::tr("Quote %1 has already become invoice %2.").arg(qno).arg(q.ivno);
    return made;
  }
  if (q.state == QLatin1Char('D')) {
    made.error = Tr::tr("Quote %1 was declined: it does not become an invoice.").arg(qno);
    return made;
  }
  InvoiceContent content;
  content.header.CuNo = q.cuno;
  content.header.Dept = q.dept;
  content.header.REM = q.rem;
  content.header.Ship = q.ship;
  content.header.Tax = q.tax;
  content.items = QuoteLines(qno);
  QDate date = today;
  if (q.ivno > 0) {
    // A try cut short: its invoice, where no one took the number since, is
    // completed under it and keeps its date.
    if (QString why = MendCutShortWrite(); !why.isEmpty()) {
      made.error = why;
      return made;
    }
    if (InvoiceRecordOf(q.ivno) == 0) {
      q.ivno = 0;
    } else {
      ReadInvoice();
      if (CurrentInvoice.CuNo != q.cuno) q.ivno = 0;
      else date = QDateFromDate(CurrentInvoice.IDate);
    }
  }
  if (q.ivno == 0) {
    q.ivno = NextInvoiceNumber();
    if (q.ivno > LargestInvoiceNumber()) {
      made.error = Tr::tr("No invoice number is left.");
      return made;
    }
    if (QString why = WriteQuoteHeader(q); !why.isEmpty()) {
      made.error = why;
      return made;
    }
  }
  if (QString why = WriteInvoiceCopy(content, q.ivno, date); !why.isEmpty()) {
    made.error = Tr::tr("Invoice %1 could not be written: %2").arg(q.ivno).arg(why);
    return made;
  }
  q.state = QLatin1Char('I');
  if (QString why = WriteQuoteHeader(q); !why.isEmpty()) {
    made.error = why;
    return made;
  }
  const InvoiceRecord& h = CurrentInvoice;  // as WriteInvoiceCopy wrote it
  made.ivNo = q.ivno;
  made.total = h.Due;
  made.amountsDiffer = Cents(h.Ship) != Cents(q.ship) || Cents(h.Tax) != Cents(q.tax) ||
                       Cents(h.Due) != Cents(q.total);
  return made;
}
