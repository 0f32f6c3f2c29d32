#include "receiving/CiiReader.h"

#include "receiving/TermPaths.h"
#include "receiving/XmlTree.h"

namespace {

// udt:DateTimeString, format 102 (CCYYMMDD), the only one the invoice's
// dates may use.
ReceivedDate DateAt(const XmlElement* e, QStringView path) {
  ReceivedDate d;
  const XmlElement* at = e ? e->at(path) : nullptr;
  if (!at) return d;
  d.text = at->text;
  const QString format = at->attribute(u"format");
  if (format.isNull() || format == QLatin1String("102")) d.date = QDate::fromString(d.text, QStringLiteral("yyyyMMdd"));
  return d;
}

QString TextAt(const XmlElement* e, QStringView path) { return e ? e->textAt(path) : QString(); }

ReceivedParty ReadParty(const XmlElement* p) {
  ReceivedParty party;
  if (!p) return party;
  party.name = p->textAt(u"Name");
  party.tradingName = p->textAt(u"SpecifiedLegalOrganization/TradingBusinessName");
  for (const XmlElement* id : p->all(u"ID")) party.ids << id->text;
  for (const XmlElement* id : p->all(u"GlobalID")) party.ids << id->text;
  party.legalId = p->textAt(u"SpecifiedLegalOrganization/ID");
  for (const XmlElement* tax : p->all(u"SpecifiedTaxRegistration/ID")) {
    const QString scheme = tax->attribute(u"schemeID");
    if (scheme == QLatin1String("VA") && party.vatId.isNull()) party.vatId = tax->text;
    if (scheme == QLatin1String("FC") && party.taxRegistration.isNull()) party.taxRegistration = tax->text;
  }
  if (const XmlElement* uri = p->at(u"URIUniversalCommunication/URIID")) {
    party.electronicAddress = uri->text;
    party.electronicScheme = uri->attribute(u"schemeID");
  }
  static const AddressPaths address{u"PostalTradeAddress", u"LineOne",       u"LineTwo",
                                     u"CityName",           u"PostcodeCode",  u"CountrySubDivisionName",
                                     u"CountryID"};
  ReadAddress(*p, address, &party);
  if (const XmlElement* c = p->at(u"DefinedTradeContact")) {
    party.contact = c->textAt(u"PersonName");
    if (party.contact.isNull()) party.contact = c->textAt(u"DepartmentName");
    party.phone = c->textAt(u"TelephoneUniversalCommunication/CompleteNumber");
    party.email = c->textAt(u"EmailURIUniversalCommunication/URIID");
  }
  return party;
}

ReceivedAllowanceCharge ReadAllowanceCharge(const XmlElement& e) {
  static const AllowanceChargePaths paths{u"ChargeIndicator/Indicator", u"ActualAmount", u"BasisAmount",
                                          u"CalculationPercent", u"Reason", u"ReasonCode",
                                          u"CategoryTradeTax/CategoryCode", u"CategoryTradeTax/RateApplicablePercent"};
  return ReadAllowanceCharge(e, paths);
}

ReceivedLine ReadLine(const XmlElement& e) {
  ReceivedLine line;
  line.id = e.textAt(u"AssociatedDocumentLineDocument/LineID");
  for (const XmlElement* note : e.all(u"AssociatedDocumentLineDocument/IncludedNote/Content")) line.notes << note->text;
  const XmlElement* product = e.at(u"SpecifiedTradeProduct");
  line.name = TextAt(product, u"Name");
  line.description = TextAt(product, u"Description");
  line.sellerItemId = TextAt(product, u"SellerAssignedID");
  line.buyerItemId = TextAt(product, u"BuyerAssignedID");
  line.netPrice = {e.textAt(u"SpecifiedLineTradeAgreement/NetPriceProductTradePrice/ChargeAmount")};
  line.baseQuantity = {e.textAt(u"SpecifiedLineTradeAgreement/NetPriceProductTradePrice/BasisQuantity")};
  line.grossPrice = {e.textAt(u"SpecifiedLineTradeAgreement/GrossPriceProductTradePrice/ChargeAmount")};
  if (const XmlElement* quantity = e.at(u"SpecifiedLineTradeDelivery/BilledQuantity")) {
    line.quantity = {quantity->text};
    line.unit = quantity->attribute(u"unitCode");
  }
  const XmlElement* settlement = e.at(u"SpecifiedLineTradeSettlement");
  line.vatCategory = TextAt(settlement, u"ApplicableTradeTax/CategoryCode");
  line.vatRate = TextAt(settlement, u"ApplicableTradeTax/RateApplicablePercent");
  line.net = {TextAt(settlement, u"SpecifiedTradeSettlementLineMonetarySummation/LineTotalAmount")};
  if (settlement)
    for (const XmlElement* ac : settlement->all(u"SpecifiedTradeAllowanceCharge"))
      line.allowancesCharges << ReadAllowanceCharge(*ac);
  return line;
}

void ReadSettlement(const XmlElement& s, ReceivedInvoice* inv) {
  inv->paymentReference = s.textAt(u"PaymentReference");
  inv->currency = s.textAt(u"InvoiceCurrencyCode");
  inv->taxCurrency = s.textAt(u"TaxCurrencyCode");
  // The first means of payment that names an account, else the first.
  const QList<const XmlElement*> means = s.all(u"SpecifiedTradeSettlementPaymentMeans");
  const XmlElement* chosen = means.isEmpty() ? nullptr : means.first();
  for (const XmlElement* m : means)
    if (m->at(u"PayeePartyCreditorFinancialAccount")) {
      chosen = m;
      break;
    }
  inv->paymentMeansCode = TextAt(chosen, u"TypeCode");
  inv->iban = TextAt(chosen, u"PayeePartyCreditorFinancialAccount/IBANID");
  if (inv->iban.isNull()) inv->iban = TextAt(chosen, u"PayeePartyCreditorFinancialAccount/ProprietaryID");
  inv->bic = TextAt(chosen, u"PayeeSpecifiedCreditorFinancialInstitution/BICID");
  for (const XmlElement* tax : s.all(u"ApplicableTradeTax")) {
    ReceivedVat vat;
    vat.tax = {tax->textAt(u"CalculatedAmount")};
    vat.base = {tax->textAt(u"BasisAmount")};
    vat.category = tax->textAt(u"CategoryCode");
    vat.rate = tax->textAt(u"RateApplicablePercent");
    vat.exemptionReason = tax->textAt(u"ExemptionReason");
    vat.exemptionCode = tax->textAt(u"ExemptionReasonCode");
    inv->vat << vat;
  }
  for (const XmlElement* ac : s.all(u"SpecifiedTradeAllowanceCharge")) inv->allowancesCharges << ReadAllowanceCharge(*ac);
  const XmlElement* terms = s.at(u"SpecifiedTradePaymentTerms");
  inv->paymentTerms = TextAt(terms, u"Description");
  inv->dueDate = DateAt(terms, u"DueDateDateTime/DateTimeString");
  if (const XmlElement* sum = s.at(u"SpecifiedTradeSettlementHeaderMonetarySummation")) {
    inv->lineTotal = {sum->textAt(u"LineTotalAmount")};
    inv->allowanceTotal = {sum->textAt(u"AllowanceTotalAmount")};
    inv->chargeTotal = {sum->textAt(u"ChargeTotalAmount")};
    inv->taxBasis = {sum->textAt(u"TaxBasisTotalAmount")};
    // The tax total comes twice where a tax currency is declared: the one
    // in the invoice's currency is BT-110.
    for (const XmlElement* tax : sum->all(u"TaxTotalAmount")) {
      const QString currency = tax->attribute(u"currencyID");
      const bool own = currency.isNull() || currency == inv->currency || inv->taxCurrency.isNull();
      ReceivedAmount& into = own && !inv->taxTotal.present() ? inv->taxTotal : inv->taxTotalInTaxCurrency;
      if (!into.present()) into = {tax->text};
    }
    inv->rounding = {sum->textAt(u"RoundingAmount")};
    inv->grandTotal = {sum->textAt(u"GrandTotalAmount")};
    inv->paid = {sum->textAt(u"TotalPrepaidAmount")};
    inv->due = {sum->textAt(u"DuePayableAmount")};
  }
  const XmlElement* preceding = s.at(u"InvoiceReferencedDocument");
  inv->precedingNumber = TextAt(preceding, u"IssuerAssignedID");
  inv->precedingDate = DateAt(preceding, u"FormattedIssueDateTime/DateTimeString");
}

}  // namespace

