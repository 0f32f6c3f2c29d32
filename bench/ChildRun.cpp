#include "ChildRun.h"

#include <QElapsedTimer>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace {

bench::ChildRun WaitFor(pid_t pid, const QElapsedTimer& timer) {
  bench::ChildRun run;
  int status = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) return run;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  run.wall = timer.nsecsElapsed() / 1e9;
  run.cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
            usage.ru_stime.tv_usec / 1e6;
  run.peakMb = usage.ru_maxrss / 1024.0;  // kilobytes on Linux
  return run;
}

}  // namespace

bench::ChildRun bench::RunProgram(const char* program, const QStringList& args) {
  std::vector<QByteArray> words{QByteArray(program)};
  for (const QString& a : args) words.push_back(a.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  QElapsedTimer timer;
  timer.start();
  const pid_t pid = fork();
  if (pid == 0) {
    execv(program, argv.data());
    _exit(127);
  }
  return WaitFor(pid, timer);
}

bench::ChildRun bench::RunApart(const std::function<void()>& work) {
  QElapsedTimer timer;
  timer.start();
  const pid_t pid = fork();
  if (pid == 0) {
    work();
    _exit(0);
  }
  return WaitFor(pid, timer);
}
