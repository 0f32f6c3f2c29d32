// `tallowby einvoice` over real tables: every file it writes passes the
// official validators and says what the tables say; refused invoices are
// named, the others written.
#include "invoicing/EInvoiceCommand.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/EInvoiceTables.h"
#include "data/FolderLock.h"
#include "data/CustomerLanguage.h"
#include "data/InvoiceStates.h"
#include "data/Settings.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"
#include "einvoice/TestSupport.h"
#include "platform/Language.h"
#include "printing/TestSupport.h"

namespace {

class EInvoiceCommandTest : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    EnsureTestApplication();
    Settings().Company = "Tallow & Wick";
    Settings().ShipLine = "Shipping";
    Settings().TaxRate2 = 19;
    Settings().ShipTax = 2;
    WriteSettings();
    WriteSellerDetails(GermanSeller());
    AppendCustomer(Customer(7, "Ms.", "Ada", "Byron", {QStringLiteral("Crème & <Brûlée>"), "12 Engine Row"}, "10115"));
    WriteBuyerDetails(GermanBuyer(7));
    // 1001: taxed candles and shipping, partly paid.
    AppendInvoice(Invoice(1001, 7, QDate(2026, 3, 2), 4.5, 5.61, 20.11));
    AppendItem(Item(1001, "CANDLE", 2, 12.5, "Beeswax candle"));
    AppendPayment(Payment(1001, QDate(2026, 3, 4), 15));
    // 1002: a customer that does not exist.
    AppendInvoice(Invoice(1002, 99, QDate(2026, 3, 3), 0, 0, 8));
    AppendItem(Item(1002, "BOOK", 1, 8, "Book"));
    EndEngine();
  }
  void TearDown() override {
    StartEngine(dir.path());
    IndexedFolderTest::TearDown();
  }
  // The candles carry the invoice's tax: marked so in the tables.
  void markCandlesTaxed() {
    StartEngine(dir.path());
    ASSERT_TRUE(OpenITM5());
    for (int rc = d4top(Itm5.d); rc == 0; rc = d4skip(Itm5.d, 1)) {
      ReadItem();
      ItemBuf.LTax2 = ItemBuf.PrID.trimmed() == "CANDLE";
      WriteItem();
    }
    CloseAll();
    EndEngine();
  }
  int Run(QStringList args) {
    args << "--data" << dir.path();
    errors.clear();
    QString ignored;
    QTextStream out(&ignored), err(&errors);
    const int status = RunEInvoiceCommand(args, out, err);
    err.flush();
    return status;
  }
  QTemporaryDir out;
  QString errors;
};

TEST_F(EInvoiceCommandTest, EachFormatIsValidAndRefusalsAreNamed) {
  markCandlesTaxed();

  EXPECT_EQ(Run({"--invoice", "1001", "--format", "xrechnung", "--out", out.filePath("1001.xml")}), 0)
      << errors.toStdString();
  EXPECT_EQ(Run({"--invoice", "1001", "--format", "ubl", "--out", out.filePath("1001-ubl.xml")}), 0)
      << errors.toStdString();
  // A month as Factur-X into a folder: 1002 is refused, 1001 written.
  EXPECT_EQ(Run({"--from", "2026-03-01", "--to", "2026-03-31", "--format", "facturx", "--out",
                 out.filePath("march")}),
            1);
  EXPECT_EQ(errors, "tallowby einvoice: invoice 1002: the invoice's customer 99 does not exist\n");
  EXPECT_TRUE(QFile::exists(out.filePath("march/1001.pdf")));
  EXPECT_FALSE(QFile::exists(out.filePath("march/1002.pdf")));
  EXPECT_EQ(QDir(out.filePath("march")).entryList(QDir::Files), QStringList{"1001.pdf"})
      << "nothing of the work left beside";
  ExpectAllValid({{out.filePath("1001.xml"), "xrechnung"},
                  {out.filePath("1001-ubl.xml"), "ubl"},
                  {out.filePath("march/1001.pdf"), "facturx"}});
  QFile xml(out.filePath("1001.xml"));
  ASSERT_TRUE(xml.open(QIODevice::ReadOnly));
  const QByteArray text = xml.readAll();
  EXPECT_TRUE(text.contains("<ram:DuePayableAmount>20.11</ram:DuePayableAmount>"));
  EXPECT_TRUE(text.contains("Crème &amp; &lt;Brûlée&gt;"));
}

