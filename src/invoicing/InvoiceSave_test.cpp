// The invoice save without its window: drafts written to real tables in a
// fresh folder, read back with their indexes checked; a write failure at
// every step of a save, then the same draft saved again.
#include "invoicing/InvoiceSave.h"

#include <cerrno>
#include <set>

#include "data/CodeBase.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"
#include "invoicing/TestSupport.h"
#include "tbengine/env.h"

namespace {

class InvoiceSaveTest : public IndexedFolderTest, protected InvoiceTables {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    addCustomer(7, "Abel");
  }

  // The tables of the invoice loop.
  static void openTables() {
    ASSERT_TRUE(OpenCUST5());
    ASSERT_TRUE(OpenINV5());
    ASSERT_TRUE(OpenITM5());
    ASSERT_TRUE(OpenPMT());
  }
  // Saves with the tables open, noting the questions asked; the first
  // invoice number asked for is answered with firstNumber.
  SaveOutcome save(InvoiceDraft& draft, long firstNumber = 1) {
    return saver.save(draft, {[this] {
                                asked << "texts";
                                return true;
                              },
                              [this, firstNumber] {
                                asked << "first number";
                                return firstNumber;
                              }});
  }
  // Opens the tables, saves, closes them.
  SaveOutcome saveClosed(InvoiceDraft& draft, long firstNumber = 1) {
    openTables();
    const SaveOutcome outcome = save(draft, firstNumber);
    CloseAll();
    return outcome;
  }

  // A draft for customer 7 that has no record yet.
  static InvoiceDraft newDraft(const QList<ItemRow>& items = {}, const QList<PaymentRow>& payments = {}) {
    InvoiceDraft draft;
    draft.header.IvNo = 1;  // the number previewed
    draft.header.CuNo = 7;
    draft.header.IDate = DateFromQDate(QDate(2026, 3, 15));
    draft.items = items;
    draft.payments = payments;
    draft.customerNote = "old note";
    return draft;
  }
  // The draft of an invoice already in the tables.
  static InvoiceDraft savedDraft(long number, int record, const QList<ItemRow>& items = {},
                                 const QList<PaymentRow>& payments = {}) {
    InvoiceDraft draft = newDraft(items, payments);
    draft.header.IvNo = number;
    draft.record = record;
    return draft;
  }
  static ItemRow item(const QString& code, const QString& qty = "1.00", const QString& price = "2.00") {
    return {code, qty, price, "f", "t", "Item " + code, "", "", ""};
  }
  static PaymentRow payment(const QString& amount) { return {"03/15/26", amount}; }

  static QString customerNote() {
    return StoredLines(OpenCUST5, &Cust5.d, [] {
      ReadCustomer();
      return CustBuf.note.trimmed();
    }).join(',');
  }

  InvoiceSaver saver;
  QStringList asked;
};

// ---- Numbering --------------------------------------------------------------

TEST_F(InvoiceSaveTest, FirstNumberIsAskedOnlyOfAnEmptyTableAndAnUnusableReplyCountsAsOne) {
  // No reply, a negative one, one wider than the invoice number field.
  for (long reply : {0L, -3L, 1000000L}) {
    SCOPED_TRACE(reply);
    InvoiceDraft draft = newDraft({item("A")});
    ASSERT_EQ(saveClosed(draft, reply).status, SaveStatus::Done);
    EXPECT_EQ(draft.header.IvNo, 1);
    EXPECT_EQ(draft.record, 1);
    EXPECT_EQ(invoices(), QStringList({"1 c7 0.00/0.00/0.00"}));
    openTables();
    EXPECT_EQ(saver.remove(draft.header.IvNo, draft.record).status, SaveStatus::Done);
    CloseAll();
  }
  asked.clear();
  InvoiceDraft first = newDraft();
  ASSERT_EQ(saveClosed(first, 1000).status, SaveStatus::Done);
  InvoiceDraft second = newDraft();
  ASSERT_EQ(saveClosed(second).status, SaveStatus::Done);
  EXPECT_EQ(asked, QStringList({"texts", "first number", "texts"}));
  EXPECT_EQ(second.header.IvNo, 1001) << "one above the highest";
  EXPECT_EQ(second.record, 2);
  EXPECT_EQ(invoices(), QStringList({"1000 c7 0.00/0.00/0.00", "1001 c7 0.00/0.00/0.00"}));
  EXPECT_EQ(items(), QStringList());
}

