// The books the benchmarks run on: n invoices (3 items and 1 payment each),
// 20 000 customers in 4 groups, 1 000 products of which every second one is
// an inventory item, 5 000 purchases spread over the invoices' dates, 50
// invoices a day from 2020-01-01; written through the engine, with their
// index files.
#ifndef BENCH_BENCHBOOKS_H
#define BENCH_BENCHBOOKS_H

#include <QDate>
#include <QString>

namespace bench {

inline const QDate kFirstDay(2020, 1, 1);
constexpr long kInvoicesPerDay = 50;

inline QDate DateOfInvoice(long i) { return kFirstDay.addDays(i / kInvoicesPerDay); }

// Writes the books of n invoices into dir (which holds no tables yet);
// ends the program with a message when that fails.
void WriteBooks(const QString& dir, long n);

}  // namespace bench

#endif  // BENCH_BENCHBOOKS_H
