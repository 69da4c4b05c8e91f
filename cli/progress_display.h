// Progress of a batch on standard error: a bar redrawn in place on a terminal, one
// plain line per finished file otherwise (a log, a pipe, a cluster job's output).
#ifndef VELDRA_CLI_PROGRESS_DISPLAY_H
#define VELDRA_CLI_PROGRESS_DISPLAY_H

#include "cli/batch_run.h"

#include <chrono>
#include <cstddef>
#include <iosfwd>
#include <string>

namespace veldra::cli {

// A file whose engine printed console messages also gets one line of them, tied to
// the file ("FILE: READ SOIL DATA...."), in the styles Bar and Lines.
enum class ProgressStyle {
  Bar,    // "[#####-----]  12/40  1 failed  0:03", redrawn; failures printed above it
  Lines,  // "[12/40] FILE: analysis finished"
  None,   // --quiet: failures only
};

class ProgressDisplay {
 public:
  ProgressDisplay(std::ostream& out, ProgressStyle style, std::size_t total);

  // One more item is done (`done` of the total). Not thread-safe: the batch
  // serialises the calls.
  void item_done(const BatchItem& item, std::size_t done);

  // A line of the front end's own ("stopping..."), above the bar. Not thread-safe
  // either.
  void note(const std::string& line);

  // Draws the bar a last time and ends its line.
  void finish();

 private:
  void draw_bar(std::size_t done);
  void above_bar(const std::string& line);

  std::ostream& out_;
  ProgressStyle style_;
  std::size_t total_;
  std::size_t failed_ = 0;
  std::size_t done_ = 0;
  std::size_t bar_length_ = 0;  // characters of the bar now on the line
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point last_draw_;
};

}  // namespace veldra::cli

#endif
