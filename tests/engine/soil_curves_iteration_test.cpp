// The nonlinear iteration: linearized p-y curves and their spans, tiebacks,
// moment-EI curves.
#include "engine/report/results_report.h"
#include "engine/state/problem_state.h"
#include "engine/state/single_precision.h"
#include "engine/wall/iteration.h"
#include "tests/support/engine_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>

namespace veldra::test {
namespace {

using engine::Curve;
using engine::ProblemState;
using engine::station_index;

Curve curve_of(std::initializer_list<std::pair<double, double>> points, int station = 0,
               int chain = 0) {
  Curve c;
  c.station = c.start = station;
  c.chain = chain;
  for (const auto& [y, p] : points) {
    ++c.n;
    c.y[c.n] = y;
    c.p[c.n] = p;
    c.pc[c.n] = p;
  }
  return c;
}

struct LinearizeCase {
  double w;
  double q;
  double s;
  bool off;
};

void PrintTo(const LinearizeCase& c, std::ostream* os) { *os << "w = " << c.w; }

class LinearizeTest : public ::testing::TestWithParam<LinearizeCase> {};

TEST_P(LinearizeTest, UsesTheSegmentHoldingTheDeflection) {
  // Points (-1, 10), (0, 0), (1, -10), (3, -14): slopes 10, 10, 2.
  const Curve c = curve_of({{-1, 10}, {0, 0}, {1, -10}, {3, -14}});
  const LinearizeCase k = GetParam();
  bool off = false;
  const engine::Chord chord = engine::linearize(c, k.w, off);
  EXPECT_DOUBLE_EQ(chord.s, k.s);
  EXPECT_DOUBLE_EQ(chord.q, k.q);
  EXPECT_EQ(off, k.off);
}

// Resistance on the segment: q - s*w. A deflection equal to a point uses the segment
// ending at that point; beyond either end the end segment is extended and flagged.
INSTANTIATE_TEST_SUITE_P(
    Deflections, LinearizeTest,
    ::testing::Values(LinearizeCase{-0.5, 0.0, 10.0, false},   // segment (1,2)
                      LinearizeCase{0.0, 0.0, 10.0, false},    // ends at point 2
                      LinearizeCase{1.0, 0.0, 10.0, false},    // ends at point 3
                      LinearizeCase{2.0, -8.0, 2.0, false},    // segment (3,4)
                      LinearizeCase{-2.0, 0.0, 10.0, true},    // before the first point
                      LinearizeCase{5.0, -8.0, 2.0, true}));   // beyond the last point

TEST(Linearize, ACurveOfTwoPointsIsAlwaysFlagged) {
  const Curve c = curve_of({{0, 0}, {1, -5}});
  bool off = false;
  const engine::Chord chord = engine::linearize(c, 0.5, off);
  EXPECT_TRUE(off);
  EXPECT_DOUBLE_EQ(chord.s, 5.0);
}

std::unique_ptr<ProblemState> state_with_curves(int n, std::initializer_list<Curve> curves) {
  auto st = std::make_unique<ProblemState>();
  st->set_increments(n, 1.0);
  for (const Curve& c : curves) st->curves[++st->ncur] = c;
  return st;
}

double S2(const ProblemState& st, int station) { return st.S2[station_index(station)]; }

bool apply_spans(ProblemState& st) {
  bool off_curve = false;
  return engine::apply_curve_spans(st, off_curve);
}

TEST(CurveSpans, ThreeChainedCurvesInterpolateWithHalvesAtTheChainEnds) {
  // Linear springs of stiffness 20, 40 and 60 at stations 20, 25 and 30 (W = 0).
  auto st = state_with_curves(40, {curve_of({{-1, 20}, {0, 0}, {1, -20}}, 20, 1),
                                   curve_of({{-1, 40}, {0, 0}, {1, -40}}, 25, 1),
                                   curve_of({{-1, 60}, {0, 0}, {1, -60}}, 30, 1)});
  ASSERT_TRUE(apply_spans(*st));
  EXPECT_DOUBLE_EQ(S2(*st, 19), 0.0);
  EXPECT_DOUBLE_EQ(S2(*st, 20), 10.0);
  EXPECT_DOUBLE_EQ(S2(*st, 22), 28.0);
  EXPECT_DOUBLE_EQ(S2(*st, 25), 40.0);
  EXPECT_DOUBLE_EQ(S2(*st, 27), 48.0);
  EXPECT_DOUBLE_EQ(S2(*st, 30), 30.0);
  EXPECT_DOUBLE_EQ(S2(*st, 31), 0.0);
}

TEST(CurveSpans, ACurveAboveTheExcavationActsAtItsStationOnly) {
  auto st = state_with_curves(40, {curve_of({{-1, 20}, {0, 0}, {1, -20}}, 5, 0),
                                   curve_of({{-1, 40}, {0, 0}, {1, -40}}, 25, 1),
                                   curve_of({{-1, 60}, {0, 0}, {1, -60}}, 30, 1)});
  ASSERT_TRUE(apply_spans(*st));
  EXPECT_DOUBLE_EQ(S2(*st, 5), 20.0);
  EXPECT_DOUBLE_EQ(S2(*st, 4), 0.0);
  EXPECT_DOUBLE_EQ(S2(*st, 6), 0.0);
  EXPECT_DOUBLE_EQ(S2(*st, 25), 20.0);
}

TEST(CurveSpans, ALoneCurveThatOpensAChainStillActsAtItsStation) {
  // A single user curve below the excavation level has no partner to interpolate
  // with; it must not silently vanish.
  auto st = state_with_curves(40, {curve_of({{-1, 40}, {0, 0}, {1, -40}}, 25, 1)});
  ASSERT_TRUE(apply_spans(*st));
  EXPECT_DOUBLE_EQ(S2(*st, 25), 40.0);
}

TEST(CurveSpans, ASpanBelowTheTipIsCutAtTheTip) {
  auto st = state_with_curves(22, {curve_of({{-1, 20}, {0, 0}, {1, -20}}, 20, 1),
                                   curve_of({{-1, 20}, {0, 0}, {1, -20}}, 24, 1)});
  ASSERT_TRUE(apply_spans(*st));
  EXPECT_DOUBLE_EQ(S2(*st, 20), 10.0);
  EXPECT_DOUBLE_EQ(S2(*st, 21), 20.0);
  EXPECT_DOUBLE_EQ(S2(*st, 22), 10.0);
  EXPECT_DOUBLE_EQ(S2(*st, 23), 0.0);
}

TEST(CurveSpans, CurvesOutOfStationOrderAreRefused) {
  auto st = state_with_curves(40, {curve_of({{0, 0}, {1, -20}, {2, -30}}, 30, 1),
                                   curve_of({{0, 0}, {1, -20}, {2, -30}}, 25, 1)});
  EXPECT_FALSE(apply_spans(*st));
}

TEST(Tieback, StiffnessAndPrestressLoadInEnglishUnits) {
  // Wt = 12 in, sp = 8 ft, L = 20 ft, 15 degrees, E*A = 5.8e8 lb, F = 20000 lb.
  // The horizontal stiffness of an inclined anchor carries cos^2 of its angle.
  const std::string data =
      "TIEBACK\n1 1 1 0 0 0 0 1 0 1\n20 12 100 0.001 0 12\n1 20 0 0\n0 20 1 1E9\n0\n0\n"
      "10 1 5.8E8 20 15 8 20000\n0\n";
  const EngineRun run = run_engine(data);
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  const double c = std::cos(15.0 * engine::kPi / 180.0);
  const double st = 5.8e8 * c * c * 12.0 / (144.0 * 8.0 * 20.0);
  const double qt = -20000.0 * c * 12.0 / (12.0 * 8.0);
  // The tieback row of the stiffness and load section: station 10 (10 ft / 12 in).
  std::ostringstream row;
  row << "       10  10  0  0.100E+10" << std::uppercase;
  ASSERT_NE(run.report.find(row.str()), std::string::npos) << run.report;
  const std::size_t at = run.report.find(row.str()) + row.str().size();
  double shown_q = 0, shown_s = 0;
  std::istringstream(run.report.substr(at, 20)) >> shown_q;
  std::istringstream(run.report.substr(at + 10, 10)) >> shown_s;
  // The report shows three digits: half a unit of the last is 0.25 % at most.
  EXPECT_NEAR(shown_q, qt, std::fabs(qt) * 2.5e-3);
  EXPECT_NEAR(shown_s, st, st * 2.5e-3);
  EXPECT_NEAR(st, 302083.33 * 0.9330127, 1.0);  // 5.8e8*12/(144*8*20) times cos^2 15
}

TEST(Tieback, ForcesFollowFromTheStationDeflection) {
  auto st = std::make_unique<ProblemState>();
  st->ctl.units = 1;
  st->wt = 12.0;
  engine::Tieback t;
  t.station = 4;
  t.angle_deg = 15.0;
  t.spacing = 8.0;
  t.qt = -2000.0;
  t.st = 1.0e5;
  st->W[station_index(4)] = -0.01;  // toward the backfill: the anchor unloads
  const engine::TiebackForce f = engine::tieback_force(*st, t);
  EXPECT_DOUBLE_EQ(f.hf, -2000.0 + 0.01 * 1.0e5);
  EXPECT_DOUBLE_EQ(f.af, f.hf / std::cos(15.0 * engine::kPi / 180.0));
  EXPECT_DOUBLE_EQ(f.ft, f.af * 12.0 * 8.0 / 12.0);
}

TEST(MomentEi, UpdateTakesTheSecantStiffnessOfTheCurvature) {
  auto st = std::make_unique<ProblemState>();
  st->set_increments(4, 1.0);
  engine::EiSet set;
  set.first = 2;
  set.last = 2;
  set.n = 3;
  // M-EI: (0, 100), (50, 100), (80, 40).
  set.moment[1] = 0;
  set.ei[1] = 100;
  set.moment[2] = 50;
  set.ei[2] = 100;
  set.moment[3] = 80;
  set.ei[3] = 40;
  // Zero curvature: the EI of the first point.
  engine::update_ei(*st, set);
  EXPECT_DOUBLE_EQ(st->F[station_index(2)], 100.0);
  // Curvature 1: the line M = EI meets the segment (50,100)-(80,40) where
  // 50 + 30 t = 100 - 60 t, t = 5/9, EI = 100 - 60*5/9.
  st->W[station_index(1)] = 1.0;
  st->W[station_index(2)] = 0.0;
  st->W[station_index(3)] = 0.0;
  engine::update_ei(*st, set);
  EXPECT_NEAR(st->F[station_index(2)], 100.0 - 60.0 * 5.0 / 9.0, 1e-12);
}

// A cantilever whose stiffness falls with its moment deflects more than one of
// constant stiffness, and the iteration closes on the reduced stiffness.
TEST(MomentEi, ASofteningWallIteratesToALargerDeflection) {
  const std::string base =
      "SOFTENING\n1 1 1 0 0 0 0 1 NEI 0\n20 6 100 1E-6 0 12\n3 20 0 0\n0 20 1 1E9\n"
      "1\n1 0 0 1000 0 0\n0\n";
  std::string constant = base;
  constant.replace(constant.find("NEI"), 3, "0");
  std::string softening = base;
  softening.replace(softening.find("NEI"), 3, "1");
  softening += "0 20 3\n0 1E9\n50000 1E9\n200000 2.5E8\n";
  const EngineRun a = run_engine(constant + "0\n");
  const EngineRun b = run_engine(softening + "0\n");
  ASSERT_EQ(b.status.outcome, RunOutcome::Finished) << b.status.message;
  EXPECT_TRUE(b.status.problems[0].closed);
  EXPECT_GT(b.status.problems[0].iterations, 2);
  EXPECT_GT(b.status.problems[0].max_abs_deflection, 1.2 * a.status.problems[0].max_abs_deflection);
  // At the tip the moment is 120000 lb-in: EI on the falling branch, 1E9 - 7.5E8 *
  // (120000 - 50000) / 150000 on the secant, well below 1E9.
  EXPECT_EQ(b.report.find("0.100E+10\n", b.report.find("    19   ")), std::string::npos);
}

}  // namespace
}  // namespace veldra::test
