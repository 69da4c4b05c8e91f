#include "engine/py/equivalent_depth.h"

#include "engine/py/py_constants.h"

#include <cmath>
#include <limits>

namespace veldra::engine::py {
namespace {

// Soft clay: 3cb + γbx + 0.5cx grows until it reaches 9cb at xt, then stays.
double soft_clay_depth(double f, const FirstCurveSoil& s) {
  const double c = s.c, b = s.b, g = s.gamma;
  if (!(c > 0.0)) return 0.0;
  const double xt = 6.0 * c * b / (b * g + 0.5 * c);
  const double i = 3.0 * c * b * xt + b * g * xt * xt / 2.0 + c * xt * xt / 4.0;
  if (f > i) return (f - i) / (9.0 * c * b) + xt;
  const double a = 0.5 * g * b + 0.25 * c;
  return (-3.0 * c * b + std::sqrt(9.0 * c * b * c * b + 4.0 * a * f)) / (2.0 * a);
}

// Sand and silt: the wedge resistance, integrated in steps up to xt, then the deep
// resistance.
double frictional_depth(double f, bool silt, const FirstCurveSoil& s, const SoilLookups& look) {
  const FrictionCoefficients& k = s.k;
  const double b = s.b, g = s.gamma, c = s.c;
  const double tphi = std::tan(k.phi), tb = std::tan(k.beta), ta = std::tan(k.alpha);
  const double c1 =
      tb * (k.kp * ta + k.k0 * (tphi * std::sin(k.beta) * (1.0 / std::cos(k.alpha) + 1.0) - ta));
  const double c2 = k.kp - k.ka;
  const double c3 = k.kp * k.kp * (k.kp + k.k0 * tphi) - k.ka;
  const double xt = (c3 - c2) * b / c1;
  if (!(c1 > 0.0) || !(xt > 0.0) || !std::isfinite(xt)) {
    return std::numeric_limits<double>::quiet_NaN();
  }
  const int steps = silt ? 50 : 100;
  const double dx = xt / steps;
  double sum = 0.0;
  for (int n = 1; n <= steps; ++n) {
    const double x = n * dx;
    double p = b * b * g * look.atab(x) * (c1 * (x / b) * (x / b) + c2 * x / b);
    if (silt) p += 3.0 * c * b + g * b * x + 0.5 * c * x;
    const double before = sum;
    sum += p * dx;
    if (sum >= f) return x - (sum - f) * dx / (sum - before);
  }
  const double deep = kDeepA * c3 * b * g * s.xr + (silt ? 9.0 * c * b : 0.0);
  return (f - sum) / deep + xt;
}

}  // namespace

double resistance_above(const PyModel& m, int j) {
  double f = 0.0;
  for (int l = 1; l < j; ++l) f += m.layers[l].cumpu;
  return f;
}

double equivalent_depth(const PyModel& m, int j, EquivalentSoil soil, const FirstCurveSoil& s,
                        const SoilLookups& look) {
  const double f = resistance_above(m, j);
  if (j <= 1 || !(f > 0.0)) return 0.0;
  switch (soil) {
    case EquivalentSoil::SoftClay: return soft_clay_depth(f, s);
    case EquivalentSoil::Sand: return frictional_depth(f, false, s, look);
    case EquivalentSoil::Silt: return frictional_depth(f, true, s, look);
  }
  return 0.0;
}

}  // namespace veldra::engine::py
