// The reports of `tallowby report` on data folders of 10^3 and 10^5
// invoices (the books of BenchBooks.h), each report exported as
// plain text over the whole date range and over one month (the month of the
// middle invoice). Prints the seconds of each (best of the runs; the
// process's CPU time and the wall clock) and the ratio 10^5 / 10^3 of the
// CPU times measured in this run; then the peak memory (getrusage's maximum
// resident size) of the program `tallowby report` running each report once
// at 10^5 invoices, beside those of another build's program (an earlier
// commit's) with --baseline, run in turn with ours.
//   report_bench [--runs N] [--keep DIR] [--baseline PROGRAM]
// The folders are written through the engine into a temporary folder
// (or under DIR, kept for later runs) and removed at the end.
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <vector>

#include "BenchBooks.h"
#include "ChildRun.h"
#include "reports/ReportCommand.h"

namespace {

constexpr long kSizes[] = {1000, 100000};
using bench::kFirstDay;
using bench::DateOfInvoice;

// One report of the bench: the command's words besides the span and output.
struct BenchReport {
  QString label;
  QStringList args;
  bool spanned;  // takes --from/--to: timed over the whole range and one month
  bool whole;    // timed over the whole range
  bool asOf = false;  // takes --asof (the middle invoice's date)
};

const std::vector<BenchReport>& Reports() {
  static const std::vector<BenchReport> reports = {
      {"invoices", {"invoices"}, true, true},
      {"bills", {"bills"}, true, true},
      {"statements", {"statements"}, true, true},
      {"receivables", {"receivables"}, false, true},
      {"tax", {"tax"}, true, true},
      {"income", {"income"}, true, true},
      {"product-sales", {"product-sales"}, true, true},
      {"sales-summary", {"sales-summary"}, true, true},
      {"profile (all groups)", {"profile", "--groups", "all"}, false, true},
      {"profile (10 customers)",
       {"profile", "--customers", "17,2,19999,450,8,7000,123,5,15000,1"}, false, true},
      {"buyers", {"buyers", "--product", "P0500"}, true, true},
      {"purchasing", {"purchasing"}, true, true},
      {"products", {"products"}, false, true},
      {"stock", {"stock"}, false, true},
      {"inventory", {"inventory"}, false, true, true},
      {"cogs fifo", {"cogs", "--method", "fifo"}, true, true},
      {"cogs lifo", {"cogs", "--method", "lifo"}, true, true},
  };
  return reports;
}

void Fail(const QString& what) {
  std::fprintf(stderr, "report_bench: %s\n", qPrintable(what));
  std::exit(1);
}

// The words of `tallowby report` for r over from..to.
QStringList CommandArgs(const QString& dir, const BenchReport& r, QDate from, QDate to, QDate asOf) {
  QStringList args = r.args;
  args << "--data" << dir << "--out" << dir + "/out.txt";
  if (r.spanned) args << "--from" << from.toString(Qt::ISODate) << "--to" << to.toString(Qt::ISODate);
  if (r.asOf) args << "--asof" << asOf.toString(Qt::ISODate);
  return args;
}

// The seconds of one run of the report command, best of runs: wall clock
// and the process's CPU time (on a shared machine the wall clock also
// counts the time other programs had the processors).
struct Seconds {
  double wall = -1, cpu = -1;
};

double CpuNow() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec + t.tv_nsec / 1e9;
}

Seconds Time(const QString& dir, const BenchReport& r, QDate from, QDate to, QDate asOf,
             int runs) {
  Seconds best;
  for (int k = 0; k < runs; ++k) {
    const QStringList args = CommandArgs(dir, r, from, to, asOf);
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    QElapsedTimer timer;
    timer.start();
    const double cpu0 = CpuNow();
    const int status = RunReportCommand(args, outStream, errStream);
    const double cpu = CpuNow() - cpu0;
    const double wall = timer.nsecsElapsed() / 1e9;
    errStream.flush();
    if (status != 0) Fail(r.label + ": " + err);
    if (best.wall < 0 || wall < best.wall) best.wall = wall;
    if (best.cpu < 0 || cpu < best.cpu) best.cpu = cpu;
  }
  std::printf("  %-24s %s..%s  wall %.4f s  cpu %.4f s\n", qPrintable(r.label),
              qPrintable(from.toString(Qt::ISODate)), qPrintable(to.toString(Qt::ISODate)),
              best.wall, best.cpu);
  std::fflush(stdout);
  return best;
}

// One run of the program `tallowby report`: its CPU seconds and peak
// resident memory in megabytes.
struct ProgramRun {
  double cpu = 0, peakMb = 0;
};

// Starts the program and reports on it, from a small process forked before
// the bench grows: a process's peak memory as getrusage tells it includes
// what the process it was forked from held (the bench holds tens of
// megabytes), so the program must not be started from the bench itself.
class Launcher {
 public:
  Launcher() {
    int request[2], reply[2];
    if (pipe(request) != 0 || pipe(reply) != 0) Fail("cannot make pipes");
    if (fork() == 0) {
      close(request[1]);
      close(reply[0]);
      Serve(request[0], reply[1]);
      _exit(0);
    }
    close(request[0]);
    close(reply[1]);
    toLauncher_ = request[1];
    fromLauncher_ = reply[0];
  }

  ProgramRun run(const QString& program, const QStringList& args) {
    QByteArray words = program.toLocal8Bit() + '\0';
    for (const QString& a : args) words += a.toLocal8Bit() + '\0';
    const uint32_t size = uint32_t(words.size());
    if (write(toLauncher_, &size, sizeof size) != sizeof size ||
        write(toLauncher_, words.constData(), size) != ssize_t(size))
      Fail("the launcher is gone");
    Result result{};
    if (read(fromLauncher_, &result, sizeof result) != sizeof result) Fail("the launcher is gone");
    if (result.status != 0) Fail("tallowby report " + args.join(' ') + " failed");
    return {result.cpu, result.peakKb / 1024.0};
  }

