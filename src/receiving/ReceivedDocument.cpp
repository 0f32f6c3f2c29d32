#include "receiving/ReceivedDocument.h"

#include <QCoreApplication>

#include "printing/RptUtil.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(ReceivedDocument)
};

// Cells: free text (and the position), item id, name, quantity, unit, net
// price, line net, VAT; then the style.
const QStringList kColumns{"L00", "L04", "L17", "R52", "L53", "R64", "R74", "L76"};
constexpr int kCells = 9;

// A text on lines of its own, wrapped where it is wider than the page.
void Text(const QString& text, const QString& style = QString()) {
  QStringList pieces{QString(), text};
  if (text.size() > 78) WrapText(text, &pieces);
  for (qsizetype i = 1; i < pieces.size(); ++i) {
    CheckPage(Report().LinesOnPage + 1, false);
    NewLine();
    PutColumn(0, pieces[i]);
    StyleCell() = style;
  }
}

// "caption value", left out when the file has no value.
void Term(const QString& caption, const QString& value) {
  if (value.trimmed().isEmpty()) return;
  Text(caption.isEmpty() ? value.simplified() : caption + QLatin1Char(' ') + value.simplified());
}

void Heading(const QString& caption) {
  NewLine();
  Text(caption, QStringLiteral("B"));
}

QString DateText(const ReceivedDate& d) { return d.date.isValid() ? FormatShortDate(DateFromQDate(d.date)) : d.text; }

void PutParty(const QString& caption, const ReceivedParty& p) {
  Heading(caption);
  Term(QString(), p.name);
  if (p.tradingName != p.name) Term(QString(), p.tradingName);
  for (const QString& line : {p.line1, p.line2}) Term(QString(), line);
  Term(QString(), QStringList({p.country, p.postcode, p.city}).join(QLatin1Char(' ')));
  Term(Tr::tr("VAT ID:"), p.vatId);
  Term(Tr::tr("Tax number:"), p.taxRegistration);
  Term(Tr::tr("Registration:"), p.legalId);
  Term(Tr::tr("Electronic address:"), p.electronicAddress);
  Term(Tr::tr("Contact:"), QStringList({p.contact, p.phone, p.email}).join(QLatin1Char(' ')));
}

void PutLines(const ReceivedInvoice& inv) {
  Heading(Tr::tr("Lines"));
  NewLine();
  const QString captions[] = {Tr::tr("No."),  Tr::tr("Item"), Tr::tr("Description"), Tr::tr("Quantity"),
                              QString(),      Tr::tr("Price"), Tr::tr("Net"),       Tr::tr("VAT")};
  for (int i = 0; i < 8; ++i)
    if (!captions[i].isEmpty()) PutColumn(i, captions[i]);
  StyleCell() = QStringLiteral("U");
  for (const ReceivedLine& l : inv.lines) {
    CheckPage(Report().LinesOnPage + 1, false);
    NewLine();
    const QString item = l.sellerItemId.isEmpty() ? l.buyerItemId : l.sellerItemId;
    const QString cells[] = {l.id, item.left(12), l.name.simplified().left(34), l.quantity.text, l.unit,
                             l.netPrice.text, l.net.text, l.vatCategory + QLatin1Char(' ') + l.vatRate};
    for (int i = 0; i < 8; ++i)
      if (!cells[i].trimmed().isEmpty()) PutColumn(i, cells[i].trimmed());
    for (const QString& note : l.notes) Term(QStringLiteral("    "), note);
    for (const ReceivedAllowanceCharge& ac : l.allowancesCharges)
      Term(QStringLiteral("    ") + (ac.charge ? Tr::tr("Charge:") : Tr::tr("Allowance:")),
           ac.amount.text + QLatin1Char(' ') + ac.reason);
  }
}

}  // namespace

