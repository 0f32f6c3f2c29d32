// The customer profile and the buyers report over the candle maker's
// tables (reports/TestSupport) with three more customers in groups, one of
// them missing; expected cells worked out by hand.
#include "reports/RptGenCustomer.h"

#include <gtest/gtest.h>

#include "data/Settings.h"
#include "data/dbFiles.h"
#include "reports/RptGenSales.h"
#include "reports/TestSupport.h"

namespace {

CustomerRecord InGroup(CustomerRecord c, int group) {
  c.ngroup = group;
  return c;
}

class CustomerReports : public ReportDataTest {
 protected:
  void SetUp() override {
    ReportDataTest::SetUp();
    WriteCandleBusiness();  // customers 7, 8 and 9 in no group (0)
    AppendGroup({1, "Retail"});
    AppendGroup({2, "Wholesale"});
    AppendCustomer(InGroup(
        Customer(10, "Mrs.", "Edith", "Clarke", {"Clarke & Co", "3 Mill Road"}, "01234"), 1));
    AppendCustomer(InGroup(Customer(11, "Mr.", "Alan", "Turing", {"Bletchley Works"}, "MK3"), 2));
    AppendCustomer(InGroup(Customer(12, "Ms.", "Hedy", "Lamarr", {"Spread Spectrum"}, "90210"), 5));
    AppendInvoice(Invoice(1100, 10, QDate(2026, 3, 1), 0, 0, 0));
    AppendItem(Item(1100, "CANDLE", 1, 12.5, "Candle"));
    AppendItem(Item(1100, "SOAP", 4, 4, "Soap"));
  }
  ReportOutcome Profiles(const QList<long>& customers, const QList<int>& groups = {}) {
    ReportRequest r;
    r.customers = customers;
    r.groups = groups;
    return Build(BuildProfiles, r);
  }
};

TEST_F(CustomerReports, GroupsProfileTheirCustomersInNameOrder) {
  Profiles({}, {1, 2});
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(lines[2], "C36Customer Profile|||||||||||B");
  EXPECT_EQ(lines[7], "|L01Customer||R43Date||L46Product||R61Qty||R71U-Price||U");
  // Lamarr's group 5 was not asked for; the candle customers have none.
  EXPECT_EQ(lines.mid(8), QStringList({
      "V00|L01Mrs. Edith Clarke|V35|R4303/01/26|V45|L46CANDLE|V57|R61    1.00|V63|R71   12.50|V72|",
      "V00|L01Clarke & Co|V35|R4303/01/26|V45|L46SOAP|V57|R61    4.00|V63|R71    4.00|V72|",
      "V00|L013 Mill Road  01234|V35||V45||V57||V63||V72|",
      "V00|L01Cust#: 10  Group: Retail|V35||V45||V57||V63||V72|U",
      "V00|L01Mr.  Alan Turing|V35||V45||V57||V63||V72|",
      "V00|L01Bletchley Works  MK3|V35||V45||V57||V63||V72|",
      "V00|L01|V35||V45||V57||V63||V72|",
      "V00|L01Cust#: 11  Group: Wholesale|V35||V45||V57||V63||V72|U",
  })) << Joined(lines).toStdString();
  ExpectGolden("profile_of_groups.txt", shown[0]);
  EXPECT_EQ(Groups.d, nullptr);
}

TEST_F(CustomerReports, NoGroupAndNoCustomerBuildNoLine) {
  EXPECT_EQ(Profiles({}).kind, ReportOutcome::Kind::Built);
  EXPECT_TRUE(shown.isEmpty());
  EXPECT_EQ(Cust5.d, nullptr);
}

TEST_F(CustomerReports, ProfilesOfNumbersKeepTheirOrderAndItemsRunOnBelowTheAddress) {
  AppendInvoice(Invoice(1101, 12, QDate(2026, 3, 2), 0, 0, 0));
  for (int i = 1; i <= 5; ++i) AppendItem(Item(1101, QString("T%1").arg(i), i, 0.5, "Tealight"));
  Profiles({8, 12});
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(lines.mid(8), QStringList({
      // Five address lines: the last (empty) one gives way to the numbers.
      "V00|L01Mr.  Charles Babbage|V35|R4303/05/26|V45|L46SOAP|V57|R61    2.00|V63|R71    4.00|V72|",
      "V00|L01Difference Works|V35|R4303/05/26|V45|L46TEA|V57|R61    0.50|V63|R71    0.25|V72|",
      "V00|L011 Analytical Engine Court|V35|R4303/05/26|V45|L46TEA|V57|R61    0.50|V63|R71    0.25|V72|",
      "V00|L01                    W1 4AB|V35||V45||V57||V63||V72|",
      "V00|L01Cust#: 8  Group: |V35||V45||V57||V63||V72|U",
      "V00|L01Ms.  Hedy Lamarr|V35|R4303/02/26|V45|L46T1|V57|R61    1.00|V63|R71    0.50|V72|",
      "V00|L01Spread Spectrum  90210|V35|R4303/02/26|V45|L46T2|V57|R61    2.00|V63|R71    0.50|V72|",
      "V00|L01|V35|R4303/02/26|V45|L46T3|V57|R61    3.00|V63|R71    0.50|V72|",
      "V00|L01Cust#: 12  Group: |V35|R4303/02/26|V45|L46T4|V57|R61    4.00|V63|R71    0.50|V72|",
      "V00||V35|R4303/02/26|V45|L46T5|V57|R61    5.00|V63|R71    0.50|V72|U",
  })) << Joined(lines).toStdString();

  const ReportOutcome missing = Profiles({7, 55});
  EXPECT_EQ(missing.kind, ReportOutcome::Kind::Unusable);
  EXPECT_EQ(missing.message, "there is no customer 55");
  EXPECT_EQ(shown.size(), 1);  // nothing built for an unknown number
}

TEST_F(CustomerReports, ABlockThatWouldNotKeepFourLinesTogetherStartsANewPage) {
  // 8 header lines, Aaron's block of 5, Clarke's of 4 and ten more of 4 use
  // 57 lines: the next block begins page 2 although its first three lines
  // would fit on page 1.
  AppendCustomer(InGroup(
      Customer(20, "", "Ann", "Aaron", {"Aaron Ltd", "1 Very Long Street Name Here"}, "12345"), 1));
  for (int i = 1; i <= 12; ++i)
    AppendCustomer(InGroup(Customer(20 + i, "", "Zed", QString("Zz%1").arg(i, 2, 10, QChar('0')),
                                    {"Firm"}, "1"), 1));
  Profiles({}, {1});
  ASSERT_EQ(shown.size(), 1);
  const qsizetype eject = lines.indexOf("EJECT|||||||||||");
  ASSERT_EQ(eject, 57) << Joined(lines).toStdString();
  EXPECT_EQ(lines[eject - 1], "V00|L01Cust#: 30  Group: Retail|V35||V45||V57||V63||V72|U");
  EXPECT_EQ(lines[eject + 1], "L00Page 2|R7203/15/26||||||||||");
  EXPECT_EQ(lines[eject + 9], "V00|L01Zed Zz11|V35||V45||V57||V63||V72|");
}

// ---- Buyers -----------------------------------------------------------------

class BuyersReport : public CustomerReports {
 protected:
  void SetUp() override {
    CustomerReports::SetUp();
    AppendItem(Item(1002, "CANDLE", 1, 11, "Candle"));  // Babbage, in no group
    AppendItem(Item(1005, "CANDLE", 1, 12, "Candle"));  // a customer since removed
    AppendItem(Item(1003, "candle", 1, 9, "Candle"));   // another code
  }
  ReportOutcome Buyers(const QString& code, QDate from = QDate(2026, 2, 1),
                       QDate to = QDate(2026, 3, 31)) {
    ReportRequest r = Span(from, to);
    r.product = code;
    return Build(BuildBuyers, r);
  }
};

TEST_F(BuyersReport, EveryItemOfTheProductInTheSpanIsOneLineInDateOrder) {
  ASSERT_EQ(Buyers("CANDLE").kind, ReportOutcome::Kind::Built);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(lines[2], "C38Buyers of CANDLE-|||||||||B");
  EXPECT_EQ(lines[3], "C38from 02/01/26 through 03/31/26|||||||||B");
  EXPECT_EQ(lines[8], "|L01Customer||L37MailGroup||R66Date||R76U-Price||U");
  // Byron bought twice; Babbage's group 0 does not exist.
  EXPECT_EQ(lines.mid(9), QStringList({
      "V00|L01Ms.  Ada Byron|V36|L37UNKNOWN|V57|R6602/20/26|V67|R76    5.00|V77|",
      "V00|L01Mrs. Edith Clarke|V36|L37Retail|V57|R6603/01/26|V67|R76   12.50|V77|",
      "V00|L01Ms.  Ada Byron|V36|L37UNKNOWN|V57|R6603/02/26|V67|R76   12.50|V77|",
      "V00|L01Mr.  Charles Babbage|V36|L37UNKNOWN|V57|R6603/05/26|V67|R76   11.00|V77|",
      "V00|L01UNKNOWN|V36|L37UNKNOWN|V57|R6603/12/26|V67|R76   12.00|V77|U",
  })) << Joined(lines).toStdString();
  ExpectGolden("buyers.txt", shown[0]);
  EXPECT_EQ(Prod5.d, nullptr);
}

TEST_F(BuyersReport, ACodeDifferingOnlyInCaseIsAnotherProduct) {
  EXPECT_EQ(Buyers("candle").kind, ReportOutcome::Kind::Unusable);  // no such product
  EXPECT_EQ(Buyers("CANDL").message, "there is no product CANDL");
  EXPECT_TRUE(shown.isEmpty());
  // The product "candle" sold in the span finds only its own item.
  AppendProduct(Product("candle", ""));
  ASSERT_EQ(Buyers("candle").kind, ReportOutcome::Kind::Built);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(lines.mid(9), QStringList({"V00|L01Ms.  Ada Byron|V36|L37UNKNOWN|V57|R6603/10/26|V67|"
                                       "R76    9.00|V77|U"}));
}

TEST_F(BuyersReport, NoInvoicesInTheSpanSaySo) {
  EXPECT_EQ(Buyers("SOAP", QDate(2026, 4, 1), QDate(2026, 4, 30)).message, kNoInvoices);
  EXPECT_TRUE(shown.isEmpty());
}

}  // namespace
