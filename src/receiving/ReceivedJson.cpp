#include "receiving/ReceivedJson.h"

#include <QStringList>

#include "receiving/ReceivedChecks.h"
#include "receiving/ReceivedRead.h"

namespace {

QString Quoted(const QString& text) {
  if (text.isNull()) return QStringLiteral("null");
  QString out = QStringLiteral("\"");
  for (const QChar c : text) {
    if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
      out += QLatin1Char('\\') + c;
    else if (c == QLatin1Char('\n'))
      out += QLatin1String("\\n");
    else if (c == QLatin1Char('\t'))
      out += QLatin1String("\\t");
    else if (c.unicode() < 0x20 || c.unicode() == 0x2028 || c.unicode() == 0x2029)
      out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    else
      out += c;
  }
  return out + QLatin1Char('"');
}

QString DateText(const ReceivedDate& d) { return d.date.isValid() ? d.date.toString(Qt::ISODate) : d.text; }

// Several texts of one term (notes) as one, a line each; null for none.
QString Joined(const QStringList& texts) { return texts.isEmpty() ? QString() : texts.join(QLatin1Char('\n')); }

// An object written member by member, in order, at an indentation.
class Object {
 public:
  explicit Object(int indent) : indent_(indent) {}
  Object& text(const char* key, const QString& value) { return raw(key, Quoted(value)); }
  Object& raw(const char* key, const QString& json) {
    members_ << QStringLiteral("%1\"%2\": %3").arg(QString(indent_ + 2, QLatin1Char(' ')), QLatin1String(key), json);
    return *this;
  }
  Object& list(const char* key, const QStringList& items) {
    QStringList quoted;
    for (const QString& item : items) quoted << Quoted(item);
    return raw(key, QLatin1Char('[') + quoted.join(QStringLiteral(", ")) + QLatin1Char(']'));
  }
  Object& objects(const char* key, const QStringList& objects) {
    if (objects.isEmpty()) return raw(key, QStringLiteral("[]"));
    const QString pad(indent_ + 2, QLatin1Char(' '));
    return raw(key, QStringLiteral("[\n") + objects.join(QStringLiteral(",\n")) + QLatin1Char('\n') + pad +
                        QLatin1Char(']'));
  }
  QString json() const {
    const QString pad(indent_, QLatin1Char(' '));
    return pad + QStringLiteral("{\n") + members_.join(QStringLiteral(",\n")) + QLatin1Char('\n') + pad +
           QLatin1Char('}');
  }

 private:
  int indent_;
  QStringList members_;
};

void PartyTerms(Object& o, const ReceivedParty& p, bool seller) {
  // Seller BT-27 .. BT-40, buyer BT-44 .. BT-55: the same terms apart.
  o.text(seller ? "BT-27" : "BT-44", p.name)
      .text(seller ? "BT-28" : "BT-45", p.tradingName)
      .list(seller ? "BT-29" : "BT-46", p.ids)
      .text(seller ? "BT-30" : "BT-47", p.legalId)
      .text(seller ? "BT-31" : "BT-48", p.vatId);
  if (seller) o.text("BT-32", p.taxRegistration);
  o.text(seller ? "BT-34" : "BT-49", p.electronicAddress)
      .text(seller ? "BT-35" : "BT-50", p.line1)
      .text(seller ? "BT-36" : "BT-51", p.line2)
      .text(seller ? "BT-37" : "BT-52", p.city)
      .text(seller ? "BT-38" : "BT-53", p.postcode)
      .text(seller ? "BT-39" : "BT-54", p.subdivision)
      .text(seller ? "BT-40" : "BT-55", p.country);
}

QString AllowanceCharge(const ReceivedAllowanceCharge& ac) {
  // Allowances BT-92 .. BT-98, charges BT-99 .. BT-105.
  const bool c = ac.charge;
  return Object(4)
      .raw("charge", c ? QStringLiteral("true") : QStringLiteral("false"))
      .text(c ? "BT-99" : "BT-92", ac.amount.text)
      .text(c ? "BT-100" : "BT-93", ac.base.text)
      .text(c ? "BT-101" : "BT-94", ac.percent)
      .text(c ? "BT-102" : "BT-95", ac.vatCategory)
      .text(c ? "BT-103" : "BT-96", ac.vatRate)
      .text(c ? "BT-104" : "BT-97", ac.reason)
      .text(c ? "BT-105" : "BT-98", ac.reasonCode)
      .json();
}

}  // namespace

