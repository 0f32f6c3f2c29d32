// The CII and UBL writers on a hand-made invoice, checked by the official
// validators of each format.
#include "einvoice/CiiWriter.h"

#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include "einvoice/TestSupport.h"
#include "einvoice/UblWriter.h"

namespace {

TEST(Writers, SampleIsValidInEveryFormat) {
  QTemporaryDir dir;
  const EInvoice inv = SampleInvoice();
  ExpectValid(dir.path(), "cii.xml", WriteCii(inv, CiiFlavour::FacturX), "cii");
  ExpectValid(dir.path(), "xr.xml", WriteCii(inv, CiiFlavour::XRechnung), "xrechnung");
  ExpectValid(dir.path(), "ubl.xml", WriteUbl(inv), "ubl");
}

// What a reader gets of the note and of the line's name: the text of
// every element of that local name, in order.
QStringList TextsOf(const QByteArray& xml, const QString& element) {
  QStringList texts;
  QXmlStreamReader r(xml);
  while (!r.atEnd()) {
    if (r.readNext() == QXmlStreamReader::StartElement && r.name() == element) texts << r.readElementText();
  }
  EXPECT_FALSE(r.hasError()) << r.errorString().toStdString();
  return texts;
}

TEST(Writers, ControlCharactersBecomeBlanksAndACarriageReturnComesBack) {
  QTemporaryDir dir;
  EInvoice inv = SampleInvoice();
  inv.note = QStringLiteral("Deliver\r\nby hand\x01\x1b now\tplease");
  inv.lines[0].name = QStringLiteral("Pillar\x07" "candle");
  const QByteArray cii = WriteCii(inv, CiiFlavour::XRechnung), ubl = WriteUbl(inv);
  EXPECT_TRUE(cii.contains("Deliver&#13;\nby hand")) << cii.toStdString();
  EXPECT_TRUE(TextsOf(cii, "Content").contains("Deliver\r\nby hand   now\tplease")) << cii.toStdString();
  EXPECT_TRUE(TextsOf(ubl, "Note").contains("Deliver\r\nby hand   now\tplease")) << ubl.toStdString();
  EXPECT_TRUE(TextsOf(cii, "Name").contains("Pillar candle"));
  EXPECT_EQ(TextsOf(ubl, "Name").filter("Pillar"), QStringList{"Pillar candle"});
  ExpectValid(dir.path(), "xr.xml", cii, "xrechnung");
  ExpectValid(dir.path(), "ubl.xml", ubl, "ubl");
}

}  // namespace
