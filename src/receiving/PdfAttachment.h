// The e-invoice inside a Factur-X / ZUGFeRD PDF: the embedded file
// factur-x.xml, zugferd-invoice.xml or xrechnung.xml (the name taken
// without regard to case), read with libqpdf. A PDF that qpdf had to
// repair and that holds no such file is damaged, not merely without an
// e-invoice. The PDF is at most kLargestPdf bytes, the embedded file,
// decompressed, at most GuardedXml::kLargest: reading stops there.
#ifndef RECEIVING_PDFATTACHMENT_H
#define RECEIVING_PDFATTACHMENT_H

#include <QByteArray>
#include <QString>

constexpr qsizetype kLargestPdf = 100 * 1024 * 1024;

struct PdfAttachment {
  enum class Result { Found, NoEInvoice, Damaged, TooLarge };
  Result result = Result::Damaged;
  QString name;     // the embedded file's name, when found
  QByteArray xml;   // its bytes, when found
  QString error;    // one sentence, when not found
};

// Whether bytes begin as a PDF does (within the first kilobyte, where
// readers look for "%PDF-").
bool LooksLikePdf(const QByteArray& bytes);

PdfAttachment ReadPdfAttachment(const QByteArray& pdf);

#endif  // RECEIVING_PDFATTACHMENT_H
