// The OASIS UBL 2.1 Invoice of an e-invoice, as Peppol BIS Billing 3.0
// declares it.
#ifndef EINVOICE_UBLWRITER_H
#define EINVOICE_UBLWRITER_H

#include <QByteArray>

struct EInvoice;

// UTF-8 XML; the invoice must have passed the Peppol checks.
QByteArray WriteUbl(const EInvoice& invoice);

#endif  // EINVOICE_UBLWRITER_H
