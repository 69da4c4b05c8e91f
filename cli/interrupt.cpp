#include "cli/interrupt.h"

#include <pthread.h>
#include <unistd.h>

#include <csignal>
#include <mutex>

namespace veldra::cli {
namespace {

sigset_t watched_signals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGHUP);
  return set;
}

std::atomic<bool> g_abandoning{false};

}  // namespace

bool abandoning() { return g_abandoning.load(); }

std::shared_mutex& commit_gate() {
  static std::shared_mutex gate;
  return gate;
}

InterruptWatch::InterruptWatch(bool finish_first) : finish_first_(finish_first) {
  const sigset_t set = watched_signals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  watcher_ = std::thread([this] { watch(); });
}

void InterruptWatch::finish() {
  std::unique_lock gate(commit_gate());
  quitting_.store(true);
}

InterruptWatch::~InterruptWatch() {
  finish();
  // Wakes the watcher; it sees that the program is ending and leaves.
  pthread_kill(watcher_.native_handle(), SIGHUP);
  watcher_.join();
}

void InterruptWatch::watch() {
  const sigset_t set = watched_signals();
  for (;;) {
    int sig = 0;
    if (sigwait(&set, &sig) != 0) continue;
    if (quitting_.load()) return;
    const bool first = signal_.load() == 0;
    signal_.store(sig);
    if (first && finish_first_) {
      stop_.store(true);
      if (stop_action_) stop_action_(sig);
      continue;
    }
    // Never unlocked: the program ends with the gate held, so no replacement of
    // results starts after this point and none is cut off halfway.
    g_abandoning.store(true);
    commit_gate().lock();
    if (quitting_.load()) {
      g_abandoning.store(false);
      commit_gate().unlock();
      return;
    }
    if (abandon_) abandon_(sig);
    _exit(128 + sig);
  }
}

}  // namespace veldra::cli
