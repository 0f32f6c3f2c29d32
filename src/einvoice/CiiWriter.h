// The UN/CEFACT Cross Industry Invoice (D16B) of an e-invoice: the XML that
// a Factur-X PDF carries as factur-x.xml (profile EN 16931) and that an
// XRechnung is (the same syntax, declaring XRechnung 3.0 as its rules).
#ifndef EINVOICE_CIIWRITER_H
#define EINVOICE_CIIWRITER_H

#include <QByteArray>

struct EInvoice;

enum class CiiFlavour { FacturX, XRechnung };

// UTF-8 XML; the invoice must have passed the checks of its format.
QByteArray WriteCii(const EInvoice& invoice, CiiFlavour flavour);

#endif  // EINVOICE_CIIWRITER_H
