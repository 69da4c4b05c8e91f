// The p-y sections of the report, byte for byte, written out here from their layouts
// (nX blanks, field widths) rather than taken from a run.
#include "tests/engine/py_test_problem.h"
#include "tests/support/engine_run.h"

#include <gtest/gtest.h>

#include <string>

namespace veldra::test {
namespace {

std::string sp(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

const std::string kStars(50, '*');

// H = 120 in; soft clay from 120 to 150 in (c 5 → 8 psi, ε50 0.01 → 0.02), sand from
// 150 to 220 in (φ 30° → 34°), backfill water table at 180 in (inside the sand), and a
// modification table of two rows.
TEST(PyReport, SoilLayersAndStrengthData) {
  PyProblem problem;
  problem.st().wall.water_backfill = 180.0;
  problem.add_layer(1, 150.0, {0.07, 5, 0, 0.01, 0, 0}, {0.07, 8, 0, 0.02, 0, 0});
  problem.add_layer(4, 220.0, {0.06, 0, 30, 0, 90, 0}, {0.06, 0, 34, 0, 90, 0});
  problem.st().ctl.npymod = 2;
  problem.st().pymod[1] = {150.0, 1.0, 1.0};
  problem.st().pymod[2] = {200.0, 0.8, 0.95};
  problem.run();
  ASSERT_EQ(problem.input_error, "");

  const std::string expected =
      "\n\n" + sp(6) + kStars + "\n" + sp(6) + "*        SOIL LAYERS AND STRENGTH DATA           *\n" +
      sp(6) + kStars + "\n\n" +
      // 9X 'X AT ...' F10.2 A3
      "\n" + sp(9) + "X AT THE SURFACE OF EXCAVATION SIDE     = " + "    120.00" + " IN\n" +
      "\n" + sp(9) + "2 LAYER(S) OF SOIL\n" +
      "\n" + sp(9) + "LAYER  1\n" + sp(9) + "THE SOIL IS A SOFT CLAY\n" +
      "\n" + sp(9) + "LAYER  2\n" + sp(9) + "THE SOIL IS A SAND\n" +
      // Unit weights: the sand is cut by the water table 60 in below the excavation
      // level and its reduced unit weight 0.06 − 0.036 carried to the bottom.
      "\n\n" + sp(9) + "DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH\n" + sp(27) +
      " 6 POINTS\n\n" + sp(21) + "X,IN" + sp(3) + "WEIGHT,LBS/IN**3\n" +
      // 10X F15.4 G15.4 (G of 0.07 takes the E form: 0.7000E-01)
      sp(10) + "       120.0000" + "     0.7000E-01\n" +
      sp(10) + "       150.0000" + "     0.7000E-01\n" +
      sp(10) + "       150.0000" + "     0.6000E-01\n" +
      sp(10) + "       180.0000" + "     0.6000E-01\n" +
      sp(10) + "       180.0000" + "     0.2400E-01\n" +
      sp(10) + "       220.0000" + "     0.2400E-01\n" +
      "\n\n" + sp(9) + "DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH\n" + sp(27) + " 4 POINTS\n\n" +
      sp(21) + "X,IN" + sp(5) + "S,LBS/IN**2" + sp(6) + "PHI,DEGREES" + sp(6) + "E50\n" +
      // 10X F15.2 2X G13.4 2X F13.3 G15.4, or 7X '-----' without ε50 (G13.4 of 5 is
      // F9.3 and 4 blanks; of 0, F9.3 too)
      sp(10) + "         120.00" + sp(2) + "    5.000    " + sp(2) + "        0.000" +
      "     0.1000E-01\n" +
      sp(10) + "         150.00" + sp(2) + "    8.000    " + sp(2) + "        0.000" +
      "     0.2000E-01\n" +
      sp(10) + "         150.00" + sp(2) + "    0.000    " + sp(2) + "       30.000" + sp(7) +
      "-----\n" +
      sp(10) + "         220.00" + sp(2) + "    0.000    " + sp(2) + "       34.000" + sp(7) +
      "-----\n" +
      // 9X 'REDUCTION ...' / 40X / 7X heading / ; rows 12X F7.2 4X F6.2 6X F6.2
      "\n" + sp(9) + "REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS\n" + sp(40) + "\n" +
      sp(7) + "      DEPTH     P-FACTOR     Y-FACTOR        \n\n" +
      sp(12) + " 150.00" + sp(4) + "  1.00" + sp(6) + "  1.00\n" +
      sp(12) + " 200.00" + sp(4) + "  0.80" + sp(6) + "  0.95\n" +
      "\n\n" + sp(8) + "P-Y CURVES DATA\n\n";
  const std::string report = problem.report();
  ASSERT_GE(report.size(), expected.size());
  EXPECT_EQ(report.substr(0, expected.size()), expected);
}

struct HeadingCase {
  const char* name;
  int type;
  Slots soil;
  std::string heading;       // from the side heading to the first row of points
};

void PrintTo(const HeadingCase& c, std::ostream* os) { *os << c.name; }

const std::string kSide = "\n\n" + sp(9) + "AT THE EXCAVATION SIDE\n";
// The column headings of y and p: 38X 'Y' 19X 'P' / 38X A2 15X A3 A1 A2.
const std::string kYpHeading = sp(38) + "Y" + sp(19) + "P\n" + sp(38) + "IN" + sp(15) + "LBS/IN\n";

// The first curve (0.1 in below the excavation level) of one layer down to 220 in,
// b = 24 in, uniform soil.
const HeadingCase kHeadings[] = {
    {"SoftClay", 1, {0.02, 3.4722, 0, 0.02, 0, 0},
     kSide + "\n" + sp(9) + "DEPTH BELOW GS" + sp(6) + "DIAM" + sp(8) + "C" + sp(6) + "GAMMA AVG" +
         sp(6) + "E50\n" + sp(15) + "IN" + sp(13) + "IN" + sp(5) + "LBS/IN**2" + sp(2) +
         "LBS/IN**3\n" +
         // 8X F10.2 6X F10.3 1X G10.4 1X G10.4 1X G12.4
         sp(8) + "      0.10" + sp(6) + "    24.000" + " " + " 3.472    " + " " + "0.2000E-01" +
         " " + "  0.2000E-01\n" + "\n" + sp(37) + "Y,IN" + sp(13) + "P,LBS/IN\n"},
    {"StiffClayWithFreeWater", 2, {0.07, 10, 0, 0.005, 500, 0},
     kSide + "\n\n" + sp(9) + "DEPTH BELOW GS" + sp(6) + "DIAM" + sp(8) + "C" + sp(9) + "CAVG" +
         sp(4) + "GAMMA AVG" + sp(6) + "E50\n" + sp(15) + "IN" + sp(13) + "IN" + sp(5) +
         "LBS/IN**2" + sp(2) + "LBS/IN**2" + sp(2) + "LBS/IN**3\n" +
         // 9X F10.2 5X F10.3 3(1X G10.2) G12.4 (G10.2 of 10 is F6.0 and 4 blanks)
         sp(9) + "      0.10" + sp(5) + "    24.000" + " " + "   10.    " + " " + "   10.    " +
         " " + "  0.70E-01" + "  0.5000E-02\n"},
    {"StiffClayWithoutFreeWater", 3, {0.07, 10, 0, 0.005, 500, 0},
     kSide + "\n\n" + sp(10) + "DEPTH BELOW GS" + sp(5) + "DIAM" + sp(8) + "C" + sp(7) + "CAVG" +
         sp(4) + "GAMMA AVG" + sp(5) + "E50\n" + sp(16) + "IN" + sp(12) + "IN" + sp(5) +
         "LBS/IN**2 LBS/IN**2 LBS/IN**3 \n" +
         // 10X F10.2 5X F10.3 3G10.2 G12.4
         sp(10) + "      0.10" + sp(5) + "    24.000" + "   10.    " + "   10.    " +
         "  0.70E-01" + "  0.5000E-02\n" + kYpHeading},
    {"Sand", 4, {0.07, 0, 30, 0, 90, 0},
     kSide + "\n\n" + sp(11) + "DEPTH BELOW GS" + sp(2) + "DIAM" + sp(3) + "PHI" + sp(2) +
         "GAMMA AVG" + sp(4) + "A" + sp(4) + "B" + sp(5) + "PCT" + sp(7) + "PCD\n" + sp(17) + "IN" +
         sp(9) + "IN" + sp(9) + "LBS/IN**3\n" +
         // 10X F10.2 4X 2F7.2 E9.2 2X 2F5.2 2E9.2: A = 2.827, B = 2.137 at 0.1/24;
         // ps_t = 0.449, ps_d = 4.829 at x = 0.1
         sp(10) + "      0.10" + sp(4) + "  24.00" + "  30.00" + " 0.70E-01" + sp(2) + " 2.83" +
         " 2.14" + " 0.45E+00" + " 0.48E+01\n" + "\n" + kYpHeading},
    {"Silt", 5, {0.07, 2, 30, 0.01, 90, 0},
     kSide + "\n\n" + sp(5) + "DEPTH" + sp(6) + "DIAM" + sp(6) + "PHI" + sp(2) + "GAMMA AVG" +
         sp(8) + "A" + sp(9) + "B" + sp(5) + "Puc" + sp(7) + "Pu\xED\n" + sp(7) + "IN" + sp(8) +
         "IN" + sp(12) + "LBS/IN**3\n" +
         // 2F10.2 F10.1 E10.3 2F10.2 2E10.3: pc = 2·24·(3 + 0.07·0.1/2 + 0.5·0.1/24) = 144.27
         "      0.10" + "     24.00" + "      30.0" + " 0.700E-01" + "      2.83" + "      2.14" +
         " 0.144E+03" + " 0.449E+00\n" + "\n" + sp(37) + "Y" + sp(19) + "P\n" + sp(37) + "IN" +
         sp(16) + "LBS/IN\n"},
    {"StrongRock", 6, {0.1, 1000, 0, 0, 0, 0},
     // No side heading: the side is named in the heading.
     "\n\n" + sp(17) + "DEPTH-EXCAVATION SIDE" + sp(5) + "DIAM" + sp(8) + "C" + sp(7) + "\n" +
         sp(30) + "IN" + sp(12) + "IN" + sp(5) + "LBS/IN**2" + " \n" +
         // 24X F10.2 5X F10.3 E10.1 with su = 500
         sp(24) + "      0.10" + sp(5) + "    24.000" + "   0.5E+03\n" + kYpHeading},
    {"WeakRock", 7, {0.09, 500, 0, 0.0005, 100000, 50},
     kSide + "\n\n" + sp(14) + "DEPTH" + sp(5) + "DIAM" + sp(7) + "Qu" + sp(7) + " Eu " + sp(3) +
         "GAMMA AVG" + sp(6) + "E50\n" + sp(16) + "IN" + sp(7) + "IN" + sp(4) +
         "LBS/IN**2 LBS/IN**2 LBS/IN**3 \n" +
         // 10X F10.2 F10.3 3E10.2 E12.3
         sp(10) + "      0.10" + "    24.000" + "  0.50E+03" + "  0.10E+06" + "  0.90E-01" +
         "   0.500E-03\n" + sp(37) + "Y" + sp(19) + "P\n" + sp(37) + "IN" + sp(16) +
         "LBS/IN\n"},
};

class CurveHeadingTest : public ::testing::TestWithParam<HeadingCase> {};

TEST_P(CurveHeadingTest, MatchesTheLayout) {
  const HeadingCase& c = GetParam();
  PyProblem problem;
  problem.add_layer(c.type, 220.0, c.soil);
  problem.run();
  ASSERT_EQ(problem.input_error, "");
  const std::string report = problem.report();
  const std::string start = "P-Y CURVES DATA\n\n";
  const std::size_t at = report.find(start);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(report.substr(at + start.size(), c.heading.size()), c.heading);
}

INSTANTIATE_TEST_SUITE_P(Types, CurveHeadingTest, ::testing::ValuesIn(kHeadings),
                         [](const auto& info) { return std::string(info.param.name); });

// Rows of the points and the multiplier line, by type: soft clay 1X 20X 2F20.5, silt
// 21X 2E20.3, strong rock 1X 20X 2G20.5; the multiplier line / 21X ' P-Multiplier = '
// E10.3 ' Y-Multiplier = ' E10.3 under soft clay, stiff clay without free water,
// sand and silt only.
TEST(PyReport, RowsAndMultiplierLines) {
  struct Case {
    int type;
    Slots soil;
    std::string first_row;
    int multiplier_lines;  // of the 10 printed blocks
  };
  const Case cases[] = {
      {1, {0.02, 3.4722, 0, 0.02, 0, 0}, sp(21) + "             0.00000             0.00000\n", 10},
      {2, {0.07, 10, 0, 0.005, 500, 0}, sp(21) + "             0.00000             0.00000\n", 0},
      {3, {0.07, 10, 0, 0.005, 500, 0}, sp(21) + "             0.00000             0.00000\n", 10},
      {4, {0.07, 0, 30, 0, 90, 0}, sp(21) + "             0.00000             0.00000\n", 10},
      {5, {0.07, 2, 30, 0.01, 90, 0}, sp(21) + "           0.000E+00           0.000E+00\n", 10},
      // G20.5 of 0: F16.4 and 4 blanks.
      {6, {0.1, 1000, 0, 0, 0, 0}, sp(21) + "          0.0000    " + "          0.0000    \n", 0},
      // The first weak-rock point is not at zero: y = 0.0005·yrm = 6e-6, below yA, so
      // p = Kir·y = (100 + 400·0.1/72)·1e5·6e-6 = 60.33.
      {7, {0.09, 500, 0, 0.0005, 100000, 50}, sp(21) + "           0.600E-05           0.603E+02\n",
       0},
  };
  for (const Case& c : cases) {
    PyProblem problem;
    problem.add_layer(c.type, 220.0, c.soil);
    problem.run();
    const std::string report = problem.report();
    EXPECT_NE(report.find("\n" + c.first_row), std::string::npos) << c.type;
    EXPECT_EQ(count_of(report, "\n" + sp(21) + " P-Multiplier =  0.100E+01 Y-Multiplier =  0.100E+01\n"),
              c.multiplier_lines)
        << c.type;
  }
}

// A y-factor of 0 puts every handed-on deflection of a soft-clay curve below 1e-14:
// from the second point on each row is followed by the warning with E0. At the first
// curve (x = 0.1): pu = (3 + 0.02·0.1/3.4722 + 0.5·0.1/24)·3.4722·24 = 250.220, y50 = 1.2,
// E0 = 0.5·pu·(1.2/1e-14)^(2/3)/1.2 = 2.5365e11, printed G12.4 as 0.2536E+12.
TEST(PyReport, SoftClayWarnsOfDeflectionsBelowTheSmallest) {
  PyProblem problem;
  problem.st().ctl.npymod = 2;
  problem.st().pymod[1] = {0.0, 1.0, 0.0};
  problem.st().pymod[2] = {10000.0, 1.0, 0.0};
  problem.add_layer(1, 220.0, {0.02, 3.4722, 0, 0.02, 0, 0});
  problem.run();
  const std::string report = problem.report();
  const std::string warning = "\n" + sp(29) + "**** WARNING ****\n" + sp(5) +
                              "DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM\n" + sp(5) +
                              "USED A SOIL MODULUS OF ";
  const std::size_t first = report.find(warning);
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(report.substr(first + warning.size(), 13), "  0.2536E+12\n");
  // Not after the first row (y = 0 by construction), after each of the 16 others.
  EXPECT_EQ(count_of(report, warning), 10 * 16);
  EXPECT_EQ(count_of(report, " Y-Multiplier =  0.000E+00"), 10);
}

}  // namespace
}  // namespace veldra::test
