// One analysis of a data file by the command-line front end: the engine runs in a
// private scratch directory, so that nothing is left in the user's directories but
// the three result files, which are moved beside the data file (or into the
// chosen output directory) when the run ends.
#ifndef VELDRA_CLI_ANALYSIS_JOB_H
#define VELDRA_CLI_ANALYSIS_JOB_H

#include "veldra/engine.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

namespace veldra::cli {

struct JobResult {
  RunStatus status;
  std::filesystem::path report;   // where the report ended up (empty if none)
  std::string error;              // a file error of the front end itself
};

// A directory of our own under the system's temporary directory, removed with
// whatever it holds when it goes. path() is empty when it could not be made.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Analyses `data` and moves its results into place. Without `shared_scratch` the
// job makes a scratch directory of its own; a batch worker passes the one it keeps
// for all of its jobs (one job at a time), which is left empty again.
JobResult run_job(const std::filesystem::path& data,
                  const std::optional<std::filesystem::path>& out_dir,
                  const ScratchDir* shared_scratch = nullptr);

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

// The short summary of a run on standard output.
void print_summary(std::ostream& out, const std::filesystem::path& data,
                   const JobResult& job);

}  // namespace veldra::cli

#endif
