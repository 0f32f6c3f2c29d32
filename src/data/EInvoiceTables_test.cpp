// The e-invoice details: made where a folder of an earlier version lacks
// them, read and written field by field.
#include "data/EInvoiceTables.h"

#include <QFile>
#include <gtest/gtest.h>

#include "data/SupplyTables.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"

namespace {

using EInvoiceTables = IndexedFolderTest;

TEST_F(EInvoiceTables, AFolderWithoutThemGetsThemAndStillStartsWithoutThem) {
  EndEngine();
  for (const char* f : {"EINVSET.DBF", "CUSTEI.DBF"}) ASSERT_TRUE(QFile::remove(path(f)));
  StartEngine(dir.path());
  EXPECT_TRUE(DataFilesPresent()) << "not among the tables the program needs to start";
  PrepareTables();
  EXPECT_TRUE(exists("EINVSET.DBF"));
  EXPECT_TRUE(exists("CUSTEI.DBF"));
  EXPECT_TRUE(exists("CUSTEI.ntx"));
  const SellerDetails first = ReadSellerDetails();
  EXPECT_EQ(first.currency, "EUR");
  EXPECT_EQ(first.untaxedCategory, "E");
  EXPECT_EQ(first.dueDays, 0);
  // Made once: the details written stay.
  SellerDetails s = first;
  s.vatId = "DE123456789";
  WriteSellerDetails(s);
  PrepareTables();
  EXPECT_EQ(ReadSellerDetails().vatId, "DE123456789");
}

TEST_F(EInvoiceTables, SellerAndBuyerDetailsKeepEveryField) {
  SellerDetails s = GermanSeller();
  s.legalName = QStringLiteral("Kerzenzieherei Weiß & Söhne GmbH");
  s.taxRegistration = "201/113/40209";
  s.electronicAddress = "billing@tallow.example";
  s.electronicScheme = "EM";
  s.bic = "BYLADEM1001";
  s.untaxedCategory = "Z";
  s.exemptionReason = "Zero rated";
  s.paymentTerms = "14 days net";
  WriteSellerDetails(s);
  const SellerDetails r = ReadSellerDetails();
  EXPECT_EQ(r.legalName, s.legalName);
  EXPECT_EQ(r.city, s.city);
  EXPECT_EQ(r.electronicScheme, "EM");
  EXPECT_EQ(r.iban, s.iban);
  EXPECT_EQ(r.untaxedCategory, "Z");
  EXPECT_EQ(r.paymentTerms, s.paymentTerms);
  EXPECT_EQ(r.dueDays, 14);

  BuyerDetails b = GermanBuyer(7);
  b.country = "FR";
  b.city = "Paris";
  WriteBuyerDetails(b);
  BuyerDetails other;
  other.customer = 12;
  other.country = "BE";
  WriteBuyerDetails(other);
  b.city = "Lyon";  // written again: the same record
  WriteBuyerDetails(b);
  EXPECT_EQ(ReadBuyerDetails(7).city, "Lyon");
  EXPECT_EQ(ReadBuyerDetails(7).buyerReference, "04011000-12345-03");
  EXPECT_EQ(ReadBuyerDetails(12).country, "BE");
  EXPECT_EQ(ReadBuyerDetails(8).country, "") << "a customer without details";
  EXPECT_EQ(ReadBuyerDetails(8).customer, 8);
  DATA4* d = OpenCUSTEI();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d4recCountDo(d), 2);
  CloseAll();
}

}  // namespace
