#include "receiving/ReceivedRead.h"

#include <QCoreApplication>

#include "receiving/CiiReader.h"
#include "receiving/PdfAttachment.h"
#include "receiving/UblReader.h"
#include "receiving/XmlTree.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(ReceivedRead)
};

const QLatin1String kCii("urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100");
const QLatin1String kUblInvoice("urn:oasis:names:specification:ubl:schema:xsd:Invoice-2");
const QLatin1String kUblCreditNote("urn:oasis:names:specification:ubl:schema:xsd:CreditNote-2");

ReceivedRead ReadXml(const QByteArray& bytes) {
  ReceivedRead read;
  const XmlTreeRead tree = ReadXmlTree(bytes);
  switch (tree.failure) {
    case GuardedXml::Failure::None: break;
    case GuardedXml::Failure::Malformed: read.result = ReceivedRead::Result::Damaged; break;
    case GuardedXml::Failure::Refused: read.result = ReceivedRead::Result::Refused; break;
    case GuardedXml::Failure::TooLarge: read.result = ReceivedRead::Result::TooLarge; break;
  }
  if (tree.failure != GuardedXml::Failure::None) {
    read.error = tree.error;
    return read;
  }
  const XmlElement& root = tree.root;
  if (root.name == QLatin1String("CrossIndustryInvoice") && root.ns == kCii) {
    read.invoice = ReadCii(root);
  } else if (root.name == QLatin1String("Invoice") && root.ns == kUblInvoice) {
    read.invoice = ReadUbl(root, false);
  } else if (root.name == QLatin1String("CreditNote") && root.ns == kUblCreditNote) {
    read.invoice = ReadUbl(root, true);
  } else {
    read.result = ReceivedRead::Result::NotEInvoice;
    //: %1 the XML's root element with its namespace.
    read.error = Tr::tr("it is no e-invoice (CII CrossIndustryInvoice, UBL Invoice or CreditNote) but %1")
                     .arg(root.ns.isEmpty() ? root.name : QStringLiteral("{%1}%2").arg(root.ns, root.name));
    return read;
  }
  read.result = ReceivedRead::Result::Read;
  read.xml = bytes;
  return read;
}

}  // namespace

ReceivedRead ReadReceived(const QByteArray& bytes) {
  if (!LooksLikePdf(bytes)) return ReadXml(bytes);
  ReceivedRead read;
  const PdfAttachment pdf = ReadPdfAttachment(bytes);
  switch (pdf.result) {
    case PdfAttachment::Result::Found: break;
    case PdfAttachment::Result::NoEInvoice: read.result = ReceivedRead::Result::NotEInvoice; break;
    case PdfAttachment::Result::Damaged: read.result = ReceivedRead::Result::Damaged; break;
    case PdfAttachment::Result::TooLarge: read.result = ReceivedRead::Result::TooLarge; break;
  }
  if (pdf.result != PdfAttachment::Result::Found) {
    read.error = pdf.error;
    return read;
  }
  read = ReadXml(pdf.xml);
  read.attachment = pdf.name;
  //: %1 the embedded file's name, %2 why it cannot be read.
  if (!read.ok()) read.error = Tr::tr("its embedded %1 cannot be read: %2").arg(pdf.name, read.error);
  return read;
}