TEST_F(InvoiceSaveTest, QuestionsAreAskedBeforeAnythingIsWritten) {
  const auto before = FolderFiles(dir.path());
  auto unchanged = [&] { EXPECT_EQ(FolderFiles(dir.path()), before); };
  InvoiceDraft draft = newDraft({item("A")}, {payment("5.00")});
  openTables();
  const SaveOutcome outcome = saver.save(draft, {[&] {
                                                   unchanged();
                                                   return true;
                                                 },
                                                 [&] {
                                                   unchanged();
                                                   return 10L;
                                                 }});
  CloseAll();
  EXPECT_EQ(outcome.status, SaveStatus::Done);
  EXPECT_EQ(items(), QStringList({"10 A 1.00x2.00 t2"}));
  EXPECT_EQ(payments(), QStringList({"10 20260315 5.00"}));
}

// ---- Saves that write nothing -------------------------------------------------

TEST_F(InvoiceSaveTest, ANumberTooWideOrATextThatIsNoNumberOrNoSaveAnywayWritesNothing) {
  addInvoice(1, 7);
  const auto before = FolderFiles(dir.path());

  InvoiceDraft tooWide = savedDraft(1, 1, {item("A", "999999.99", "99999.99")});
  tooWide.header.Due = 99999989000.0;
  const SaveOutcome misfit = saveClosed(tooWide);
  EXPECT_EQ(misfit.status, SaveStatus::DoesNotFit);
  EXPECT_EQ(misfit.message,
            "The number 99999989000.00 does not fit the field Due (12 characters, 2 decimals). "
            "Nothing was saved.");

  InvoiceDraft unreadable = newDraft({item("A")}, {payment("five")});
  const SaveOutcome conversion = saveClosed(unreadable);
  EXPECT_EQ(conversion.status, SaveStatus::Unreadable);
  EXPECT_FALSE(conversion.message.isEmpty());
  EXPECT_TRUE(asked.isEmpty()) << "nothing is asked about a save that cannot be written";

  InvoiceDraft declined = newDraft({item("A")});
  openTables();
  const SaveOutcome no = saver.save(declined, {[] { return false; }, [this] {
                                                 asked << "first number";
                                                 return 1L;
                                               }});
  CloseAll();
  EXPECT_EQ(no.status, SaveStatus::NotConfirmed);
  EXPECT_TRUE(asked.isEmpty());
  EXPECT_EQ(declined.record, 0);
  EXPECT_EQ(FolderFiles(dir.path()), before) << "not one byte written";
}

// ---- Items and payments written over in place -----------------------------------

TEST_F(InvoiceSaveTest, FewerItemsOverwriteTheFirstRecordsAndPackTheRest) {
  addInvoice(1, 7);
  addInvoice(2, 7);
  for (const char* code : {"A", "B"}) addItem(1, code);
  addItem(2, "X");
  for (const char* code : {"C", "D", "E"}) addItem(1, code);
  InvoiceDraft draft = savedDraft(1, 1, {item("B", "1.00", "10.00"), item("C", "1.00", "10.00")});
  ASSERT_EQ(saveClosed(draft).status, SaveStatus::Done);
  EXPECT_EQ(items(), QStringList({"1 B 1.00x10.00 t2", "1 C 1.00x10.00 t2", "2 X 1.00x10.00"}));
}

TEST_F(InvoiceSaveTest, MoreItemsOverwriteTheExistingRecordsAndAppendTheRest) {
  addInvoice(1, 7);
  addInvoice(2, 7);
  addItem(1, "A");
  addItem(2, "X");
  addItem(1, "B");
  InvoiceDraft draft = savedDraft(2, 2, {item("P"), item("Q"), item("R"), item("S"), item("T")});
  draft.header.Ship = 4;
  draft.header.Due = 14;
  draft.customerNote = "  new note ";
  ASSERT_EQ(saveClosed(draft).status, SaveStatus::Done);
  EXPECT_EQ(invoices(), QStringList({"1 c7 0.00/0.00/0.00", "2 c7 4.00/0.00/14.00"}));
  EXPECT_EQ(items(), QStringList({"1 A 1.00x10.00", "2 P 1.00x2.00 t2", "1 B 1.00x10.00",
                                  "2 Q 1.00x2.00 t2", "2 R 1.00x2.00 t2", "2 S 1.00x2.00 t2",
                                  "2 T 1.00x2.00 t2"}));
  EXPECT_EQ(customerNote(), "new note");
}

