#include "einvoice/DetailChecks.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(DetailChecks)
};

// The alphabetic codes of ISO 4217 for the currencies in use.
const char kCurrencies[] =
    " AED AFN ALL AMD ANG AOA ARS AUD AWG AZN BAM BBD BDT BGN BHD BIF BMD BND BOB BRL BSD BTN BWP"
    " BYN BZD CAD CDF CHF CLP CNY COP CRC CUP CVE CZK DJF DKK DOP DZD EGP ERN ETB EUR FJD FKP GBP"
    " GEL GHS GIP GMD GNF GTQ GYD HKD HNL HTG HUF IDR ILS INR IQD IRR ISK JMD JOD JPY KES KGS KHR"
    " KMF KPW KRW KWD KYD KZT LAK LBP LKR LRD LSL LYD MAD MDL MGA MKD MMK MNT MOP MRU MUR MVR MWK"
    " MXN MYR MZN NAD NGN NIO NOK NPR NZD OMR PAB PEN PGK PHP PKR PLN PYG QAR RON RSD RUB RWF SAR"
    " SBD SCR SDG SEK SGD SHP SLE SOS SRD SSP STN SVC SYP SZL THB TJS TMT TND TOP TRY TTD TWD TZS"
    " UAH UGX USD UYU UZS VES VND VUV WST XAF XCD XOF XPF YER ZAR ZMW ZWL ";

bool Letters(const QString& s) {
  for (QChar c : s)
    if (c < QLatin1Char('A') || c > QLatin1Char('Z')) return false;
  return true;
}

}  // namespace

bool IbanValid(const QString& text) {
  const QString iban = QString(text).remove(QLatin1Char(' ')).toUpper();
  if (iban.size() < 15 || iban.size() > 34 || !Letters(iban.left(2))) return false;
  if (!iban.at(2).isDigit() || !iban.at(3).isDigit()) return false;
  // The first four characters go to the end; letters count as 10 to 35.
  const QString moved = iban.mid(4) + iban.left(4);
  int remainder = 0;
  for (QChar c : moved) {
    if (c.isDigit()) {
      remainder = (remainder * 10 + c.digitValue()) % 97;
    } else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) {
      remainder = (remainder * 100 + (c.unicode() - 'A' + 10)) % 97;
    } else {
      return false;
    }
  }
  return remainder == 1;
}

bool CountryCodeValid(const QString& code) {
  return code.size() == 2 && Letters(code) && QLocale::codeToTerritory(code) != QLocale::AnyTerritory;
}

bool CurrencyCodeValid(const QString& code) {
  return code.size() == 3 && Letters(code) &&
         QString::fromLatin1(kCurrencies).contains(QLatin1Char(' ') + code + QLatin1Char(' '));
}

bool BicValid(const QString& text) {
  const QString bic = QString(text).remove(QLatin1Char(' ')).toUpper();
  if (bic.size() != 8 && bic.size() != 11) return false;
  if (!Letters(bic.left(6)) || !CountryCodeValid(bic.mid(4, 2))) return false;
  for (const QChar c : bic.mid(6))
    if (!(c.isDigit() || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')))) return false;
  return true;
}

bool VatIdHasCountryPrefix(const QString& vatId) {
  const QString prefix = vatId.trimmed().left(2).toUpper();
  if (prefix.size() != 2 || !Letters(prefix)) return false;
  return prefix == QLatin1String("EL") || prefix == QLatin1String("XI") || CountryCodeValid(prefix);
}

QStringList CheckSellerDetails(const SellerDetails& s) {
  QStringList wrong;
  if (!s.country.isEmpty() && !CountryCodeValid(s.country))
    wrong << Tr::tr("Country: \"%1\" is not a country code (two letters, e.g. DE, FR, BE)").arg(s.country);
  if (!s.currency.isEmpty() && !CurrencyCodeValid(s.currency))
    wrong << Tr::tr("Currency: \"%1\" is not a currency code (three letters, e.g. EUR)").arg(s.currency);
  if (s.currency.isEmpty()) wrong << Tr::tr("Currency: a currency is needed (e.g. EUR)");
  if (!s.vatId.isEmpty() && !VatIdHasCountryPrefix(s.vatId))
    wrong << Tr::tr("VAT identifier: \"%1\" does not begin with its country's two letters").arg(s.vatId);
  if (!s.iban.isEmpty() && !IbanValid(s.iban))
    wrong << Tr::tr("IBAN: \"%1\" is not a valid IBAN (its check digits do not match)").arg(s.iban);
  if (!s.bic.isEmpty() && !BicValid(s.bic))
    wrong << Tr::tr("BIC: \"%1\" is not a BIC (8 or 11 letters and digits, e.g. COBADEFFXXX)").arg(s.bic);
  if (s.untaxedCategory != QLatin1String("Z") && s.untaxedCategory != QLatin1String("E") &&
      s.untaxedCategory != QLatin1String("G"))
    wrong << Tr::tr("Untaxed items: the category is Z, E or G");
  if (s.untaxedCategory == QLatin1String("E") && s.exemptionReason.trimmed().isEmpty())
    wrong << Tr::tr("Exemption reason: exempt items need the reason printed with them");
  if (s.dueDays < 0) wrong << Tr::tr("Days to pay: not a negative number");
  return wrong;
}

bool SirenValid(const QString& siren) {
  if (siren.size() != 9) return false;
  int sum = 0;
  for (int i = 0; i < 9; ++i) {
    if (!siren[i].isDigit()) return false;
    int digit = siren[i].digitValue();
    // Every second digit from the right is doubled.
    if (i % 2 == 1) digit = digit * 2 > 9 ? digit * 2 - 9 : digit * 2;
    sum += digit;
  }
  return sum % 10 == 0;
}

QStringList CheckBuyerDetails(const BuyerDetails& b) {
  QStringList wrong;
  if (!b.siren.isEmpty() && !SirenValid(b.siren))
    wrong << Tr::tr("SIREN: \"%1\" is not a SIREN (nine digits, its last one a check digit)").arg(b.siren);
  const bool withinEu = b.vatTreatment == QLatin1String("AE") || b.vatTreatment == QLatin1String("K");
  if (withinEu && b.vatId.isEmpty())
    wrong << Tr::tr("VAT identifier: reverse charge and intra-community supplies need the customer's VAT "
                    "identifier");
  if (!b.country.isEmpty() && !CountryCodeValid(b.country))
    wrong << Tr::tr("Country: \"%1\" is not a country code (two letters, e.g. DE, FR, BE)").arg(b.country);
  if (!b.vatId.isEmpty() && !VatIdHasCountryPrefix(b.vatId))
    wrong << Tr::tr("VAT identifier: \"%1\" does not begin with its country's two letters").arg(b.vatId);
  return wrong;
}
