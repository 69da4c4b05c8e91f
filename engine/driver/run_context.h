// Everything one analysis run works on: its streams, the problem state and the
// run-level values the driver keeps between problems. One context per run, so that
// several runs can proceed at once on different threads.
#ifndef VELDRA_ENGINE_DRIVER_RUN_CONTEXT_H
#define VELDRA_ENGINE_DRIVER_RUN_CONTEXT_H

#include "engine/driver/record_reader.h"
#include "engine/state/iteration_outcome.h"
#include "engine/state/problem_state.h"
#include "veldra/engine.h"
#include "veldra/version.h"

#include <array>
#include <ctime>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace veldra::engine {

// The names the title page prints for the run's files.
struct FileNames {
  std::string data_path;     // full path of the data file
  std::string report_path;
  std::string plot_path;
  std::string version = kVersionText;
};

struct RunStreams {
  std::istream& data;
  std::ostream& report;      // unit 6
  std::ostream& plot;        // unit 3
  std::ostream& notes;       // unit 4
  std::ostream& console;     // messages of the soil models
};

struct RunContext {
  RunContext(const RunStreams& streams, FileNames names);

  RecordReader reader;
  std::ostream& report;
  std::ostream& plot;
  std::ostream& notes;
  std::ostream& console;
  FileNames names;

  // The problem state is large (a few hundred kB): it lives on the heap.
  std::unique_ptr<ProblemState> state;
  ProblemState& st() { return *state; }

  // Run-level values kept between problems.
  int problem = 0;           // problem counter, 1 for the first problem
  std::string current_title; // title of the problem being analysed
  std::string first_title;   // title of problem 1
  int result_sets = 1;       // K of the plot file's results blocks
  std::array<int, 11> control_lines{};  // line of each item of the control record (1-based)
  bool solved_any = false;   // some problem has results to repeat at the end

  // A row of the problem's station tables reached past station N + 3, the end of
  // the station arrays. Like any other data beyond the tip it stops the problem,
  // at the same point: once its tables and pressures are complete.
  bool rows_beyond_end = false;

  // The instant the title page prints; fixed per run when SOURCE_DATE_EPOCH is set.
  std::optional<std::time_t> fixed_time;

  RunStatus status;

  // Adds the summary of the problem just solved to the run status.
  void record_summary(const IterationOutcome& outcome);
};

// Runs every problem of the data file on already open streams and ends the run
// ("END OF ANALYSIS", final plot block). Never throws for bad input.
void run_problems(RunContext& ctx);

}  // namespace veldra::engine

#endif
