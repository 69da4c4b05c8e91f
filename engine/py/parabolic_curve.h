// The curve shape shared by sand and by the first form of silt: the initial line kx·y
// up to yk, the parabola C·y^(1/n) up to ym, a straight part up to (yu, pu), then pu.
#ifndef VELDRA_ENGINE_PY_PARABOLIC_CURVE_H
#define VELDRA_ENGINE_PY_PARABOLIC_CURVE_H

#include "engine/py/curve_frame.h"

namespace veldra::engine::py {

// When the initial line meets the parabola beyond yu, the curve is rebuilt on the
// line that reaches pu: yu = pu/kx, ym scaled with it, yk = ym/10. Otherwise nothing
// changes.
void rebuild_on_initial_line(double& yk, double& ym, double& yu, double pu, double kx);

// The 17 deflections: 0, yk1/2, yk1, nine equal steps to ym, ym, the thirds between
// ym and yu, yu, and the last point beyond yu; yk1 is yk when yk ≤ ym/5, else ym/10.
void parabolic_deflections(CurvePoints& p, double yk, double ym, double yu);

}  // namespace veldra::engine::py

#endif
