// Report sections and plot-file blocks whose layout decides whether an engineer can
// read the numbers: overflow, empty sections, unit labels, thinned pressure points.
#include "engine/report/plot_file.h"
#include "tests/support/engine_run.h"

#include <gtest/gtest.h>

#include <vector>

namespace veldra::test {
namespace {

std::string wall(const std::string& control, const std::string& props,
                 const std::string& restraints) {
  return "REPORT TEST\n" + control + "\n" + props + "\n" + restraints +
         "0 10 1 1E9\n1\n1 0 0 1000 0 0\n1\n0 10 1 100 0\n0\n";
}

TEST(Report, ANumberTooWideForItsFieldPrintsAsterisks) {
  const EngineRun run = run_engine(wall("1 0 1 0 0 0 0 1 0 0", "10 1234567 1E9 0.001 0 12", ""));
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  EXPECT_NE(run.report.find("INCREMENT LENGTH                                   = ********* IN\n"),
            std::string::npos);
}

TEST(Report, NoRestraintsGiveAnEmptyLineAndALineOf20Blanks) {
  const EngineRun run = run_engine(wall("1 0 1 0 0 0 0 1 0 0", "10 12 100 0.001 0 12", ""));
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  EXPECT_NE(run.report.find("1.000E-03 IN\n\n" + std::string(20, ' ') + "\n\n\n      *****"),
            std::string::npos);
}

TEST(Report, SiUnitsLabelTheResultsTable) {
  const EngineRun run = run_engine(wall("2 0 1 0 0 0 0 1 0 0", "10 0.5 100 0.001 0 1", ""));
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  EXPECT_NE(run.report.find("\n              M           M                    KN- M         KN"
                            "          KN        KN- M**2\n"),
            std::string::npos)
      << run.report;
}

TEST(PlotFile, ASingleProblemWithoutPressureOrCurvesHoldsThreeBlocks) {
  const EngineRun run = run_engine(wall("1 0 1 0 0 0 0 1 0 0", "10 12 100 0.001 0 12", ""));
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  ASSERT_EQ(run.plot.substr(0, 16), " 0\n 1 0\n 1 12 1\n") << run.plot;
  // Twelve stations, 0 to N+1, and nothing after them.
  EXPECT_EQ(count_of(run.plot, "\n"), 3 + 12);
}

TEST(PlotFile, AZeroSoilPartIsWrittenAsATinyValue) {
  const std::string data = "PRESSURE\n1 0 1 0 1 0 0 1 0 0\n10 12 100 0.001 120 12\n"
                           "0 10 1 1E9\n0\n1\n0 10 1 100 0\n2\n0 0\n120 5\n0\n";
  const EngineRun run = run_engine(data);
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  EXPECT_EQ(run.plot.substr(0, 3 + 2 * 49),
            " 2\n"
            "   0.000E+00   0.000E+00   0.100E-06   0.000E+00\n"
            "   0.120E+03   0.500E+01   0.500E+01   0.000E+00\n");
}

std::vector<engine::PressurePoint> points(int n) {
  std::vector<engine::PressurePoint> p(static_cast<std::size_t>(n));
  for (int j = 0; j < n; ++j) p[static_cast<std::size_t>(j)].x = j + 1;
  return p;
}

std::vector<int> depths(const std::vector<engine::PressurePoint>& p) {
  std::vector<int> out;
  for (const auto& q : p) out.push_back(static_cast<int>(q.x));
  return out;
}

TEST(PlotFile, GeneratedPressurePointsAreThinnedAboveFifty) {
  EXPECT_EQ(engine::printed_pressure_points(1, points(50)).size(), 50u);
  // 120 points in English units: 1, 7, 13, ..., 115 and the last.
  std::vector<int> english;
  for (int j = 1; j <= 115; j += 6) english.push_back(j);
  english.push_back(120);
  EXPECT_EQ(depths(engine::printed_pressure_points(1, points(120))), english);
  // Every 4th otherwise; a last point already on the step is not repeated.
  std::vector<int> si;
  for (int j = 1; j <= 117; j += 4) si.push_back(j);
  EXPECT_EQ(depths(engine::printed_pressure_points(2, points(117))), si);
}

}  // namespace
}  // namespace veldra::test
