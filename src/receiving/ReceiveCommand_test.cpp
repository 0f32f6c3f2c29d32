// `tallowby receive --show` as a script runs it: the program in a child
// process, on what `tallowby einvoice` writes and on files it must refuse.
#include "receiving/ReceiveCommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>
#include <gtest/gtest.h>

#include "einvoice/CiiWriter.h"
#include "einvoice/TestSupport.h"

namespace {

struct Ran {
  int code = -1;
  QByteArray out;
  QString err;
};

Ran Program(const QString& program, const QStringList& args) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("LC_ALL", "C.UTF-8");
  env.remove("LANGUAGE");
  p.setProcessEnvironment(env);
  p.start(program, args);
  EXPECT_TRUE(p.waitForFinished(60000));
  return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

Ran Receive(const QStringList& args) { return Program(TB_PROGRAM, QStringList{"receive"} + args); }

void Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// A PDF whose list of embedded files names a number where a file should be:
// qpdf warns of it outside any document, which must not reach the person.
QByteArray PdfWithANumberForAFile() {
  QPDF pdf;
  pdf.emptyPDF();
  pdf.getRoot().replaceKey("/Names", QPDFObjectHandle::parse("<< /EmbeddedFiles << /Names [(factur-x.xml) 5] >> >>"));
  QPDFWriter writer(pdf);
  writer.setOutputMemory();
  writer.write();
  std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
  return QByteArray(reinterpret_cast<const char*>(out->getBuffer()), qsizetype(out->getSize()));
}

// The terms that must not depend on the format an invoice was sent in;
// rates as numbers ("19" and "19.00" are one).
QJsonObject Terms(const QJsonObject& shown) {
  QJsonObject terms;
  for (const char* key : {"BT-1", "BT-2", "BT-3", "BT-5", "BT-9", "BT-10", "BT-25", "BT-27", "BT-31", "BT-44",
                          "BT-48", "BT-40", "BT-55", "BT-84", "BT-106", "BT-107", "BT-108", "BT-109", "BT-110",
                          "BT-112", "BT-113", "BT-115"})
    terms[key] = shown[key];
  QJsonArray vat, lines;
  for (const QJsonValue v : shown["vat"].toArray())
    vat.append(QJsonArray{v["BT-116"], v["BT-117"], v["BT-118"], v["BT-119"].toString().toDouble()});
  for (const QJsonValue l : shown["lines"].toArray())
    lines.append(QJsonArray{l["BT-126"], l["BT-129"], l["BT-131"], l["BT-146"], l["BT-151"],
                            l["BT-152"].toString().toDouble(), l["BT-153"], l["BT-155"]});
  terms["vat"] = vat;
  terms["lines"] = lines;
  return terms;
}

TEST(ReceiveCommand, WhatTallowbyWritesIsShownWithTheSameTermsInEveryFormat) {
  QTemporaryDir dir;
  const QString data = dir.filePath("de");
  ASSERT_EQ(Program(TB_DATA_TOOL, {"init", "--demo", "de", data}).code, 0);
  QList<std::pair<QString, QString>> written;
  for (const QString invoice : {"1001", "1004", "1005", "1013"}) {
    QJsonObject first;
    // (The demo's addresses are e-mail ones, which Peppol UBL does not
    // take: the UBL reader's round trip is ReceivedRead_test's.)
    for (const QString format : {"xrechnung", "facturx"}) {
      const QString out = dir.filePath(invoice + "-" + format + (format == "facturx" ? ".pdf" : ".xml"));
      const Ran made = Program(TB_PROGRAM, {"einvoice", "--data", data, "--invoice", invoice, "--format", format,
                                            "--out", out});
      ASSERT_EQ(made.code, 0) << made.err.toStdString();
      written.append({out, format});
      const Ran shown = Receive({"--show", out});
      ASSERT_EQ(shown.code, 0) << out.toStdString() << ": " << shown.err.toStdString();
      EXPECT_TRUE(shown.err.isEmpty()) << shown.err.toStdString();
      QJsonParseError error;
      const QJsonObject json = QJsonDocument::fromJson(shown.out, &error).object();
      ASSERT_EQ(error.error, QJsonParseError::NoError) << shown.out.toStdString();
      EXPECT_EQ(json["BT-1"].toString(), invoice);
      EXPECT_EQ(json["findings"].toArray(), QJsonArray()) << out.toStdString() << ": " << shown.out.toStdString();
      EXPECT_EQ(json["attachment"].toString(), format == "facturx" ? "factur-x.xml" : "");
      EXPECT_FALSE(json["lines"].toArray().isEmpty());
      if (first.isEmpty())
        first = Terms(json);
      else
        EXPECT_EQ(Terms(json), first) << invoice.toStdString() << " as " << format.toStdString() << ": "
                                      << QJsonDocument(Terms(json)).toJson().toStdString() << " vs "
                                      << QJsonDocument(first).toJson().toStdString();
    }
  }
  ExpectAllValid(written);
}

TEST(ReceiveCommand, FindingsStillExitZeroAndRefusalsEndWithOneLine) {
  QTemporaryDir dir;
  QByteArray cii = WriteCii(SampleInvoice(), CiiFlavour::XRechnung);
  ExpectValid(dir.path(), "sample.xml", cii, "xrechnung");
  cii.replace("<ram:GrandTotalAmount>36.35<", "<ram:GrandTotalAmount>37.35<");
  Write(dir.filePath("edited.xml"), cii);
  const Ran edited = Receive({"--show", dir.filePath("edited.xml"), "--language", "en"});
  EXPECT_EQ(edited.code, 0) << edited.err.toStdString();
  const QJsonArray findings = QJsonDocument::fromJson(edited.out).object()["findings"].toArray();
  ASSERT_EQ(findings.size(), 2) << edited.out.toStdString();
  EXPECT_EQ(findings[0]["rule"].toString(), "BR-CO-15");
  EXPECT_EQ(findings[0]["severity"].toString(), "fatal");
  EXPECT_TRUE(findings[0]["text"].toString().contains("37.35"));
  // Shown in the user's language.
  const Ran german = Receive({"--language", "de", "--show", dir.filePath("edited.xml")});
  EXPECT_TRUE(QJsonDocument::fromJson(german.out).object()["findings"][0]["text"].toString().contains("Betrag"))
      << german.out.toStdString();

  Write(dir.filePath("xxe.xml"), "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>"
                                 "<rsm:CrossIndustryInvoice xmlns:rsm=\"urn:un:unece:uncefact:data:standard:"
                                 "CrossIndustryInvoice:100\">&e;</rsm:CrossIndustryInvoice>");
  Write(dir.filePath("order.xml"), "<Order xmlns=\"urn:oasis:names:specification:ubl:schema:xsd:Order-2\"/>");
  Write(dir.filePath("broken.pdf"), "%PDF-1.7\n1 0 obj <<");
  Write(dir.filePath("number.pdf"), PdfWithANumberForAFile());
  for (const char* name : {"xxe.xml", "order.xml", "broken.pdf", "number.pdf", "missing.xml"}) {
    const Ran refused = Receive({"--show", dir.filePath(name)});
    EXPECT_EQ(refused.code, 1) << name;
    EXPECT_TRUE(refused.out.isEmpty()) << name;
    EXPECT_EQ(refused.err.count('\n'), 1) << name << ": " << refused.err.toStdString();
    EXPECT_TRUE(refused.err.startsWith("tallowby receive: ")) << refused.err.toStdString();
  }
  for (const QStringList& args : {QStringList{}, QStringList{"--show"}, QStringList{dir.filePath("edited.xml")},
                                  QStringList{"--show", "a.xml", "b.xml"}, QStringList{"--bogus"}}) {
    const Ran unusable = Receive(args);
    EXPECT_EQ(unusable.code, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(unusable.out.isEmpty());
  }
  const Ran help = Receive({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_TRUE(help.out.contains("--show"));
}

}  // namespace
