// Full analyses of data files found at run time: every example, and the benchmark's
// own 300-increment wall, so that examples added later are measured too.
#ifndef VELDRA_BENCH_FULL_ANALYSIS_BENCH_H
#define VELDRA_BENCH_FULL_ANALYSIS_BENCH_H

#include <filesystem>
#include <vector>

namespace veldra::bench {

// Registers one benchmark "FullAnalysis/<name>" per ".vd5d" file in the directories,
// writing the outputs into out_dir. Returns the number of files found.
int register_full_analyses(const std::vector<std::filesystem::path>& dirs,
                           const std::filesystem::path& out_dir);

}  // namespace veldra::bench

#endif
