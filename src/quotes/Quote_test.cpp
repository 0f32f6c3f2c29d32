// Quotes as the user makes them: the quote loop's real pick list, quote
// editor, line-item dialog and the customer and product windows, and the
// tables on disk read back afterwards; then Make Invoice, once.
#include "quotes/QuoteU.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>

#include "data/CustomerLanguage.h"
#include "data/InvoiceLoad.h"
#include "data/Settings.h"
#include "data/SupplyTables.h"
#include "data/dbFiles.h"
#include "invoicing/ItemDefU.h"
#include "invoicing/TestSupport.h"
#include "platform/AmountBox.h"
#include "platform/DateBox.h"
#include "printing/RptUtil.h"
#include "quotes/PickQuoteU.h"
#include "quotes/QuoteCommand.h"
#include "quotes/QuoteDocument.h"
#include "quotes/QuoteInvoice.h"

namespace {

class QuoteTest : public InvoicingTest {
 protected:
  void SetUp() override {
    InvoicingTest::SetUp();
    QString error;
    ASSERT_TRUE(MakeMissingTables(&error)) << error.toStdString();
    pickQuote = std::make_unique<TPickQuote>();
    quote = std::make_unique<TQuote>();
    quote->useWindows(customer.get(), itemDef.get());
  }
  void TearDown() override {
    quote.reset();
    pickQuote.reset();
    InvoicingTest::TearDown();
  }
  void editQuotes() { EditQuotes(pickQuote.get(), quote.get()); }

  // A new quote for customer 7 with one line of product P (quantity qty).
  void makeQuote(double qty) {
    steps<TPickQuote>({pressNew<TPickQuote>, pressCancel<TPickQuote>});
    steps<TPickCust>({chooseRow<TPickCust>(1)});
    steps<TPickProd>({chooseRow<TPickProd>(1)});
    steps<TItemDef>({[qty](TItemDef* d) {
      d->MaskEdit2->setValue(qty);
      d->BtnSave->click();
    }});
    steps<TQuote>({[](TQuote* q) {
      EXPECT_EQ(q->Edit1->text(), "     1") << "quotes are numbered on their own";
      EXPECT_EQ(q->MaskEdit2->text(), "04/14/26") << "valid 30 days from today";
      q->BtnCust->click();
      q->BAddItm->click();
      q->Memo2->setPlainText("Delivery within a week");
      q->BtnSave->click();
    }});
    editQuotes();
  }

