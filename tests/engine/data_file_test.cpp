// Reading the data file: record semantics, counts against the capacities, and the
// input errors that end a run in order.
#include "tests/support/engine_run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace veldra::test {
namespace {

const std::string kEnd = "     END OF ANALYSIS" + std::string(29, ' ') + "\n";

// A wall of 10 increments fixed at the tip with a head load; `restraints`,
// `loads` etc. replace the records of the same name.
struct Problem {
  std::string title = "TEST WALL";
  std::string control = "1 1 1 0 0 0 0 1 0 0";
  std::string wall = "10 12 100 0.0001 0 12";
  std::string restraints = "3 10 0 0\n";
  std::string stiffness = "0 10 1 1E9\n";
  std::string loads = "1\n1 0 0 1000 0 0\n";
  std::string springs = "0\n";
  std::string rest;            // records 8 to 15
  std::string continuation = "0";

  std::string text() const {
    return title + "\n" + control + "\n" + wall + "\n" + restraints + stiffness + loads +
           springs + rest + continuation + "\n";
  }
};

// The report ends in order: the message, then END OF ANALYSIS as the last line.
void expect_input_error(const EngineRun& run, const std::string& message) {
  EXPECT_EQ(run.status.outcome, RunOutcome::InputError);
  EXPECT_EQ(run.status.message, message);
  // "TOO MUCH DATA FOR AVAILABLE STORAGE" prints what did not fit on a line of its own.
  std::string printed = message;
  if (printed.rfind("TOO MUCH DATA", 0) == 0 && printed.find(" -- ") != std::string::npos) {
    printed.replace(printed.find(" -- "), 4, "\n     ");
  }
  EXPECT_NE(run.report.find("\n\n     " + printed + "\n"), std::string::npos) << run.report;
  ASSERT_GE(run.report.size(), kEnd.size());
  EXPECT_EQ(run.report.substr(run.report.size() - kEnd.size()), kEnd);
  // The plot file is completed with a results block; with nothing solved its count
  // is 0 and it is the last line.
  if (run.status.problems.empty()) {
    ASSERT_GE(run.plot.size(), 7u);
    EXPECT_EQ(run.plot.substr(run.plot.size() - 7), " 1 0 1\n") << run.plot;
  }
}

// Two reports of the same data in different directories differ only in the line
// that names the directory.
std::string without_path_line(const std::string& report) {
  const std::size_t at = report.find("Path to file locations");
  return report.substr(0, at) + report.substr(report.find('\n', at));
}

TEST(DataFile, RecordsSplitOverLinesAndMixedSeparatorsReadTheSame) {
  Problem plain;
  Problem split = plain;
  split.control = "1,1\t1 0\n0,\t0 0 1 0 0 extra words ignored";
  split.wall = "10\n12\n100 0.0001 0 12";
  const EngineRun a = run_engine(plain.text());
  const EngineRun b = run_engine(split.text());
  ASSERT_EQ(a.status.outcome, RunOutcome::Finished) << a.status.message;
  ASSERT_EQ(b.status.outcome, RunOutcome::Finished) << b.status.message;
  EXPECT_EQ(without_path_line(a.report), without_path_line(b.report));
  EXPECT_EQ(a.plot, b.plot);
}

std::string restraint_rows(int count) {
  std::string rows;
  for (int i = 0; i < count - 1; ++i) rows += "1 " + std::to_string(i % 9) + " 0 0\n";
  return rows + "3 10 0 0\n";
}

TEST(DataFile, TwentyRestraintRowsAreAcceptedTwentyOneRefusedBeforeReading) {
  Problem twenty;
  twenty.control = "1 20 1 0 0 0 0 1 0 0";
  twenty.restraints = "";
  for (int i = 0; i < 19; ++i) twenty.restraints += "1 " + std::to_string(i / 2) + " 0 0\n";
  twenty.restraints += "3 10 0 0\n";
  const EngineRun ok = run_engine(twenty.text());
  EXPECT_EQ(ok.status.outcome, RunOutcome::Finished) << ok.status.message;

  Problem many = twenty;
  many.control = "1 21 1 0 0 0 0 1 0 0";
  many.restraints = restraint_rows(21);
  const EngineRun refused = run_engine(many.text());
  expect_input_error(refused, "TOO MUCH DATA FOR AVAILABLE STORAGE -- 21 RESTRAINT ROWS ON LINE 2, "
                              "ITEM 2 (AT MOST 20)");
  EXPECT_NE(refused.report.find("     TOO MUCH DATA FOR AVAILABLE STORAGE\n"
                                "     21 RESTRAINT ROWS ON LINE 2, ITEM 2 (AT MOST 20)\n\n\n\n\n\n"),
            std::string::npos);
  EXPECT_EQ(refused.report.find("*        SPECIFIED DEFLECTIONS AND SLOPES"), std::string::npos);
}

TEST(DataFile, RestraintStationsMustNotDecrease) {
  Problem same;
  same.control = "1 2 1 0 0 0 0 1 0 0";
  same.restraints = "1 5 0 0\n1 5 0 0\n";
  same.loads = "1\n1 0 0 1000 0 0\n";
  EXPECT_NE(run_engine(same.text()).status.outcome, RunOutcome::InputError);

  Problem down = same;
  down.restraints = "1 5 0 0\n1 4 0 0\n";
  expect_input_error(run_engine(down.text()), "ERROR STOP -- STATIONS NOT IN ORDER");
}

TEST(DataFile, AStiffnessRangeEndingAboveItsStartStops) {
  Problem p;
  p.stiffness = "10 0 1 1E9\n";
  expect_input_error(run_engine(p.text()), "ERROR STOP -- STATIONS NOT IN ORDER");
}

TEST(DataFile, NonzeroDataBeyondTheTipStops) {
  Problem p;
  p.stiffness = "0 11 1 1E9\n";
  expect_input_error(run_engine(p.text()), "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END");
}

TEST(DataFile, BeyondTheTipValuesThatCancelStillStop) {
  // EI and the couple below the tip sum to zero; each of them is still data
  // beyond the end of the wall.
  Problem p;
  p.stiffness = "0 10 1 1E9\n11 11 1 500\n";
  p.control = "1 1 2 0 0 0 0 1 0 0";
  p.loads = "2\n1 0 0 1000 0 0\n1 11 11 0 -500 0\n";
  expect_input_error(run_engine(p.text()), "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END");
}

// A row far below the tip stops the problem where a row just below it does: after
// the row and the rest of the tables are echoed and the pressures are complete.
TEST(DataFile, RowsFarBelowTheTipStopWhereRowsJustBelowItStop) {
  const struct {
    const char* what;
    std::string Problem::*record;
    std::string near_rows, far_rows;  // the record with a row at station 11 and far below
    std::string near_echo, far_echo;  // their echoed lines
  } cases[] = {
      {"stiffness", &Problem::stiffness, "0 11 1 1E9\n", "0 15 1 1E9\n",
       "        0  11  0  0.100E+10", "        0  15  0  0.100E+10"},
      {"load", &Problem::loads, "2\n1 0 0 1000 0 0\n1 11 11 500 0 0\n",
       "2\n1 0 0 1000 0 0\n1 40 40 500 0 0\n", "       11  11  0  0.000E+00 0.500E+03",
       "       40  40  0  0.000E+00 0.500E+03"},
      {"spring", &Problem::springs, "1\n11 11 1 100 0\n", "1\n900 900 1 100 0\n",
       "       11  11  0  0.000E+00 0.000E+00 0.100E+03",
       "      900 900  0  0.000E+00 0.000E+00 0.100E+03"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Problem near;
    near.control = "1 1 1 0 1 0 0 1 0 0";  // a user pressure distribution
    near.wall = "10 12 100 0.0001 60 12";
    near.rest = "2\n0 0\n120 10\n";
    Problem far = near;
    near.*c.record = c.near_rows;
    far.*c.record = c.far_rows;
    const EngineRun near_run = run_engine(near.text());
    const EngineRun far_run = run_engine(far.text());
    expect_input_error(far_run, "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END");
    std::string expected = near_run.report;
    const std::size_t at = expected.find("\n" + c.near_echo);
    ASSERT_NE(at, std::string::npos) << near_run.report;
    expected.replace(at + 1, c.near_echo.size(), c.far_echo);
    EXPECT_EQ(without_path_line(far_run.report), without_path_line(expected));
    EXPECT_LT(far_run.report.find("SPECIFIED ACTIVE EARTH PRESSURE"),
              far_run.report.find("NON-ZERO TABLE 4 DATA BEYOND END"));
  }
}

TEST(DataFile, ALoadRowWithAnAxialLoadPrintsItAsEntered) {
  Problem p;
  p.loads = "1\n1 0 0 1000 0 50\n";
  const EngineRun run = run_engine(p.text());
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  EXPECT_NE(run.report.find(
                "        0   0  0  0.500E+09 0.100E+04 0.000E+00 0.000E+00 0.000E+00 0.500E+02\n"),
            std::string::npos)
      << run.report;
}

struct MalformedCase {
  const char* name;
  std::string data;
  std::string message;
};

void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.name; }

class MalformedTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedTest, EndsTheRunWithAMessageNamingTheLineAndItem) {
  const EngineRun run = run_engine(GetParam().data);
  expect_input_error(run, GetParam().message);
}

