// The report formatter alone: one line of the results table, and the whole results
// table of the 300-increment wall.
#include "bench/allocation_count.h"
#include "bench/null_stream.h"
#include "bench/synthetic_wall.h"
#include "engine/format/fortran_format.h"
#include "engine/report/results_report.h"
#include "engine/wall/iteration.h"
#include "engine/wall/wall_solver.h"

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace veldra::bench {
namespace {

// The layout of a results-table row: an integer and seven reals in E form.
constexpr const char* kResultsRow = "(2X,I4,2X,E10.3,6E12.3)";

void BM_FormatResultsRow(benchmark::State& state) {
  const engine::FortranFormat format(kResultsRow);
  const std::array<engine::FormatValue, 8> values = {
      150LL, 7.5, 0.0123456, -1.5e-4, 331.456, -12.25, 0.75, 150000.0};
  std::string line;
  const std::uint64_t before = allocations_so_far();
  for (auto _ : state) {
    line.clear();
    format.format_to(line, values);
    benchmark::DoNotOptimize(line.data());
  }
  state.counters["allocs"] = benchmark::Counter(
      static_cast<double>(allocations_so_far() - before), benchmark::Counter::kAvgIterations);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * line.size()));
}
BENCHMARK(BM_FormatResultsRow)->Name("ReportFormatter/results_row");

// fwrite of the 301 rows and the headings of the results table, the way the driver
// writes them (per-thread cache of parsed layouts, one reused line buffer).
void BM_WriteResultsTable(benchmark::State& state) {
  auto st = make_synthetic_wall();
  NullStream sink;
  const std::optional<engine::IterationOutcome> outcome = engine::iterate(*st, sink);
  if (!outcome) {
    state.SkipWithError("the curves of the wall are not in order");
    return;
  }
  auto derived = std::make_unique<engine::StationResults>();
  engine::derive_results(*st, *derived);
  engine::write_results(sink, *st, *outcome, *derived);
  for (auto _ : state) engine::write_results(sink, *st, *outcome, *derived);
  state.counters["rows"] = kWallIncrements + 1;
}
BENCHMARK(BM_WriteResultsTable)->Name("ReportFormatter/results_table_300");

}  // namespace
}  // namespace veldra::bench
