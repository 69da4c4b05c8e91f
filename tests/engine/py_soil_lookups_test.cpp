// The soil look-ups of the p-y generators, the factor tables and the p- and
// y-multipliers.
#include "engine/py/multipliers.h"
#include "engine/py/py_layers.h"
#include "engine/py/soil_lookups.h"
#include "engine/state/single_precision.h"
#include "engine/state/soil_model_stop.h"
#include "tests/engine/py_test_problem.h"

#include <gtest/gtest.h>

#include <sstream>

namespace veldra::test {
namespace {

using engine::SoilModelStop;
using engine::py::build_py_model;
using engine::py::PyModel;
using engine::py::SoilLookups;

const double kGammaW = engine::single(0.036f);
const double kDegree = engine::kPi / 180.0;

// H = 120 in; layers below the excavation level: soft clay 0 to 50 in (c 4 → 6 psi,
// φ 0, ε50 0.02 → 0.01) and sand 50 to 100 in (c 0, φ 30° → 34°).
class LookupsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    problem.add_layer(1, 170.0, {0.07, 4, 0, 0.02, 0, 0}, {0.07, 6, 0, 0.01, 0, 0});
    problem.add_layer(4, 220.0, {0.06, 0, 30, 0, 90, 0}, {0.06, 0, 34, 0, 90, 0});
    m = build_py_model(problem.st());
  }
  SoilLookups look() { return SoilLookups(m, report, console); }

  PyProblem problem;
  PyModel m;
  std::ostringstream report, console;
};

TEST_F(LookupsTest, StrengthAtALayerBoundaryIsTheLowerLayersUnlessItHasNone) {
  EXPECT_DOUBLE_EQ(look().cintp(25.0), 5.0);
  // The sand below has no cohesion: the clay's value stands.
  EXPECT_DOUBLE_EQ(look().cintp(50.0), 6.0);
  EXPECT_DOUBLE_EQ(look().cintp(75.0), 0.0);
  EXPECT_DOUBLE_EQ(look().cintp(100.0), 0.0);
}

TEST_F(LookupsTest, FrictionAngleAtALayerBoundaryIsTheMeanUnlessOneHasNone) {
  EXPECT_DOUBLE_EQ(look().phintp(75.0), 32.0 * kDegree);
  // The clay above has no friction angle: the sand's value stands.
  EXPECT_DOUBLE_EQ(look().phintp(50.0), 30.0 * kDegree);
  // ε50 takes the mean of the two sides (the sand has none).
  EXPECT_DOUBLE_EQ(look().e50intp(50.0), 0.01);
  EXPECT_DOUBLE_EQ(look().e50intp(25.0), 0.015);
}

TEST_F(LookupsTest, LayerAverageStrengthIsTheMeanOfTopAndDepth) {
  EXPECT_DOUBLE_EQ(look().cavgl(25.0, 1), (4.0 + 5.0) / 2);
  EXPECT_DOUBLE_EQ(look().cavgl(0.0, 1), 4.0);   // at the top: the strength there
  EXPECT_DOUBLE_EQ(look().cavgl(75.0, 1), 0.0);  // below the layer, inside the profile
  EXPECT_EQ(report.str(), "");
}

TEST_F(LookupsTest, LayerAverageStrengthBeyondTheProfileWarnsInTheReport) {
  // Extrapolated along the layer: c(110) = 4 + 110·(6 − 4)/50 = 8.4, mean with 4: 6.2.
  EXPECT_DOUBLE_EQ(look().cavgl(110.0, 1), 6.2);
  EXPECT_EQ(report.str(),
            "\n                             **** WARNING ****\n"
            "     THE VALUE OF X = 0.11E+03IS BEYOND THE EXTENT OF THE/\n"
            "     INPUT CURVE FOR STRENGTH\n");
}

TEST_F(LookupsTest, StrengthBeyondTheProfileWarnsTwiceAndStopsWithCode1) {
  try {
    look().cintp(130.0);
    FAIL() << "no stop";
  } catch (const SoilModelStop& stop) {
    EXPECT_EQ(stop.code, 1);
  }
  const std::string warning =
      "\n                             **** WARNING ****\n"
      "     THE VALUE OF X =  0.1E+03IS BEYOND THE EXTENT OF\n"
      "     THE INPUT STRENGTH CURVE\n";
  EXPECT_EQ(console.str(), warning + warning);
}

