#include "einvoice/DetailChecks.h"

#include <gtest/gtest.h>

namespace {

TEST(DetailChecks, IbanCheckDigitsCountryAndCurrencyCodes) {
  EXPECT_TRUE(IbanValid("DE02 1203 0000 0000 2020 51"));
  EXPECT_TRUE(IbanValid("be71 0961 2345 6769"));
  EXPECT_TRUE(IbanValid("FR76 3000 6000 0112 3456 7890 189"));
  EXPECT_FALSE(IbanValid("DE03 1203 0000 0000 2020 51")) << "a check digit off";
  EXPECT_FALSE(IbanValid("DE02 1203 0000 0000 2020 5"));
  EXPECT_FALSE(IbanValid("02DE12030000000020205100"));
  EXPECT_TRUE(CountryCodeValid("DE"));
  EXPECT_FALSE(CountryCodeValid("de"));
  EXPECT_FALSE(CountryCodeValid("ZZ"));
  EXPECT_TRUE(CurrencyCodeValid("EUR"));
  EXPECT_TRUE(CurrencyCodeValid("CHF"));
  EXPECT_FALSE(CurrencyCodeValid("EURO"));
  EXPECT_FALSE(CurrencyCodeValid("XYZ"));
  EXPECT_TRUE(VatIdHasCountryPrefix("DE123456789"));
  EXPECT_TRUE(VatIdHasCountryPrefix("EL123456789")) << "Greece";
  EXPECT_FALSE(VatIdHasCountryPrefix("123456789"));
}

TEST(DetailChecks, ABicHasEightOrElevenCharactersWithTheBanksCountry) {
  EXPECT_TRUE(BicValid("COBADEFF"));
  EXPECT_TRUE(BicValid("COBADEFFXXX"));
  EXPECT_TRUE(BicValid("bnpa fr pp xxx")) << "blanks and case as typed";
  EXPECT_FALSE(BicValid("COBADEF")) << "seven characters";
  EXPECT_FALSE(BicValid("COBADEFFXX")) << "ten characters";
  EXPECT_FALSE(BicValid("COBAZZFF")) << "no such country";
  EXPECT_FALSE(BicValid("C0BADEFF")) << "a digit in the bank's code";
  SellerDetails s;
  s.exemptionReason = "Exempt";
  s.bic = "COBADEF";
  const QStringList wrong = CheckSellerDetails(s);
  ASSERT_EQ(wrong.size(), 1);
  EXPECT_TRUE(wrong[0].startsWith("BIC: \"COBADEF\" is not a BIC")) << wrong[0].toStdString();
}

TEST(DetailChecks, OneMessagePerWrongFieldAndNoneForEmptyOnes) {
  SellerDetails s;
  s.exemptionReason = "Exempt";
  EXPECT_TRUE(CheckSellerDetails(s).isEmpty());
  s.country = "Germany";
  s.currency = "EURO";
  s.vatId = "123";
  s.iban = "DE03120300000000202051";
  s.untaxedCategory = "K";
  const QStringList wrong = CheckSellerDetails(s);
  ASSERT_EQ(wrong.size(), 5) << wrong.join('\n').toStdString();
  EXPECT_TRUE(wrong[0].startsWith("Country:"));
  EXPECT_TRUE(wrong[3].startsWith("IBAN:"));
  BuyerDetails b;
  b.country = "fr";
  EXPECT_EQ(CheckBuyerDetails(b).size(), 1);
}

}  // namespace

namespace {

TEST(DetailChecks, SirenByItsLuhnDigitAndTheBuyersVatIdForIntraCommunityTreatments) {
  EXPECT_TRUE(SirenValid("443061841"));
  EXPECT_TRUE(SirenValid("732829320"));
  EXPECT_FALSE(SirenValid("443061842")) << "the check digit off";
  EXPECT_FALSE(SirenValid("44306184")) << "eight digits";
  EXPECT_FALSE(SirenValid("44306184A"));
  BuyerDetails b;
  b.siren = "443061842";
  b.vatTreatment = "AE";
  const QStringList wrong = CheckBuyerDetails(b);
  ASSERT_EQ(wrong.size(), 2) << wrong.join('\n').toStdString();
  EXPECT_TRUE(wrong[0].startsWith("SIREN:"));
  EXPECT_TRUE(wrong[1].contains("reverse charge"));
  b.siren = "443061841";
  b.vatId = "FR40443061841";
  EXPECT_TRUE(CheckBuyerDetails(b).isEmpty());
  b.vatId.clear();
  b.vatTreatment = "G";
  EXPECT_TRUE(CheckBuyerDetails(b).isEmpty()) << "an export needs no VAT identifier";
}

}  // namespace
