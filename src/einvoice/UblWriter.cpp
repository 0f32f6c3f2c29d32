#include "einvoice/UblWriter.h"

#include <QXmlStreamWriter>

#include "einvoice/EInvoice.h"
#include "einvoice/XmlText.h"

namespace {

const QString kInvoice = QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:Invoice-2");
const QString kCreditNote = QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:CreditNote-2");
const QString kCac =
    QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:CommonAggregateComponents-2");
const QString kCbc =
    QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:CommonBasicComponents-2");

// Aggregates (cac:) are opened and closed, basic components (cbc:) written
// whole, in the order the schema requires.
class Ubl {
 public:
  explicit Ubl(QByteArray* out) : w_(out) { w_.setAutoFormatting(true); }

  QXmlStreamWriter& w() { return w_; }
  void open(const QString& name) { w_.writeStartElement(kCac, name); }
  void close() { w_.writeEndElement(); }
  void text(const QString& name, const QString& value) { WriteXmlTextElement(w_, kCbc, name, value); }
  void optional(const QString& name, const QString& value) {
    if (!value.isEmpty()) text(name, value);
  }
  void withAttribute(const QString& name, const QString& attribute, const QString& attributeValue,
                     const QString& value) {
    w_.writeStartElement(kCbc, name);
    w_.writeAttribute(attribute, attributeValue);
    WriteXmlText(w_, value);
    w_.writeEndElement();
  }
  void amount(const QString& name, Cents cents) {
    withAttribute(name, QStringLiteral("currencyID"), currency_, AmountText(cents));
  }
  void setCurrency(const QString& currency) { currency_ = currency; }

  void party(const QString& element, const Party& p, bool seller) {
    open(element);
    open(QStringLiteral("Party"));
    withAttribute(QStringLiteral("EndpointID"), QStringLiteral("schemeID"), p.electronicScheme,
                  p.electronicAddress);
    open(QStringLiteral("PostalAddress"));
    optional(QStringLiteral("StreetName"), p.street);
    optional(QStringLiteral("CityName"), p.city);
    optional(QStringLiteral("PostalZone"), p.postcode);
    open(QStringLiteral("Country"));
    text(QStringLiteral("IdentificationCode"), p.country);
    close();
    close();
    if (!p.vatId.isEmpty()) taxScheme(p.vatId, QStringLiteral("VAT"));
    if (seller && !p.taxRegistration.isEmpty()) taxScheme(p.taxRegistration, QStringLiteral("TAX"));
    open(QStringLiteral("PartyLegalEntity"));
    text(QStringLiteral("RegistrationName"), p.name);
    if (!p.legalId.isEmpty())
      withAttribute(QStringLiteral("CompanyID"), QStringLiteral("schemeID"), p.legalScheme, p.legalId);
    close();
    if (seller && !(p.contact + p.phone + p.email).isEmpty()) {
      open(QStringLiteral("Contact"));
      optional(QStringLiteral("Name"), p.contact);
      optional(QStringLiteral("Telephone"), p.phone);
      optional(QStringLiteral("ElectronicMail"), p.email);
      close();
    }
    close();
    close();
  }

  void category(const QString& element, const VatCategory& vat) {
    open(element);
    text(QStringLiteral("ID"), vat.code);
    text(QStringLiteral("Percent"), vat.rate);
    open(QStringLiteral("TaxScheme"));
    text(QStringLiteral("ID"), QStringLiteral("VAT"));
    close();
    close();
  }

 private:
  void taxScheme(const QString& id, const QString& scheme) {
    open(QStringLiteral("PartyTaxScheme"));
    text(QStringLiteral("CompanyID"), id);
    open(QStringLiteral("TaxScheme"));
    text(QStringLiteral("ID"), scheme);
    close();
    close();
  }

