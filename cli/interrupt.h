// Interruptions by SIGINT (Ctrl-C), SIGTERM and SIGHUP. The signals are blocked in
// every thread and taken by a watching thread of their own, so that no signal cuts
// the program off at an arbitrary point: results are replaced in a step that an
// interrupt never splits (the commit gate), and the scratch directories are removed
// on every way out.
//
// In a batch the first signal only asks that no further file be started: the
// analyses under way finish and the table follows. A second signal, or the first one
// while a single file is analysed, stops at once: the watcher waits for a replacement
// of results in progress to end, runs the abandon action (the front end removes its
// scratch directories and prints what it has) and ends the program with 128 + the
// signal's number.
#ifndef VELDRA_CLI_INTERRUPT_H
#define VELDRA_CLI_INTERRUPT_H

#include <atomic>
#include <functional>
#include <shared_mutex>
#include <thread>

namespace veldra::cli {

// Held (shared) while a result set is being replaced; the abandon path takes it
// exclusively, so that it waits for the replacement to end and none starts after it.
std::shared_mutex& commit_gate();

// True once an abandoning signal came: a replacement of results that has not begun
// must not begin (the gate prefers its shared holders, so a stream of them could
// otherwise keep the program from ending).
bool abandoning();

class InterruptWatch {
 public:
  // Blocks the signals in the calling thread and in every thread it starts later
  // (so construct it before any other thread), and starts the watcher.
  // `finish_first`: the first signal only sets stop(); otherwise it abandons at once.
  explicit InterruptWatch(bool finish_first);
  // From here on signals are ignored: the work is done and its output follows. Waits
  // for an abandon in progress (which ends the program).
  void finish();
  // Stops the watcher (after finish()).
  ~InterruptWatch();
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

  // Run on the watcher thread, with the commit gate held, before the program ends
  // on an abandoning signal. Set it before the work starts.
  void on_abandon(std::function<void(int signal)> action) { abandon_ = std::move(action); }
  // Run on the watcher thread when the first signal of a batch asks it to stop.
  void on_stop(std::function<void(int signal)> action) { stop_action_ = std::move(action); }

  const std::atomic<bool>& stop() const { return stop_; }
  int signal() const { return signal_.load(); }

 private:
  void watch();

  bool finish_first_;
  std::atomic<bool> stop_{false};
  std::atomic<int> signal_{0};
  std::atomic<bool> quitting_{false};
  std::function<void(int)> abandon_;
  std::function<void(int)> stop_action_;
  std::thread watcher_;
};

}  // namespace veldra::cli

#endif
