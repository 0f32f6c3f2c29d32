#include "platform/GuardedXml.h"

#include <QCoreApplication>

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(GuardedXml)
};

// Whole megabytes, as the message says them.
QString Megabytes(qsizetype bytes) { return QString::number(bytes / (1024 * 1024)); }

}  // namespace

// The reader never asks for an outside entity (there is no resolver), and
// it never sees one: the DTD that could declare it ends the reading.
GuardedXml::GuardedXml(const QByteArray& bytes, qsizetype largest, int deepest)
    : xml_(bytes.size() <= largest ? bytes : QByteArray()), deepest_(deepest) {
  const QString tooLarge = TooLargeReason(bytes.size(), largest);
  if (!tooLarge.isEmpty()) fail(Failure::TooLarge, tooLarge);
}

QString GuardedXml::TooLargeReason(qsizetype size, qsizetype largest) {
  if (size <= largest) return QString();
  //: %1 the largest size read, in MB.
  return Tr::tr("it is larger than %1 MB, the most that is read of an XML file").arg(Megabytes(largest));
}

void GuardedXml::fail(Failure failure, const QString& why) {
  failure_ = failure;
  error_ = why;
}

QXmlStreamReader::TokenType GuardedXml::readNext() {
  if (failure_ != Failure::None) return QXmlStreamReader::Invalid;
  // The end of the element read last closes only now, so that depth()
  // still counts it while its end tag is the current token.
  if (xml_.tokenType() == QXmlStreamReader::EndElement) --depth_;
  const QXmlStreamReader::TokenType token = xml_.readNext();
  switch (token) {
    case QXmlStreamReader::DTD:
      fail(Failure::Refused,
           Tr::tr("it declares a document type (<!DOCTYPE), which is refused: no entity and no outside file "
                  "named in it is read"));
      return QXmlStreamReader::Invalid;
    case QXmlStreamReader::StartElement:
      if (++depth_ > deepest_) {
        //: %1 the deepest nesting read.
        fail(Failure::Refused, Tr::tr("its elements are nested deeper than %1 levels").arg(deepest_));
        return QXmlStreamReader::Invalid;
      }
      break;
    case QXmlStreamReader::EntityReference:
      // Only a DTD declares an entity of its own; without one this is
      // an undeclared reference the reader reports as an error next.
      break;
    case QXmlStreamReader::Invalid:
      //: %1 the XML reader's own words, in English.
      fail(Failure::Malformed, Tr::tr("it is not well-formed XML (%1)").arg(xml_.errorString()));
      return QXmlStreamReader::Invalid;
    default: break;
  }
  return token;
}
