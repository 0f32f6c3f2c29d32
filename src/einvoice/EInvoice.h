// An electronic invoice (EN 16931) as the writers see it: what the invoice's
// tables say, already checked and mapped (EInvoiceBuild), with every amount
// in whole cents and every quantity in hundredths, so that no sum is taken
// in binary floating point. The business terms are named where they matter
// (BT-1 the invoice number, ...).
#ifndef EINVOICE_EINVOICE_H
#define EINVOICE_EINVOICE_H

#include <QDate>
#include <QList>
#include <QString>
#include <QtGlobal>

using Cents = qint64;

// A VAT category and its rate, as the rules name them: S standard rate, Z
// zero rated, E exempt, AE reverse charge, K intra-community supply, G
// export outside the EU.
struct VatCategory {
  QString code = QStringLiteral("S");
  QString rate;  // percent as written ("19", "7.5"); "0" for the others

  bool taxed() const { return code == QLatin1String("S"); }

  bool operator==(const VatCategory& o) const { return code == o.code && rate == o.rate; }
};

struct Party {
  QString name;
  QString street, city, postcode, country;  // country: ISO 3166-1 alpha-2
  QString vatId, taxRegistration;
  QString electronicAddress, electronicScheme;  // BT-34/BT-49 with their scheme
  QString contact, phone, email;                // seller's contact (BG-6)
  QString legalId, legalScheme;                 // BT-30/BT-47 (0002: a French SIREN)
};

struct InvoiceLine {
  QString id;                // BT-126: 1, 2, ...
  QString sellerItemId;      // BT-155: the product code
  QString name;              // BT-153: the description
  QString note;              // BT-127: the second description line
  qint64 quantity = 0;       // BT-129, hundredths
  Cents netPrice = 0;        // BT-146, never negative
  Cents net = 0;             // BT-131
  VatCategory vat;
};

// A document-level charge (BG-21): the first charge line of the invoice.
struct DocumentCharge {
  Cents amount = 0;
  QString reason;
  VatCategory vat;
};

// One line of the VAT breakdown (BG-23).
struct VatBreakdown {
  VatCategory vat;
  Cents base = 0;
  Cents tax = 0;
  QString exemptionReason;  // category E
};

struct EInvoice {
  // A credit note (type code 381) of the invoice precedingNumber (BG-3:
  // BT-25, BT-26); its amounts are positive, what the invoice took back.
  bool creditNote = false;
  QString precedingNumber;
  QDate precedingDate;
  QString number;        // BT-1
  QDate issueDate;       // BT-2
  QDate dueDate;         // BT-9, null when no payment days are set
  QDate deliveryDate;    // BT-72, the date of supply
  // BG-15, the deliver-to address (the buyer's): for an intra-community
  // supply; empty (no country) otherwise.
  Party deliverTo;
  QString currency;      // BT-5
  QString buyerReference;  // BT-10
  QString note;          // BT-22, the invoice's memo
  Party seller, buyer;
  QString iban, bic;     // payment means 58 when the IBAN is set
  QString paymentTerms;  // BT-20
  QString paymentReference;  // BT-83, the creditor reference (RF...)
  QList<InvoiceLine> lines;
  QList<DocumentCharge> charges;
  QList<VatBreakdown> vat;
  Cents lineTotal = 0;    // BT-106
  Cents chargeTotal = 0;  // BT-108
  Cents taxBasis = 0;     // BT-109
  Cents taxTotal = 0;     // BT-110
  Cents grandTotal = 0;   // BT-112
  Cents paid = 0;         // BT-113
  Cents due = 0;          // BT-115
};

// The business process every format here declares (BT-23).
inline const char* kBillingProcess = "urn:fdc:peppol.eu:2017:poacc:billing:01:1.0";

// "12.50", "-0.05": cents as the formats write amounts.
QString AmountText(Cents cents);
// Hundredths as a quantity ("2.00", "0.50").
QString QuantityText(qint64 hundredths);
// Whole cents of an amount stored with two decimals.
Cents ToCents(double amount);

#endif  // EINVOICE_EINVOICE_H