 private:
  struct Result {
    double cpu;
    long peakKb;
    int status;
  };

  static bool ReadAll(int fd, void* buf, size_t n) {
    char* p = static_cast<char*>(buf);
    while (n > 0) {
      const ssize_t got = read(fd, p, n);
      if (got <= 0) return false;
      p += got;
      n -= size_t(got);
    }
    return true;
  }

  [[noreturn]] static void Serve(int in, int out) {
    for (;;) {
      uint32_t size = 0;
      if (!ReadAll(in, &size, sizeof size)) _exit(0);
      std::vector<char> words(size);
      if (!ReadAll(in, words.data(), size)) _exit(0);
      const std::string program = words.data();
      QStringList args{"report"};
      for (size_t i = program.size() + 1; i < size; i += std::strlen(words.data() + i) + 1)
        args << QString::fromLocal8Bit(words.data() + i);
      const bench::ChildRun run = bench::RunProgram(program.c_str(), args);
      const Result result{run.cpu, long(run.peakMb * 1024), run.ok ? 0 : 1};
      if (write(out, &result, sizeof result) != sizeof result) _exit(1);
    }
  }

  int toLauncher_ = -1, fromLauncher_ = -1;
};

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  Launcher launcher;  // first, while the bench is small
  QApplication app(argc, argv);
  int runs = 3;
  QString keep, baseline;
  const QStringList args = QApplication::arguments();
  for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
    if (args[i] == "--runs") runs = qMax(1, args[i + 1].toInt());
    else if (args[i] == "--keep") keep = args[i + 1];
    else if (args[i] == "--baseline") baseline = args[i + 1];
    else Fail("usage: report_bench [--runs N] [--keep DIR] [--baseline PROGRAM]");
  }
  QTemporaryDir temp;
  const QString root = keep.isEmpty() ? temp.path() : keep;

  // seconds[size][label + whole/month]
  std::map<long, std::map<QString, Seconds>> seconds;
  for (long n : kSizes) {
    const QString dir = QStringLiteral("%1/invoices-%2").arg(root).arg(n);
    if (!QDir(dir).exists("INV5.dbf")) {
      QDir().mkpath(dir);
      QElapsedTimer timer;
      timer.start();
      bench::WriteBooks(dir, n);
      std::printf("wrote %ld invoices in %.1f s\n", n, timer.nsecsElapsed() / 1e9);
    }
    const QDate first = kFirstDay, last = DateOfInvoice(n - 1).addDays(20);
    const QDate middle = DateOfInvoice(n / 2);
    const QDate monthFrom(middle.year(), middle.month(), 1);
    const QDate monthTo = monthFrom.addMonths(1).addDays(-1);
    for (const BenchReport& r : Reports()) {
      if (r.whole) seconds[n][r.label + " whole"] = Time(dir, r, first, last, middle, runs);
      if (r.spanned)
        seconds[n][r.label + " month"] = Time(dir, r, monthFrom, monthTo, middle, runs);
      std::fflush(stdout);
    }
  }

  std::printf("\n%-30s %10s %10s %10s %10s %8s\n", "report (text export)", "10^3 cpu", "10^5 cpu",
              "10^3 wall", "10^5 wall", "cpu ratio");
  for (const BenchReport& r : Reports()) {
    for (const char* part : {" whole", " month"}) {
      const QString key = r.label + part;
      if (!seconds[kSizes[0]].count(key)) continue;
      const Seconds a = seconds[kSizes[0]][key], b = seconds[kSizes[1]][key];
      std::printf("%-30s %10.4f %10.4f %10.4f %10.4f %8.1f\n", qPrintable(key), a.cpu, b.cpu, a.wall,
                  b.wall, a.cpu > 0 ? b.cpu / a.cpu : 0.0);
    }
  }

  // The program itself, once per report at the larger size.
  const long n = kSizes[1];
  const QString dir = QStringLiteral("%1/invoices-%2").arg(root).arg(n);
  const QDate last = DateOfInvoice(n - 1).addDays(20), middle = DateOfInvoice(n / 2);
  const QDate monthFrom(middle.year(), middle.month(), 1);
  std::printf("\n%-30s %10s %12s", "report (text export)", "cpu s", "peak MB");
  if (!baseline.isEmpty()) std::printf(" %10s %12s %8s %8s", "base cpu", "base MB", "cpu", "memory");
  std::printf("  (tallowby report, %ld invoices%s)\n", n, baseline.isEmpty() ? "" : "; ours / baseline");
  for (const BenchReport& r : Reports()) {
    for (const char* part : {" whole", " month"}) {
      const bool whole = part[1] == 'w';
      if (whole ? !r.whole : !r.spanned) continue;
      const QDate from = whole ? kFirstDay : monthFrom;
      const QDate to = whole ? last : monthFrom.addMonths(1).addDays(-1);
      const QStringList words = CommandArgs(dir, r, from, to, middle);
      const ProgramRun run = launcher.run(TALLOWBY_PROGRAM, words);
      std::printf("%-30s %10.3f %12.1f", qPrintable(r.label + part), run.cpu, run.peakMb);
      if (!baseline.isEmpty()) {
        const ProgramRun base = launcher.run(baseline, words);
        std::printf(" %10.3f %12.1f %8.2f %8.2f", base.cpu, base.peakMb, run.cpu / base.cpu,
                    run.peakMb / base.peakMb);
      }
      std::printf("\n");
      std::fflush(stdout);
    }
  }
  return 0;
}
