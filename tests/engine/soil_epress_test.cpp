// Generated earth pressure through a whole analysis: the report sections and their
// layout, the pressures handed to the wall, the stops and the input errors of the
// soil profile, and the surcharges of a user-specified distribution.
#include "engine/format/fortran_format.h"
#include "tests/support/engine_run.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace veldra::test {
namespace {

namespace fs = std::filesystem;

struct Layer {
  int type;                  // 1-3 clay, 4 sand
  double bottom;
  double gamma;
  double c_or_phi;           // strength of a clay, friction angle of a sand
  double k_opt = 0.0;
};

// A wall fixed at its tip (no p-y curves needed), loaded by generated pressure.
struct Problem {
  int units = 2;
  int kep = 2;
  int kpy = 0;
  int n = 100;
  double h = 0.1;
  double hfree = 4.0;
  double wa = 1.0, wp = 1.0, dwb = 50.0, dwe = 50.0, factor = 1.0, beta = 0.0;
  int config = 1;
  double q = 0.0;
  std::vector<std::string> surcharge_rows;  // type, magnitude, X, W (mm in SI)
  std::vector<Layer> layers = {{4, 3.0, 18.0, 30.0}, {4, 12.0, 20.0, 36.0}};
  std::vector<std::string> load_rows;       // continuation, first, last, Q, M, P
  std::vector<std::string> user_pressure;   // depth, load (earth-pressure code 1)

