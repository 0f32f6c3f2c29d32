#include "einvoice/EInvoiceBuild.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstdlib>

#include "data/Settings.h"
#include "einvoice/CreditorReference.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(EInvoiceBuild)
};

// The electronic address schemes (EAS) the EN 16931 rules accept; Peppol
// takes the numeric ones only.
const char kSchemes[] =
    " 0002 0007 0009 0037 0060 0088 0096 0097 0106 0130 0135 0142 0147 0151 0154 0158 0170 0177"
    " 0183 0184 0188 0190 0191 0192 0193 0194 0195 0196 0198 0199 0200 0201 0202 0203 0204 0205"
    " 0208 0209 0210 0211 0212 0213 0215 0216 0217 0218 0219 0220 0221 0225 0230 0235 0240 0244"
    " 0242 0245 0246 0248 9910 9913 9914 9915 9918 9919 9920 9922 9923 9924 9925 9926 9927 9928"
    " 9929 9930 9931 9932 9933 9934 9935 9936 9937 9938 9939 9940 9941 9942 9943 9944 9945 9946"
    " 9947 9948 9949 9950 9951 9952 9953 9957 9959 AN AQ AS AU EM ";
const char kPeppolOnlyMissing[] = " 0219 0220 0244 0242 0245 0246 0248 AN AQ AS AU EM ";

// A rate in hundredths of a percent as the formats write it: "19", "7.5".
QString RateText(qint64 hundredths) {
  QString text = AmountText(hundredths);
  while (text.endsWith(QLatin1Char('0'))) text.chop(1);
  if (text.endsWith(QLatin1Char('.'))) text.chop(1);
  return text;
}

