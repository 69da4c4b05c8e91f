#include "engine/driver/record_values.h"

#include "engine/driver/data_error.h"
#include "engine/driver/run_context.h"

#include <cmath>
#include <string>

namespace veldra::engine {

int nint(double x) { return static_cast<int>(std::lround(x)); }

bool fits_station(double x) { return std::isfinite(x) && std::fabs(x) < 1.0e6; }

int checked_count(RunContext& ctx, int count, int capacity, const char* what) {
  if (count < 0) {
    data_error(ctx, std::string("ERROR STOP -- NEGATIVE NUMBER OF ") + what + " ON LINE " +
                        std::to_string(ctx.reader.line()));
  }
  if (count > capacity) too_much_data(ctx);
  return count;
}

}  // namespace veldra::engine
