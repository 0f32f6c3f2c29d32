// The supplied tables of a new company: in German or French its charge
// lines, VAT rate and country are a German or French business's, and its
// issued invoices are final; the demo's and the tests' are not.
#include "data/SupplyTables.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/EInvoiceTables.h"
#include "data/Settings.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"

namespace {

using SupplyTables = PlainDataTest;

struct Made {
  QString shipLine, taxLine, country;
  double taxRate = 0;
  bool final = false;
};

Made MadeIn(const QString& language, bool finalInvoices) {
  QTemporaryDir dir;
  QString error;
  EXPECT_TRUE(WriteSuppliedTables(dir.path(), &error, finalInvoices, language)) << error.toStdString();
  StartEngine(dir.path());
  ReadSettings();
  Made m{Settings().ShipLine.trimmed(), Settings().TaxLine.trimmed(), ReadSellerDetails().country,
         Settings().TaxRate2, ReadSellerDetails().finalInvoices};
  EndEngine();
  return m;
}

TEST_F(SupplyTables, ANewCompanyInGermanOrFrenchGetsItsCountrysChargeLinesAndRate) {
  const Made german = MadeIn("de", true);
  EXPECT_EQ(german.shipLine, "Versand");
  EXPECT_EQ(german.taxLine, "MwSt.");
  EXPECT_EQ(german.taxRate, 19);
  EXPECT_EQ(german.country, "DE");
  EXPECT_TRUE(german.final);
  const Made french = MadeIn("fr", true);
  EXPECT_EQ(french.shipLine, "Frais de port");
  EXPECT_EQ(french.taxLine, "TVA");
  EXPECT_EQ(french.taxRate, 20);
  EXPECT_EQ(french.country, "FR");
  const Made english = MadeIn("", false);
  EXPECT_EQ(english.shipLine, "Shipping");
  EXPECT_EQ(english.taxLine, "Sales Tax");
  EXPECT_EQ(english.taxRate, 0);
  EXPECT_EQ(english.country, "");
  EXPECT_FALSE(english.final);
}

}  // namespace
