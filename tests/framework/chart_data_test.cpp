// What the graph of a curve table shows.
#include "framework/chart_data.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/float_column.h"
#include "framework/grid_table_chart.h"
#include "framework/units.h"

namespace veldra::framework {
namespace {

// A moment-EI curve: x is the moment, y the rigidity.
class CurveChart : public ::testing::Test {
 protected:
  void SetUp() override {
    curve.SetShowChart(true);
    curve.SetXColumn(0);
    curve.SetYColumn(1);
    auto moment = std::make_unique<TFloatColumn>();
    moment->Headers() = {"Bending moment"};
    moment->SetUnitsString("F-L");
    curve.Add(std::move(moment));
    auto rigidity = std::make_unique<TFloatColumn>();
    rigidity->Headers() = {"Flexural rigidity"};
    rigidity->SetUnitsString("F-L^2");
    curve.Add(std::move(rigidity));
  }
  void SetPoints(const std::vector<std::pair<long double, long double>>& points) {
    curve.SetRowCount(static_cast<int>(points.size()));
    for (int r = 0; r < curve.RowCount(); ++r) {
      curve.Cell(0, r).SetFloat(points[static_cast<std::size_t>(r)].first);
      curve.Cell(1, r).SetFloat(points[static_cast<std::size_t>(r)].second);
    }
  }
  TGridTableChart curve;
};

TEST_F(CurveChart, ConstantCurveGetsAFixedRangeAndANudgedSecondPoint) {
  SetPoints({{0, 250}, {1, 250}, {2, 250}});
  const ChartData chart = BuildChartData(curve);
  EXPECT_FALSE(chart.vertical.automatic);
  EXPECT_NEAR(static_cast<double>(chart.vertical.minimum), 225.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(chart.vertical.maximum), 275.0, 1e-12);
  ASSERT_EQ(chart.series1.points.size(), 3u);
  EXPECT_NEAR(static_cast<double>(chart.series1.points[1].y), 250.25, 1e-12);
  EXPECT_EQ(chart.series1.points[2].y, 250);
  EXPECT_TRUE(chart.horizontal.automatic);
}

TEST_F(CurveChart, SingleRowAndVaryingCurvesRangeAutomatically) {
  SetPoints({{0, 250}});
  EXPECT_TRUE(BuildChartData(curve).vertical.automatic);
  SetPoints({{0, 250}, {1, 260}});
  const ChartData chart = BuildChartData(curve);
  EXPECT_TRUE(chart.vertical.automatic);
  EXPECT_EQ(chart.series1.points[1].y, 260);
}

TEST_F(CurveChart, ConstantRangeAroundZeroOrNegativeValuesIsNotEmpty) {
  SetPoints({{0, 0}, {1, 0}});
  ChartData chart = BuildChartData(curve);
  EXPECT_LT(chart.vertical.minimum, 0);
  EXPECT_GT(chart.vertical.maximum, 0);
  SetPoints({{0, -250}, {1, -250}});
  chart = BuildChartData(curve);
  EXPECT_NEAR(static_cast<double>(chart.vertical.minimum), -275.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(chart.vertical.maximum), -225.0, 1e-12);
}

TEST_F(CurveChart, PointsAreJoinedInAscendingX) {
  SetPoints({{3, 30}, {1, 10}, {2, 20}});
  const ChartData chart = BuildChartData(curve);
  std::vector<long double> xs;
  for (const ChartPoint& p : chart.series1.points) xs.push_back(p.x);
  EXPECT_EQ(xs, (std::vector<long double>{1, 2, 3}));
  EXPECT_EQ(chart.series1.points[0].y, 10);
}

TEST_F(CurveChart, AxisTitlesFormatsAndInversion) {
  SetPoints({{0, 1e9L}, {1, 2e9L}});
  curve.SetInvertedXAxis(true);
  ChartData chart = BuildChartData(curve);
  EXPECT_EQ(chart.horizontal.title, "Bending moment (lbs-in)  ");
  EXPECT_EQ(chart.vertical.title, "Flexural rigidity (lbs-in^2)  ");
  EXPECT_TRUE(chart.horizontal.inverted);
  EXPECT_FALSE(chart.vertical.inverted);
  EXPECT_EQ(chart.horizontal.number_format, "#,##0.###");
  EXPECT_EQ(chart.vertical.number_format, "#.0##E-0");
  EXPECT_FALSE(chart.legend_visible);

  curve.SetUnits(kSIUnits);
  EXPECT_EQ(BuildChartData(curve).horizontal.title, "Bending moment (kN-m)  ");

  SetPoints({{0.0001L, 0}, {0.0002L, 1}});
  chart = BuildChartData(curve);
  EXPECT_EQ(chart.horizontal.number_format, "#.0##E-0");  // both below 0.001
  SetPoints({{0, 0}, {0, 0}});
  EXPECT_EQ(BuildChartData(curve).horizontal.number_format, "#,##0.###");  // all zero
}

TEST_F(CurveChart, OneShownColumnPlotsAgainstTheRowNumber) {
  SetPoints({{5, 50}, {6, 70}});
  const ChartData chart = BuildChartData(curve, 1);
  EXPECT_EQ(chart.horizontal.title, "N");
  EXPECT_EQ(chart.horizontal.number_format, "#,##0");
  EXPECT_EQ(chart.series1.points[1].x, 1);
  EXPECT_EQ(chart.series1.points[1].y, 70);
}

TEST_F(CurveChart, ThreeShownColumnsDrawTwoCurves) {
  auto second = std::make_unique<TFloatColumn>();
  second->Headers() = {"Upper"};
  curve.Add(std::move(second));
  SetPoints({{1, 10}, {0, 10}});
  curve.Cell(2, 0).SetFloat(12);
  curve.Cell(2, 1).SetFloat(10);
  const ChartData chart = BuildChartData(curve);
  EXPECT_TRUE(chart.legend_visible);
  EXPECT_TRUE(chart.series2.visible);
  EXPECT_EQ(chart.series1.title, "Flexural rigidity (lbs-in^2)  ");
  EXPECT_EQ(chart.series2.title, "Upper");
  ASSERT_EQ(chart.series2.points.size(), 2u);
  EXPECT_EQ(chart.series2.points[0].x, 0);
  EXPECT_EQ(chart.series2.points[1].y, 12);
  // The y values are equal, but the second curve varies: no nudge, automatic range.
  EXPECT_TRUE(chart.vertical.automatic);
  EXPECT_EQ(chart.series1.points[1].y, 10);
}

TEST(SegmentPlot, BoundsAndMapping) {
  TGridTableChart table;
  table.SetDrawSegments(true);
  for (int i = 0; i < 4; ++i) table.Add(std::make_unique<TFloatColumn>());
  table.SetXColumn(0);
  table.SetYColumn(1);
  table.SetX2Column(2);
  table.SetY2Column(3);
  EXPECT_FALSE(BuildSegmentPlot(table).drawable);
  table.SetRowCount(2);
  const long double rows[2][4] = {{0, 0, 10, 5}, {2, 1, 4, 3}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 4; ++c) table.Cell(c, r).SetFloat(rows[r][c]);
  const SegmentPlot plot = BuildSegmentPlot(table);
  ASSERT_TRUE(plot.drawable);
  EXPECT_EQ(plot.x_max, 10);
  EXPECT_EQ(plot.y_max, 5);
  EXPECT_EQ(plot.segments[1].number, 2);
  EXPECT_EQ(plot.MapX(0, 240), 20);
  EXPECT_EQ(plot.MapX(10, 240), 220);
  EXPECT_EQ(plot.MapY(5, 140), 20);   // larger y lies higher
  EXPECT_EQ(plot.MapY(0, 140), 120);
}

}  // namespace
}  // namespace veldra::framework
