#include "engine/py/soft_clay.h"

#include "engine/format/fortran_format.h"
#include "engine/py/equivalent_depth.h"
#include "engine/py/offsets.h"
#include "engine/py/py_constants.h"

#include <cmath>

namespace veldra::engine::py {

double soft_clay_ultimate(double x, double xr, double c, double gamma, double b,
                          bool continuous) {
  if (continuous) return gamma * xr * b + 2.0 * c * b;
  const double np = c > 0.0 ? 3.0 + gamma * x / c + 0.5 * x / b : 0.0;
  return np <= 9.0 ? np * c * b : 9.0 * c * b;
}

SoftClayShape soft_clay_shape(double pu, double e50, double b) {
  SoftClayShape s;
  s.y50 = 2.5 * e50 * b;
  // The secant of the curve at the smallest deflection, so that the curve runs
  // straight to the origin below it.
  s.e0 = 0.5 * pu * std::pow(s.y50 / kYMin, kTwoThirds) / s.y50;
  for (int k = 1; k <= 17; ++k) {
    const double y = 8.0 * s.y50 * kSoftClayDeflections[k];
    s.points.y[k] = y;
    if (y < kYMin) {
      s.points.p[k] = s.e0 * y;
    } else if (y <= 8.0 * s.y50) {
      s.points.p[k] = 0.5 * pu * std::pow(y / s.y50, kOneThird);
    } else {
      s.points.p[k] = pu;
    }
  }
  return s;
}

namespace {

void write_heading(CurveFrame& f, double xs, double b, double c, double gamma, double e50) {
  const UnitLabels& u = f.labels();
  fwrite(f.report(),
         "(/9X,'DEPTH BELOW GS',6X,'DIAM',8X,'C',6X,'GAMMA AVG',6X,'E50'/"
         "15X,A2,13X,A2,5X,A3,A1,A2,A2,A1,2X,A3,A1,A2,A2,A1)",
         {u.l2, u.l2, u.f3, u.slash, u.l2, u.power, u.two, u.f3, u.slash, u.l2, u.power,
          u.three});
  fwrite(f.report(), "(8X,F10.2,6X,F10.3,1X,G10.4,1X,G10.4,1X,G12.4)", {xs, b, c, gamma, e50});
  fwrite(f.report(), "(/37X,'Y,',A2,13X,'P,',A3,A1,A2)", {u.l2, u.f3, u.slash, u.l2});
}

void write_rows(CurveFrame& f, const CurvePoints& pts, double e0) {
  for (int k = 1; k <= 17; ++k) {
    fwrite(f.report(), "(1X,20X,2F20.5)", {pts.y[k], pts.p[k]});
    if (k >= 2 && pts.y[k] < kYMin) {
      fwrite(f.report(),
             "(/29X,'**** WARNING ****'/5X,'DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM'/"
             "5X,'USED A SOIL MODULUS OF ',G12.4)",
             {e0});
    }
  }
}

}  // namespace

void soft_clay(CurveFrame& f, int j) {
  PyModel& m = f.model();
  PyLayer& layer = m.layers[j];
  const SoilLookups& look = f.lookups();
  const bool continuous = m.r < kCloseSpacing;
  double u_before = 0.0;
  for (int i = layer.l1; i <= layer.l2; ++i) {
    f.begin_curve(i);
    const double xc = m.xc[i];
    const double b = look.width();
    const double c = look.cintp(xc);
    const double gamma = look.gamavg(xc);
    const double e50 = look.e50intp(xc);
    f.require(e50 > 0.0, j, i, "STRAIN E50 MUST BE POSITIVE");
    if (i == layer.l1) {
      FirstCurveSoil s;
      s.b = b;
      s.gamma = gamma;
      s.c = c;
      s.xr = xc;
      layer.xeq = equivalent_depth(m, j, EquivalentSoil::SoftClay, s, look);
      f.require(std::isfinite(layer.xeq), j, i,
                "NO EQUIVALENT DEPTH IS DEFINED FOR ITS COHESION AND UNIT WEIGHT; CHECK THEM");
    }
    const double pm = f.pm(i), ym = f.ym(i);
    const double dp = clay_offset(m.sigma_exc, c, b);
    for (Side side : {Side::Excavation, Side::Backfill}) {
      const double xs = f.depth(i, side);
      const double x = xs - layer.zt + layer.xeq;
      const double pu = soft_clay_ultimate(x, xs, c, gamma, b, continuous);
      if (side == Side::Excavation) {
        layer.cumpu = i == layer.l1 ? 0.0
                                    : layer.cumpu + (pu + u_before) / 2.0 * (xc - m.xc[i - 1]);
        u_before = pu;
      }
      const SoftClayShape shape = soft_clay_shape(pu, e50, b);
      const CurvePoints pts = f.hand_on(shape.points, pm, ym, dp, side, j, i);
      f.write_side_heading(side);
      write_heading(f, xs, b, c, gamma, e50);
      write_rows(f, pts, shape.e0);
      f.write_multipliers(pm, ym);
      f.store(side, pts);
    }
  }
}

}  // namespace veldra::engine::py
