// The customer and invoice pick lists' paging (no window) on tables of 10^3
// and 10^6 records: showing the list with the highlighted record in the
// middle, first or last; paging down; seeking; and showing it just after the
// table was opened, in the middle and at the first record. The invoice list
// (BM_Inv...) also looks up the customer of the highlighted invoice.
// Ends with the cost at 10^6 records divided by the cost at 10^3 for each
// operation (CPU time, measured in the same run), what the engine's
// position estimate made of the middle record, and the bench's own peak
// memory (getrusage).
//   pick_bench [benchmark flags]
// The tables are written once into a temporary folder and removed at the end.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "customers/CustomerRows.h"
#include "data/CodeBase.h"
#include "data/dbFiles.h"
#include "data/Schema.h"
#include "data/SupplyTables.h"
#include "invoicing/InvoiceRows.h"
#include "picklists/PickPaging.h"

namespace {

constexpr long kSizes[] = {1000, 1000000};

QByteArray NameKey(long n) { return QByteArray("N") + QByteArray::number(static_cast<qlonglong>(n)).rightJustified(7, '0'); }

struct Folder {
  std::unique_ptr<QTemporaryDir> dir;
  long first = 0, middle = 0, last = 0;  // record numbers in name order
};
std::map<long, Folder> folders;
long inUse = 0;  // customers: the size; invoices: minus the size

// Appends n customers through the engine, their names scattered through the
// name order, then builds the table's index files.
void Build(long n, Folder* f) {
  f->dir = std::make_unique<QTemporaryDir>();
  QString error;
  if (!WriteSuppliedTables(f->dir->path(), &error)) {
    std::fprintf(stderr, "%s\n", qPrintable(error));
    std::exit(1);
  }
  StartEngine(f->dir->path());
  code4autoOpen(cb, 0);
  DATA4* d = d4open(cb, "CUST5");
  FIELD4* cuno = d4field(d, "cuno");
  FIELD4* last = d4field(d, "last");
  FIELD4* first = d4field(d, "first");
  FIELD4* ngroup = d4field(d, "ngroup");
  FIELD4* note = d4field(d, "note");
  const long step = 7919;  // prime to both sizes
  for (long i = 0; i < n; ++i) {
    const long k = (i * step) % n + 1;
    d4appendBlank(d);
    f4assignLong(cuno, k % 1000000);  // six digits
    f4assign(last, NameKey(k).constData());
    f4assign(first, "Ann");
    f4assignInt(ngroup, 1);
    f4assign(note, "pays on time");
  }
  std::vector<TAG4INFO> tags;
  for (const TagDef& t : CUST5Def().tags) tags.push_back({t.name, t.expression, nullptr, 0, 0});
  tags.push_back({nullptr, nullptr, nullptr, 0, 0});
  if (!i4create(d, "CUST5", tags.data())) {
    std::fprintf(stderr, "index build failed: %s\n", code4errorText(cb).c_str());
    std::exit(1);
  }
  code4close(cb);
  code4autoOpen(cb, 1);
  EndEngine();
}

void OpenByName() {
  OpenCUST5();
  d4tagSelect(Cust5.d, d4tag(Cust5.d, CustomerListTag(true)));
}

long RecordOfName(long k) {
  d4seek(Cust5.d, NameKey(k).constData());
  return d4recNo(Cust5.d);
}

// The engine on the folder of n customers, CUST5 open in name order.
void Use(long n) {
  if (inUse == n) return;
  if (cb) {
    CloseAll();
    EndEngine();
  }
  Folder& f = folders[n];
  if (!f.dir) Build(n, &f);
  StartEngine(f.dir->path());
  OpenByName();
  f.first = RecordOfName(1);
  f.middle = RecordOfName(n / 2 + 1);
  f.last = RecordOfName(n);
  inUse = n;
}

void WriteRow(int, long) { benchmark::DoNotOptimize(CustomerRowTexts(true)); }

void Show(benchmark::State& state, long Folder::*which) {
  const long n = state.range(0);
  Use(n);
  PickPaging paging;
  for (auto _ : state) {
    paging.start(Cust5.d, folders[n].*which);
    benchmark::DoNotOptimize(paging.fill(WriteRow));
  }
}

void BM_ShowMiddle(benchmark::State& state) { Show(state, &Folder::middle); }
void BM_ShowFirst(benchmark::State& state) { Show(state, &Folder::first); }
void BM_ShowLast(benchmark::State& state) { Show(state, &Folder::last); }

void BM_PageDown(benchmark::State& state) {
  const long n = state.range(0);
  Use(n);
  PickPaging paging;
  paging.start(Cust5.d, folders[n].middle);
  const long middle = paging.topOffset();
  for (auto _ : state) {
    paging.setTopOffset(middle);
    paging.page(PickPaging::Event::KeyPageDown);
    benchmark::DoNotOptimize(paging.fill(WriteRow));
  }
}

void BM_Seek(benchmark::State& state) {
  const long n = state.range(0);
  Use(n);
  PickPaging paging;
  paging.start(Cust5.d, 0);
  // Two different texts by turns, so neither is skipped as already sought.
  const QString texts[] = {QString(NameKey(n / 2)), QString(NameKey(n / 2 + 3))};
  int turn = 0;
  for (auto _ : state) {
    paging.seekText(texts[turn ^= 1]);
    benchmark::DoNotOptimize(paging.fill(WriteRow));
  }
}

void ShowAfterOpen(benchmark::State& state, long Folder::*which) {
  const long n = state.range(0);
  Use(n);
  PickPaging paging;
  for (auto _ : state) {
    CloseAll();
    OpenByName();
    paging.start(Cust5.d, folders[n].*which);
    benchmark::DoNotOptimize(paging.fill(WriteRow));
  }
}

// The first showing of a command: the table has just been opened.
void BM_ShowMiddleAfterOpen(benchmark::State& state) { ShowAfterOpen(state, &Folder::middle); }
void BM_ShowFirstAfterOpen(benchmark::State& state) { ShowAfterOpen(state, &Folder::first); }

#define PICK_BENCH(fn) BENCHMARK(fn)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMicrosecond)
PICK_BENCH(BM_ShowMiddle);
PICK_BENCH(BM_ShowFirst);
PICK_BENCH(BM_ShowLast);
PICK_BENCH(BM_PageDown);
PICK_BENCH(BM_Seek);
PICK_BENCH(BM_ShowMiddleAfterOpen);
PICK_BENCH(BM_ShowFirstAfterOpen);

// ---- The invoice pick list ---------------------------------------------------

constexpr long kCustomersOfInvoices = 1000;

std::map<long, Folder> invoiceFolders;

std::vector<TAG4INFO> TagsOf(const TableDef& def) {
  std::vector<TAG4INFO> tags;
  for (const TagDef& t : def.tags) tags.push_back({t.name, t.expression, nullptr, 0, 0});
  tags.push_back({nullptr, nullptr, nullptr, 0, 0});
  return tags;
}

void Index(DATA4* d, const TableDef& def) {
  const std::vector<TAG4INFO> tags = TagsOf(def);
  if (!i4create(d, def.openName, tags.data())) {
    std::fprintf(stderr, "index build failed: %s\n", code4errorText(cb).c_str());
    std::exit(1);
  }
}

// Appends n invoices (numbers six digits, appended out of number order)
// for 1000 customers, then builds the index files of both tables.
void BuildInvoices(long n, Folder* f) {
  f->dir = std::make_unique<QTemporaryDir>();
  QString error;
  if (!WriteSuppliedTables(f->dir->path(), &error)) {
    std::fprintf(stderr, "%s\n", qPrintable(error));
    std::exit(1);
  }
  StartEngine(f->dir->path());
  code4autoOpen(cb, 0);
  DATA4* c = d4open(cb, "CUST5");
  for (long k = 1; k <= kCustomersOfInvoices; ++k) {
    d4appendBlank(c);
    f4assignLong(d4field(c, "cuno"), k);
    f4assign(d4field(c, "last"), NameKey(k).constData());
    f4assign(d4field(c, "first"), "Ann");
  }
  Index(c, CUST5Def());
  DATA4* d = d4open(cb, "INV5");
  FIELD4* ivNo = d4field(d, "IvNo");
  FIELD4* cuNo = d4field(d, "CuNo");
  FIELD4* date = d4field(d, "IDate");
  FIELD4* memo = d4field(d, "IMemo");
  const long step = 7919;
  for (long i = 0; i < n; ++i) {
    const long k = (i * step) % n + 1;
    d4appendBlank(d);
    f4assignLong(ivNo, k % 1000000);
    f4assignLong(cuNo, k % kCustomersOfInvoices + 1);
    f4assign(date, "20260315");
    f4assign(memo, "VISA 4111");
  }
  Index(d, INV5Def());
  code4close(cb);
  code4autoOpen(cb, 1);
  EndEngine();
}

long RecordOfInvoice(long number) {
  d4seek(Inv5.d, InvoiceSeekKey(QString::number(number)).constData());
  return d4recNo(Inv5.d);
}

// The engine on the folder of n invoices, INV5 and CUST5 open.
void UseInvoices(long n) {
  if (inUse == -n) return;
  if (cb) {
    CloseAll();
    EndEngine();
  }
  Folder& f = invoiceFolders[n];
  if (!f.dir) BuildInvoices(n, &f);
  StartEngine(f.dir->path());
  OpenINV5();
  OpenCUST5();
  d4top(Inv5.d);
  f.first = d4recNo(Inv5.d);
  f.middle = RecordOfInvoice(n / 2);
  d4bottom(Inv5.d);
  f.last = d4recNo(Inv5.d);
  inUse = -n;
}

void WriteInvoiceRow(int, long) { benchmark::DoNotOptimize(InvoiceRowTexts()); }

// A fill as the list does it: ten rows, then the highlighted row's customer.
void FillInvoices(PickPaging& paging, long highlighted) {
  benchmark::DoNotOptimize(paging.fill(WriteInvoiceRow));
  benchmark::DoNotOptimize(InvoiceCustomerName(highlighted));
}

void ShowInvoices(benchmark::State& state, long Folder::*which) {
  const long n = state.range(0);
  UseInvoices(n);
  const long rec = invoiceFolders[n].*which;
  PickPaging paging;
  for (auto _ : state) {
    paging.start(Inv5.d, rec);
    FillInvoices(paging, rec);
  }
}

void BM_InvShowMiddle(benchmark::State& state) { ShowInvoices(state, &Folder::middle); }
void BM_InvShowFirst(benchmark::State& state) { ShowInvoices(state, &Folder::first); }
void BM_InvShowLast(benchmark::State& state) { ShowInvoices(state, &Folder::last); }

void BM_InvPageDown(benchmark::State& state) {
  const long n = state.range(0);
  UseInvoices(n);
  const long rec = invoiceFolders[n].middle;
  PickPaging paging;
  paging.start(Inv5.d, rec);
  const long middle = paging.topOffset();
  for (auto _ : state) {
    paging.setTopOffset(middle);
    paging.page(PickPaging::Event::KeyPageDown);
    FillInvoices(paging, rec);
  }
}

void BM_InvSeek(benchmark::State& state) {
  const long n = state.range(0);
  UseInvoices(n);
  PickPaging paging;
  paging.start(Inv5.d, 0);
  const QByteArray keys[] = {InvoiceSeekKey(QString::number(n / 2)),
                             InvoiceSeekKey(QString::number(n / 2 + 3))};
  int turn = 0;
  for (auto _ : state) {
    paging.seekKey(keys[turn ^= 1]);
    FillInvoices(paging, paging.rememberedRecord());
  }
}

void BM_InvShowMiddleAfterOpen(benchmark::State& state) {
  const long n = state.range(0);
  UseInvoices(n);
  const long rec = invoiceFolders[n].middle;
  PickPaging paging;
  for (auto _ : state) {
    CloseAll();
    OpenINV5();
    OpenCUST5();
    paging.start(Inv5.d, rec);
    FillInvoices(paging, rec);
  }
}

PICK_BENCH(BM_InvShowMiddle);
PICK_BENCH(BM_InvShowFirst);
PICK_BENCH(BM_InvShowLast);
PICK_BENCH(BM_InvPageDown);
PICK_BENCH(BM_InvSeek);
PICK_BENCH(BM_InvShowMiddleAfterOpen);

// Keeps each run's CPU time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.run_type == Run::RT_Iteration) {
        cpu[r.run_name.function_name][r.run_name.args] = r.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, std::map<std::string, double>> cpu;  // by name, then size
};

