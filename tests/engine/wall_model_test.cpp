// The finite-difference wall: station values from table rows, pressure loading,
// the solution against closed forms, and the results derived from it.
#include "engine/state/problem_state.h"
#include "engine/wall/pressure_loading.h"
#include "engine/wall/station_accumulation.h"
#include "tests/support/engine_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace veldra::test {
namespace {

using engine::ProblemState;
using engine::RowAccumulator;
using engine::RowValues;
using engine::station_index;

std::unique_ptr<ProblemState> make_state(int n, double h) {
  auto st = std::make_unique<ProblemState>();
  st->set_increments(n, h);
  return st;
}

double F(const ProblemState& st, int station) { return st.F[station_index(station)]; }
double Q(const ProblemState& st, int station) { return st.Q[station_index(station)]; }

RowValues ei(double v) { return {v, 0, 0, 0, 0, 0}; }
RowValues load(double q) { return {0, q, 0, 0, 0, 0}; }

TEST(StationAccumulation, TwoConstantRowsMeetAtTheMeanWithHalvesAtTheEnds) {
  auto st = make_state(80, 1.0);
  RowAccumulator acc;
  ASSERT_TRUE(acc.add(*st, 0, 40, 1, ei(100.0)));
  ASSERT_TRUE(acc.add(*st, 40, 80, 1, ei(300.0)));
  EXPECT_DOUBLE_EQ(F(*st, 0), 50.0);
  for (int s = 1; s <= 39; ++s) EXPECT_DOUBLE_EQ(F(*st, s), 100.0) << s;
  EXPECT_DOUBLE_EQ(F(*st, 40), 200.0);
  for (int s = 41; s <= 79; ++s) EXPECT_DOUBLE_EQ(F(*st, s), 300.0) << s;
  EXPECT_DOUBLE_EQ(F(*st, 80), 150.0);
  EXPECT_DOUBLE_EQ(F(*st, 81), 0.0);
}

TEST(StationAccumulation, ASingleStationRowAddsItsFullValue) {
  auto st = make_state(20, 1.0);
  RowAccumulator acc;
  ASSERT_TRUE(acc.add(*st, 10, 10, 1, load(7.5)));
  EXPECT_DOUBLE_EQ(Q(*st, 10), 7.5);
  EXPECT_DOUBLE_EQ(Q(*st, 9), 0.0);
  EXPECT_DOUBLE_EQ(Q(*st, 11), 0.0);
}

TEST(StationAccumulation, ChainedInterpolationPassesThroughTheMiddleRow) {
  // Codes 2, 2, 1 at stations 0, 10, 20: linear from 0 to 10 and from 10 to 20; the
  // joint at 10 receives two halves, the ends one half each.
  auto st = make_state(20, 1.0);
  RowAccumulator acc;
  EXPECT_EQ(acc.case_of(2), 2);
  ASSERT_TRUE(acc.add(*st, 0, 0, 2, load(10.0)));
  EXPECT_EQ(acc.case_of(2), 4);
  ASSERT_TRUE(acc.add(*st, 10, 10, 2, load(30.0)));
  EXPECT_EQ(acc.case_of(1), 3);
  ASSERT_TRUE(acc.add(*st, 20, 20, 1, load(0.0)));
  EXPECT_DOUBLE_EQ(Q(*st, 0), 5.0);
  EXPECT_DOUBLE_EQ(Q(*st, 5), 20.0);
  EXPECT_DOUBLE_EQ(Q(*st, 10), 30.0);
  EXPECT_DOUBLE_EQ(Q(*st, 15), 15.0);
  EXPECT_DOUBLE_EQ(Q(*st, 20), 0.0);
}

TEST(StationAccumulation, AnInterpolationNoRowClosesAddsNothing) {
  auto st = make_state(20, 1.0);
  RowAccumulator acc;
  ASSERT_TRUE(acc.add(*st, 0, 20, 1, load(1.0)));
  ASSERT_TRUE(acc.add(*st, 5, 5, 2, load(100.0)));
  for (int s = 1; s <= 19; ++s) EXPECT_DOUBLE_EQ(Q(*st, s), 1.0) << s;
}

TEST(StationAccumulation, ARangeEndingAboveItsStartIsRefused) {
  auto st = make_state(20, 1.0);
  RowAccumulator acc;
  EXPECT_FALSE(acc.add(*st, 10, 5, 1, load(1.0)));
  for (int s = 0; s <= 20; ++s) EXPECT_EQ(Q(*st, s), 0.0);
}

TEST(PressureLoading, AUniformLoadGivesPTimesHAtEveryStationButTheTop) {
  auto st = make_state(20, 0.5);
  st->ctl.kep = 1;
  st->npress = 2;
  st->pressure[1] = {0.0, 8.0, 8.0, 0.0};
  st->pressure[2] = {5.0, 8.0, 8.0, 0.0};
  engine::load_pressure(*st);
  EXPECT_DOUBLE_EQ(Q(*st, 0), 0.0);
  for (int s = 1; s <= 10; ++s) EXPECT_DOUBLE_EQ(Q(*st, s), 4.0) << s;
  EXPECT_DOUBLE_EQ(Q(*st, 11), 0.0);
}

TEST(PressureLoading, InterpolatesFromZeroAtTheSurfaceAndHoldsBelowTheLastPoint) {
  // Generated pressures load down to the free height; a point list that ends above
  // it leaves the stations below with the last value.
  auto st = make_state(10, 1.0);
  st->ctl.kep = 2;
  st->hfree = 6.0;
  st->npress = 1;
  st->pressure[1] = {4.0, 2.0, 2.0, 0.0};
  engine::load_pressure(*st);
  const double expected[] = {0.0, 0.5, 1.0, 1.5, 2.0, 2.0, 2.0, 0.0};
  for (int s = 0; s <= 7; ++s) EXPECT_DOUBLE_EQ(Q(*st, s), expected[s]) << s;
}

// A cantilever of n increments over the length L, fixed at the tip by restraints,
// with a lateral load at the top.
std::string cantilever(int n, double length, double ei, double load, double moment = 0.0) {
  std::ostringstream d;
  d << "CANTILEVER\n1 1 1 0 0 0 0 1 0 0\n"
    << n << " " << length / n << " 1000 1E-12 0 12\n"
    << "3 " << n << " 0 0\n"
    << "0 " << n << " 1 " << ei << "\n"
    << "1\n1 0 0 " << load << " " << moment << " 0\n"
    << "0\n0\n";
  return d.str();
}

struct Station {
  double depth, deflection, moment, shear, reaction;
};

// The results block of the plot file: stations 0 to N+1.
std::vector<Station> plot_results(const std::string& plot) {
  std::istringstream in(plot.substr(plot.rfind(" 1 ") == std::string::npos ? 0 : 0));
  std::vector<Station> rows;
  std::string line;
  std::vector<std::string> lines;
  while (std::getline(in, line)) lines.push_back(line);
  // The last block starts at the last line holding three integers.
  std::size_t start = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::istringstream l(lines[i]);
    int k = 0, npts = 0, units = 0;
    std::string rest;
    if ((l >> k >> npts >> units) && !(l >> rest) && lines[i].find('.') == std::string::npos) {
      start = i + 1;
    }
  }
  for (std::size_t i = start; i < lines.size(); ++i) {
    std::istringstream l(lines[i]);
    Station s{};
    if (l >> s.depth >> s.deflection >> s.moment >> s.shear >> s.reaction) rows.push_back(s);
  }
  return rows;
}

