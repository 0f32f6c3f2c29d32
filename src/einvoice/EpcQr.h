// The payment QR code of a printed invoice: the European Payments Council's
// "SEPA credit transfer" QR code (version 002), which banking apps scan to
// fill in a transfer of the amount due to the seller's account.
#ifndef EINVOICE_EPCQR_H
#define EINVOICE_EPCQR_H

#include <QByteArray>
#include <QImage>
#include <QString>

#include "einvoice/EInvoice.h"

struct CreditTransfer {
  QString name;     // the beneficiary: at most 70 characters are kept
  QString iban;
  QString bic;      // may be empty (version 002)
  Cents amount = 0; // euro cents, 1 to 99999999999
  QString remittance;  // unstructured, at most 140 characters
  // The structured creditor reference (RF...), at most 35 characters; when
  // set, the unstructured remittance is left empty, as the EPC allows one.
  QString reference;
};

// The payload: the service tag BCD, version 002, UTF-8, SCT, then BIC,
// name, IBAN, "EUR" and the amount, no purpose, the reference or the
// remittance text; lines separated by LF, the empty ones at the end left
// out. Empty when the transfer cannot be carried (no IBAN, no name, an
// amount out of range).
QByteArray EpcPayload(const CreditTransfer& transfer);

// The QR code of data at error correction level M (as the EPC asks), one
// pixel a module with a quiet zone of four modules, black on white;
// a null image when data does not fit a QR code.
QImage QrCodeImage(const QByteArray& data);

#endif  // EINVOICE_EPCQR_H
