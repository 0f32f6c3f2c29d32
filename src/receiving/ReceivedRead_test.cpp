// Received files read to their terms: the examples others wrote, our own
// writers' output, and files that are no e-invoice or are hostile.
#include "receiving/ReceivedRead.h"

#include <QDir>
#include <QFile>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <gtest/gtest.h>

#include "einvoice/CiiWriter.h"
#include "einvoice/TestSupport.h"
#include "einvoice/UblWriter.h"
#include "receiving/ReceivedChecks.h"

namespace {

QString ExamplesDir() {
  return qEnvironmentVariable("TB_SOURCE_DIR", QStringLiteral(".")) + QStringLiteral("/../shared/einvoice/examples");
}

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A PDF of one empty page, with the embedded files given (name, bytes),
// its streams compressed.
QByteArray Pdf(const QList<std::pair<std::string, QByteArray>>& embedded = {}) {
  QPDF pdf;
  pdf.emptyPDF();
  QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 595 842] >>"));
  QPDFObjectHandle pages = pdf.getRoot().getKey("/Pages");
  pages.replaceKey("/Kids", QPDFObjectHandle::newArray({page}));
  pages.replaceKey("/Count", QPDFObjectHandle::newInteger(1));
  page.replaceKey("/Parent", pages);
  for (const auto& [name, bytes] : embedded) {
    QPDFEFStreamObjectHelper stream = QPDFEFStreamObjectHelper::createEFStream(pdf, bytes.toStdString());
    QPDFEmbeddedFileDocumentHelper(pdf).replaceEmbeddedFile(
        name, QPDFFileSpecObjectHelper::createFileSpec(pdf, name, stream));
  }
  QPDFWriter writer(pdf);
  writer.setOutputMemory();
  writer.setCompressStreams(true);
  writer.setStreamDataMode(qpdf_s_compress);
  writer.write();
  std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
  return QByteArray(reinterpret_cast<const char*>(out->getBuffer()), qsizetype(out->getSize()));
}

TEST(ReceivedRead, EveryExampleReadsWithItsSumsConsistent) {
  const QDir dir(ExamplesDir());
  const QStringList files = dir.entryList({"*.xml", "*.XML"}, QDir::Files);
  if (files.isEmpty()) GTEST_SKIP() << "no examples in " << ExamplesDir().toStdString();
  for (const QString& name : files) {
    const QByteArray bytes = Bytes(dir.filePath(name));
    const ReceivedRead read = ReadReceived(bytes);
    ASSERT_TRUE(read.ok()) << name.toStdString() << ": " << read.error.toStdString();
    const ReceivedInvoice& inv = read.invoice;
    EXPECT_EQ(inv.syntax == ReceivedInvoice::Syntax::Cii, name.startsWith("cii-")) << name.toStdString();
    EXPECT_FALSE(inv.number.isEmpty()) << name.toStdString();
    EXPECT_TRUE(inv.issueDate.date.isValid()) << name.toStdString();
    // Every line element is a line, in the file's order.
    const char* lineTag = inv.syntax == ReceivedInvoice::Syntax::Cii ? "<ram:IncludedSupplyChainTradeLineItem>"
                          : inv.syntax == ReceivedInvoice::Syntax::UblCreditNote ? "<cac:CreditNoteLine>"
                                                                                 : "<cac:InvoiceLine>";
    EXPECT_EQ(inv.lines.size(), bytes.count(lineTag)) << name.toStdString();
    // The totals, the breakdown and the lines all read to where they
    // belong: else the sums would not add up. The one known fault of the
    // examples is a credit note that names neither a due date nor terms.
    for (const ReceivedFinding& f : CheckReceived(inv)) {
      if (f.fatal && !(name == "ubl-ubl-tc434-creditnote1.xml" && f.rule == "BR-CO-25"))
        ADD_FAILURE() << name.toStdString() << ": " << f.rule.toStdString() << " " << f.text.toStdString();
    }
  }
}

