// Tick steps and tick positions of a graph axis.
#include "framework/axis_ticks.h"

#include <gtest/gtest.h>

#include <vector>

namespace veldra::framework {
namespace {

TEST(AxisTicks, TheMajorStepIsOneTwoOrFiveTimesAPowerOfTen) {
  const struct {
    long double range;
    int divisions;
    long double step;
  } cases[] = {
      {14, 14, 1},       // raw 1
      {14, 7, 2},        // raw 2: k = 2
      {14, 4, 2},        // raw 3.5: k = 3
      {15, 3, 5},        // raw 5: k = 5
      {17.8L, 2, 5},     // raw 8.9: k = 8
      {19, 2, 10},       // raw 9.5: k = 9
      {0.034L, 1, 0.02L},  // p = 0.01, k = 3
      {1200, 10, 100},   // raw 120: k = 1
      {1000, 1, 1000},   // a power of ten itself
      {0.001L, 1, 0.001L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << static_cast<double>(c.range) << " / " << c.divisions);
    EXPECT_NEAR(static_cast<double>(MajorStep(c.range, c.divisions)), static_cast<double>(c.step),
                static_cast<double>(c.step) * 1e-9);
  }
  EXPECT_EQ(MajorStep(10, 0), 0);
  EXPECT_EQ(MajorStep(0, 5), 0);
}

TEST(AxisTicks, DivisionsAreWholeMultiplesOfSixTextHeights) {
  EXPECT_EQ(MajorDivisions(600, 16), 6);  // 600 / 96
  EXPECT_EQ(MajorDivisions(95, 16), 0);
  EXPECT_EQ(MajorDivisions(600, 0), 0);
  EXPECT_EQ(MajorDivisions(-5, 16), 0);
}

TEST(AxisTicks, MinorTicksAtFifthsOfTheMajorStepInsideTheRange) {
  // The -0.37 .. 12.3 axis shown from -1 to 13 with a major step of 2.
  const std::vector<AxisTick> ticks = AxisTicks(-1, 13, 2);
  ASSERT_EQ(ticks.size(), 35u);  // -0.8, -0.4, ..., 12.8
  EXPECT_NEAR(static_cast<double>(ticks.front().value), -0.8, 1e-12);
  EXPECT_NEAR(static_cast<double>(ticks.back().value), 12.8, 1e-12);
  std::vector<long double> majors;
  for (const AxisTick& t : ticks)
    if (t.major) majors.push_back(t.value);
  EXPECT_EQ(majors, (std::vector<long double>{0, 2, 4, 6, 8, 10, 12}));
  // Ticks at the very ends belong to the range.
  const std::vector<AxisTick> ends = AxisTicks(0.3L, 0.9L, 0.1L);
  ASSERT_EQ(ends.size(), 31u);
  EXPECT_TRUE(ends.front().major);
  EXPECT_EQ(TickLabel(ends.front().value), "0.3");
  EXPECT_EQ(TickLabel(ends.back().value), "0.9");
  EXPECT_TRUE(AxisTicks(0, 10, 0).empty());
  EXPECT_TRUE(AxisTicks(0, 1e30L, 1).empty());  // would need far too many
}

TEST(AxisTicks, LabelsHaveFourSignificantDigits) {
  EXPECT_EQ(TickLabel(0), "0");
  EXPECT_EQ(TickLabel(-1500), "-1500");
  EXPECT_EQ(TickLabel(0.30000000000000004L), "0.3");
  EXPECT_EQ(TickLabel(12.345L), "12.35");
  EXPECT_EQ(TickLabel(25000), "2.5E4");
}

}  // namespace
}  // namespace veldra::framework
