// The invoices' states and the hash of an issued invoice: read and written
// by invoice number, the hash the same from the working copy and from the
// tables, a change made with another tool found; and the setting that makes
// issued invoices final, which an earlier version's EINVSET gains whole.
#include "data/InvoiceStates.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <functional>
#include <vector>

#include "data/EInvoiceTables.h"
#include "data/InvoiceLoad.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"

namespace {

using InvoiceStates = IndexedFolderTest;

TEST_F(InvoiceStates, StatesAreKeptByInvoiceNumberAndAFolderWithoutThemHasNone) {
  InvoiceStateRecord issued;
  issued.ivNo = 1007;
  issued.issued = DateFromQDate(QDate(2026, 3, 1));
  issued.hash = QString(64, QLatin1Char('a'));
  ASSERT_TRUE(WriteInvoiceState(issued));
  InvoiceStateRecord note;
  note.ivNo = 1008;
  note.kind = QLatin1Char('C');
  note.refNo = 1007;
  ASSERT_TRUE(WriteInvoiceState(note));
  note.issued = DateFromQDate(QDate(2026, 3, 2));
  ASSERT_TRUE(WriteInvoiceState(note));  // the same record again
  CloseAll();

  EXPECT_EQ(ReadInvoiceState(1007).issued, issued.issued);
  EXPECT_EQ(ReadInvoiceState(1007).hash, issued.hash);
  EXPECT_FALSE(ReadInvoiceState(1007).isCreditNote());
  EXPECT_TRUE(ReadInvoiceState(1008).isCreditNote());
  EXPECT_TRUE(ReadInvoiceState(1008).isIssued());
  EXPECT_FALSE(ReadInvoiceState(1009).isIssued()) << "no record: an unissued invoice";
  EXPECT_EQ(ReadInvoiceState(1009).ivNo, 1009);
  EXPECT_EQ(CreditNotesOf(1007), QList<long>({1008}));
  EXPECT_EQ(AllInvoiceStates().size(), 2);
  RemoveInvoiceState(1008);
  EXPECT_EQ(CreditNotesOf(1007), QList<long>());
  CloseAll();

  EndEngine();
  const QStringList files = INVSTATEDef().indexFiles() << "INVSTATE.DBF";
  for (const QString& f : files) QFile::remove(path(f));
  StartEngine(dir.path());
  EXPECT_FALSE(ReadInvoiceState(1007).isIssued());
  EXPECT_FALSE(WriteInvoiceState(issued)) << "nothing is written where the table is missing";
  EXPECT_TRUE(ChangedIssuedInvoices().isEmpty());
  CloseAll();
  PrepareTables();
  EXPECT_TRUE(exists("INVSTATE.DBF")) << "made at the next start";
  EXPECT_TRUE(exists("INVSTATE.ntx"));
}

TEST_F(InvoiceStates, TheHashOfTheWorkingCopyIsTheHashOfTheTablesUntilEitherChanges) {
  AppendInvoice(Invoice(1, 7, QDate(2026, 3, 1), 4.5, 1.9, 16.4));
  AppendItem(Item(1, "A", 2, 5, "Candle", "red"));
  AppendItem(Item(1, "B", 1, 1, "Wick"));
  ASSERT_TRUE(OpenInvoiceTables());
  const QString stored = StoredInvoiceHash(1);
  EXPECT_EQ(stored.size(), 64);
  EXPECT_TRUE(StoredInvoiceHash(2).isEmpty()) << "no such invoice";

  InvoiceRecord header = Invoice(1, 7, QDate(2026, 3, 1), 4.5, 1.9, 16.4);
  QList<ItemRecord> items{Item(1, "A   ", 2, 5, "Candle", "red"), Item(1, "B", 1, 1, "Wick")};
  EXPECT_EQ(InvoiceContentHash(header, items), stored) << "trailing blanks are not content";
  header.Due = 0;
  header.IMemo = "VISA 4111";
  EXPECT_EQ(InvoiceContentHash(header, items), stored) << "payments and card text come after issue";

  std::vector<std::function<void(InvoiceRecord&, QList<ItemRecord>&)>> changes{
      [](InvoiceRecord& h, QList<ItemRecord>&) { h.CuNo = 8; },
      [](InvoiceRecord& h, QList<ItemRecord>&) { h.IDate += 1; },
      [](InvoiceRecord& h, QList<ItemRecord>&) { h.REM = "changed"; },
      [](InvoiceRecord& h, QList<ItemRecord>&) { h.Ship = 4.51; },
      [](InvoiceRecord& h, QList<ItemRecord>&) { h.Tax = 0; },
      [](InvoiceRecord&, QList<ItemRecord>& i) { i[0].Qty = 3; },
      [](InvoiceRecord&, QList<ItemRecord>& i) { i[1].UPR = 1.01; },
      [](InvoiceRecord&, QList<ItemRecord>& i) { i[1].LTax2 = true; },
      [](InvoiceRecord&, QList<ItemRecord>& i) { i[0].PDesc = "Lamp"; },
      [](InvoiceRecord&, QList<ItemRecord>& i) { i.swapItemsAt(0, 1); },
      [](InvoiceRecord&, QList<ItemRecord>& i) { i.removeLast(); },
  };
  for (size_t n = 0; n < changes.size(); ++n) {
    InvoiceRecord h = header;
    QList<ItemRecord> i = items;
    changes[n](h, i);
    EXPECT_NE(InvoiceContentHash(h, i), stored) << "change " << n;
  }
  CloseAll();
}

TEST_F(InvoiceStates, CheckFindsAnIssuedInvoiceChangedByAnotherTool) {
  AppendInvoice(Invoice(1, 7, QDate(2026, 3, 1), 0, 0, 10));
  AppendItem(Item(1, "A", 1, 10, "Candle"));
  AppendInvoice(Invoice(2, 7, QDate(2026, 3, 2), 0, 0, 10));
  AppendItem(Item(2, "A", 1, 10, "Candle"));
  ASSERT_TRUE(OpenInvoiceTables());
  for (long n : {1L, 2L}) {
    InvoiceStateRecord s;
    s.ivNo = n;
    s.issued = DateFromQDate(QDate(2026, 3, 3));
    s.hash = StoredInvoiceHash(n);
    ASSERT_TRUE(WriteInvoiceState(s));
  }
  CloseAll();
  EXPECT_TRUE(ChangedIssuedInvoices().isEmpty());

  // Another program raises the price of invoice 2's item.
  ASSERT_TRUE(OpenITM5());
  d4bottom(Itm5.d);
  f4assignDouble(Itm5.UPR, 12);
  CloseAll();
  EXPECT_EQ(ChangedIssuedInvoices(),
            QStringList({"INVSTATE: invoice 2 has changed since it was issued on 20260303"}));
}

TEST_F(InvoiceStates, AnEarlierSettingsTableReadsNotFinalAndGainsTheFieldWhole) {
  // EINVSET as an earlier version wrote it: without FINAL.
  EndEngine();
  ASSERT_TRUE(QFile::remove(path("EINVSET.DBF")));
  StartEngine(dir.path());
  std::vector<FIELD4INFO> fields;
  for (const FieldDef& f : EINVSETDef().fields)
    if (QByteArray(f.name) != "FINAL") fields.push_back({f.name, f.type, f.width, f.decimals});
  fields.push_back({nullptr, 0, 0, 0});
  ASSERT_EQ(d4create(cb, "EINVSET.DBF", fields.data()), 0);
  DATA4* d = OpenEINVSET();
  ASSERT_NE(d, nullptr);
  ASSERT_EQ(d4appendBlank(d), 0);
  f4assign(d4field(d, "VATID"), "DE123456789");
  f4assign(d4field(d, "CURRENCY"), "EUR");
  CloseAll();

  SellerDetails s = ReadSellerDetails();
  EXPECT_FALSE(s.finalInvoices);
  EXPECT_EQ(s.vatId, "DE123456789");
  s.finalInvoices = true;
  ASSERT_TRUE(WriteSellerDetails(s));
  const SellerDetails r = ReadSellerDetails();
  EXPECT_TRUE(r.finalInvoices);
  EXPECT_EQ(r.vatId, "DE123456789") << "every earlier value kept";
  d = OpenEINVSET();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d4recCountDo(d), 1);
  EXPECT_NE(d4field(d, "FINAL"), nullptr);
  CloseAll();
  const QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  for (const QString& name : left) EXPECT_FALSE(name.startsWith(".tbwiden")) << "nothing left beside";
}

}  // namespace
