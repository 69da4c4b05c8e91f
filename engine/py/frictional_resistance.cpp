#include "engine/py/frictional_resistance.h"

#include "engine/py/py_constants.h"

#include <algorithm>
#include <cmath>

namespace veldra::engine::py {

FrictionCoefficients friction_coefficients(double phi, double pi) {
  FrictionCoefficients k;
  k.phi = phi;
  k.alpha = phi / 2.0;
  k.beta = pi / 4.0 + phi / 2.0;
  const double ta = std::tan(pi / 4.0 - phi / 2.0);
  const double tp = std::tan(pi / 4.0 + phi / 2.0);
  k.ka = ta * ta;
  k.kp = tp * tp;
  k.k0 = kRestCoefficient;
  return k;
}

FrictionalResistance frictional_resistance(const FrictionCoefficients& k, double gamma,
                                           double x, double b) {
  const double tphi = std::tan(k.phi);
  const double tb = std::tan(k.beta);
  const double ta = std::tan(k.alpha);
  const double sb = std::sin(k.beta);
  const double tbp = std::tan(k.beta - k.phi);
  const double t1 = k.k0 * x * tphi * sb / (tbp * std::cos(k.alpha));
  const double t2 = tb / tbp * (b + x * tb * ta);
  const double t3 = k.k0 * x * tb * (tphi * sb - ta);
  const double t4 = b * k.ka;
  FrictionalResistance r;
  r.wedge = gamma * x * (t2 + t1 + t3 - t4);
  const double tb4 = tb * tb * tb * tb;
  r.flow = b * k.ka * gamma * x * (tb4 * tb4 - 1.0) + b * k.k0 * gamma * x * tphi * tb4;
  r.ps = std::min(r.wedge, r.flow);
  return r;
}

double continuous_wall_kp(double phi, double delta) {
  const double c = std::cos(phi);
  const double root = 1.0 - std::sqrt(std::sin(phi + delta) * std::sin(phi) / std::cos(delta));
  return c * c / (std::cos(delta) * root * root);
}

}  // namespace veldra::engine::py
