// Zooming in and out within a panel's full range, and the pixel mapping the window
// and the mouse read-out share.
#include "framework/graph_zoom.h"

#include <gtest/gtest.h>

namespace veldra::framework {
namespace {

struct ZoomInCase {
  const char* name;
  EntryNumber a, b;         // selected on an axis whose full span is 0 to 100
  EntryNumber min, max;     // shown afterwards
};

class ZoomIn : public ::testing::TestWithParam<ZoomInCase> {};

TEST_P(ZoomIn, KeepsAtLeastATwentiethOfTheFullRangeInsideIt) {
  const ZoomInCase& c = GetParam();
  const AxisSpan shown = ZoomInAxis({0, 100}, c.a, c.b);
  EXPECT_NEAR(static_cast<double>(shown.min), static_cast<double>(c.min), 1e-12);
  EXPECT_NEAR(static_cast<double>(shown.max), static_cast<double>(c.max), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Axis, ZoomIn,
    ::testing::Values(ZoomInCase{"WideSelectionAsItIs", 20, 60, 20, 60},
                      ZoomInCase{"EitherOrder", 60, 20, 20, 60},
                      // A hundredth of the range becomes a twentieth round its centre.
                      ZoomInCase{"HundredthWidened", 40, 41, 38, 43},
                      ZoomInCase{"WidenedAtTheLowEndShifted", 0, 1, 0, 5},
                      ZoomInCase{"WidenedAtTheHighEndShifted", 99.5L, 100, 95, 100},
                      ZoomInCase{"ExactlyATwentieth", 10, 15, 10, 15}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ZoomOut, DoublesTheShownRangeRoundThePointerWithinTheFullRange) {
  const AxisSpan full{-10, 10};
  EXPECT_EQ(ZoomOutAxis(full, {0, 2}, 1), (AxisSpan{-1, 3}));
  // Shifted back inside at either end.
  EXPECT_EQ(ZoomOutAxis(full, {-10, -8}, -9.5L), (AxisSpan{-10, -6}));
  EXPECT_EQ(ZoomOutAxis(full, {8, 10}, 9.9L), (AxisSpan{6, 10}));
  // At most the full range.
  EXPECT_EQ(ZoomOutAxis(full, {-6, 6}, 3), full);
  // After a full zoom-out a right click changes nothing.
  EXPECT_EQ(ZoomOutAxis(full, full, 7), full);
}

TEST(ZoomOut, UndoesTheNarrowestZoomInSteps) {
  // Zoomed to 1/20 of a range that does not divide evenly in binary.
  const AxisSpan full{0, 0.3L};
  AxisSpan shown = ZoomInAxis(full, 0.1L, 0.1001L);
  for (int click = 0; click < 5; ++click) shown = ZoomOutAxis(full, shown, (shown.min + shown.max) / 2);
  EXPECT_EQ(shown, full);
}

TEST(PixelMapping, DepthsGrowDownwardsOtherValuesUpwards) {
  const PixelRect panel{100, 50, 500, 250};
  const AxisSpan span{0, 20};
  EXPECT_EQ(PixelOfX(panel, span, 5), 200);
  EXPECT_EQ(PixelOfY(panel, span, true, 5), 100);
  EXPECT_EQ(PixelOfY(panel, span, false, 5), 200);
  EXPECT_EQ(ValueAtX(panel, span, 200), 5);
  EXPECT_EQ(ValueAtY(panel, span, true, 100), 5);
  EXPECT_EQ(ValueAtY(panel, span, false, 200), 5);
  // Outside the panel the mapping goes on (the read-out follows the pointer).
  EXPECT_EQ(ValueAtX(panel, span, 80), -1);
}

}  // namespace
}  // namespace veldra::framework
