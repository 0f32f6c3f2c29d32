#include "export/ExportViews.h"

namespace {

// What the two dialects write differently. SQLite holds two-place numbers
// as hundredths (columns named <name>_x100) and sums them as such; the
// views show them divided by 100.
struct Dialect {
  bool sqlite;

  // A column of two places, as stored.
  QString money(const QString& column) const { return sqlite ? column + "_x100" : column; }
  // A stored (or summed) two-place value as the view shows it.
  QString shown(const QString& expression) const {
    return sqlite ? "(" + expression + ") / 100.0" : expression;
  }
  // The rounded line total of the item t, as stored (hundredths in SQLite).
  QString lineTotal() const {
    const QString x = sqlite ? "(t.quantity_x100 / 100.0) * (t.unit_price_x100 / 100.0)"
                             : "(t.quantity::float8 * t.unit_price::float8)";
    if (sqlite)
      return "CASE WHEN " + x + " > 0 THEN CAST((" + x + " + 0.005) * 100 AS INTEGER) " +  // untranslated
             "ELSE CAST((" + x + " - 0.005) * 100 AS INTEGER) END";
    return "(CASE WHEN " + x + " > 0 THEN trunc((" + x + " + 0.005::float8) * 100::float8) " +  // untranslated
           "ELSE trunc((" + x + " - 0.005::float8) * 100::float8) END)::numeric * 0.01";
  }
  QString month(const QString& date) const {
    return sqlite ? "substr(" + date + ", 1, 7)" : "to_char(" + date + ", 'YYYY-MM')";
  }
};

}  // namespace

QStringList CreateViews(SqlDialect dialect) {
  const Dialect d{dialect == SqlDialect::Sqlite};
  const QString subtotal = "COALESCE(s.subtotal, 0)";
  const QString charge1 = "i." + d.money("charge1"), charge2 = "i." + d.money("charge2");
  const QString invoiceTotals =
      "CREATE VIEW \"invoice_totals\" AS\n"
      "SELECT i.invoice_no AS \"invoice_no\", i.customer_no AS \"customer_no\",\n"
      "  i.invoice_date AS \"invoice_date\",\n"
      "  " + d.shown(subtotal) + " AS \"subtotal\",\n"
      "  " + d.shown(charge1) + " AS \"charge1\",\n"
      "  " + d.shown(charge2) + " AS \"charge2\",\n"
      "  " + d.shown(subtotal + " + COALESCE(" + charge1 + ", 0) + COALESCE(" + charge2 + ", 0)") +
      " AS \"total\",\n"
      "  " + d.shown("COALESCE(p.paid, 0)") + " AS \"paid\",\n"
      "  " + d.shown("i." + d.money("due")) + " AS \"due\"\n"
      "FROM invoices i\n"
      "LEFT JOIN (SELECT t.invoice_no, SUM(" + d.lineTotal() + ") AS subtotal\n"
      "           FROM invoice_items t GROUP BY t.invoice_no) s ON s.invoice_no = i.invoice_no\n"
      "LEFT JOIN (SELECT invoice_no, SUM(" + d.money("amount") + ") AS paid\n"
      "           FROM payments GROUP BY invoice_no) p ON p.invoice_no = i.invoice_no";
  const QString customerBalances =
      "CREATE VIEW \"customer_balances\" AS\n"
      "SELECT customer_no AS \"customer_no\", " + d.shown("COALESCE(SUM(" + d.money("due") + "), 0)") +
      " AS \"open_amount\"\n"
      "FROM invoices GROUP BY customer_no";
  // An item is counted once, with the date of its invoice (the earliest
  // date where two invoices share its number).
  const QString month = d.month("v.invoice_date");
  const QString productSales =
      "CREATE VIEW \"product_sales\" AS\n"
      "SELECT t.product_code AS \"product_code\", " + month + " AS \"month\",\n"
      "  " + d.shown("SUM(t." + d.money("quantity") + ")") + " AS \"quantity\",\n"
      "  " + d.shown("SUM(" + d.lineTotal() + ")") + " AS \"amount\"\n"
      "FROM invoice_items t\n"
      "LEFT JOIN (SELECT invoice_no, MIN(invoice_date) AS invoice_date\n"
      "           FROM invoices GROUP BY invoice_no) v ON v.invoice_no = t.invoice_no\n"
      "GROUP BY t.product_code, " + month;
  return {invoiceTotals, customerBalances, productSales};
}
