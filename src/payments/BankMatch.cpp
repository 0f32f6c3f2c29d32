#include "payments/BankMatch.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

#include "einvoice/CreditorReference.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(BankMatch)
};

const QSet<QString>& InvoiceWords() {
  static const QSet<QString> words{
      QStringLiteral("rechnung"), QStringLiteral("rechnungsnr"), QStringLiteral("rg"), QStringLiteral("re"),
      QStringLiteral("rgnr"),     QStringLiteral("invoice"),     QStringLiteral("inv"), QStringLiteral("facture"),
      QStringLiteral("fact"),     QStringLiteral("fa"),          QStringLiteral("no"), QStringLiteral("nr"),
      QStringLiteral("n"),        QStringLiteral("num"),         QStringLiteral("ref")};
  return words;
}

const QSet<QString>& LegalForms() {
  static const QSet<QString> forms{
      QStringLiteral("gmbh"), QStringLiteral("ag"),   QStringLiteral("kg"),   QStringLiteral("ohg"),
      QStringLiteral("ug"),   QStringLiteral("ev"),   QStringLiteral("gbr"),  QStringLiteral("co"),
      QStringLiteral("sa"),   QStringLiteral("sas"),  QStringLiteral("sarl"), QStringLiteral("eurl"),
      QStringLiteral("sasu"), QStringLiteral("sci"),  QStringLiteral("cie"),  QStringLiteral("ltd"),
      QStringLiteral("inc"),  QStringLiteral("llc"),  QStringLiteral("plc"),  QStringLiteral("bv"),
      QStringLiteral("nv"),   QStringLiteral("und"),  QStringLiteral("et"),   QStringLiteral("and")};
  return forms;
}

// The words of a text: letters and digits, lower case.
QStringList Words(const QString& text) {
  static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\p{N}]+"));
  return text.toLower().split(separators, Qt::SkipEmptyParts);
}

PaymentMatch Decided(PaymentMatch::Step step, long invoice, const QString& reason) {
  return {step, invoice, reason};
}

}  // namespace

QString ComparableName(const QString& name) {
  // Accents go with the decomposition's combining marks.
  QString plain;
  for (const QChar c : name.normalized(QString::NormalizationForm_KD))
    if (c.category() != QChar::Mark_NonSpacing) plain += c;
  QStringList kept;
  for (const QString& w : Words(plain))
    if (!LegalForms().contains(w)) kept << w;
  return kept.join(QLatin1Char(' '));
}

void OpenInvoices::add(const OpenInvoice& invoice) {
  byNumber_.insert(invoice.number, invoice);
  const QString name = ComparableName(invoice.customerName);
  if (!name.isEmpty()) byName_[name] << invoice.number;
}

const OpenInvoice* OpenInvoices::find(long number) const {
  const auto it = byNumber_.constFind(number);
  return it == byNumber_.constEnd() ? nullptr : &*it;
}

QList<const OpenInvoice*> OpenInvoices::ofCustomerNamed(const QString& name) const {
  QList<const OpenInvoice*> found;
  for (long n : byName_.value(ComparableName(name))) found << find(n);
  return found;
}

PaymentMatch MatchPayment(const BankTransaction& p, const OpenInvoices& open) {
  using Step = PaymentMatch::Step;
  // 1. The structured reference.
  if (!p.reference.isEmpty()) {
    const long n = InvoiceOfCreditorReference(p.reference);
    if (n > 0 && open.find(n))
      return Decided(Step::Reference, n, Tr::tr("creditor reference %1").arg(p.reference));
  }
  // 2. An RF reference in the text (blanks within it allowed).
  static const QRegularExpression rf(QStringLiteral("\\bRF\\d\\d(?: ?[0-9A-Z]){1,21}\\b"),
                                     QRegularExpression::CaseInsensitiveOption);
  QSet<long> referenced;
  for (QRegularExpressionMatchIterator it = rf.globalMatch(p.text); it.hasNext();) {
    // The words after the reference may run on ("RF45 1008 danke"): the
    // longest run of its groups whose check digits hold is the reference.
    QStringList groups = it.next().captured(0).split(QLatin1Char(' '));
    for (; !groups.isEmpty(); groups.removeLast()) {
      const long n = InvoiceOfCreditorReference(groups.join(QString()));
      if (n > 0 && open.find(n)) {
        referenced.insert(n);
        break;
      }
    }
  }
  if (referenced.size() == 1)
    return Decided(Step::ReferenceInText, *referenced.begin(),
                   Tr::tr("creditor reference %1 in the text").arg(CreditorReference(*referenced.begin())));
  if (referenced.size() > 1)
    return Decided(Step::None, 0, Tr::tr("the text names the references of several open invoices"));
  // 3. An invoice number after an invoice word.
  const QStringList words = Words(p.text);
  QSet<long> numbered;
  for (qsizetype i = 0; i < words.size(); ++i) {
    if (!InvoiceWords().contains(words[i])) continue;
    qsizetype j = i + 1;
    while (j < words.size() && InvoiceWords().contains(words[j])) ++j;
    if (j >= words.size()) break;
    bool isNumber = false;
    const long n = words[j].toLong(&isNumber);
    const OpenInvoice* invoice = isNumber ? open.find(n) : nullptr;
    if (invoice && p.amount <= invoice->due + 1) numbered.insert(n);
    i = j;
  }
  if (numbered.size() == 1)
    return Decided(Step::NumberInText, *numbered.begin(), Tr::tr("invoice number %1 in the text").arg(*numbered.begin()));
  if (numbered.size() > 1)
    return Decided(Step::None, 0, Tr::tr("the text names several open invoices"));
  // 4. The amount of exactly one open invoice of the payer.
  QList<long> same;
  for (const OpenInvoice* invoice : open.ofCustomerNamed(p.payer))
    if (invoice->due == p.amount) same << invoice->number;
  if (same.size() == 1)
    return Decided(Step::AmountAndName, same.first(), Tr::tr("the amount due of %1's only such invoice").arg(p.payer));
  if (same.size() > 1)
    return Decided(Step::None, 0, Tr::tr("%1 has several open invoices of this amount").arg(p.payer));
  return Decided(Step::None, 0, Tr::tr("no open invoice matches its reference, text, payer or amount"));
}
