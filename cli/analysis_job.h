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

JobResult run_job(const std::filesystem::path& data,
                  const std::optional<std::filesystem::path>& out_dir);

// Where run_job puts the results of `data`, without the extension: the output
// directory (or the data file's), made canonical as far as it exists, and the data
// file's stem. Two data files with one result base would overwrite each other.
std::filesystem::path result_base(const std::filesystem::path& data,
                                  const std::optional<std::filesystem::path>& out_dir);

// Exit status of a run: 0 finished, 2 input error, 3 soil-model stop, 1 otherwise.
int exit_status(const RunStatus& status);

// The short summary of a run on standard output.
void print_summary(std::ostream& out, const std::filesystem::path& data,
                   const JobResult& job);

}  // namespace veldra::cli

#endif