TEST(Cantilever, HeadLoadMatchesTheClosedFormWithinTheTruncationError) {
  // w(x) = P (2L^3 - 3L^2 x + x^3) / (6 EI) for a load P at the free end x = 0 and
  // M = EI w'' = P x. The interior differences are exact for a cubic; the slope
  // condition at the fixed tip is a central difference, so the error is O(h^2).
  const double L = 120.0, EI = 1.0e9, P = 1000.0;
  const auto exact = [&](double x) {
    return P * (2 * L * L * L - 3 * L * L * x + x * x * x) / (6 * EI);
  };
  double previous_error = 0.0;
  for (int n : {10, 20, 40, 80}) {
    const EngineRun run = run_engine(cantilever(n, L, EI, P));
    ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
    const double error = std::fabs(run.status.problems[0].max_abs_deflection - exact(0.0));
    EXPECT_LT(error / exact(0.0), 1.0 / (n * n)) << n;
    if (previous_error > 0.0) {
      EXPECT_NEAR(previous_error / error, 4.0, 0.2) << n;
    }
    previous_error = error;

    const std::vector<Station> rows = plot_results(run.plot);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(n + 2));
    for (int s = 1; s < n; ++s) {
      const Station& r = rows[static_cast<std::size_t>(s)];
      EXPECT_NEAR(r.deflection, exact(r.depth), exact(0.0) * 1.0 / (n * n)) << n << " " << s;
      // The plot file carries four significant digits.
      EXPECT_NEAR(r.moment, P * r.depth, P * L * 1e-4) << n << " station " << s;
    }
    // Constant shear above the tip.
    for (int s = 1; s < n - 1; ++s) EXPECT_NEAR(rows[static_cast<std::size_t>(s)].shear, P, 1.0);
  }
}

