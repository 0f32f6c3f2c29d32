#include "MappedCopy.h"

#include <setjmp.h>
#include <signal.h>

#include <atomic>
#include <cstring>

namespace tbengine {
namespace {

// Where a copy in progress on this thread resumes after a fault.
thread_local sigjmp_buf* t_resume = nullptr;
struct sigaction g_before;

void OnBusError(int sig, siginfo_t* info, void* context) {
  if (t_resume != nullptr) siglongjmp(*t_resume, 1);
  if ((g_before.sa_flags & SA_SIGINFO) != 0 && g_before.sa_sigaction != nullptr) {
    g_before.sa_sigaction(sig, info, context);
  } else if (g_before.sa_handler != SIG_DFL && g_before.sa_handler != SIG_IGN) {
    g_before.sa_handler(sig);
  } else {
    // The fault repeats on return and now ends the program as it would have.
    ::signal(SIGBUS, SIG_DFL);
  }
}

bool Install() {
  struct sigaction sa {};
  sa.sa_sigaction = OnBusError;
  sa.sa_flags = SA_SIGINFO | SA_NODEFER;  // not blocked after the jump out
  sigemptyset(&sa.sa_mask);
  return ::sigaction(SIGBUS, &sa, &g_before) == 0;
}

}  // namespace

bool CopyFromMapping(void* dst, const void* src, size_t n) {
  static const bool installed = Install();
  if (!installed) return false;
  sigjmp_buf resume;
  if (sigsetjmp(resume, 0) != 0) {
    t_resume = nullptr;
    return false;
  }
  t_resume = &resume;
  std::atomic_signal_fence(std::memory_order_seq_cst);
  std::memcpy(dst, src, n);
  std::atomic_signal_fence(std::memory_order_seq_cst);
  t_resume = nullptr;
  return true;
}

}  // namespace tbengine
