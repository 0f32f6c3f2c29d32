// `tallowby einvoice` over real tables: every file it writes passes the
// official validators and says what the tables say; refused invoices are
// named, the others written.
#include "invoicing/EInvoiceCommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/EInvoiceTables.h"
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

}  // namespace