TEST_F(EInvoiceCommandTest, LinksPlantedBesideTheOutputAreNeverWrittenThrough) {
  markCandlesTaxed();
  const QString victim = out.filePath("victim");
  {
    QFile f(victim);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("the victim's own");
  }
  const QString pdf = out.filePath("inv.pdf");
  for (const char* suffix : {".tbprint", ".tbfx"}) ASSERT_TRUE(QFile::link(victim, pdf + suffix));
  EXPECT_EQ(Run({"--invoice", "1001", "--format", "facturx", "--out", pdf}), 0) << errors.toStdString();
  QFile f(victim);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "the victim's own");
  EXPECT_FALSE(QFileInfo(pdf).isSymLink());
  ExpectAllValid({{pdf, "facturx"}});
  EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::System).size(), 4) << "the two links, the victim, the PDF";
}

TEST_F(EInvoiceCommandTest, AFullDiskSaysSoAndLeavesNothing) {
  SmallDisk disk(256);
  if (!disk.unavailable().isEmpty()) GTEST_SKIP() << disk.unavailable().toStdString();
  markCandlesTaxed();
  disk.fillLeaving(16);
  const QString pdf = disk.path("inv.pdf");
  EXPECT_EQ(Run({"--invoice", "1001", "--format", "facturx", "--out", pdf}), 1);
  EXPECT_EQ(errors, "tallowby einvoice: invoice 1001: the invoice could not be printed into " + pdf +
                        " (No space left on device)\n");
  EXPECT_EQ(QDir(disk.path("")).entryList(QDir::Files | QDir::Hidden), QStringList{".filler"})
      << "nothing left beside";
}

// A restore cut short after its first file: the command finishes it before
// it reads, so the e-invoice names the restored customer.
TEST_F(EInvoiceCommandTest, ARestoreCutShortIsFinishedFirst) {
  const auto renameCustomer = [this](const QString& company) {
    StartEngine(dir.path());
    ASSERT_TRUE(OpenCUST5());
    d4top(Cust5.d);
    ReadCustomer();
    CustBuf.addr1 = company;
    WriteCustomer();
    CloseAll();
    EndEngine();
  };
  markCandlesTaxed();
  QTemporaryDir backup;
  renameCustomer("Restored GmbH");
  for (const char* f : {"CUST5.dbf", "CUST5.dbt"})
    ASSERT_TRUE(QFile::copy(QDir(dir.path()).filePath(f), backup.filePath(f)));
  renameCustomer("Current GmbH");
  LeaveCutShortRestore(dir.path(), backup.path(), {"CUST5.dbf", "CUST5.dbt"}, 1);

  EXPECT_EQ(Run({"--invoice", "1001", "--format", "ubl", "--out", out.filePath("1001.xml")}), 0)
      << errors.toStdString();
  EXPECT_FALSE(QFile::exists(QDir(dir.path()).filePath(".tbswap")));
  QFile xml(out.filePath("1001.xml"));
  ASSERT_TRUE(xml.open(QIODevice::ReadOnly));
  EXPECT_TRUE(xml.readAll().contains("<cbc:RegistrationName>Restored GmbH</cbc:RegistrationName>"));
}

TEST_F(EInvoiceCommandTest, ArgumentsThatCannotBeUsedAndEmptySpans) {
  EXPECT_EQ(Run({"--format", "facturx", "--out", out.filePath("x.pdf")}), 2);
  EXPECT_EQ(Run({"--invoice", "1001", "--from", "2026-03-01", "--to", "2026-03-31", "--format", "ubl",
                 "--out", out.filePath("x")}),
            2);
  EXPECT_EQ(Run({"--invoice", "1001", "--format", "pdf", "--out", out.filePath("x.pdf")}), 2);
  EXPECT_EQ(Run({"--invoice", "4242", "--format", "ubl", "--out", out.filePath("x.xml")}), 2);
  EXPECT_TRUE(errors.contains("there is no invoice 4242")) << errors.toStdString();
  EXPECT_EQ(Run({"--from", "2026-06-01", "--to", "2026-06-30", "--format", "ubl", "--out",
                 out.filePath("june")}),
            0);
  EXPECT_TRUE(errors.contains("No Invoices within selected dates."));
  EXPECT_FALSE(QFile::exists(out.filePath("x.xml")));
}

