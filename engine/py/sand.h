// SANDPY: p-y curves of sand (soil type 4), static loading.
#ifndef VELDRA_ENGINE_PY_SAND_H
#define VELDRA_ENGINE_PY_SAND_H

#include "engine/py/curve_frame.h"

namespace veldra::engine::py {

struct SandShape {
  double pu = 0.0, yu = 0.0;   // ultimate point (A·ps at 3b/80)
  double pm = 0.0, ym = 0.0;   // the point B·ps at b/60
  double yk = 0.0;             // where the initial line kx·y meets the parabola
  double m = 0.0, n = 0.0, c = 0.0;  // slope of the straight part; parabola C·y^(1/n)
  CurvePoints points;
};

// From the frictional resistance ps, the factors A and B, the width b, the initial
// modulus kx = k·x and the depth x. When the line kx·y meets the parabola beyond yu
// the curve is rebuilt on yu = pu/kx. Needs ps > 0 and kx > 0.
SandShape sand_shape(double ps, double a, double bf, double b, double kx, double x);

void sand(CurveFrame& f, int j);

}  // namespace veldra::engine::py

#endif
