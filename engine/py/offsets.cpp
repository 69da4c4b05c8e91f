#include "engine/py/offsets.h"

#include "engine/py/py_constants.h"

#include <cmath>

namespace veldra::engine::py {

double clay_offset(double sigma_exc, double c, double b) {
  const double dp = sigma_exc * b - 2.0 * c * b;
  return dp <= kOffsetFloorClay ? 0.0 : dp;
}

double sand_offset(double sigma_exc, double ka, double b) {
  const double dp = sigma_exc * ka * b;
  return dp < kOffsetFloorFriction ? 0.0 : dp;
}

double silt_offset(double sigma_exc, double ka, double c, double b) {
  const double dp = sigma_exc * ka * b - 2.0 * c * std::sqrt(ka) * b;
  return dp < kOffsetFloorFriction ? 0.0 : dp;
}

}  // namespace veldra::engine::py