TEST(ReceivedRead, CiiAndUblExamplesReadToTheirTerms) {
  const ReceivedRead cii = ReadReceived(Bytes(ExamplesDir() + "/cii-CII_example1.xml"));
  if (!cii.ok()) GTEST_SKIP() << "no examples";
  const ReceivedInvoice& c = cii.invoice;
  EXPECT_EQ(c.number, "12115118");
  EXPECT_EQ(c.issueDate.date, QDate(2015, 1, 9));
  EXPECT_EQ(c.typeCode, "380");
  EXPECT_EQ(c.seller.name, "De Koksmaat");
  EXPECT_EQ(c.seller.vatId, "NL8200.98.395.B.01");
  EXPECT_EQ(c.buyer.name, "ODIN 59");
  EXPECT_EQ(c.iban, "NL57 RABO 0107307510");
  EXPECT_EQ(c.lineTotal.text, "229.6");
  EXPECT_EQ(c.lineTotal.cents(), 22960);
  EXPECT_EQ(c.taxTotal.text, "20.73");
  EXPECT_EQ(c.grandTotal.text, "250.33");
  ASSERT_EQ(c.vat.size(), 2);
  EXPECT_EQ(c.vat[1].rate, "21");
  EXPECT_EQ(c.vat[1].tax.text, "9.74");
  ASSERT_EQ(c.lines.size(), 20);
  EXPECT_EQ(c.lines[0].quantity.text, "2");
  EXPECT_EQ(c.lines[0].unit, "H87");
  EXPECT_EQ(c.lines[0].netPrice.text, "9.95");
  EXPECT_EQ(c.lines[0].sellerItemId, "166022");

  const ReceivedRead credit = ReadReceived(Bytes(ExamplesDir() + "/ubl-ubl-tc434-creditnote1.xml"));
  ASSERT_TRUE(credit.ok());
  const ReceivedInvoice& u = credit.invoice;
  EXPECT_EQ(u.syntax, ReceivedInvoice::Syntax::UblCreditNote);
  EXPECT_EQ(u.number, "018304 / 28865");
  EXPECT_EQ(u.typeCode, "381");
  EXPECT_EQ(u.seller.name, "My Supplier Company");  // the legal name, not the trading name
  EXPECT_EQ(u.seller.tradingName, "My Supplier Company N.V.");
  EXPECT_EQ(u.seller.vatId, "BE0000000196");
  EXPECT_EQ(u.buyer.vatId, "BE0000000295");
  EXPECT_EQ(u.paymentReference, "010676609538");
  EXPECT_EQ(u.bic, "BPOTBEB1");
  ASSERT_EQ(u.vat.size(), 1);
  EXPECT_EQ(u.vat[0].category, "E");
  EXPECT_EQ(u.vat[0].exemptionReason, "Taxes are not applicable");
  ASSERT_EQ(u.lines.size(), 1);
  EXPECT_EQ(u.lines[0].quantity.text, "1.00");  // CreditedQuantity
  EXPECT_TRUE(u.dueDate.text.isNull());
  EXPECT_TRUE(u.precedingNumber.isNull());
}

