#include "engine/py/sand.h"

#include "engine/format/fortran_format.h"
#include "engine/py/equivalent_depth.h"
#include "engine/py/frictional_resistance.h"
#include "engine/py/offsets.h"
#include "engine/py/parabolic_curve.h"
#include "engine/py/py_constants.h"

#include <algorithm>
#include <cmath>

namespace veldra::engine::py {

SandShape sand_shape(double ps, double a, double bf, double b, double kx, double x) {
  SandShape s;
  s.pu = a * ps;
  s.yu = 3.0 * b / 80.0;
  s.pm = bf * ps;
  s.ym = b / 60.0;
  s.m = (s.pu - s.pm) / (s.yu - s.ym);
  s.n = s.pm / (s.m * s.ym);
  s.c = s.pm / std::pow(s.ym, 1.0 / s.n);
  s.yk = x > 0.0 ? std::pow(s.c / kx, s.n / (s.n - 1.0)) : 2.0 * b;
  rebuild_on_initial_line(s.yk, s.ym, s.yu, s.pu, kx);
  CurvePoints& p = s.points;
  parabolic_deflections(p, s.yk, s.ym, s.yu);
  for (int k = 1; k <= 17; ++k) {
    const double y = p.y[k];
    double v = 0.0;
    if (y <= s.yk && y < s.ym) {
      v = kx * y;
    } else if (y < s.ym) {
      v = s.c * std::pow(y, 1.0 / s.n);
    } else if (y < s.yu) {
      v = s.pm + s.m * (y - s.ym);
    } else {
      v = s.pu;
    }
    p.p[k] = std::min(v, kx * y);
  }
  return s;
}

namespace {

void write_heading(CurveFrame& f, double xs, double b, double phi, double gamma, double a,
                   double bf, const FrictionalResistance& r) {
  const UnitLabels& u = f.labels();
  fwrite(f.report(),
         "(//11X,'DEPTH BELOW GS',2X,'DIAM',3X,'PHI',2X,'GAMMA AVG',4X,'A',4X,'B',5X,'PCT',7X,"
         "'PCD'/17X,A2,9X,A2,9X,A3,A1,A2,A2,A1/10X,F10.2,4X,2F7.2,E9.2,2X,2F5.2,2E9.2//"
         "38X,'Y',19X,'P'/38X,A2,15X,A3,A1,A2)",
         {u.l2, u.l2, u.f3, u.slash, u.l2, u.power, u.three, xs, b, phi * 180.0 / kPi, gamma, a,
          bf, r.wedge, r.flow, u.l2, u.f3, u.slash, u.l2});
}

}  // namespace

void sand(CurveFrame& f, int j) {
  PyModel& m = f.model();
  PyLayer& layer = m.layers[j];
  const SoilLookups& look = f.lookups();
  const bool continuous = m.r < kCloseSpacing;
  double u_before = 0.0;
  for (int i = layer.l1; i <= layer.l2; ++i) {
    f.begin_curve(i);
    const double xc = m.xc[i];
    const double b = look.width();
    const double gamma = look.gamavg(xc);
    const double phi = look.phintp(xc);
    f.require(phi > 0.0 && phi < kPi / 2.0, j, i,
              "FRICTION ANGLE MUST LIE BETWEEN 0 AND 90 DEGREES");
    f.require(layer.k > 0.0, j, i, "MODULUS CONSTANT K MUST BE POSITIVE");
    f.require(gamma > 0.0, j, i,
              "MEAN EFFECTIVE UNIT WEIGHT ABOVE IT MUST BE POSITIVE; CHECK THE UNIT WEIGHTS");
    const FrictionCoefficients k = friction_coefficients(phi, kPi);
    if (i == layer.l1) {
      FirstCurveSoil s;
      s.b = b;
      s.gamma = gamma;
      s.k = k;
      s.xr = xc;
      layer.xeq = equivalent_depth(m, j, EquivalentSoil::Sand, s, look);
      f.require(std::isfinite(layer.xeq), j, i,
                "NO EQUIVALENT DEPTH IS DEFINED FOR ITS FRICTION ANGLE; CHECK IT");
    }
    const double pm = f.pm(i), ym = f.ym(i);
    const double dp = sand_offset(m.sigma_exc, k.ka, b);
    for (Side side : {Side::Excavation, Side::Backfill}) {
      const double xs = f.depth(i, side);
      const double x = xs - layer.zt + layer.xeq;
      const FrictionalResistance r = frictional_resistance(k, gamma, x, b);
      const double ps =
          continuous ? b * continuous_wall_kp(phi, phi / 2.0) * gamma * xs : r.ps;
      const double a = look.atab(xs), bf = look.btab(xs);
      const SandShape shape = sand_shape(ps, a, bf, b, layer.k * x, x);
      if (side == Side::Excavation) {
        layer.cumpu =
            i == layer.l1 ? 0.0 : layer.cumpu + (shape.pu + u_before) / 2.0 * (xc - m.xc[i - 1]);
        if (i == layer.l2) layer.cumpu += (layer.zb - xc) * shape.pu;
        u_before = shape.pu;
      }
      const CurvePoints pts = f.hand_on(shape.points, pm, ym, dp, side, j, i);
      f.write_side_heading(side);
      write_heading(f, xs, b, phi, gamma, a, bf, r);
      f.write_rows("(21X,2F20.5)", pts);
      f.write_multipliers(pm, ym);
      f.store(side, pts);
    }
  }
}

}  // namespace veldra::engine::py
