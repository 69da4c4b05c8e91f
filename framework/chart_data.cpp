#include "framework/chart_data.h"

#include <algorithm>
#include <cmath>

#include "framework/grid_table_chart.h"

namespace veldra::framework {

namespace {

// The constant curve's row 1 is drawn a little off, so that the chart has a slope to
// scale to.
constexpr EntryNumber kConstantNudge = 1.001L;

std::string AxisFormat(EntryNumber low, EntryNumber high) {
  const EntryNumber a = std::fabs(low);
  const EntryNumber b = std::fabs(high);
  if (a > 100000 || b > 100000) return kAxisFormatExponent;
  if (a < 0.001L && b < 0.001L && !(low == 0 && high == 0)) return kAxisFormatExponent;
  return kAxisFormatPlain;
}

void SortByX(std::vector<ChartPoint>& points) {
  std::stable_sort(points.begin(), points.end(),
                   [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; });
}

}  // namespace

ChartData BuildChartData(const TGridTableChart& table, int shown_columns) {
  const int columns = shown_columns < 0 ? table.VisibleColumnCount() : shown_columns;
  const int rows = table.RowCount();
  const int xc = table.XColumn();
  const int yc = table.YColumn();
  ChartData chart;
  chart.series1.visible = true;
  const bool two_curves = columns == 3 && xc == 0 && yc == 1;
  if (two_curves) {
    chart.series2.visible = true;
    chart.legend_visible = true;
    chart.series1.title = table.Column(1).HeaderLine(0);
    chart.series2.title = table.Column(2).HeaderLine(0);
  }

  // The data vary with exactly one row, or when some y (or some column-2 value of
  // the second curve) differs from row 0's y.
  bool vary = rows == 1;
  if (rows > 1) {
    const EntryNumber y0 = table.Cell(yc, 0).AsFloat();
    for (int i = 0; i < rows && !vary; ++i) {
      if (table.Cell(yc, i).AsFloat() != y0) vary = true;
      if (two_curves && table.Cell(2, i).AsFloat() != y0) vary = true;
    }
  }

  for (int i = 0; i < rows; ++i) {
    const EntryNumber x = columns == 1 ? static_cast<EntryNumber>(i) : table.Cell(xc, i).AsFloat();
    EntryNumber y = table.Cell(yc, i).AsFloat();
    if (i == 1 && !vary) y *= kConstantNudge;
    chart.series1.points.push_back({x, y});
    if (two_curves) chart.series2.points.push_back({x, table.Cell(2, i).AsFloat()});
  }
  SortByX(chart.series1.points);
  SortByX(chart.series2.points);

  chart.horizontal.title = columns == 1 ? "N" : table.Column(xc).HeaderLine(0);
  chart.vertical.title = table.Column(yc).HeaderLine(0);
  chart.horizontal.inverted = table.InvertedXAxis();
  chart.vertical.inverted = table.InvertedYAxis();

  EntryNumber x_low = 0, x_high = 0, y_low = 0, y_high = 0;
  bool first = true;
  for (const ChartSeries* series : {&chart.series1, &chart.series2}) {
    for (const ChartPoint& p : series->points) {
      if (first) {
        x_low = x_high = p.x;
        y_low = y_high = p.y;
        first = false;
      }
      x_low = std::min(x_low, p.x);
      x_high = std::max(x_high, p.x);
      y_low = std::min(y_low, p.y);
      y_high = std::max(y_high, p.y);
    }
  }
  chart.horizontal.number_format = columns == 1 ? kAxisFormatWhole : AxisFormat(x_low, x_high);
  chart.vertical.number_format = AxisFormat(y_low, y_high);

  if (rows > 1 && !vary) {
    const EntryNumber y0 = table.Cell(yc, 0).AsFloat();
    chart.vertical.automatic = false;
    if (y0 == 0) {
      // 0.9 and 1.1 times 0 would be an empty range.
      chart.vertical.minimum = -1;
      chart.vertical.maximum = 1;
    } else {
      chart.vertical.minimum = std::min(0.9L * y0, 1.1L * y0);
      chart.vertical.maximum = std::max(0.9L * y0, 1.1L * y0);
    }
  }
  return chart;
}

int SegmentPlot::MapX(EntryNumber x, int width) const {
  return 20 + static_cast<int>(RoundHalfEven((x - x_min) / (x_max - x_min) * (width - 40)));
}

int SegmentPlot::MapY(EntryNumber y, int height) const {
  return 20 + static_cast<int>(RoundHalfEven((y - y_max) / (y_min - y_max) * (height - 40)));
}

SegmentPlot BuildSegmentPlot(const TGridTableChart& table) {
  SegmentPlot plot;
  const int rows = table.RowCount();
  if (rows == 0) return plot;
  for (int r = 0; r < rows; ++r) {
    SegmentPlot::Segment segment;
    segment.number = r + 1;
    segment.x1 = table.Cell(table.XColumn(), r).AsFloat();
    segment.y1 = table.Cell(table.YColumn(), r).AsFloat();
    segment.x2 = table.Cell(table.X2Column(), r).AsFloat();
    segment.y2 = table.Cell(table.Y2Column(), r).AsFloat();
    if (r == 0) {
      plot.x_min = plot.x_max = segment.x1;
      plot.y_min = plot.y_max = segment.y1;
    }
    plot.x_min = std::min({plot.x_min, segment.x1, segment.x2});
    plot.x_max = std::max({plot.x_max, segment.x1, segment.x2});
    plot.y_min = std::min({plot.y_min, segment.y1, segment.y2});
    plot.y_max = std::max({plot.y_max, segment.y1, segment.y2});
    plot.segments.push_back(segment);
  }
  plot.drawable = plot.x_min != plot.x_max && plot.y_min != plot.y_max;
  return plot;
}

}  // namespace veldra::framework