void BuildReceivedDocument(const ReceivedDocumentRequest& request, ReportLineSink& sink) {
  const ReceivedInvoice& inv = request.invoice;
  const bool credit = inv.syntax == ReceivedInvoice::Syntax::UblCreditNote || inv.typeCode == QLatin1String("381");
  BeginReport(sink, 80, kCells, {credit ? Tr::tr("Received Credit Note") : Tr::tr("Received Invoice")}, kColumns);
  Report().FileStem = Tr::tr("received-invoice");
  CheckPage(1, false);
  Term(Tr::tr("File:"), request.file);
  Term(Tr::tr("Number:"), inv.number);
  Term(Tr::tr("Date:"), DateText(inv.issueDate));
  Term(Tr::tr("Type:"), inv.typeCode);
  Term(Tr::tr("Due date:"), DateText(inv.dueDate));
  Term(Tr::tr("Currency:"), inv.currency);
  Term(Tr::tr("Buyer reference:"), inv.buyerReference);
  Term(Tr::tr("Order reference:"), inv.orderReference);
  Term(Tr::tr("Delivery date:"), DateText(inv.deliveryDate));
  Term(Tr::tr("Preceding invoice:"), QStringList({inv.precedingNumber, DateText(inv.precedingDate)}).join(QLatin1Char(' ')));
  PutParty(Tr::tr("Seller"), inv.seller);
  PutParty(Tr::tr("Buyer"), inv.buyer);
  PutLines(inv);
  if (!inv.allowancesCharges.isEmpty()) {
    Heading(Tr::tr("Allowances and charges"));
    for (const ReceivedAllowanceCharge& ac : inv.allowancesCharges)
      Term(ac.charge ? Tr::tr("Charge:") : Tr::tr("Allowance:"),
           QStringList({ac.amount.text, ac.vatCategory, ac.vatRate, ac.reason}).join(QLatin1Char(' ')));
  }
  Heading(Tr::tr("VAT breakdown"));
  for (const ReceivedVat& v : inv.vat)
    //: %1 the VAT category, %2 the rate, %3 the taxable amount, %4 the VAT.
    Text(Tr::tr("Category %1 at %2 %: %3 taxable, %4 VAT").arg(v.category, v.rate, v.base.text, v.tax.text) +
         (v.exemptionReason.isEmpty() ? QString() : QStringLiteral(" (") + v.exemptionReason + QLatin1Char(')')));
  Heading(Tr::tr("Totals"));
  Term(Tr::tr("Sum of lines:"), inv.lineTotal.text);
  Term(Tr::tr("Allowances:"), inv.allowanceTotal.text);
  Term(Tr::tr("Charges:"), inv.chargeTotal.text);
  Term(Tr::tr("Total without VAT:"), inv.taxBasis.text);
  Term(Tr::tr("VAT:"), inv.taxTotal.text);
  Term(Tr::tr("Total with VAT:"), inv.grandTotal.text);
  Term(Tr::tr("Paid:"), inv.paid.text);
  Term(Tr::tr("Amount due:"), inv.due.text);
  Heading(Tr::tr("Payment"));
  Term(Tr::tr("IBAN:"), inv.iban);
  Term(Tr::tr("BIC:"), inv.bic);
  Term(Tr::tr("Payment reference:"), inv.paymentReference);
  Term(Tr::tr("Terms:"), inv.paymentTerms);
  if (!inv.notes.isEmpty()) {
    Heading(Tr::tr("Notes"));
    for (const QString& note : inv.notes) Term(QString(), note);
  }
  if (!inv.attachments.isEmpty()) {
    Heading(Tr::tr("Attachments"));
    for (const QString& a : inv.attachments) Term(QString(), a);
  }
  Heading(Tr::tr("Checks"));
  if (request.findings.isEmpty()) Text(Tr::tr("No findings: the invoice passes every check made."));
  for (const ReceivedFinding& f : request.findings)
    Text((f.fatal ? Tr::tr("Error") : Tr::tr("Warning")) + QStringLiteral(" ") + f.rule + QStringLiteral(": ") + f.text);
}