// Numbers in a refusal as the person writes them: "10,63" in German.
QString Shown(const QString& number) {
  return QString(number).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString FormatName(EInvoiceFormat format) {
  switch (format) {
    case EInvoiceFormat::FacturX: return QStringLiteral("Factur-X");
    case EInvoiceFormat::XRechnung: return QStringLiteral("XRechnung");
    case EInvoiceFormat::Peppol: return QStringLiteral("Peppol");  // untranslated
  }
  return QString();
}

class Mapping {
 public:
  Mapping(const InvoiceInHand& in, const SettingsRecord& settings, const SellerDetails& seller,
          const BuyerDetails& buyer, EInvoiceFormat format)
      : in_(in), s_(settings), seller_(seller), buyer_(buyer), format_(format) {}

  EInvoiceBuilt run() {
    checkSettings();
    header();
    parties();
    lines();
    charge();
    breakdown();
    totals();
    payment();
    return built_;
  }

 private:
  void refuse(const QString& why) { built_.problems << why; }
  // A detail the format requires.
  void require(const QString& value, const QString& what) {
    if (value.trimmed().isEmpty())
      //: %1 a format (XRechnung), %2 a detail ("the seller's city"): the format refuses the invoice without it.
      refuse(Tr::tr("%1 needs %2").arg(FormatName(format_), what));
  }
  bool crossBorderFormat() const { return format_ != EInvoiceFormat::FacturX; }

  // The buyer's treatment (reverse charge, intra-community supply, export)
  // names the category of the untaxed lines; else the seller's setting.
  QString treatment() const { return buyer_.vatTreatment.trimmed().toUpper(); }
  VatCategory untaxed() const {
    const QString code = treatment().isEmpty() ? seller_.untaxedCategory.trimmed() : treatment();
    return {code, QStringLiteral("0")};
  }
  VatCategory taxed() const { return {QStringLiteral("S"), RateText(rate2_)}; }
  VatCategory taxedFirst() const { return {QStringLiteral("S"), RateText(rate1_)}; }
  // The legal sentence of an untaxed category, where the law gives one.
  QString legalText(const QString& code) const {
    if (code == QLatin1String("AE"))
      //: The legal mention of reverse charge (German: Steuerschuldnerschaft des Leistungsempfängers; French: Autoliquidation).
      return Tr::tr("Reverse charge");
    if (code == QLatin1String("K"))
      //: German: Steuerfreie innergemeinschaftliche Lieferung; French: Exonération de TVA, article 262 ter I du CGI.
      return Tr::tr("Intra-community supply, exempt from VAT");
    if (code == QLatin1String("G") && !treatment().isEmpty())
      //: German: Steuerfreie Ausfuhrlieferung; French: Exonération de TVA, article 262 I du CGI.
      return Tr::tr("Export outside the EU, exempt from VAT");
    return seller_.exemptionReason.trimmed();
  }

  void checkSettings() {
    if (s_.TaxRate1 != 0 && !seller_.secondRate)
      refuse(Tr::tr("the first charge line is a computed tax of %1% (Tax Rate 1), which an "
                            "e-invoice cannot carry: set Tax Rate 1 to 0, or say on the E-Invoicing "
                            "window that the first charge line is a second VAT rate")
                 .arg(s_.TaxRate1));
    if (seller_.secondRate) rate1_ = std::llround(s_.TaxRate1 * 100);
    rate2_ = std::llround(s_.TaxRate2 * 100);
    const QString t = treatment();
    if (!t.isEmpty() && t != QLatin1String("AE") && t != QLatin1String("K") && t != QLatin1String("G"))
      refuse(Tr::tr("the VAT treatment of customer %1 must be AE, K or G, not \"%2\"").arg(buyer_.customer).arg(t));
    const QString category = seller_.untaxedCategory.trimmed();
    // (The buyer's treatment, where set, stands in for it.)
    if (category != QLatin1String("Z") && category != QLatin1String("E") && category != QLatin1String("G"))
      refuse(Tr::tr("the VAT category of untaxed items must be Z, E or G, not \"%1\"").arg(category));
    if (seller_.currency.trimmed().size() != 3)
      refuse(Tr::tr("the e-invoicing settings name no currency"));
  }

  void header() {
    EInvoice& inv = built_.invoice;
    const InvoiceRecord& h = in_.header;
    inv.number = QString::number(h.IvNo);
    if (h.IvNo > 0) inv.paymentReference = CreditorReference(h.IvNo);
    if (in_.creditOf > 0) {
      // What the credit note takes back, as the formats want it: positive.
      sign_ = -1;
      inv.creditNote = true;
      inv.precedingNumber = QString::number(in_.creditOf);
      inv.precedingDate = QDateFromDate(in_.creditOfDate);
    }
    if (h.IDate <= 0) refuse(Tr::tr("the invoice has no date"));
    inv.issueDate = QDateFromDate(h.IDate);
    inv.deliveryDate = in_.supplied > 0 ? QDateFromDate(in_.supplied) : inv.issueDate;
    if (seller_.dueDays > 0 && inv.issueDate.isValid()) inv.dueDate = inv.issueDate.addDays(seller_.dueDays);
    inv.currency = seller_.currency.trimmed().toUpper();
    inv.buyerReference = buyer_.buyerReference.trimmed();
    inv.note = h.REM.trimmed();
    inv.paymentTerms = seller_.paymentTerms.trimmed();
    //: Fills %2 of "%1 needs %2".
    if (crossBorderFormat()) require(inv.buyerReference, Tr::tr("the buyer reference of the customer"));
  }

  void parties() {
    EInvoice& inv = built_.invoice;
    Party& s = inv.seller;
    s.name = seller_.legalName.trimmed().isEmpty() ? s_.Company.trimmed() : seller_.legalName.trimmed();
    s.street = seller_.street.trimmed();
    s.city = seller_.city.trimmed();
    s.postcode = seller_.postcode.trimmed();
    s.country = seller_.country.trimmed().toUpper();
    s.vatId = seller_.vatId.trimmed();
    s.taxRegistration = seller_.taxRegistration.trimmed();
    s.electronicAddress = seller_.electronicAddress.trimmed();
    s.electronicScheme = seller_.electronicScheme.trimmed();
    s.contact = seller_.contact.trimmed();
    s.phone = seller_.phone.trimmed();
    s.email = seller_.email.trimmed();
    if (s.name.isEmpty()) refuse(Tr::tr("the seller has no name (e-invoicing settings or letterhead)"));
    if (s.country.size() != 2) refuse(Tr::tr("the seller's country is not set (e-invoicing settings)"));

    if (!in_.hasCustomer) {
      refuse(Tr::tr("the invoice's customer %1 does not exist").arg(in_.header.CuNo));
      return;
    }
    const CustomerRecord& c = in_.customer;
    Party& b = inv.buyer;
    b.name = BuyerName(c);
    b.street = buyer_.street.trimmed().isEmpty() ? c.addr2.trimmed() : buyer_.street.trimmed();
    b.city = buyer_.city.trimmed();
    b.postcode = c.zip.trimmed();
    b.country = buyer_.country.trimmed().toUpper();
    b.vatId = buyer_.vatId.trimmed();
    b.electronicAddress = buyer_.electronicAddress.trimmed();
    b.electronicScheme = buyer_.electronicScheme.trimmed();
    if (!buyer_.siren.trimmed().isEmpty()) {
      b.legalId = buyer_.siren.trimmed();
      b.legalScheme = QStringLiteral("0002");
    }
    if (b.country.size() != 2)
      //: %1 the customer's number, %2 its name.
      refuse(Tr::tr("customer %1 (%2) has no country: fill in Country in the customer's window, "
                    "E-Invoice...").arg(c.cuno).arg(BuyerName(c)));

    if (crossBorderFormat()) {
      //: Fills %2 of "%1 needs %2".
      require(s.electronicAddress, Tr::tr("the seller's electronic address"));
      //: Fills %2 of "%1 needs %2".
      require(b.electronicAddress, Tr::tr("the electronic address of customer %1 (%2; the customer's window, "
                                          "E-Invoice..., Electronic Address)").arg(c.cuno).arg(BuyerName(c)));
    }
    //: %1 a format (Peppol), %2 the scheme's code (EM).
    const QString sellerScheme = Tr::tr("%1 does not accept the seller's electronic address scheme \"%2\" "
                                        "(E-Invoicing window, Address Scheme)");
    //: %1 a format (Peppol), %2 the scheme's code (EM), %3 the customer's number, %4 its name.
    const QString buyerScheme = Tr::tr("%1 does not accept the buyer's electronic address scheme \"%2\" "
                                       "(customer %3, %4: the customer's window, E-Invoice..., Address Scheme)");
    for (const auto& [party, message] : {std::pair{&s, sellerScheme}, {&b, buyerScheme}}) {
      if (party->electronicAddress.isEmpty()) continue;
      if (SchemeAccepted(party->electronicScheme, format_)) continue;
      QString why = message.arg(FormatName(format_), party->electronicScheme);
      if (party == &b) why = why.arg(c.cuno).arg(b.name);
      //: Follows a refused address scheme; the codes are the same in every language.
      if (format_ == EInvoiceFormat::Peppol)
        why += Tr::tr("; Peppol takes numeric schemes such as 0088 (GLN), 0204 (Leitweg-ID), 0208, 9930, "
                      "0009, 0007, 0192");
      refuse(why);
    }
    if (format_ == EInvoiceFormat::XRechnung) {
      //: Fills %2 of "%1 needs %2".
      require(s.postcode, Tr::tr("the seller's postal code"));
      //: Fills %2 of "%1 needs %2".
      require(s.city, Tr::tr("the seller's city"));
      //: Fills %2 of "%1 needs %2".
      require(s.contact, Tr::tr("the seller's contact name"));
      //: Fills %2 of "%1 needs %2".
      require(s.phone, Tr::tr("the seller's contact phone"));
      //: Fills %2 of "%1 needs %2".
      require(s.email, Tr::tr("the seller's contact e-mail"));
      //: Fills %2 of "%1 needs %2".
      require(b.postcode, Tr::tr("the postal code of customer %1 (%2; the customer's window, Postal Code)")
                              .arg(c.cuno).arg(BuyerName(c)));
      //: Fills %2 of "%1 needs %2".
      require(b.city, Tr::tr("the city of customer %1 (%2; the customer's window, E-Invoice..., City)")
                          .arg(c.cuno).arg(BuyerName(c)));
      //: Fills %2 of "%1 needs %2".
      require(seller_.iban, Tr::tr("the seller's IBAN"));
    }
  }

  void lines() {
    EInvoice& inv = built_.invoice;
    if (in_.items.isEmpty()) refuse(Tr::tr("the invoice has no items"));
    int n = 0;
    for (const ItemRow& item : in_.items) {
      ++n;
      InvoiceLine line;
      line.id = QString::number(n);
      line.sellerItemId = item.PrID.trimmed();
      line.name = item.PDesc.trimmed();
      line.note = item.IComm.trimmed();
      if (line.name.isEmpty()) refuse(Tr::tr("item %1 (%2) has no description").arg(n).arg(line.sellerItemId));
      line.quantity = sign_ * ToCents(StrToFloat(item.Qty));
      line.netPrice = ToCents(StrToFloat(item.UPR));
      // A net price may not be negative: a discount of 1 x -5.00 is -1 x 5.00.
      if (line.netPrice < 0) {
        line.netPrice = -line.netPrice;
        line.quantity = -line.quantity;
      }
      // The line total as the invoice arithmetic and the printed invoice
      // make it from the texts: rounded to cents, halves away from zero.
      line.net = sign_ * ToCents(RoundMoney(StrToFloat(item.Qty) * StrToFloat(item.UPR)));
      const bool tax1 = seller_.secondRate && item.Tax1 == QLatin1String("t");
      const bool tax2 = item.Tax2 == QLatin1String("t");
      if (tax1 && tax2)
        refuse(Tr::tr("item %1 (%2) carries both taxes, and an e-invoice has no tax on tax: untick one "
                      "of them in the item").arg(n).arg(line.sellerItemId));
      if ((tax1 || tax2) && !treatment().isEmpty())
        refuse(Tr::tr("item %1 (%2) carries tax, but customer %3 is invoiced without VAT (%4): untick its "
                      "tax in the item").arg(n).arg(line.sellerItemId).arg(buyer_.customer).arg(legalText(treatment())));
      line.vat = tax2 ? taxed() : tax1 ? taxedFirst() : untaxed();
      if (tax2) {
        taxedItems_ = true;
        taxableBase_ += line.net;
      } else if (tax1) {
        taxableBase1_ += line.net;
      }
      inv.lineTotal += line.net;
      inv.lines << line;
    }
    if (taxedItems_ && rate2_ == 0)
      refuse(Tr::tr("items carry the second tax but its rate is 0 (Tax Rate 2)"));
  }

  void charge() {
    const InvoiceRecord& h = in_.header;
    const Cents ship = sign_ * ToCents(h.Ship);
    // The first charge line is then the first rate's tax, not a charge.
    if (ship == 0 || seller_.secondRate) return;
    const QString reason = s_.ShipLine.trimmed();
    if (reason.isEmpty()) refuse(Tr::tr("the first charge line has no name (the settings' line 1 caption)"));
    if (ship < 0) refuse(Tr::tr("the %1 charge is negative").arg(reason));
    const bool taxedShipping = treatment().isEmpty() && (s_.ShipTax == 2 || (s_.ShipTax == 3 && taxedItems_));
    DocumentCharge c{ship, reason, taxedShipping ? taxed() : untaxed()};
    if (taxedShipping) taxableBase_ += ship;
    built_.invoice.chargeTotal += ship;
    built_.invoice.charges << c;
  }

  // The stored VAT of a rate must be that rate of its taxable base, to the
  // cent.
  void checkTax(Cents tax, Cents base, qint64 rate) {
    if (std::llabs(tax * 10000 - base * rate) > 10000)
      //: %1 the tax, %2 the rate, %3 the taxable amount, in the person's number format.
      refuse(Tr::tr("the stored tax %1 is not %2% of the taxable %3 (typed over, or the tax "
                    "rate changed since): correct the tax line in the invoice window and save")
                 .arg(Shown(AmountText(tax)), Shown(RateText(rate)), Shown(AmountText(base))));
  }

  void breakdown() {
    EInvoice& inv = built_.invoice;
    const Cents tax = sign_ * ToCents(in_.header.Tax);
    const Cents tax1 = seller_.secondRate ? sign_ * ToCents(in_.header.Ship) : 0;
    checkTax(tax, taxableBase_, rate2_);
    if (seller_.secondRate) checkTax(tax1, taxableBase1_, rate1_);
    Cents untaxedBase = 0;
    bool anyTaxed = false, anyTaxed1 = false, anyUntaxed = false;
    for (const InvoiceLine& l : inv.lines) {
      if (!l.vat.taxed()) {
        anyUntaxed = true;
        untaxedBase += l.net;
      } else if (l.vat == taxed()) {
        anyTaxed = true;
      } else {
        anyTaxed1 = true;
      }
    }
    for (const DocumentCharge& c : inv.charges) {
      (c.vat.taxed() ? anyTaxed : anyUntaxed) = true;
      if (!c.vat.taxed()) untaxedBase += c.amount;
    }
    if (anyTaxed1) inv.vat << VatBreakdown{taxedFirst(), taxableBase1_, tax1, QString()};
    if (anyTaxed) inv.vat << VatBreakdown{taxed(), taxableBase_, tax, QString()};
    if (anyTaxed || anyTaxed1) {
      //: Fills %2 of "%1 needs %2".
      require(seller_.vatId, Tr::tr("the seller's VAT identifier for taxed items"));
    } else if (tax != 0 || tax1 != 0) {
      anyTaxed = true;  // reported above: no taxable base for the stored tax
    }
    if (anyUntaxed) {
      const QString code = untaxed().code;
      QString reason;
      if (code != QLatin1String("Z")) {
        reason = legalText(code);
        if (reason.isEmpty()) refuse(Tr::tr("untaxed items need the exemption reason text (e-invoicing settings)"));
      }
      inv.vat << VatBreakdown{untaxed(), untaxedBase, 0, reason};
      if (code == QLatin1String("E") && seller_.vatId.trimmed().isEmpty() && seller_.taxRegistration.trimmed().isEmpty())
        refuse(Tr::tr("exempt items need the seller's VAT identifier or tax registration"));
      //: Fills %2 of "%1 needs %2".
      if (code != QLatin1String("E")) require(seller_.vatId, Tr::tr("the seller's VAT identifier"));
      if (code == QLatin1String("AE") || code == QLatin1String("K"))
        //: Fills %2 of "%1 needs %2".
        require(inv.buyer.vatId, Tr::tr("the VAT identifier of customer %1 (%2; the customer's window, "
                                        "E-Invoice..., VAT Identifier)").arg(buyer_.customer).arg(inv.buyer.name));
      if (code == QLatin1String("K")) inv.deliverTo = inv.buyer;
    }
    inv.taxTotal = tax + tax1;
  }

  void totals() {
    EInvoice& inv = built_.invoice;
    inv.taxBasis = inv.lineTotal + inv.chargeTotal;
    inv.grandTotal = inv.taxBasis + inv.taxTotal;
    for (const PaymentRow& p : in_.payments) inv.paid += sign_ * ToCents(StrToFloat(p.PAmt));
    inv.due = sign_ * ToCents(in_.header.Due);
    if (inv.grandTotal < 0 && inv.creditNote)
      refuse(Tr::tr("the credit note's total is positive: a credit note takes amounts back"));
    else if (inv.grandTotal < 0)
      refuse(Tr::tr("the invoice's total is negative: correct an invoice with a credit note "
                    "(\"Credit Note...\" in the invoice window)"));
    if (inv.due != inv.grandTotal - inv.paid)
      refuse(Tr::tr("the amount due %1 is not the total %2 less the payments %3: open the invoice in the "
                    "invoice window and save it again")
                 .arg(Shown(AmountText(inv.due)), Shown(AmountText(inv.grandTotal)), Shown(AmountText(inv.paid))));
  }

  void payment() {
    EInvoice& inv = built_.invoice;
    inv.iban = QString(seller_.iban).remove(QLatin1Char(' ')).toUpper();
    inv.bic = QString(seller_.bic).remove(QLatin1Char(' ')).toUpper();
  }

  const InvoiceInHand& in_;
  const SettingsRecord& s_;
  const SellerDetails& seller_;
  const BuyerDetails& buyer_;
  EInvoiceFormat format_;
  EInvoiceBuilt built_;
  qint64 rate1_ = 0;  // hundredths of a percent: the first charge line's, as a VAT rate
  qint64 rate2_ = 0;
  Cents taxableBase1_ = 0;
  int sign_ = 1;      // -1 for a credit note
  bool taxedItems_ = false;
  Cents taxableBase_ = 0;
};

}  // namespace

bool SchemeAccepted(const QString& scheme, EInvoiceFormat format) {
  const QString padded = QLatin1Char(' ') + scheme.trimmed() + QLatin1Char(' ');
  if (scheme.trimmed().isEmpty() || !QString::fromLatin1(kSchemes).contains(padded)) return false;
  return format != EInvoiceFormat::Peppol || !QString::fromLatin1(kPeppolOnlyMissing).contains(padded);
}

QString BuyerName(const CustomerRecord& c) {
  const QString company = c.addr1.trimmed();
  return company.isEmpty() ? CustomerName(c) : company;
}

EInvoiceBuilt BuildEInvoice(const InvoiceInHand& invoice, const SettingsRecord& settings,
                            const SellerDetails& seller, const BuyerDetails& buyer,
                            EInvoiceFormat format) {
  return Mapping(invoice, settings, seller, buyer, format).run();
}
