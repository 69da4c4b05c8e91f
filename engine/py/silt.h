// SILTPY: p-y curves of silt, a soil with cohesion and friction (soil type 5),
// static loading.
#ifndef VELDRA_ENGINE_PY_SILT_H
#define VELDRA_ENGINE_PY_SILT_H

#include "engine/py/curve_frame.h"

namespace veldra::engine::py {

struct SiltShape {
  int form = 1;              // 1 line, parabola and straight part; 2 line and straight
                             // part; 3 line up to pu
  double pu = 0.0, yu = 0.0; // A·ps at 3b/80
  double pm = 0.0, ym = 0.0; // 1.5·ps + pc at b/60
  double m = 0.0, n = 0.0, c = 0.0;
  double yk = 0.0;           // line meets parabola (form 1)
  double y2 = 0.0;           // line meets straight part (form 2)
  double y3 = 0.0;           // line reaches pu (form 3)
  CurvePoints points;
};

// From the frictional resistance ps, the cohesive resistance pc, the factor A, the
// width b, the initial modulus kx = k·x and the depth x. Needs kx > 0.
SiltShape silt_shape(double ps, double pc, double a, double b, double kx, double x);

// The cohesive resistance c·b·min(Np, 9), Np = 3 + γ·x/c + 0.5·x/b; 0 without
// cohesion; γ·xr·b + 2·c·b for a continuous wall.
double silt_cohesive_resistance(double x, double xr, double c, double gamma, double b,
                                bool continuous);

void silt(CurveFrame& f, int j);

}  // namespace veldra::engine::py

#endif
