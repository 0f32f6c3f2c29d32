#include "einvoice/EInvoicingU.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/EInvoiceTables.h"
#include "data/Settings.h"
#include "data/StorableText.h"
#include "einvoice/DetailChecks.h"
#include "platform/EntryTexts.h"
#include "platform/FieldEdit.h"
#include "platform/FieldNames.h"
#include "platform/FormParts.h"
#include "platform/Ui.h"

namespace {
constexpr int kHelpContext = 640;
const char* const kCategories[] = {"Z", "E", "G"};
}  // namespace

TEInvoicing::TEInvoicing(QWidget* parent)
    : EditorForm(parent, "TEInvoicing", tr("E-Invoicing"), kHelpContext, Deletes::No) {
  auto* grid = new QGridLayout;
  int r = 0;
  Edit1 = AddFormField(grid, r++, tr("Legal Name:"), "Edit1", 59, this);
  Edit2 = AddFormField(grid, r++, tr("Street:"), "Edit2", 59, this);
  Edit3 = AddFormField(grid, r++, tr("City:"), "Edit3", 40, this);
  Edit4 = AddFormField(grid, r++, tr("Postal Code:"), "Edit4", 10, this);
  Edit5 = AddFormField(grid, r++, tr("Country (e.g. DE):"), "Edit5", 2, this);
  Edit6 = AddFormField(grid, r++, tr("VAT Identifier:"), "Edit6", 20, this);
  Edit7 = AddFormField(grid, r++, tr("Tax Registration:"), "Edit7", 20, this);
  Edit8 = AddFormField(grid, r++, tr("Electronic Address:"), "Edit8", 59, this);
  Edit9 = AddFormField(grid, r++, tr("Address Scheme (e.g. 0088, EM):"), "Edit9", 4, this);
  Edit10 = AddFormField(grid, r++, tr("Contact:"), "Edit10", 59, this);
  Edit11 = AddFormField(grid, r++, tr("Phone:"), "Edit11", 30, this);
  Edit12 = AddFormField(grid, r++, tr("E-Mail:"), "Edit12", 59, this);
  Edit13 = AddFormField(grid, r++, tr("IBAN:"), "Edit13", 34, this);
  Edit14 = AddFormField(grid, r++, tr("BIC:"), "Edit14", 11, this);
  Edit15 = AddFormField(grid, r++, tr("Currency (e.g. EUR):"), "Edit15", 3, this);
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName("ComboBox1");
  //: The VAT categories of untaxed items; the letter is the e-invoice's code.
  ComboBox1->addItems({tr("Z - zero rated"), tr("E - exempt"), tr("G - export outside the EU")});
  auto* untaxed = new QLabel(tr("Items Not Taxed:"), this);
  untaxed->setBuddy(ComboBox1);
  grid->addWidget(untaxed, r, 0);
  grid->addWidget(ComboBox1, r++, 1);
  Edit16 = AddFormField(grid, r++, tr("Exemption Reason:"), "Edit16", 59, this);
  Edit17 = AddFormField(grid, r++, tr("Payment Terms:"), "Edit17", 59, this);
  Edit18 = AddFormField(grid, r++, tr("Days to Pay:"), "Edit18", 3, this);
  Edit18->setValidator(new QIntValidator(0, 999, Edit18));
  Edit19 = AddFormField(grid, r++, tr("Late Payment Interest:"), "Edit19", 59, this);
  //: Placeholder: the late-payment interest French business invoices state.
  Edit19->setPlaceholderText(tr("three times the legal interest rate"));
  CheckBox2 = new QCheckBox(tr("First charge line is a second VAT rate"), this);
  CheckBox2->setObjectName("CheckBox2");
  CheckBox2->setToolTip(tr("Items flagged for the first charge line are taxed at Tax Rate 1, those flagged "
                           "for the second at Tax Rate 2; shipping is then an item."));
  grid->addWidget(CheckBox2, r++, 1);
  //: French "TVA acquittée sur les débits".
  CheckBox3 = new QCheckBox(tr("VAT paid on debits"), this);
  CheckBox3->setObjectName("CheckBox3");
  grid->addWidget(CheckBox3, r++, 1);
  CheckBox1 = new QCheckBox(tr("Issued invoices are final"), this);
  CheckBox1->setObjectName("CheckBox1");
  CheckBox1->setToolTip(tr("An invoice printed, saved or sent for the customer can no longer be changed "
                           "or deleted; it is corrected by a credit note."));
  grid->addWidget(CheckBox1, r++, 1);
  LabelCompany = new QLabel(this);
  LabelCompany->setObjectName("LabelCompany");
  LabelCompany->setWordWrap(true);
  grid->addWidget(LabelCompany, r++, 0, 1, 2);
  const int m = fontMetrics().horizontalAdvance(QChar('M'));
  Edit1->setMinimumWidth(26 * m);
  //: Placeholder of the legal name: left empty, the letterhead's company name is used.
  Edit1->setPlaceholderText(tr("the letterhead's company name"));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(ButtonRow());
  NameFieldsByLabels(this);
  SetTabOrder({Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12,
               Edit13, Edit14, Edit15, ComboBox1, Edit16, Edit17, Edit18, Edit19, CheckBox2, CheckBox3,
               CheckBox1, BtnSave, BtnCancel, BitBtn1});
}

