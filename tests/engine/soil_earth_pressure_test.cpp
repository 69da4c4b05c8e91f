// Earth-pressure coefficients, layer resultants, the generated distribution and the
// apparent-pressure envelope of anchored walls.
#include "engine/format/fortran_format.h"
#include "engine/soil/earth_pressure.h"
#include "engine/soil/soil_constants.h"
#include "engine/soil/soil_profile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace veldra::engine::soil {
namespace {

InputLayer sand(double thickness, double gamma, double phi) {
  InputLayer l;
  l.thickness = thickness;
  l.gamma = gamma;
  l.phi = phi;
  return l;
}

InputLayer clay(double thickness, double gamma, double c) {
  InputLayer l;
  l.thickness = thickness;
  l.gamma = gamma;
  l.c = c;
  l.drained = false;
  return l;
}

SoilProfile profile_of(const std::vector<InputLayer>& in, double h_exc, double dwb, double q,
                       double gw = kGammaWaterSI) {
  SoilProfile p = subdivide(in, h_exc, dwb, 1.0);
  effective_stress(p, q, dwb, gw);
  restore_total_stress(p, dwb, gw);
  return p;
}

double no_surcharge(double) { return 0.0; }

DistributionInput frame(bool si, double wall_length, double h_exc, double dwb, double dwe) {
  DistributionInput in;
  in.si = si;
  in.wall_length = wall_length;
  in.h_exc = h_exc;
  in.dwb = dwb;
  in.dwe = dwe;
  in.gw = si ? kGammaWaterSI : kGammaWaterEnglish;
  in.water_switch = 1;
  in.surcharge = no_surcharge;
  return in;
}

double zero_resultant(int) { return 0.0; }

struct CoefficientCase {
  double phi;
  double beta;
  const char* ka_printed;    // as the report's E10.3 shows it
  const char* kp_printed;
  double ka;
};

class CoefficientTest : public ::testing::TestWithParam<CoefficientCase> {};

TEST_P(CoefficientTest, MatchesTheClosedFormToThePrintedDigits) {
  const CoefficientCase c = GetParam();
  const SoilProfile p = profile_of({sand(5.0, 18.0, c.phi)}, 2.0, 50.0, 0.0);
  const std::vector<Coefficients> k = coefficients(p, c.beta, 2.0);
  ASSERT_EQ(k.size(), 2u);
  EXPECT_EQ(format_e(k[0].ka_printed, 10, 3), c.ka_printed);
  EXPECT_EQ(format_e(k[0].kp, 10, 3), c.kp_printed);
  EXPECT_NEAR(k[0].ka, c.ka, 5e-5);
  EXPECT_NEAR(k[0].sqrt_ka * k[0].sqrt_ka, k[0].ka, 1e-12);
  EXPECT_FALSE(k[0].slope_warning);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CoefficientTest,
    ::testing::Values(CoefficientCase{30.0, 0.0, " 0.333E+00", " 0.300E+01", 1.0 / 3.0},
                      // cos b (cos b - sqrt(cos² b - cos² φ)) / (cos b + sqrt(...)), b = 10°
                      CoefficientCase{30.0, 10.0, " 0.350E+00", " 0.300E+01", 0.349524},
                      CoefficientCase{30.0, -10.0, " 0.350E+00", " 0.300E+01", 0.349524},
                      CoefficientCase{36.0, 0.0, " 0.260E+00", " 0.385E+01", 0.259616}));

TEST(Coefficients, AnOptionalCoefficientReplacesKaAndTheCohesionTerm) {
  SoilProfile p = profile_of({sand(5.0, 18.0, 30.0)}, 2.0, 50.0, 0.0);
  p.layers[0].k_opt = 0.5;
  const Coefficients k = coefficients(p, 0.0, 2.0)[0];
  EXPECT_EQ(format_e(k.ka_printed, 10, 3), " 0.333E+00");
  EXPECT_EQ(k.ka, 0.5);
  EXPECT_EQ(k.sqrt_ka, 0.0);
}

TEST(Coefficients, ASlopeNotBelowTheFrictionAngleWarnsAboveTheExcavationOnly) {
  // Layers: clay 0-2, sand (30°) 2-4, clay 4-6 below the excavation at 4.
  const SoilProfile p =
      profile_of({clay(2.0, 18.0, 25.0), sand(2.0, 19.0, 30.0), clay(2.0, 18.0, 25.0)}, 4.0,
                 50.0, 0.0);
  const std::vector<Coefficients> gentle = coefficients(p, 5.0, 4.0);
  EXPECT_TRUE(gentle[0].slope_warning);    // φ = 0
  EXPECT_FALSE(gentle[1].slope_warning);
  EXPECT_FALSE(gentle[2].slope_warning);   // below the excavation level
  EXPECT_NEAR(gentle[0].ka, 1.0, 1e-5);    // the level-ground value
  const std::vector<Coefficients> steep = coefficients(p, 30.0, 4.0);
  EXPECT_TRUE(steep[1].slope_warning);
  EXPECT_NEAR(steep[1].ka, 1.0 / 3.0, 1e-6);
  for (const Coefficients& k : coefficients(p, 0.0, 4.0)) EXPECT_FALSE(k.slope_warning);
}

// A clay of c = 30, γ = 18, 4 thick, no surface load: the top is in tension down
// to 60/18, and the triangle below carries PA4 = 12 · (4 - 60/18) / 2 = 4 (Ka of
// φ = 0 is 1 to the digits of the single-precision 57.2958).
TEST(LayerForces, AClayWhoseTopIsInTensionCarriesOnlyTheTriangleBelow) {
  const SoilProfile p = profile_of({clay(4.0, 18.0, 30.0), sand(6.0, 20.0, 32.0)}, 6.0, 50.0, 0.0);
  const std::vector<Coefficients> k = coefficients(p, 0.0, 6.0);
  const ForceSummary f = layer_forces(p, k, 50.0, kGammaWaterSI, 1, zero_resultant);
  const LayerForces& clay_forces = f.layers[0];
  EXPECT_EQ(clay_forces.pa1, 0.0);
  EXPECT_EQ(clay_forces.pa2, 0.0);
  EXPECT_EQ(clay_forces.pa3, 0.0);
  EXPECT_NEAR(clay_forces.zc, 4.0 - 60.0 / 18.0, 1e-5);
  EXPECT_NEAR(clay_forces.pa4, 4.0, 1e-4);
  EXPECT_NEAR(clay_forces.z3, 4.0 - (4.0 - 60.0 / 18.0) / 3.0, 1e-5);
  EXPECT_FALSE(clay_forces.no_compression_zone);
  // The sand above the excavation level is in compression.
  EXPECT_GT(f.layers[1].pa1, 0.0);
  EXPECT_EQ(f.layers[1].z3, kNoTensionDepth);
  EXPECT_GT(f.net, 0.0);
}

TEST(LayerForces, AWeightlessLayerInTensionHasNoCompressionZoneAndStaysFinite) {
  const SoilProfile p = profile_of({clay(2.0, 0.0, 20.0), sand(6.0, 20.0, 32.0)}, 4.0, 50.0, 0.0);
  const ForceSummary f =
      layer_forces(p, coefficients(p, 0.0, 4.0), 50.0, kGammaWaterSI, 1, zero_resultant);
  EXPECT_TRUE(f.layers[0].no_compression_zone);
  EXPECT_EQ(f.layers[0].pa4, 0.0);
  EXPECT_TRUE(std::isfinite(f.layers[0].z3));
  EXPECT_TRUE(std::isfinite(f.net));
}

TEST(LayerForces, WaterAboveTheExcavationSetsTheSwitchAndGivesDrainedLayersResultants) {
  // Water at 1 in a 3 m sand over clay; excavation at 5.
  const double gw = kGammaWaterSI;
  const SoilProfile p =
      profile_of({sand(3.0, 20.0, 30.0), clay(2.0, 18.0, 40.0), sand(5.0, 20.0, 34.0)}, 5.0,
                 1.0, 0.0);
  const ForceSummary f = layer_forces(p, coefficients(p, 0.0, 5.0), 1.0, gw, 0, zero_resultant);
  EXPECT_TRUE(f.water_section);
  EXPECT_EQ(f.water_switch, 1);
  EXPECT_FALSE(f.layers[0].water_row);  // above the water table
  ASSERT_TRUE(f.layers[1].water_row);   // sand 1-3
  EXPECT_NEAR(f.layers[1].pw1, 0.0, 1e-12);
  EXPECT_NEAR(f.layers[1].pw2, -2.0 * 2.0 * gw / 2.0, 1e-12);
  EXPECT_FALSE(f.layers[2].water_row);  // undrained clay 3-5
  EXPECT_EQ(f.layers[2].pw1, 0.0);

  // With the water table below the excavation the switch keeps the configuration code.
  const SoilProfile dry = profile_of({sand(10.0, 20.0, 30.0)}, 5.0, 7.0, 0.0);
  const ForceSummary g = layer_forces(dry, coefficients(dry, 0.0, 5.0), 7.0, gw, 0, zero_resultant);
  EXPECT_FALSE(g.water_section);
  EXPECT_EQ(g.water_switch, 0);
}

struct CountCase {
  bool si;
  double thickness;          // of the layer above the excavation level
  int points;                // generated in it
};

class PointCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(PointCountTest, OnePointPerInchOrPerFiveCentimetres) {
  const CountCase c = GetParam();
  const double gamma = c.si ? 18.0 : 0.065;
  const double gw = c.si ? kGammaWaterSI : kGammaWaterEnglish;
  const double below = c.thickness;
  const SoilProfile p =
      profile_of({sand(c.thickness, gamma, 30.0), sand(3.0 * below, gamma, 30.0)}, c.thickness,
                 100.0 * c.thickness, 0.0, gw);
  const double wall_length = 2.0 * c.thickness;
  const Distribution d =
      distribution(p, coefficients(p, 0.0, c.thickness),
                   frame(c.si, wall_length, c.thickness, 100.0 * c.thickness, 100.0 * c.thickness),
                   100000);
  EXPECT_EQ(d.j_exc, 1 + c.points);
  EXPECT_DOUBLE_EQ(d.points[static_cast<std::size_t>(d.j_exc - 1)].x, c.thickness);
  // The last layer counts only down to the tip of the wall.
  EXPECT_EQ(announced_count(p, c.si, wall_length), 1 + 2 * c.points);
  EXPECT_EQ(static_cast<int>(d.points.size()), 1 + 4 * c.points);
}

INSTANTIATE_TEST_SUITE_P(Units, PointCountTest,
                         ::testing::Values(CountCase{true, 2.0, 40}, CountCase{false, 120.0, 120}));

TEST(Distribution, EqualWaterLevelsOnBothSidesCancelAboveTheExcavation) {
  const double gw = kGammaWaterSI;
  const SoilProfile p = profile_of({sand(8.0, 20.0, 30.0)}, 4.0, 1.0, 0.0);
  const std::vector<Coefficients> k = coefficients(p, 0.0, 4.0);
  const ForceSummary f = layer_forces(p, k, 1.0, gw, 1, zero_resultant);
  const Distribution d = distribution(p, k, frame(true, 8.0, 4.0, 1.0, 1.0), 1000);
  for (const PressurePoint& pt : d.points) {
    if (pt.x <= 1.0 || pt.x >= 4.0) continue;
    // Only the soil: Ka (γ·1 + (γ - γw)(x - 1)).
    const double soil = (20.0 + (20.0 - gw) * (pt.x - 1.0)) / 3.0;
    EXPECT_NEAR(pt.p, soil, 1e-4) << pt.x;
  }
  EXPECT_EQ(f.water_switch, 1);
}

struct NetWaterCase {
  const char* label;
  double dwe;                // water table on the excavation side
};

void PrintTo(const NetWaterCase& c, std::ostream* os) { *os << c.label; }

class NetWaterBelowExcavation : public ::testing::TestWithParam<NetWaterCase> {};

// Sand to 8 m, backfill water at 1 m, excavation at 4 m. Below the excavation level
// the points shown carry the hydrostatic net γw·((x - 1) - max(0, x - DWe)) on the
// soil's Ka·σv'(4); the points that load the wall keep the method's values (the
// backfill head of the layer top, 3 γw, less γw·(1 - DWe) below the excavation-side
// table), and above the excavation level the two are one.
TEST_P(NetWaterBelowExcavation, IsShownWhileTheLoadingPointsKeepTheirValues) {
  const double gw = kGammaWaterSI;
  const double dwe = GetParam().dwe;
  const SoilProfile p = profile_of({sand(8.0, 20.0, 30.0)}, 4.0, 1.0, 0.0);
  const std::vector<Coefficients> k = coefficients(p, 0.0, 4.0);
  const Distribution d = distribution(p, k, frame(true, 8.0, 4.0, 1.0, dwe), 1000);
  ASSERT_EQ(d.shown.size(), d.points.size());
  const double soil = (20.0 + (20.0 - gw) * 3.0) * k.back().ka;
  int below = 0;
  for (std::size_t i = 0; i < d.points.size(); ++i) {
    const PressurePoint& pt = d.points[i];
    const PressurePoint& shown = d.shown[i];
    if (pt.x <= 4.0) {
      EXPECT_EQ(shown.p, pt.p) << pt.x;
      EXPECT_EQ(shown.p2, pt.p2) << pt.x;
      continue;
    }
    ++below;
    const double net = gw * ((pt.x - 1.0) - std::max(0.0, pt.x - dwe));
    EXPECT_NEAR(shown.p, soil + net, 1e-9) << pt.x;
    EXPECT_NEAR(shown.p2, soil + net, 1e-9) << pt.x;
    const double specified = soil + 3.0 * gw - (pt.x > dwe ? (1.0 - dwe) * gw : 0.0);
    EXPECT_NEAR(pt.p, specified, 1e-9) << pt.x;
  }
  EXPECT_EQ(below, 80);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, NetWaterBelowExcavation,
    ::testing::Values(NetWaterCase{"DewateredToTheExcavationLevel", 4.0},
                      NetWaterCase{"DewateredBelowIt", 5.5}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Distribution, TensionIsFlooredToTinyIncreasingValues) {
  const SoilProfile p = profile_of({clay(4.0, 18.0, 30.0), sand(6.0, 20.0, 32.0)}, 6.0, 50.0, 0.0);
  const Distribution d =
      distribution(p, coefficients(p, 0.0, 6.0), frame(true, 10.0, 6.0, 50.0, 50.0), 1000);
  // Down to 60/18 the clay pulls: every point j there carries j·1e-12.
  int floored = 0;
  for (std::size_t i = 1; i < d.points.size(); ++i) {
    const PressurePoint& pt = d.points[i];
    if (pt.x >= 60.0 / 18.0) break;
    const double j = static_cast<double>(i + 1);
    EXPECT_EQ(pt.p, j * kPressureFloorStep) << pt.x;
    EXPECT_EQ(pt.p2, j * kPressureFloorStep) << pt.x;
    ++floored;
  }
  EXPECT_EQ(floored, 66);
  EXPECT_GT(d.points[70].p, 1e-3);
}

TEST(Distribution, TheSurfaceLoadShareIsBookedAsSurcharge) {
  const SoilProfile p = profile_of({sand(6.0, 18.0, 30.0)}, 3.0, 50.0, 12.0);
  DistributionInput in = frame(true, 6.0, 3.0, 50.0, 50.0);
  in.surcharge = [](double x) { return x > 1.0 ? 2.0 : 0.0; };
  const Distribution d = distribution(p, coefficients(p, 0.0, 3.0), in, 1000);
  EXPECT_NEAR(d.points[0].p, 4.0, 1e-5);  // Ka·q
  EXPECT_EQ(d.points[0].p2, 0.0);
  EXPECT_EQ(d.points[0].p3, d.points[0].p);
  for (std::size_t i = 1; i < d.points.size(); ++i) {
    const PressurePoint& pt = d.points[i];
    EXPECT_NEAR(pt.p, pt.p2 + pt.p3, 1e-12) << pt.x;
    EXPECT_NEAR(pt.p3, (pt.x > 1.0 ? 2.0 : 0.0) + 4.0, 1e-5) << pt.x;
  }
}

// One support at 2 in a 6 deep excavation: the peak is reached at 4/3 and left at
// 10/3, and falls to 0 at the excavation level.
TEST(Envelope, OneSupportGivesTheTrapezoidOfTheMethod) {
  const SoilProfile p = profile_of({sand(10.0, 18.0, 30.0)}, 6.0, 50.0, 0.0);
  Distribution d =
      distribution(p, coefficients(p, 0.0, 6.0), frame(true, 10.0, 6.0, 50.0, 50.0), 1000);
  const std::vector<PressurePoint> before = d.points;
  // The active force: Ka γ H² / 2 = 18 · 36 / 6.
  EXPECT_NEAR(d.active_force, 108.0, 1e-3);
  ASSERT_TRUE(apply_envelope(d, 6.0, 2.0, 2.0, 1));
  // p_max = 1.3 F_a / (H/2): 1.95 F_a / H.
  const double p_max = kEnvelopeFactor * d.active_force * 3.0 / 12.0;
  EXPECT_NEAR(p_max, 1.95 * d.active_force / 6.0, 1e-6 * p_max);
  for (std::size_t i = 1; i < d.points.size(); ++i) {
    const double x = d.points[i].x;
    if (static_cast<int>(i) >= d.j_exc) {
      EXPECT_EQ(d.points[i].p, before[i].p) << x;  // below the excavation: unchanged
      continue;
    }
    const double a = 4.0 / 3.0, top = 10.0 / 3.0;
    const double expected = x < a ? p_max * x / a
                            : x <= top ? p_max
                                       : p_max * (6.0 - x) / (8.0 / 3.0);
    EXPECT_NEAR(d.points[i].p, expected, 1e-9 * p_max) << x;
    EXPECT_EQ(d.points[i].p2, before[i].p2);
    EXPECT_EQ(d.points[i].p3, before[i].p3);
  }
  EXPECT_EQ(d.points[0].p, before[0].p);
}

TEST(Envelope, TwoSupportsRiseToTheFirstAndFallFromTheLast) {
  const SoilProfile p = profile_of({sand(10.0, 18.0, 30.0)}, 6.0, 50.0, 0.0);
  Distribution d =
      distribution(p, coefficients(p, 0.0, 6.0), frame(true, 10.0, 6.0, 50.0, 50.0), 1000);
  ASSERT_TRUE(apply_envelope(d, 6.0, 1.5, 4.5, 3));
  // a = 1, c = 1: the rise and fall are divided by 3 in the peak.
  const double p_max = kEnvelopeFactor * d.active_force / (6.0 - 2.0 / 3.0);
  for (std::size_t i = 1; i < static_cast<std::size_t>(d.j_exc); ++i) {
    const double x = d.points[i].x;
    const double expected = x < 1.0 ? p_max * x : x <= 5.0 ? p_max : p_max * (6.0 - x);
    EXPECT_NEAR(d.points[i].p, expected, 1e-9 * p_max) << x;
  }
}

TEST(Envelope, RefusesSupportsThatLeaveThePeakUndefined) {
  const SoilProfile p = profile_of({sand(10.0, 18.0, 30.0)}, 6.0, 50.0, 0.0);
  const Distribution d0 =
      distribution(p, coefficients(p, 0.0, 6.0), frame(true, 10.0, 6.0, 50.0, 50.0), 1000);
  Distribution d = d0;
  EXPECT_FALSE(apply_envelope(d, 6.0, 2.0, 2.0, 0));
  // 7H + 2(D2 - D1) = 0: the peak's denominator vanishes.
  EXPECT_FALSE(apply_envelope(d, 6.0, 21.0, 0.0, 2));
  for (std::size_t i = 0; i < d.points.size(); ++i) EXPECT_EQ(d.points[i].p, d0.points[i].p);
  // A last support at the excavation level has no fall; nothing divides by zero.
  ASSERT_TRUE(apply_envelope(d, 6.0, 2.0, 6.0, 2));
  for (const PressurePoint& pt : d.points) EXPECT_TRUE(std::isfinite(pt.p));
}

}  // namespace
}  // namespace veldra::engine::soil
