// Walls whose chord iteration cycles between two segments of a curve: the
// stabilised iteration closes them on the same equations, and says so in the run
// notes.
#include "engine/wall/stabilised_iteration.h"
#include "tests/support/engine_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace veldra::test {
namespace {

namespace fs = std::filesystem;

const fs::path kWalls = fs::path(VELDRA_TEST_DATA_DIR) / "walls";

struct Point {
  double y, p;
};

struct PlotData {
  std::vector<double> curve_depths;
  std::vector<std::vector<Point>> curves;  // p per unit length of wall
  std::vector<double> deflection;          // stations 0 to N+1
  std::vector<double> reaction;            // net reaction per station
};

// The plot file of a single problem with generated curves: the pressure block,
// the p-y block (depth headers), the results block.
PlotData read_plot(const std::string& plot) {
  std::istringstream in(plot);
  PlotData d;
  int count = 0;
  in >> count;
  std::string line;
  std::getline(in, line);
  for (int i = 0; i < count; ++i) std::getline(in, line);
  int units = 0, curves = 0;
  in >> units >> curves;
  for (int k = 0; k < curves; ++k) {
    double depth = 0.0;
    int n = 0;
    in >> depth >> n;
    d.curve_depths.push_back(depth);
    std::vector<Point>& pts = d.curves.emplace_back(static_cast<std::size_t>(n));
    for (Point& pt : pts) in >> pt.y >> pt.p;
  }
  int sets = 0, npts = 0;
  in >> sets >> npts >> units;
  for (int j = 0; j < npts; ++j) {
    double depth = 0.0, w = 0.0, moment = 0.0, shear = 0.0, reaction = 0.0;
    in >> depth >> w >> moment >> shear >> reaction;
    d.deflection.push_back(w);
    d.reaction.push_back(reaction);
  }
  return d;
}

// The line through the segment of a curve in which v lies (the first and last
// segments extended beyond the curve's ends), at w.
double chord_at(const std::vector<Point>& c, double v, double w) {
  std::size_t i2 = 1;
  while (i2 + 1 < c.size() && v > c[i2].y) ++i2;
  const Point& a = c[i2 - 1];
  const Point& b = c[i2];
  if (b.y == a.y) return a.p;
  return a.p + (b.p - a.p) * (w - a.y) / (b.y - a.y);
}

// The soil's force on station j with the curves linearized at v and evaluated at w:
// consecutive curves chained, linearly interpolated between their stations, the
// two end stations of each span taking half.
double soil_force(const PlotData& d, double h, int n, int j, double v, double w) {
  double force = 0.0;
  for (std::size_t k = 0; k + 1 < d.curves.size(); ++k) {
    const int s = static_cast<int>(std::lround(d.curve_depths[k] / h));
    const int e = static_cast<int>(std::lround(d.curve_depths[k + 1] / h));
    const int e_cut = std::min(e, n);
    if (e <= s || s >= n || j < s || j > e_cut) continue;
    const double f = static_cast<double>(j - s) / (e - s);
    double share = (1.0 - f) * chord_at(d.curves[k], v, w) + f * chord_at(d.curves[k + 1], v, w);
    if (j == s || j == e_cut) share *= 0.5;
    force += share * h;
  }
  return force;
}

// The smallest difference between the printed reaction at station j and the soil's
// force with the curves linearized anywhere within the tolerance of the printed
// deflection: 0 (to the printed digits) when the station's reaction lies on its
// curves at its deflection.
double off_curves(const PlotData& d, double h, int n, int j, double tol) {
  const double w = d.deflection[static_cast<std::size_t>(j)];
  std::vector<double> cuts = {w - tol, w + tol};
  for (const auto& c : d.curves) {
    for (const Point& pt : c) {
      if (pt.y > w - tol && pt.y < w + tol) cuts.push_back(pt.y);
    }
  }
  std::sort(cuts.begin(), cuts.end());
  double best = INFINITY;
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    const double v = 0.5 * (cuts[i] + cuts[i + 1]);
    best = std::min(best, std::fabs(d.reaction[static_cast<std::size_t>(j)] -
                                    soil_force(d, h, n, j, v, w)));
  }
  return best;
}

