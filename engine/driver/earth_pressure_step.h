// The driver's earth-pressure step: the generated distributions of earth-pressure
// codes 2 and 3, built by the soil models from the run's problem.
#ifndef VELDRA_ENGINE_DRIVER_EARTH_PRESSURE_STEP_H
#define VELDRA_ENGINE_DRIVER_EARTH_PRESSURE_STEP_H

#include "engine/state/problem_state.h"

#include <vector>

namespace veldra::engine {

struct RunContext;

// The generated pressure points (depth X, total P, soil part P2, surcharge part P3,
// per unit width), each value exactly as its E10.3 text record would carry it: those
// that load the wall, and the same points as the report prints and the graph draws
// them (with the net water pressure below the excavation level, see
// soil::Distribution). Both hold the announced count of points: one per inch (per
// 0.05 m in SI units) of every layer, the last layer down to the tip of the wall.
struct GeneratedPressure {
  std::vector<PressurePoint> points;
  std::vector<PressurePoint> shown;
};

// EPRESS: builds the soil profile of the current problem, prints the wall,
// surcharge, soil and earth-pressure sections of the report, and returns the
// generated pressure points. Also sets
// st.sigma_v_excavation and loads the last surcharge row into the single slots.
// Ends the run by throwing SoilModelStop (code 1: no layer starts at the
// excavation level; code 2: more than 21 layers) or, through data_error, on a
// profile ending above the tip, a free height off the wall, a water table above
// the surface, a trapezoidal distribution without usable supports, or values
// that overflow.
GeneratedPressure epress(RunContext& ctx);

}  // namespace veldra::engine

#endif  // VELDRA_ENGINE_DRIVER_EARTH_PRESSURE_STEP_H
