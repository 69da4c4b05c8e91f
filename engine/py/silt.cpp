#include "engine/py/silt.h"

#include "engine/format/fortran_format.h"
#include "engine/py/equivalent_depth.h"
#include "engine/py/frictional_resistance.h"
#include "engine/py/offsets.h"
#include "engine/py/parabolic_curve.h"
#include "engine/py/py_constants.h"
#include "engine/state/soil_model_stop.h"

#include <algorithm>
#include <cmath>

namespace veldra::engine::py {
namespace {

// The silt method takes π in full.
const double kSiltPi = 4.0 * std::atan(1.0);

void form1_points(SiltShape& s, double kx) {
  rebuild_on_initial_line(s.yk, s.ym, s.yu, s.pu, kx);
  CurvePoints& p = s.points;
  parabolic_deflections(p, s.yk, s.ym, s.yu);
  for (int k = 1; k <= 17; ++k) {
    const double y = p.y[k];
    if (y <= s.yk) {
      p.p[k] = kx * y;
    } else if (y <= s.ym) {
      p.p[k] = s.c * std::pow(y, 1.0 / s.n);
    } else if (y <= s.yu) {
      p.p[k] = s.pm + s.m * (y - s.ym);
    } else {
      p.p[k] = s.pu;
    }
  }
}

void form2_points(SiltShape& s, double kx) {
  CurvePoints& p = s.points;
  p.y[1] = 0.0;
  for (int t = 1; t <= 8; ++t) p.y[1 + t] = s.y2 * t / 8.0;
  for (int t = 1; t <= 5; ++t) p.y[9 + t] = s.y2 + (s.yu - s.y2) * t / 6.0;
  p.y[15] = s.yu;
  p.y[16] = kSiltForm2Step * s.yu;
  p.y[17] = kLastPointFactor * s.yu;
  for (int k = 1; k <= 17; ++k) {
    const double y = p.y[k];
    if (y <= s.y2) {
      p.p[k] = kx * y;
    } else if (y <= s.yu) {
      p.p[k] = kx * s.y2 + s.m * (y - s.y2);
    } else {
      p.p[k] = s.pu;
    }
  }
}

void form3_points(SiltShape& s, double kx) {
  CurvePoints& p = s.points;
  p.y[1] = 0.0;
  for (int t = 1; t <= 12; ++t) p.y[1 + t] = s.y3 * t / 12.0;
  for (int t = 0; t < 4; ++t) p.y[14 + t] = kSiltForm3Steps[t] * s.y3;
  for (int k = 1; k <= 17; ++k) p.p[k] = p.y[k] <= s.y3 ? kx * p.y[k] : s.pu;
}

void write_heading(CurveFrame& f, double xs, double b, double phi, double gamma, double a,
                   double bf, double pc, double ps) {
  const UnitLabels& u = f.labels();
  // The heading of the frictional resistance ends in the single byte 0xED, the
  // letter phi of the code page the report has always been read in.
  fwrite(f.report(),
         "(//5X,'DEPTH',6X,'DIAM',6X,'PHI',2X,'GAMMA AVG',8X,'A',9X,'B',5X,'Puc',7X,"
         "'Pu\xED'/7X,A2,8X,A2,12X,A3,A1,A2,A2,A1/2F10.2,F10.1,E10.3,2F10.2,2E10.3//"
         "37X,'Y',19X,'P'/37X,A2,16X,A3,A1,A2)",
         {u.l2, u.l2, u.f3, u.slash, u.l2, u.power, u.three, xs, b, phi * 180.0 / kSiltPi,
          gamma, a, bf, pc, ps, u.l2, u.f3, u.slash, u.l2});
}

void stop_without_friction(CurveFrame& f) {
  fwrite(f.console(),
         "(//7X,'WARNING-------The Angle of the slope can not'/"
         "7X,'              be greater than the internal  '/"
         "7X,'              friction angle of the sand.   '/)");
  throw SoilModelStop{0, "SILT WITHOUT FRICTION ANGLE"};
}

}  // namespace

double silt_cohesive_resistance(double x, double xr, double c, double gamma, double b,
                                bool continuous) {
  if (continuous) return gamma * xr * b + 2.0 * c * b;
  if (!(c > 0.0)) return 0.0;
  const double np = 3.0 + gamma * x / c + 0.5 * x / b;
  return c * b * std::min(np, 9.0);
}

SiltShape silt_shape(double ps, double pc, double a, double b, double kx, double x) {
  SiltShape s;
  s.pu = a * ps;
  s.yu = 3.0 * b / 80.0;
  s.pm = 1.5 * ps + pc;
  s.ym = b / 60.0;
  s.m = (s.pu - s.pm) / (s.yu - s.ym);
  s.n = s.pm / (std::fabs(s.m) * s.ym);
  s.c = s.pm / std::pow(s.ym, 1.0 / s.n);
  if (x > 0.0) {
    s.yk = std::pow(s.c / kx, s.n / (s.n - 1.0));
    if (s.yk >= 0.0 && s.yk < s.ym) {
      s.form = 1;
    } else {
      s.y2 = (s.pm - s.m * s.ym) / (kx - s.m);
      if (s.y2 >= s.ym && s.y2 < s.yu) {
        s.form = 2;
      } else {
        s.y3 = s.pu / kx;
        s.form = s.y3 >= s.yu ? 3 : 1;
      }
    }
  } else {
    s.yk = 2.0 * b;  // not reached: every curve lies below the excavation level
  }
  if (s.form == 1) form1_points(s, kx);
  if (s.form == 2) form2_points(s, kx);
  if (s.form == 3) form3_points(s, kx);
  for (int k = 1; k <= 17; ++k) s.points.p[k] = std::min(s.points.p[k], kx * s.points.y[k]);
  return s;
}

void silt(CurveFrame& f, int j) {
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
    const double c = look.cintp(xc);
    const double sine = std::sin(phi);
    if (sine * sine < kZeroAngleSine) stop_without_friction(f);
    f.require(phi > 0.0 && phi < kSiltPi / 2.0, j, i,
              "FRICTION ANGLE MUST LIE BETWEEN 0 AND 90 DEGREES");
    f.require(layer.k > 0.0, j, i, "MODULUS CONSTANT K MUST BE POSITIVE");
    const FrictionCoefficients k = friction_coefficients(phi, kSiltPi);
    if (i == layer.l1) {
      FirstCurveSoil s;
      s.b = b;
      s.gamma = gamma;
      s.c = c;
      s.k = k;
      s.xr = xc;
      layer.xeq = equivalent_depth(m, j, EquivalentSoil::Silt, s, look);
      f.require(std::isfinite(layer.xeq), j, i,
                "NO EQUIVALENT DEPTH IS DEFINED FOR ITS FRICTION ANGLE; CHECK IT");
    }
    const double pm = f.pm(i), ym = f.ym(i);
    const double dp = silt_offset(m.sigma_exc, k.ka, c, b);
    for (Side side : {Side::Excavation, Side::Backfill}) {
      const double xs = f.depth(i, side);
      const double x = xs - layer.zt + layer.xeq;
      const double pc = silt_cohesive_resistance(x, xs, c, gamma, b, continuous);
      const double a = look.atab(x), bf = look.btab(x);
      const double ps = continuous ? b * continuous_wall_kp(phi, kSiltWallFriction) * gamma * xs
                                   : frictional_resistance(k, gamma, x, b).ps;
      const SiltShape shape = silt_shape(ps, pc, a, b, layer.k * x, x);
      if (side == Side::Excavation) {
        layer.cumpu =
            i == layer.l1 ? 0.0 : layer.cumpu + (shape.pu + u_before) / 2.0 * (xc - m.xc[i - 1]);
        if (i == layer.l2) layer.cumpu += (layer.zb - xc) * shape.pu;
        u_before = shape.pu;
      }
      const CurvePoints pts = f.hand_on(shape.points, pm, ym, dp, side, j, i);
      f.write_side_heading(side);
      write_heading(f, xs, b, phi, gamma, a, bf, pc, ps);
      f.write_rows("(21X,2E20.3)", pts);
      f.write_multipliers(pm, ym);
      f.store(side, pts);
    }
  }
}

}  // namespace veldra::engine::py
