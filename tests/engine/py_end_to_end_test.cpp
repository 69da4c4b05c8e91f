// Whole analyses with generated p-y curves: the bundled examples, user curves mixed
// with generated ones, and how a p-y input error or a generator stop ends a run.
#include "tests/support/engine_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

namespace veldra::test {
namespace {

std::string example(const std::string& name) {
  std::ifstream in(std::string(VELDRA_SOURCE_DIR) + "/examples/" + name);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The p-y block of a plot file: the count line, then per curve its header and points.
struct PlotCurves {
  int units = 0;
  int count = 0;
  std::vector<int> points;   // point count of each curve
  bool finite = true;
};

PlotCurves plot_curves(const std::string& plot, int pressure_points) {
  std::istringstream in(plot);
  std::string line;
  for (int i = 0; i <= pressure_points; ++i) std::getline(in, line);  // pressure block
  PlotCurves c;
  in >> c.units >> c.count;
  for (int k = 0; k < c.count; ++k) {
    double header = 0.0;
    int n = 0;
    in >> header >> n;
    c.points.push_back(n);
    for (int j = 0; j < 2 * n; ++j) {
      std::string v;
      in >> v;
      c.finite = c.finite && std::isfinite(std::strtod(v.c_str(), nullptr));
    }
  }
  return c;
}

struct ExampleCase {
  const char* file;
  int pressure_points;
  int curves;
  double tip;                // depth of the wall's tip
  double excavation;
  double moment_from;        // where the largest moment must lie
  double moment_to;
};

void PrintTo(const ExampleCase& c, std::ostream* os) { *os << c.file; }

class ExampleTest : public ::testing::TestWithParam<ExampleCase> {};

// Each example runs to the end with five generated curves per p-y layer, none of them
// with a NaN, the wall moving toward the excavation at its top, and its largest
// moment where the method puts it.
TEST_P(ExampleTest, AnalysesToTheEndWithSensibleResults) {
  const ExampleCase& c = GetParam();
  const std::string data = example(c.file);
  ASSERT_FALSE(data.empty()) << c.file;
  const EngineRun run = run_engine(data);
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  ASSERT_EQ(run.status.problems.size(), 1u);
  const ProblemSummary& s = run.status.problems[0];
  EXPECT_TRUE(s.closed);
  EXPECT_FALSE(s.deflection_exceeded);
  EXPECT_GE(s.depth_of_max_moment, c.moment_from);
  EXPECT_LE(s.depth_of_max_moment, c.moment_to);
  EXPECT_NE(run.report.find("SOIL LAYERS AND STRENGTH DATA"), std::string::npos);
  EXPECT_EQ(run.report.find("NaN"), std::string::npos);
  EXPECT_EQ(run.report.find("Inf"), std::string::npos);
  EXPECT_NE(run.console.find(" READ SOIL DATA....\n"), std::string::npos);

  const PlotCurves curves = plot_curves(run.plot, c.pressure_points);
  EXPECT_EQ(curves.count, c.curves);
  EXPECT_EQ(curves.points, std::vector<int>(static_cast<std::size_t>(c.curves), 33));
  EXPECT_TRUE(curves.finite);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExampleTest,
    ::testing::Values(
        // 10 ft cantilever sheet piles in sand, 25 ft long: the largest moment a few
        // feet below the excavation level (120 in).
        ExampleCase{"cantilever-wall-in-sand.vd5d", 3, 10, 300, 120, 130, 200},
        // 12 ft excavation held by one tieback at 4 ft: the largest moment in the span
        // between the tieback (48 in) and the excavation level (144 in).
        ExampleCase{"anchored-wall-in-soft-clay-over-stiff-clay.vd5d", 6, 15, 540, 144, 48,
                    144},
        // 15 ft cantilever soldier piles socketed into weak rock from 17 ft: the largest
        // moment just below the top of the rock (204 in).
        ExampleCase{"wall-socketed-into-weak-rock.vd5d", 5, 10, 324, 180, 190, 240}),
    [](const auto& info) {
      std::string name = info.param.file;
      std::string out;
      for (char ch : name.substr(0, name.find('.'))) out += ch == '-' ? '_' : ch;
      return out;
    });

// A wall in sand with no earth pressure (KEP = 0): the soil records are still read for
// the curves. One user curve above the excavation level comes first: its echo precedes
// the p-y sections, and the plot file heads every curve with station and point count.
const char* const kMixed =
    "USER AND GENERATED CURVES\n"
    "1 0\t1\t0\t0\t2 1 1 0 0\n"
    "40 6\t10\t0.0001\t120\t24\n"
    "0\t40\t1\t1.0E10\n"
    "1\n"
    "1\t0\t0\t2000\t0\t0\n"
    "0\n"
    "120\t24\t24\t1000\t1000\t1\t1\t0\n"
    "0\t0\t0\t0\t0\t0\n"
    "0\n"
    "1\n"
    "4 400 \n"
    "0.07 0.0  30 0.0  90 0.0  \n"
    "0.07 0.0  30 0.0  90 0.0  \n"
    "10\t3\t1\t1\n"
    "0\t0\n"
    "1\t100\n"
    "2\t150\n"
    "0\n";

TEST(EndToEnd, UserCurvesComeBeforeTheGeneratedOnes) {
  const EngineRun run = run_engine(kMixed);
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  const std::size_t user = run.report.find("INPUTTED  SOIL RESISTANCE (P-Y) CURVES");
  const std::size_t generated = run.report.find("SOIL LAYERS AND STRENGTH DATA");
  ASSERT_NE(user, std::string::npos);
  ASSERT_NE(generated, std::string::npos);
  EXPECT_LT(user, generated);
  // Plot: "0" for no pressure, then units and 1 + 5 curves, headed by station and count.
  std::istringstream plot(run.plot);
  int no_pressure = -1, units = 0, count = 0, station = 0, n = 0;
  plot >> no_pressure >> units >> count >> station >> n;
  EXPECT_EQ(no_pressure, 0);
  EXPECT_EQ(count, 6);
  EXPECT_EQ(station, 10);
  EXPECT_EQ(n, 3);
  const PlotCurves curves = plot_curves(run.plot, 0);
  ASSERT_EQ(curves.points.size(), 6u);
  EXPECT_EQ(curves.points[0], 3);
  EXPECT_EQ(curves.points[5], 33);
  // The Lmax cut: 240 + 12 − 120 = 132 in below the excavation level.
  EXPECT_NE(run.report.find("                   252.00      0.000             30.000       -----\n"),
            std::string::npos);
}

std::string with_soil(const std::string& layer_lines) {
  std::string data = kMixed;
  const std::size_t from = data.find("4 400 \n");
  const std::size_t to = data.find("10\t3\t1\t1\n");
  data.replace(from, to - from, layer_lines);
  // No user curve.
  data.replace(data.find("2 1 1 0 0"), 9, "2 0 1 0 0");
  data.erase(data.find("10\t3\t1\t1\n"), std::string("10\t3\t1\t1\n0\t0\n1\t100\n2\t150\n").size());
  return data;
}

TEST(EndToEnd, AnUndefinedCurveIsAnInputError) {
  const EngineRun run = run_engine(with_soil("6 400 \n0.1 0.0  0.0  0.0  0.0  0.0  \n"
                                             "0.1 0.0  0.0  0.0  0.0  0.0  \n"));
  EXPECT_EQ(run.status.outcome, RunOutcome::InputError);
  const std::string message =
      "ERROR STOP -- SOIL LAYER 1 (STRONG ROCK) AT DEPTH 120.1 IN: UNIAXIAL COMPRESSIVE "
      "STRENGTH MUST BE POSITIVE";
  EXPECT_EQ(run.status.message, message);
  EXPECT_NE(run.report.find("\n\n     " + message + "\n\n\n\n     END OF ANALYSIS"),
            std::string::npos);
}

TEST(EndToEnd, AGeneratorStopEndsTheRunWithoutAnotherLine) {
  const EngineRun run = run_engine(with_soil("5 400 \n0.07 2  0.0  0.01  90 0.0  \n"
                                             "0.07 2  0.0  0.01  90 0.0  \n"));
  EXPECT_EQ(run.status.outcome, RunOutcome::SoilStop);
  EXPECT_EQ(run.status.stop_code, 0);
  EXPECT_EQ(run.report.find("END OF ANALYSIS"), std::string::npos);
  EXPECT_NE(run.console.find("friction angle of the sand."), std::string::npos);
  // The report ends with the p-y heading under which the first curve would have come.
  const std::string tail = "        P-Y CURVES DATA\n\n";
  ASSERT_GE(run.report.size(), tail.size());
  EXPECT_EQ(run.report.substr(run.report.size() - tail.size()), tail);
}

}  // namespace
}  // namespace veldra::test
