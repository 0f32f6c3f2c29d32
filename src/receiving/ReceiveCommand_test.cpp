// `tallowby receive --show` as a script runs it: the program in a child
// process, on what `tallowby einvoice` writes and on files it must refuse.
#include "receiving/ReceiveCommand.h"

#include <QCryptographicHash>
#include <QDir>
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

// A demo folder of the German candle maker with what `tallowby einvoice`
// writes of its invoices 1001 and 1013 (a credit note of 1001) beside it.
class ReceiveIntoFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    data = dir.filePath("data");
    ASSERT_EQ(Program(TB_DATA_TOOL, {"init", "--demo", "de", data}).code, 0);
    for (const QString name : {"1001.xml", "1013.xml", "1001.pdf"}) {
      const QString format = name.endsWith(".pdf") ? "facturx" : "xrechnung";
      const Ran made = Program(TB_PROGRAM, {"einvoice", "--data", data, "--invoice", name.left(4), "--format", format,
                                            "--out", dir.filePath(name)});
      ASSERT_EQ(made.code, 0) << made.err.toStdString();
    }
  }
  QString file(const QString& name) const { return dir.filePath(name); }
  QByteArray bytes(const QString& path) const {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QStringList archived(const QString& folder) const {
    return QDir(folder + "/Received").entryList(QDir::Files | QDir::Hidden, QDir::Name);
  }
  // The records of a table as the data tool dumps them, one JSON object each.
  QList<QJsonObject> dump(const QString& table) const {
    QList<QJsonObject> records;
    for (const QByteArray& line : Program(TB_DATA_TOOL, {"dump", table}).out.split('\n'))
      if (!line.isEmpty()) records << QJsonDocument::fromJson(line).object();
    return records;
  }
  Ran receive(const QStringList& args) const { return Receive(QStringList{"--data", data} + args); }

  QTemporaryDir dir;
  QString data;
};

TEST_F(ReceiveIntoFolder, ArchivesOnceRegistersOnceAndTellsARepeatFromACorrection) {
  Ran ran = receive({file("1001.xml"), file("1013.xml")});
  ASSERT_EQ(ran.code, 0) << ran.err.toStdString();
  EXPECT_TRUE(ran.err.isEmpty());
  EXPECT_EQ(ran.out.count("registered as Received/"), 2) << ran.out.toStdString();
  const QStringList names{"Kerzenwerk_Ahornhof_GmbH-1001.xml", "Kerzenwerk_Ahornhof_GmbH-1013.xml"};
  ASSERT_EQ(archived(data), names);
  EXPECT_EQ(bytes(data + "/Received/" + names[0]), bytes(file("1001.xml"))) << "kept byte for byte";
  QList<QJsonObject> register_ = dump(data + "/RECEIVED.DBF");
  ASSERT_EQ(register_.size(), 2);
  EXPECT_EQ(register_[0]["NUMBER"].toString(), "1001");
  EXPECT_EQ(register_[0]["SELLERKEY"].toString(), "DE123456788");
  EXPECT_EQ(register_[0]["TOTAL"].toDouble(), 62.24);
  EXPECT_EQ(register_[0]["VERDICT"].toString(), "V");
  EXPECT_EQ(register_[0]["SHA256"].toString(),
            QCryptographicHash::hash(bytes(file("1001.xml")), QCryptographicHash::Sha256).toHex());
  EXPECT_EQ(register_[1]["TYPE"].toString(), "381");

  // The same bytes again: nothing written, and that is no failure.
  ran = receive({file("1001.xml")});
  EXPECT_EQ(ran.code, 0) << ran.err.toStdString();
  EXPECT_TRUE(ran.out.contains("already received")) << ran.out.toStdString();
  EXPECT_EQ(archived(data), names);
  EXPECT_EQ(dump(data + "/RECEIVED.DBF").size(), 2);

  // Other bytes of the same seller's number (its PDF, a correction): kept
  // beside the first under a name of its own, and said.
  QByteArray corrected = bytes(file("1001.xml"));
  corrected.replace("<ram:Name>Stabkerzen", "<ram:Name>Kerzen");
  Write(file("corrected.xml"), corrected);
  ran = receive({file("corrected.xml")});
  EXPECT_EQ(ran.code, 0) << ran.err.toStdString();
  EXPECT_TRUE(ran.out.contains("received before with other content")) << ran.out.toStdString();
  EXPECT_EQ(bytes(data + "/Received/Kerzenwerk_Ahornhof_GmbH-1001-2.xml"), corrected);
  EXPECT_EQ(bytes(data + "/Received/" + names[0]), bytes(file("1001.xml"))) << "never rewritten";

  // Refused files: one line each, nothing archived or registered; the
  // others of the same run still are. A folder stands for its XML and PDFs.
  Write(file("xxe.xml"), "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><r>&e;</r>");
  Write(file("order.xml"), "<Order xmlns=\"urn:oasis:names:specification:ubl:schema:xsd:Order-2\"/>");
  QDir(dir.path()).mkdir("mail");
  ASSERT_TRUE(QFile::copy(file("1001.pdf"), file("mail/1001.pdf")));
  Write(file("mail/notes.txt"), "not an invoice");
  ran = receive({file("xxe.xml"), file("order.xml"), file("missing.xml"), file("mail")});
  EXPECT_EQ(ran.code, 1);
  EXPECT_EQ(ran.err.count('\n'), 3) << ran.err.toStdString();
  EXPECT_EQ(ran.err.count("tallowby receive: "), 3);
  EXPECT_EQ(ran.out.count("registered as Received/Kerzenwerk_Ahornhof_GmbH-1001.pdf"), 1) << ran.out.toStdString();
  EXPECT_EQ(archived(data).size(), 4);
  EXPECT_EQ(dump(data + "/RECEIVED.DBF").size(), 4);

  for (const QStringList& args : {QStringList{file("1001.xml")}, QStringList{"--data", data},
                                  QStringList{"--show", "--data", data, file("1001.xml")}}) {
    const Ran unusable = Receive(args);
    EXPECT_EQ(unusable.code, 2) << args.join(' ').toStdString();
  }
}

