// An e-invoice as it arrived, keyed by the EN 16931 business terms it
// carries (BT-1 the invoice number, ...). Every term is kept as written in
// the file: a null string is a term the file does not have, an empty one a
// term present without text. Amounts and dates are also parsed where the
// checks need them: amounts in whole cents, dates as dates.
#ifndef RECEIVING_RECEIVEDINVOICE_H
#define RECEIVING_RECEIVEDINVOICE_H

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "einvoice/EInvoice.h"

// A decimal as written ("1250.00", "-3", "0.1234"); read() tells whether it
// is a decimal at all.
struct ReceivedAmount {
  QString text;
  bool present() const { return !text.isNull(); }
  bool read() const;
  // Whole cents, half a cent away from zero; 0 when not read.
  Cents cents() const;
  // The value for products (quantity times price); 0 when not read.
  long double value() const;
};

// A date as written (CII "20260302", UBL "2026-03-02") and as read: date
// is null when the text is no date of its format.
struct ReceivedDate {
  QString text;
  QDate date;
  bool present() const { return !text.isNull(); }
};

struct ReceivedParty {
  QString name;          // BT-27 / BT-44: the legal name
  QString tradingName;   // BT-28 / BT-45
  QStringList ids;       // BT-29 / BT-46
  QString legalId;       // BT-30 / BT-47
  QString vatId;         // BT-31 / BT-48
  QString taxRegistration;  // BT-32, the seller's tax number
  QString electronicAddress, electronicScheme;  // BT-34 / BT-49 and scheme
  QString line1, line2, city, postcode, subdivision, country;  // BG-5 / BG-8
  bool hasAddress = false;  // the postal address group is there at all
  QString contact, phone, email;  // BG-6 / BG-9
};

// A document-level allowance (BG-20) or charge (BG-21), or a line's
// (BG-27 / BG-28).
struct ReceivedAllowanceCharge {
  bool charge = false;
  ReceivedAmount amount;   // BT-92 / BT-99
  ReceivedAmount base;     // BT-93 / BT-100
  QString percent;         // BT-94 / BT-101
  QString reason, reasonCode;  // BT-97 / BT-104, BT-98 / BT-105
  QString vatCategory;     // BT-95 / BT-102
  QString vatRate;         // BT-96 / BT-103
};

struct ReceivedVat {
  ReceivedAmount base;     // BT-116
  ReceivedAmount tax;      // BT-117
  QString category;        // BT-118
  QString rate;            // BT-119
  QString exemptionReason, exemptionCode;  // BT-120, BT-121
};

struct ReceivedLine {
  QString id;              // BT-126
  QStringList notes;       // BT-127
  ReceivedAmount quantity; // BT-129
  QString unit;            // BT-130
  ReceivedAmount net;      // BT-131
  ReceivedAmount netPrice; // BT-146
  ReceivedAmount grossPrice;    // BT-148
  ReceivedAmount baseQuantity;  // BT-149
  QString vatCategory;     // BT-151
  QString vatRate;         // BT-152
  QString name;            // BT-153
  QString description;     // BT-154
  QString sellerItemId;    // BT-155
  QString buyerItemId;     // BT-156
  QList<ReceivedAllowanceCharge> allowancesCharges;
};

struct ReceivedInvoice {
  enum class Syntax { Cii, UblInvoice, UblCreditNote };
  Syntax syntax = Syntax::Cii;

  QString customization;   // BT-24
  QString number;          // BT-1
  ReceivedDate issueDate;  // BT-2
  QString typeCode;        // BT-3
  QString currency;        // BT-5
  QString taxCurrency;     // BT-6
  ReceivedDate dueDate;    // BT-9
  QString buyerReference;  // BT-10
  QString orderReference;  // BT-13
  QStringList notes;       // BT-22
  QString precedingNumber;      // BT-25
  ReceivedDate precedingDate;   // BT-26
  ReceivedDate deliveryDate;    // BT-72
  ReceivedParty seller, buyer;
  QString paymentMeansCode;     // BT-81
  QString paymentReference;     // BT-83
  QString iban;                 // BT-84
  QString bic;                  // BT-86
  QString paymentTerms;         // BT-20
  QList<ReceivedAllowanceCharge> allowancesCharges;  // BG-20 and BG-21, in the file's order
  QList<ReceivedVat> vat;       // BG-23, in the file's order
  QList<ReceivedLine> lines;    // BG-25, in the file's order
  ReceivedAmount lineTotal;       // BT-106
  ReceivedAmount allowanceTotal;  // BT-107
  ReceivedAmount chargeTotal;     // BT-108
  ReceivedAmount taxBasis;        // BT-109
  ReceivedAmount taxTotal;        // BT-110, in the invoice's currency
  ReceivedAmount taxTotalInTaxCurrency;  // BT-111
  ReceivedAmount grandTotal;      // BT-112
  ReceivedAmount paid;            // BT-113
  ReceivedAmount rounding;        // BT-114
  ReceivedAmount due;             // BT-115
  QStringList attachments;        // BG-24, by file name (else the reference)
};

// How the file was written: "CII", "UBL Invoice", "UBL CreditNote".
QString SyntaxName(ReceivedInvoice::Syntax syntax);

#endif  // RECEIVING_RECEIVEDINVOICE_H
