#include "engine/py/multipliers.h"

#include "engine/py/py_constants.h"

#include <cmath>

namespace veldra::engine::py {
namespace {

double table_factor(const PyModel& m, double x, double PyModification::*factor) {
  const int n = m.nmods();
  const auto d = [&](int i) { return m.mods[i].depth; };
  const auto f = [&](int i) { return m.mods[i].*factor; };
  if (n < 2 || x < d(1) || x > d(n)) return 1.0;
  int i = 2;
  while (i < n && !(x <= d(i))) ++i;
  if (x == d(n)) return f(i);
  if (x == d(i)) return (i < n && d(i + 1) == d(i)) ? f(i + 1) : f(i);
  return f(i - 1) + (x - d(i - 1)) * (f(i) - f(i - 1)) / (d(i) - d(i - 1));
}

}  // namespace

double pmult(const PyModel& m, double x) {
  if (m.nmods() > 0) return table_factor(m, x, &PyModification::p_factor);
  if (m.r >= kCloseSpacing && m.r < kGroupUpperSpacing && x >= m.h_exc) {
    return kGroupFactor * std::pow(m.r, kGroupExponent);
  }
  return 1.0;
}

double ymult(const PyModel& m, double x) {
  if (m.nmods() > 0) return table_factor(m, x, &PyModification::y_factor);
  return 1.0;
}

}  // namespace veldra::engine::py
