#include "engine/py/parabolic_curve.h"

#include "engine/py/py_constants.h"

namespace veldra::engine::py {

void rebuild_on_initial_line(double& yk, double& ym, double& yu, double pu, double kx) {
  if (yk <= yu) return;
  ym = (ym / yu) * (pu / kx);
  yu = pu / kx;
  yk = ym / 10.0;
}

void parabolic_deflections(CurvePoints& p, double yk, double ym, double yu) {
  const double yk1 = yk <= ym / 5.0 ? yk : ym / 10.0;
  p.y[1] = 0.0;
  p.y[2] = yk1 / 2.0;
  p.y[3] = yk1;
  for (int t = 1; t <= 9; ++t) p.y[3 + t] = yk1 + (ym - yk1) * t / 10.0;
  p.y[13] = ym;
  p.y[14] = (2.0 * ym + yu) / 3.0;
  p.y[15] = (2.0 * yu + ym) / 3.0;
  p.y[16] = yu;
  p.y[17] = kLastPointFactor * yu;
}

}  // namespace veldra::engine::py
