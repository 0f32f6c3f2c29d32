// "Make Invoice": a quote becomes a new invoice of the next invoice number,
// dated today, with its customer, department, memo, lines and typed first
// charge line; the charge lines and the total computed again at today's
// settings. A quote becomes one invoice at most, also across a kill: the
// invoice's number is kept in the quote before the invoice is written, and
// the next try finds it and completes that invoice in place.
//
// Preconditions: the invoice tables (OpenInvoiceTables) and the quote
// tables are open.
#ifndef QUOTES_QUOTEINVOICE_H
#define QUOTES_QUOTEINVOICE_H

#include <QDate>
#include <QString>

struct QuoteInvoice {
  long ivNo = 0;               // the invoice the quote became
  bool amountsDiffer = false;  // its charge lines or total are not the quote's
  double total = 0;            // the invoice's total
  QString error;               // no invoice made: why
};

QuoteInvoice MakeInvoiceOfQuote(long qno, QDate today);

#endif  // QUOTES_QUOTEINVOICE_H
