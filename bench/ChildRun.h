// A child process of a benchmark, measured: its wall-clock and CPU seconds
// and its peak memory (getrusage's maximum resident size). Start children
// from a process that has stayed small: that peak counts what the process
// a child was forked from held.
#ifndef BENCH_CHILDRUN_H
#define BENCH_CHILDRUN_H

#include <QStringList>
#include <functional>

namespace bench {

struct ChildRun {
  bool ok = false;  // ended with exit status 0
  double wall = 0, cpu = 0, peakMb = 0;
};

// Runs program (a path) with args and waits for it.
ChildRun RunProgram(const char* program, const QStringList& args);
// Runs work in a forked child, which ends with 0 when work returns.
ChildRun RunApart(const std::function<void()>& work);

}  // namespace bench

#endif  // BENCH_CHILDRUN_H