QByteArray ReceivedJson(const ReceivedRead& read, const QList<ReceivedFinding>& findings) {
  const ReceivedInvoice& inv = read.invoice;
  Object o(0);
  o.text("syntax", SyntaxName(inv.syntax)).text("attachment", read.attachment);
  o.text("BT-1", inv.number)
      .text("BT-2", DateText(inv.issueDate))
      .text("BT-3", inv.typeCode)
      .text("BT-5", inv.currency)
      .text("BT-6", inv.taxCurrency)
      .text("BT-9", DateText(inv.dueDate))
      .text("BT-10", inv.buyerReference)
      .text("BT-13", inv.orderReference)
      .text("BT-20", inv.paymentTerms)
      .list("BT-22", inv.notes)
      .text("BT-24", inv.customization)
      .text("BT-25", inv.precedingNumber)
      .text("BT-26", DateText(inv.precedingDate));
  PartyTerms(o, inv.seller, true);
  PartyTerms(o, inv.buyer, false);
  o.text("BT-72", DateText(inv.deliveryDate))
      .text("BT-81", inv.paymentMeansCode)
      .text("BT-83", inv.paymentReference)
      .text("BT-84", inv.iban)
      .text("BT-86", inv.bic)
      .text("BT-106", inv.lineTotal.text)
      .text("BT-107", inv.allowanceTotal.text)
      .text("BT-108", inv.chargeTotal.text)
      .text("BT-109", inv.taxBasis.text)
      .text("BT-110", inv.taxTotal.text)
      .text("BT-111", inv.taxTotalInTaxCurrency.text)
      .text("BT-112", inv.grandTotal.text)
      .text("BT-113", inv.paid.text)
      .text("BT-114", inv.rounding.text)
      .text("BT-115", inv.due.text);
  QStringList charges, vat, lines, found;
  for (const ReceivedAllowanceCharge& ac : inv.allowancesCharges) charges << AllowanceCharge(ac);
  for (const ReceivedVat& v : inv.vat)
    vat << Object(4)
               .text("BT-116", v.base.text)
               .text("BT-117", v.tax.text)
               .text("BT-118", v.category)
               .text("BT-119", v.rate)
               .text("BT-120", v.exemptionReason)
               .text("BT-121", v.exemptionCode)
               .json();
  for (const ReceivedLine& l : inv.lines)
    lines << Object(4)
                 .text("BT-126", l.id)
                 .text("BT-127", Joined(l.notes))
                 .text("BT-129", l.quantity.text)
                 .text("BT-130", l.unit)
                 .text("BT-131", l.net.text)
                 .text("BT-146", l.netPrice.text)
                 .text("BT-149", l.baseQuantity.text)
                 .text("BT-151", l.vatCategory)
                 .text("BT-152", l.vatRate)
                 .text("BT-153", l.name)
                 .text("BT-155", l.sellerItemId)
                 .text("BT-156", l.buyerItemId)
                 .json();
  for (const ReceivedFinding& f : findings)
    found << Object(4)
                 .text("rule", f.rule)
                 .text("severity", f.fatal ? QStringLiteral("fatal") : QStringLiteral("warning"))
                 .text("text", f.text)
                 .json();
  o.objects("allowances_charges", charges).objects("vat", vat).objects("lines", lines);
  o.list("attachments", inv.attachments).objects("findings", found);
  return (o.json() + QLatin1Char('\n')).toUtf8();
}
