// A received e-invoice as a document of the report window (shown, printed,
// saved as PDF or text), in the person's language: the parties with their
// addresses and identifiers, numbers and dates, the lines, allowances and
// charges, the VAT breakdown, the totals, the payment instructions, the
// notes and attachments, and the checks' findings. Amounts as written in
// the file. Requests in, document out: it reads no table.
#ifndef RECEIVING_RECEIVEDDOCUMENT_H
#define RECEIVING_RECEIVEDDOCUMENT_H

#include <QList>
#include <QString>

#include "receiving/ReceivedChecks.h"
#include "receiving/ReceivedInvoice.h"

class ReportLineSink;

struct ReceivedDocumentRequest {
  ReceivedInvoice invoice;
  QList<ReceivedFinding> findings;
  QString file;  // the archived copy's name, shown under the title
};

// Begins a document into sink holding the invoice.
void BuildReceivedDocument(const ReceivedDocumentRequest& request, ReportLineSink& sink);

#endif  // RECEIVING_RECEIVEDDOCUMENT_H
