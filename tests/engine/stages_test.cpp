// Several problems in one run: construction stages and the long-term problem.
#include "tests/support/engine_run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace veldra::test {
namespace {

// One stage of a cantilever excavated to `depth` increments: a uniform pressure
// down to the excavation level, linear springs below it.
std::string stage(const std::string& title, int nstage, int code, int depth,
                  const std::string& tieback = "") {
  std::ostringstream d;
  const int ntie = tieback.empty() ? 0 : 1;
  d << title << "\n1 0 1 0 1 0 0 " << nstage << " 0 " << ntie << "\n"
    << "20 12 100 0.0001 " << depth * 12 << " 12\n"
    << "0 20 1 1E10\n0\n1\n" << depth << " 20 1 6000 0\n" << tieback
    << "2\n0 10\n" << depth * 12 << " 10\n" << code << "\n";
  return d.str();
}

// The header lines of the results blocks: K, station count, units code.
std::vector<std::string> result_heads(const std::string& plot) {
  std::vector<std::string> heads;
  std::istringstream in(plot);
  std::string line;
  while (std::getline(in, line)) {
    if (line.find(" 22 1") != std::string::npos && line.find('.') == std::string::npos) {
      heads.push_back(line);
    }
  }
  return heads;
}

TEST(Stages, ThreeStagesEndingOneTwoThreeGiveThreeAnalyses) {
  for (int last_code : {3, 0}) {
    const EngineRun run = run_engine(stage("DEEPENING EXCAVATION", 3, 1, 5) +
                                     stage(" Stage No : 2", 3, 2, 8, "4 1 2E7 15 15 8 5000\n") +
                                     stage(" Stage No : 3", 3, last_code, 10));
    ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
    ASSERT_EQ(run.status.problems.size(), 3u) << last_code;
    for (int n = 1; n <= 3; ++n) {
      const std::string heading = "      Stage No : " + std::to_string(n) + "  DEEPENING EXCAVATION";
      // On the title page and again before the solution.
      EXPECT_EQ(count_of(run.report, heading), 2) << heading;
    }
    EXPECT_EQ(count_of(run.report, " Stage No : 2\n"), 0) << "stage titles are not printed";
    EXPECT_EQ(count_of(run.report, "END OF ANALYSIS"), 1);
    EXPECT_EQ(result_heads(run.plot), std::vector<std::string>(3, " 3 22 1")) << run.plot;
    // Each stage gets its own monitor section.
    EXPECT_EQ(count_of(run.notes, "ITERATION MONITOR DATA"), 3);
    // The deeper excavation deflects more.
    EXPECT_LT(run.status.problems[0].max_abs_deflection, run.status.problems[2].max_abs_deflection);
  }
}

TEST(Stages, AShortTermProblemFollowedByItsLongTermProblem) {
  const EngineRun run =
      run_engine(stage("SHORT AND LONG TERM", 1, 9, 6) + stage("LONG TERM TITLE", 1, 0, 6));
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  ASSERT_EQ(run.status.problems.size(), 2u);
  EXPECT_EQ(count_of(run.report, "\n      Long Term :  SHORT AND LONG TERM"), 2);
  EXPECT_EQ(count_of(run.report, "LONG TERM TITLE"), 0);
  EXPECT_EQ(result_heads(run.plot), std::vector<std::string>(2, " 2 22 1"));
  EXPECT_EQ(run.status.problems[1].heading, "Long Term :  SHORT AND LONG TERM");
}

TEST(Stages, MomentEiOfALaterStageStartsFromThePreviousShape) {
  // The second stage has a moment-EI set; its first EI comes from the curvature the
  // first stage left, so it differs from the same stage run alone, which starts
  // from the EI of the first curve point.
  const std::string ei_stage =
      "SOFTENING\n1 0 1 0 1 0 0 2 1 0\n20 12 100 0.0001 72 12\n0 20 1 1E10\n0\n1\n"
      "6 20 1 6000 0\n2\n0 10\n72 10\n0 20 3\n0 1E10\n20000 1E10\n200000 1E9\n2\n";
  // A single pass: the iteration limit of one keeps the inherited start visible.
  std::string first = stage("STAGE ONE", 2, 1, 6);
  const EngineRun chained = run_engine(first + ei_stage);
  std::string alone = ei_stage;
  alone.replace(alone.find(" 0 2 1 0\n"), 9, " 0 1 1 0\n");
  alone.replace(alone.rfind("2\n"), 2, "0\n");
  const EngineRun single = run_engine(alone);
  ASSERT_EQ(chained.status.outcome, RunOutcome::Finished) << chained.status.message;
  ASSERT_EQ(single.status.outcome, RunOutcome::Finished) << single.status.message;
  // Both close on the same curve, but the first iteration of the chained stage
  // already uses reduced stiffness where the first stage bent the wall.
  const auto first_line = [](const std::string& notes, std::size_t from) {
    const std::size_t at = notes.find("\n      1 ", from);
    return notes.substr(at, notes.find('\n', at + 1) - at);
  };
  const std::string chained_first =
      first_line(chained.notes, chained.notes.rfind("ITERATION MONITOR DATA"));
  const std::string single_first = first_line(single.notes, 0);
  EXPECT_NE(chained_first, single_first);
}

}  // namespace
}  // namespace veldra::test
