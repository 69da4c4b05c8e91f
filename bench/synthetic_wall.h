// The wall of the solver and iteration benchmarks, built straight into a problem
// state: 300 increments of 0.05 m, constant EI, a user pressure down to 10 m and 60
// chained p-y curves every third station below the excavation at 6 m. It is the
// wall of data/wall-300-increments.vd5d, so the figures of the parts and of the
// full analysis describe one problem.
#ifndef VELDRA_BENCH_SYNTHETIC_WALL_H
#define VELDRA_BENCH_SYNTHETIC_WALL_H

#include "engine/state/problem_state.h"

#include <memory>

namespace veldra::bench {

inline constexpr int kWallIncrements = 300;
inline constexpr int kWallCurves = 60;

// A state ready for engine::iterate: tables accumulated, pressure loaded, curves
// stored, boundary codes set, deflections zero.
std::unique_ptr<engine::ProblemState> make_synthetic_wall();

// Zero deflections, as the driver leaves them before each problem's iteration.
void clear_deflections(engine::ProblemState& st);

}  // namespace veldra::bench

#endif