// A run cut short after the archive was written and before the register:
// the next run takes the archived file as it is and registers it once.
TEST_F(ReceiveIntoFolder, ARunCutShortBeforeTheRegisterIsFinishedByTheNext) {
  QDir(data).mkdir("Received");
  ASSERT_TRUE(QFile::copy(file("1001.xml"), data + "/Received/Kerzenwerk_Ahornhof_GmbH-1001.xml"));
  Write(data + "/Received/Kerzenwerk_Ahornhof_GmbH-1001.xml.AbC123.tbcopy", "half");
  const Ran ran = receive({file("1001.xml")});
  ASSERT_EQ(ran.code, 0) << ran.err.toStdString();
  EXPECT_EQ(archived(data), QStringList{"Kerzenwerk_Ahornhof_GmbH-1001.xml"}) << "no second copy, no leftover";
  EXPECT_EQ(dump(data + "/RECEIVED.DBF").size(), 1);
}

TEST_F(ReceiveIntoFolder, TheArchiveSurvivesBackupAndRestoreAndCheckSeesATamperedByte) {
  ASSERT_EQ(receive({file("1001.xml"), file("1013.xml"), file("1001.pdf")}).code, 0);
  const QString backup = dir.filePath("backup"), other = dir.filePath("other");
  ASSERT_EQ(Program(TB_DATA_TOOL, {"backup", data, backup}).code, 0);
  EXPECT_TRUE(bytes(backup + "/backup-manifest.txt").contains("file\tReceived/Kerzenwerk_Ahornhof_GmbH-1001.pdf\t"));
  ASSERT_EQ(Program(TB_DATA_TOOL, {"init", other}).code, 0);
  const Ran restored = Program(TB_DATA_TOOL, {"restore", other, backup});
  ASSERT_EQ(restored.code, 0) << restored.err.toStdString();
  ASSERT_EQ(archived(other), archived(data));
  for (const QJsonObject& r : dump(other + "/RECEIVED.DBF"))
    EXPECT_EQ(QCryptographicHash::hash(bytes(other + "/Received/" + r["FILE"].toString()), QCryptographicHash::Sha256)
                  .toHex(),
              r["SHA256"].toString());
  Ran check = Program(TB_DATA_TOOL, {"check", other});
  EXPECT_EQ(check.code, 0) << check.out.toStdString();

  const QString pdf = other + "/Received/Kerzenwerk_Ahornhof_GmbH-1001.pdf";
  QByteArray tampered = bytes(pdf);
  tampered[tampered.size() / 2] = char(tampered[tampered.size() / 2] ^ 1);
  Write(pdf, tampered);
  ASSERT_TRUE(QFile::remove(other + "/Received/Kerzenwerk_Ahornhof_GmbH-1013.xml"));
  check = Program(TB_DATA_TOOL, {"check", other});
  EXPECT_EQ(check.code, 1);
  EXPECT_TRUE(check.out.contains("RECEIVED: Received/Kerzenwerk_Ahornhof_GmbH-1001.pdf no longer matches the SHA-256 "
                                 "in the register"))
      << check.out.toStdString();
  EXPECT_TRUE(check.out.contains("RECEIVED: Received/Kerzenwerk_Ahornhof_GmbH-1013.xml, invoice 1013 of Kerzenwerk "
                                 "Ahornhof GmbH, is missing"));

  // A backup whose list names a file outside the archive is not restored.
  QByteArray list = bytes(backup + "/backup-manifest.txt");
  list += "file\tReceived/../evil\t4\t" + QByteArray(64, 'a') + "\n";
  Write(backup + "/backup-manifest.txt", list);
  Write(backup + "/evil", "evil");
  EXPECT_EQ(Program(TB_DATA_TOOL, {"restore", other, backup}).code, 1);
  EXPECT_FALSE(QFile::exists(other + "/evil"));
}

