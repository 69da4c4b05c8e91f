// What a result graph draws, worked out in pixels without a canvas: per panel the
// ticks and their labels and the curves as polylines with their markers, and the
// soil-layer column. The painter replays a scene on the window, the printer or a
// picture; everything here is decided once, so that what prints is what shows.
#ifndef VELDRA_FRAMEWORK_GRAPH_SCENE_H
#define VELDRA_FRAMEWORK_GRAPH_SCENE_H

#include <optional>
#include <string>
#include <vector>

#include "framework/curve_style.h"
#include "framework/graph_layout.h"
#include "framework/graph_plot.h"
#include "framework/graph_zoom.h"

namespace veldra::framework {

struct ScenePoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScenePoint&) const = default;
};

struct SceneTick {
  int at = 0;          // pixel x of an x tick, pixel y of a y tick
  bool major = false;  // grid line and label
  std::string label;   // major ticks: the value with 4 significant digits
};

struct SceneCurve {
  int index = 0;  // in its list
  CurveColor color;
  std::vector<ScenePoint> line;     // the polyline, 2 points or more
  std::vector<ScenePoint> markers;  // the points that carry a marker
  // The corners of the curve's marker outline relative to its point; the outline
  // closes from the last corner back to the first.
  std::vector<ScenePoint> marker_corners;
  // The outline of marker k, in pixels.
  std::vector<ScenePoint> MarkerOutline(std::size_t k) const;
};

struct ScenePanel {
  PixelRect rect;
  ViewSpan shown;
  std::string x_caption;  // with its unit label
  std::string y_caption;
  std::vector<SceneTick> x_ticks;
  std::vector<SceneTick> y_ticks;
  std::vector<SceneCurve> curves;  // in drawing order
};

struct SceneLayer {
  PixelRect rect;    // clipped to the column
  int code = 0;      // fill: 1 clay, 7 sand, 8 silt, 9 strong rock, 10 weak rock,
                     // 2 to 6 hatches, 11 and 12 stones, others none
  std::string name;  // drawn centred on white; empty beside the wall
};

struct SceneLayerColumn {
  PixelRect rect;
  std::vector<SceneLayer> layers;
  std::optional<PixelRect> wall;  // the grey bar of the wall, with ShowWall
};

struct GraphScene {
  GraphLayout layout;
  int curve_pen = 1;       // (round(dx/300) + 1) x WidthLine
  int x_tick_length = 0;   // dy/16, from the labelled edge inwards
  int y_tick_length = 0;   // dx/16
  int x_label_gap = 0;     // dy/32 above the top edge, or dy/16 below the bottom
  int y_label_gap = 0;     // dx/32 left of the left edge
  std::vector<ScenePanel> panels;
  std::optional<SceneLayerColumn> column;
};

// The full spans of the graph's panels (one, or three with ShowThree): the
// automatic range of each panel's curves; 0 to 1 on both axes for a panel without
// points.
std::vector<ViewSpan> FullSpans(const TGraphPlot& graph);

// The scene of `graph` on `canvas` with panel p showing shown[p] (the full spans
// where `shown` holds fewer). Curves are drawn when active and shown; the curves of
// the second and third panels follow the flags of the main curve of the same index.
// A panel draws no curve when its first curve has fewer than 2 points. In the
// three-panel layout a panel of more than one curve leaves out each curve's last
// point.
GraphScene BuildGraphScene(const TGraphPlot& graph, const GraphCanvas& canvas, const std::vector<ViewSpan>& shown);

// One legend entry per active curve of the main list, in order.
struct LegendEntry {
  int index = 0;        // in the main list
  std::string text;     // the legend text (display name, or what onGetCaption makes of it)
  CurveColor color;
  bool shown = true;
  int marker_shape = 1;
  // On screen a shown curve's entry ends in " *".
  std::string ScreenText() const { return shown ? text + " *" : text; }
};
std::vector<LegendEntry> LegendEntries(const TGraphPlot& graph);

// The colour of curve `index` of the main list: by its place among the active
// curves; black for an inactive one.
CurveColor CurveColorOf(const TGraphPlot& graph, int index);

// The panel under pixel column x: the one that holds it, else the nearest.
int PanelAt(const GraphLayout& layout, int x);

// The window title while the pointer is over the graph: the caption, " X: " and
// " Y: " with the values under the pointer in 5 significant digits.
std::string PointerReadout(const TGraphPlot& graph, EntryNumber x, EntryNumber y);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_GRAPH_SCENE_H
