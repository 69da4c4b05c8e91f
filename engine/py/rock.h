// ROCKPY and WROCKPY: p-y curves of strong rock (soil type 6) and weak rock
// (type 7), static loading. Rock curves carry no offset and add nothing to the
// resistance integral of the layers below.
#ifndef VELDRA_ENGINE_PY_ROCK_H
#define VELDRA_ENGINE_PY_ROCK_H

#include "engine/py/curve_frame.h"

namespace veldra::engine::py {

// Strong rock of compressive strength qu (> 0): elastic to 0.0004·b, then up to
// su·b at 0.0024·b, then broken, with the residual 0.5·γ·b·xs and no multiplier.
// The p-multiplier pm acts on the two intact branches only.
CurvePoints strong_rock_shape(double qu, double b, double gamma, double xs, double pm);

struct WeakRockShape {
  double pur = 0.0;          // ultimate resistance
  double kir = 0.0;          // initial modulus
  double ya = 0.0;           // end of the initial line
  CurvePoints points;
};

// Weak rock: mean strength qur, reduction αr from the RQD, depth into the rock xr,
// initial rock modulus eir, strain constant krm (> 0).
WeakRockShape weak_rock_shape(double qur, double rqd, double xr, double eir, double krm,
                              double b);

void strong_rock(CurveFrame& f, int j);
void weak_rock(CurveFrame& f, int j);

}  // namespace veldra::engine::py

#endif
