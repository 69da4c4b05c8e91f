#include "framework/graph_scene.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "framework/axis_range.h"
#include "framework/axis_ticks.h"
#include "framework/decimal_text.h"

namespace veldra::framework {

namespace {

constexpr int kReadoutDigits = 5;
// Pixel coordinates are kept well inside int and the painter's fixed-point range;
// a point this far off the canvas is clipped anyway.
constexpr EntryNumber kFarPixel = 1 << 24;

int ToPixel(EntryNumber value) {
  return static_cast<int>(std::lround(static_cast<double>(std::clamp(value, -kFarPixel, kFarPixel))));
}

bool Finite(const TFloatPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

struct PanelMap {
  const PixelRect& rect;
  const ViewSpan& span;
  bool y_down;
  ScenePoint operator()(const TFloatPoint& p) const {
    return {ToPixel(PixelOfX(rect, span.x, p.x)), ToPixel(PixelOfY(rect, span.y, y_down, p.y))};
  }
};

// The main curve whose Active and Shown flags govern curve `index` of a panel.
const TLine* GoverningCurve(const TGraphPlot& graph, CurveList list, int index) {
  if (index < graph.CurveCount(CurveList::kMain)) return &graph.CurveAt(CurveList::kMain, index);
  return &graph.CurveAt(list, index);
}

std::vector<SceneTick> Ticks(const AxisSpan& span, int pixels, int text_height, bool vertical, const PixelRect& rect,
                             bool y_down) {
  std::vector<SceneTick> ticks;
  const int divisions = MajorDivisions(pixels, text_height);
  if (divisions <= 0) return ticks;
  const EntryNumber step = MajorStep(span.Width(), divisions);
  for (const AxisTick& tick : AxisTicks(span.min, span.max, step)) {
    SceneTick t;
    t.at = vertical ? ToPixel(PixelOfY(rect, span, y_down, tick.value)) : ToPixel(PixelOfX(rect, span, tick.value));
    t.major = tick.major;
    if (tick.major) t.label = TickLabel(tick.value);
    ticks.push_back(std::move(t));
  }
  return ticks;
}

std::vector<SceneCurve> Curves(const TGraphPlot& graph, CurveList list, const PanelMap& map, const GraphCanvas& canvas) {
  std::vector<SceneCurve> curves;
  const int count = graph.CurveCount(list);
  if (count == 0 || graph.CurveAt(list, 0).Points.size() < 2) return curves;
  const bool drop_last = graph.ShowThree && count > 1;
  const int rx = canvas.dpi_x / 32;
  const int ry = canvas.dpi_y / 32;
  for (int c = 0; c < count; ++c) {
    const TLine* flags = GoverningCurve(graph, list, c);
    if (!flags->Active || !flags->Shown) continue;
    const std::vector<TFloatPoint>& points = graph.CurveAt(list, c).Points;
    const std::size_t n = drop_last && !points.empty() ? points.size() - 1 : points.size();
    SceneCurve curve;
    curve.index = c;
    curve.color = CurveColorOf(graph, c);
    curve.line.reserve(n);
    // Points map to whole pixels, so one outline round (0, 0) serves every marker.
    if (graph.Markers > 0)
      for (const TFloatPoint& corner : MarkerOutline(MarkerShape(c + 1), 0, 0, rx, ry))
        curve.marker_corners.push_back({ToPixel(corner.x), ToPixel(corner.y)});
    for (std::size_t i = 0; i < n; ++i) {
      if (!Finite(points[i])) continue;
      const ScenePoint at = map(points[i]);
      curve.line.push_back(at);
      if (HasMarker(static_cast<int>(i), graph.Markers)) curve.markers.push_back(at);
    }
    if (curve.line.size() < 2) curve.line.clear();
    curves.push_back(std::move(curve));
  }
  return curves;
}

// The rows [top, bottom) of a column, clipped to it; nothing when empty.
std::optional<PixelRect> Band(const PixelRect& column, int left, int right, int top, int bottom) {
  PixelRect r{left, std::max(top, column.top), right, std::min(bottom, column.bottom)};
  if (r.Empty()) return std::nullopt;
  return r;
}

SceneLayerColumn LayerColumn(const TGraphPlot& graph, const PixelRect& column, const AxisSpan& depths) {
  SceneLayerColumn scene;
  scene.rect = column;
  const bool y_down = graph.XOnTop;
  const auto pixel_of = [&](EntryNumber depth) { return ToPixel(PixelOfY(column, depths, y_down, depth)); };
  const auto depth_of = [&](int line) { return graph.PointAt(CurveList::kLayers, line, 0).y; };
  const auto has_point = [&](int line) {
    return line < graph.CurveCount(CurveList::kLayers) && !graph.CurveAt(CurveList::kLayers, line).Points.empty() &&
           Finite(graph.PointAt(CurveList::kLayers, line, 0));
  };

  const int lines = graph.CurveCount(CurveList::kLayers);
  const int layer_count = graph.WallLineCount > 0 ? std::min(graph.WallLineCount, lines) : lines;
  const bool wall = graph.ShowWall && graph.WallLineCount > 0 && has_point(layer_count) && has_point(layer_count + 1);
  const int w = column.Width();
  const int backfill_right = column.left + 2 * w / 5;
  const int excavation_left = column.left + 3 * w / 5;
  const int excavation = wall ? pixel_of(depth_of(layer_count + 1)) : 0;

  int top = pixel_of(graph.LayerStartDepth);
  for (int i = 0; i < layer_count; ++i) {
    if (!has_point(i)) continue;
    const TFloatPoint& p = graph.PointAt(CurveList::kLayers, i, 0);
    const int bottom = pixel_of(p.y);
    const int code = static_cast<int>(std::lround(static_cast<double>(p.x)));
    const std::string& name = graph.CurveAt(CurveList::kLayers, i).Name;
    if (!wall) {
      if (auto r = Band(column, column.left, column.right, top, bottom)) scene.layers.push_back({*r, code, name});
    } else {
      if (auto r = Band(column, column.left, backfill_right, top, bottom)) scene.layers.push_back({*r, code, {}});
      if (auto r = Band(column, excavation_left, column.right, std::max(top, excavation), bottom))
        scene.layers.push_back({*r, code, {}});
    }
    top = std::max(top, bottom);
  }
  if (wall) scene.wall = Band(column, backfill_right, excavation_left, column.top, pixel_of(depth_of(layer_count)));
  return scene;
}

}  // namespace

std::vector<ScenePoint> SceneCurve::MarkerOutline(std::size_t k) const {
  std::vector<ScenePoint> outline;
  for (const ScenePoint& corner : marker_corners) outline.push_back({markers[k].x + corner.x, markers[k].y + corner.y});
  return outline;
}

std::vector<ViewSpan> FullSpans(const TGraphPlot& graph) {
  std::vector<ViewSpan> spans;
  const int panels = graph.ShowThree ? 3 : 1;
  for (int p = 1; p <= panels; ++p) {
    ViewSpan span;
    if (const auto range = AutomaticPanelRange(graph, TGraphPlot::PanelList(p));
        range && range->x.max > range->x.min && range->y.max > range->y.min) {
      span = {{range->x.min, range->x.max}, {range->y.min, range->y.max}};
    }
    spans.push_back(span);
  }
  return spans;
}

GraphScene BuildGraphScene(const TGraphPlot& graph, const GraphCanvas& canvas, const std::vector<ViewSpan>& shown) {
  GraphScene scene;
  scene.layout = LayOutGraph(graph, canvas);
  if (!scene.layout.drawable) return scene;
  scene.curve_pen = (static_cast<int>(std::lround(canvas.dpi_x / 300.0)) + 1) * std::max(graph.WidthLine, 1);
  scene.x_tick_length = canvas.dpi_y / 16;
  scene.y_tick_length = canvas.dpi_x / 16;
  scene.x_label_gap = graph.XOnTop ? canvas.dpi_y / 32 : canvas.dpi_y / 16;
  scene.y_label_gap = canvas.dpi_x / 32;

  const std::vector<ViewSpan> full = FullSpans(graph);
  const bool y_down = graph.XOnTop;
  for (std::size_t p = 0; p < scene.layout.panels.size(); ++p) {
    ScenePanel panel;
    panel.rect = scene.layout.panels[p];
    panel.shown = p < shown.size() ? shown[p] : full[p];
    const int number = static_cast<int>(p) + 1;
    panel.x_caption = graph.XAxisText(number);
    panel.y_caption = graph.YAxisText(number);
    if (!panel.rect.Empty()) {
      panel.x_ticks = Ticks(panel.shown.x, panel.rect.Width(), canvas.text_height, false, panel.rect, y_down);
      panel.y_ticks = Ticks(panel.shown.y, panel.rect.Height(), canvas.text_height, true, panel.rect, y_down);
      panel.curves = Curves(graph, TGraphPlot::PanelList(number), PanelMap{panel.rect, panel.shown, y_down}, canvas);
    }
    scene.panels.push_back(std::move(panel));
  }
  if (scene.layout.layers && !scene.layout.layers->Empty() && !scene.panels.empty())
    scene.column = LayerColumn(graph, *scene.layout.layers, scene.panels.front().shown.y);
  return scene;
}

std::vector<LegendEntry> LegendEntries(const TGraphPlot& graph) {
  std::vector<LegendEntry> entries;
  int active = 0;
  for (int c = 0; c < graph.CurveCount(CurveList::kMain); ++c) {
    const TLine& curve = graph.CurveAt(CurveList::kMain, c);
    if (!curve.Active) continue;
    entries.push_back({c, graph.LegendText(c), ActiveCurveColor(active++), curve.Shown, MarkerShape(c + 1)});
  }
  return entries;
}

CurveColor CurveColorOf(const TGraphPlot& graph, int index) {
  int active = 0;
  for (int c = 0; c < graph.CurveCount(CurveList::kMain); ++c) {
    const bool is_active = graph.CurveAt(CurveList::kMain, c).Active;
    if (c == index) return is_active ? ActiveCurveColor(active) : CurveColor{};
    if (is_active) ++active;
  }
  // Curves of the other panels beyond the main list's count: by position.
  return ActiveCurveColor(index);
}

int PanelAt(const GraphLayout& layout, int x) {
  int best = 0;
  int best_distance = std::numeric_limits<int>::max();
  for (std::size_t p = 0; p < layout.panels.size(); ++p) {
    const PixelRect& r = layout.panels[p];
    const int distance = x < r.left ? r.left - x : x > r.right ? x - r.right : 0;
    if (distance < best_distance) {
      best = static_cast<int>(p);
      best_distance = distance;
    }
  }
  return best;
}

std::string PointerReadout(const TGraphPlot& graph, EntryNumber x, EntryNumber y) {
  return graph.Caption + " X: " + FormatGeneral(x, kReadoutDigits) + " Y: " + FormatGeneral(y, kReadoutDigits);
}

}  // namespace veldra::framework
