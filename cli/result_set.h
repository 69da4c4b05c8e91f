// The three result files of one data file (report, plot-data file, run notes)
// replace the old ones as one step: afterwards either all three new files are in
// place or the old ones are exactly as they were, whatever fails on the way (a full
// disk, a rename) and whenever an interrupt comes.
//
// How: the new files are first brought beside their targets under hidden names (a
// rename within one file system, a copy from another; nothing is replaced yet, so a
// full disk costs nothing). Then, under an advisory lock on the result set (flock on
// a hidden lock file beside the report) and the interrupt gate, each old file keeps
// a hidden hard link and the new one is renamed over it; if a rename fails, the
// links put back what was replaced.
//
// A target that is a symbolic link keeps the link: the file it points to is
// replaced. An existing target keeps its permissions (a read-only result stays
// read-only), as the application's own safe save does.
#ifndef VELDRA_CLI_RESULT_SET_H
#define VELDRA_CLI_RESULT_SET_H

#include <array>
#include <filesystem>
#include <string>

namespace veldra::cli {

using PathSet = std::array<std::filesystem::path, 3>;

// Failures a test can ask for, to see the set put back.
struct ResultSetFaults {
  int failing_rename = -1;   // the rename of this file (0 to 2) fails with EIO
  bool copy = false;         // bring the new files over by copying, as across file systems
};

// Moves `made` (finished files, removed afterwards whatever happens) over `targets`.
// Returns an empty string, or what went wrong: "cannot write PATH: REASON; the
// earlier results are unchanged".
std::string replace_results(const PathSet& made, const PathSet& targets,
                            const ResultSetFaults& faults = {});

// The name of the hidden lock file of a result set whose report is `report_name`:
// "." + name + ".lock", or a fixed-length hashed name when that would be longer than
// a file name may be.
std::string lock_file_name(const std::string& report_name);

}  // namespace veldra::cli

#endif
