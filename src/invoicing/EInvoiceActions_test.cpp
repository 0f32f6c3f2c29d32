// The e-invoice commands as a person gives them: from the invoice editor
// (saved into a file, handed to the mail program) and for chosen invoices
// into a folder. Every file they write passes the official validators.
#include "invoicing/EInvoiceActions.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include "data/EInvoiceTables.h"
#include "data/InvoiceLoad.h"
#include "data/Progress.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"
#include "einvoice/TestSupport.h"
#include "invoicing/TestSupport.h"
#include "platform/MailProgram.h"

namespace {

constexpr char kRefused1002[] = "invoice 1002: the invoice's customer 99 does not exist";

class EInvoiceActionsTest : public InvoicingTest {
 protected:
  void SetUp() override {
    InvoicingTest::SetUp();
    // The remembered format goes into a settings file of the test's own.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    WriteSellerDetails(GermanSeller());
    CustomerRecord ada = Customer(7, "Ms.", "Ada", "Byron", {"12 Engine Row"}, "10115");
    ada.ngroup = 1;
    ada.email = "ada@byron.example";
    AppendCustomer(ada);
    WriteBuyerDetails(GermanBuyer(7));
    AppendInvoice(Invoice(1001, 7, QDate(2026, 3, 2), 0, 0, 25));
    AppendItem(Item(1001, "CANDLE", 2, 12.5, "Beeswax candle"));
    AppendInvoice(Invoice(1002, 99, QDate(2026, 3, 3), 0, 0, 8));
    AppendItem(Item(1002, "BOOK", 1, 8, "Book"));
    SetMailProgramForTests([this](const MailDraft& draft, QString*) {
      mails.append(draft);
      return true;
    });
  }
  void TearDown() override {
    SetMailProgramForTests({});
    InvoicingTest::TearDown();
  }

