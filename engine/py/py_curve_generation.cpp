#include "engine/py/py_curve_generation.h"

#include "engine/driver/data_error.h"
#include "engine/driver/run_context.h"

namespace veldra::engine {

// Generated p-y curves are not available yet: a problem that asks for them ends
// with a clear message rather than a result without soil.
std::vector<GeneratedCurve> pydata(RunContext& ctx) {
  data_error(ctx, "ERROR STOP -- GENERATED P-Y CURVES ARE NOT AVAILABLE");
}

}  // namespace veldra::engine
