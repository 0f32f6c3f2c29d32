// The terms of a UN/CEFACT Cross Industry Invoice (D16B, as XRechnung CII,
// ZUGFeRD and Factur-X write it) read from its tree. The root is known to be
// rsm:CrossIndustryInvoice; what the file lacks stays null.
#ifndef RECEIVING_CIIREADER_H
#define RECEIVING_CIIREADER_H

#include "receiving/ReceivedInvoice.h"

struct XmlElement;

ReceivedInvoice ReadCii(const XmlElement& root);

#endif  // RECEIVING_CIIREADER_H
