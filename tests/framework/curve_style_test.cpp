// Curve colours and marker shapes.
#include "framework/curve_style.h"

#include <gtest/gtest.h>

#include <cmath>

namespace veldra::framework {
namespace {

TEST(CurveStyle, MarkerShapesRepeatEveryTenCurves) {
  const int cases[][2] = {{1, 1}, {2, 2}, {10, 10}, {11, 1}, {20, 10}, {21, 1}, {35, 5}};
  for (const auto& c : cases) EXPECT_EQ(MarkerShape(c[0]), c[1]) << "curve " << c[0];
}

TEST(CurveStyle, MarkersAtTheFirstPointAndEveryMultiple) {
  EXPECT_TRUE(HasMarker(0, 3));
  EXPECT_FALSE(HasMarker(1, 3));
  EXPECT_TRUE(HasMarker(6, 3));
  EXPECT_FALSE(HasMarker(0, 0));
  EXPECT_TRUE(HasMarker(7, 1));
}

TEST(CurveStyle, MarkerOutlines) {
  // The triangle's corner is straight below the point (pixel y grows downwards).
  const auto triangle = MarkerOutline(1, 100, 50, 4, 6);
  ASSERT_EQ(triangle.size(), 3u);
  EXPECT_NEAR(static_cast<double>(triangle[0].x), 100, 1e-12);
  EXPECT_NEAR(static_cast<double>(triangle[0].y), 56, 1e-12);
  EXPECT_LT(triangle[1].y, 50);
  // The square has horizontal and vertical sides.
  const auto square = MarkerOutline(2, 0, 0, 4, 6);
  ASSERT_EQ(square.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    const TFloatPoint& a = square[i];
    const TFloatPoint& b = square[(i + 1) % 4];
    EXPECT_TRUE(a.x == b.x || a.y == b.y);
    EXPECT_EQ(std::fabs(a.x), 4);
    EXPECT_EQ(std::fabs(a.y), 6);
  }
  // The polygons have one corner straight above; curve 15 draws the pentagon.
  const auto pentagon = MarkerOutline(15, 10, 10, 3, 3);
  ASSERT_EQ(pentagon.size(), 5u);
  EXPECT_NEAR(static_cast<double>(pentagon[0].x), 10, 1e-12);
  EXPECT_NEAR(static_cast<double>(pentagon[0].y), 7, 1e-12);
  EXPECT_EQ(MarkerOutline(10, 0, 0, 1, 1).size(), 10u);
}

TEST(CurveStyle, ThePaletteRepeatsAfterSeventeenColours) {
  EXPECT_EQ(ActiveCurveColor(0), (CurveColor{0, 0, 0}));
  EXPECT_EQ(ActiveCurveColor(1), (CurveColor{0, 0, 255}));
  EXPECT_EQ(ActiveCurveColor(2), (CurveColor{255, 0, 0}));
  EXPECT_EQ(ActiveCurveColor(16), (CurveColor{0, 255, 255}));
  EXPECT_EQ(ActiveCurveColor(17), ActiveCurveColor(0));
  EXPECT_EQ(ActiveCurveColor(20), (CurveColor{0, 128, 0}));
}

}  // namespace
}  // namespace veldra::framework