TEST_F(EInvoiceCommandTest, HelpAndRefusalsInTheUsersLanguage) {
  {
    DocumentLanguage german("de");
    QString help;
    QTextStream out(&help), err(&errors);
    EXPECT_EQ(RunEInvoiceCommand({"--help"}, out, err), 0);
    out.flush();
    EXPECT_TRUE(help.contains("Speichert Rechnungen des Datenordners als elektronische Rechnungen"))
        << help.toStdString();
    EXPECT_TRUE(help.contains("Die Rechnungen nach Nummer."));
    EXPECT_TRUE(help.contains("--format facturx|xrechnung|ubl")) << "the words typed stay";
  }
  DocumentLanguage french("fr");
  EXPECT_EQ(Run({"--invoice", "1001", "--format", "pdf", "--out", out.filePath("x.pdf")}), 2);
  EXPECT_TRUE(errors.contains("--format vaut facturx, xrechnung ou ubl")) << errors.toStdString();
  EXPECT_EQ(Run({"--invoice", "1002", "--format", "ubl", "--out", out.filePath("1002.xml")}), 1);
  EXPECT_TRUE(errors.contains(QStringLiteral(": facture 1002 : ")) &&
              errors.contains(QStringLiteral("le client 99 de la facture n'existe pas")))
      << errors.toStdString();
  EXPECT_FALSE(QFile::exists(out.filePath("1002.xml")));
}

