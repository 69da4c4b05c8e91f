#include "engine/py/rock.h"

#include "engine/format/fortran_format.h"
#include "engine/py/py_constants.h"
#include "engine/state/soil_model_stop.h"

#include <algorithm>
#include <cmath>

namespace veldra::engine::py {

CurvePoints strong_rock_shape(double qu, double b, double gamma, double xs, double pm) {
  const double su = qu / 2.0;
  const double ki = 2000.0 * su;
  const double y1 = kRockElasticStrain * b;
  const double p1 = ki * y1;
  const double pu = su * b;
  const double y2 = (pu - p1) / (100.0 * su) + y1;
  CurvePoints s;
  s.y[1] = 0.0;
  for (int k = 2; k <= 17; ++k) s.y[k] = s.y[k - 1] + y2 / 15.0;
  for (int k = 1; k <= 17; ++k) {
    const double y = s.y[k];
    if (y < y1) {
      s.p[k] = pm * ki * y;
    } else if (y < y2) {
      s.p[k] = pm * (p1 + 100.0 * su * (y - y1));
    } else {
      s.p[k] = 0.5 * gamma * b * xs;
    }
  }
  return s;
}

WeakRockShape weak_rock_shape(double qur, double rqd, double xr, double eir, double krm,
                              double b) {
  WeakRockShape s;
  const double alpha = 1.0 - rqd * kRqdReduction;
  if (xr > 3.0 * b) {
    s.pur = kWeakRockDeep * alpha * qur * b;
    s.kir = 500.0 * eir;
  } else {
    s.pur = alpha * qur * b * (1.0 + kWeakRockShallow * xr / b);
    s.kir = (100.0 + 400.0 * xr / (3.0 * b)) * eir;
  }
  const double yrm = krm * b;
  s.ya = std::pow(s.pur / (2.0 * std::pow(yrm, 0.25) * s.kir), kFourThirds);
  for (int k = 1; k <= 17; ++k) {
    const double y = yrm * kWeakRockDeflections[k];
    s.points.y[k] = y;
    s.points.p[k] =
        y < s.ya ? s.kir * y : std::min(0.5 * s.pur * std::pow(y / yrm, 0.25), s.pur);
  }
  return s;
}

namespace {

void write_strong_heading(CurveFrame& f, Side side, double xs, double b, double su) {
  const UnitLabels& u = f.labels();
  const char* format =
      side == Side::Excavation
          ? "(//17X,'DEPTH-EXCAVATION SIDE',5X,'DIAM',8X,'C',7X/30X,A2,12X,A2,5X,A3,A1,A2,A2,"
            "A1,1X/24X,F10.2,5X,F10.3,E10.1/38X,'Y',19X,'P'/38X,A2,15X,A3,A1,A2)"
          : "(//17X,'DEPTH-BACKFILL SIDE  ',5X,'DIAM',8X,'C',7X/30X,A2,12X,A2,5X,A3,A1,A2,A2,"
            "A1,1X/24X,F10.2,5X,F10.3,E10.1/38X,'Y',19X,'P'/38X,A2,15X,A3,A1,A2)";
  fwrite(f.report(), format,
         {u.l2, u.l2, u.f3, u.slash, u.l2, u.power, u.two, xs, b, su, u.l2, u.f3, u.slash,
          u.l2});
}

void write_weak_heading(CurveFrame& f, double xs, double b, double qu, double eir,
                        double gamma, double krm) {
  const UnitLabels& u = f.labels();
  fwrite(f.report(),
         "(//14X,'DEPTH',5X,'DIAM',7X,'Qu',7X,' Eu ',3X,'GAMMA AVG',6X,'E50'/"
         "16X,A2,7X,A2,4X,3(A3,A1,A2,A2,A1,1X)/10X,F10.2,F10.3,3E10.2,E12.3/"
         "37X,'Y',19X,'P'/37X,A2,16X,A3,A1,A2)",
         {u.l2, u.l2, u.f3, u.slash, u.l2, u.power, u.two, u.f3, u.slash, u.l2, u.power, u.two,
          u.f3, u.slash, u.l2, u.power, u.three, xs, b, qu, eir, gamma, krm, u.l2, u.f3,
          u.slash, u.l2});
}

void stop_without_strength(CurveFrame& f) {
  fwrite(f.console(),
         "(/7X,'--------------------WARNING----------------------'/"
         "7X,'THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT'/"
         "7X,'DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN.')");
  throw SoilModelStop{0, "ROCK WITHOUT STRENGTH"};
}

}  // namespace

void strong_rock(CurveFrame& f, int j) {
  PyModel& m = f.model();
  PyLayer& layer = m.layers[j];
  const SoilLookups& look = f.lookups();
  layer.cumpu = 0.0;
  for (int i = layer.l1; i <= layer.l2; ++i) {
    f.begin_curve(i);
    const double xc = m.xc[i];
    const double b = look.width();
    const double qu = look.cintp(xc);
    const double gamma = look.gamavg(xc);
    f.require(qu > 0.0, j, i, "UNIAXIAL COMPRESSIVE STRENGTH MUST BE POSITIVE");
    const double pm = f.pm(i), ym = f.ym(i);
    for (Side side : {Side::Excavation, Side::Backfill}) {
      const double xs = f.depth(i, side);
      // The multiplier acts inside the curve: the residual of broken rock keeps its value.
      const CurvePoints pts =
          f.hand_on(strong_rock_shape(qu, b, gamma, xs, pm), 1.0, ym, 0.0, side, j, i);
      write_strong_heading(f, side, xs, b, qu / 2.0);
      f.write_rows("(1X,20X,2G20.5)", pts);
      f.store(side, pts);
    }
  }
}

void weak_rock(CurveFrame& f, int j) {
  PyModel& m = f.model();
  PyLayer& layer = m.layers[j];
  const SoilLookups& look = f.lookups();
  layer.cumpu = 0.0;
  for (int i = layer.l1; i <= layer.l2; ++i) {
    f.begin_curve(i);
    const double xc = m.xc[i];
    const double b = look.width();
    const double qu = look.cintp(xc);
    if (i > layer.l1 && qu < kZeroRockStrength) stop_without_strength(f);
    const double gamma = look.gamavg(xc);
    const double krm = look.e50intp(xc);
    const double rqd = look.p6intp(xc);
    const double eir = layer.k;
    f.require(krm > 0.0, j, i, "STRAIN CONSTANT KRM MUST BE POSITIVE");
    f.require(eir > 0.0, j, i, "INITIAL MODULUS OF THE ROCK MUST BE POSITIVE");
    const double qur =
        j == 1 ? look.cavgl(xc, 1) : (look.cintp(layer.zt + kRockDepthNudge) + qu) / 2.0;
    const double pm = f.pm(i), ym = f.ym(i);
    for (Side side : {Side::Excavation, Side::Backfill}) {
      const double xs = f.depth(i, side);
      const double xr = xs - layer.zt + kRockDepthNudge;
      const WeakRockShape shape = weak_rock_shape(qur, rqd, xr, eir, krm, b);
      const CurvePoints pts = f.hand_on(shape.points, pm, ym, 0.0, side, j, i);
      f.write_side_heading(side);
      write_weak_heading(f, xs, b, qu, eir, gamma, krm);
      f.write_rows("(21X,2E20.3)", pts);
      f.store(side, pts);
    }
  }
}

}  // namespace veldra::engine::py