TEST_F(InvoiceSaveTest, InvoiceLeftWithoutItemsOrPaymentsLosesAllTheirRecords) {
  addInvoice(2, 7);
  addInvoice(1, 7);
  addItem(2, "X");
  addItem(1, "A");
  addItem(1, "B");
  addPayment(1, 20);
  addPayment(2, 5);
  addPayment(1, 30);
  InvoiceDraft draft = savedDraft(1, 2);
  ASSERT_EQ(saveClosed(draft).status, SaveStatus::Done);
  EXPECT_EQ(items(), QStringList({"2 X 1.00x10.00"}));
  EXPECT_EQ(payments(), QStringList({"2 20260302 5.00"}));
}

// ---- Delete -------------------------------------------------------------------

TEST_F(InvoiceSaveTest, RemovePacksTheInvoicesItemsPaymentsAndHeaderAtOnce) {
  addInvoice(1, 7);
  addInvoice(2, 7);
  addItem(2, "A");
  addItem(1, "X");
  addItem(2, "B");
  addPayment(2, 20);
  addPayment(1, 5);
  openTables();
  EXPECT_EQ(saver.remove(2, 2).status, SaveStatus::Done);
  CloseAll();
  EXPECT_EQ(invoices(), QStringList({"1 c7 0.00/0.00/0.00"}));
  EXPECT_EQ(items(), QStringList({"1 X 1.00x10.00"}));
  EXPECT_EQ(payments(), QStringList({"1 20260302 5.00"}));
  EXPECT_FALSE(DeletionsPending);
}

TEST_F(InvoiceSaveTest, RemovingAnInvoiceNeverSavedTouchesNoTable) {
  addInvoice(1, 7);
  addItem(2, "Z");  // carries the number the new invoice previews
  const auto before = FolderFiles(dir.path());
  openTables();
  EXPECT_EQ(saver.remove(2, 0).status, SaveStatus::Done);
  CloseAll();
  EXPECT_EQ(FolderFiles(dir.path()), before);
}

// ---- A save that stops part-way ------------------------------------------------

TEST_F(InvoiceSaveTest, SaveStoppedByAWriteFailureIsCompletedByTheNextSave) {
  const auto fresh = FolderFiles(dir.path());
  tbengine::FaultEnv fault(tbengine::Env::Default());
  code4setEnv(cb, &fault);
  struct RealFilesAgain {
    ~RealFilesAgain() { code4setEnv(cb, nullptr); }
  } realFilesAgain;
  std::set<SaveStatus> stops;
  int runs = 0;
  // Every write of the save in turn (tables, memos and indexes) is the first
  // to fail, the disk being full from there on; then the disk has room
  // again and the same draft is saved again by the same saver.
  for (int failing = 1;; ++failing) {
    SCOPED_TRACE(failing);
    ++runs;
    RestoreFolderFiles(dir.path(), fresh);
    DeletionsPending = false;
    InvoiceSaver editor;
    InvoiceDraft draft = newDraft({item("P"), item("P"), item("P")}, {payment("1.50"), payment("1.50")});
    draft.header.Due = 3;
    openTables();
    fault.FailWritesAfter(failing, ENOSPC);
    const SaveOutcome first = editor.save(draft, {{}, [] { return 1L; }});
    fault.Heal();
    const bool savedAtOnce = first.status == SaveStatus::Done;
    if (!savedAtOnce) {
      stops.insert(first.status);
      EXPECT_TRUE(first.status != SaveStatus::WriteFailed || !first.message.trimmed().isEmpty());
      EXPECT_EQ(editor.save(draft, {{}, [] { return 1L; }}).status, SaveStatus::Done);
    }
    EXPECT_EQ(draft.header.IvNo, 1);
    CloseAll();
    // What a failure left marked deleted, the invoice command packs when its
    // loop ends.
    if (DeletionsPending) PackAll();
    EXPECT_EQ(invoices(), QStringList({"1 c7 0.00/0.00/3.00"}));
    EXPECT_EQ(items(), QStringList({"1 P 1.00x2.00 t2", "1 P 1.00x2.00 t2", "1 P 1.00x2.00 t2"}));
    EXPECT_EQ(payments(), QStringList({"1 20260315 1.50", "1 20260315 1.50"}));
    if (savedAtOnce || HasFailure()) break;
  }
  EXPECT_GT(runs, 50) << "a save of three items and two payments writes more than 50 times";
  EXPECT_TRUE(stops.count(SaveStatus::InvoiceNotAdded));
  EXPECT_TRUE(stops.count(SaveStatus::ItemsNotAdded));
  EXPECT_TRUE(stops.count(SaveStatus::PaymentsNotAdded));
  EXPECT_TRUE(stops.count(SaveStatus::WriteFailed));
}

}  // namespace
