// The terms of a UBL 2.1 Invoice or CreditNote (as Peppol BIS Billing and
// XRechnung UBL write them) read from its tree. The root is known to be one
// of the two; what the file lacks stays null.
#ifndef RECEIVING_UBLREADER_H
#define RECEIVING_UBLREADER_H

#include "receiving/ReceivedInvoice.h"

struct XmlElement;

ReceivedInvoice ReadUbl(const XmlElement& root, bool creditNote);

#endif  // RECEIVING_UBLREADER_H
