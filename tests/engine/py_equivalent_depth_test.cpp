// The equivalent depth of a lower layer and the resistance integral of the layers
// above it.
#include "engine/py/curve_frame.h"
#include "engine/py/equivalent_depth.h"
#include "engine/py/py_layers.h"
#include "engine/py/rock.h"
#include "engine/py/soft_clay.h"
#include "engine/state/single_precision.h"
#include "tests/engine/py_test_problem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <tuple>

namespace veldra::test {
namespace {

using namespace engine::py;

const double kDegree = engine::kPi / 180.0;

// Two layers; the upper one has gathered the resistance `above`.
PyModel two_layers(double above) {
  PyModel m;
  m.b = 24.0;
  PyLayer upper, lower;
  upper.zb = 40.0;
  upper.cumpu = above;
  lower.zt = 40.0;
  lower.zb = 100.0;
  m.layers.push_back(upper);
  m.layers.push_back(lower);
  return m;
}

FirstCurveSoil sand_soil(double phi_deg, double pi) {
  FirstCurveSoil s;
  s.b = 24.0;
  s.gamma = 0.07;
  s.k = friction_coefficients(phi_deg * kDegree, pi);
  s.xr = 40.1;
  return s;
}

class EquivalentDepthTest : public ::testing::Test {
 protected:
  std::ostringstream out;
};

TEST_F(EquivalentDepthTest, IsZeroForTheFirstLayerAndWithoutResistanceAbove) {
  for (EquivalentSoil soil : {EquivalentSoil::SoftClay, EquivalentSoil::Sand,
                              EquivalentSoil::Silt}) {
    FirstCurveSoil s = sand_soil(30.0, engine::kPi);
    s.c = 3.0;
    const PyModel m = two_layers(5000.0);
    const SoilLookups look(m, out, out);
    EXPECT_EQ(equivalent_depth(m, 1, soil, s, look), 0.0);
    const PyModel under_rock = two_layers(0.0);  // rock gathers nothing
    EXPECT_EQ(equivalent_depth(under_rock, 2, soil, s, SoilLookups(under_rock, out, out)), 0.0);
  }
}

// Soft clay, c = 2 psi, b = 24 in, γ = 0.05 pci: the resistance 144 + 2.2·x reaches
// 9·c·b = 432 at xt = 6·c·b/(b·γ + 0.5·c) = 288/2.2 = 130.909, with the integral
// I = 3·c·b·xt + b·γ·xt²/2 + c·xt²/4 = 37701.8 there.
// F = 10000 < I: 1.1·x² + 144·x = 10000 gives x = (−144 + √(144² + 44000))/2.2 = 50.197.
// F = 50000 > I: x = (50000 − 37701.8)/432 + 130.909 = 159.377.
TEST_F(EquivalentDepthTest, SoftClayUnderAnotherLayer) {
  FirstCurveSoil s;
  s.b = 24.0;
  s.gamma = 0.05;
  s.c = 2.0;
  for (const auto& [f, expected] : {std::pair{10000.0, 50.19668}, std::pair{50000.0, 159.37710}}) {
    const PyModel m = two_layers(f);
    EXPECT_NEAR(equivalent_depth(m, 2, EquivalentSoil::SoftClay, s, SoilLookups(m, out, out)),
                expected, 1e-5)
        << f;
  }
}

// Without cohesion the soft-clay curve does not depend on depth (pu = 0): the depth
// is taken as 0 rather than dividing by 9·c·b = 0.
TEST_F(EquivalentDepthTest, SoftClayWithoutCohesionIsZero) {
  FirstCurveSoil s;
  s.b = 24.0;
  s.gamma = 0.05;
  const PyModel m = two_layers(5000.0);
  EXPECT_EQ(equivalent_depth(m, 2, EquivalentSoil::SoftClay, s, SoilLookups(m, out, out)), 0.0);
}

// The integral of the sand's near-surface resistance b²·γ·A(x)·(C1·(x/b)² + C2·x/b)
// from 0 to x, by Simpson's rule on a fine grid, with the coefficients of φ = 30°:
// C1 = tanβ·(Kp·tanα + K0·(tanφ·sinβ·(1/cosα + 1) − tanα)) = 1.91172, C2 = Kp − Ka =
// 2.66667 (α = 15°, β = 60°, K0 = 0.4). Silt adds 3cb + γbx + 0.5cx.
double near_surface_integral(double x, bool silt, double c, const SoilLookups& look) {
  const double b = 24.0, g = 0.07;
  const double phi = 30.0 * kDegree, alpha = phi / 2, beta = 45.0 * kDegree + phi / 2;
  const double ka = std::pow(std::tan(45.0 * kDegree - phi / 2), 2);
  const double kp = std::pow(std::tan(beta), 2);
  const double c1 = std::tan(beta) * (kp * std::tan(alpha) +
                                      0.4 * (std::tan(phi) * std::sin(beta) *
                                                 (1.0 / std::cos(alpha) + 1.0) -
                                             std::tan(alpha)));
  const double c2 = kp - ka;
  const auto p = [&](double z) {
    const double sand = b * b * g * look.atab(z) * (c1 * (z / b) * (z / b) + c2 * z / b);
    return silt ? sand + 3 * c * b + g * b * z + 0.5 * c * z : sand;
  };
  const int n = 2000;
  const double dz = x / n;
  double sum = p(0) + p(x);
  for (int i = 1; i < n; ++i) sum += (i % 2 ? 4 : 2) * p(i * dz);
  return sum * dz / 3;
}

// The method sums the resistance at the lower end of each of its 100 (sand) or 50
// (silt) steps of xt/steps and interpolates within the step that reaches F. As the
// resistance grows with depth, F then lies between the plain integrals up to one step
// above and two steps below the depth found.
TEST_F(EquivalentDepthTest, SandAndSiltUnderAnotherLayerGatherTheResistanceAbove) {
  struct Case {
    EquivalentSoil soil;
    double c;
    double f;
    int steps;
  };
  // xt = (C3 − C2)·b/C1 with C3 = Kp²·(Kp + K0·tanφ) − Ka = 28.746: 327.40 in.
  const double xt = 327.40136;
  for (const Case& k : {Case{EquivalentSoil::Sand, 0.0, 2000.0, 100},
                        Case{EquivalentSoil::Sand, 0.0, 200000.0, 100},
                        Case{EquivalentSoil::Silt, 2.0, 5000.0, 50},
                        Case{EquivalentSoil::Silt, 2.0, 200000.0, 50}}) {
    const PyModel m = two_layers(k.f);
    const SoilLookups look(m, out, out);
    FirstCurveSoil s = sand_soil(30.0, k.soil == EquivalentSoil::Sand ? engine::kPi
                                                                      : 4.0 * std::atan(1.0));
    s.c = k.c;
    const double xeq = equivalent_depth(m, 2, k.soil, s, look);
    ASSERT_TRUE(std::isfinite(xeq)) << k.f;
    const double dx = xt / k.steps;
    const bool silt = k.soil == EquivalentSoil::Silt;
    EXPECT_LE(near_surface_integral(std::max(xeq - dx, 0.0), silt, k.c, look), k.f) << k.f;
    EXPECT_GE(near_surface_integral(xeq + 2 * dx, silt, k.c, look), k.f) << k.f;
  }
}

// Within the first step the depth is linear in F: the step adds I1 = p(Δx)·Δx with
// Δx = 3.27401, A(Δx) = 2.83 − (3.27401/24)/0.5·0.35 = 2.73451 and
// p(Δx) = 24²·0.07·2.73451·(1.91174·0.136417² + 2.66670·0.136417) = 44.0316, so
// I1 = 144.160 and F = 100 is reached at 100·Δx/I1 = 2.27110.
TEST_F(EquivalentDepthTest, SandWithinTheFirstStep) {
  const PyModel m = two_layers(100.0);
  EXPECT_NEAR(equivalent_depth(m, 2, EquivalentSoil::Sand, sand_soil(30.0, engine::kPi),
                               SoilLookups(m, out, out)),
              2.27110, 1e-5);
}

// Beyond xt the depth grows at the deep rate 0.88·C3·b·γ·XR (XR = 40.1, the first
// curve's depth; silt adds 9·c·b): sand 0.88·28.74608·24·0.07·40.1 = 1704.18 per inch,
// so 1e6 more above puts the layer 586.793 in deeper; silt (π in full against the
// profile's 30·3.1416/180, C3 = 28.74537) with c = 2 adds 432: 1e6/(1704.136 + 432) =
// 468.135.
TEST_F(EquivalentDepthTest, BeyondTheNearSurfaceDepthGrowsAtTheDeepRate) {
  for (const auto& [soil, c, pi, expected] :
       {std::tuple{EquivalentSoil::Sand, 0.0, engine::kPi, 586.793},
        std::tuple{EquivalentSoil::Silt, 2.0, 4.0 * std::atan(1.0), 468.135}}) {
    FirstCurveSoil s = sand_soil(30.0, pi);
    s.c = c;
    const PyModel m1 = two_layers(3e6), m2 = two_layers(4e6);
    const double x1 = equivalent_depth(m1, 2, soil, s, SoilLookups(m1, out, out));
    const double x2 = equivalent_depth(m2, 2, soil, s, SoilLookups(m2, out, out));
    EXPECT_GT(x1, 327.4);
    EXPECT_NEAR(x2 - x1, expected, 0.002);
  }
}

TEST_F(EquivalentDepthTest, SandWithoutFrictionHasNoEquivalentDepth) {
  const PyModel m = two_layers(2000.0);
  const double xeq =
      equivalent_depth(m, 2, EquivalentSoil::Sand, sand_soil(0.0, engine::kPi), SoilLookups(m, out, out));
  EXPECT_TRUE(std::isnan(xeq));
}

// The resistance integral of a soft-clay layer 0 to 40 in below the excavation level
// (c = 3.4722 psi, γ = 0.02 pci, b = 24): pu = (3 + 0.02·x/3.4722 + 0.5·x/24)·3.4722·24 is
// linear in x here, so the trapezoids over the curves at 0.1, 10, 20, 30 and 39.9 give
// its integral, 83.3328·(3·39.8 + 0.0265933·(39.9² − 0.1²)/2) = 11713.95. A rock layer
// gathers nothing.
TEST(ResistanceIntegral, SoftClayLayerAndRockLayer) {
  PyProblem problem;
  problem.add_layer(1, 160.0, {0.02, 3.4722, 0, 0.02, 0, 0});
  problem.add_layer(6, 220.0, {0.1, 1000, 0, 0, 0, 0});
  PyModel m = build_py_model(problem.st());
  std::ostringstream out;
  std::vector<engine::GeneratedCurve> curves;
  CurveFrame frame(m, problem.st().labels, out, out, curves);
  soft_clay(frame, 1);
  strong_rock(frame, 2);
  EXPECT_NEAR(m.layers[1].cumpu, 11713.95, 0.01);
  EXPECT_EQ(m.layers[2].cumpu, 0.0);
  EXPECT_EQ(resistance_above(m, 3), m.layers[1].cumpu);
  EXPECT_EQ(curves.size(), 10u);
}

}  // namespace
}  // namespace veldra::test