// A long beam on uniform springs k (force per length per length) with a load P at
// its free top: w(0) = 2 P beta / k with beta = (k / 4EI)^(1/4).
double winkler_top_deflection(int n) {
  const double L = 600.0, EI = 1.0e9, k = 1000.0, P = 1000.0;
  const double h = L / n;
  std::ostringstream d;
  d << "BEAM ON SPRINGS\n1 0 1 0 0 0 0 1 0 0\n" << n << " " << h << " 1000 1E-12 0 12\n"
    << "0 " << n << " 1 " << EI << "\n"
    << "1\n1 0 0 " << P << " 0 0\n"
    << "1\n0 " << n << " 1 " << k * h << " 0\n0\n";
  const EngineRun run = run_engine(d.str());
  EXPECT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  return run.status.problems.at(0).max_abs_deflection;
}

TEST(BeamOnSprings, ConvergesToTheClosedFormAtSecondOrder) {
  const double beta = std::pow(1000.0 / (4 * 1.0e9), 0.25);
  const double exact = 2 * 1000.0 * beta / 1000.0;
  double previous_error = 0.0;
  for (int n : {30, 60, 120, 240}) {
    const double error = std::fabs(winkler_top_deflection(n) - exact);
    const double beta_h = beta * 600.0 / n;
    EXPECT_LT(error / exact, beta_h * beta_h) << n;
    // Halving the increment divides the error by four.
    if (previous_error > 0.0) {
      EXPECT_NEAR(previous_error / error, 4.0, 0.3) << n;
    }
    previous_error = error;
  }
}

TEST(Cantilever, AConcentratedMomentStepsTheMomentAndCorrectsShearAround) {
  // A couple M0 at station 10 of a cantilever fixed at 20: the moment is 0 above
  // station 10 and M0 below, the shear 0 everywhere (the couple corrections
  // remove the difference quotient's trace at stations 9, 10 and 11).
  const double M0 = 5000.0;
  std::ostringstream d;
  d << "COUPLE\n1 1 1 0 0 0 0 1 0 0\n20 6 1000 1E-12 0 12\n3 20 0 0\n0 20 1 1E9\n"
    << "1\n1 10 10 0 " << M0 << " 0\n0\n0\n";
  const EngineRun run = run_engine(d.str());
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  const std::vector<Station> rows = plot_results(run.plot);
  ASSERT_EQ(rows.size(), 22u);
  for (int s = 1; s <= 8; ++s) EXPECT_NEAR(rows[s].moment, 0.0, M0 * 1e-3) << s;
  for (int s = 11; s <= 19; ++s) EXPECT_NEAR(std::fabs(rows[s].moment), M0, M0 * 2e-3) << s;
  // At the station of the couple the difference formula sees half the step.
  EXPECT_NEAR(std::fabs(rows[10].moment), M0 / 2, M0 * 2e-3);
  for (int s = 1; s <= 18; ++s) EXPECT_NEAR(rows[s].shear, 0.0, M0 * 1e-3 / 6) << s;
  for (int s = 1; s <= 18; ++s) EXPECT_NEAR(rows[s].reaction, 0.0, M0 * 1e-3 / 6) << s;
}

