#include "einvoice/CiiWriter.h"

#include <QXmlStreamWriter>

#include "einvoice/EInvoice.h"
#include "einvoice/XmlText.h"

namespace {

const QString kRsm = QStringLiteral("urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100");
const QString kRam =
    QStringLiteral("urn:un:unece:uncefact:data:standard:ReusableAggregateBusinessInformationEntity:100");
const QString kUdt = QStringLiteral("urn:un:unece:uncefact:data:standard:UnqualifiedDataType:100");
const QString kQdt = QStringLiteral("urn:un:unece:uncefact:data:standard:QualifiedDataType:100");

// Writes in the ram: namespace unless told otherwise; elements are opened
// and closed in the order the schema requires.
class Cii {
 public:
  explicit Cii(QByteArray* out) : w_(out) { w_.setAutoFormatting(true); }

  QXmlStreamWriter& w() { return w_; }
  void open(const QString& name) { w_.writeStartElement(kRam, name); }
  void close() { w_.writeEndElement(); }
  void text(const QString& name, const QString& value) { WriteXmlTextElement(w_, kRam, name, value); }
  // An element only when it has a value.
  void optional(const QString& name, const QString& value) {
    if (!value.isEmpty()) text(name, value);
  }
  void withAttribute(const QString& name, const QString& attribute, const QString& attributeValue,
                     const QString& value) {
    open(name);
    w_.writeAttribute(attribute, attributeValue);
    WriteXmlText(w_, value);
    close();
  }
  void date(const QString& name, const QDate& d) {
    open(name);
    w_.writeStartElement(kUdt, QStringLiteral("DateTimeString"));
    w_.writeAttribute(QStringLiteral("format"), QStringLiteral("102"));
    w_.writeCharacters(d.toString(QStringLiteral("yyyyMMdd")));
    w_.writeEndElement();
    close();
  }
  void amount(const QString& name, Cents cents) { text(name, AmountText(cents)); }

  void party(const QString& element, const Party& p, bool withContact) {
    open(element);
    text(QStringLiteral("Name"), p.name);
    if (!p.legalId.isEmpty()) {
      open(QStringLiteral("SpecifiedLegalOrganization"));
      withAttribute(QStringLiteral("ID"), QStringLiteral("schemeID"), p.legalScheme, p.legalId);
      close();
    }
    if (withContact && !(p.contact + p.phone + p.email).isEmpty()) {
      open(QStringLiteral("DefinedTradeContact"));
      optional(QStringLiteral("PersonName"), p.contact);
      if (!p.phone.isEmpty()) {
        open(QStringLiteral("TelephoneUniversalCommunication"));
        text(QStringLiteral("CompleteNumber"), p.phone);
        close();
      }
      if (!p.email.isEmpty()) {
        open(QStringLiteral("EmailURIUniversalCommunication"));
        text(QStringLiteral("URIID"), p.email);
        close();
      }
      close();
    }
    open(QStringLiteral("PostalTradeAddress"));
    optional(QStringLiteral("PostcodeCode"), p.postcode);
    optional(QStringLiteral("LineOne"), p.street);
    optional(QStringLiteral("CityName"), p.city);
    text(QStringLiteral("CountryID"), p.country);
    close();
    if (!p.electronicAddress.isEmpty()) {
      open(QStringLiteral("URIUniversalCommunication"));
      withAttribute(QStringLiteral("URIID"), QStringLiteral("schemeID"), p.electronicScheme,
                    p.electronicAddress);
      close();
    }
    if (!p.vatId.isEmpty()) {
      open(QStringLiteral("SpecifiedTaxRegistration"));
      withAttribute(QStringLiteral("ID"), QStringLiteral("schemeID"), QStringLiteral("VA"), p.vatId);
      close();
    }
    if (!p.taxRegistration.isEmpty()) {
      open(QStringLiteral("SpecifiedTaxRegistration"));
      withAttribute(QStringLiteral("ID"), QStringLiteral("schemeID"), QStringLiteral("FC"),
                    p.taxRegistration);
      close();
    }
    close();
  }

  // The category and rate of a line or charge.
  void category(const QString& element, const VatCategory& vat) {
    open(element);
    text(QStringLiteral("TypeCode"), QStringLiteral("VAT"));
    text(QStringLiteral("CategoryCode"), vat.code);
    text(QStringLiteral("RateApplicablePercent"), vat.rate);
    close();
  }

