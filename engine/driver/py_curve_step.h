// The driver's p-y step: the curves generated from the soil layers (p-y code 2).
#ifndef VELDRA_ENGINE_DRIVER_PY_CURVE_STEP_H
#define VELDRA_ENGINE_DRIVER_PY_CURVE_STEP_H

#include "engine/py/generated_curve.h"

#include <vector>

namespace veldra::engine {

struct RunContext;

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

#endif  // VELDRA_ENGINE_DRIVER_PY_CURVE_STEP_H
