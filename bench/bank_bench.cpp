// A bank statement matched against the open invoices: statements of 1 000
// and 10 000 entries (a third paid by creditor reference, a third by an
// invoice number in the text, a third by the payer's name and amount)
// against 100 000 open invoices, each read and matched in a child process.
// Prints for each the seconds and the peak memory, then the ratios
// 10 000 / 1 000 of the time (10 when it grows with the entries alone) and
// of the peak memory (near 1 when it stays flat: the invoices' index
// dominates, the statement is read entry by entry).
#include <QString>

#include <cstdio>

#include "ChildRun.h"
#include "einvoice/CreditorReference.h"
#include "payments/BankMatch.h"
#include "payments/CamtReader.h"
#include "payments/TestSupport.h"

namespace {

constexpr long kInvoices = 100000;

OpenInvoices ManyOpenInvoices() {
  OpenInvoices open;
  for (long n = 1; n <= kInvoices; ++n)
    open.add({n, 1000 + n % 5000, QStringLiteral("Customer %1 GmbH").arg(n)});
  return open;
}

QByteArray Statement(long entries) {
  QList<TestEntry> list;
  for (long i = 0; i < entries; ++i) {
    const long n = 1 + (i * 7919) % kInvoices;
    TestEntry e;
    e.bankRef = QStringLiteral("B%1").arg(i);
    e.amount = QStringLiteral("%1.%2").arg((1000 + n % 5000) / 100).arg((1000 + n % 5000) % 100, 2, 10, QLatin1Char('0'));
    TestEntry::Tx t{e.amount, QStringLiteral("E2E%1").arg(i), QString(), QString(), QString()};
    if (i % 3 == 0) t.reference = CreditorReference(n);
    if (i % 3 == 1) t.text = QStringLiteral("Rechnung Nr %1 vielen Dank").arg(n);
    if (i % 3 == 2) t.payer = QStringLiteral("CUSTOMER %1").arg(n);
    e.transactions = {t};
    list << e;
  }
  return Camt053("08", list);
}

}  // namespace

int main() {
  const OpenInvoices open = ManyOpenInvoices();
  bench::ChildRun runs[2];
  const long sizes[] = {1000, 10000};
  for (int k = 0; k < 2; ++k) {
    const QByteArray camt = Statement(sizes[k]);
    long matched = 0;
    runs[k] = bench::RunApart([&] {
      const CamtRead read = ReadCamt(camt);
      if (!read.ok) std::exit(1);
      for (const BankEntry& e : read.statement.entries)
        for (const BankTransaction& t : e.transactions) matched += MatchPayment(t, open).invoice > 0;
      if (matched != sizes[k]) std::exit(1);
    });
    std::printf("%6ld entries against %ld open invoices: %.3f s, peak %.1f MB%s\n", sizes[k], kInvoices,
                runs[k].wall, runs[k].peakMb, runs[k].ok ? "" : " (FAILED: not every entry matched)");
  }
  std::printf("ratio 10000/1000: time %.2f, peak memory %.2f\n", runs[1].wall / runs[0].wall,
              runs[1].peakMb / runs[0].peakMb);
  return runs[0].ok && runs[1].ok ? 0 : 1;
}