// Where the engine's estimate put the middle record, against where it is.
void ReportEstimate(long n) {
  Use(n);
  d4go(Cust5.d, folders[n].middle);
  const long estimate = static_cast<long>(static_cast<double>(d4recCountDo(Cust5.d)) * d4position(Cust5.d));
  std::printf("  %7ld customers: middle record at %ld, estimated at %ld (%+ld)\n", n, n / 2, estimate,
              estimate - n / 2);
}

void ReportInvoiceEstimate(long n) {
  UseInvoices(n);
  d4go(Inv5.d, invoiceFolders[n].middle);
  const long estimate = static_cast<long>(static_cast<double>(d4recCountDo(Inv5.d)) * d4position(Inv5.d));
  std::printf("  %7ld invoices:  middle record at %ld, estimated at %ld (%+ld)\n", n, n / 2, estimate,
              estimate - n / 2);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  const std::string small = std::to_string(kSizes[0]), large = std::to_string(kSizes[1]);
  std::printf("\nCPU time at %s records / at %s records:\n", large.c_str(), small.c_str());
  for (const auto& [name, bySize] : reporter.cpu) {
    const auto s = bySize.find(small), l = bySize.find(large);
    if (s == bySize.end() || l == bySize.end() || s->second <= 0) continue;
    std::printf("  %-24s %10.1f us / %8.1f us = %8.1f\n", name.c_str(), l->second, s->second,
                l->second / s->second);
  }
  std::printf("Position estimate (d4position2 x record count):\n");
  for (long n : kSizes) ReportEstimate(n);
  for (long n : kSizes) ReportInvoiceEstimate(n);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("Peak memory of the bench (tables of up to %s records open): %.1f MB\n", large.c_str(),
              usage.ru_maxrss / 1024.0);
  if (cb) {
    CloseAll();
    EndEngine();
  }
  folders.clear();
  invoiceFolders.clear();
  benchmark::Shutdown();
  return 0;
}
