// The finite-difference solve and the iteration loop of the 300-increment wall.
#include "bench/allocation_count.h"
#include "bench/null_stream.h"
#include "bench/synthetic_wall.h"
#include "engine/wall/iteration.h"
#include "engine/wall/wall_solver.h"

#include <benchmark/benchmark.h>

#include <optional>

namespace veldra::bench {
namespace {

// One forward elimination and back substitution over 300 increments, with the
// springs of the converged solution in Q2 and S2.
void BM_SolveWall300(benchmark::State& state) {
  auto st = make_synthetic_wall();
  NullStream notes;
  engine::iterate(*st, notes);
  const std::uint64_t before = allocations_so_far();
  for (auto _ : state) {
    engine::solve_wall(*st);
    benchmark::DoNotOptimize(st->W.data());
    benchmark::ClobberMemory();
  }
  state.counters["allocs"] = benchmark::Counter(
      static_cast<double>(allocations_so_far() - before), benchmark::Counter::kAvgIterations);
  state.counters["stations"] = kWallIncrements + 3;
}
BENCHMARK(BM_SolveWall300)->Name("SolveWall/300_increments");

// The whole nonlinear iteration from zero deflections to closure: 60 chained curves
// linearized and spread over their spans, one solve and one monitor line per
// iteration.
void BM_IterationLoop(benchmark::State& state) {
  auto st = make_synthetic_wall();
  NullStream notes;
  engine::iterate(*st, notes);  // the formatter parses the monitor layout once per thread
  std::uint64_t allocations = 0;
  std::optional<engine::IterationOutcome> outcome;
  for (auto _ : state) {
    clear_deflections(*st);
    const std::uint64_t before = allocations_so_far();
    outcome = engine::iterate(*st, notes);
    allocations += allocations_so_far() - before;
    benchmark::DoNotOptimize(st->W.data());
  }
  state.counters["allocs"] =
      benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
  if (!outcome || !outcome->closed()) {
    state.SkipWithError("the wall did not close");
    return;
  }
  state.counters["iterations"] = outcome->iterations;
}
BENCHMARK(BM_IterationLoop)->Name("IterationLoop/60_chained_curves");

}  // namespace
}  // namespace veldra::bench
