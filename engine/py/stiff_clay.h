// STIFFW and STIFFD: p-y curves of stiff clay with free water (soil type 2) and
// without free water (type 3), static loading.
#ifndef VELDRA_ENGINE_PY_STIFF_CLAY_H
#define VELDRA_ENGINE_PY_STIFF_CLAY_H

#include "engine/py/curve_frame.h"

namespace veldra::engine::py {

// Stiff clay with free water. pc is the ultimate resistance, as the factor As at the
// side's depth, y50 = ε50·b, kx = k·x the initial modulus. Needs y50 > 0.
// Points 0 to 6·As·y50 in steps of 0.5·As·y50, then 10, 14, 18 and 200·As·y50;
// every p capped by kx·y.
CurvePoints stiff_clay_wet_shape(double pc, double as, double y50, double kx);

// The ultimate resistance of stiff clay with free water at depth x: the smaller of
// 2·ca·b + γ·b·x + 2.83·ca·x and 11·c·b, or γ·x·b + 2·c·b for a continuous wall.
double stiff_clay_wet_ultimate(double x, double c, double ca, double gamma, double b,
                               bool continuous);

// Stiff clay without free water: pu = the smaller of 3·ca·b + γ·b·x + 0.5·ca·x and
// 9·c·b (γ·x·b + 2·c·b for a continuous wall); p = 0.5·pu·(y/y50)^0.25 up to 16·y50.
double stiff_clay_dry_ultimate(double x, double c, double ca, double gamma, double b,
                               bool continuous);
CurvePoints stiff_clay_dry_shape(double pu, double y50);

void stiff_clay_free_water(CurveFrame& f, int j);
void stiff_clay_no_free_water(CurveFrame& f, int j);

}  // namespace veldra::engine::py

#endif
