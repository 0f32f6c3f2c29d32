// What an electronic invoice needs beyond the invoice's own tables: the
// seller's details (one record of EINVSET) and each buyer's (CUSTEI, at most
// one record per customer). Their field names are a contract with other
// tools: EINVSET SELLNAME STREET CITY POSTCODE COUNTRY VATID TAXREG EADDR
// EADDRSCH CONTACT PHONE EMAIL IBAN BIC CURRENCY NOTAXCAT EXEMPTTXT TERMS
// DUEDAYS FINAL VAT1 DEBITS LATEINT REMDAYS REMFEES REMINT
// REMTEXT1 REMTEXT2 REMTEXT3; CUSTEI CUNO COUNTRY CITY STREET VATID
// BUYERREF EADDR EADDRSCH VATTREAT SIREN. A table of an earlier version
// lacks the last ones: they read empty (false) and the table gains them,
// all or nothing, when the details are written.
#ifndef DATA_EINVOICEDETAILS_H
#define DATA_EINVOICEDETAILS_H

#include <QList>
#include <QString>

struct SellerDetails {
  QString legalName;          // SELLNAME; empty: the letterhead's company name
  QString street, city, postcode;
  QString country;            // ISO 3166-1 alpha-2
  QString vatId, taxRegistration;
  QString electronicAddress, electronicScheme;  // e.g. 0088, 0204, 9930, EM
  QString contact, phone, email;
  QString iban, bic;
  QString currency = QStringLiteral("EUR");  // ISO 4217
  QString untaxedCategory = QStringLiteral("E");  // Z, E or G: items and charges not taxed
  QString exemptionReason;    // the reason printed for E (and G)
  QString paymentTerms;
  int dueDays = 0;            // the due date is the invoice date plus these days
  // FINAL: an invoice that has gone to the customer stays as it was issued
  // and is corrected by a credit note. False in a table without the field.
  bool finalInvoices = false;
  // VAT1: the first charge line is a second VAT rate (TaxRate1), not
  // shipping; the items flagged for it are taxed at that rate.
  bool secondRate = false;
  // DEBITS: French "TVA acquittée sur les débits", printed on invoices.
  bool vatOnDebits = false;
  // LATEINT: the late-payment interest printed on business invoices in
  // France ("three times the legal rate").
  QString lateInterest;
  // REMDAYS, REMFEES ("14,28,42", "0.00,5.00,10.00"): the days past due of
  // the three reminder levels and each level's fee; REMINT: statutory
  // default interest charged on reminders.
  QList<int> reminderDays{14, 28, 42};
  QList<double> reminderFees{0, 0, 0};
  bool reminderInterest = false;
  // REMTEXT1-3: the seller's own text of each level, "%1" standing for the
  // date to pay by; empty: the program's text in the customer's language.
  QStringList reminderTexts{QString(), QString(), QString()};
};

struct BuyerDetails {
  long customer = 0;          // CUNO
  QString country, city;
  QString street;             // empty: the customer's second address line
  QString vatId;
  QString buyerReference;     // BT-10, the German Leitweg-ID
  QString electronicAddress, electronicScheme;
  // VATTREAT: "" domestic, AE reverse charge within the EU, K intra-community
  // supply of goods, G export outside the EU.
  QString vatTreatment;
  QString siren;              // SIREN: a French company's nine digits
};

#endif  // DATA_EINVOICEDETAILS_H
