// The three views of an SQL export, answering the questions people ask
// first:
//   invoice_totals(invoice_no, customer_no, invoice_date, subtotal, charge1,
//                  charge2, total, paid, due)
//   customer_balances(customer_no, open_amount)
//   product_sales(product_code, month, quantity, amount)
// A line total is quantity times unit price rounded to the cent as the
// invoice editor rounds it (in binary floating point, halves away from
// zero), so subtotals are those of the printed invoices; every sum is then
// taken exactly. due is the stored amount due.
#ifndef EXPORT_EXPORTVIEWS_H
#define EXPORT_EXPORTVIEWS_H

#include <QStringList>

enum class SqlDialect { Sqlite, Postgres };

// The CREATE VIEW statements, without the closing semicolon.
QStringList CreateViews(SqlDialect dialect);

#endif  // EXPORT_EXPORTVIEWS_H
