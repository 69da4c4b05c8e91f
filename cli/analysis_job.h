// One analysis of a data file by the command-line front end: the engine runs in a
// private scratch directory, so that nothing is left in the user's directories but
// the three result files, which then replace the old ones beside the data file (or
// in the chosen output directory) as one step (result_set.h).
#ifndef VELDRA_CLI_ANALYSIS_JOB_H
#define VELDRA_CLI_ANALYSIS_JOB_H

#include "veldra/engine.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <shared_mutex>
#include <string>

namespace veldra::cli {

struct JobResult {
  RunStatus status;
  std::filesystem::path report;   // where the report ended up (empty if none)
  std::string error;              // a file error of the front end itself
  std::string console;            // what the engine wrote to its console
};

// A directory of our own under the system's temporary directory, removed with
// whatever it holds when it goes (and by remove_scratch_dirs() when the program is
// abandoned). path() is empty when it could not be made; error() then says why.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  const std::string& error() const { return error_; }

 private:
  std::filesystem::path path_;
  std::string error_;
};

// Removes every scratch directory that exists now. For the way out of an
// interrupted program; analyses still writing into one simply fail.
void remove_scratch_dirs();

// Analyses `data` and replaces its results. Without `shared_scratch` the job makes a
// scratch directory of its own; a batch worker passes the one it keeps for all of its
// jobs (one job at a time), which is left empty again. The results are replaced
// with the commit gate (interrupt.h) held; with `gate` the job leaves the gate held
// in it on return, so that the caller can record the result before an interrupt may
// end the program.
JobResult run_job(const std::filesystem::path& data,
                  const std::optional<std::filesystem::path>& out_dir,
                  const ScratchDir* shared_scratch = nullptr,
                  std::shared_lock<std::shared_mutex>* gate = nullptr);

// Where run_job puts the results of `data`, without the extension: the output
// directory (or the data file's), made canonical as far as it exists, and the data
// file's stem. Two data files with one result base would overwrite each other.
std::filesystem::path result_base(const std::filesystem::path& data,
                                  const std::optional<std::filesystem::path>& out_dir);

// True when every problem the run analysed closed within the tolerance and
// without a deflection beyond the allowable maximum.
bool all_closed(const RunStatus& status);

// Exit status of a run: 0 finished and closed, 5 finished without closing, 2 input
// error, 3 soil-model stop, 6 internal error, 1 otherwise (the README lists them).
int exit_status(const RunStatus& status);

// For an input error in a file named like an older data file (".vdd", ".vd4d"): a
// sentence that says how to convert it; empty otherwise.
std::string older_format_hint(const std::filesystem::path& data, const RunStatus& status);

// The engine's console messages of a run on one line (blank lines dropped, blanks
// run together), empty when it wrote none.
std::string console_line(const std::string& console);

// The short summary of a run on standard output.
void print_summary(std::ostream& out, const std::filesystem::path& data,
                   const JobResult& job);

}  // namespace veldra::cli

#endif
