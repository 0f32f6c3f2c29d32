// The windows of the e-invoice details: what they show is what the tables
// hold, Save writes what was typed, and a detail that is plainly wrong is
// said and nothing is written.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "data/CustomerLanguage.h"
#include "data/EInvoiceTables.h"
#include "data/TestSupport.h"
#include "einvoice/CustEInvoiceU.h"
#include "einvoice/EInvoicingU.h"
#include "platform/Language.h"

namespace {

class EInvoiceWindowsTest : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    EnsureTestApplication();
  }
};

TEST_F(EInvoiceWindowsTest, SellerDetailsShownChangedAndCheckedBeforeSaving) {
  WriteSellerDetails(GermanSeller());
  TEInvoicing window;
  ui.onDialogSteps<TEInvoicing>({
      [this](TEInvoicing* w) {
        EXPECT_EQ(w->Edit1->text(), QStringLiteral("Kerzenzieherei Weiß GmbH"));
        EXPECT_EQ(w->Edit13->text(), "DE02120300000000202051");
        EXPECT_EQ(w->Edit18->text(), "14");
        EXPECT_EQ(w->ComboBox1->currentIndex(), 1) << "E, exempt";
        w->Edit13->setText("DE02 1203 0000 0000 2020 52");  // one digit wrong
        w->Edit15->setText("EUO");
        ui.expectMessage(Ui::Kind::Information,
                         "Currency: \"EUO\" is not a currency code (three letters, e.g. EUR)\r\n"
                         "IBAN: \"DE02120300000000202052\" is not a valid IBAN (its check digits do "
                         "not match)");
        w->BtnSave->click();
        EXPECT_TRUE(w->isVisible()) << "the window stays open to mend them";
        w->Edit13->setText("de02 1203 0000 0000 2020 51");
        w->Edit15->setText("eur");
        w->ComboBox1->setCurrentIndex(0);
        w->Edit18->setText("30");
        w->BtnSave->click();
      },
  });
  EXPECT_EQ(Ui::get().exec(&window), QDialog::Accepted);
  const SellerDetails s = ReadSellerDetails();
  EXPECT_EQ(s.iban, "DE02120300000000202051");
  EXPECT_EQ(s.currency, "EUR");
  EXPECT_EQ(s.untaxedCategory, "Z");
  EXPECT_EQ(s.dueDays, 30);
  EXPECT_EQ(s.legalName, QStringLiteral("Kerzenzieherei Weiß GmbH"));
}

TEST_F(EInvoiceWindowsTest, IssuedInvoicesAreFinalIsShownSavedAndSaidInEveryLanguage) {
  WriteSellerDetails(GermanSeller());
  TEInvoicing window;
  ui.onDialogSteps<TEInvoicing>({
      [](TEInvoicing* w) {
        EXPECT_FALSE(w->CheckBox1->isChecked());
        w->CheckBox1->setChecked(true);
        w->BtnSave->click();
      },
      [](TEInvoicing* w) {
        EXPECT_TRUE(w->CheckBox1->isChecked());
        w->BtnCancel->click();
      },
  });
  EXPECT_EQ(Ui::get().exec(&window), QDialog::Accepted);
  EXPECT_TRUE(ReadSellerDetails().finalInvoices);
  Ui::get().exec(&window);
  {
    DocumentLanguage german("de");
    TEInvoicing w;
    EXPECT_EQ(w.CheckBox1->text(), QStringLiteral("Ausgestellte Rechnungen sind endgültig"));
  }
  DocumentLanguage french("fr");
  TEInvoicing w;
  EXPECT_EQ(w.CheckBox1->text(), QStringLiteral("Les factures émises sont définitives"));
}

TEST_F(EInvoiceWindowsTest, BuyerDetailsBelongToTheirCustomerAndCancelWritesNothing) {
  WriteBuyerDetails(GermanBuyer(7));
  TCustEInvoice window;
  ui.onDialogSteps<TCustEInvoice>({
      [](TCustEInvoice* w) {
        EXPECT_EQ(w->Edit5->text(), "04011000-12345-03");
        w->Edit5->setText("changed");
        w->BtnCancel->click();
      },
      [](TCustEInvoice* w) {
        EXPECT_TRUE(w->Edit5->text().isEmpty()) << "customer 8 has no details yet";
        w->Edit1->setText("fr");
        w->Edit4->setText("FR 40303265045");
        w->BtnSave->click();
      },
  });
  window.customer = 7;
  EXPECT_EQ(Ui::get().exec(&window), QDialog::Rejected);
  window.customer = 8;
  EXPECT_EQ(Ui::get().exec(&window), QDialog::Accepted);
  EXPECT_EQ(ReadBuyerDetails(7).buyerReference, "04011000-12345-03");
  const BuyerDetails b = ReadBuyerDetails(8);
  EXPECT_EQ(b.country, "FR");
  EXPECT_EQ(b.vatId, "FR40303265045");
}

