#include "einvoice/CreditorReference.h"

#include <gtest/gtest.h>

namespace {

TEST(CreditorReference, TheStandardsExampleAndAnInvoiceNumberRoundTrip) {
  // ISO 11649's own example.
  EXPECT_TRUE(CreditorReferenceValid("RF18539007547034"));
  EXPECT_TRUE(CreditorReferenceValid("rf18 5390 0754 7034")) << "as a person may write it";
  EXPECT_FALSE(CreditorReferenceValid("RF19539007547034")) << "a check digit off";
  EXPECT_FALSE(CreditorReferenceValid("RF18539007547035"));
  EXPECT_FALSE(CreditorReferenceValid("RF18"));
  EXPECT_FALSE(CreditorReferenceValid("XX18539007547034"));
  EXPECT_FALSE(CreditorReferenceValid("RF18-539007547034"));
  for (long n : {1L, 7L, 1007L, 999999L}) {
    const QString r = CreditorReference(n);
    EXPECT_TRUE(r.startsWith("RF")) << r.toStdString();
    EXPECT_TRUE(r.endsWith(QString::number(n)));
    EXPECT_TRUE(CreditorReferenceValid(r)) << r.toStdString();
    EXPECT_EQ(InvoiceOfCreditorReference(r), n);
  }
  EXPECT_EQ(InvoiceOfCreditorReference("RF18539007547034"), 0) << "no invoice has twelve digits";
}

}  // namespace