TEST(Cantilever, WithoutCurvesClosesInTheSecondIteration) {
  const EngineRun run = run_engine(cantilever(20, 120.0, 1e9, 1000.0));
  ASSERT_EQ(run.status.problems.size(), 1u);
  EXPECT_EQ(run.status.problems[0].iterations, 2);
  EXPECT_TRUE(run.status.problems[0].closed);
  EXPECT_NE(run.report.find("     RESULTS -- ITERATION  2\n"), std::string::npos);
  // Every station but the restrained tip moved from zero in the first solution.
  EXPECT_EQ(count_of(run.notes, "\n      1       NO         20 "), 1) << run.notes;
  EXPECT_EQ(count_of(run.notes, "\n      2       NO          0 "), 1) << run.notes;
}

TEST(Cantilever, ExceedingTheAllowableDeflectionStopsInTheFirstIteration) {
  std::string data = cantilever(20, 120.0, 1e9, 1000.0);
  data.replace(data.find(" 1000 1E-12"), 11, " 0.1 1E-12");  // DMAX 0.1 in
  const EngineRun run = run_engine(data);
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished);
  EXPECT_EQ(run.status.problems[0].iterations, 1);
  EXPECT_TRUE(run.status.problems[0].deflection_exceeded);
  EXPECT_NE(run.report.find("     RESULTS -- ITERATION  1\n"), std::string::npos);
  EXPECT_NE(run.report.find("\n     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***"),
            std::string::npos);
  // The first solution changed every station from zero, so it has not closed either.
  EXPECT_NE(run.report.find("***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****"),
            std::string::npos);
}

// A 80 in wall under a head load of 3000 lb, with the given restraint rows and
// spring table.
std::string head_loaded_wall(int restraints, const std::string& restraint_rows,
                             const std::string& springs) {
  return "WALL UNDER A HEAD LOAD\n1 " + std::to_string(restraints) +
         "\t1\t0\t0\t0 0 1 0 0\n20 4\t100\t0.0001\t0\t12\n" + restraint_rows +
         "0\t20\t1\t1E10\n1\n1\t0\t0\t3000\t0\t0\n" + springs + "0\n";
}

struct SupportCase {
  const char* label;
  int restraints;
  const char* restraint_rows;
  const char* springs;
  bool supported;
};

void PrintTo(const SupportCase& c, std::ostream* os) { *os << c.label; }

class LateralSupport : public ::testing::TestWithParam<SupportCase> {};

// Nothing against a uniform translation: the equations have no unique solution, and
// the zero pivots would clamp the wall at its tip and report the mechanism as
// closed. One lateral support is enough to keep the solution as it always was.
TEST_P(LateralSupport, IsRequiredForASolution) {
  const SupportCase& c = GetParam();
  const EngineRun run = run_engine(head_loaded_wall(c.restraints, c.restraint_rows, c.springs));
  if (c.supported) {
    ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
    EXPECT_TRUE(run.status.problems.at(0).closed);
    EXPECT_NE(run.report.find("RESULTS -- ITERATION"), std::string::npos);
    return;
  }
  EXPECT_EQ(run.status.outcome, RunOutcome::InputError);
  EXPECT_TRUE(run.status.problems.empty());
  const std::string message = "\n\n\n     ERROR STOP -- THE WALL HAS NO LATERAL SUPPORT: NO P-Y "
                              "CURVE, LATERAL SPRING, TIEBACK OR SPECIFIED DEFLECTION HOLDS IT, "
                              "SO ITS DEFLECTIONS HAVE NO UNIQUE SOLUTION\n";
  EXPECT_NE(run.report.find(message), std::string::npos) << run.report;
  EXPECT_EQ(run.report.find("RESULTS -- ITERATION"), std::string::npos);
  EXPECT_NE(run.report.find("END OF ANALYSIS"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Walls, LateralSupport,
    ::testing::Values(
        SupportCase{"NothingHoldsIt", 0, "", "0\n", false},
        SupportCase{"OnlyASlopeRestraint", 1, "2\t20\t0\t0\n", "0\n", false},
        SupportCase{"OnlyARotationalSpring", 0, "", "1\n20\t20\t1\t0\t1E9\n", false},
        SupportCase{"ALateralSpringAtTheTip", 0, "", "1\n20\t20\t1\t1E6\t0\n", true},
        SupportCase{"ADeflectionRestraintAtTheTip", 1, "1\t20\t0\t0\n", "0\n", true}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace veldra::test
