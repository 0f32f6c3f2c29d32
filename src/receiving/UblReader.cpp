#include "receiving/UblReader.h"

#include <QRegularExpression>

#include "receiving/TermPaths.h"
#include "receiving/XmlTree.h"

namespace {

// xs:date; a time zone after the date is allowed and not kept.
ReceivedDate DateAt(const XmlElement* e, QStringView path) {
  static const QRegularExpression date(QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})(?:Z|[+-]\\d{2}:\\d{2})?$"));
  ReceivedDate d;
  d.text = e ? e->textAt(path) : QString();
  const QRegularExpressionMatch m = date.match(d.text);
  if (m.hasMatch()) d.date = QDate::fromString(m.captured(1), Qt::ISODate);
  return d;
}

QString TextAt(const XmlElement* e, QStringView path) { return e ? e->textAt(path) : QString(); }

ReceivedParty ReadParty(const XmlElement* p) {
  ReceivedParty party;
  if (!p) return party;
  if (const XmlElement* endpoint = p->at(u"EndpointID")) {
    party.electronicAddress = endpoint->text;
    party.electronicScheme = endpoint->attribute(u"schemeID");
  }
  for (const XmlElement* id : p->all(u"PartyIdentification/ID")) party.ids << id->text;
  party.tradingName = p->textAt(u"PartyName/Name");
  static const AddressPaths address{u"PostalAddress", u"StreetName",       u"AdditionalStreetName",
                                     u"CityName",      u"PostalZone",       u"CountrySubentity",
                                     u"Country/IdentificationCode"};
  ReadAddress(*p, address, &party);
  for (const XmlElement* scheme : p->all(u"PartyTaxScheme")) {
    QString& into = scheme->textAt(u"TaxScheme/ID") == QLatin1String("VAT") ? party.vatId : party.taxRegistration;
    if (into.isNull()) into = scheme->textAt(u"CompanyID");
  }
  party.name = p->textAt(u"PartyLegalEntity/RegistrationName");
  party.legalId = p->textAt(u"PartyLegalEntity/CompanyID");
  if (const XmlElement* c = p->at(u"Contact")) {
    party.contact = c->textAt(u"Name");
    party.phone = c->textAt(u"Telephone");
    party.email = c->textAt(u"ElectronicMail");
  }
  return party;
}

ReceivedAllowanceCharge ReadAllowanceCharge(const XmlElement& e) {
  static const AllowanceChargePaths paths{u"ChargeIndicator", u"Amount", u"BaseAmount", u"MultiplierFactorNumeric",
                                          u"AllowanceChargeReason", u"AllowanceChargeReasonCode", u"TaxCategory/ID",
                                          u"TaxCategory/Percent"};
  return ReadAllowanceCharge(e, paths);
}

ReceivedLine ReadLine(const XmlElement& e, bool creditNote) {
  ReceivedLine line;
  line.id = e.textAt(u"ID");
  for (const XmlElement* note : e.all(u"Note")) line.notes << note->text;
  if (const XmlElement* quantity = e.at(creditNote ? u"CreditedQuantity" : u"InvoicedQuantity")) {
    line.quantity = {quantity->text};
    line.unit = quantity->attribute(u"unitCode");
  }
  line.net = {e.textAt(u"LineExtensionAmount")};
  for (const XmlElement* ac : e.all(u"AllowanceCharge")) line.allowancesCharges << ReadAllowanceCharge(*ac);
  const XmlElement* item = e.at(u"Item");
  line.name = TextAt(item, u"Name");
  line.description = TextAt(item, u"Description");
  line.sellerItemId = TextAt(item, u"SellersItemIdentification/ID");
  line.buyerItemId = TextAt(item, u"BuyersItemIdentification/ID");
  line.vatCategory = TextAt(item, u"ClassifiedTaxCategory/ID");
  line.vatRate = TextAt(item, u"ClassifiedTaxCategory/Percent");
  line.netPrice = {e.textAt(u"Price/PriceAmount")};
  line.baseQuantity = {e.textAt(u"Price/BaseQuantity")};
  line.grossPrice = {e.textAt(u"Price/AllowanceCharge/BaseAmount")};
  return line;
}

}  // namespace