// A credit note of 1001 in every format: type 381, positive amounts, the
// invoice it corrects; each invoice written is issued, and an invoice whose
// total is negative without being a credit note is refused.
TEST_F(EInvoiceCommandTest, CreditNotesAreValidInEveryFormatAndWritingIssues) {
  markCandlesTaxed();
  StartEngine(dir.path());
  SellerDetails seller = GermanSeller();
  seller.finalInvoices = true;
  WriteSellerDetails(seller);
  AppendInvoice(Invoice(1003, 7, QDate(2026, 3, 5), -4.5, -5.61, -35.11));
  AppendItem(Item(1003, "CANDLE", -2, 12.5, "Beeswax candle"));
  AppendInvoice(Invoice(1004, 7, QDate(2026, 3, 6), 0, 0, -8));
  AppendItem(Item(1004, "BOOK", -1, 8, "Book"));
  InvoiceStateRecord note;
  note.ivNo = 1003;
  note.kind = QLatin1Char('C');
  note.refNo = 1001;
  ASSERT_TRUE(WriteInvoiceState(note));
  CloseAll();
  EndEngine();
  markCandlesTaxed();

  for (const char* format : {"xrechnung", "ubl", "facturx"}) {
    const QString name = QStringLiteral("1003-%1.%2").arg(format, format == QLatin1String("facturx") ? "pdf" : "xml");
    EXPECT_EQ(Run({"--invoice", "1003", "--format", format, "--out", out.filePath(name)}), 0)
        << format << ": " << errors.toStdString();
  }
  {
    // Issuing writes beside no program that holds the folder.
    FolderLock program(dir.path());
    ASSERT_TRUE(program.hold());
    EXPECT_EQ(Run({"--invoice", "1001", "--format", "ubl", "--out", out.filePath("1001.xml")}), 1);
    EXPECT_TRUE(errors.contains("Tallowby is already running on this data folder.")) << errors.toStdString();
    EXPECT_FALSE(QFile::exists(out.filePath("1001.xml")));
  }
  EXPECT_EQ(Run({"--invoice", "1001", "--format", "ubl", "--out", out.filePath("1001.xml")}), 0);
  EXPECT_EQ(Run({"--invoice", "1004", "--format", "ubl", "--out", out.filePath("1004.xml")}), 1);
  EXPECT_TRUE(errors.contains("make") || errors.contains("credit note")) << errors.toStdString();
  ExpectAllValid({{out.filePath("1003-xrechnung.xml"), "xrechnung"},
                  {out.filePath("1003-ubl.xml"), "ubl"},
                  {out.filePath("1003-facturx.pdf"), "facturx"}});
  auto read = [this](const QString& name) {
    QFile f(out.filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  const QByteArray cii = read("1003-xrechnung.xml");
  EXPECT_TRUE(cii.contains("<ram:TypeCode>381</ram:TypeCode>"));
  EXPECT_TRUE(cii.contains("<ram:IssuerAssignedID>1001</ram:IssuerAssignedID>"));
  EXPECT_TRUE(cii.contains("<qdt:DateTimeString format=\"102\">20260302</qdt:DateTimeString>"));
  EXPECT_TRUE(cii.contains("<ram:BilledQuantity unitCode=\"C62\">2.00</ram:BilledQuantity>"));
  EXPECT_TRUE(cii.contains("<ram:DuePayableAmount>35.11</ram:DuePayableAmount>"));
  EXPECT_FALSE(cii.contains("IBANID")) << "no account for the buyer to pay into";
  const QByteArray ubl = read("1003-ubl.xml");
  EXPECT_TRUE(ubl.contains("<CreditNote xmlns=\"urn:oasis:names:specification:ubl:schema:xsd:CreditNote-2\""));
  EXPECT_TRUE(ubl.contains("<cbc:CreditNoteTypeCode>381</cbc:CreditNoteTypeCode>"));
  EXPECT_TRUE(ubl.contains("<cbc:CreditedQuantity unitCode=\"C62\">2.00</cbc:CreditedQuantity>"));
  EXPECT_TRUE(ubl.contains("<cbc:ID>1001</cbc:ID>"));
  EXPECT_TRUE(ubl.contains("<cbc:PayableAmount currencyID=\"EUR\">35.11</cbc:PayableAmount>"));

  StartEngine(dir.path());
  EXPECT_TRUE(ReadInvoiceState(1003).isIssued());
  EXPECT_TRUE(ReadInvoiceState(1003).isCreditNote()) << "issuing keeps the kind";
  EXPECT_EQ(ReadInvoiceState(1003).refNo, 1001);
  EXPECT_TRUE(ReadInvoiceState(1001).isIssued());
  EXPECT_EQ(ReadInvoiceState(1001).hash.size(), 64);
  EXPECT_FALSE(ReadInvoiceState(1004).isIssued()) << "refused: not issued";
  CloseAll();
  EndEngine();
}

// The visible page of a Factur-X file says what its XML says: every term the
// XML carries for the seller, the buyer, the supply, the VAT, the currency
// and the payment stands on the page, as the page writes dates and numbers,
// for a German seller and for a French one writing to a French customer.
class FacturXPageTest : public EInvoiceCommandTest {
 protected:
  static QString Tool(const QString& name) { return QStandardPaths::findExecutable(name); }
  static QString Output(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
  }
  static QString Simplified(QString text) { return text.replace(QRegularExpression("\\s+"), " "); }
  // Every term of the XML, as the page in the language of the moment writes it.
  static QStringList PageTermsOf(const QString& xml) {
    QStringList terms;
    const auto all = [&xml](const QString& pattern) {
      QStringList found;
      QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(xml);
      while (it.hasNext()) found << it.next().captured(1);
      return found;
    };
    const auto amount = [](const QString& text) { return FormatFloat("%.2f", text.toDouble()); };
    const auto day = [](const QString& yyyymmdd) {
      return FormatShortDate(DateFromQDate(QDate::fromString(yyyymmdd, "yyyyMMdd")));
    };
    const QString seller = xml.section("<ram:SellerTradeParty>", 1).section("</ram:SellerTradeParty>", 0, 0);
    const QString buyer = xml.section("<ram:BuyerTradeParty>", 1).section("</ram:BuyerTradeParty>", 0, 0);
    terms << seller.section("<ram:Name>", 1).section("</ram:Name>", 0, 0);
    QRegularExpressionMatchIterator ids = QRegularExpression("<ram:ID schemeID=\"(?:VA|FC)\">([^<]+)").globalMatch(seller + buyer);
    while (ids.hasNext()) terms << ids.next().captured(1);
    QRegularExpressionMatchIterator legal = QRegularExpression("<ram:ID schemeID=\"0002\">([^<]+)").globalMatch(buyer);
    while (legal.hasNext()) terms << legal.next().captured(1);
    const QString settlement = xml.section("<ram:ApplicableHeaderTradeSettlement>", 1);
    for (const QString& d : all("<ram:OccurrenceDateTime>\\s*<udt:DateTimeString format=\"102\">(\\d+)")) terms << day(d);
    for (const QString& d : all("<ram:DueDateDateTime>\\s*<udt:DateTimeString format=\"102\">(\\d+)")) terms << day(d);
    QRegularExpressionMatchIterator tax = QRegularExpression(
        "<ram:ApplicableTradeTax>\\s*<ram:CalculatedAmount>([^<]+)</ram:CalculatedAmount>[\\s\\S]*?"
        "<ram:BasisAmount>([^<]+)</ram:BasisAmount>").globalMatch(settlement);
    while (tax.hasNext()) {
      const QRegularExpressionMatch m = tax.next();
      terms << amount(m.captured(2));
      if (m.captured(1).toDouble() != 0) terms << amount(m.captured(1));
    }
    terms << all("<ram:InvoiceCurrencyCode>([^<]+)") << all("<ram:IBANID>([^<]+)")
          << all("<ram:PaymentReference>([^<]+)") << all("<ram:ExemptionReason>([^<]+)");
    return terms;
  }
  void expectPageSaysWhatTheXmlSays(const QString& pdf) {
    if (Tool("pdftotext").isEmpty() || Tool("qpdf").isEmpty()) GTEST_SKIP() << "pdftotext or qpdf is not installed";
    const QString xml = Output(Tool("qpdf"), {"--show-attachment=factur-x.xml", pdf});
    const QString page = Simplified(Output(Tool("pdftotext"), {"-layout", pdf, "-"}));
    ASSERT_TRUE(xml.contains("CrossIndustryInvoice")) << xml.toStdString();
    const QStringList terms = PageTermsOf(xml);
    EXPECT_GE(terms.size(), 8) << terms.join(" | ").toStdString();
    for (const QString& term : terms)
      EXPECT_TRUE(page.contains(Simplified(term))) << "not on the page: " << term.toStdString() << "\n" << page.toStdString();
  }
};

TEST_F(FacturXPageTest, AGermanSellersPageSaysWhatItsXmlSays) {
  markCandlesTaxed();
  ASSERT_EQ(Run({"--invoice", "1001", "--format", "facturx", "--out", out.filePath("1001.pdf")}), 0)
      << errors.toStdString();
  expectPageSaysWhatTheXmlSays(out.filePath("1001.pdf"));
}

TEST_F(FacturXPageTest, AFrenchSellersPageToAFrenchCustomerSaysWhatItsXmlSays) {
  markCandlesTaxed();
  StartEngine(dir.path());
  SellerDetails seller = GermanSeller();
  seller.legalName = QStringLiteral("Bougies Lumière SAS");
  seller.country = "FR";
  seller.vatId = "FR40443061841";
  seller.city = "Lyon";
  seller.postcode = "69002";
  WriteSellerDetails(seller);
  BuyerDetails buyer = GermanBuyer(7);
  buyer.country = "FR";
  buyer.city = "Paris";
  buyer.vatId = "FR12732829320";
  buyer.siren = "732829320";
  WriteBuyerDetails(buyer);
  QString error;
  ASSERT_TRUE(SetCustomerLanguage(7, "fr", &error));
  CloseAll();
  EndEngine();
  ASSERT_EQ(Run({"--invoice", "1001", "--format", "facturx", "--out", out.filePath("1001.pdf")}), 0)
      << errors.toStdString();
  const DocumentLanguage french("fr");
  expectPageSaysWhatTheXmlSays(out.filePath("1001.pdf"));
  const QString page = Simplified(Output(Tool("pdftotext"), {"-layout", out.filePath("1001.pdf"), "-"}));
  EXPECT_TRUE(page.contains(QStringLiteral("indemnité forfaitaire"))) << page.toStdString();
  EXPECT_TRUE(page.contains(QStringLiteral("Frais de port"))) << "the program's caption, in French";
}

}  // namespace