// The VAT treatment and the SIREN are kept with the other details; a SIREN
// whose check digit is off and reverse charge without the customer's VAT
// identifier are said before anything is written.
TEST_F(EInvoiceWindowsTest, VatTreatmentAndSirenAreCheckedAndKept) {
  TCustEInvoice window;
  window.customer = 9;
  ui.onDialogSteps<TCustEInvoice>({[this](TCustEInvoice* w) {
    w->Edit1->setText("FR");
    w->Edit8->setText("443061842");
    w->CmbVatTreatment->setCurrentIndex(w->CmbVatTreatment->findData("AE"));
    ui.expectMessage(Ui::Kind::Information,
                     "SIREN: \"443061842\" is not a SIREN (nine digits, its last one a check digit)\r\n"
                     "VAT identifier: reverse charge and intra-community supplies need the customer's "
                     "VAT identifier");
    w->BtnSave->click();
    w->Edit8->setText("443061841");
    w->Edit4->setText("FR40443061841");
    w->BtnSave->click();
  }});
  EXPECT_EQ(Ui::get().exec(&window), QDialog::Accepted);
  const BuyerDetails b = ReadBuyerDetails(9);
  EXPECT_EQ(b.siren, "443061841");
  EXPECT_EQ(b.vatTreatment, "AE");
}

// The document language is kept with the other details; the window and its
// checks speak the user's language.
TEST_F(EInvoiceWindowsTest, BuyerDetailsKeepTheDocumentLanguageInGermanAndFrench) {
  const auto label = [](QWidget* w, QWidget* field) {
    for (QLabel* l : w->findChildren<QLabel*>())
      if (l->buddy() == field) return l->text();
    return QString();
  };
  {
    DocumentLanguage german("de");
    TCustEInvoice window;
    window.customer = 8;
    ui.onDialogSteps<TCustEInvoice>({[&](TCustEInvoice* w) {
      EXPECT_EQ(w->windowTitle(), "E-Rechnungsangaben des Kunden - Kunde 8");
      EXPECT_EQ(label(w, w->Edit5), "Käuferreferenz:");
      EXPECT_EQ(label(w, w->CmbDocLanguage), "Dokumentsprache:");
      QComboBox* c = w->CmbDocLanguage;
      ASSERT_EQ(c->count(), 4);
      EXPECT_EQ(c->currentIndex(), 0) << "none set: the user's language";
      EXPECT_EQ(c->itemText(0), "Sprache des Benutzers");
      EXPECT_EQ(c->itemText(3), QStringLiteral("Français")) << "each language by its own name";
      c->setCurrentIndex(c->findData("fr"));
      w->Edit1->setText("XX");
      ui.expectMessage(Ui::Kind::Information,
                       QStringLiteral("Land: „XX“ ist kein Ländercode (zwei Buchstaben, z. B. DE, FR, BE)"));
      w->BtnSave->click();
      EXPECT_EQ(CustomerLanguage(8), "") << "nothing written while a detail is wrong";
      w->Edit1->setText("FR");
      w->BtnSave->click();
    }});
    EXPECT_EQ(Ui::get().exec(&window), QDialog::Accepted);
  }
  EXPECT_EQ(CustomerLanguage(8), "fr");
  EXPECT_EQ(ReadBuyerDetails(8).country, "FR");

  DocumentLanguage french("fr");
  TCustEInvoice window;
  window.customer = 8;
  ui.onDialogSteps<TCustEInvoice>({[&](TCustEInvoice* w) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Données de facture électronique du client - Client 8"));
    EXPECT_EQ(label(w, w->CmbDocLanguage), "Langue des documents :");
    EXPECT_EQ(w->CmbDocLanguage->currentData().toString(), "fr") << "shown as stored";
    EXPECT_EQ(w->CmbDocLanguage->itemText(0), QStringLiteral("Langue de l'utilisateur"));
    w->CmbDocLanguage->setCurrentIndex(0);
    w->BtnSave->click();
  }});
  EXPECT_EQ(Ui::get().exec(&window), QDialog::Accepted);
  EXPECT_EQ(CustomerLanguage(8), "") << "back to the user's language";
}

}  // namespace
