// What the graph of a chart-capable table shows, as plain data for the window to
// draw: built from the stored cell values at every redraw.
#ifndef VELDRA_FRAMEWORK_CHART_DATA_H
#define VELDRA_FRAMEWORK_CHART_DATA_H

#include <string>
#include <vector>

#include "framework/entry_number.h"

namespace veldra::framework {

class TGridTableChart;

// Axis number formats.
inline constexpr const char* kAxisFormatPlain = "#,##0.###";   // grouping, up to 3 decimals
inline constexpr const char* kAxisFormatExponent = "#.0##E-0";  // 1 to 3 decimals, exponent
inline constexpr const char* kAxisFormatWhole = "#,##0";        // row numbers

struct ChartPoint {
  EntryNumber x = 0;
  EntryNumber y = 0;
};

struct ChartSeries {
  std::string title;
  bool visible = false;
  std::vector<ChartPoint> points;  // ascending x; rows of equal x keep their order
};

struct ChartAxis {
  std::string title;
  bool inverted = false;
  std::string number_format;
  bool automatic = true;   // otherwise minimum .. maximum
  EntryNumber minimum = 0;
  EntryNumber maximum = 0;
};

struct ChartData {
  ChartSeries series1;  // column YColumn against XColumn
  ChartSeries series2;  // column 2 against XColumn, when three columns are shown
  bool legend_visible = false;
  ChartAxis horizontal;
  ChartAxis vertical;
};

// The curve graph (DrawSegments not set). `shown_columns` is the number of data
// columns the window shows (-1: all visible columns). With one column, x is the row
// index and the horizontal axis is titled "N". When every y equals row 0's (and
// there is more than one row) the curve is constant: row 1 is nudged by 1.001 and the
// vertical axis runs from 0.9 to 1.1 times row 0's y (-1 to 1 when that is 0).
// Throws EInvalidCast when a plotted column is not a float column.
ChartData BuildChartData(const TGridTableChart& table, int shown_columns = -1);

// The segment drawing (DrawSegments set): one numbered line per row from
// (XColumn, YColumn) to (X2Column, Y2Column), mapped into a W x H area with a margin
// of 20 pixels.
struct SegmentPlot {
  struct Segment {
    int number = 0;  // row + 1
    EntryNumber x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  };
  // False when there is nothing to draw (no rows, or no extent in x or y).
  bool drawable = false;
  EntryNumber x_min = 0, x_max = 0, y_min = 0, y_max = 0;
  std::vector<Segment> segments;

  // Pixel position of a point; larger y lies higher.
  int MapX(EntryNumber x, int width) const;
  int MapY(EntryNumber y, int height) const;
};

SegmentPlot BuildSegmentPlot(const TGridTableChart& table);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_CHART_DATA_H