 private:
  QXmlStreamWriter w_;
};

void WriteLine(Cii& x, const InvoiceLine& line) {
  x.open(QStringLiteral("IncludedSupplyChainTradeLineItem"));
  x.open(QStringLiteral("AssociatedDocumentLineDocument"));
  x.text(QStringLiteral("LineID"), line.id);
  if (!line.note.isEmpty()) {
    x.open(QStringLiteral("IncludedNote"));
    x.text(QStringLiteral("Content"), line.note);
    x.close();
  }
  x.close();
  x.open(QStringLiteral("SpecifiedTradeProduct"));
  x.optional(QStringLiteral("SellerAssignedID"), line.sellerItemId);
  x.text(QStringLiteral("Name"), line.name);
  x.close();
  x.open(QStringLiteral("SpecifiedLineTradeAgreement"));
  x.open(QStringLiteral("NetPriceProductTradePrice"));
  x.amount(QStringLiteral("ChargeAmount"), line.netPrice);
  x.close();
  x.close();
  x.open(QStringLiteral("SpecifiedLineTradeDelivery"));
  x.withAttribute(QStringLiteral("BilledQuantity"), QStringLiteral("unitCode"), QStringLiteral("C62"),
                  QuantityText(line.quantity));
  x.close();
  x.open(QStringLiteral("SpecifiedLineTradeSettlement"));
  x.category(QStringLiteral("ApplicableTradeTax"), line.vat);
  x.open(QStringLiteral("SpecifiedTradeSettlementLineMonetarySummation"));
  x.amount(QStringLiteral("LineTotalAmount"), line.net);
  x.close();
  x.close();
  x.close();
}

void WriteSettlement(Cii& x, const EInvoice& inv) {
  x.open(QStringLiteral("ApplicableHeaderTradeSettlement"));
  x.text(QStringLiteral("PaymentReference"), inv.paymentReference.isEmpty() ? inv.number : inv.paymentReference);
  x.text(QStringLiteral("InvoiceCurrencyCode"), inv.currency);
  if (inv.creditNote) {
    // The seller pays back: no account for the buyer to pay into.
    x.open(QStringLiteral("SpecifiedTradeSettlementPaymentMeans"));
    x.text(QStringLiteral("TypeCode"), QStringLiteral("1"));
    x.close();
  } else if (!inv.iban.isEmpty()) {
    x.open(QStringLiteral("SpecifiedTradeSettlementPaymentMeans"));
    x.text(QStringLiteral("TypeCode"), QStringLiteral("58"));
    x.open(QStringLiteral("PayeePartyCreditorFinancialAccount"));
    x.text(QStringLiteral("IBANID"), inv.iban);
    x.close();
    if (!inv.bic.isEmpty()) {
      x.open(QStringLiteral("PayeeSpecifiedCreditorFinancialInstitution"));
      x.text(QStringLiteral("BICID"), inv.bic);
      x.close();
    }
    x.close();
  }
  for (const VatBreakdown& v : inv.vat) {
    x.open(QStringLiteral("ApplicableTradeTax"));
    x.amount(QStringLiteral("CalculatedAmount"), v.tax);
    x.text(QStringLiteral("TypeCode"), QStringLiteral("VAT"));
    x.optional(QStringLiteral("ExemptionReason"), v.exemptionReason);
    x.amount(QStringLiteral("BasisAmount"), v.base);
    x.text(QStringLiteral("CategoryCode"), v.vat.code);
    x.text(QStringLiteral("RateApplicablePercent"), v.vat.rate);
    x.close();
  }
  for (const DocumentCharge& c : inv.charges) {
    x.open(QStringLiteral("SpecifiedTradeAllowanceCharge"));
    x.open(QStringLiteral("ChargeIndicator"));
    x.w().writeTextElement(kUdt, QStringLiteral("Indicator"), QStringLiteral("true"));
    x.close();
    x.amount(QStringLiteral("ActualAmount"), c.amount);
    x.text(QStringLiteral("Reason"), c.reason);
    x.category(QStringLiteral("CategoryTradeTax"), c.vat);
    x.close();
  }
  if (!inv.paymentTerms.isEmpty() || inv.dueDate.isValid()) {
    x.open(QStringLiteral("SpecifiedTradePaymentTerms"));
    x.optional(QStringLiteral("Description"), inv.paymentTerms);
    if (inv.dueDate.isValid()) x.date(QStringLiteral("DueDateDateTime"), inv.dueDate);
    x.close();
  }
  x.open(QStringLiteral("SpecifiedTradeSettlementHeaderMonetarySummation"));
  x.amount(QStringLiteral("LineTotalAmount"), inv.lineTotal);
  x.amount(QStringLiteral("ChargeTotalAmount"), inv.chargeTotal);
  x.amount(QStringLiteral("AllowanceTotalAmount"), 0);
  x.amount(QStringLiteral("TaxBasisTotalAmount"), inv.taxBasis);
  x.withAttribute(QStringLiteral("TaxTotalAmount"), QStringLiteral("currencyID"), inv.currency,
                  AmountText(inv.taxTotal));
  x.amount(QStringLiteral("GrandTotalAmount"), inv.grandTotal);
  x.amount(QStringLiteral("TotalPrepaidAmount"), inv.paid);
  x.amount(QStringLiteral("DuePayableAmount"), inv.due);
  x.close();
  if (inv.creditNote) {
    x.open(QStringLiteral("InvoiceReferencedDocument"));
    x.text(QStringLiteral("IssuerAssignedID"), inv.precedingNumber);
    if (inv.precedingDate.isValid()) {
      x.open(QStringLiteral("FormattedIssueDateTime"));
      x.w().writeStartElement(kQdt, QStringLiteral("DateTimeString"));
      x.w().writeAttribute(QStringLiteral("format"), QStringLiteral("102"));
      x.w().writeCharacters(inv.precedingDate.toString(QStringLiteral("yyyyMMdd")));
      x.w().writeEndElement();
      x.close();
    }
    x.close();
  }
  x.close();
}

}  // namespace

