#include "quotes/QuoteCommand.h"

#include "data/CodeBase.h"
#include "data/InvoiceLoad.h"
#include "data/QuoteRecords.h"
#include "data/dbFiles.h"
#include "platform/Ui.h"
#include "quotes/PickQuoteU.h"
#include "quotes/QuoteU.h"

void EditQuotes(TPickQuote* pickList, TQuote* editor) {
  if (!pickList || !editor) return;
  TablesClosedAtEnd closed;
  if (!OpenInvoiceTables() || !OpenQuoteTables()) return;
  CurrentQuoteRec = LastRecord(QuoteTable());
  for (;;) {
    if (d4recCountDo(QuoteTable()) == 0) CurrentQuoteRec = 0;
    Ui::get().exec(pickList);
    if (CurrentQuoteRec < 0) break;
    Ui::get().exec(editor);
  }
  if (DeletionsPending) PackAll();
}