  std::string text() const {
    std::ostringstream t;
    t << "SOIL TEST WALL\n";
    t << units << " 1\t1\t0\t" << kep << "\t" << kpy << " 0 1 0 0\n";
    t << n << " " << h << "\t100\t0.0001\t" << hfree << "\t" << wa << "\n";
    t << "3\t" << n << "\t0\t0\n";
    t << "0\t" << n << "\t1\t50000\n";
    t << load_rows.size() << "\n";
    for (const std::string& r : load_rows) t << r << "\n";
    t << "0\n";
    if (kep == 1) {
      t << user_pressure.size() << "\n";
      for (const std::string& r : user_pressure) t << r << "\n";
    }
    if (kep > 1 || kpy == 2) {
      t << hfree << "\t" << wa << "\t" << wp << "\t" << dwb << "\t" << dwe << "\t" << factor
        << "\t" << config << "\t" << beta << "\n";
      t << q << "\t0\t0\t0\t0\t0\n";
      t << surcharge_rows.size() << "\n";
      for (const std::string& r : surcharge_rows) t << r << "\n";
      t << layers.size() << "\n";
      for (const Layer& l : layers) {
        t << l.type << " " << l.bottom << " \n";
        for (int side = 0; side < 2; ++side) {
          if (l.type == 4) {
            t << l.gamma << " 0.0  " << l.c_or_phi << " 0.0  60 " << l.k_opt << " \n";
          } else {
            t << l.gamma << " " << l.c_or_phi << " 0.0  0.005 500 " << l.k_opt << " \n";
          }
        }
      }
    }
    t << "0\n";
    return t.str();
  }
};

// The lines of the plot file's pressure block (after its count line).
std::vector<std::string> plot_pressure_lines(const std::string& plot) {
  std::istringstream in(plot);
  std::string line;
  std::getline(in, line);
  const int count = std::stoi(line);
  std::vector<std::string> out;
  for (int i = 0; i < count && std::getline(in, line); ++i) out.push_back(line);
  return out;
}

std::size_t position(const std::string& report, const std::string& text) {
  const std::size_t at = report.find(text);
  EXPECT_NE(at, std::string::npos) << text;
  return at;
}

TEST(Epress, PrintsTheSectionsInOrderAndFinishes) {
  Problem p;
  p.dwb = 2.5;
  p.dwe = 4.0;
  p.q = 10.0;
  p.surcharge_rows = {"2\t20\t1500\t0"};
  const EngineRun run = run_engine(p.text());
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  const char* sections[] = {"*                WALL INFORMATION                *",
                            "*              SURCHARGE INFORMATION             *",
                            "*                SOIL INFORMATION                *",
                            "*            EFFECTIVE OVERBURDEN STRESS         *",
                            "* ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT  *",
                            "*      ACTIVE EARTH PRESSURE OF EACH LAYER       *",
                            "*      ACTIVE WATER PRESSURE OF EACH LAYER       *",
                            "         DEPTH         ACTIVE EARTH PRESSURE",
                            "     RESULTS -- ITERATION"};
  std::size_t last = 0;
  for (const char* s : sections) {
    const std::size_t at = position(run.report, s);
    EXPECT_GT(at, last) << s;
    last = at;
  }
  EXPECT_FALSE(fs::exists("debug.dat"));
  EXPECT_FALSE(fs::exists("kelpan.001"));
}

TEST(Epress, WallSurchargeAndSoilSectionsHaveTheirFixedColumns) {
  Problem p;
  p.dwb = 2.5;
  p.dwe = 4.0;
  p.q = 10.0;
  p.surcharge_rows = {"2\t20\t1500\t0", "3\t15\t2500\t1000"};
  const EngineRun run = run_engine(p.text());
  const std::string stars = "      " + std::string(50, '*') + "\n";
  const std::string wall =
      "\n\n" + stars + "      *                WALL INFORMATION                *\n" + stars +
      "      FREE HEIGHT OF WALL                    =  0.400E+01  M\n"
      "      WIDTH FOR EARTH PRESSURE, WA           =  0.100E+01  M\n"
      "      WIDTH FOR SOIL RESISTANCE, WP          =  0.100E+01  M\n"
      "      DEPTH TO THE WATER TABLE AT BACKFILL   =  0.250E+01  M\n"
      "      DEPTH TO THE WATER TABLE AT EXCAVATION =  0.400E+01  M\n"
      "      UNIT WEIGHT OF WATER                   =  0.981E+01  KN/ M**3\n"
      "      SLOPE OF THE BACKFILL (deg.)           =  0.000E+00\n"
      "      MODIFICATION FOR ACTIVE EARTH PRESSURE =  0.100E+01\n"
      "\n";
  const std::string surcharge =
      "\n\n" + stars + "      *              SURCHARGE INFORMATION             *\n" + stars +
      "      UNIFORM SURFACE PRESSURE     = 0.100E+02  KN/ M**2\n"
      "\n"
      "      SURCHARGE LOADING NO.        =          1\n"
      "      LINE LOAD                    =  0.200E+02  KN/ M\n"
      "      HORIZONTAL DISTANCE BETWEEN  =  0.150E+01  M\n"
      "      THE WALL AND SURCHARGE         \n"
      "\n"
      "\n"
      "      SURCHARGE LOADING NO.        =          2\n"
      "      STRIP LOAD                   =  0.150E+02  KN/ M**2\n"
      "      WIDTH OF THE STRIP LOAD      =  0.100E+01  M\n"
      "      HORIZONTAL DISTANCE BETWEEN  =  0.250E+01  M\n"
      "      WALL AND MIDDLE OF STRIP WIDTH          \n"
      "\n";
  const std::string soil =
      "\n\n" + stars + "      *                SOIL INFORMATION                *\n" + stars +
      "                TOTAL   COHESION/       TOTAL UNIT\n"
      "       LAYER  THICKNESS STRENGTH    PHI   WEIGHT   DRAINED  ZTOP\n"
      "       NO.       M        kPa       DEG   kN/M^3    T OR F    M\n"
      "         1      2.50        0.0    30.0   18.000     T      0.00\n"
      "         2      0.50        0.0    30.0   18.000     T      2.50\n"
      "         3      1.00        0.0    36.0   20.000     T      3.00\n"
      "         4      8.00        0.0    36.0   20.000     T      4.00\n";
  const std::string stress =
      "\n\n" + stars + "      *            EFFECTIVE OVERBURDEN STRESS         *\n" + stars +
      "\n"
      "                DEPTH                     STRESS       \n"
      "                  M                        KN/ M**2\n"
      "\n"
      "             0.000E+00                  0.100E+02\n";
  EXPECT_NE(run.report.find(wall + surcharge + soil + stress), std::string::npos) << run.report;
}

TEST(Epress, EnglishSoilInformationIsInFeetAndSystemThreePrintsTheBannerOnly) {
  Problem p;
  p.units = 1;
  p.n = 60;
  p.h = 6.0;
  p.hfree = 120.0;
  p.wa = p.wp = 12.0;
  p.dwb = p.dwe = 1000.0;
  p.layers = {{4, 150.0, 0.0694, 30.0}, {4, 480.0, 0.0723, 36.0}};
  const EngineRun english = run_engine(p.text());
  EXPECT_NE(english.report.find("       NO.      FT        PSI       DEG     PCI     T OR F   FT\n"
                                "         1     10.00        0.0    30.0    0.069     T      0.00\n"
                                "         2      2.50        0.0    30.0    0.069     T     10.00\n"
                                "         3     27.50        0.0    36.0    0.072     T     12.50\n"),
            std::string::npos)
      << english.report;
  p.units = 3;
  const EngineRun own = run_engine(p.text());
  EXPECT_NE(own.report.find("*                SOIL INFORMATION                *\n      " +
                            std::string(50, '*') + "\n\n\n"),
            std::string::npos);
  EXPECT_EQ(own.report.find("T OR F"), std::string::npos);
}

// Ka·γ·x at 0.5 m is 1.2345 (γ = 7.407, Ka = 1/3): its record reads back as 1.23, so
// with Wa = 3 the wall gets 3.69, not the 3.70 of the unrounded value.
TEST(Epress, ThePointsCarryTheValuesOfTheirRecords) {
  Problem p;
  p.n = 20;
  p.hfree = 1.5;
  p.wa = 3.0;
  p.layers = {{4, 5.0, 7.407, 30.0}};
  const EngineRun run = run_engine(p.text());
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  EXPECT_NE(run.report.find("       0.500E+00           0.369E+01\n"), std::string::npos)
      << run.report;
  const std::vector<std::string> lines = plot_pressure_lines(run.plot);
  ASSERT_EQ(lines.size(), 41u);  // 2 m of wall, one point per 0.05 m, and the surface
  EXPECT_EQ(lines[10], "   0.500E+00   0.369E+01   0.369E+01   0.000E+00");
}

// The printed points of the report's pressure table, from its heading to the next
// empty line.
std::vector<std::pair<double, double>> printed_pressure(const std::string& report) {
  std::vector<std::pair<double, double>> points;
  const std::size_t heading = report.find("         DEPTH         ACTIVE EARTH PRESSURE\n");
  if (heading == std::string::npos) return points;
  std::istringstream in(report.substr(heading));
  std::string line;
  for (int skip = 0; skip < 3; ++skip) std::getline(in, line);
  while (std::getline(in, line) && !line.empty()) {
    std::istringstream l(line);
    double x = 0.0, p = 0.0;
    if (l >> x >> p) points.emplace_back(x, p);
  }
  return points;
}

class PrintedNetWater : public ::testing::TestWithParam<double> {};

// The two sand layers with the backfill water at 3 m and the excavation at 4 m, the
// excavation side dewatered to the excavation level or below it; Wp = 2. Below the
// excavation level the report and the graph give Wp·(Ka·σv'(4) + γw·(net head)),
// with Ka = tan²27° of the 36° sand and σv'(4) = 18·3 + (20 - γw)·1: the hand
// values 2·(16.67 + 9.81) = 52.95 just below it when DWe = 4, not the 72.6 that
// counted the backfill water twice.
TEST_P(PrintedNetWater, BelowTheExcavationLevelIsTheHydrostaticNet) {
  const double dwe = GetParam();
  Problem p;
  p.dwb = 3.0;
  p.dwe = dwe;
  p.wp = 2.0;
  const EngineRun run = run_engine(p.text());
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  const double gw = 9.81;
  const double ka = std::pow(std::tan(27.0 / 57.2958), 2.0);
  const double soil = (18.0 * 3.0 + (20.0 - gw) * 1.0) * ka;
  int below = 0;
  for (const auto& [x, printed] : printed_pressure(run.report)) {
    if (x <= 4.0) continue;
    ++below;
    const double hand = 2.0 * (soil + gw * ((x - 3.0) - std::max(0.0, x - dwe)));
    EXPECT_NEAR(printed, hand, 2e-3 * hand) << "at " << x;
  }
  EXPECT_EQ(below, 30);  // the 6 m of wall below the excavation level, every 0.2 m
  for (const std::string& line : plot_pressure_lines(run.plot)) {
    std::istringstream l(line);
    double x = 0.0, total = 0.0, soil_part = 0.0;
    l >> x >> total >> soil_part;
    if (x <= 4.0) continue;
    const double hand = 2.0 * (soil + gw * ((x - 3.0) - std::max(0.0, x - dwe)));
    EXPECT_NEAR(total, hand, 2e-3 * hand) << "at " << x;
    EXPECT_NEAR(soil_part, hand, 2e-3 * hand) << "at " << x;
  }
}

INSTANTIATE_TEST_SUITE_P(ExcavationSideWater, PrintedNetWater, ::testing::Values(4.0, 5.5));

TEST(Epress, AnExcavationBelowTheProfileStopsWithCodeOne) {
  Problem p;
  p.n = 150;
  p.hfree = 12.5;
  p.layers = {{4, 3.0, 18.0, 30.0}, {4, 12.0, 20.0, 36.0}};
  const EngineRun run = run_engine(p.text());
  EXPECT_EQ(run.status.outcome, RunOutcome::SoilStop);
  EXPECT_EQ(run.status.stop_code, 1);
  ASSERT_NE(run.report.find("SOIL INFORMATION"), std::string::npos);
  EXPECT_EQ(run.report.find("EFFECTIVE OVERBURDEN STRESS"), std::string::npos);
  EXPECT_EQ(run.report.find("END OF ANALYSIS"), std::string::npos);
  // The run ended at the stop: the report ends with the soil layers.
  EXPECT_EQ(run.report.substr(run.report.size() - 11), "      3.00\n");
}

struct RefusalCase {
  const char* name;
  Problem problem;
  const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

Problem profile_above_tip() {
  Problem p;
  p.layers = {{4, 3.0, 18.0, 30.0}, {4, 8.0, 20.0, 36.0}};
  return p;
}

Problem anchored_without_supports() {
  Problem p;
  p.kep = 3;
  return p;
}

Problem anchored_with_crossed_supports() {
  // D1 = 7 (first load row), D2 = 0 (last): 7H + 2(D2 - D1) = 0 for H = 2.
  Problem p;
  p.kep = 3;
  p.hfree = 2.0;
  p.load_rows = {"1\t70\t70\t0\t0\t0", "1\t0\t0\t0\t0\t0"};
  return p;
}

Problem excavation_below_tip() {
  Problem p;
  p.hfree = 10.5;
  return p;
}

Problem water_above_the_wall() {
  Problem p;
  p.dwb = -1.0;
  return p;
}

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, EndsTheRunWithAReportMessage) {
  const RefusalCase& c = GetParam();
  const EngineRun run = run_engine(c.problem.text());
  EXPECT_EQ(run.status.outcome, RunOutcome::InputError);
  EXPECT_EQ(run.status.message, c.message);
  EXPECT_NE(run.report.find("\n\n     " + std::string(c.message) + "\n\n\n\n     END OF ANALYSIS"),
            std::string::npos)
      << run.report;
  EXPECT_EQ(run.report.find("NaN"), std::string::npos);
  EXPECT_EQ(run.report.find("Inf"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusalTest,
    ::testing::Values(
        RefusalCase{"profile ends above the tip", profile_above_tip(),
                    "ERROR STOP -- THE SOIL LAYERS END AT A DEPTH OF 0.800E+01  M, ABOVE THE "
                    "TIP OF THE WALL AT A DEPTH OF 0.100E+02  M"},
        RefusalCase{"trapezoid without supports", anchored_without_supports(),
                    "ERROR STOP -- THE TRAPEZOIDAL EARTH PRESSURE DISTRIBUTION NEEDS AT LEAST "
                    "ONE SUPPORT (TIEBACK, SPRING OR LOAD ROW)"},
        RefusalCase{"trapezoid with a vanishing peak denominator",
                    anchored_with_crossed_supports(),
                    "ERROR STOP -- THE SUPPORT DEPTHS D1 = 0.700E+01  M AND D2 = 0.000E+00  M "
                    "GIVE NO TRAPEZOIDAL EARTH PRESSURE DISTRIBUTION"},
        RefusalCase{"excavation below the tip", excavation_below_tip(),
                    "ERROR STOP -- FREE HEIGHT OF WALL = 0.105E+02  M MUST LIE BETWEEN THE TOP "
                    "AND THE TIP OF THE WALL (WALL LENGTH = 0.100E+02  M)"},
        RefusalCase{"water table above the wall", water_above_the_wall(),
                    "ERROR STOP -- DEPTH TO THE WATER TABLE AT BACKFILL =-0.100E+01  M MUST NOT "
                    "BE NEGATIVE"}));

TEST(Epress, AWallWithoutFreeHeightSkipsItsSurchargesWithAWarning) {
  Problem p;
  p.hfree = 0.0;
  p.surcharge_rows = {"1\t50\t1000\t0"};
  const EngineRun run = run_engine(p.text());
  EXPECT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  EXPECT_NE(run.report.find("      **** WARNING ******\n      THE FREE HEIGHT OF THE WALL IS BELOW "
                            "1.0E-06: THE SURCHARGE LOADS ARE NOT APPLIED.\n"),
            std::string::npos);
  for (const std::string& line : plot_pressure_lines(run.plot)) {
    EXPECT_EQ(line.substr(line.size() - 10), " 0.000E+00") << line;
  }
  EXPECT_EQ(run.report.find("NaN"), std::string::npos);
}

TEST(Epress, ASlopeAtLeastTheFrictionAngleWarnsInTheNotesAndTheReport) {
  Problem p;
  p.beta = 5.0;
  p.layers = {{3, 2.0, 19.0, 60.0}, {4, 12.0, 20.0, 36.0}};
  const EngineRun run = run_engine(p.text());
  const std::string warning =
      "\n\n**** WARNING ******\nTHE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL "
      "FRICTION ANGLE OF SAND.\n";
  EXPECT_EQ(count_of(run.report, warning), 1);  // the clay, not the sand
  EXPECT_EQ(count_of(run.notes, warning), 1);
  // Printed before the clay's row of the coefficient table.
  EXPECT_NE(run.report.find(warning + "           1          0.100E+01"), std::string::npos);
}

TEST(Epress, ANegativeNetActivePressureIsReportedAndTheRunGoesOn) {
  Problem p;
  p.layers = {{1, 5.0, 18.0, 80.0}, {4, 12.0, 20.0, 36.0}};
  const EngineRun run = run_engine(p.text());
  EXPECT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  const std::string message = "\n\n     Net active pressure is negative.\n\n";
  EXPECT_NE(run.report.find(message), std::string::npos);
  EXPECT_NE(run.console.find("Net active pressure is negative."), std::string::npos);
}

TEST(Epress, LeavesNothingInTheCurrentDirectory) {
  TempDir here;
  const fs::path old = fs::current_path();
  fs::current_path(here.path());
  Problem p;
  p.kep = 3;
  p.load_rows = {"1\t20\t20\t0\t0\t0"};
  const EngineRun run = run_engine(p.text());
  fs::current_path(old);
  EXPECT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  EXPECT_TRUE(fs::is_empty(here.path()));
}

// Earth-pressure code 1 with surcharges: the wall gets Wa times the surcharge
// pressure on top of the user's load; nothing above the first grid point.
TEST(UserPressure, SurchargesAreAddedWithTheWidthForEarthPressure) {
  Problem p;
  p.kep = 1;
  p.kpy = 2;
  p.wa = 2.0;
  p.user_pressure = {"0\t0", "0.05\t5", "4\t20"};
  p.surcharge_rows = {"1\t100\t1000\t0"};
  const EngineRun run = run_engine(p.text());
  const std::vector<std::string> lines = plot_pressure_lines(run.plot);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "   0.500E-01   0.500E+01   0.500E+01   0.000E+00");
  // At 4 m the grid point above is 3.95 m: m = 0.25, n = 0.9875, near the wall.
  const double n = 3.95 / 4.0;
  const double sigma = 0.28 * 100.0 * n * n / (16.0 * std::pow(0.16 + n * n, 3));
  EXPECT_EQ(lines[2], "   0.400E+01  " + engine::format_e(20.0 + 2.0 * sigma, 10, 3) +
                          "   0.200E+02  " + engine::format_e(2.0 * sigma, 10, 3));
}

TEST(UserPressure, AWallWithoutFreeHeightSkipsTheSurchargesWithAWarning) {
  Problem p;
  p.kep = 1;
  p.kpy = 2;
  p.hfree = 0.0;
  p.user_pressure = {"0\t0", "4\t20"};
  p.surcharge_rows = {"2\t10\t500\t0"};
  const EngineRun run = run_engine(p.text());
  EXPECT_NE(run.report.find("THE SURCHARGE LOADS ARE NOT APPLIED."), std::string::npos);
  EXPECT_EQ(plot_pressure_lines(run.plot)[1], "   0.400E+01   0.200E+02   0.200E+02   0.000E+00");
}

}  // namespace
}  // namespace veldra::test

namespace veldra::test {
namespace {

class ExampleTest : public ::testing::TestWithParam<const char*> {};

// The bundled examples of generated earth pressure with user p-y curves (a
// combination only the command line runs) stay analysable and close.
TEST_P(ExampleTest, IsAnalysedToTheEnd) {
  const std::string data = read_file(fs::path(VELDRA_SOURCE_DIR) / "examples" / "command-line" /
                                     (std::string(GetParam()) + ".vd5d"));
  ASSERT_FALSE(data.empty());
  const EngineRun run = run_engine(data, GetParam());
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  ASSERT_EQ(run.status.problems.size(), 1u);
  EXPECT_TRUE(run.status.problems[0].closed);
  EXPECT_FALSE(run.status.problems[0].off_curve);
  EXPECT_EQ(run.report.find("NaN"), std::string::npos);
  EXPECT_EQ(run.report.find("Inf"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleTest,
                         ::testing::Values("cantilever-layered-sand",
                                           "anchored-wall-trapezoidal-envelope"));

}  // namespace
}  // namespace veldra::test
