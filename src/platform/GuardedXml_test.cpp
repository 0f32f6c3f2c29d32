// The guard every reader of outside XML goes through.
#include "platform/GuardedXml.h"

#include <gtest/gtest.h>

namespace {

// Reads to the end; the failure and how many start tags were seen.
std::pair<GuardedXml::Failure, int> ReadAll(const QByteArray& bytes, qsizetype largest = GuardedXml::kLargest) {
  GuardedXml xml(bytes, largest);
  int elements = 0;
  while (!xml.atEnd())
    if (xml.readNext() == QXmlStreamReader::StartElement) ++elements;
  return {xml.failure(), elements};
}

TEST(GuardedXml, DocumentTypeIsRefusedBeforeAnyEntityIsUsed) {
  // An outside file named in an entity, and entities that expand a
  // billion-fold: the DOCTYPE ends the reading before the root element.
  const QByteArray xxe = "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><r>&x;</r>";
  QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY l0 \"ha\">";
  for (int i = 1; i < 10; ++i)
    laughs += QStringLiteral("<!ENTITY l%1 \"%2\">").arg(i).arg(QStringLiteral("&l%1;").arg(i - 1).repeated(10)).toUtf8();
  laughs += "]><r>&l9;</r>";
  for (const QByteArray& hostile : {xxe, laughs, QByteArray("<!DOCTYPE r SYSTEM \"http://example.com/r.dtd\"><r/>")}) {
    GuardedXml xml(hostile);
    while (!xml.atEnd()) EXPECT_NE(xml.readNext(), QXmlStreamReader::StartElement);
    EXPECT_EQ(xml.failure(), GuardedXml::Failure::Refused);
    EXPECT_TRUE(xml.error().contains("DOCTYPE")) << xml.error().toStdString();
  }
}

TEST(GuardedXml, DepthAndSizeAreBoundedAtTheirLimits) {
  const auto nested = [](int levels) { return QByteArray("<a>").repeated(levels) + QByteArray("</a>").repeated(levels); };
  EXPECT_EQ(ReadAll(nested(GuardedXml::kDeepest)), std::make_pair(GuardedXml::Failure::None, GuardedXml::kDeepest));
  EXPECT_EQ(ReadAll(nested(GuardedXml::kDeepest + 1)).first, GuardedXml::Failure::Refused);
  // Siblings do not add up to depth.
  EXPECT_EQ(ReadAll("<r>" + QByteArray("<a><b/></a>").repeated(1000) + "</r>").first, GuardedXml::Failure::None);
  EXPECT_EQ(ReadAll("<r/>", 4).first, GuardedXml::Failure::None);
  GuardedXml large("<r/> ", 4);
  EXPECT_EQ(large.failure(), GuardedXml::Failure::TooLarge);
  EXPECT_TRUE(GuardedXml::TooLargeReason(GuardedXml::kLargest + 1).contains("50 MB"));
}

TEST(GuardedXml, MalformedAndUndeclaredEntitiesAreErrors) {
  for (const QByteArray& bad : {QByteArray("<r><a></r>"), QByteArray("<r>&x;</r>"), QByteArray("<r/><r/>"),
                                QByteArray(""), QByteArray("<r")}) {
    const GuardedXml::Failure failure = ReadAll(bad).first;
    EXPECT_EQ(failure, GuardedXml::Failure::Malformed) << bad.constData();
  }
}

}  // namespace
