// Automatic axis ranges: widening of flat data, the step rule and the rounding of
// the ends.
#include "framework/axis_range.h"

#include <gtest/gtest.h>

namespace veldra::framework {
namespace {

// Ends and steps are compared to a millionth of the step: the arithmetic is
// extended, the expected values decimal.
void ExpectRange(const AxisRange& r, long double min, long double max, long double step) {
  EXPECT_NEAR(static_cast<double>(r.step), static_cast<double>(step), static_cast<double>(step) * 1e-9);
  EXPECT_NEAR(static_cast<double>(r.min), static_cast<double>(min), static_cast<double>(step) * 1e-6);
  EXPECT_NEAR(static_cast<double>(r.max), static_cast<double>(max), static_cast<double>(step) * 1e-6);
}

TEST(AxisRange, RoundsTheEndsToTheStepOfTheSpan) {
  const struct {
    long double smallest, largest;
    long double min, max, step;
  } cases[] = {
      // log10(12.67) = 1.103: fractional part below log10(3), so the step is 1.
      {-0.37L, 12.3L, -1, 13, 1},
      // All x equal to 5: widened to 4.99 .. 5.01; log10(0.02) = -1.70, so 0.001.
      {5, 5, 4.99L, 5.01L, 0.001L},
      // log10(40) = 1.60: fractional part above log10(3), the step stays 10.
      {0, 40, 0, 40, 10},
      {0, 29, 0, 29, 1},
      // Ends on multiples of the step stay there despite binary fractions.
      {0.3L, 0.9L, 0.3L, 0.9L, 0.1L},
      {0.9L * 3, 3.5L, 2.7L, 3.5L, 0.1L},  // 0.9 * 3 comes out a hair below 2.7
      {-35, -0.25L, -40, 0, 10},
      {0, 0, -0.01L, 0.01L, 0.001L},
      {120, 2480, 100, 2500, 100},
      {-1.5e6L, 1.25e6L, -1.5e6L, 1.3e6L, 1e5L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << static_cast<double>(c.smallest) << " .. " << static_cast<double>(c.largest));
    ExpectRange(AutomaticRange(c.smallest, c.largest), c.min, c.max, c.step);
  }
}

TEST(AxisRange, APanelSpansEveryPointOfEveryCurveOfItsList) {
  TGraphPlot graph;
  EXPECT_FALSE(AutomaticPanelRange(graph, CurveList::kMain).has_value());
  graph.SetCurveCount(CurveList::kMain, 2);
  EXPECT_FALSE(AutomaticPanelRange(graph, CurveList::kMain).has_value());
  graph.CurveAt(CurveList::kMain, 0).Points = {{-0.37L, 0}, {1, 20}};
  graph.CurveAt(CurveList::kMain, 1).Points = {{12.3L, 5}};
  // Inactive and hidden curves count as well.
  graph.CurveAt(CurveList::kMain, 1).Active = false;
  graph.CurveAt(CurveList::kMain, 1).Shown = false;
  // Other lists do not.
  graph.SetCurveCount(CurveList::kPanel2, 1);
  graph.CurveAt(CurveList::kPanel2, 0).Points = {{500, 500}};
  const auto range = AutomaticPanelRange(graph, CurveList::kMain);
  ASSERT_TRUE(range.has_value());
  ExpectRange(range->x, -1, 13, 1);
  ExpectRange(range->y, 0, 20, 1);
  ExpectRange(AutomaticPanelRange(graph, CurveList::kPanel2)->x, 499.99L, 500.01L, 0.001L);
}

}  // namespace
}  // namespace veldra::framework