TEST_F(ReceiveIntoFolder, BookingMakesPurchasesOfWhatMapsOnceAndACreditNoteNegative) {
  Ran ran = receive({"--book", file("1001.xml"), file("1013.xml")});
  ASSERT_EQ(ran.code, 0) << ran.err.toStdString();
  EXPECT_TRUE(ran.out.contains("booked as KERZE-12, quantity 6")) << ran.out.toStdString();
  QList<QJsonObject> purchases = dump(data + "/Pur5.dbf");
  ASSERT_EQ(purchases.size(), 2);
  EXPECT_EQ(purchases[0]["PURPROD"].toString(), "KERZE-12");
  EXPECT_EQ(purchases[0]["PURDATE"].toString(), dump(data + "/RECEIVED.DBF")[0]["INVDATE"].toString());
  EXPECT_EQ(purchases[0]["PURQTY"].toDouble(), 6);
  EXPECT_EQ(purchases[0]["PURCOST"].toDouble(), 47.40) << "the line's net";
  EXPECT_EQ(purchases[1]["PURQTY"].toDouble(), -2) << "the credit note takes back";
  EXPECT_EQ(purchases[1]["PURCOST"].toDouble(), -15.80);
  for (const QJsonObject& r : dump(data + "/RECEIVED.DBF")) EXPECT_TRUE(r["BOOKED"].toBool());

  ran = receive({"--book", file("1001.xml")});
  EXPECT_EQ(ran.code, 1);
  EXPECT_TRUE(ran.err.contains("booked before")) << ran.err.toStdString();
  EXPECT_EQ(dump(data + "/Pur5.dbf").size(), 2);

  // The buyer's item id maps too; an item that is no product is listed.
  QByteArray other = bytes(file("1001.xml"));
  other.replace("<ram:ID>1001</ram:ID>", "<ram:ID>2001</ram:ID>");
  other.replace("<ram:SellerAssignedID>KERZE-12</ram:SellerAssignedID>",
                "<ram:SellerAssignedID>S-77</ram:SellerAssignedID><ram:BuyerAssignedID>kerze-12</ram:BuyerAssignedID>");
  Write(file("2001.xml"), other);
  other.replace("<ram:ID>2001</ram:ID>", "<ram:ID>2002</ram:ID>");
  other.replace("<ram:BuyerAssignedID>kerze-12</ram:BuyerAssignedID>", "");
  Write(file("2002.xml"), other);
  ran = receive({"--book", file("2001.xml"), file("2002.xml")});
  ASSERT_EQ(ran.code, 0) << ran.err.toStdString();
  EXPECT_TRUE(ran.out.contains("(S-77): booked as KERZE-12")) << ran.out.toStdString();
  EXPECT_TRUE(ran.out.contains("(S-77): not booked")) << ran.out.toStdString();
  EXPECT_EQ(dump(data + "/Pur5.dbf").size(), 3);
  EXPECT_TRUE(dump(data + "/RECVMAP.DBF").isEmpty()) << "only what a person chose is remembered";
}

}  // namespace