QByteArray WriteCii(const EInvoice& inv, CiiFlavour flavour) {
  QByteArray out;
  Cii x(&out);
  QXmlStreamWriter& w = x.w();
  w.writeStartDocument();
  w.writeNamespace(kRsm, QStringLiteral("rsm"));
  w.writeNamespace(kRam, QStringLiteral("ram"));
  w.writeNamespace(kUdt, QStringLiteral("udt"));
  if (inv.creditNote) w.writeNamespace(kQdt, QStringLiteral("qdt"));
  w.writeStartElement(kRsm, QStringLiteral("CrossIndustryInvoice"));

  w.writeStartElement(kRsm, QStringLiteral("ExchangedDocumentContext"));
  x.open(QStringLiteral("BusinessProcessSpecifiedDocumentContextParameter"));
  x.text(QStringLiteral("ID"), QString::fromLatin1(kBillingProcess));
  x.close();
  x.open(QStringLiteral("GuidelineSpecifiedDocumentContextParameter"));
  x.text(QStringLiteral("ID"), flavour == CiiFlavour::XRechnung
                                   ? QStringLiteral("urn:cen.eu:en16931:2017#compliant#"
                                                    "urn:xeinkauf.de:kosit:xrechnung_3.0")
                                   : QStringLiteral("urn:cen.eu:en16931:2017"));
  x.close();
  w.writeEndElement();

  w.writeStartElement(kRsm, QStringLiteral("ExchangedDocument"));
  x.text(QStringLiteral("ID"), inv.number);
  x.text(QStringLiteral("TypeCode"), inv.creditNote ? QStringLiteral("381") : QStringLiteral("380"));
  x.date(QStringLiteral("IssueDateTime"), inv.issueDate);
  if (!inv.note.isEmpty()) {
    x.open(QStringLiteral("IncludedNote"));
    x.text(QStringLiteral("Content"), inv.note);
    x.close();
  }
  w.writeEndElement();

  w.writeStartElement(kRsm, QStringLiteral("SupplyChainTradeTransaction"));
  for (const InvoiceLine& line : inv.lines) WriteLine(x, line);
  x.open(QStringLiteral("ApplicableHeaderTradeAgreement"));
  x.optional(QStringLiteral("BuyerReference"), inv.buyerReference);
  x.party(QStringLiteral("SellerTradeParty"), inv.seller, true);
  x.party(QStringLiteral("BuyerTradeParty"), inv.buyer, false);
  x.close();
  x.open(QStringLiteral("ApplicableHeaderTradeDelivery"));
  if (!inv.deliverTo.country.isEmpty()) {
    const Party& to = inv.deliverTo;
    x.open(QStringLiteral("ShipToTradeParty"));
    x.optional(QStringLiteral("Name"), to.name);
    x.open(QStringLiteral("PostalTradeAddress"));
    x.optional(QStringLiteral("PostcodeCode"), to.postcode);
    x.optional(QStringLiteral("LineOne"), to.street);
    x.optional(QStringLiteral("CityName"), to.city);
    x.text(QStringLiteral("CountryID"), to.country);
    x.close();
    x.close();
  }
  if (inv.deliveryDate.isValid()) {
    x.open(QStringLiteral("ActualDeliverySupplyChainEvent"));
    x.date(QStringLiteral("OccurrenceDateTime"), inv.deliveryDate);
    x.close();
  }
  x.close();
  WriteSettlement(x, inv);
  w.writeEndElement();

  w.writeEndElement();
  w.writeEndDocument();
  return out;
}
