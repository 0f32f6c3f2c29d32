#include "BenchBooks.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "data/CodeBase.h"
#include "data/Schema.h"
#include "data/SupplyTables.h"

using bench::DateOfInvoice;
using bench::kFirstDay;

namespace {

constexpr long kCustomers = 20000;
constexpr long kProducts = 1000;
constexpr long kPurchases = 5000;
constexpr long kGroups = 4;

void Fail(const QString& what) {
  std::fprintf(stderr, "bench: %s\n", qPrintable(what));
  std::exit(1);
}

void Index(DATA4* d, const TableDef& def) {
  std::vector<TAG4INFO> tags;
  for (const TagDef& t : def.tags) tags.push_back({t.name, t.expression, nullptr, 0, 0});
  tags.push_back({nullptr, nullptr, nullptr, 0, 0});
  if (!i4create(d, def.openName, tags.data()))
    Fail(QString::fromStdString("index build failed: " + code4errorText(cb)));
}

QByteArray Text(const QString& s) { return s.toLatin1(); }
QByteArray Stored(QDate d) { return d.toString("yyyyMMdd").toLatin1(); }
QByteArray ProductCode(long k) { return "P" + QByteArray::number(qlonglong(k)).rightJustified(4, '0'); }


}  // namespace

void bench::WriteBooks(const QString& dir, long n) {
  QString error;
  if (!WriteSuppliedTables(dir, &error)) Fail(error);
  StartEngine(dir);
  code4autoOpen(cb, 0);

  DATA4* g = d4open(cb, "GROUPS");
  for (long k = 1; k <= kGroups; ++k) {
    d4appendBlank(g);
    f4assignLong(d4field(g, "nGroup"), k);
    f4assign(d4field(g, "cGroup"), Text(QString("Group %1").arg(k)).constData());
  }
  Index(g, GROUPSDef());

  DATA4* c = d4open(cb, "CUST5");
  for (long k = 1; k <= kCustomers; ++k) {
    d4appendBlank(c);
    f4assignLong(d4field(c, "cuno"), k);
    f4assign(d4field(c, "title"), "Ms.");
    f4assign(d4field(c, "first"), "Ann");
    f4assign(d4field(c, "last"), Text(QString("Last%1").arg((k * 7919) % kCustomers, 5, 10, QChar('0'))).constData());
    f4assign(d4field(c, "addr1"), Text(QString("Company %1").arg(k)).constData());
    f4assign(d4field(c, "addr2"), "1 Main Street");
    f4assign(d4field(c, "addr3"), "Springfield");
    f4assign(d4field(c, "zip"), Text(QString::number(10000 + (k * 31) % 90000)).constData());
    f4assignLong(d4field(c, "ngroup"), k % (kGroups + 1));  // group 0 does not exist
  }
  Index(c, CUST5Def());

  DATA4* p = d4open(cb, "Prod5");
  for (long k = 1; k <= kProducts; ++k) {
    d4appendBlank(p);
    f4assign(d4field(p, "PrID"), ProductCode(k).constData());
    f4assign(d4field(p, "PDesc"), Text(QString("Product number %1").arg(k)).constData());
    f4assignDouble(d4field(p, "UPrice"), 1.25 + k % 50);
    f4assign(d4field(p, "lInven"), k % 2 == 0 ? "T" : "F");
    f4assignDouble(d4field(p, "REORDER"), double(k % 40));
  }
  Index(p, Prod5Def());
  // Purchases of every product in turn, their dates spread over the days
  // the invoices cover.
  DATA4* pur = d4open(cb, "Pur5");
  const long days = DateOfInvoice(n - 1).toJulianDay() - kFirstDay.toJulianDay() + 1;
  for (long j = 0; j < kPurchases; ++j) {
    d4appendBlank(pur);
    f4assign(d4field(pur, "PURProd"), ProductCode((j * 37) % kProducts + 1).constData());
    f4assign(d4field(pur, "PURDate"), Stored(kFirstDay.addDays(j * days / kPurchases)).constData());
    const double qty = 20 + j % 100;
    f4assignDouble(d4field(pur, "PURQty"), qty);
    f4assignDouble(d4field(pur, "PURCost"), qty * (0.75 + (j % 13) * 0.5));
  }
  Index(pur, Pur5Def());


  DATA4* inv = d4open(cb, "INV5");
  DATA4* itm = d4open(cb, "ITM5");
  DATA4* pmt = d4open(cb, "PMT");
  for (long i = 0; i < n; ++i) {
    const QDate date = DateOfInvoice(i);
    double items = 0;
    for (int j = 0; j < 3; ++j) {
      const double qty = 1 + (i + j) % 3;
      const double price = 0.5 + (i * 3 + j) % 40;
      d4appendBlank(itm);
      f4assignLong(d4field(itm, "IvNo"), i + 1);
      f4assign(d4field(itm, "PrID"), ProductCode((i * 7 + j * 13) % kProducts + 1).constData());
      f4assignDouble(d4field(itm, "Qty"), qty);
      f4assignDouble(d4field(itm, "UPR"), price);
      f4assign(d4field(itm, "LTax1"), j == 0 ? "T" : "F");
      f4assign(d4field(itm, "LTax2"), j != 2 ? "T" : "F");
      f4assign(d4field(itm, "PDesc"), "Item");
      items += qty * price;
    }
    const double ship = 4.5, tax = 1.25;
    const double paid = i % 4 == 0 ? 10.0 : items + ship + tax;
    d4appendBlank(inv);
    f4assignLong(d4field(inv, "IvNo"), i + 1);
    f4assignLong(d4field(inv, "CuNo"), (i * 7919) % kCustomers + 1);
    f4assign(d4field(inv, "IDate"), Stored(date).constData());
    f4assign(d4field(inv, "IMemo"), "VISA 4111");
    f4assignDouble(d4field(inv, "Ship"), ship);
    f4assignDouble(d4field(inv, "Tax"), tax);
    f4assignDouble(d4field(inv, "Due"), items + ship + tax - paid);
    d4appendBlank(pmt);
    f4assignLong(d4field(pmt, "IvNo"), i + 1);
    f4assign(d4field(pmt, "PDate"), Stored(date.addDays(i % 20)).constData());
    f4assignDouble(d4field(pmt, "PAmt"), paid);
  }
  Index(inv, INV5Def());
  Index(itm, ITM5Def());
  Index(pmt, PMTDef());
  code4close(cb);
  code4autoOpen(cb, 1);
  EndEngine();
}

