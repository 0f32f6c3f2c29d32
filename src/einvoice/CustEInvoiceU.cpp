#include "einvoice/CustEInvoiceU.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/CustomerLanguage.h"
#include "data/EInvoiceTables.h"
#include "data/StorableText.h"
#include "einvoice/DetailChecks.h"
#include "platform/EntryTexts.h"
#include "platform/FieldEdit.h"
#include "platform/FieldNames.h"
#include "platform/FormParts.h"
#include "platform/Language.h"
#include "platform/Ui.h"

namespace {
constexpr int kHelpContext = 415;
}  // namespace

TCustEInvoice::TCustEInvoice(QWidget* parent)
    : EditorForm(parent, "TCustEInvoice", tr("Customer E-Invoice Details"), kHelpContext,
                 Deletes::No) {
  auto* grid = new QGridLayout;
  int r = 0;
  LabelBuyer = new QLabel(this);
  LabelBuyer->setObjectName("LabelBuyer");
  LabelBuyer->setTextFormat(Qt::PlainText);
  grid->addWidget(LabelBuyer, r++, 0, 1, 2);
  Edit1 = AddFormField(grid, r++, tr("Country (e.g. FR):"), "Edit1", 2, this);
  Edit2 = AddFormField(grid, r++, tr("City:"), "Edit2", 40, this);
  Edit3 = AddFormField(grid, r++, tr("Street:"), "Edit3", 59, this);
  Edit4 = AddFormField(grid, r++, tr("VAT Identifier:"), "Edit4", 20, this);
  Edit5 = AddFormField(grid, r++, tr("Buyer Reference:"), "Edit5", 59, this);
  Edit6 = AddFormField(grid, r++, tr("Electronic Address:"), "Edit6", 59, this);
  Edit7 = AddFormField(grid, r++, tr("Address Scheme (e.g. 0088, EM):"), "Edit7", 4, this);
  Edit8 = AddFormField(grid, r++, tr("SIREN (France):"), "Edit8", 9, this);
  CmbVatTreatment = new QComboBox(this);
  CmbVatTreatment->setObjectName("CmbVatTreatment");
  //: How this customer's invoices are taxed; the letters are the e-invoice's VAT category.
  CmbVatTreatment->addItem(tr("Domestic"), QString());
  CmbVatTreatment->addItem(tr("AE - reverse charge within the EU"), QStringLiteral("AE"));
  CmbVatTreatment->addItem(tr("K - intra-community supply of goods"), QStringLiteral("K"));
  CmbVatTreatment->addItem(tr("G - export outside the EU"), QStringLiteral("G"));
  auto* treatment = new QLabel(tr("VAT Treatment:"), this);
  treatment->setBuddy(CmbVatTreatment);
  grid->addWidget(treatment, r, 0);
  grid->addWidget(CmbVatTreatment, r++, 1);
  //: Placeholder of the street: left empty, the customer's second address line is used.
  Edit3->setPlaceholderText(tr("the second address line"));
  Edit3->setMinimumWidth(26 * fontMetrics().horizontalAdvance(QChar('M')));
  CmbDocLanguage = new QComboBox(this);
  CmbDocLanguage->setObjectName("CmbDocLanguage");
  //: The documents of a customer without a language of his own.
  CmbDocLanguage->addItem(tr("User's language"), QString());
  for (const QString& code : LanguageCodes()) CmbDocLanguage->addItem(LanguageName(code), code);
  auto* language = new QLabel(tr("Document Language:"), this);
  language->setBuddy(CmbDocLanguage);
  grid->addWidget(language, r, 0);
  grid->addWidget(CmbDocLanguage, r++, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(ButtonRow());
  NameFieldsByLabels(this);
  SetTabOrder({Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, CmbVatTreatment, CmbDocLanguage,
               BtnSave, BtnCancel, BitBtn1});
}

void TCustEInvoice::FormShow() {
  const BuyerDetails b = ReadBuyerDetails(customer);
  setWindowTitle(tr("Customer E-Invoice Details - Customer %1").arg(customer));
  //: %1 the company of the customer's window, else the title and names.
  LabelBuyer->setText(tr("Buyer on e-invoices: %1 (the customer's company, else the name)").arg(buyerName));
  const std::pair<QLineEdit*, QString> fields[] = {
      {Edit1, b.country}, {Edit2, b.city},  {Edit3, b.street}, {Edit4, b.vatId},
      {Edit5, b.buyerReference}, {Edit6, b.electronicAddress}, {Edit7, b.electronicScheme},
      {Edit8, b.siren},
  };
  for (const auto& [edit, text] : fields) ShowText(edit, text);
  CmbDocLanguage->setCurrentIndex(qMax(0, CmbDocLanguage->findData(CustomerLanguage(customer))));
  CmbVatTreatment->setCurrentIndex(qMax(0, CmbVatTreatment->findData(b.vatTreatment)));
  Edit1->setFocus();
}

void TCustEInvoice::BtnSaveClick() {
  BuyerDetails b;
  b.customer = customer;
  b.country = Edit1->text().trimmed().toUpper();
  b.city = Edit2->text().trimmed();
  b.street = Edit3->text().trimmed();
  b.vatId = Edit4->text().trimmed().toUpper().remove(QLatin1Char(' '));
  b.buyerReference = Edit5->text().trimmed();
  b.electronicAddress = Edit6->text().trimmed();
  b.electronicScheme = Edit7->text().trimmed().toUpper();
  b.siren = Edit8->text().remove(QLatin1Char(' '));
  b.vatTreatment = CmbVatTreatment->currentData().toString();
  const QStringList wrong = CheckBuyerDetails(b);
  if (!wrong.isEmpty()) {
    Ui::get().information(wrong.join(QStringLiteral("\r\n")));
    return;
  }
  if (!ConfirmStorable(EntryTexts(this))) return;
  if (!WriteBuyerDetails(b)) {
    Ui::get().information(tr("Unable to save the e-invoice details of customer %1.").arg(customer));
    return;
  }
  QString error;
  if (!SetCustomerLanguage(customer, CmbDocLanguage->currentData().toString(), &error)) {
    Ui::get().information(error);
    return;
  }
  accept();
}