ReceivedInvoice ReadUbl(const XmlElement& root, bool creditNote) {
  ReceivedInvoice inv;
  inv.syntax = creditNote ? ReceivedInvoice::Syntax::UblCreditNote : ReceivedInvoice::Syntax::UblInvoice;
  inv.customization = root.textAt(u"CustomizationID");
  inv.number = root.textAt(u"ID");
  inv.issueDate = DateAt(&root, u"IssueDate");
  inv.dueDate = DateAt(&root, u"DueDate");
  inv.typeCode = root.textAt(creditNote ? u"CreditNoteTypeCode" : u"InvoiceTypeCode");
  for (const XmlElement* note : root.all(u"Note")) inv.notes << note->text;
  inv.currency = root.textAt(u"DocumentCurrencyCode");
  inv.taxCurrency = root.textAt(u"TaxCurrencyCode");
  inv.buyerReference = root.textAt(u"BuyerReference");
  inv.orderReference = root.textAt(u"OrderReference/ID");
  const XmlElement* preceding = root.at(u"BillingReference/InvoiceDocumentReference");
  inv.precedingNumber = TextAt(preceding, u"ID");
  inv.precedingDate = DateAt(preceding, u"IssueDate");
  for (const XmlElement* ref : root.all(u"AdditionalDocumentReference")) {
    if (ref->textAt(u"DocumentTypeCode") == QLatin1String("130")) continue;  // BT-18, no attachment
    const QString file = ref->at(u"Attachment/EmbeddedDocumentBinaryObject")
                             ? ref->at(u"Attachment/EmbeddedDocumentBinaryObject")->attribute(u"filename")
                             : QString();
    inv.attachments << (file.isEmpty() ? ref->textAt(u"ID") : file);
  }
  inv.seller = ReadParty(root.at(u"AccountingSupplierParty/Party"));
  inv.buyer = ReadParty(root.at(u"AccountingCustomerParty/Party"));
  inv.deliveryDate = DateAt(&root, u"Delivery/ActualDeliveryDate");
  // The first means of payment that names an account, else the first.
  const QList<const XmlElement*> means = root.all(u"PaymentMeans");
  const XmlElement* chosen = means.isEmpty() ? nullptr : means.first();
  for (const XmlElement* m : means)
    if (m->at(u"PayeeFinancialAccount")) {
      chosen = m;
      break;
    }
  inv.paymentMeansCode = TextAt(chosen, u"PaymentMeansCode");
  inv.paymentReference = TextAt(chosen, u"PaymentID");
  inv.iban = TextAt(chosen, u"PayeeFinancialAccount/ID");
  inv.bic = TextAt(chosen, u"PayeeFinancialAccount/FinancialInstitutionBranch/ID");
  if (!inv.dueDate.present()) inv.dueDate = DateAt(chosen, u"PaymentDueDate");
  inv.paymentTerms = root.textAt(u"PaymentTerms/Note");
  for (const XmlElement* ac : root.all(u"AllowanceCharge")) inv.allowancesCharges << ReadAllowanceCharge(*ac);
  // The tax total comes twice where a tax currency is declared: the one in
  // the invoice's currency (with the breakdown) is BT-110.
  for (const XmlElement* total : root.all(u"TaxTotal")) {
    const XmlElement* amount = total->at(u"TaxAmount");
    if (!amount) continue;
    const QString currency = amount->attribute(u"currencyID");
    const bool own = inv.taxCurrency.isNull() || currency.isNull() || currency == inv.currency;
    if (own && !inv.taxTotal.present()) {
      inv.taxTotal = {amount->text};
      for (const XmlElement* sub : total->all(u"TaxSubtotal")) {
        ReceivedVat vat;
        vat.base = {sub->textAt(u"TaxableAmount")};
        vat.tax = {sub->textAt(u"TaxAmount")};
        vat.category = sub->textAt(u"TaxCategory/ID");
        vat.rate = sub->textAt(u"TaxCategory/Percent");
        vat.exemptionReason = sub->textAt(u"TaxCategory/TaxExemptionReason");
        vat.exemptionCode = sub->textAt(u"TaxCategory/TaxExemptionReasonCode");
        inv.vat << vat;
      }
    } else if (!inv.taxTotalInTaxCurrency.present()) {
      inv.taxTotalInTaxCurrency = {amount->text};
    }
  }
  if (const XmlElement* sum = root.at(u"LegalMonetaryTotal")) {
    inv.lineTotal = {sum->textAt(u"LineExtensionAmount")};
    inv.taxBasis = {sum->textAt(u"TaxExclusiveAmount")};
    inv.grandTotal = {sum->textAt(u"TaxInclusiveAmount")};
    inv.allowanceTotal = {sum->textAt(u"AllowanceTotalAmount")};
    inv.chargeTotal = {sum->textAt(u"ChargeTotalAmount")};
    inv.paid = {sum->textAt(u"PrepaidAmount")};
    inv.rounding = {sum->textAt(u"PayableRoundingAmount")};
    inv.due = {sum->textAt(u"PayableAmount")};
  }
  for (const XmlElement* line : root.all(creditNote ? u"CreditNoteLine" : u"InvoiceLine"))
    inv.lines << ReadLine(*line, creditNote);
  return inv;
}
