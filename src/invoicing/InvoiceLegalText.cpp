#include "invoicing/InvoiceLegalText.h"

#include <QCoreApplication>

#include "platform/Dates.h"
#include "platform/NumberText.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(InvoiceLegalText)
};

// An amount as the document writes numbers.
QString Amount(Cents cents, int sign) { return FormatFloat("%.2f", double(sign * cents) / 100.0); }

QString Day(const QDate& d) { return FormatShortDate(DateFromQDate(d)); }

// "Street, 50667 Köln, DE": the parts that are there.
QString AddressOf(const Party& p) {
  QStringList parts;
  if (!p.street.isEmpty()) parts << p.street;
  const QString town = QStringList({p.postcode, p.city}).join(QLatin1Char(' ')).trimmed();
  if (!town.isEmpty()) parts << town;
  if (!p.country.isEmpty()) parts << p.country;
  return parts.join(QStringLiteral(", "));
}

QString CategoryName(const QString& code) {
  if (code == QLatin1String("Z")) return Tr::tr("Zero rated");
  if (code == QLatin1String("E")) return Tr::tr("Exempt from VAT");
  if (code == QLatin1String("AE")) return Tr::tr("Reverse charge");
  if (code == QLatin1String("K")) return Tr::tr("Intra-community supply");
  if (code == QLatin1String("G")) return Tr::tr("Export outside the EU");
  return code;
}

QString OperationName(Operation o) {
  switch (o) {
    case Operation::Goods: return Tr::tr("supply of goods");
    case Operation::Services: return Tr::tr("provision of services");
    case Operation::Both: return Tr::tr("supply of goods and provision of services");
    case Operation::Unknown: break;
  }
  return QString();
}

}  // namespace

bool ShowsLegalText(const SellerDetails& seller) {
  return !seller.vatId.trimmed().isEmpty() || !seller.taxRegistration.trimmed().isEmpty();
}

QStringList LegalTextLines(const EInvoice& inv, const SellerDetails& seller, int amountSign,
                           Operation operation) {
  QStringList lines;
  const Party& s = inv.seller;
  //: The seller's legal name and address under the totals of a printed invoice.
  lines << Tr::tr("Seller: %1, %2").arg(s.name, AddressOf(s));
  QStringList ids;
  if (!s.vatId.isEmpty()) ids << Tr::tr("VAT ID: %1").arg(s.vatId);
  //: The seller's tax number (German Steuernummer).
  if (!s.taxRegistration.isEmpty()) ids << Tr::tr("Tax No.: %1").arg(s.taxRegistration);
  lines << ids.join(QStringLiteral("   "));
  QStringList buyer;
  if (!inv.buyer.vatId.isEmpty()) buyer << Tr::tr("Customer's VAT ID: %1").arg(inv.buyer.vatId);
  if (!inv.buyer.legalId.isEmpty()) buyer << Tr::tr("Customer's SIREN: %1").arg(inv.buyer.legalId);
  if (!buyer.isEmpty()) lines << buyer.join(QStringLiteral("   "));
  if (inv.deliveryDate.isValid()) lines << Tr::tr("Date of supply: %1").arg(Day(inv.deliveryDate));
  for (const VatBreakdown& v : inv.vat) {
    if (v.vat.taxed()) {
      //: One rate of the VAT breakdown: %1 the rate, %2 the VAT, %3 the taxable amount, %4 the currency.
      lines << Tr::tr("VAT %1%: %2 on %3 %4")
                   .arg(QString(v.vat.rate).replace(QLatin1Char('.'), DecimalSeparator()), Amount(v.tax, amountSign),
                        Amount(v.base, amountSign), inv.currency);
    } else {
      //: An untaxed part of the VAT breakdown: %1 its kind, %2 the amount, %3 the currency.
      QString line = Tr::tr("%1: %2 %3 without VAT").arg(CategoryName(v.vat.code), Amount(v.base, amountSign), inv.currency);
      if (!v.exemptionReason.isEmpty() && v.exemptionReason != CategoryName(v.vat.code))
        line += QStringLiteral(" (") + v.exemptionReason + QLatin1Char(')');
      lines << line;
    }
  }
  lines << Tr::tr("All amounts in %1.").arg(inv.currency);
  QStringList payment;
  if (inv.dueDate.isValid()) payment << Tr::tr("Due date: %1").arg(Day(inv.dueDate));
  if (!inv.paymentTerms.isEmpty()) payment << Tr::tr("Payment terms: %1").arg(inv.paymentTerms);
  if (!payment.isEmpty()) lines << payment.join(QStringLiteral(". "));
  if (!inv.creditNote) {
    QStringList account{
        Tr::tr("Payment reference: %1").arg(inv.paymentReference.isEmpty() ? inv.number : inv.paymentReference)};
    if (!inv.iban.isEmpty()) account << QStringLiteral("IBAN: %1").arg(inv.iban);  // untranslated
    if (!inv.bic.isEmpty()) account << QStringLiteral("BIC: %1").arg(inv.bic);     // untranslated
    lines << account.join(QStringLiteral("   "));
  }
  if (seller.country.trimmed().compare(QLatin1String("FR"), Qt::CaseInsensitive) == 0) {
    const QString kind = OperationName(operation);
    //: The French "nature de l'opération": %1 goods, services or both.
    if (!kind.isEmpty()) lines << Tr::tr("Operation: %1").arg(kind);
    //: French "TVA acquittée sur les débits".
    if (seller.vatOnDebits) lines << Tr::tr("VAT paid on debits.");
    // Between businesses: the recovery fee and the late-payment interest.
    if (!inv.buyer.vatId.isEmpty() || !inv.buyer.legalId.isEmpty()) {
      const QString rate = seller.lateInterest.trimmed().isEmpty()
                               ? Tr::tr("three times the legal interest rate")
                               : seller.lateInterest.trimmed();
      //: French B2B mention (indemnité forfaitaire de 40 euros pour frais de recouvrement); %1 the rate.
      lines << Tr::tr("Late payment: a flat fee of EUR 40 for recovery costs is due, and late-payment "
                      "interest at %1.").arg(rate);
    }
  }
  return lines;
}