ReceivedInvoice ReadCii(const XmlElement& root) {
  ReceivedInvoice inv;
  inv.syntax = ReceivedInvoice::Syntax::Cii;
  inv.customization = root.textAt(u"ExchangedDocumentContext/GuidelineSpecifiedDocumentContextParameter/ID");
  const XmlElement* doc = root.at(u"ExchangedDocument");
  inv.number = TextAt(doc, u"ID");
  inv.typeCode = TextAt(doc, u"TypeCode");
  inv.issueDate = DateAt(doc, u"IssueDateTime/DateTimeString");
  if (doc)
    for (const XmlElement* note : doc->all(u"IncludedNote/Content")) inv.notes << note->text;
  const XmlElement* transaction = root.at(u"SupplyChainTradeTransaction");
  if (!transaction) return inv;
  for (const XmlElement* line : transaction->all(u"IncludedSupplyChainTradeLineItem")) inv.lines << ReadLine(*line);
  if (const XmlElement* agreement = transaction->at(u"ApplicableHeaderTradeAgreement")) {
    inv.buyerReference = agreement->textAt(u"BuyerReference");
    inv.seller = ReadParty(agreement->at(u"SellerTradeParty"));
    inv.buyer = ReadParty(agreement->at(u"BuyerTradeParty"));
    inv.orderReference = agreement->textAt(u"BuyerOrderReferencedDocument/IssuerAssignedID");
    for (const XmlElement* ref : agreement->all(u"AdditionalReferencedDocument")) {
      const XmlElement* binary = ref->at(u"AttachmentBinaryObject");
      const QString file = binary ? binary->attribute(u"filename") : QString();
      if (!file.isEmpty())
        inv.attachments << file;
      else if (binary || ref->textAt(u"TypeCode") == QLatin1String("916"))
        inv.attachments << ref->textAt(u"IssuerAssignedID");
    }
  }
  inv.deliveryDate = DateAt(transaction, u"ApplicableHeaderTradeDelivery/ActualDeliverySupplyChainEvent/"
                                         u"OccurrenceDateTime/DateTimeString");
  if (const XmlElement* settlement = transaction->at(u"ApplicableHeaderTradeSettlement"))
    ReadSettlement(*settlement, &inv);
  return inv;
}
