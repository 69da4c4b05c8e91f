#include "engine/soil/earth_pressure_generation.h"

#include "engine/driver/data_error.h"
#include "engine/driver/run_context.h"

namespace veldra::engine {

// Generated earth pressures are not available yet: a problem that asks for them
// ends with a clear message rather than a result without soil.
std::vector<PressurePoint> epress(RunContext& ctx) {
  data_error(ctx, "ERROR STOP -- GENERATED EARTH PRESSURE IS NOT AVAILABLE");
}

double surchg(ProblemState&, double) { return 0.0; }

}  // namespace veldra::engine