  std::unique_ptr<TPickQuote> pickQuote;
  std::unique_ptr<TQuote> quote;
};

QuoteRecord StoredQuote(long qno) {
  TablesClosedAtEnd closed;
  QuoteRecord q;
  EXPECT_TRUE(OpenQuoteTables());
  EXPECT_TRUE(ReadQuote(qno, &q));
  return q;
}

TEST_F(QuoteTest, AQuoteBecomesOneInvoiceAtTodaysSettingsAndNeverASecond) {
  addCustomer(7, "Abel");
  addProduct("P", 10, true);
  Settings().TaxRate2 = 10;
  makeQuote(3);
  QuoteRecord q = StoredQuote(1);
  EXPECT_EQ(q.cuno, 7);
  EXPECT_DOUBLE_EQ(q.tax, 3.0);
  EXPECT_DOUBLE_EQ(q.total, 33.0);
  EXPECT_EQ(q.rem, "Delivery within a week");
  EXPECT_TRUE(invoices().isEmpty()) << "a quote is no invoice";

  // The rate changed since: the invoice is computed again, and says so.
  Settings().TaxRate2 = 20;
  steps<TPickQuote>({chooseRow<TPickQuote>(1), pressCancel<TPickQuote>});
  steps<TQuote>({[this](TQuote* w) {
    EXPECT_EQ(w->ComboBox1->currentIndex(), 0);
    w->ComboBox1->setCurrentIndex(1);  // accepted
    ui.expectMessage(Ui::Kind::Information,
                     "Quote 1 became invoice 1.\nIts amounts were computed again at today's settings and "
                     "differ from the quote's: total 36.00 (the quote: 33.00).");
    w->BtnMakeInvoice->click();
  }});
  editQuotes();
  EXPECT_EQ(invoices(), QStringList({"1 c7 0.00/6.00/36.00"}));
  EXPECT_EQ(items(), QStringList({"1 P 3.00x10.00 t2"}));
  q = StoredQuote(1);
  EXPECT_TRUE(q.invoiced());
  EXPECT_EQ(q.ivno, 1);

  // Shown again it is read-only and names its invoice; no second invoice.
  steps<TPickQuote>({chooseRow<TPickQuote>(1), pressCancel<TPickQuote>});
  steps<TQuote>({[](TQuote* w) {
    EXPECT_EQ(w->LabelState->text(), "This quote became invoice 1.");
    EXPECT_FALSE(w->BtnMakeInvoice->isEnabled());
    EXPECT_FALSE(w->BtnSave->isEnabled());
    w->BtnCancel->click();
  }});
  editQuotes();
  {
    TablesClosedAtEnd closed;
    ASSERT_TRUE(OpenInvoiceTables() && OpenQuoteTables());
    const QuoteInvoice again = MakeInvoiceOfQuote(1, QDate(2026, 3, 16));
    EXPECT_EQ(again.error, "Quote 1 has already become invoice 1.");
  }
  EXPECT_EQ(invoices().size(), 1);
}

TEST_F(QuoteTest, AnInvoiceCutShortIsCompletedUnderItsNumberNotMadeTwice) {
  addCustomer(7, "Abel");
  addProduct("P", 10);
  makeQuote(2);
  // A try that kept invoice 1's number and wrote its header, then died.
  addInvoice(1, 7);
  {
    TablesClosedAtEnd closed;
    ASSERT_TRUE(OpenQuoteTables());
    QuoteRecord q;
    ASSERT_TRUE(ReadQuote(1, &q));
    q.ivno = 1;
    ASSERT_TRUE(WriteQuoteHeader(q).isEmpty());
  }
  {
    TablesClosedAtEnd closed;
    ASSERT_TRUE(OpenInvoiceTables() && OpenQuoteTables());
    const QuoteInvoice made = MakeInvoiceOfQuote(1, QDate(2026, 3, 20));
    EXPECT_TRUE(made.error.isEmpty()) << made.error.toStdString();
    EXPECT_EQ(made.ivNo, 1);
    EXPECT_FALSE(made.amountsDiffer);
  }
  EXPECT_EQ(invoices(), QStringList({"1 c7 0.00/0.00/20.00"}));
  EXPECT_EQ(items(), QStringList({"1 P 2.00x10.00"}));
}

TEST_F(QuoteTest, TheQuoteListShowsStatesAndADeclinedQuoteMakesNoInvoice) {
  addCustomer(7, "Abel");
  addProduct("P", 10);
  makeQuote(1);
  steps<TPickQuote>({[](TPickQuote* p) {
                       EXPECT_EQ(p->StringGrid1->item(0, 4)->text().trimmed(), "open");
                       EXPECT_EQ(p->StringGrid1->item(0, 2)->text().trimmed(), "Ann Abel");
                       p->BtnSelect->click();
                     },
                     pressCancel<TPickQuote>});
  steps<TQuote>({[this](TQuote* w) {
    w->ComboBox1->setCurrentIndex(2);  // declined
    ui.expectMessage(Ui::Kind::Information, "A declined quote does not become an invoice.");
    w->BtnMakeInvoice->click();
    w->BtnSave->click();
  }});
  editQuotes();
  EXPECT_EQ(StoredQuote(1).state, QLatin1Char('D'));
  EXPECT_TRUE(invoices().isEmpty());
  QuoteRecord expired = StoredQuote(1);
  expired.state = QLatin1Char('O');
  EXPECT_EQ(StandingOf(expired, QDate(2026, 4, 15)), QuoteStanding::Expired);
  EXPECT_EQ(StandingOf(expired, QDate(2026, 4, 14)), QuoteStanding::Open);
}

TEST_F(QuoteTest, TheQuoteDocumentIsInTheCustomersLanguageWithItsValidity) {
  addCustomer(7, "Abel");
  addProduct("P", 10);
  makeQuote(2);
  QString error;
  ASSERT_TRUE(SetCustomerLanguage(7, "fr", &error)) << error.toStdString();
  const QuoteRecord q = StoredQuote(1);
  const QString pdf = dir.filePath("quote.pdf");
  {
    TablesClosedAtEnd closed;
    ASSERT_TRUE(OpenInvoiceTables() && OpenQuoteTables());
    LoadInvoiceCustomer(7);
    QList<ItemRow> rows;
    for (const ItemRecord& line : QuoteLines(1)) rows.append(ItemRowOf(line));
    ASSERT_TRUE(SaveQuotePdf(q, rows, pdf));
  }
  QProcess text;
  text.start("pdftotext", {"-layout", pdf, "-"});
  ASSERT_TRUE(text.waitForFinished());
  const QString page = QString::fromUtf8(text.readAllStandardOutput());
  for (const char* words : {"Devis", "Devis n° :   1", "Valable jusqu'au :   14/04/26", "Désignation", "Ann Abel", "Total :",
                            "20,00", "Delivery within a week"})
    EXPECT_TRUE(page.contains(QString::fromUtf8(words))) << words << "\n" << page.toStdString();
  EXPECT_FALSE(page.contains("Montant")) << "a quote asks for no payment";
}

}  // namespace
