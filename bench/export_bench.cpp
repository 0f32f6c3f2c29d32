// `tallowby-db export` on data folders of 10^4 and 10^5 invoices (the books
// of BenchBooks.h: 3 items and 1 payment each), to each of its three
// formats. Prints the seconds of each run (wall clock and the program's CPU
// time) and its peak memory (getrusage's maximum resident size), then the
// ratios 10^5 / 10^4: the time grows with the records, the memory must not.
//   export_bench [--runs N] [--keep DIR]
// The folders are written into a temporary folder (or under DIR, kept for
// later runs) and removed at the end.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BenchBooks.h"

namespace {

constexpr long kSizes[] = {10000, 100000};

void Fail(const QString& what) {
  std::fprintf(stderr, "export_bench: %s\n", qPrintable(what));
  std::exit(1);
}

// One run of a child process: its wall and CPU seconds, its peak memory.
struct Run {
  double wall = 0, cpu = 0, peakMb = 0;
};

// Waits for the child pid; fails the bench when it did not end with 0.
Run Wait(pid_t pid, const QElapsedTimer& timer, const QString& what) {
  int status = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) Fail(what + ": cannot be started");
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) Fail(what + ": failed");
  Run run;
  run.wall = timer.nsecsElapsed() / 1e9;
  run.cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
            usage.ru_stime.tv_usec / 1e6;
  run.peakMb = usage.ru_maxrss / 1024.0;  // kilobytes on Linux
  return run;
}

// The books are written in a child, so the bench itself stays small: a
// program's peak memory as getrusage tells it includes what the process
// it was started from held.
void WriteBooksApart(const QString& dir, long n) {
  QElapsedTimer timer;
  timer.start();
  const pid_t pid = fork();
  if (pid == 0) {
    bench::WriteBooks(dir, n);
    _exit(0);
  }
  const Run run = Wait(pid, timer, "writing the books");
  std::printf("wrote %ld invoices in %.1f s\n", n, run.wall);
}

Run Export(const QString& dir, const QString& option, const QString& target) {
  QDir(target).removeRecursively();
  QFile::remove(target);
  const QByteArray a = dir.toLocal8Bit(), o = option.toLocal8Bit(), t = target.toLocal8Bit();
  char* argv[] = {const_cast<char*>(TALLOWBY_DB), const_cast<char*>("export"),
                  const_cast<char*>(a.constData()), const_cast<char*>(o.constData()),
                  const_cast<char*>(t.constData()), nullptr};
  QElapsedTimer timer;
  timer.start();
  const pid_t pid = fork();
  if (pid == 0) {
    execv(TALLOWBY_DB, argv);
    _exit(127);
  }
  return Wait(pid, timer, "tallowby-db export " + dir + " " + option);
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
  std::vector<std::vector<Run>> best(formats.size());
  for (long n : kSizes) {
    const QString dir = QStringLiteral("%1/invoices-%2").arg(root).arg(n);
    if (!QDir(dir).exists("INV5.dbf")) {
      QDir().mkpath(dir);
      WriteBooksApart(dir, n);
    }
    for (size_t f = 0; f < formats.size(); ++f) {
      Run b;
      for (int k = 0; k < runs; ++k) {
        const Run r = Export(dir, formats[f].option, root + "/" + formats[f].target);
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
    const Run& a = best[f][0];
    const Run& b = best[f][1];
    std::printf("%-10s %12.1f %12.1f %14.2f\n", formats[f].option, a.cpu > 0 ? b.cpu / a.cpu : 0.0,
                a.wall > 0 ? b.wall / a.wall : 0.0, a.peakMb > 0 ? b.peakMb / a.peakMb : 0.0);
  }
  return 0;
}
