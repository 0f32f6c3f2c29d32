// `tallowby einvoice` saving the invoices of a span as e-invoices into a
// folder: 150 and 1 500 invoices (3 items, 1 payment each, 19% VAT on the
// items and the shipping), as Factur-X (each invoice printed, then made
// PDF/A-3 with its XML) and as XRechnung. Prints for each the wall-clock and
// CPU seconds, the seconds per invoice, and the program's peak memory; then
// the ratios 1 500 / 150 of the time (10 when it grows with the invoices
// alone) and of the peak memory (1 when it stays flat).
//   einvoice_bench [--keep DIR]
// The bench itself stays small (it writes the books in a child process and
// never starts Qt's GUI), since a process's peak memory as getrusage tells
// it counts what the process it was forked from held.
#include <QDate>
#include <QDir>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ChildRun.h"
#include "data/CodeBase.h"
#include "data/EInvoiceTables.h"
#include "data/Settings.h"
#include "data/SupplyTables.h"
#include "data/dbFiles.h"

namespace {

constexpr long kSizes[] = {150, 1500};
constexpr long kInvoicesPerCustomer = 10;
constexpr long kInvoicesPerDay = 20;
const QDate kFirstDay(2026, 1, 1);

[[noreturn]] void Fail(const QString& what) {
  std::fprintf(stderr, "einvoice_bench: %s\n", qPrintable(what));
  std::exit(1);
}

QDate DateOf(long i) { return kFirstDay.addDays(i / kInvoicesPerDay); }
QByteArray Stored(QDate d) { return d.toString("yyyyMMdd").toLatin1(); }
double Cents(double x) { return std::round(x * 100) / 100; }

void SetDetails() {
  Settings().Company = "Kerzenzieherei Weiss GmbH";
  Settings().ShipLine = "Shipping";
  Settings().TaxLine = "VAT";
  Settings().TaxRate1 = 0;
  Settings().TaxRate2 = 19;
  Settings().ShipTax = 2;
  WriteSettings();
  SellerDetails s = ReadSellerDetails();
  s.street = "Kerzenweg 4";
  s.city = "Koeln";
  s.postcode = "50667";
  s.country = "DE";
  s.vatId = "DE123456789";
  s.electronicAddress = "4000001000005";
  s.electronicScheme = "0088";
  s.contact = "Ada Wick";
  s.phone = "+49 221 555";
  s.email = "ada@tallow.example";
  s.iban = "DE02120300000000202051";
  s.dueDays = 14;
  WriteSellerDetails(s);
}

// The books of n invoices, written through the engine into dir.
void WriteBooks(const QString& dir, long n) {
  QString error;
  if (!WriteSuppliedTables(dir, &error)) Fail(error);
  StartEngine(dir);
  ReadSettings();
  SetDetails();
  code4autoOpen(cb, 0);
  DATA4* c = d4open(cb, "CUST5");
  DATA4* e = d4open(cb, "CUSTEI");
  for (long k = 1; k <= n / kInvoicesPerCustomer; ++k) {
    d4appendBlank(c);
    f4assignLong(d4field(c, "cuno"), k);
    f4assign(d4field(c, "last"), QByteArray("Buyer") + QByteArray::number(qlonglong(k)));
    f4assign(d4field(c, "addr1"), "Company");
    f4assign(d4field(c, "addr2"), "1 Main Street");
    f4assign(d4field(c, "zip"), "10115");
    f4assignLong(d4field(c, "ngroup"), 1);
    d4appendBlank(e);
    f4assignLong(d4field(e, "CUNO"), k);
    f4assign(d4field(e, "COUNTRY"), "DE");
    f4assign(d4field(e, "CITY"), "Berlin");
    f4assign(d4field(e, "BUYERREF"), "04011000-12345-03");
    f4assign(d4field(e, "EADDR"), "4000001000012");
    f4assign(d4field(e, "EADDRSCH"), "0088");
  }
  DATA4* inv = d4open(cb, "INV5");
  DATA4* itm = d4open(cb, "ITM5");
  DATA4* pmt = d4open(cb, "PMT");
  for (long i = 0; i < n; ++i) {
    double items = 0;
    for (int j = 0; j < 3; ++j) {
      const double qty = 1 + (i + j) % 3, price = 0.5 + (i * 3 + j) % 40;
      d4appendBlank(itm);
      f4assignLong(d4field(itm, "IvNo"), 1001 + i);
      f4assign(d4field(itm, "PrID"), "CANDLE");
      f4assignDouble(d4field(itm, "Qty"), qty);
      f4assignDouble(d4field(itm, "UPR"), price);
      f4assign(d4field(itm, "LTax1"), "F");
      f4assign(d4field(itm, "LTax2"), "T");
      f4assign(d4field(itm, "PDesc"), "Beeswax candle");
      items += qty * price;
    }
    const double ship = 4.5, tax = Cents((items + ship) * 0.19), paid = i % 4 == 0 ? 10.0 : 0.0;
    d4appendBlank(inv);
    f4assignLong(d4field(inv, "IvNo"), 1001 + i);
    f4assignLong(d4field(inv, "CuNo"), i / kInvoicesPerCustomer + 1);
    f4assign(d4field(inv, "IDate"), Stored(DateOf(i)).constData());
    f4assignDouble(d4field(inv, "Ship"), ship);
    f4assignDouble(d4field(inv, "Tax"), tax);
    f4assignDouble(d4field(inv, "Due"), Cents(items + ship + tax - paid));
    if (paid > 0) {
      d4appendBlank(pmt);
      f4assignLong(d4field(pmt, "IvNo"), 1001 + i);
      f4assign(d4field(pmt, "PDate"), Stored(DateOf(i)).constData());
      f4assignDouble(d4field(pmt, "PAmt"), paid);
    }
  }
  code4close(cb);
  code4autoOpen(cb, 1);
  RebuildIndexes(false);
  EndEngine();
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QString keep;
  if (argc == 3 && QByteArray(argv[1]) == "--keep") keep = QString::fromLocal8Bit(argv[2]);
  else if (argc != 1) Fail("usage: einvoice_bench [--keep DIR]");
  QTemporaryDir temp;
  const QString root = keep.isEmpty() ? temp.path() : keep;

  for (long n : kSizes) {
    const QString dir = QStringLiteral("%1/invoices-%2").arg(root).arg(n);
    if (QDir(dir).exists("INV5.dbf")) continue;
    QDir().mkpath(dir);
    if (!bench::RunApart([&] { WriteBooks(dir, n); }).ok) Fail("cannot write the books");
  }

  std::printf("%-10s %8s %9s %9s %12s %9s\n", "format", "invoices", "wall s", "cpu s", "ms/invoice",
              "peak MB");
  for (const char* format : {"facturx", "xrechnung"}) {
    bench::ChildRun runs[2];
    for (int k = 0; k < 2; ++k) {
      const long n = kSizes[k];
      const QString out = QStringLiteral("%1/out-%2-%3").arg(root, format).arg(n);
      QDir(out).removeRecursively();
      const QString data = QStringLiteral("%1/invoices-%2").arg(root).arg(n);
      runs[k] = bench::RunProgram(TALLOWBY_PROGRAM,
                                  {"einvoice", "--data", data, "--from", kFirstDay.toString(Qt::ISODate),
                                   "--to", DateOf(n - 1).toString(Qt::ISODate), "--format", format,
                                   "--out", out});
      if (!runs[k].ok) Fail(QStringLiteral("tallowby einvoice failed for %1 invoices").arg(n));
      const qsizetype written = QDir(out).entryList(QDir::Files).size();
      if (written != n) Fail(QStringLiteral("%1 files written, not %2").arg(written).arg(n));
      std::printf("%-10s %8ld %9.2f %9.2f %12.2f %9.1f\n", format, n, runs[k].wall, runs[k].cpu,
                  runs[k].wall * 1000 / n, runs[k].peakMb);
      std::fflush(stdout);
    }
    std::printf("%-10s  ratio %ld/%ld: time %.2f (invoices %.0f), peak memory %.2f\n", format, kSizes[1],
                kSizes[0], runs[1].wall / runs[0].wall, double(kSizes[1]) / kSizes[0],
                runs[1].peakMb / runs[0].peakMb);
  }
  return 0;
}
