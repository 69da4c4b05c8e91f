#include "engine/py/stiff_clay.h"

#include "engine/format/fortran_format.h"
#include "engine/py/offsets.h"
#include "engine/py/py_constants.h"

#include <algorithm>
#include <cmath>

namespace veldra::engine::py {

double stiff_clay_wet_ultimate(double x, double c, double ca, double gamma, double b,
                               bool continuous) {
  if (continuous) return gamma * x * b + 2.0 * c * b;
  return std::min(2.0 * ca * b + gamma * b * x + kStiffWetPassive * ca * x, 11.0 * c * b);
}

CurvePoints stiff_clay_wet_shape(double pc, double as, double y50, double kx) {
  CurvePoints s;
  for (int k = 1; k <= 13; ++k) s.y[k] = (k - 1) * 0.5 * as * y50;
  s.y[14] = 10.0 * as * y50;
  s.y[15] = 14.0 * as * y50;
  s.y[16] = 18.0 * as * y50;
  s.y[17] = 200.0 * as * y50;
  const double y1 = as * y50;
  const double y6 = 6.0 * as * y50;
  const double y18 = 18.0 * as * y50;
  const double peak_drop = 0.5 * pc * std::sqrt(6.0 * as) - kStiffWetResidual * pc;
  for (int k = 1; k <= 17; ++k) {
    const double y = s.y[k];
    double p = 0.0;
    if (y <= y1) {
      p = 0.5 * pc * std::sqrt(y / y50);
    } else if (y <= y6) {
      p = 0.5 * pc * std::sqrt(y / y50) - kStiffWetDrop * pc * std::pow(y / y1 - 1.0, 1.25);
    } else if (y <= y18) {
      p = peak_drop - kStiffWetSlope * pc / y50 * (y - y6);
    } else {
      p = peak_drop - 0.75 * pc * as;
    }
    s.p[k] = std::min(p, kx * y);
  }
  return s;
}

double stiff_clay_dry_ultimate(double x, double c, double ca, double gamma, double b,
                               bool continuous) {
  if (continuous) return gamma * x * b + 2.0 * c * b;
  return std::min(3.0 * ca * b + gamma * b * x + 0.5 * ca * x, 9.0 * c * b);
}

CurvePoints stiff_clay_dry_shape(double pu, double y50) {
  CurvePoints s;
  for (int k = 1; k <= 15; ++k) s.y[k] = 16.0 * y50 * kStiffDryDeflections[k];
  s.y[16] = 18.0 * y50;
  s.y[17] = 20.0 * y50;
  for (int k = 1; k <= 17; ++k) {
    s.p[k] = s.y[k] <= 16.0 * y50 ? 0.5 * pu * std::pow(s.y[k] / y50, 0.25) : pu;
  }
  return s;
}

namespace {

// Integral of pc over the layer, each step weighted by F1 of its lower curve.
double wet_step(double pc, double pc_before, double as, double dx) {
  const double f1 = kStiffWetF1Root * std::sqrt(as) - 0.75 * as - kStiffWetResidual;
  return (pc + pc_before) / 2.0 * f1 * dx;
}

void write_wet_heading(CurveFrame& f, double xs, double b, double c, double ca, double gamma,
                       double e50) {
  const UnitLabels& u = f.labels();
  fwrite(f.report(),
         "(//9X,'DEPTH BELOW GS',6X,'DIAM',8X,'C',9X,'CAVG',4X,'GAMMA AVG',6X,'E50'/"
         "15X,A2,13X,A2,5X,2(A3,A1,2A2,A1,2X),A3,A1,2A2,A1/"
         "9X,F10.2,5X,F10.3,3(1X,G10.2),G12.4)",
         {u.l2, u.l2, u.f3, u.slash, u.l2, u.power, u.two, u.f3, u.slash, u.l2, u.power, u.two,
          u.f3, u.slash, u.l2, u.power, u.three, xs, b, c, ca, gamma, e50});
}

void write_dry_heading(CurveFrame& f, double xs, double b, double c, double ca, double gamma,
                       double e50) {
  const UnitLabels& u = f.labels();
  fwrite(f.report(),
         "(//10X,'DEPTH BELOW GS',5X,'DIAM',8X,'C',7X,'CAVG',4X,'GAMMA AVG',5X,'E50'/"
         "16X,A2,12X,A2,5X,3(A3,A1,A2,A2,A1,1X)/"
         "10X,F10.2,5X,F10.3,3G10.2,G12.4/38X,'Y',19X,'P'/38X,A2,15X,A3,A1,A2)",
         {u.l2, u.l2, u.f3, u.slash, u.l2, u.power, u.two, u.f3, u.slash, u.l2, u.power, u.two,
          u.f3, u.slash, u.l2, u.power, u.three, xs, b, c, ca, gamma, e50, u.l2, u.f3, u.slash,
          u.l2});
}

}  // namespace

void stiff_clay_free_water(CurveFrame& f, int j) {
  PyModel& m = f.model();
  PyLayer& layer = m.layers[j];
  const SoilLookups& look = f.lookups();
  const bool continuous = m.r < kCloseSpacing;
  double c_before = 0.0, area = 0.0, pc_before = 0.0;
  for (int i = layer.l1; i <= layer.l2; ++i) {
    f.begin_curve(i);
    const double xc = m.xc[i];
    const double b = look.width();
    const double c = look.cintp(xc);
    const double gamma = look.gamavg(xc);
    const double e50 = look.e50intp(xc);
    f.require(e50 > 0.0, j, i, "STRAIN E50 MUST BE POSITIVE");
    // The mean strength from the layer top down to the curve.
    double ca = c;
    if (j == 1) {
      ca = look.cavgl(xc, 1);
    } else if (i > layer.l1) {
      area += (xc - m.xc[i - 1]) * (c_before + c) / 2.0;
      ca = area / (xc - m.xc[layer.l1]);
    }
    c_before = c;
    const double pm = f.pm(i), ym = f.ym(i);
    const double dp = clay_offset(m.sigma_exc, c, b);
    const double y50 = e50 * b;
    for (Side side : {Side::Excavation, Side::Backfill}) {
      const double xs = f.depth(i, side);
      const double as = look.astab(xs);
      const double pc = stiff_clay_wet_ultimate(xs, c, ca, gamma, b, continuous);
      if (side == Side::Excavation) {
        layer.cumpu =
            i == layer.l1 ? 0.0 : layer.cumpu + wet_step(pc, pc_before, as, xc - m.xc[i - 1]);
        pc_before = pc;
      }
      const CurvePoints raw = stiff_clay_wet_shape(pc, as, y50, layer.k * xs);
      const CurvePoints pts = f.hand_on(raw, pm, ym, dp, side, j, i);
      f.write_side_heading(side);
      write_wet_heading(f, xs, b, c, ca, gamma, e50);
      f.write_rows("(21X,2F20.5)", pts);
      f.store(side, pts);
    }
  }
}

void stiff_clay_no_free_water(CurveFrame& f, int j) {
  PyModel& m = f.model();
  PyLayer& layer = m.layers[j];
  const SoilLookups& look = f.lookups();
  const bool continuous = m.r < kCloseSpacing;
  double pu_before = 0.0;
  for (int i = layer.l1; i <= layer.l2; ++i) {
    f.begin_curve(i);
    const double xc = m.xc[i];
    const double b = look.width();
    const double c = look.cintp(xc);
    const double gamma = look.gamavg(xc);
    const double e50 = look.e50intp(xc);
    f.require(e50 > 0.0, j, i, "STRAIN E50 MUST BE POSITIVE");
    const double ca = look.cavgl(xc, j);
    const double pm = f.pm(i), ym = f.ym(i);
    const double dp = clay_offset(m.sigma_exc, c, b);
    const double y50 = 2.5 * e50 * b;
    for (Side side : {Side::Excavation, Side::Backfill}) {
      const double xs = f.depth(i, side);
      const double pu = stiff_clay_dry_ultimate(xs, c, ca, gamma, b, continuous);
      if (side == Side::Excavation) {
        layer.cumpu =
            i == layer.l1 ? 0.0 : layer.cumpu + (pu + pu_before) / 2.0 * (xc - m.xc[i - 1]);
        pu_before = pu;
      }
      const CurvePoints pts = f.hand_on(stiff_clay_dry_shape(pu, y50), pm, ym, dp, side, j, i);
      f.write_side_heading(side);
      write_dry_heading(f, xs, b, c, ca, gamma, e50);
      f.write_rows("(1X,20X,2F20.5)", pts);
      f.write_multipliers(pm, ym);
      f.store(side, pts);
    }
  }
}

}  // namespace veldra::engine::py