// Our own writers' output reads back to what was written, with nothing to
// find: every format we send is one we can receive.
TEST(ReceivedRead, OurOwnInvoicesReadBackToTheSameTerms) {
  const EInvoice sample = SampleInvoice();
  EInvoice credit = SampleInvoice();
  credit.creditNote = true;
  credit.number = QStringLiteral("1008");
  credit.precedingNumber = QStringLiteral("1007");
  credit.precedingDate = QDate(2026, 3, 2);
  credit.paid = 0;
  credit.due = credit.grandTotal;
  const QByteArray facturx = WriteCii(sample, CiiFlavour::FacturX);
  const QList<std::pair<QByteArray, EInvoice>> written = {
      {WriteCii(sample, CiiFlavour::XRechnung), sample}, {facturx, sample},
      {WriteUbl(sample), sample}, {WriteUbl(credit), credit}, {WriteCii(credit, CiiFlavour::XRechnung), credit},
      {Pdf({{"factur-x.xml", facturx}}), sample}};
  for (const auto& [bytes, inv] : written) {
    const ReceivedRead read = ReadReceived(bytes);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    const ReceivedInvoice& r = read.invoice;
    const std::string where = SyntaxName(r.syntax).toStdString() + " " + inv.number.toStdString();
    EXPECT_EQ(r.number, inv.number) << where;
    EXPECT_EQ(r.issueDate.date, inv.issueDate) << where;
    EXPECT_EQ(r.typeCode, inv.creditNote ? "381" : "380") << where;
    EXPECT_EQ(r.currency, inv.currency) << where;
    EXPECT_EQ(r.dueDate.date, inv.dueDate) << where;
    EXPECT_EQ(r.buyerReference, inv.buyerReference) << where;
    EXPECT_EQ(r.precedingNumber, inv.creditNote ? inv.precedingNumber : QString()) << where;
    EXPECT_EQ(r.seller.name, inv.seller.name) << where;
    EXPECT_EQ(r.seller.vatId, inv.seller.vatId) << where;
    EXPECT_EQ(r.seller.city, inv.seller.city) << where;
    EXPECT_EQ(r.buyer.name, inv.buyer.name) << where;
    // A credit note pays nothing in: our writers name no account on it.
    EXPECT_EQ(r.iban.toStdString(), inv.creditNote ? "" : inv.iban.toStdString()) << where;
    EXPECT_EQ(r.bic.toStdString(), inv.creditNote ? "" : inv.bic.toStdString()) << where;
    EXPECT_EQ(r.paymentTerms, inv.paymentTerms) << where;
    EXPECT_EQ(r.lineTotal.cents(), inv.lineTotal) << where;
    EXPECT_EQ(r.chargeTotal.cents(), inv.chargeTotal) << where;
    EXPECT_EQ(r.taxBasis.cents(), inv.taxBasis) << where;
    EXPECT_EQ(r.taxTotal.cents(), inv.taxTotal) << where;
    EXPECT_EQ(r.grandTotal.cents(), inv.grandTotal) << where;
    EXPECT_EQ(r.paid.cents(), inv.paid) << where;
    EXPECT_EQ(r.due.cents(), inv.due) << where;
    ASSERT_EQ(r.lines.size(), inv.lines.size()) << where;
    for (qsizetype i = 0; i < r.lines.size(); ++i) {
      EXPECT_EQ(r.lines[i].id, inv.lines[i].id) << where;
      EXPECT_EQ(r.lines[i].sellerItemId, inv.lines[i].sellerItemId) << where;
      EXPECT_EQ(r.lines[i].name, inv.lines[i].name) << where;
      EXPECT_EQ(r.lines[i].quantity.cents(), inv.lines[i].quantity) << where;
      EXPECT_EQ(r.lines[i].netPrice.cents(), inv.lines[i].netPrice) << where;
      EXPECT_EQ(r.lines[i].net.cents(), inv.lines[i].net) << where;
      EXPECT_EQ(r.lines[i].vatCategory, inv.lines[i].vat.code) << where;
      EXPECT_EQ(ReceivedAmount{r.lines[i].vatRate}.cents(), ReceivedAmount{inv.lines[i].vat.rate}.cents()) << where;
    }
    ASSERT_EQ(r.allowancesCharges.size(), 1) << where;
    EXPECT_TRUE(r.allowancesCharges[0].charge) << where;
    EXPECT_EQ(r.allowancesCharges[0].reason, "Shipping") << where;
    const QList<ReceivedFinding> findings = CheckReceived(r);
    EXPECT_TRUE(findings.isEmpty()) << where << ": " << findings.value(0).rule.toStdString() << " "
                                    << findings.value(0).text.toStdString();
  }
  EXPECT_EQ(ReadReceived(written.last().first).attachment, "factur-x.xml");
  const QString dir = QDir::temp().filePath(QStringLiteral("tallowby-received-%1").arg(QCoreApplication::applicationPid()));
  QDir().mkpath(dir);
  ExpectValid(dir, "sample-xrechnung.xml", written[0].first, "xrechnung");
  ExpectValid(dir, "sample-ubl.xml", written[2].first, "ubl");
  ExpectValid(dir, "credit-ubl.xml", written[3].first, "ubl");
  ExpectValid(dir, "credit-xrechnung.xml", written[4].first, "xrechnung");
  QDir(dir).removeRecursively();
}

