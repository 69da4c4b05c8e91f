// Lateral pressure of surcharges: the sampling grid, the near and far branches, the
// strip load, the single-surcharge slots and the guard for a wall without height.
#include "engine/soil/soil_constants.h"
#include "engine/soil/surcharge.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace veldra::engine::soil {
namespace {

Surcharges table(std::initializer_list<SurchargeRow> rows) {
  Surcharges s;
  for (const SurchargeRow& r : rows) s.rows[++s.count] = r;
  return s;
}

// Wall length 10: grid points every 0.05.
constexpr double kWall = 10.0;
constexpr double kHeight = 5.0;

TEST(SurchargeGrid, NothingAtOrAboveTheFirstGridPoint) {
  const Surcharges s = table({{1, 100.0, 1.0, 0.0}});
  EXPECT_EQ(table_pressure(s, kWall, kHeight, 0.0), 0.0);
  EXPECT_EQ(table_pressure(s, kWall, kHeight, 0.05), 0.0);
  EXPECT_GT(table_pressure(s, kWall, kHeight, 0.0501), 0.0);
}

TEST(SurchargeGrid, TakesTheGridPointJustAboveTheDepth) {
  const Surcharges s = table({{2, 50.0, 1.0, 0.0}});
  const double at_010 = table_pressure(s, kWall, kHeight, 0.11);
  EXPECT_EQ(table_pressure(s, kWall, kHeight, 0.14), at_010);
  EXPECT_NE(table_pressure(s, kWall, kHeight, 0.16), at_010);
  EXPECT_EQ(at_010, load_pressure_at(2, 50.0, 1.0, 0.0, 0.1, kHeight,
                                     SurchargeForm::Distribution));
  // Below the wall the last grid point holds.
  EXPECT_EQ(table_pressure(s, kWall, kHeight, 25.0), table_pressure(s, kWall, kHeight, 10.01));
}

TEST(SurchargeGrid, TwoEqualLoadsGiveTwiceThePressure) {
  const Surcharges one = table({{1, 80.0, 3.0, 0.0}});
  const Surcharges two = table({{1, 80.0, 3.0, 0.0}, {1, 80.0, 3.0, 0.0}});
  for (double z : {0.3, 2.5, 4.99, 7.0}) {
    EXPECT_EQ(table_pressure(two, kWall, kHeight, z), 2.0 * table_pressure(one, kWall, kHeight, z))
        << z;
  }
}

struct BranchCase {
  int kind;
  double near_over_far;      // ratio of the near-wall to the far formula at m = 0.4
};

class BranchTest : public ::testing::TestWithParam<BranchCase> {};

// At m = 0.4 the near-wall formula (0.28 or 0.203 with 0.16 + n²) applies; just
// above it the far formula, whose value there differs by the ratio of the constants.
TEST_P(BranchTest, MEqualToPointFourIsStillNearTheWall) {
  const BranchCase c = GetParam();
  const double x = 0.4 * kHeight;
  for (double z : {0.5, 2.0, 4.0}) {
    const double at = load_pressure_at(c.kind, 100.0, x, 0.0, z, kHeight,
                                       SurchargeForm::Distribution);
    const double beyond = load_pressure_at(c.kind, 100.0, x * (1.0 + 1e-7), 0.0, z, kHeight,
                                           SurchargeForm::Distribution);
    EXPECT_NEAR(at / beyond, c.near_over_far, 2e-6) << z;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BranchTest,
    ::testing::Values(BranchCase{1, 0.28 / (1.77 * 0.16)},
                      BranchCase{2, 0.203 / (4.0 / 3.1416 * 0.16)}));

TEST(StripLoad, CentredOnTheWallGivesTheSymmetricSolution) {
  // Width 2 centred at the wall, at depth 1: θ1 = -θ2 = 45°, β = 90°.
  const Surcharges s = table({{3, 30.0, 0.0, 2.0}});
  const double sigma = table_pressure(s, kWall, kHeight, 1.01);  // grid point at 1.0
  const double expected = 2.0 * 30.0 * (std::numbers::pi / 2.0 - 1.0) / std::numbers::pi;
  EXPECT_NEAR(sigma, expected, 1e-5 * expected);  // the methods use π = 3.1416
}

TEST(Slots, TakeTheLastPointLineOrStripRow) {
  Surcharges s = table({{3, 30.0, 4.0, 2.5}, {1, 200.0, 1.5, 0.0}, {2, 12.0, 3.5, 0.0},
                        {7, 999.0, 9.0, 9.0}});
  s.single_distance = 0.7;
  load_last_row_into_slots(s);
  EXPECT_EQ(s.line_load, 12.0);
  EXPECT_EQ(s.point_load, 0.0);
  EXPECT_EQ(s.strip_load, 0.0);
  EXPECT_EQ(s.single_distance, 3.5);
  EXPECT_EQ(s.strip_width, 2.5);  // left by the strip row
}

TEST(LayerResultant, UsesTheSlotsEvenWithoutTableRows) {
  Surcharges s;
  s.single_distance = 1.0;
  s.point_load = 100.0;
  EXPECT_EQ(table_pressure(s, kWall, kHeight, 2.0), 0.0);
  // Ten slices of 0.2, each with the pressure at its bottom.
  double expected = 0.0;
  for (int k = 1; k <= 10; ++k) {
    expected += 0.2 * load_pressure_at(1, 100.0, 1.0, 0.0, 1.0 + 0.2 * k, kHeight,
                                       SurchargeForm::Resultant);
  }
  EXPECT_DOUBLE_EQ(layer_resultant(s, kHeight, 1.0, 2.0), expected);
  EXPECT_GT(expected, 0.0);
  // A magnitude of 1e-4 or less does not count.
  s.point_load = 0.9e-4;
  EXPECT_EQ(layer_resultant(s, kHeight, 1.0, 2.0), 0.0);
}

TEST(SurchargeGuard, AWallWithoutFreeHeightSkipsTheSurcharges) {
  Surcharges s = table({{1, 100.0, 1.0, 0.0}, {2, 10.0, 1.0, 0.0}, {3, 10.0, 1.0, 1.0}});
  s.point_load = 100.0;
  s.single_distance = 1.0;
  for (double h : {0.0, 0.5e-6, -2.0}) {
    EXPECT_TRUE(surcharges_skipped(h));
    EXPECT_EQ(table_pressure(s, kWall, h, 3.0), 0.0) << h;
    EXPECT_EQ(layer_resultant(s, h, 0.0, 1.0), 0.0) << h;
  }
  EXPECT_FALSE(surcharges_skipped(1e-6));
}

TEST(Surchg, LeavesThePressureInTheState) {
  ProblemState st;
  st.wall_length = kWall;
  st.wall.hfree = kHeight;
  st.surcharges = table({{2, 40.0, 1.0, 0.0}});
  const double sigma = surchg(st, 2.0);
  EXPECT_GT(sigma, 0.0);
  EXPECT_EQ(st.surcharge_pressure, sigma);
  EXPECT_EQ(sigma, table_pressure(st.surcharges, kWall, kHeight, 2.0));
}

}  // namespace
}  // namespace veldra::engine::soil
