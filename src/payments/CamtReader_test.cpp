// Bank statements read as banks write them, in each version, and hostile
// files refused with a reason.
#include "payments/CamtReader.h"

#include <gtest/gtest.h>

#include "payments/TestSupport.h"

namespace {

TEST(CamtReader, EveryVersionReadsEntriesTransactionsAndTheirParts) {
  TestEntry several;
  several.amount = "30.50";
  several.transactions = {{"20.00", "E2E-1", "RF721007", "", "Ada Byron"},
                          {"10.50", "E2E-2", "", "Rechnung 1008 danke", "Lovelace Candles GmbH"}};
  TestEntry whole;
  whole.bankRef = "REF2";
  whole.amount = "5.00";
  for (const char* version : {"02", "04", "08"}) {
    const CamtRead read = ReadCamt(Camt053(version, {several, whole}));
    ASSERT_TRUE(read.ok) << version << ": " << read.error.toStdString();
    const BankStatement& s = read.statement;
    EXPECT_EQ(s.kind, QString("camt.053.001.") + version);
    EXPECT_EQ(s.account, "DE02120300000000202051");
    EXPECT_EQ(s.currency, "EUR");
    ASSERT_EQ(s.entries.size(), 2);
    const BankEntry& e = s.entries[0];
    EXPECT_EQ(e.amount, 3050);
    EXPECT_TRUE(e.credit);
    EXPECT_TRUE(e.booked) << version;
    EXPECT_FALSE(e.reversal);
    EXPECT_EQ(e.bookingDate, QDate(2026, 3, 20));
    EXPECT_EQ(e.accountServicerRef, "REF1");
    ASSERT_EQ(e.transactions.size(), 2);
    EXPECT_EQ(e.transactions[0].amount, 2000);
    EXPECT_EQ(e.transactions[0].reference, "RF721007");
    EXPECT_EQ(e.transactions[0].payer, "Ada Byron") << version;
    EXPECT_EQ(e.transactions[1].text, "Rechnung 1008 danke");
    EXPECT_EQ(e.transactions[1].endToEndId, "E2E-2");
    ASSERT_EQ(s.entries[1].transactions.size(), 1) << "an entry without details is its own payment";
    EXPECT_EQ(s.entries[1].transactions[0].amount, 500);
    EXPECT_EQ(s.entries[1].transactions[0].currency, "EUR");
  }
}

TEST(CamtReader, DebitsReversalsAndPendingEntriesAreToldApart) {
  TestEntry debit;
  debit.creditDebit = "DBIT";
  TestEntry reversal;
  reversal.reversal = true;
  TestEntry pending;
  pending.status = "PDNG";
  const CamtRead read = ReadCamt(Camt053("08", {debit, reversal, pending}));
  ASSERT_TRUE(read.ok) << read.error.toStdString();
  EXPECT_FALSE(read.statement.entries[0].credit);
  EXPECT_TRUE(read.statement.entries[1].reversal);
  EXPECT_FALSE(read.statement.entries[2].booked);
}

TEST(CamtReader, HostileAndBrokenFilesAreRefusedWithAReason) {
  const auto error = [](const QByteArray& bytes) { return ReadCamt(bytes).error.toStdString(); };
  EXPECT_NE(error("<?xml version=\"1.0\"?><!DOCTYPE Document [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
                  "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\">&x;</Document>")
                .find("document type"),
            std::string::npos);
  EXPECT_NE(error("<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:pain.001.001.09\"/>").find("no camt"),
            std::string::npos);
  EXPECT_NE(error("<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\"><Stmt>").find("well-formed"),
            std::string::npos);
  QByteArray deep = "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\">";
  for (int i = 0; i < 100; ++i) deep += "<a>";
  EXPECT_NE(error(deep).find("deeper"), std::string::npos);
  TestEntry bad;
  bad.amount = "-10.00";
  EXPECT_NE(error(Camt053("08", {bad})).find("amount"), std::string::npos);
  bad.amount = "10.001";
  EXPECT_NE(error(Camt053("08", {bad})).find("amount"), std::string::npos);
  TestEntry noDate;
  noDate.date = "20.03.2026";
  EXPECT_NE(error(Camt053("02", {noDate})).find("booking date"), std::string::npos);
  EXPECT_NE(error(QByteArray(64 * 1024 * 1024 + 1, ' ')).find("64 MB"), std::string::npos);
  EXPECT_FALSE(ReadCamt("").ok);
}

}  // namespace