  QXmlStreamWriter w_;
  QString currency_;
};

void WriteLine(Ubl& x, const InvoiceLine& line, bool creditNote) {
  x.open(creditNote ? QStringLiteral("CreditNoteLine") : QStringLiteral("InvoiceLine"));
  x.text(QStringLiteral("ID"), line.id);
  x.optional(QStringLiteral("Note"), line.note);
  x.withAttribute(creditNote ? QStringLiteral("CreditedQuantity") : QStringLiteral("InvoicedQuantity"),
                  QStringLiteral("unitCode"),
                  QStringLiteral("C62"), QuantityText(line.quantity));
  x.amount(QStringLiteral("LineExtensionAmount"), line.net);
  x.open(QStringLiteral("Item"));
  x.text(QStringLiteral("Name"), line.name);
  if (!line.sellerItemId.isEmpty()) {
    x.open(QStringLiteral("SellersItemIdentification"));
    x.text(QStringLiteral("ID"), line.sellerItemId);
    x.close();
  }
  x.category(QStringLiteral("ClassifiedTaxCategory"), line.vat);
  x.close();
  x.open(QStringLiteral("Price"));
  x.amount(QStringLiteral("PriceAmount"), line.netPrice);
  x.close();
  x.close();
}

}  // namespace

QByteArray WriteUbl(const EInvoice& inv) {
  QByteArray out;
  Ubl x(&out);
  x.setCurrency(inv.currency);
  QXmlStreamWriter& w = x.w();
  w.writeStartDocument();
  // A credit note is a document of its own: its root, type code, lines,
  // and the invoice it corrects; its due date goes with the payment means.
  const QString root = inv.creditNote ? kCreditNote : kInvoice;
  w.writeDefaultNamespace(root);
  w.writeNamespace(kCac, QStringLiteral("cac"));
  w.writeNamespace(kCbc, QStringLiteral("cbc"));
  w.writeStartElement(root, inv.creditNote ? QStringLiteral("CreditNote") : QStringLiteral("Invoice"));
  x.text(QStringLiteral("CustomizationID"),
         QStringLiteral("urn:cen.eu:en16931:2017#compliant#urn:fdc:peppol.eu:2017:poacc:billing:3.0"));
  x.text(QStringLiteral("ProfileID"), QString::fromLatin1(kBillingProcess));
  x.text(QStringLiteral("ID"), inv.number);
  x.text(QStringLiteral("IssueDate"), inv.issueDate.toString(Qt::ISODate));
  if (inv.dueDate.isValid() && !inv.creditNote)
    x.text(QStringLiteral("DueDate"), inv.dueDate.toString(Qt::ISODate));
  if (inv.creditNote)
    x.text(QStringLiteral("CreditNoteTypeCode"), QStringLiteral("381"));
  else
    x.text(QStringLiteral("InvoiceTypeCode"), QStringLiteral("380"));
  x.optional(QStringLiteral("Note"), inv.note);
  x.text(QStringLiteral("DocumentCurrencyCode"), inv.currency);
  x.optional(QStringLiteral("BuyerReference"), inv.buyerReference);
  if (inv.creditNote) {
    x.open(QStringLiteral("BillingReference"));
    x.open(QStringLiteral("InvoiceDocumentReference"));
    x.text(QStringLiteral("ID"), inv.precedingNumber);
    if (inv.precedingDate.isValid())
      x.text(QStringLiteral("IssueDate"), inv.precedingDate.toString(Qt::ISODate));
    x.close();
    x.close();
  }
  x.party(QStringLiteral("AccountingSupplierParty"), inv.seller, true);
  x.party(QStringLiteral("AccountingCustomerParty"), inv.buyer, false);
  if (inv.deliveryDate.isValid() || !inv.deliverTo.country.isEmpty()) {
    const Party& to = inv.deliverTo;
    x.open(QStringLiteral("Delivery"));
    if (inv.deliveryDate.isValid())
      x.text(QStringLiteral("ActualDeliveryDate"), inv.deliveryDate.toString(Qt::ISODate));
    if (!to.country.isEmpty()) {
      x.open(QStringLiteral("DeliveryLocation"));
      x.open(QStringLiteral("Address"));
      x.optional(QStringLiteral("StreetName"), to.street);
      x.optional(QStringLiteral("CityName"), to.city);
      x.optional(QStringLiteral("PostalZone"), to.postcode);
      x.open(QStringLiteral("Country"));
      x.text(QStringLiteral("IdentificationCode"), to.country);
      x.close();
      x.close();
      x.close();
    }
    x.close();
  }
  if (inv.creditNote) {
    // The seller pays back: no account for the buyer to pay into.
    x.open(QStringLiteral("PaymentMeans"));
    x.text(QStringLiteral("PaymentMeansCode"), QStringLiteral("1"));
    if (inv.dueDate.isValid())
      x.text(QStringLiteral("PaymentDueDate"), inv.dueDate.toString(Qt::ISODate));
    x.text(QStringLiteral("PaymentID"), inv.paymentReference.isEmpty() ? inv.number : inv.paymentReference);
    x.close();
  } else if (!inv.iban.isEmpty()) {
    x.open(QStringLiteral("PaymentMeans"));
    x.text(QStringLiteral("PaymentMeansCode"), QStringLiteral("58"));
    x.text(QStringLiteral("PaymentID"), inv.paymentReference.isEmpty() ? inv.number : inv.paymentReference);
    x.open(QStringLiteral("PayeeFinancialAccount"));
    x.text(QStringLiteral("ID"), inv.iban);
    if (!inv.bic.isEmpty()) {
      x.open(QStringLiteral("FinancialInstitutionBranch"));
      x.text(QStringLiteral("ID"), inv.bic);
      x.close();
    }
    x.close();
    x.close();
  }
  if (!inv.paymentTerms.isEmpty()) {
    x.open(QStringLiteral("PaymentTerms"));
    x.text(QStringLiteral("Note"), inv.paymentTerms);
    x.close();
  }
  for (const DocumentCharge& c : inv.charges) {
    x.open(QStringLiteral("AllowanceCharge"));
    x.text(QStringLiteral("ChargeIndicator"), QStringLiteral("true"));
    x.text(QStringLiteral("AllowanceChargeReason"), c.reason);
    x.amount(QStringLiteral("Amount"), c.amount);
    x.category(QStringLiteral("TaxCategory"), c.vat);
    x.close();
  }
  x.open(QStringLiteral("TaxTotal"));
  x.amount(QStringLiteral("TaxAmount"), inv.taxTotal);
  for (const VatBreakdown& v : inv.vat) {
    x.open(QStringLiteral("TaxSubtotal"));
    x.amount(QStringLiteral("TaxableAmount"), v.base);
    x.amount(QStringLiteral("TaxAmount"), v.tax);
    x.open(QStringLiteral("TaxCategory"));
    x.text(QStringLiteral("ID"), v.vat.code);
    x.text(QStringLiteral("Percent"), v.vat.rate);
    x.optional(QStringLiteral("TaxExemptionReason"), v.exemptionReason);
    x.open(QStringLiteral("TaxScheme"));
    x.text(QStringLiteral("ID"), QStringLiteral("VAT"));
    x.close();
    x.close();
    x.close();
  }
  x.close();
  x.open(QStringLiteral("LegalMonetaryTotal"));
  x.amount(QStringLiteral("LineExtensionAmount"), inv.lineTotal);
  x.amount(QStringLiteral("TaxExclusiveAmount"), inv.taxBasis);
  x.amount(QStringLiteral("TaxInclusiveAmount"), inv.grandTotal);
  x.amount(QStringLiteral("ChargeTotalAmount"), inv.chargeTotal);
  x.amount(QStringLiteral("PrepaidAmount"), inv.paid);
  x.amount(QStringLiteral("PayableAmount"), inv.due);
  x.close();
  for (const InvoiceLine& line : inv.lines) WriteLine(x, line, inv.creditNote);
  w.writeEndElement();
  w.writeEndDocument();
  return out;
}
