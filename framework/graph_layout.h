// Where the parts of a result graph go on a canvas: the plot area, its one or three
// panels and the soil-layer column, for the window, the printed page and a picture.
// All sizes are device pixels; the canvas's own resolution sets the margins, so a
// page at 600 dots per inch gets the same margins in inches as the window.
#ifndef VELDRA_FRAMEWORK_GRAPH_LAYOUT_H
#define VELDRA_FRAMEWORK_GRAPH_LAYOUT_H

#include <optional>
#include <vector>

#include "framework/graph_plot.h"

namespace veldra::framework {

// A rectangle of pixels; right and bottom are the far edges (width = right - left).
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return Width() <= 0 || Height() <= 0; }
  bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
  bool operator==(const PixelRect&) const = default;
};

struct GraphCanvas {
  int width = 0;   // pixels
  int height = 0;
  int dpi_x = 96;  // pixels per inch across (dx) and down (dy)
  int dpi_y = 96;
  // h: the height of the caption font at this resolution, the graph's SizeFont
  // applied (see the painter).
  int text_height = 0;
  // A printed page: the plot area reaches the printable area's right edge and the
  // edge opposite the x labels, and a title takes dy/4 (top) or dy/2 (bottom).
  bool printing = false;
};

struct GraphLayout {
  // False when the canvas is narrower or lower than an inch: then only the white
  // background is drawn.
  bool drawable = false;
  PixelRect plot;                   // the plot area (all panels)
  std::vector<PixelRect> panels;    // one, or three with ShowThree
  std::optional<PixelRect> layers;  // the soil-layer column, with ShowLayers
};

// The layout of `graph` on `canvas`, from its XOnTop, ShowLayers and ShowThree
// settings and its title. With h the text height:
//   left 2h + dx/8 + h/8, right width - dx/4 - h/2;
//   x labels on top: top 2h + dy/8 + h/8, bottom height - dy/4 - h/2;
//   otherwise top h/2 + dy/4, bottom height - 2h - dy/8 - h/8;
// a title moves the top down by h/8 + h, or the bottom up by h; the soil-layer
// column takes the last inch on the right, from dx/5 after the plot area; three
// panels are (width - 4h - dx/2) / 3 wide with gaps of 2h + dx/4.
GraphLayout LayOutGraph(const TGraphPlot& graph, const GraphCanvas& canvas);

// Where the legend's top-left corner goes: the bottom-right corner of the plot area
// for a legend of this size.
struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};
PixelPoint LegendHome(const GraphLayout& layout, int legend_width, int legend_height);
// A legend at `at` moved back inside a client area of width x height (its top-left
// corner wins when it is larger than the area).
PixelPoint KeepInside(PixelPoint at, int legend_width, int legend_height, int width, int height);

// The legend's place carried from the window to a page or a picture, where the
// legend box has another size relative to the graph: the corner of the legend
// nearest the plot area's corresponding corner, as fractions of the plot area (0 its
// left or top edge, 1 its right or bottom edge). The home place is the bottom-right
// corner at (1, 1), so a printed legend box starts where the window's legend does.
struct LegendAnchor {
  double x = 1;
  double y = 1;
  bool right = true;   // x places the legend's right edge, else its left edge
  bool bottom = true;  // y places its bottom edge, else its top edge
  bool operator==(const LegendAnchor&) const = default;
};
LegendAnchor AnchorOf(const PixelRect& plot, PixelPoint at, int legend_width, int legend_height);
// The top-left corner of a legend of this size placed by `anchor` on a plot area.
PixelPoint PlaceLegend(const PixelRect& plot, const LegendAnchor& anchor, int legend_width, int legend_height);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_GRAPH_LAYOUT_H