TEST_F(LookupsTest, FrictionAngleBeyondTheProfileWarnsTwiceAndStopsWithoutCode) {
  try {
    look().phintp(130.0);
    FAIL() << "no stop";
  } catch (const SoilModelStop& stop) {
    EXPECT_EQ(stop.code, 0);
  }
  const std::string warning =
      "\n                             **** WARNING ****\n"
      "     THE VALUE OF X =  0.1E+03 IS BEYOND THE EXTENT OF\n"
      "     THE INPUT PHI CURVE\n";
  EXPECT_EQ(console.str(), warning + warning);
}

TEST_F(LookupsTest, MeanUnitWeightBeyondTheProfileStopsWithCode4Silently) {
  try {
    look().gamavg(100.5);
    FAIL() << "no stop";
  } catch (const SoilModelStop& stop) {
    EXPECT_EQ(stop.code, 4);
  }
  EXPECT_EQ(console.str(), "");
  EXPECT_EQ(report.str(), "");
}

TEST_F(LookupsTest, MeanUnitWeightAveragesOverTheLayers) {
  EXPECT_DOUBLE_EQ(look().gamavg(25.0), 0.07);
  EXPECT_DOUBLE_EQ(look().gamavg(100.0), 0.065);  // (0.07·50 + 0.06·50)/100
  EXPECT_DOUBLE_EQ(look().gamavg(75.0), (0.07 * 50 + 0.06 * 25) / 75);
  EXPECT_EQ(look().gamavg(-1.0), 0.0);
}

TEST(MeanUnitWeight, IsConstantInAUniformSoil) {
  PyProblem problem;
  problem.add_layer(4, 220.0, {0.0361, 0, 30, 0, 90, 0});
  const PyModel m = build_py_model(problem.st());
  std::ostringstream out;
  const SoilLookups look(m, out, out);
  for (double x : {0.0, 1e-7, 0.1, 33.3, 99.9, 100.0}) {
    EXPECT_NEAR(look.gamavg(x), 0.0361, 1e-15) << x;
  }
}

// Water table at mid-depth of a uniform soil: at twice the water-table depth the mean
// is γ − γw/2.
TEST(MeanUnitWeight, WaterAtMidDepthHalvesTheReduction) {
  PyProblem problem;
  problem.st().wall.water_backfill = 170.0;  // 50 in below the excavation level
  problem.add_layer(4, 220.0, {0.07, 0, 30, 0, 90, 0});
  const PyModel m = build_py_model(problem.st());
  std::ostringstream out;
  const SoilLookups look(m, out, out);
  EXPECT_DOUBLE_EQ(look.gamavg(100.0), 0.07 - kGammaW / 2);
  EXPECT_DOUBLE_EQ(look.gamavg(50.0), 0.07);
  EXPECT_DOUBLE_EQ(look.gamavg(75.0), (0.07 * 50 + (0.07 - kGammaW) * 25) / 75);
}

// At the surface the mean is the first positive unit weight: here the top layer is
// lighter than water once submerged.
TEST(MeanUnitWeight, AtTheSurfaceTakesTheFirstPositiveUnitWeight) {
  PyProblem problem;
  problem.st().wall.water_backfill = 0.0;
  problem.add_layer(1, 160.0, {0.03, 4, 0, 0.02, 0, 0});
  problem.add_layer(4, 220.0, {0.07, 0, 30, 0, 90, 0});
  const PyModel m = build_py_model(problem.st());
  std::ostringstream out;
  const SoilLookups look(m, out, out);
  EXPECT_DOUBLE_EQ(look.gamavg(0.0), 0.07 - kGammaW);
}

struct TableCase {
  double ratio;              // depth/width
  double as, a, b;
};

class FactorTableTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(FactorTableTest, InterpolatesLinearlyAndHoldsTheLastValue) {
  const TableCase& c = GetParam();
  PyProblem problem;
  problem.add_layer(4, 220.0, {0.07, 0, 30, 0, 90, 0});
  const PyModel m = build_py_model(problem.st());  // b = 24
  std::ostringstream out;
  const SoilLookups look(m, out, out);
  const double x = c.ratio * 24.0;
  // The table values are single-precision numbers (2.14 is 2.14000010).
  EXPECT_NEAR(look.astab(x), c.as, 1e-6);
  EXPECT_NEAR(look.atab(x), c.a, 1e-6);
  EXPECT_NEAR(look.btab(x), c.b, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Ratios, FactorTableTest,
                         ::testing::Values(TableCase{0.0, 0.223, 2.83, 2.14},
                                           TableCase{0.25, 0.28225, 2.655, 1.985},
                                           TableCase{2.5, 0.57, 1.23, 0.86},
                                           TableCase{3.5, 0.595, 0.98, 0.62},
                                           TableCase{5.5, 0.6, 0.88, 0.5},
                                           TableCase{9.0, 0.6, 0.88, 0.5}));

// A modification table with a step at 200 in (rows 2 and 3 at one depth).
class MultiplierTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m.h_exc = 120.0;
    m.mods.push_back({150.0, 1.0, 1.0});
    m.mods.push_back({200.0, 0.8, 0.9});
    m.mods.push_back({200.0, 0.5, 0.6});
    m.mods.push_back({300.0, 0.7, 1.0});
  }
  PyModel m;
};

TEST_F(MultiplierTest, StepTakesTheLowerRowAtItsDepth) {
  EXPECT_DOUBLE_EQ(engine::py::pmult(m, 200.0), 0.5);
  EXPECT_DOUBLE_EQ(engine::py::ymult(m, 200.0), 0.6);
}

TEST_F(MultiplierTest, InterpolatesBetweenRowsAndIsOneOutside) {
  EXPECT_DOUBLE_EQ(engine::py::pmult(m, 175.0), 0.9);
  EXPECT_DOUBLE_EQ(engine::py::ymult(m, 175.0), 0.95);
  EXPECT_DOUBLE_EQ(engine::py::pmult(m, 250.0), 0.6);
  EXPECT_DOUBLE_EQ(engine::py::pmult(m, 150.0), 1.0);
  EXPECT_DOUBLE_EQ(engine::py::pmult(m, 300.0), 0.7);
  EXPECT_DOUBLE_EQ(engine::py::pmult(m, 149.0), 1.0);
  EXPECT_DOUBLE_EQ(engine::py::pmult(m, 301.0), 1.0);
}

TEST(Multipliers, ATableOfOneRowGivesOne) {
  PyModel m;
  m.mods.push_back({150.0, 0.5, 0.5});
  EXPECT_EQ(engine::py::pmult(m, 150.0), 1.0);
  EXPECT_EQ(engine::py::ymult(m, 150.0), 1.0);
}

struct SpacingCase {
  double r;                  // Wa/Wp
  double x;                  // depth below the top of the wall
  double expected;
};

class SpacingTest : public ::testing::TestWithParam<SpacingCase> {};

// Without a table: 0.5292·r^0.5659 for 1.1 ≤ r < 3.1 at or below the excavation
// level (120 in), else 1; y is never scaled.
TEST_P(SpacingTest, ReducesPByTheElementSpacing) {
  const SpacingCase& c = GetParam();
  PyModel m;
  m.h_exc = 120.0;
  m.r = c.r;
  EXPECT_NEAR(engine::py::pmult(m, c.x), c.expected, 1e-6);
  EXPECT_EQ(engine::py::ymult(m, c.x), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Ratios, SpacingTest,
                         ::testing::Values(SpacingCase{2.0, 150.0, 0.783380},  // 0.5292·1.48029
                                           SpacingCase{1.0, 150.0, 1.0},
                                           SpacingCase{2.0, 100.0, 1.0},
                                           SpacingCase{1.2, 150.0, 0.5867168},  // 0.5292·1.108685
                                           // 1.1 as a double lies below the method's
                                           // single-precision 1.1 (1.10000002).
                                           SpacingCase{1.1, 150.0, 1.0},
                                           SpacingCase{3.1, 150.0, 1.0},
                                           SpacingCase{1.09, 150.0, 1.0}));

}  // namespace
}  // namespace veldra::test
