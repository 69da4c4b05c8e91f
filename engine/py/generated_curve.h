// One generated p-y curve as the p-y generators hand it to the driver.
#ifndef VELDRA_ENGINE_PY_GENERATED_CURVE_H
#define VELDRA_ENGINE_PY_GENERATED_CURVE_H

#include <array>

namespace veldra::engine {

// The depth below the top of the wall and 34 records (p, y), 1-based: 1 to 17 the
// excavation side, 18 to 34 the backfill side, each value exactly as its text
// record would carry it (p and y rounded as written in E10.3, the depth in full).
struct GeneratedCurve {
  double depth = 0.0;
  std::array<double, 35> p{};
  std::array<double, 35> y{};
};

}  // namespace veldra::engine

#endif  // VELDRA_ENGINE_PY_GENERATED_CURVE_H
