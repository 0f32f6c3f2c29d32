// The Factur-X pass over a PDF/A-1b file as the printer writes it.
#include "einvoice/FacturX.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "einvoice/CiiWriter.h"
#include "einvoice/TestSupport.h"
#include "platform/TestApplication.h"

namespace {

QString PrintPdfA(const QString& path) {
  QPdfWriter writer(path);
  writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
  writer.setTitle(QStringLiteral("Invoice 1007"));
  QPainter painter(&writer);
  painter.drawText(200, 200, QStringLiteral("Invoice 1007 \u00e9"));
  painter.end();
  return path;
}

QByteArray Output(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(60000);
  return p.readAllStandardOutput();
}

TEST(FacturX, TheXmlIsEmbeddedAsDataAndTheMetadataSaysPdfA3WithTheFacturXSchema) {
  EnsureTestApplication();
  QTemporaryDir dir;
  const QString printed = PrintPdfA(dir.filePath("printed.pdf"));
  const QByteArray xml = WriteCii(SampleInvoice(), CiiFlavour::FacturX);
  QString why;
  ASSERT_TRUE(MakeFacturX(printed, xml, dir.filePath("1007.pdf"), &why)) << why.toStdString();

  // Read back with qpdf's own tool: the attachment, its relation, the
  // catalog's /AF and the metadata.
  EXPECT_EQ(Output("qpdf", {"--show-attachment=factur-x.xml", dir.filePath("1007.pdf")}), xml);
  const QByteArray qdf = Output("qpdf", {"--qdf", "--object-streams=disable", dir.filePath("1007.pdf"), "-"});
  EXPECT_TRUE(qdf.contains("/AFRelationship /Data"));
  EXPECT_TRUE(qdf.contains("/AF ["));
  EXPECT_TRUE(qdf.contains("/Subtype /text#2fxml"));
  EXPECT_TRUE(qdf.contains("pdfaid:part=\"3\""));
  EXPECT_TRUE(qdf.contains("<fx:ConformanceLevel>EN 16931</fx:ConformanceLevel>"));
  EXPECT_TRUE(qdf.contains("/OutputIntents"));
  const Validation v = Validate(dir.filePath("1007.pdf"), "facturx");
  if (v.ran) {
    EXPECT_EQ(v.fatal, 0) << v.output.toStdString();
  }
}

TEST(FacturX, APrintedFileThatIsNotPdfAIsRefused) {
  EnsureTestApplication();
  QTemporaryDir dir;
  {
    QPdfWriter plain(dir.filePath("plain.pdf"));
    QPainter painter(&plain);
    painter.drawText(100, 100, "x");
  }
  QString why;
  EXPECT_FALSE(MakeFacturX(dir.filePath("plain.pdf"), "<x/>", dir.filePath("out.pdf"), &why));
  EXPECT_FALSE(why.isEmpty());
  EXPECT_FALSE(MakeFacturX(dir.filePath("missing.pdf"), "<x/>", dir.filePath("out.pdf"), &why));
}

}  // namespace
