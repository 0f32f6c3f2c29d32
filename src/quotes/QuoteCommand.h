// "Add & Edit Quotes": the quote tables, the customers, products and the
// invoice tables opened; the quote pick list and editor in turn until the
// pick list is cancelled; every table closed at the end.
#ifndef QUOTES_QUOTECOMMAND_H
#define QUOTES_QUOTECOMMAND_H

class TPickQuote;
class TQuote;

void EditQuotes(TPickQuote* pickList, TQuote* editor);

#endif  // QUOTES_QUOTECOMMAND_H
