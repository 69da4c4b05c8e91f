#include "bench/full_analysis_bench.h"

#include "bench/allocation_count.h"
#include "engine/driver/run.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <system_error>
#include <vector>

namespace veldra::bench {
namespace {

namespace fs = std::filesystem;

// Data file to the report, plot-data file and run notes in `out_dir`, every time
// from opening the data file to closing the last output, as veldra-calc runs it.
// The outputs are removed between runs, untimed: veldra-calc writes new files, and
// truncating a file that holds data makes ext4 write it back at the next close
// (about 2 ms a file on this machine), which would measure the disk, not the run.
void run_full_analysis(benchmark::State& state, const fs::path& data, const fs::path& out_dir) {
  RunPaths paths;
  paths.data = data;
  const std::string stem = data.stem().string();
  paths.report = out_dir / (stem + ".vd5o");
  paths.plot = out_dir / (stem + ".vd5p");
  paths.notes = out_dir / (stem + ".vd5r");
  RunStatus status;
  std::uint64_t allocations = 0;
  for (auto _ : state) {
    const std::uint64_t before = allocations_so_far();
    status = engine::run_paths(paths, std::cerr);
    allocations += allocations_so_far() - before;
    state.PauseTiming();
    std::error_code ec;
    for (const fs::path* made : {&paths.report, &paths.plot, &paths.notes}) fs::remove(*made, ec);
    state.ResumeTiming();
  }
  if (status.outcome != RunOutcome::Finished) {
    state.SkipWithError(("analysis did not finish: " + status.message).c_str());
    return;
  }
  int iterations = 0;
  for (const ProblemSummary& p : status.problems) iterations += p.iterations;
  state.counters["problems"] = static_cast<double>(status.problems.size());
  state.counters["iterations"] = iterations;
  state.counters["allocs"] =
      benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

}  // namespace

int register_full_analyses(const std::vector<fs::path>& dirs, const fs::path& out_dir) {
  std::vector<fs::path> files;
  for (const fs::path& dir : dirs) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
      if (entry.path().extension() == ".vd5d") files.push_back(entry.path());
    }
    if (ec) std::cerr << "veldra-bench: cannot list " << dir.string() << ": " << ec.message() << '\n';
  }
  std::sort(files.begin(), files.end());
  for (const fs::path& file : files) {
    benchmark::RegisterBenchmark(("FullAnalysis/" + file.stem().string()).c_str(),
                                 [file, out_dir](benchmark::State& state) {
                                   run_full_analysis(state, file, out_dir);
                                 })
        ->Unit(benchmark::kMicrosecond);
  }
  return static_cast<int>(files.size());
}

}  // namespace veldra::bench
