#include "cli/interrupt.h"

#include <csignal>

namespace veldra::cli {
namespace {

std::atomic<bool> g_stop{false};
volatile std::sig_atomic_t g_signal = 0;

static_assert(std::atomic<bool>::is_always_lock_free, "the flag is set in a signal handler");

extern "C" void on_interrupt(int sig) {
  g_signal = sig;
  g_stop.store(true);
  std::signal(sig, SIG_DFL);  // the next one ends the program
}

}  // namespace

const std::atomic<bool>& catch_interrupts() {
  std::signal(SIGINT, on_interrupt);
  std::signal(SIGTERM, on_interrupt);
  return g_stop;
}

int interrupting_signal() { return g_signal; }

}  // namespace veldra::cli