struct CyclingWall {
  const char* file;
  double h;
  int n;
  double tol;
};

void PrintTo(const CyclingWall& c, std::ostream* os) { *os << c.file; }

class CyclingWallTest : public ::testing::TestWithParam<CyclingWall> {};

// Both walls cycle through the 100 iterations of the specified scheme (their run
// notes say so) and then close; below the head load at station 0 every station's
// net reaction is its soil's resistance at its deflection.
TEST_P(CyclingWallTest, ClosesWithEveryReactionOnItsCurves) {
  const CyclingWall& c = GetParam();
  const EngineRun run = run_engine(read_file(kWalls / c.file));
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  const ProblemSummary& s = run.status.problems.at(0);
  EXPECT_TRUE(s.closed);
  EXPECT_GT(s.iterations, 100);
  EXPECT_NE(run.notes.find("\n     SOLUTION NOT CLOSED IN 100 ITERATIONS: STABILISED ITERATION "
                           "FROM ITERATION 101\n"),
            std::string::npos)
      << run.notes;
  char closed[80];
  std::snprintf(closed, sizeof closed, "\n     STABILISED ITERATION CLOSED IN ITERATION%4d\n",
                s.iterations);
  EXPECT_NE(run.notes.find(closed), std::string::npos) << run.notes;
  char heading[40];
  std::snprintf(heading, sizeof heading, "RESULTS -- ITERATION%3d\n", s.iterations);
  EXPECT_NE(run.report.find(heading), std::string::npos);
  EXPECT_EQ(run.report.find("NOT CLOSED"), std::string::npos);

  const PlotData d = read_plot(run.plot);
  ASSERT_EQ(static_cast<int>(d.deflection.size()), c.n + 2);
  ASSERT_GE(d.curves.size(), 2u);
  double largest = 0.0;
  for (double r : d.reaction) largest = std::max(largest, std::fabs(r));
  for (int j = 1; j <= c.n; ++j) {
    EXPECT_LE(off_curves(d, c.h, c.n, j, c.tol), 2e-3 * largest)
        << "station " << j << ": deflection " << d.deflection[static_cast<std::size_t>(j)]
        << ", reaction " << d.reaction[static_cast<std::size_t>(j)];
  }
}

INSTANTIATE_TEST_SUITE_P(Walls, CyclingWallTest,
                         ::testing::Values(CyclingWall{"soft-clay-head-load.vd5d", 6.0, 60, 1e-4},
                                           CyclingWall{"stiff-clay-sheet-pile.vd5d", 12.0, 30,
                                                       1e-4}));

// Loose sand cannot hold 30000 lb on this cantilever: its deflections grow without
// bound and the stabilised iteration cannot close either. The report is that of
// the specified scheme's 100th iteration, as it always was; the notes tell of the
// attempt.
TEST(StabilisedIteration, AWallTheSoilCannotHoldIsReportedAsNotClosed) {
  const EngineRun run = run_engine(read_file(kWalls / "overloaded-sand-wall.vd5d"));
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  const ProblemSummary& s = run.status.problems.at(0);
  EXPECT_FALSE(s.closed);
  EXPECT_FALSE(s.deflection_exceeded);
  EXPECT_EQ(s.iterations, 100);
  EXPECT_NE(run.report.find("RESULTS -- ITERATION100\n"), std::string::npos);
  EXPECT_NE(run.report.find("***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****"),
            std::string::npos);
  char failed[120];
  std::snprintf(failed, sizeof failed,
                "\n     STABILISED ITERATION NOT CLOSED IN ITERATION%4d: THE RESULTS ARE THOSE "
                "OF ITERATION 100\n",
                100 + engine::kStabilisedSolutions);
  EXPECT_NE(run.notes.find(failed), std::string::npos) << run.notes.substr(run.notes.size() - 400);
}

}  // namespace
}  // namespace veldra::test
