// Arithmetic that overflowed or degenerated. A NaN compares false with every bound,
// so a deflection that is not a number would pass the closure and allowable-deflection
// tests and be reported as a closed solution; the iteration checks for it instead.
#ifndef VELDRA_ENGINE_WALL_FINITE_VALUES_H
#define VELDRA_ENGINE_WALL_FINITE_VALUES_H

#include "engine/state/problem_state.h"

#include <cmath>

namespace veldra::engine {

// Thrown by the iteration when a solve left a deflection that is not finite: the
// input (a wall far too soft for its loads, an increment length near zero) took the
// equations out of the range of the arithmetic. The driver ends the problem with an
// input error.
struct NonFiniteDeflections {
  int iteration = 0;
};

// True when a[first..last] are all finite.
inline bool all_finite(const StationArray& a, int first, int last) {
  for (int i = first; i <= last; ++i) {
    if (!std::isfinite(a[static_cast<std::size_t>(i)])) return false;
  }
  return true;
}

}  // namespace veldra::engine

#endif
