// `tallowby-db export` on data folders of 10^4 and 10^5 invoices (the books
// of BenchBooks.h: 3 items and 1 payment each), to each of its three
// formats. Prints the seconds of each run (wall clock and the program's CPU
// time) and its peak memory (getrusage's maximum resident size), then the
// ratios 10^5 / 10^4: the time grows with the records, the memory must not.
//   export_bench [--runs N] [--keep DIR]
// The folders are written into a temporary folder (or under DIR, kept for
// later runs) and removed at the end.
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BenchBooks.h"
#include "ChildRun.h"

namespace {

constexpr long kSizes[] = {10000, 100000};

void Fail(const QString& what) {
  std::fprintf(stderr, "export_bench: %s\n", qPrintable(what));
  std::exit(1);
}

using bench::ChildRun;

// The books are written in a child, so the bench itself stays small.
void WriteBooksApart(const QString& dir, long n) {
  const ChildRun run = bench::RunApart([&] { bench::WriteBooks(dir, n); });
  if (!run.ok) Fail("writing the books failed");
  std::printf("wrote %ld invoices in %.1f s\n", n, run.wall);
}

ChildRun Export(const QString& dir, const QString& option, const QString& target) {
  QDir(target).removeRecursively();
  QFile::remove(target);
  const ChildRun run = bench::RunProgram(TALLOWBY_DB, {"export", dir, option, target});
  if (!run.ok) Fail("tallowby-db export " + dir + " " + option + ": failed");
  return run;
}

}  // namespace

int main(int argc, char* argv[]) {
  int runs = 1;
  QString keep;
  for (int i = 1; i + 1 < argc; i += 2) {
    const QString name = QString::fromLocal8Bit(argv[i]);
    if (name == "--runs") runs = qMax(1, atoi(argv[i + 1]));
    else if (name == "--keep") keep = QString::fromLocal8Bit(argv[i + 1]);
    else Fail("usage: export_bench [--runs N] [--keep DIR]");
  }
  if (argc % 2 == 0) Fail("usage: export_bench [--runs N] [--keep DIR]");
  QTemporaryDir temp;
  const QString root = keep.isEmpty() ? temp.path() : keep;

  struct Format {
    const char* option;
    const char* target;
  };
  const std::vector<Format> formats = {
      {"--sqlite", "books.db"}, {"--postgres", "books.sql"}, {"--csv", "books-csv"}};
  std::vector<std::vector<ChildRun>> best(formats.size());
  for (long n : kSizes) {
    const QString dir = QStringLiteral("%1/invoices-%2").arg(root).arg(n);
    if (!QDir(dir).exists("INV5.dbf")) {
      QDir().mkpath(dir);
      WriteBooksApart(dir, n);
    }
    for (size_t f = 0; f < formats.size(); ++f) {
      ChildRun b;
      for (int k = 0; k < runs; ++k) {
        const ChildRun r = Export(dir, formats[f].option, root + "/" + formats[f].target);
        if (k == 0 || r.wall < b.wall) b = r;
      }
      std::printf("  %-10s %6ld invoices  wall %7.2f s  cpu %7.2f s  peak %7.1f MB\n",
                  formats[f].option, n, b.wall, b.cpu, b.peakMb);
      std::fflush(stdout);
      best[f].push_back(b);
    }
  }
  std::printf("\n%-10s %12s %12s %14s\n", "10^5/10^4", "cpu ratio", "wall ratio", "peak MB ratio");
  for (size_t f = 0; f < formats.size(); ++f) {
    const ChildRun& a = best[f][0];
    const ChildRun& b = best[f][1];
    std::printf("%-10s %12.1f %12.1f %14.2f\n", formats[f].option, a.cpu > 0 ? b.cpu / a.cpu : 0.0,
                a.wall > 0 ? b.wall / a.wall : 0.0, a.peakMb > 0 ? b.peakMb / a.peakMb : 0.0);
  }
  return 0;
}
