// veldra-bench: the engine's benchmarks. Besides the options of Google Benchmark it
// reads VELDRA_BENCH_DATA, a colon-separated list of directories whose ".vd5d" files
// are analysed in full (default: the bundled examples, those for the command line,
// and bench/data).
#include "bench/full_analysis_bench.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> data_dirs() {
  std::vector<fs::path> dirs;
  if (const char* list = std::getenv("VELDRA_BENCH_DATA"); list && *list) {
    std::istringstream in(list);
    for (std::string dir; std::getline(in, dir, ':');) {
      if (!dir.empty()) dirs.emplace_back(dir);
    }
    return dirs;
  }
  return {VELDRA_EXAMPLES_DIR, VELDRA_EXAMPLES_DIR "/command-line", VELDRA_BENCH_DATA_DIR};
}

// The outputs of the full analyses go to a directory of their own, removed at the end.
class OutputDir {
 public:
  OutputDir() {
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    if (ec) base = "/tmp";
    std::string pattern = (base / "veldra-bench.XXXXXX").string();
    if (char* made = mkdtemp(pattern.data())) path_ = made;
  }
  ~OutputDir() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  OutputDir out;
  if (out.path().empty()) {
    std::cerr << "veldra-bench: cannot create an output directory\n";
    return 1;
  }
  veldra::bench::register_full_analyses(data_dirs(), out.path());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
