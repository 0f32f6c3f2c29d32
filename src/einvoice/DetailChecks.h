// Checks of the e-invoice details as the person types them: what can be
// checked without asking anyone (an IBAN's check digits, the codes of a
// country and a currency, a VAT identifier's country prefix, the category
// of untaxed items). One clear message per field that is wrong; none for a
// field left empty (the formats that need it say so when an invoice is
// saved).
#ifndef EINVOICE_DETAILCHECKS_H
#define EINVOICE_DETAILCHECKS_H

#include <QStringList>

#include "data/EInvoiceDetails.h"

// ISO 13616: two letters, two check digits, up to 30 letters and digits,
// the whole mod 97 equal to 1. Blanks are ignored.
bool IbanValid(const QString& iban);
// ISO 9362: 8 or 11 characters, the bank's four letters, its country's
// two, then letters and digits. Blanks are ignored.
bool BicValid(const QString& bic);
// ISO 3166-1 alpha-2 (as Qt knows the territories).
bool CountryCodeValid(const QString& code);
// ISO 4217 alphabetic codes of the currencies in use.
bool CurrencyCodeValid(const QString& code);
// A VAT identifier begins with two letters naming its country (EL for
// Greece).
bool VatIdHasCountryPrefix(const QString& vatId);

// A French SIREN: nine digits whose Luhn sum is a multiple of 10.
bool SirenValid(const QString& siren);

QStringList CheckSellerDetails(const SellerDetails& seller);
QStringList CheckBuyerDetails(const BuyerDetails& buyer);

#endif  // EINVOICE_DETAILCHECKS_H
