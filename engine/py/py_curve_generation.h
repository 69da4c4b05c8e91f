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
// the backfill side, each value exactly as its text record would carry it (p and y
// rounded as written in E10.3, the depth in full).
struct GeneratedCurve {
  double depth = 0.0;
  std::array<double, 35> p{};
  std::array<double, 35> y{};
};

// PYDATA: builds the p-y layers of the current problem below the excavation level,
// prints the p-y sections of the report (switching the unit labels to the English
// set unless the units are SI) and returns the generated curves in depth order, five
// per layer, none when no layer reaches below the excavation level. The user curves
// already stored are not returned.
//
// Ends the run by throwing SoilModelStop (the stops of the look-ups and generators,
// after their console messages) or InputErrorStop (after a report message naming
// the layer, its soil type and the value to correct, for soil values that define no
// curve, and for Wp <= 0).
std::vector<GeneratedCurve> pydata(RunContext& ctx);

}  // namespace veldra::engine

#endif
