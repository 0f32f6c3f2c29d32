#include "einvoice/FacturX.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(FacturX)
};

const char kFileName[] = "factur-x.xml";

// The Factur-X properties and the extension schema that declares them to a
// PDF/A reader.
const char kFacturX[] = R"(    <rdf:Description xmlns:fx="urn:factur-x:pdfa:CrossIndustryDocument:invoice:1p0#" rdf:about="">
      <fx:DocumentType>INVOICE</fx:DocumentType>
      <fx:DocumentFileName>factur-x.xml</fx:DocumentFileName>
      <fx:Version>1.0</fx:Version>
      <fx:ConformanceLevel>EN 16931</fx:ConformanceLevel>
    </rdf:Description>
    <rdf:Description xmlns:pdfaExtension="http://www.aiim.org/pdfa/ns/extension/" xmlns:pdfaSchema="http://www.aiim.org/pdfa/ns/schema#" xmlns:pdfaProperty="http://www.aiim.org/pdfa/ns/property#" rdf:about="">
      <pdfaExtension:schemas>
        <rdf:Bag>
          <rdf:li rdf:parseType="Resource">
            <pdfaSchema:schema>Factur-X PDFA Extension Schema</pdfaSchema:schema>
            <pdfaSchema:namespaceURI>urn:factur-x:pdfa:CrossIndustryDocument:invoice:1p0#</pdfaSchema:namespaceURI>
            <pdfaSchema:prefix>fx</pdfaSchema:prefix>
            <pdfaSchema:property>
              <rdf:Seq>
                <rdf:li rdf:parseType="Resource">
                  <pdfaProperty:name>DocumentFileName</pdfaProperty:name>
                  <pdfaProperty:valueType>Text</pdfaProperty:valueType>
                  <pdfaProperty:category>external</pdfaProperty:category>
                  <pdfaProperty:description>The name of the embedded XML document</pdfaProperty:description>
                </rdf:li>
                <rdf:li rdf:parseType="Resource">
                  <pdfaProperty:name>DocumentType</pdfaProperty:name>
                  <pdfaProperty:valueType>Text</pdfaProperty:valueType>
                  <pdfaProperty:category>external</pdfaProperty:category>
                  <pdfaProperty:description>The type of the hybrid document in capital letters, e.g. INVOICE or ORDER</pdfaProperty:description>
                </rdf:li>
                <rdf:li rdf:parseType="Resource">
                  <pdfaProperty:name>Version</pdfaProperty:name>
                  <pdfaProperty:valueType>Text</pdfaProperty:valueType>
                  <pdfaProperty:category>external</pdfaProperty:category>
                  <pdfaProperty:description>The actual version of the standard applying to the embedded XML document</pdfaProperty:description>
                </rdf:li>
                <rdf:li rdf:parseType="Resource">
                  <pdfaProperty:name>ConformanceLevel</pdfaProperty:name>
                  <pdfaProperty:valueType>Text</pdfaProperty:valueType>
                  <pdfaProperty:category>external</pdfaProperty:category>
                  <pdfaProperty:description>The conformance level of the embedded XML document</pdfaProperty:description>
                </rdf:li>
              </rdf:Seq>
            </pdfaSchema:property>
          </rdf:li>
        </rdf:Bag>
      </pdfaExtension:schemas>
    </rdf:Description>
)";

// A date as PDF dictionaries write it.
std::string PdfDate(const QDateTime& t) {
  return t.toUTC().toString(QStringLiteral("'D:'yyyyMMddHHmmss'Z'")).toStdString();
}

}  // namespace

QByteArray FacturXMetadata(const QByteArray& xmp) {
  QByteArray out = xmp;
  const QByteArray part1 = "pdfaid:part=\"1\"";
  const qsizetype at = out.indexOf(part1);
  const qsizetype end = out.lastIndexOf("</rdf:RDF>");
  if (at < 0 || end < at) return QByteArray();
  out.insert(end, kFacturX);
  out.replace(at, part1.size(), "pdfaid:part=\"3\"");
  return out;
}

bool MakeFacturX(const QString& printed, const QByteArray& xml, const QString& out, QString* why) {
  try {
    QPDF pdf;
    pdf.processFile(QFile::encodeName(printed).constData());
    QPDFObjectHandle root = pdf.getRoot();

    // The XMP metadata: PDF/A-3b and the Factur-X properties.
    QPDFObjectHandle metadata = root.getKey("/Metadata");
    if (!metadata.isStream()) {
      *why = Tr::tr("the printed invoice is not a PDF/A file (it has no metadata)");
      return false;
    }
    const std::shared_ptr<Buffer> data = metadata.getStreamData(qpdf_dl_all);
    const QByteArray xmp = FacturXMetadata(
        QByteArray(reinterpret_cast<const char*>(data->getBuffer()), qsizetype(data->getSize())));
    if (xmp.isEmpty()) {
      *why = Tr::tr("the printed invoice is not a PDF/A file (its metadata names no part)");
      return false;
    }
    metadata.replaceStreamData(xmp.toStdString(), QPDFObjectHandle::newNull(),
                               QPDFObjectHandle::newNull());

    // The invoice's XML as the embedded file the Factur-X readers look for.
    const std::string now = PdfDate(QDateTime::currentDateTimeUtc());
    QPDFEFStreamObjectHelper stream = QPDFEFStreamObjectHelper::createEFStream(pdf, xml.toStdString());
    stream.setSubtype("text/xml").setCreationDate(now).setModDate(now);
    QPDFFileSpecObjectHelper attachment = QPDFFileSpecObjectHelper::createFileSpec(pdf, kFileName, stream);
    attachment.setDescription("Factur-X invoice");
    QPDFObjectHandle attached = attachment.getObjectHandle();
    attached.replaceKey("/AFRelationship", QPDFObjectHandle::newName("/Data"));
    QPDFEmbeddedFileDocumentHelper(pdf).replaceEmbeddedFile(kFileName, attachment);
    root.replaceKey("/AF", QPDFObjectHandle::newArray({attached}));

    QPDFWriter writer(pdf, QFile::encodeName(out).constData());
    // Streams as they are: PDF/A wants the metadata uncompressed.
    writer.setStreamDataMode(qpdf_s_preserve);
    writer.write();
    return true;
  } catch (const std::exception& e) {
    *why = QString::fromLocal8Bit(e.what());
    return false;
  }
}
