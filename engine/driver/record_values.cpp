#include "engine/driver/record_values.h"

#include "engine/driver/data_error.h"
#include "engine/driver/run_context.h"

#include <cmath>
#include <string>

namespace veldra::engine {

int nint(double x) { return static_cast<int>(std::lround(x)); }

bool fits_station(double x) { return std::isfinite(x) && std::fabs(x) < 1.0e6; }

std::string where(ValueAt at) {
  return "ON LINE " + std::to_string(at.line) + ", ITEM " + std::to_string(at.item);
}


ValueAt control_item(const RunContext& ctx, int item) {
  return {ctx.control_lines[static_cast<std::size_t>(item)], item};
}

std::string too_many(long long count, const char* what, ValueAt at, int capacity) {
  return std::to_string(count) + " " + what + " " + where(at) + " (AT MOST " +
         std::to_string(capacity) + ")";
}

int checked_count(RunContext& ctx, int count, int capacity, const char* what, ValueAt at) {
  if (count < 0) {
    data_error(ctx, std::string("ERROR STOP -- NEGATIVE NUMBER OF ") + what + " " + where(at));
  }
  if (count > capacity) too_much_data(ctx, too_many(count, what, at, capacity));
  return count;
}

int read_count(RunContext& ctx, int capacity, const char* what) {
  const int count = ctx.reader.read_int();
  return checked_count(ctx, count, capacity, what, {ctx.reader.line_of_item(1), 1});
}

}  // namespace veldra::engine