std::string with(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

const std::string kGood = Problem{}.text();

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedTest,
    ::testing::Values(
        MalformedCase{"word_for_a_number", with(kGood, "10 12 100", "10 twelve 100"),
                      "ERROR STOP -- INVALID NUMBER ON LINE 3, ITEM 2"},
        MalformedCase{"real_for_an_integer", with(kGood, "10 12 100", "10.5 12 100"),
                      "ERROR STOP -- INVALID NUMBER ON LINE 3, ITEM 1"},
        MalformedCase{"end_inside_a_record", "TEST\n1 0 1 0 0 0 0 1\n",
                      "ERROR STOP -- END OF DATA FILE ON LINE 3, ITEM 9"},
        MalformedCase{"empty_file", "", "ERROR STOP -- END OF DATA FILE ON LINE 1"},
        MalformedCase{"missing_continuation", with(kGood, "\n0\n0\n", "\n0\n"),
                      "ERROR STOP -- END OF DATA FILE ON LINE 9, ITEM 1"},
        MalformedCase{"not_finite", with(kGood, "1E9", "1E999"),
                      "ERROR STOP -- VALUE NOT FINITE ON LINE 5, ITEM 4"},
        MalformedCase{"too_many_increments", with(kGood, "10 12 100", "408 12 100"),
                      "TOO MUCH DATA FOR AVAILABLE STORAGE -- 408 INCREMENTS ON LINE 3, ITEM 1 "
                      "(AT MOST 407)"},
        MalformedCase{"no_increments", with(kGood, "10 12 100", "0 12 100"),
                      "ERROR STOP -- NUMBER OF INCREMENTS MUST BE AT LEAST 1"},
        MalformedCase{"zero_increment_length", with(kGood, "10 12 100", "10 0 100"),
                      "ERROR STOP -- INCREMENT LENGTH MUST BE POSITIVE"},
        MalformedCase{"too_many_load_rows", with(kGood, "1\n1 0 0 1000 0 0\n", "51\n"),
                      "TOO MUCH DATA FOR AVAILABLE STORAGE -- 51 LOAD ROWS ON LINE 6, ITEM 1 "
                      "(AT MOST 50)"},
        MalformedCase{"negative_spring_count", with(kGood, "1000 0 0\n0\n", "1000 0 0\n-1\n"),
                      "ERROR STOP -- NEGATIVE NUMBER OF SPRING ROWS ON LINE 8, ITEM 1"},
        MalformedCase{"too_many_tiebacks", with(kGood, "1 1 1 0 0 0 0 1 0 0", "1 1 1 0 0 0 0 1 0 21"),
                      "TOO MUCH DATA FOR AVAILABLE STORAGE -- 21 TIEBACKS ON LINE 2, ITEM 10 "
                      "(AT MOST 20)"},
        MalformedCase{"too_many_ei_sets", with(kGood, "1 1 1 0 0 0 0 1 0 0", "1 1 1 0 0 0 0 1 21 0"),
                      "TOO MUCH DATA FOR AVAILABLE STORAGE -- 21 MOMENT-EI SETS ON LINE 2, ITEM 9 "
                      "(AT MOST 20)"},
        MalformedCase{"too_many_curves", with(kGood, "1 1 1 0 0 0 0 1 0 0", "1 1 1 0 0 1 64 1 0 0"),
                      "TOO MUCH DATA FOR AVAILABLE STORAGE -- 64 P-Y CURVES ON LINE 2, ITEM 7 "
                      "(AT MOST 63)"},
        MalformedCase{"bad_continuation_code", with(kGood, "0 10 1 1E9", "0 10 3 1E9"),
                      "ERROR STOP -- CONTINUATION CODE MUST BE 1 OR 2 ON LINE 5"},
        MalformedCase{"unknown_earth_pressure_code",
                      with(kGood, "1 1 1 0 0 0 0 1 0 0", "1 1 1 0 7 0 0 1 0 0"),
                      "ERROR STOP -- EARTH PRESSURE CODE MUST BE 0, 1, 2 OR 3, NOT 7"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataFile, MorePressurePointsThanTheStoreHoldsStopBeforeReadingThem) {
  Problem p;
  p.control = "1 1 1 0 1 0 0 1 0 0";
  p.rest = "2001\n";
  expect_input_error(run_engine(p.text()), "TOO MUCH DATA FOR AVAILABLE STORAGE -- 2001 PRESSURE "
                                           "POINTS ON LINE 9, ITEM 1 (AT MOST 2000)");
}

TEST(DataFile, AUserCurveOfMoreThan34PointsStops) {
  Problem p;
  p.control = "1 1 1 0 0 1 1 1 0 0";
  p.rest = "5 35 1 1\n";
  expect_input_error(run_engine(p.text()), "TOO MUCH DATA FOR AVAILABLE STORAGE -- 35 POINTS OF A "
                                           "P-Y CURVE ON LINE 9, ITEM 2 (AT MOST 34)");
}

TEST(DataFile, AnInputErrorInTheSecondProblemKeepsTheFirstProblemsResults) {
  Problem first;
  first.continuation = "9";
  Problem second;
  second.wall = "10 12 100 0.0001 0 12 \n";
  second.stiffness = "10 0 1 1E9\n";
  const EngineRun run = run_engine(first.text() + second.text());
  expect_input_error(run, "ERROR STOP -- STATIONS NOT IN ORDER");
  EXPECT_EQ(count_of(run.report, "RESULTS -- ITERATION"), 1);
  EXPECT_EQ(count_of(run.report, "END OF ANALYSIS"), 1);
  // The first problem's blocks and a final results block repeating its results.
  std::istringstream plot(run.plot);
  std::string line;
  std::vector<std::string> heads;
  while (std::getline(plot, line)) {
    if (line == " 2 12 1") heads.push_back(line);
  }
  EXPECT_EQ(heads.size(), 2u) << run.plot;
  const std::size_t a = run.plot.find(" 2 12 1\n");
  const std::size_t b = run.plot.rfind(" 2 12 1\n");
  // Both results blocks carry the same rows.
  EXPECT_EQ(run.plot.substr(a, 12 * 71), run.plot.substr(b, 12 * 71));
}

}  // namespace
}  // namespace veldra::test
