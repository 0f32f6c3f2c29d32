// From an invoice as the tables hold it to the e-invoice the writers take:
// the mapping, and the checks that refuse an invoice the chosen format
// cannot carry truthfully. The invoice's stored values are the truth:
// line nets are the invoice arithmetic's line totals, the VAT is the stored
// second charge line, the amount due the stored one; nothing is recomputed
// differently, and every comparison is made in whole cents.
#ifndef EINVOICE_EINVOICEBUILD_H
#define EINVOICE_EINVOICEBUILD_H

#include <QList>
#include <QStringList>

#include "data/EInvoiceDetails.h"
#include "data/dbFiles.h"
#include "einvoice/EInvoice.h"

struct SettingsRecord;

enum class EInvoiceFormat { FacturX, XRechnung, Peppol };

// The invoice in hand: its header, items and payments as the working copy
// holds them (LoadInvoice), its customer when there is one.
struct InvoiceInHand {
  InvoiceRecord header;
  QList<ItemRow> items;
  QList<PaymentRow> payments;
  bool hasCustomer = false;
  CustomerRecord customer;
  // A credit note: the invoice it corrects and that invoice's date; its
  // stored amounts are negative.
  long creditOf = 0;
  TDate creditOfDate = 0;
  TDate supplied = 0;  // the date of supply; 0: the invoice date
};

struct EInvoiceBuilt {
  EInvoice invoice;
  // Why the invoice cannot be written in this format, one line each,
  // naming the detail or the setting; empty when it can.
  QStringList problems;
};

EInvoiceBuilt BuildEInvoice(const InvoiceInHand& invoice, const SettingsRecord& settings,
                            const SellerDetails& seller, const BuyerDetails& buyer,
                            EInvoiceFormat format);

// The electronic address schemes the format accepts.
// The buyer an e-invoice names (BT-44): the customer's company (the first
// address line), else the title and names.
QString BuyerName(const CustomerRecord& c);

bool SchemeAccepted(const QString& scheme, EInvoiceFormat format);

#endif  // EINVOICE_EINVOICEBUILD_H
