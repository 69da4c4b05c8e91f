// Curve shapes at the edges the methods define: caps, continuity, rebuilt curves,
// the three silt forms and the rock limits. Values worked out by hand in the comments.
#include "engine/py/frictional_resistance.h"
#include "engine/py/rock.h"
#include "engine/py/sand.h"
#include "engine/py/silt.h"
#include "engine/py/soft_clay.h"
#include "engine/py/stiff_clay.h"
#include "engine/state/single_precision.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace veldra::test {
namespace {

using namespace engine::py;

// c = 1 psi, γ = 0.05 pci, b = 12 in: Np = 3 + 0.05·x + x/24 reaches 9 at
// x = 6/(0.05 + 0.041667) = 65.45 in; below, pu stays at 9·c·b = 108.
TEST(SoftClay, UltimateResistanceStaysAtNineCB) {
  EXPECT_NEAR(soft_clay_ultimate(60.0, 60.0, 1.0, 0.05, 12.0, false), (3 + 3 + 2.5) * 12, 1e-9);
  EXPECT_DOUBLE_EQ(soft_clay_ultimate(70.0, 70.0, 1.0, 0.05, 12.0, false), 108.0);
  EXPECT_DOUBLE_EQ(soft_clay_ultimate(500.0, 500.0, 1.0, 0.05, 12.0, false), 108.0);
  EXPECT_EQ(soft_clay_ultimate(50.0, 50.0, 0.0, 0.05, 12.0, false), 0.0);  // no cohesion
}

struct ContinuousCase {
  const char* name;
  double (*ultimate)(double, double, double, double, double, bool);
};

// Elements closer than 1.1 widths act as a continuous wall: the ultimate resistance
// of every clay grows linearly with the depth below the side's surface, γ·x·b + 2·c·b,
// so the backfill side (deeper by H) is the stronger.
TEST(Clays, ContinuousWallResistanceGrowsLinearlyWithDepth) {
  const auto soft = [](double x, double c, double g, double b) {
    return soft_clay_ultimate(1000.0, x, c, g, b, true);  // the equivalent depth plays no part
  };
  const auto wet = [](double x, double c, double g, double b) {
    return stiff_clay_wet_ultimate(x, c, 3 * c, g, b, true);
  };
  const auto dry = [](double x, double c, double g, double b) {
    return stiff_clay_dry_ultimate(x, c, 3 * c, g, b, true);
  };
  for (double x : {10.0, 130.0}) {
    const double expected = 0.07 * x * 24 + 2 * 5.0 * 24;
    EXPECT_DOUBLE_EQ(soft(x, 5.0, 0.07, 24.0), expected) << x;
    EXPECT_DOUBLE_EQ(wet(x, 5.0, 0.07, 24.0), expected) << x;
    EXPECT_DOUBLE_EQ(dry(x, 5.0, 0.07, 24.0), expected) << x;
  }
}

// pu = 200, ε50 = 0.01, b = 10: y50 = 0.25; the curve rises as 0.5·pu·(y/y50)^(1/3) to pu
// at 8·y50 = 2 and stays; below 1e-14 it follows the secant E0 to the origin.
TEST(SoftClay, ReachesTheUltimateAtEightY50) {
  const SoftClayShape s = soft_clay_shape(200.0, 0.01, 10.0);
  EXPECT_DOUBLE_EQ(s.y50, 0.25);
  EXPECT_DOUBLE_EQ(s.points.y[16], 2.0);
  EXPECT_NEAR(s.points.p[16], 200.0, 1e-5);  // 100·8^0.333333343
  EXPECT_EQ(s.points.p[17], 200.0);
  EXPECT_EQ(s.points.p[1], 0.0);
  // E0 = 0.5·pu·(y50/1e-14)^(2/3)/y50 = 100·(2.5e13)^(2/3)/0.25 = 100·8.5499e8/0.25
  // = 3.4200e11.
  EXPECT_NEAR(s.e0 / 3.4200e11, 1.0, 1e-4);
}

// Stiff clay with free water, pc = 1000, As = 0.5, y50 = 0.1 (As·y50 = 0.05), no cap:
// at 6·As·y50 (point 13) the rising branch gives 500·√3 − 0.055·1000·5^1.25 = 454.804
// and the falling branch 500·√3 − 0.411·1000 = 455.025: continuous to within the
// rounding of 0.411. Point 14 at 10·As·y50: 455.025 − 0.0625·1000·4·0.5 = 330.025.
// From 18·As·y50 on it is 455.025 − 0.75·1000·0.5 = 80.025.
TEST(StiffClayWithFreeWater, IsContinuousAndConstantBeyondEighteenAsY50) {
  const CurvePoints s = stiff_clay_wet_shape(1000.0, 0.5, 0.1, 1e12);
  EXPECT_NEAR(s.p[3], 500.0 * std::sqrt(0.5), 1e-9);  // at As·y50 both branches agree
  EXPECT_NEAR(s.p[13], 454.8045, 1e-4);
  EXPECT_NEAR(s.p[13], 455.0254, 0.23);
  EXPECT_NEAR(s.p[14], 330.0254, 1e-4);
  EXPECT_NEAR(s.p[16], 80.0254, 1e-4);
  EXPECT_NEAR(s.p[17], s.p[16], 1e-9);
  EXPECT_DOUBLE_EQ(s.y[17], 10.0);  // 200·As·y50
}

TEST(StiffClayWithFreeWater, EveryPointIsCappedByTheInitialModulus) {
  const double kx = 2000.0;
  const CurvePoints capped = stiff_clay_wet_shape(1000.0, 0.5, 0.1, kx);
  const CurvePoints free = stiff_clay_wet_shape(1000.0, 0.5, 0.1, 1e12);
  for (int k = 1; k <= 17; ++k) {
    EXPECT_DOUBLE_EQ(capped.p[k], std::min(free.p[k], kx * capped.y[k])) << k;
  }
  EXPECT_DOUBLE_EQ(capped.p[2], kx * 0.025);  // 50 < 0.5·1000·√0.25 = 250
}

// pu = 500, y50 = 0.1: p = 250·(y/0.1)^0.25 reaches 500 at 16·y50 = 1.6 (point 15)
// and stays for the points at 18 and 20·y50.
TEST(StiffClayWithoutFreeWater, ReachesTheUltimateAtSixteenY50) {
  const CurvePoints s = stiff_clay_dry_shape(500.0, 0.1);
  EXPECT_DOUBLE_EQ(s.y[15], 1.6);
  EXPECT_DOUBLE_EQ(s.p[15], 500.0);
  EXPECT_DOUBLE_EQ(s.y[16], 1.8);
  EXPECT_DOUBLE_EQ(s.p[16], 500.0);
  EXPECT_DOUBLE_EQ(s.y[17], 2.0);
  EXPECT_DOUBLE_EQ(s.p[17], 500.0);
  EXPECT_NEAR(s.p[12], 250.0 * std::pow(1.6 * 0.1 / 0.1, 0.25), 1e-4);  // y = 16·y50·0.1
}

// Sand, ps = 100, A = 2, B = 1.5, b = 24, kx = 100: pu = 200 at 0.9, pm = 150 at 0.4,
// m = 100, n = 3.75, C = 150/0.4^(1/3.75) = 191.518, yk = (1.91518)^(3.75/2.75) = 2.4257
// beyond yu: the curve is rebuilt on yu = pu/kx = 2, ym = (0.4/0.9)·2 = 0.888889,
// yk = ym/10 = 0.0888889. The line kx·y then lies below every other branch, so every
// point is min(kx·y, pu).
TEST(Sand, RebuildsTheCurveWhenTheLineMeetsTheParabolaBeyondYu) {
  const SandShape s = sand_shape(100.0, 2.0, 1.5, 24.0, 100.0, 10.0);
  EXPECT_NEAR(s.yu, 2.0, 1e-12);
  EXPECT_NEAR(s.ym, 0.888889, 1e-6);
  EXPECT_NEAR(s.yk, 0.0888889, 1e-7);
  EXPECT_NEAR(s.points.y[2], 0.0444444, 1e-7);
  EXPECT_NEAR(s.points.y[3], 0.0888889, 1e-7);
  EXPECT_NEAR(s.points.y[13], 0.888889, 1e-6);
  EXPECT_NEAR(s.points.y[16], 2.0, 1e-12);
  EXPECT_NEAR(s.points.y[17], 2.4, 1e-6);
  for (int k = 1; k <= 17; ++k) {
    EXPECT_NEAR(s.points.p[k], std::min(100.0 * s.points.y[k], 200.0), 1e-9) << k;
  }
}

// Sand, φ = 30°: Ka = 1/3 and Kp = 3 to within the single-precision π.
TEST(Sand, CoefficientsOfThirtyDegrees) {
  const FrictionCoefficients k = friction_coefficients(30.0 * engine::kPi / 180.0, engine::kPi);
  EXPECT_NEAR(k.ka, 1.0 / 3.0, 1e-5);
  EXPECT_NEAR(k.kp, 3.0, 1e-4);
  // At the surface both resistances vanish.
  const FrictionalResistance r = frictional_resistance(k, 0.07, 0.0, 24.0);
  EXPECT_EQ(r.wedge, 0.0);
  EXPECT_EQ(r.flow, 0.0);
}

// Silt with ps = 100, pc = 200, A = 1, b = 24: pu = 100 at yu = 0.9, pm = 350 at
// ym = 0.4, m = −500, n = 350/(500·0.4) = 1.75, C = 350/0.4^(1/1.75) = 590.830.
// kx = 300: yk = (590.83/300)^(1.75/0.75) = 4.862 ≥ ym, the line meets the straight part
// at y2 = (350 + 500·0.4)/(300 + 500) = 0.6875 in [ym, yu): form 2.
// Points y2·t/8 (p = 300·y up to 206.25), then y2 + (0.9 − y2)·t/6 with
// p = 206.25 − 500·(y − y2) (point 10: 188.542; 14: 117.708), pu from yu on.
TEST(Silt, FormTwoFollowsTheLineThenTheStraightPart) {
  const SiltShape s = silt_shape(100.0, 200.0, 1.0, 24.0, 300.0, 50.0);
  EXPECT_EQ(s.form, 2);
  EXPECT_NEAR(s.y2, 0.6875, 1e-12);
  EXPECT_NEAR(s.points.y[9], 0.6875, 1e-12);
  EXPECT_NEAR(s.points.p[9], 206.25, 1e-9);
  EXPECT_NEAR(s.points.p[5], 300.0 * 0.6875 * 4 / 8, 1e-9);
  EXPECT_NEAR(s.points.p[10], 188.541667, 1e-6);
  EXPECT_NEAR(s.points.p[14], 117.708333, 1e-6);
  EXPECT_NEAR(s.points.y[15], 0.9, 1e-12);
  EXPECT_NEAR(s.points.p[15], 100.0, 1e-9);
  EXPECT_NEAR(s.points.y[16], 0.99, 1e-6);
  EXPECT_EQ(s.points.p[16], 100.0);
  EXPECT_EQ(s.points.p[17], 100.0);
}

// The same silt with kx = 100: yk = 63.1, y2 = 550/600 = 0.9167 ≥ yu, and the line
// reaches pu at y3 = 100/100 = 1 ≥ yu: form 3, the line up to y3 and flat beyond,
// the last four points at 1.05 to 1.2·y3.
TEST(Silt, FormThreeIsTheLineUpToTheUltimate) {
  const SiltShape s = silt_shape(100.0, 200.0, 1.0, 24.0, 100.0, 50.0);
  EXPECT_EQ(s.form, 3);
  for (int t = 1; t <= 12; ++t) {
    EXPECT_NEAR(s.points.y[1 + t], t / 12.0, 1e-12) << t;
    EXPECT_NEAR(s.points.p[1 + t], 100.0 * t / 12.0, 1e-9) << t;
  }
  const double factors[] = {1.05, 1.1, 1.15, 1.2};
  for (int t = 0; t < 4; ++t) {
    EXPECT_NEAR(s.points.y[14 + t], factors[t], 1e-6);
    EXPECT_EQ(s.points.p[14 + t], 100.0);
  }
}

// Form 1 with a rebuild: ps = 100, no cohesion, and an A of 4 (beyond the table, which
// never lets pu exceed 2.25·pm and so never reaches this branch): pu = 400, pm = 150,
// m = 500, n = 0.75, C = 150/0.4^(4/3) = 508.953; kx = 495: yk = (508.953/495)^(−3) =
// 0.91999 ≥ ym, y2 = (150 − 200)/(495 − 500) = 10, y3 = 400/495 = 0.80808 < yu: form 1,
// and as yk > yu the curve is rebuilt on yu = 0.80808, ym = (0.4/0.9)·0.80808 = 0.359147,
// yk = 0.0359147. Point 3 = yk: 495·yk = 17.7778; point 13 = ym: C·ym^(4/3) = 129.929;
// point 16 = yu: 150 + 500·(yu − ym) = 374.467; point 17: pu.
TEST(Silt, FormOneIsRebuiltWhenTheLineMeetsTheParabolaBeyondYu) {
  const SiltShape s = silt_shape(100.0, 0.0, 4.0, 24.0, 495.0, 50.0);
  EXPECT_EQ(s.form, 1);
  EXPECT_NEAR(s.yu, 0.808081, 1e-6);
  EXPECT_NEAR(s.ym, 0.359147, 1e-6);
  EXPECT_NEAR(s.points.p[3], 17.7778, 1e-4);
  EXPECT_NEAR(s.points.p[13], 129.929, 1e-3);
  EXPECT_NEAR(s.points.p[16], 374.467, 1e-3);
  EXPECT_EQ(s.points.p[17], 400.0);
}

TEST(Silt, WithoutCohesionHasNoCohesiveResistance) {
  EXPECT_EQ(silt_cohesive_resistance(50.0, 50.0, 0.0, 0.07, 24.0, false), 0.0);
  // c = 2: Np = 3 + 0.07·50/2 + 0.5·50/24 = 5.79167, pc = 2·24·5.79167 = 278.
  EXPECT_NEAR(silt_cohesive_resistance(50.0, 50.0, 2.0, 0.07, 24.0, false), 278.0, 1e-9);
  // Np capped at 9: c = 0.1 gives Np = 3 + 35 + 1.04 → 9, pc = 0.1·24·9 = 21.6.
  EXPECT_NEAR(silt_cohesive_resistance(50.0, 50.0, 0.1, 0.07, 24.0, false), 21.6, 1e-9);
}

// Strong rock, qu = 1000, b = 24, γ = 0.1, x = 50, p-multiplier 0.5: the intact branches
// are halved (point 3: 0.5·1e6·0.00768 = 3840), the residual of broken rock is not
// (0.5·0.1·24·50 = 60). The elastic limit 0.0004·b carries the single-precision
// 0.0004, so values agree to about 1e-7.
TEST(StrongRock, TheMultiplierActsOnTheIntactRockOnly) {
  const CurvePoints s = strong_rock_shape(1000.0, 24.0, 0.1, 50.0, 0.5);
  EXPECT_NEAR(s.p[3], 3840.0, 1e-3);
  EXPECT_NEAR(s.p[15], 5904.0, 1e-3);  // 0.5·(9600 + 50000·(0.05376 − 0.0096))
  EXPECT_NEAR(s.p[17], 60.0, 1e-12);
  EXPECT_NEAR(s.y[2], 0.00384, 1e-9);
  EXPECT_NEAR(s.y[17], 0.06144, 1e-8);
  // The 16th point lies at y2 to within the rounding of the accumulated steps: peak
  // or residual.
  EXPECT_TRUE(std::fabs(s.p[16] - 6000.0) < 1e-3 || std::fabs(s.p[16] - 60.0) < 1e-12)
      << s.p[16];
}

// Weak rock, qur = 500, RQD 50 (αr = 2/3), Eir = 1e5, krm = 0.0005, b = 24: at xr = 3·b
// the shallow formulas give pur = αr·qur·b·(1 + 1.4·3) = 8000·5.2 = 41600 and
// Kir = (100 + 400)·Eir = 5e7, the deep values just below.
TEST(WeakRock, ShallowAndDeepFormulasMeetAtThreeWidths) {
  const WeakRockShape at = weak_rock_shape(500.0, 50.0, 72.0, 1e5, 0.0005, 24.0);
  const WeakRockShape below = weak_rock_shape(500.0, 50.0, 72.000001, 1e5, 0.0005, 24.0);
  EXPECT_NEAR(at.pur, 41600.0, 0.01);
  EXPECT_NEAR(at.kir, 5e7, 1e-6);
  EXPECT_NEAR(below.pur, 41600.0, 0.01);
  EXPECT_DOUBLE_EQ(below.kir, 5e7);
  EXPECT_NEAR(at.pur / below.pur, 1.0, 1e-7);  // 1 + 1.4·3 against 5.2 in single precision
}

TEST(WeakRock, RqdReducesTheStrengthByUpToTwoThirds) {
  EXPECT_NEAR(weak_rock_shape(500.0, 0.0, 100.0, 1e5, 0.0005, 24.0).pur, 5.2 * 500 * 24, 0.01);
  EXPECT_NEAR(weak_rock_shape(500.0, 100.0, 100.0, 1e5, 0.0005, 24.0).pur,
              5.2 * 500 * 24 / 3, 0.01);
}

// With a very large Kir the initial line ends before the first point: every point lies
// on 0.5·pur·(y/yrm)^0.25, from 0.5·0.0005^0.25 = 0.0748 of pur to 0.5·12^0.25 = 0.931
// of pur at the last point, which never reaches the cap.
TEST(WeakRock, StiffRockLiesOnThePowerCurveAndStopsShortOfTheUltimate) {
  const WeakRockShape s = weak_rock_shape(500.0, 0.0, 100.0, 1e12, 0.0005, 24.0);
  EXPECT_LT(s.ya, s.points.y[1]);
  EXPECT_NEAR(s.points.p[1] / s.pur, 0.0747674, 1e-6);
  EXPECT_NEAR(s.points.p[17] / s.pur, 0.9306049, 1e-6);
  EXPECT_NEAR(s.points.y[1], 0.0005 * 0.012, 1e-12);
}

}  // namespace
}  // namespace veldra::test