void TEInvoicing::FormShow() {
  const SellerDetails s = ReadSellerDetails();
  const std::pair<QLineEdit*, QString> fields[] = {
      {Edit1, s.legalName}, {Edit2, s.street},   {Edit3, s.city},
      {Edit4, s.postcode},  {Edit5, s.country},  {Edit6, s.vatId},
      {Edit7, s.taxRegistration}, {Edit8, s.electronicAddress}, {Edit9, s.electronicScheme},
      {Edit10, s.contact},  {Edit11, s.phone},   {Edit12, s.email},
      {Edit13, s.iban},     {Edit14, s.bic},     {Edit15, s.currency},
      {Edit16, s.exemptionReason}, {Edit17, s.paymentTerms}, {Edit19, s.lateInterest},
  };
  for (const auto& [edit, text] : fields) ShowText(edit, text);
  Edit18->setText(QString::number(s.dueDays));
  int category = 1;
  for (int i = 0; i < 3; ++i)
    if (s.untaxedCategory == QLatin1String(kCategories[i])) category = i;
  ComboBox1->setCurrentIndex(category);
  CheckBox1->setChecked(s.finalInvoices);
  CheckBox2->setChecked(s.secondRate);
  CheckBox3->setChecked(s.vatOnDebits);
  //: The letterhead's company name, beside the legal name the e-invoices and the printed invoices give.
  LabelCompany->setText(tr("Letterhead: %1").arg(Settings().Company.trimmed()));
  Edit1->setFocus();
}

void TEInvoicing::BtnSaveClick() {
  // The reminder settings have their own window: kept as they are.
  SellerDetails s = ReadSellerDetails();
  s.legalName = Edit1->text().trimmed();
  s.street = Edit2->text().trimmed();
  s.city = Edit3->text().trimmed();
  s.postcode = Edit4->text().trimmed();
  s.country = Edit5->text().trimmed().toUpper();
  s.vatId = Edit6->text().trimmed().toUpper().remove(QLatin1Char(' '));
  s.taxRegistration = Edit7->text().trimmed();
  s.electronicAddress = Edit8->text().trimmed();
  s.electronicScheme = Edit9->text().trimmed().toUpper();
  s.contact = Edit10->text().trimmed();
  s.phone = Edit11->text().trimmed();
  s.email = Edit12->text().trimmed();
  s.iban = Edit13->text().toUpper().remove(QLatin1Char(' '));
  s.bic = Edit14->text().toUpper().remove(QLatin1Char(' '));
  s.currency = Edit15->text().trimmed().toUpper();
  s.untaxedCategory = QLatin1String(kCategories[qBound(0, ComboBox1->currentIndex(), 2)]);
  s.exemptionReason = Edit16->text().trimmed();
  s.paymentTerms = Edit17->text().trimmed();
  s.dueDays = Edit18->text().toInt();
  s.finalInvoices = CheckBox1->isChecked();
  s.secondRate = CheckBox2->isChecked();
  s.vatOnDebits = CheckBox3->isChecked();
  s.lateInterest = Edit19->text().trimmed();
  const QStringList wrong = CheckSellerDetails(s);
  if (!wrong.isEmpty()) {
    Ui::get().information(wrong.join(QStringLiteral("\r\n")));
    return;
  }
  // One seller name: a legal name apart from the letterhead's is asked for.
  const QString company = Settings().Company.trimmed();
  if (!s.legalName.isEmpty() && !company.isEmpty() && s.legalName.compare(company, Qt::CaseInsensitive) != 0 &&
      !Ui::get().confirm(Ui::Kind::Warning, Ui::Buttons::YesNo,
                         tr("The legal name \"%1\" differs from the letterhead's company \"%2\": your "
                            "invoices and e-invoices name \"%1\" as the seller. Keep the two apart?")
                             .arg(s.legalName, company)))
    return;
  if (!ConfirmStorable(EntryTexts(this))) return;
  if (!WriteSellerDetails(s)) {
    Ui::get().information(tr("Unable to save the e-invoicing details."));
    return;
  }
  accept();
}
