// SOFTCL: p-y curves of soft clay (soil type 1, and every code outside 2 to 7),
// static loading.
#ifndef VELDRA_ENGINE_PY_SOFT_CLAY_H
#define VELDRA_ENGINE_PY_SOFT_CLAY_H

#include "engine/py/curve_frame.h"

namespace veldra::engine::py {

// Ultimate resistance at depth x (the equivalent depth in lower layers): Np·c·b with
// Np = 3 + γ·x/c + 0.5·x/b, at most 9; 0 without cohesion. A continuous wall
// (`continuous`) takes γ·xr·b + 2·c·b, xr the depth below the side's surface.
double soft_clay_ultimate(double x, double xr, double c, double gamma, double b,
                          bool continuous);

struct SoftClayShape {
  double y50 = 0.0;          // 2.5·ε50·b
  double e0 = 0.0;           // modulus used below the smallest deflection
  CurvePoints points;        // p = 0.5·pu·(y/y50)^(1/3) up to 8·y50, pu beyond
};

// Needs ε50 > 0 and b > 0.
SoftClayShape soft_clay_shape(double pu, double e50, double b);

// The curves of layer j, both sides.
void soft_clay(CurveFrame& f, int j);

}  // namespace veldra::engine::py

#endif
