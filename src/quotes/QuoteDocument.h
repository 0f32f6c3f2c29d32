// The printed quote: the letterhead page with the customer's address, the
// quote's number, date and validity, its lines, the charge lines and the
// total as the invoice shows them, and its memo; in the customer's
// language, titled "Quote".
#ifndef QUOTES_QUOTEDOCUMENT_H
#define QUOTES_QUOTEDOCUMENT_H

#include <QList>

#include "data/QuoteRecords.h"

// The quote in the report window (preview, print, PDF, e-mail); the
// customer's address is CustomerAddress. The document is released
// afterwards.
void ShowQuoteDocument(const QuoteRecord& quote, const QList<ItemRow>& items);
// The same into a PDF file, for the mail program; false when it could not
// be written.
bool SaveQuotePdf(const QuoteRecord& quote, const QList<ItemRow>& items, const QString& path);

#endif  // QUOTES_QUOTEDOCUMENT_H
