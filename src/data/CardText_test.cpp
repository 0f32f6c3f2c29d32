#include "data/CardText.h"

#include <gtest/gtest.h>

#include <utility>

#include "platform/TestApplication.h"

namespace {

TEST(CardText, AnImportedCardNumberShowsOnlyItsLastFourDigits) {
  EXPECT_EQ(MaskedCardText("4111111111111111 x9/28"), "************1111 x9/28");
  EXPECT_EQ(MaskedCardText("VISA 4111111111111111 x12/29"), "VISA ************1111 x12/29");
  EXPECT_EQ(MaskedCardText("378282246310005"), "***********0005");
}

TEST(CardText, GroupedNumbersKeepTheirSeparators) {
  EXPECT_EQ(MaskedCardText("4111 1111 1111 1111 x9/28"), "**** **** **** 1111 x9/28");
  EXPECT_EQ(MaskedCardText("5500-0000-0000-0004"), "****-****-****-0004");
  EXPECT_EQ(MaskedCardText("3782 822463 10005"), "**** ****** *0005");
}

TEST(CardText, EveryCommonWayOfWritingANumberIsMasked) {
  const std::pair<const char*, const char*> cases[] = {
      {"4111.1111.1111.1111", "****.****.****.1111"},
      {"4111/1111/1111/1111", "****/****/****/1111"},
      {"4111_1111_1111_1111", "****_****_****_1111"},
      {"4111,1111,1111,1111", "****,****,****,1111"},
      {"4111--1111--1111--1111", "****--****--****--1111"},
      {"41 11 11 11 11 11 11 11", "** ** ** ** ** ** 11 11"},
      {"4111  1111 1111 1111", "****  **** **** 1111"},
      {"Visa: 4111 - 1111 - 1111 - 1111 x9/28", "Visa: **** - **** - **** - 1111 x9/28"},
      {"4111 1111 1111 1111 09/28", "**** **** **** 1111 09/28"},
      {"4111111111111111111", "***************1111"},  // 19 digits
  };
  for (const auto& [text, masked] : cases) EXPECT_EQ(MaskedCardText(text), masked) << text;
}

TEST(CardText, ChecksShortNumbersAndPlainTextStayAsTheyAre) {
  for (const char* text : {"Check 1523", "4111 x9/28", "12-34 x7/03", "CASH", "", "Check 100234",
                           "PO 12345678901 x",
                           "1.5 x 12.50 on 09/12/26", "Check 1523 -- 9/28"})
    EXPECT_EQ(MaskedCardText(text), QString::fromLatin1(text)) << text;
}

TEST(CardText, TheExpiryAfterTheNumberIsNotPartOfIt) {
  // A blank and one more digit group joined to the number would show the
  // expiry's digits as the last four instead of the card's.
  EXPECT_EQ(MaskedCardText("4111111111111111  9/28"), "************1111  9/28");
  EXPECT_EQ(MaskedCardText("4111111111111111 9/28"), "************1111 9/28");
  EXPECT_EQ(MaskedCardText("4111111111111111 12/28"), "************1111 12/28");
  EXPECT_EQ(MaskedCardText("4111111111111111 x 09/28"), "************1111 x 09/28");
}

}  // namespace
