// Factur-X / ZUGFeRD: a printed invoice in PDF/A (the program prints it as
// PDF/A-1b: fonts embedded, an sRGB output intent, XMP metadata) turned into
// PDF/A-3b carrying the invoice's CII XML as the embedded file
// factur-x.xml (/AFRelationship /Data, listed in the catalog's /AF), with
// the Factur-X extension schema in its XMP metadata, profile EN 16931.
#ifndef EINVOICE_FACTURX_H
#define EINVOICE_FACTURX_H

#include <QByteArray>
#include <QString>

// Reads the PDF printed, writes the Factur-X file out (which must not be the
// printed file). False, with *why, when the printed file cannot be read or
// the new one not written; out may then hold a part of it.
bool MakeFacturX(const QString& printed, const QByteArray& xml, const QString& out, QString* why);

// The XMP metadata of a PDF/A-1b file (as the printer writes it) declared
// PDF/A-3b with the Factur-X schema; "" when xmp holds no PDF/A part.
QByteArray FacturXMetadata(const QByteArray& xmp);

#endif  // EINVOICE_FACTURX_H
