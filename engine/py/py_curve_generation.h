// The soil side of the p-y curves: curves generated from the soil layers (p-y
// code 2).
#ifndef VELDRA_ENGINE_PY_PY_CURVE_GENERATION_H
#define VELDRA_ENGINE_PY_PY_CURVE_GENERATION_H

#include "engine/state/capacities.h"

#include <array>
#include <vector>

namespace veldra::engine {

struct RunContext;

// One generated curve as its hand-over records carry it: the depth below the top
// of the wall and 34 records (p, y), 1-based: 1 to 17 the excavation side, 18 to 34
// the backfill side, each value exactly as its text record would carry it.
struct GeneratedCurve {
  double depth = 0.0;
  std::array<double, 35> p{};
  std::array<double, 35> y{};
};

// PYDATA: builds the p-y layers of the current problem, prints the p-y sections of
// the report and returns the generated curves in depth order. The user curves
// already stored are part of the hand-over count but not returned. Ends the run by
// throwing SoilModelStop or InputErrorStop.
std::vector<GeneratedCurve> pydata(RunContext& ctx);

}  // namespace veldra::engine

#endif