  QTemporaryDir settingsDir;
  QTemporaryDir out;
  QList<MailDraft> mails;
};

TEST_F(EInvoiceActionsTest, EditorSavesAndMailsTheSavedInvoiceAndKeepsItsWorkingCopy) {
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TInvoice>({[this](TInvoice* inv) {
    CurrentInvoice.Dept = "typed, not saved";
    ui.expectPopup("XRechnung1");
    ui.expectSaveFile(out.filePath("1001-xrechnung.xml"));
    inv->BtnEInvoice->click();
    EXPECT_EQ(ui.lastPopupActions(), QStringList({"FacturX1", "XRechnung1", "Peppol1"}));
    EXPECT_EQ(QFileInfo(ui.lastFilePrompt().dir).fileName(), "1001-xrechnung.xml")
        << "the file is named by its format";
    EXPECT_EQ(CurrentInvoice.Dept, "typed, not saved");
    EXPECT_EQ(ItemList.size(), 1);
    ui.expectPopup("Peppol1");
    inv->BtnEMail->click();
    EXPECT_EQ(ui.lastPopupActions(), QStringList({"XRechnung1", "FacturX1", "Peppol1"}))
        << "the format chosen last comes first";
    EXPECT_EQ(CurrentInvoice.Dept, "typed, not saved");
    inv->BtnCancel->click();
  }});
  editInvoices();

  ASSERT_EQ(mails.size(), 1);
  EXPECT_EQ(mails[0].to, "ada@byron.example");
  EXPECT_EQ(mails[0].subject, "Invoice 1001");
  EXPECT_TRUE(mails[0].attachment.endsWith("/1001-peppol.xml")) << mails[0].attachment.toStdString();
  ExpectAllValid({{out.filePath("1001-xrechnung.xml"), "xrechnung"}, {mails[0].attachment, "ubl"}});
  QDir(QFileInfo(mails[0].attachment).path()).removeRecursively();
  EXPECT_EQ(QSettings(QStringLiteral("Tallowby"), QStringLiteral("Tallowby")).value("EInvoice/Format"),
            "ubl")
      << "the last format chosen is remembered";
}

TEST_F(EInvoiceActionsTest, AnAddressThatCouldSteerTheMailProgramIsNotHandedOn) {
  CustomerRecord eve = Customer(8, "Ms.", "Eve", "Intruder", {"1 Side Street"}, "10117");
  eve.email = "mailto:a@b.c?attach=/etc/passwd&bcc=evil@x.y";
  AppendCustomer(eve);
  WriteBuyerDetails(GermanBuyer(8));
  AppendInvoice(Invoice(1003, 8, QDate(2026, 3, 4), 0, 0, 25));
  AppendItem(Item(1003, "CANDLE", 2, 12.5, "Beeswax candle"));
  steps<TPickInv>({chooseRow<TPickInv>(3), pressCancel<TPickInv>});
  steps<TInvoice>({[this](TInvoice* inv) {
    ui.expectPopup("Peppol1");
    ui.expectMessage(Ui::Kind::Information,
                     "The e-mail address of customer 8 is not a plain address (one \"@\", no blanks, no "
                     "\"mailto:\", \"?\", \"&\", \"%\" or line break, not beginning with \"-\"): "
                     "mailto:a@b.c?attach=/etc/passwd&bcc=evil@x.y\r\nThe message was opened without a "
                     "recipient; fill it in there, and correct the address in the customer's window.");
    inv->BtnEMail->click();
    inv->BtnCancel->click();
  }});
  editInvoices();
  ASSERT_EQ(mails.size(), 1);
  EXPECT_EQ(mails[0].to, "");
  EXPECT_TRUE(mails[0].attachment.endsWith("/1003-peppol.xml")) << mails[0].attachment.toStdString();
  QDir(QFileInfo(mails[0].attachment).path()).removeRecursively();
}

TEST_F(EInvoiceActionsTest, UnsavedAndRefusedInvoicesAreSaidAndNothingIsWritten) {
  // Invoice 1002, then a new invoice (whose cancelling ends the loop).
  steps<TPickInv>({chooseRow<TPickInv>(2), pressNew<TPickInv>});
  steps<TInvoice>({[this](TInvoice* inv) {
                     ui.expectPopup("FacturX1");
                     ui.expectMessage(Ui::Kind::Information,
                                      "Invoice 1002 cannot be saved as an e-invoice:\r\n"
                                      "The invoice's customer 99 does not exist");
                     inv->BtnEInvoice->click();
                     inv->BtnCancel->click();
                   },
                   [this](TInvoice* inv) {
                     ui.expectMessage(Ui::Kind::Information,
                                      "Save the invoice before sending it as an e-invoice.");
                     inv->BtnEMail->click();
                     inv->BtnCancel->click();
                   }});
  editInvoices();
  EXPECT_TRUE(mails.isEmpty());
  EXPECT_TRUE(QDir(out.path()).isEmpty());
}

TEST_F(EInvoiceActionsTest, ChosenInvoicesGoIntoAFolderWithProgressAndRefusalsNamed) {
  RecordingProgress progress;
  SetProgressSink(&progress);
  ASSERT_TRUE(OpenInvoiceTables());
  ui.expectPopup("FacturX1");
  ui.expectFolder(out.path());
  ui.expectMessage(Ui::Kind::Information,
                   QStringLiteral("1 of 2 e-invoices saved in %1.\r\nNot saved:\r\n%2")
                       .arg(QDir::toNativeSeparators(out.path()), kRefused1002));
  SaveEInvoicesIntoFolder({1001, 1002});
  CloseAll();
  SetProgressSink(nullptr);
  EXPECT_EQ(progress.calls, QStringList({"show:Saving e-invoices...", "50", "100", "hide"}));
  EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{"1001.pdf"});
  ExpectAllValid({{out.filePath("1001.pdf"), "facturx"}});

  // Nothing chosen, nothing asked.
  ui.expectMessage(Ui::Kind::Information, "No invoices to save.");
  SaveEInvoicesIntoFolder({});
}

}  // namespace
