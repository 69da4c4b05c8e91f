// The p-y layers below the excavation level, the unit-weight and strength profiles,
// the cut at the deepest curve depth, the curve depths and their assignment.
#include "engine/py/py_input_error.h"
#include "engine/py/py_layers.h"
#include "engine/state/single_precision.h"
#include "tests/engine/py_test_problem.h"

#include <gtest/gtest.h>

namespace veldra::test {
namespace {

using engine::py::build_py_model;
using engine::py::PyModel;

const double kGammaW = engine::single(0.036f);
const double kInset = engine::single(0.1f);

// Most cases: H = 120 in, wall 40 × 6 in, so the deepest curve depth is
// 240 + 12 − 120 = 132 in below the excavation level.
TEST(PyLayers, ALayerEndingAtTheExcavationLevelIsSkipped) {
  PyProblem problem;
  problem.add_layer(1, 120.0, {0.07, 5, 0, 0.01, 0, 0});
  problem.add_layer(4, 220.0, {0.07, 0, 30, 0, 90, 0});
  const PyModel m = build_py_model(problem.st());
  ASSERT_EQ(m.npyl(), 1);
  EXPECT_EQ(m.layers[1].zt, 0.0);
  EXPECT_EQ(m.layers[1].zb, 100.0);
  EXPECT_EQ(m.layers[1].type, 4);
  EXPECT_EQ(m.layers[1].input, 2);
  EXPECT_EQ(m.layers[1].k, 90.0);
}

TEST(PyLayers, ALayerAcrossTheExcavationLevelStartsTheListWithItsLowerPart) {
  PyProblem problem;
  problem.add_layer(1, 150.0, {0.07, 5, 0, 0.01, 0, 0}, {0.07, 8, 0, 0.02, 0, 0});
  problem.add_layer(4, 220.0, {0.07, 0, 30, 0, 90, 0});
  const PyModel m = build_py_model(problem.st());
  ASSERT_EQ(m.npyl(), 2);
  EXPECT_EQ(m.layers[1].zb, 30.0);
  EXPECT_EQ(m.layers[2].zt, 30.0);
  EXPECT_EQ(m.layers[2].zb, 100.0);
  // The strength profile takes the input layer's top and bottom values as they are.
  ASSERT_EQ(m.ns(), 4);
  EXPECT_EQ(m.s[1].c, 5.0);
  EXPECT_EQ(m.s[2].c, 8.0);
  EXPECT_EQ(m.s[2].e50, 0.02);
}

struct WaterCase {
  const char* name;
  double water;              // below the top of the wall
  std::vector<engine::py::UnitWeightPoint> expected;
};

void PrintTo(const WaterCase& c, std::ostream* os) { *os << c.name; }

class UnitWeightProfileTest : public ::testing::TestWithParam<WaterCase> {};

// Two layers below the excavation level: 0 to 60 in (γ = 0.07) and 60 to 120 in
// (γ = 0.075).
TEST_P(UnitWeightProfileTest, ReducesTheUnitWeightBelowTheWaterTable) {
  const WaterCase& c = GetParam();
  PyProblem problem;
  problem.st().wall.water_backfill = c.water;
  problem.add_layer(1, 180.0, {0.07, 5, 0, 0.01, 0, 0});
  problem.add_layer(1, 240.0, {0.075, 5, 0, 0.01, 0, 0});
  const PyModel m = build_py_model(problem.st());
  ASSERT_EQ(m.nw(), static_cast<int>(c.expected.size()));
  for (int i = 1; i <= m.nw(); ++i) {
    EXPECT_DOUBLE_EQ(m.w[i].x, c.expected[i - 1].x) << i;
    EXPECT_DOUBLE_EQ(m.w[i].gamma, c.expected[i - 1].gamma) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Water, UnitWeightProfileTest,
    ::testing::Values(
        WaterCase{"Deep", 1000.0, {{0, 0.07}, {60, 0.07}, {60, 0.075}, {120, 0.075}}},
        // At the boundary: the upper layer keeps its total unit weight, both points of
        // the lower layer are reduced.
        WaterCase{"AtTheBoundary",
                  180.0,
                  {{0, 0.07}, {60, 0.07}, {60, 0.075 - kGammaW}, {120, 0.075 - kGammaW}}},
        // Inside the upper layer: its second point moves up to the water table with the
        // total unit weight, and the lower layer's reduced unit weight starts there.
        WaterCase{"InsideTheUpperLayer",
                  150.0,
                  {{0, 0.07}, {30, 0.07}, {30, 0.075 - kGammaW}, {120, 0.075 - kGammaW}}},
        // Inside the last layer: two more points carry the reduced unit weight down to
        // the bottom of the strength profile.
        WaterCase{"InsideTheLastLayer",
                  200.0,
                  {{0, 0.07},
                   {60, 0.07},
                   {60, 0.075},
                   {80, 0.075},
                   {80, 0.075 - kGammaW},
                   {120, 0.075 - kGammaW}}},
        // At the excavation level: everything below is reduced.
        WaterCase{"AtTheExcavationLevel",
                  120.0,
                  {{0, 0.07 - kGammaW},
                   {60, 0.07 - kGammaW},
                   {60, 0.075 - kGammaW},
                   {120, 0.075 - kGammaW}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PyLayers, TheLayerReachingBelowTheDeepestCurveIsCutThere) {
  PyProblem problem;
  problem.add_layer(1, 200.0, {0.07, 5, 0, 0.01, 0, 0});
  problem.add_layer(3, 300.0, {0.07, 10, 0, 0.01, 0, 0}, {0.08, 20, 0, 0.02, 0, 50});
  problem.add_layer(4, 400.0, {0.07, 0, 30, 0, 90, 0});
  const PyModel m = build_py_model(problem.st());
  ASSERT_EQ(m.npyl(), 2);  // the sand below is not used
  EXPECT_DOUBLE_EQ(m.layers[2].zb, 132.0);
  ASSERT_EQ(m.ns(), 4);
  // Bottom values at 132: top + (bottom − top)·(132 − 80)/100.
  EXPECT_DOUBLE_EQ(m.s[4].x, 132.0);
  EXPECT_DOUBLE_EQ(m.s[4].c, 15.2);
  EXPECT_DOUBLE_EQ(m.s[4].e50, 0.0152);
  EXPECT_DOUBLE_EQ(m.s[4].p6, 26.0);
  // The unit-weight profile keeps the layer's own bottom.
  ASSERT_EQ(m.nw(), 4);
  EXPECT_DOUBLE_EQ(m.w[4].x, 180.0);
  ASSERT_EQ(m.nc(), 10);
  EXPECT_DOUBLE_EQ(m.xc[6], 80.0 + kInset);
  EXPECT_DOUBLE_EQ(m.xc[8], 106.0);
  EXPECT_DOUBLE_EQ(m.xc[10], 132.0 - kInset);
}

// A layer that the cut leaves thinner than two insets lies below every curve the wall
// can feel: it is dropped, also when the layer above ends exactly at the cut.
TEST(PyLayers, ASliverLeftByTheCutIsDropped) {
  for (double boundary : {252.0, 251.9}) {
    PyProblem problem;
    problem.add_layer(1, boundary, {0.07, 5, 0, 0.01, 0, 0});
    problem.add_layer(4, 400.0, {0.07, 0, 30, 0, 90, 0});
    const PyModel m = build_py_model(problem.st());
    EXPECT_EQ(m.npyl(), 1) << boundary;
    EXPECT_EQ(m.nc(), 5) << boundary;
  }
}

TEST(PyLayers, NoLayerBelowTheExcavationLevelGivesNoCurve) {
  PyProblem problem;
  problem.add_layer(4, 100.0, {0.07, 0, 30, 0, 90, 0});
  const PyModel m = build_py_model(problem.st());
  EXPECT_EQ(m.npyl(), 0);
  EXPECT_EQ(m.nc(), 0);
  EXPECT_EQ(m.nw(), 0);
  EXPECT_EQ(m.ns(), 0);
}

TEST(PyLayers, AWallEndingAboveTheExcavationLevelGivesNoCurve) {
  PyProblem problem;
  problem.set_wall(10, 6.0);  // 60 in long, excavation at 120 in
  problem.add_layer(4, 400.0, {0.07, 0, 30, 0, 90, 0});
  EXPECT_EQ(build_py_model(problem.st()).npyl(), 0);
}

TEST(CurveDepths, FiveInAHundredInchLayer) {
  PyProblem problem;
  problem.add_layer(4, 220.0, {0.07, 0, 30, 0, 90, 0});
  const PyModel m = build_py_model(problem.st());
  ASSERT_EQ(m.nc(), 5);
  const double expected[] = {kInset, 25, 50, 75, 100 - kInset};
  for (int i = 1; i <= 5; ++i) EXPECT_DOUBLE_EQ(m.xc[i], expected[i - 1]) << i;
  EXPECT_EQ(m.xc[1], 0.100000001490116119384765625);  // the single-precision 0.1
}

TEST(CurveDepths, FiveInATwoMetreLayerInSIUnits) {
  PyProblem problem;
  problem.st().ctl.units = 2;
  problem.set_wall(40, 0.25);
  problem.st().wall.hfree = 3.0;
  problem.st().wall.wp = 0.6;
  problem.add_layer(4, 5.0, {18, 0, 30, 0, 20000, 0});
  const PyModel m = build_py_model(problem.st());
  ASSERT_EQ(m.nc(), 5);
  const double expected[] = {kInset / 10, 0.5, 1.0, 1.5, 2.0 - kInset / 10};
  for (int i = 1; i <= 5; ++i) EXPECT_DOUBLE_EQ(m.xc[i], expected[i - 1]) << i;
  EXPECT_DOUBLE_EQ(m.gamma_w, engine::single(9.81f));
}

TEST(CurveDepths, FrictionAnglesAreHeldInRadians) {
  PyProblem problem;
  problem.add_layer(4, 220.0, {0.07, 0, 30, 0, 90, 0}, {0.07, 0, 36, 0, 90, 0});
  const PyModel m = build_py_model(problem.st());
  EXPECT_DOUBLE_EQ(m.s[1].phi, 30.0 * engine::kPi / 180.0);
  EXPECT_DOUBLE_EQ(m.s[2].phi, 36.0 * engine::kPi / 180.0);
}

TEST(CurveAssignment, EveryLayerHoldsItsOwnFiveCurves) {
  PyProblem problem;
  problem.add_layer(1, 150.0, {0.07, 5, 0, 0.01, 0, 0});
  problem.add_layer(4, 200.0, {0.07, 0, 30, 0, 90, 0});
  problem.add_layer(6, 240.0, {0.1, 1000, 0, 0, 0, 0});
  const PyModel m = build_py_model(problem.st());
  ASSERT_EQ(m.npyl(), 3);
  for (int j = 1; j <= 3; ++j) {
    EXPECT_EQ(m.layers[j].l1, 5 * j - 4);
    EXPECT_EQ(m.layers[j].l2, 5 * j);
    EXPECT_TRUE(engine::py::layer_has_curves(m, j));
  }
}

// Curves placed by hand so that the middle layer holds none: it is passed over with
// L1 = 0 and the L2 of the layer above, and not generated.
TEST(CurveAssignment, ALayerWithoutCurvesIsPassedOver) {
  PyModel m;
  for (double zb : {10.0, 20.0, 30.0}) {
    engine::py::PyLayer layer;
    layer.zb = zb;
    m.layers.push_back(layer);
  }
  m.xc = {0.0, 5.0, 25.0, 26.0};
  engine::py::assign_curves(m);
  EXPECT_EQ(m.layers[1].l1, 1);
  EXPECT_EQ(m.layers[1].l2, 1);
  EXPECT_EQ(m.layers[2].l1, 0);
  EXPECT_EQ(m.layers[2].l2, 1);
  EXPECT_EQ(m.layers[3].l1, 2);
  EXPECT_EQ(m.layers[3].l2, 3);
  EXPECT_TRUE(engine::py::layer_has_curves(m, 1));
  EXPECT_FALSE(engine::py::layer_has_curves(m, 2));
  EXPECT_TRUE(engine::py::layer_has_curves(m, 3));
}

struct ThinCase {
  const char* name;
  double bottom_1;
  double bottom_2;
};

void PrintTo(const ThinCase& c, std::ostream* os) { *os << c.name; }

class ThinLayerTest : public ::testing::TestWithParam<ThinCase> {};

// A layer thinner than 2·0.1 in would put its curves out of order: the run ends with
// a message naming the layer, its type and what to correct.
TEST_P(ThinLayerTest, EndsTheRunNamingTheLayer) {
  const ThinCase& c = GetParam();
  PyProblem problem;
  problem.add_layer(1, c.bottom_1, {0.07, 5, 0, 0.01, 0, 0});
  problem.add_layer(4, c.bottom_2, {0.07, 0, 30, 0, 90, 0});
  problem.add_layer(1, 250.0, {0.07, 5, 0, 0.01, 0, 0});
  EXPECT_THROW(build_py_model(problem.st()), engine::py::PyInputError);
  EXPECT_TRUE(problem.run().empty());
  EXPECT_EQ(problem.input_error,
            "ERROR STOP -- SOIL LAYER 2 (SAND): IT IS THINNER THAN 0.2 IN BELOW THE EXCAVATION "
            "LEVEL; CORRECT THE DEPTH OF ITS BOTTOM");
  EXPECT_NE(problem.report().find("\n\n     " + problem.input_error + "\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Layers, ThinLayerTest,
    ::testing::Values(ThinCase{"FirstBelowTheExcavation", 100.0, 120.15},
                      ThinCase{"BetweenTwoLayers", 160.0, 160.1},
                      ThinCase{"BottomAboveTheLayerAbove", 160.0, 150.0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace veldra::test
