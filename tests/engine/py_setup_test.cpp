// PYDATA as the driver sees it: the soil values for which no curve is defined end the
// run with a message an engineer can act on, the stops of the generators, the unit
// labels, and that no NaN or infinity ever reaches a curve or the report.
#include "tests/engine/py_test_problem.h"
#include "tests/support/engine_run.h"

#include <gtest/gtest.h>

#include <cmath>

namespace veldra::test {
namespace {

struct ErrorCase {
  const char* name;
  int type;
  Slots soil;
  double wp;
  const char* message;
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

class UndefinedCurveTest : public ::testing::TestWithParam<ErrorCase> {};

// One layer below a 120 in excavation down to 220 in; the first curve is at 0.1 in.
TEST_P(UndefinedCurveTest, EndsTheRunNamingLayerTypeAndValue) {
  const ErrorCase& c = GetParam();
  PyProblem problem;
  problem.st().wall.wp = c.wp;
  problem.add_layer(1, 100.0, {0.07, 5, 0, 0.01, 0, 0});
  problem.add_layer(c.type, 220.0, c.soil);
  EXPECT_TRUE(problem.run().empty());
  EXPECT_FALSE(problem.stopped);
  EXPECT_EQ(problem.input_error, c.message);
  const std::string report = problem.report();
  EXPECT_NE(report.find("\n\n     " + std::string(c.message) + "\n"), std::string::npos);
  EXPECT_EQ(report.find("NaN"), std::string::npos);
  EXPECT_EQ(report.find("Inf"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UndefinedCurveTest,
    ::testing::Values(
        ErrorCase{"NoWidth", 4, {0.07, 0, 30, 0, 90, 0}, 0.0,
                  "ERROR STOP -- WIDTH FOR SOIL RESISTANCE WP MUST BE POSITIVE FOR GENERATED P-Y "
                  "CURVES"},
        ErrorCase{"NegativeWidth", 4, {0.07, 0, 30, 0, 90, 0}, -24.0,
                  "ERROR STOP -- WIDTH FOR SOIL RESISTANCE WP MUST BE POSITIVE FOR GENERATED P-Y "
                  "CURVES"},
        ErrorCase{"SoftClayWithoutStrain", 1, {0.07, 5, 0, 0, 0, 0}, 24.0,
                  "ERROR STOP -- SOIL LAYER 2 (SOFT CLAY) AT DEPTH 120.1 IN: STRAIN E50 MUST BE "
                  "POSITIVE"},
        ErrorCase{"StiffClayWithFreeWaterWithoutStrain", 2, {0.07, 10, 0, 0, 500, 0}, 24.0,
                  "ERROR STOP -- SOIL LAYER 2 (STIFF CLAY WITH FREE WATER) AT DEPTH 120.1 IN: "
                  "STRAIN E50 MUST BE POSITIVE"},
        ErrorCase{"StiffClayWithoutFreeWaterWithoutStrain", 3, {0.07, 10, 0, 0, 500, 0}, 24.0,
                  "ERROR STOP -- SOIL LAYER 2 (STIFF CLAY WITHOUT FREE WATER) AT DEPTH 120.1 IN: "
                  "STRAIN E50 MUST BE POSITIVE"},
        ErrorCase{"SandWithoutFriction", 4, {0.07, 0, 0, 0, 90, 0}, 24.0,
                  "ERROR STOP -- SOIL LAYER 2 (SAND) AT DEPTH 120.1 IN: FRICTION ANGLE MUST LIE "
                  "BETWEEN 0 AND 90 DEGREES"},
        ErrorCase{"SandWithoutModulus", 4, {0.07, 0, 30, 0, 0, 0}, 24.0,
                  "ERROR STOP -- SOIL LAYER 2 (SAND) AT DEPTH 120.1 IN: MODULUS CONSTANT K MUST BE "
                  "POSITIVE"},
        ErrorCase{"SiltWithoutModulus", 5, {0.07, 2, 30, 0.01, 0, 0}, 24.0,
                  "ERROR STOP -- SOIL LAYER 2 (SILT) AT DEPTH 120.1 IN: MODULUS CONSTANT K MUST BE "
                  "POSITIVE"},
        ErrorCase{"StrongRockWithoutStrength", 6, {0.1, 0, 0, 0, 0, 0}, 24.0,
                  "ERROR STOP -- SOIL LAYER 2 (STRONG ROCK) AT DEPTH 120.1 IN: UNIAXIAL "
                  "COMPRESSIVE STRENGTH MUST BE POSITIVE"},
        ErrorCase{"WeakRockWithoutStrainConstant", 7, {0.09, 500, 0, 0, 1e5, 50}, 24.0,
                  "ERROR STOP -- SOIL LAYER 2 (WEAK ROCK) AT DEPTH 120.1 IN: STRAIN CONSTANT KRM "
                  "MUST BE POSITIVE"},
        ErrorCase{"WeakRockWithoutModulus", 7, {0.09, 500, 0, 0.0005, 0, 50}, 24.0,
                  "ERROR STOP -- SOIL LAYER 2 (WEAK ROCK) AT DEPTH 120.1 IN: INITIAL MODULUS OF THE "
                  "ROCK MUST BE POSITIVE"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GeneratorStops, SiltWithoutFrictionWarnsOnTheConsoleAndStops) {
  PyProblem problem;
  problem.add_layer(5, 220.0, {0.07, 2, 0, 0.01, 90, 0});
  EXPECT_TRUE(problem.run().empty());
  EXPECT_TRUE(problem.stopped);
  EXPECT_EQ(problem.stop_code, 0);
  EXPECT_EQ(problem.console(),
            " READ SOIL DATA....\n"
            "\n\n"
            "       WARNING-------The Angle of the slope can not\n"
            "                     be greater than the internal  \n"
            "                     friction angle of the sand.   \n"
            "\n");
}

// Zero strength at the first curve of a weak-rock layer gives a curve without
// resistance; at any later curve the run stops with the console warning.
TEST(GeneratorStops, WeakRockWithoutStrengthStopsAtItsSecondCurve) {
  PyProblem problem;
  problem.add_layer(7, 220.0, {0.09, 0, 0, 0.0005, 1e5, 50});
  EXPECT_TRUE(problem.run().empty());
  EXPECT_TRUE(problem.stopped);
  EXPECT_EQ(problem.stop_code, 0);
  EXPECT_EQ(problem.console(),
            " READ SOIL DATA....\n"
            "\n"
            "       --------------------WARNING----------------------\n"
            "       THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT\n"
            "       DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN.\n");
  // The first curve was printed, both sides, without resistance.
  const std::vector<PrintedRow> rows = printed_rows(problem.report());
  ASSERT_EQ(rows.size(), 34u);
  for (const PrintedRow& row : rows) EXPECT_EQ(row.p, 0.0);
}

// A soft clay without cohesion under another layer: its curve does not depend on
// depth, so no equivalent depth is needed; the curve carries no resistance.
TEST(UndefinedValues, SoftClayWithoutCohesionBelowAnotherLayerGivesAZeroCurve) {
  PyProblem problem;
  problem.add_layer(4, 160.0, {0.07, 0, 30, 0, 90, 0});
  problem.add_layer(1, 220.0, {0.02, 0, 0, 0.02, 0, 0});
  const std::vector<engine::GeneratedCurve> curves = problem.run();
  ASSERT_EQ(problem.input_error, "");
  ASSERT_EQ(curves.size(), 10u);
  for (int i = 5; i < 10; ++i) {
    for (int r = 1; r <= 34; ++r) EXPECT_EQ(curves[i].p[r], 0.0) << i << ' ' << r;
  }
}

// Soil values at the edge of sense (lighter than water, negative strength, RQD above
// 100, friction near 90°, tiny or huge moduli): every run either ends with a message
// or gives curves and a report free of NaN and infinity.
TEST(UndefinedValues, NoNaNOrInfinityReachesACurveOrTheReport) {
  const struct {
    int type;
    Slots soil;
    double water;
  } cases[] = {
      {1, {0.02, -3, 0, 0.02, 0, 0}, 10000},    {1, {0.01, 3, 0, 0.02, 0, 0}, 0},
      {1, {0.02, 3, 0, 1e-9, 0, 0}, 10000},     {2, {0.07, 0, 0, 0.005, 500, 0}, 10000},
      {2, {0.07, 10, 0, 0.005, 0, 0}, 10000},   {3, {0.07, 0, 0, 0.005, 0, 0}, 10000},
      {3, {0.01, 10, 0, 0.005, 0, 0}, 0},       {4, {0.07, 0, 89.9, 0, 90, 0}, 10000},
      {4, {0.07, 0, -5, 0, 90, 0}, 10000},      {4, {0.03, 0, 30, 0, 90, 0}, 0},
      {4, {0.07, 0, 30, 0, 1e-12, 0}, 10000},   {4, {0.07, 0, 30, 0, 1e12, 0}, 10000},
      {5, {0.07, 0, 30, 0.01, 90, 0}, 10000},   {5, {0.07, 50, 30, 0.01, 90, 0}, 10000},
      {5, {0.07, 2, 89.9, 0.01, 90, 0}, 10000}, {5, {0.03, 2, 30, 0.01, 90, 0}, 0},
      {5, {0.07, 2, -10, 0.01, 90, 0}, 10000},  {6, {0.1, -5, 0, 0, 0, 0}, 10000},
      {6, {0.01, 1000, 0, 0, 0, 0}, 0},         {7, {0.09, 500, 0, 0.0005, 1e5, 250}, 10000},
      {7, {0.09, -500, 0, 0.0005, 1e5, 50}, 10000},
      {7, {0.09, 500, 0, 0.0005, 1e15, 50}, 10000},
  };
  for (const auto& c : cases) {
    for (int below : {0, 1}) {
      PyProblem problem;
      problem.st().wall.water_backfill = c.water;
      if (below) problem.add_layer(4, 160.0, {0.07, 0, 30, 0, 90, 0});
      problem.add_layer(c.type, 220.0, c.soil);
      const std::vector<engine::GeneratedCurve> curves = problem.run();
      const std::string trace = "type " + std::to_string(c.type) + " below " +
                                std::to_string(below) + " " + problem.input_error;
      for (const engine::GeneratedCurve& g : curves) {
        for (int r = 1; r <= 34; ++r) {
          EXPECT_TRUE(std::isfinite(g.p[r]) && std::isfinite(g.y[r])) << trace;
        }
      }
      EXPECT_EQ(problem.report().find("NaN"), std::string::npos) << trace;
      EXPECT_EQ(problem.report().find("Inf"), std::string::npos) << trace;
    }
  }
}

TEST(Labels, UserUnitsPrintTheEnglishLabelsFromHereOn) {
  PyProblem problem;
  problem.st().ctl.units = 3;
  problem.st().labels = engine::unit_labels(3);
  problem.add_layer(4, 220.0, {0.07, 0, 30, 0, 90, 0});
  problem.run();
  EXPECT_EQ(problem.st().labels.l3, " IN");
  EXPECT_EQ(problem.st().labels.f4, " LBS");
  EXPECT_NE(problem.report().find("X AT THE SURFACE OF EXCAVATION SIDE     =     120.00 IN\n"),
            std::string::npos);
}

TEST(Labels, SIUnitsPrintMetresAndKilonewtons) {
  PyProblem problem;
  problem.st().ctl.units = 2;
  problem.st().labels = engine::unit_labels(2);
  problem.set_wall(40, 0.25);
  problem.st().wall.hfree = 3.0;
  problem.st().wall.wa = 2.4;
  problem.st().wall.wp = 0.6;
  problem.add_layer(4, 6.0, {18, 0, 30, 0, 20000, 0});
  EXPECT_EQ(problem.run().size(), 5u);
  EXPECT_EQ(problem.st().labels.l3, "  M");
  const std::string report = problem.report();
  EXPECT_NE(report.find("X AT THE SURFACE OF EXCAVATION SIDE     =       3.00  M\n"),
            std::string::npos);
  EXPECT_NE(report.find("                     X, M   WEIGHT, KN/ M**3\n"), std::string::npos);
}

// No layer reaches below the excavation level: the section says so, with empty
// profiles, and no curve is generated.
TEST(NoLayers, PrintsZeroLayersAndEmptyProfiles) {
  PyProblem problem;
  problem.add_layer(4, 100.0, {0.07, 0, 30, 0, 90, 0});
  EXPECT_TRUE(problem.run().empty());
  EXPECT_EQ(problem.input_error, "");
  const std::string report = problem.report();
  EXPECT_NE(report.find("\n         0 LAYER(S) OF SOIL\n"), std::string::npos);
  EXPECT_EQ(count_of(report, "\n                            0 POINTS\n"), 2);
  EXPECT_NE(report.find("P-Y CURVES DATA"), std::string::npos);
}

TEST(NoLayers, TenLayersPrintTheirCountAsAnAsterisk) {
  PyProblem problem;
  problem.set_wall(100, 6.0);
  for (int l = 1; l <= 10; ++l) problem.add_layer(4, 120.0 + 40.0 * l, {0.07, 0, 30, 0, 90, 0});
  EXPECT_EQ(problem.run().size(), 50u);
  EXPECT_NE(problem.report().find("\n         * LAYER(S) OF SOIL\n"), std::string::npos);
}

}  // namespace
}  // namespace veldra::test
