// What the solution derives at each station beside the deflection, shared by the
// wall model that computes it and the report that prints it.
#ifndef VELDRA_ENGINE_STATE_STATION_RESULT_H
#define VELDRA_ENGINE_STATE_STATION_RESULT_H

#include "engine/state/capacities.h"

#include <array>

namespace veldra::engine {

struct StationResult {
  double slope = 0.0;
  double moment = 0.0;
  double shear = 0.0;
  double reaction = 0.0;
};

// Indexed like the station arrays of the problem state (station + 4).
using StationResults = std::array<StationResult, kStationEntries + 1>;

}  // namespace veldra::engine

#endif  // VELDRA_ENGINE_STATE_STATION_RESULT_H