TEST(ReceivedRead, HostileXmlIsRefusedAndOtherXmlIsNoEInvoice) {
  const QByteArray cii = WriteCii(SampleInvoice(), CiiFlavour::XRechnung);
  const qsizetype root = cii.indexOf("<rsm:CrossIndustryInvoice");
  const auto withDoctype = [&](const QByteArray& doctype) { return cii.left(root) + doctype + cii.mid(root); };
  QByteArray laughs = "<!DOCTYPE rsm:CrossIndustryInvoice [<!ENTITY a \"lol\">";
  for (char c = 'b'; c <= 'j'; ++c) laughs += QByteArray("<!ENTITY ") + c + " \"" + (QByteArray("&") + char(c - 1) + ";").repeated(10) + "\">";
  laughs += "]>";
  for (const QByteArray& hostile : {withDoctype("<!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>"),
                                    withDoctype(laughs),
                                    cii.left(root) + QByteArray("<a>").repeated(300) + QByteArray("</a>").repeated(300)}) {
    const ReceivedRead read = ReadReceived(hostile);
    EXPECT_EQ(read.result, ReceivedRead::Result::Refused) << read.error.toStdString();
    EXPECT_FALSE(read.error.isEmpty());
  }
  // Over 50 MB: refused before a byte of it is parsed.
  QByteArray large = cii;
  large.insert(cii.lastIndexOf("</rsm:CrossIndustryInvoice>"), QByteArray(50 * 1024 * 1024, ' '));
  EXPECT_EQ(ReadReceived(large).result, ReceivedRead::Result::TooLarge);
  EXPECT_TRUE(ReadReceived(large).error.contains("50 MB"));
  // Small, but more elements than a tree is built of.
  const ReceivedRead many = ReadReceived("<r>" + QByteArray("<a/>").repeated(1000001) + "</r>");
  EXPECT_EQ(many.result, ReceivedRead::Result::TooLarge);
  EXPECT_TRUE(many.error.contains("elements")) << many.error.toStdString();
  EXPECT_EQ(ReadReceived(cii.left(cii.size() / 2)).result, ReceivedRead::Result::Damaged);
  // The right root in the wrong namespace, a bank statement, nothing.
  for (const QByteArray& other :
       {QByteArray("<CrossIndustryInvoice xmlns=\"urn:example\"/>"),
        QByteArray("<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\"/>"), QByteArray("<Invoice/>")})
    EXPECT_EQ(ReadReceived(other).result, ReceivedRead::Result::NotEInvoice) << other.constData();
}

TEST(ReceivedRead, PdfWithoutEInvoiceIsToldApartFromADamagedOne) {
  const QByteArray plain = Pdf({{"terms.xml", "<terms/>"}});
  ReceivedRead read = ReadReceived(plain);
  EXPECT_EQ(read.result, ReceivedRead::Result::NotEInvoice);
  EXPECT_TRUE(read.error.contains("no e-invoice")) << read.error.toStdString();
  read = ReadReceived(plain.left(plain.size() * 2 / 3));
  EXPECT_EQ(read.result, ReceivedRead::Result::Damaged) << read.error.toStdString();
  EXPECT_EQ(ReadReceived(QByteArray("%PDF-1.7\n") + QByteArray(200, 'x')).result, ReceivedRead::Result::Damaged);
  // The embedded file as ZUGFeRD names it; one that is no e-invoice; one
  // that unpacks to more than is read (it is small, compressed).
  const QByteArray cii = WriteCii(SampleInvoice(), CiiFlavour::FacturX);
  EXPECT_TRUE(ReadReceived(Pdf({{"ZUGFeRD-invoice.xml", cii}})).ok());
  read = ReadReceived(Pdf({{"factur-x.xml", "<order/>"}}));
  EXPECT_EQ(read.result, ReceivedRead::Result::NotEInvoice);
  EXPECT_TRUE(read.error.contains("factur-x.xml")) << read.error.toStdString();
  const QByteArray bomb = Pdf({{"factur-x.xml", QByteArray(51 * 1024 * 1024, ' ')}});
  ASSERT_LT(bomb.size(), 1024 * 1024);
  EXPECT_EQ(ReadReceived(bomb).result, ReceivedRead::Result::TooLarge);
}

}  // namespace
