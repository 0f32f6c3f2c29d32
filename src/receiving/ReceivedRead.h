// A received file turned into an e-invoice's terms: XML (CII, UBL Invoice
// or CreditNote, decided by the root element and its namespace) or a
// Factur-X / ZUGFeRD PDF carrying one. Nothing is trusted: the XML goes
// through the guard, the PDF through its bounded reader; anything that is
// no such e-invoice is a result with one sentence, never a crash.
#ifndef RECEIVING_RECEIVEDREAD_H
#define RECEIVING_RECEIVEDREAD_H

#include <QByteArray>
#include <QString>

#include "receiving/ReceivedInvoice.h"

struct ReceivedRead {
  enum class Result {
    Read,         // invoice holds what the file says
    NotEInvoice,  // XML of another kind, a PDF without an e-invoice
    Damaged,      // not well-formed XML, a PDF that cannot be read
    Refused,      // hostile: a document type declaration, nesting too deep
    TooLarge,
  };
  Result result = Result::NotEInvoice;
  QString error;       // why not, one sentence starting in lower case
  QString attachment;  // the embedded file's name, when read from a PDF
  ReceivedInvoice invoice;
  QByteArray xml;  // the XML read (a PDF's embedded file), for the official rules

  bool ok() const { return result == Result::Read; }
};

ReceivedRead ReadReceived(const QByteArray& bytes);

#endif  // RECEIVING_RECEIVEDREAD_H
