#include "engine/py/soil_lookups.h"

#include "engine/format/fortran_format.h"
#include "engine/py/py_constants.h"
#include "engine/state/soil_model_stop.h"

namespace veldra::engine::py {

double SoilLookups::width() const { return m_.b; }

double SoilLookups::gamavg(double x) const {
  const int nw = m_.nw();
  if (x < 0.0 || nw == 0) return 0.0;
  if (x < kDepthFloor) {
    for (int i = 1; i <= nw; ++i) {
      if (m_.w[i].gamma > 0.0) return m_.w[i].gamma;
    }
    return m_.w[nw].gamma;
  }
  if (x > m_.w[nw].x) throw SoilModelStop{4, "DEPTH BEYOND THE UNIT-WEIGHT PROFILE"};
  // The mean of a unit weight varying linearly between the points.
  double sum = 0.0;
  for (int i = 2; i <= nw; ++i) {
    const UnitWeightPoint& a = m_.w[i - 1];
    const UnitWeightPoint& b = m_.w[i];
    if (b.x <= x) {
      sum += (a.gamma + b.gamma) / 2.0 * (b.x - a.x) / x;
      continue;
    }
    if (b.x - a.x < kDepthFloor) return sum;
    const double g = a.gamma + (x - a.x) * (b.gamma - a.gamma) / (b.x - a.x);
    return sum + (a.gamma + g) / 2.0 * (x - a.x) / x;
  }
  return sum;
}

// The value of a strength-profile field at x: at a layer boundary (a double point)
// the lower layer's value or the mean of the two; `beyond` is set when x lies below
// the profile, and the last value is returned.
double SoilLookups::interpolate(double x, double StrengthPoint::*field, AtBoundary rule,
                                bool* beyond) const {
  const int ns = m_.ns();
  *beyond = false;
  if (ns == 0) return 0.0;
  if (ns == 1) return m_.s[1].*field;
  int i = 2;
  while (i <= ns && !(x <= m_.s[i].x)) ++i;
  if (i > ns) {
    *beyond = true;
    return m_.s[ns].*field;
  }
  const StrengthPoint& p = m_.s[i];
  if (x == m_.s[ns].x) return p.*field;
  if (x == p.x) {
    if (i == ns || m_.s[i + 1].x != p.x) return p.*field;
    const double upper = p.*field;
    const double lower = m_.s[i + 1].*field;
    if (rule == AtBoundary::Lower) return lower < kZeroValue ? upper : lower;
    if (upper < kZeroValue) return lower;
    if (lower < kZeroValue) return upper;
    return (upper + lower) / 2.0;
  }
  const StrengthPoint& a = m_.s[i - 1];
  if (p.x == a.x) return p.*field;
  return a.*field + (x - a.x) * (p.*field - a.*field) / (p.x - a.x);
}

double SoilLookups::cintp(double x) const {
  bool beyond = false;
  const double c = interpolate(x, &StrengthPoint::c, AtBoundary::Lower, &beyond);
  if (beyond) {
    for (int k = 0; k < 2; ++k) {
      fwrite(console_,
             "(/29X,'**** WARNING ****'/5X,'THE VALUE OF X =',G9.1,'IS BEYOND THE EXTENT OF'/"
             "5X,'THE INPUT STRENGTH CURVE')",
             {x});
    }
    throw SoilModelStop{1, "DEPTH BEYOND THE INPUT STRENGTH CURVE"};
  }
  return c;
}

double SoilLookups::phintp(double x) const {
  bool beyond = false;
  const double phi = interpolate(x, &StrengthPoint::phi, AtBoundary::Mean, &beyond);
  if (beyond) {
    for (int k = 0; k < 2; ++k) {
      fwrite(console_,
             "(/29X,'**** WARNING ****'/5X,'THE VALUE OF X =',G9.1,' IS BEYOND THE EXTENT OF'/"
             "5X,'THE INPUT PHI CURVE')",
             {x});
    }
    throw SoilModelStop{0, "DEPTH BEYOND THE INPUT PHI CURVE"};
  }
  return phi;
}

double SoilLookups::e50intp(double x) const {
  bool beyond = false;
  return interpolate(x, &StrengthPoint::e50, AtBoundary::Mean, &beyond);
}

double SoilLookups::p6intp(double x) const {
  bool beyond = false;
  return interpolate(x, &StrengthPoint::p6, AtBoundary::Mean, &beyond);
}

double SoilLookups::cavgl(double x, int j) const {
  if (x < 0.0) return 0.0;
  const StrengthPoint& top = m_.s[2 * j - 1];
  const StrengthPoint& bottom = m_.s[2 * j];
  if (x - top.x < kLayerTopWindow) return cintp(x);
  const auto mean_to = [&] {
    const double t = bottom.x - top.x;
    const double cx = t < kDepthFloor ? 0.0 : top.c + (x - top.x) * (bottom.c - top.c) / t;
    return (cx + top.c) / 2.0;
  };
  if (x < bottom.x) return mean_to();
  if (x <= m_.s[m_.ns()].x) return 0.0;
  fwrite(report_,
         "(/29X,'**** WARNING ****'/5X,'THE VALUE OF X =',E9.2,'IS BEYOND THE EXTENT OF THE/'/"
         "5X,'INPUT CURVE FOR STRENGTH')",
         {x});
  return mean_to();
}

double SoilLookups::astab(double x) const { return factor_table(kAsRatios, kAsValues, x / m_.b); }
double SoilLookups::atab(double x) const { return factor_table(kAbRatios, kAValues, x / m_.b); }
double SoilLookups::btab(double x) const { return factor_table(kAbRatios, kBValues, x / m_.b); }

}  // namespace veldra::engine::py
