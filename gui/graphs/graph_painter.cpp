#include "gui/graphs/graph_painter.h"

#include <QFontMetrics>
#include <QPolygon>

#include <algorithm>
#include <cmath>

#include "framework/graph_scene.h"
#include "gui/graphs/graph_fonts.h"
#include "gui/graphs/soil_patterns.h"

namespace veldra::gui {

namespace fw = veldra::framework;

namespace {

constexpr double kScreenDpi = 96;
const QColor kWallGrey(128, 128, 128);

QColor ColorOf(const fw::CurveColor& c) { return QColor(c.red, c.green, c.blue); }

QRect ToQRect(const fw::PixelRect& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)); }

// Grid, tick marks and frames: one pixel on the screen, a hair's breadth on paper.
int HairWidth(int dpi) { return std::max(1, dpi / 300); }

// `scale` for patterns: 1 on a 96 dpi screen.
int PatternScale(int dpi) { return std::max(1, static_cast<int>(std::lround(dpi / kScreenDpi))); }

// Text written upwards (rotated by 90 degrees), centred at `centre_y`, with the
// text's bottom edge at `bottom_x`.
void UpwardText(QPainter& p, const QString& text, int bottom_x, int centre_y) {
  const QFontMetrics metrics(p.font());
  p.save();
  p.translate(bottom_x - metrics.descent(), centre_y);
  p.rotate(-90);
  p.drawText(QPointF(-metrics.horizontalAdvance(text) / 2.0, 0), text);
  p.restore();
}

// Text centred across `centre_x` with its top at `top`.
void CentredText(QPainter& p, const QString& text, int centre_x, int top) {
  const QFontMetrics metrics(p.font());
  p.drawText(QPointF(centre_x - metrics.horizontalAdvance(text) / 2.0, top + metrics.ascent()), text);
}

void DrawCaptions(QPainter& p, const fw::TGraphPlot& graph, const fw::GraphScene& scene, const GraphSurface& s,
                  int h) {
  p.setFont(CaptionFont(graph, s.dpi_y));
  p.setPen(Qt::black);
  const int height = s.size.height();
  const bool title = !graph.Title.empty();
  if (title)
    CentredText(p, QString::fromStdString(graph.Title), s.size.width() / 2, graph.TitleAtTop ? 0 : height - h);
  const int x_top = graph.XOnTop ? (title && graph.TitleAtTop ? h : 0)
                                 : height - h - (title && !graph.TitleAtTop ? h : 0);
  const fw::PixelRect& plot = scene.layout.plot;
  for (const fw::ScenePanel& panel : scene.panels) {
    const fw::PixelRect& r = panel.rect;
    CentredText(p, QString::fromStdString(panel.x_caption), (r.left + r.right) / 2, x_top);
    // Each panel's y caption keeps the first panel's distance from its left edge.
    UpwardText(p, QString::fromStdString(panel.y_caption), r.left - plot.left + h, (r.top + r.bottom) / 2);
  }
}

void DrawTicks(QPainter& p, const fw::TGraphPlot& graph, const fw::GraphScene& scene, const GraphSurface& s) {
  p.setFont(LabelFont(graph, s.dpi_y));
  const QFontMetrics metrics(p.font());
  const QPen solid(Qt::black, HairWidth(s.dpi_x), Qt::SolidLine, Qt::FlatCap);
  QPen dotted = solid;
  dotted.setStyle(Qt::DotLine);
  for (const fw::ScenePanel& panel : scene.panels) {
    const fw::PixelRect& r = panel.rect;
    const int edge = graph.XOnTop ? r.top : r.bottom;
    const int inwards = graph.XOnTop ? scene.x_tick_length : -scene.x_tick_length;
    for (const fw::SceneTick& t : panel.x_ticks) {
      if (t.major) {
        p.setPen(dotted);
        p.drawLine(t.at, r.top, t.at, r.bottom);
        p.setPen(solid);
        const QString label = QString::fromStdString(t.label);
        const int top = graph.XOnTop ? r.top - scene.x_label_gap - metrics.height() : r.bottom + scene.x_label_gap;
        CentredText(p, label, t.at, top);
      }
      p.setPen(solid);
      p.drawLine(t.at, edge, t.at, edge + inwards);
    }
    for (const fw::SceneTick& t : panel.y_ticks) {
      if (t.major) {
        p.setPen(dotted);
        p.drawLine(r.left, t.at, r.right, t.at);
        p.setPen(solid);
        UpwardText(p, QString::fromStdString(t.label), r.left - scene.y_label_gap, t.at);
      }
      p.setPen(solid);
      p.drawLine(r.left, t.at, r.left + scene.y_tick_length, t.at);
    }
  }
}

QPolygon ToPolygon(const std::vector<fw::ScenePoint>& points) {
  QPolygon polygon(static_cast<int>(points.size()));
  for (std::size_t i = 0; i < points.size(); ++i) polygon.setPoint(static_cast<int>(i), points[i].x, points[i].y);
  return polygon;
}

void DrawCurves(QPainter& p, const fw::GraphScene& scene) {
  p.setBrush(Qt::NoBrush);
  for (const fw::ScenePanel& panel : scene.panels) {
    p.save();
    p.setClipRect(ToQRect(panel.rect).adjusted(0, 0, 1, 1));
    std::vector<QLine> outlines;
    for (const fw::SceneCurve& curve : panel.curves) {
      p.setPen(QPen(ColorOf(curve.color), scene.curve_pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      if (!curve.line.empty()) p.drawPolyline(ToPolygon(curve.line));
      // A marker at every point of 20 curves makes thousands of outlines: one call
      // draws all of a curve's sides, many times faster than one call per marker.
      outlines.clear();
      const std::vector<fw::ScenePoint>& corners = curve.marker_corners;
      for (const fw::ScenePoint& at : curve.markers)
        for (std::size_t k = 0; k < corners.size(); ++k) {
          const fw::ScenePoint& a = corners[k];
          const fw::ScenePoint& b = corners[(k + 1) % corners.size()];
          outlines.emplace_back(at.x + a.x, at.y + a.y, at.x + b.x, at.y + b.y);
        }
      if (!outlines.empty()) p.drawLines(outlines.data(), static_cast<int>(outlines.size()));
    }
    p.restore();
  }
}

// A legend key: a short stroke of the curve with its marker in the middle.
void DrawKey(QPainter& p, const fw::LegendEntry& entry, QRect key, int pen, int dpi_x, int dpi_y) {
  p.setPen(QPen(ColorOf(entry.color), pen, Qt::SolidLine, Qt::FlatCap));
  const QPoint c = key.center();
  p.drawLine(key.left(), c.y(), key.right(), c.y());
  std::vector<fw::ScenePoint> outline;
  for (const fw::TFloatPoint& corner : fw::MarkerOutline(entry.marker_shape, c.x(), c.y(), dpi_x / 32, dpi_y / 32))
    outline.push_back({static_cast<int>(std::lround(static_cast<double>(corner.x))),
                       static_cast<int>(std::lround(static_cast<double>(corner.y)))});
  p.setBrush(Qt::white);
  p.drawPolygon(ToPolygon(outline));
  p.setBrush(Qt::NoBrush);
}

struct LegendBoxGeometry {
  int padding;
  int key_width;
  int item_height;
  QFont font;
};

LegendBoxGeometry LegendGeometry(const fw::TGraphPlot& graph, int dpi_x, int dpi_y) {
  return {std::max(2, dpi_x / 32), dpi_x / 3, LegendItemHeight(graph, dpi_y), LegendFont(graph, dpi_y)};
}

std::vector<fw::LegendEntry> ShownEntries(const fw::TGraphPlot& graph) {
  std::vector<fw::LegendEntry> shown;
  for (fw::LegendEntry& entry : fw::LegendEntries(graph))
    if (entry.shown) shown.push_back(std::move(entry));
  return shown;
}

void DrawLegendBox(QPainter& p, const fw::TGraphPlot& graph, const fw::GraphScene& scene, const GraphSurface& s) {
  const QSize size = LegendBoxSize(graph, s.dpi_x, s.dpi_y);
  if (size.isEmpty()) return;
  const LegendBoxGeometry g = LegendGeometry(graph, s.dpi_x, s.dpi_y);
  const fw::PixelPoint wanted = fw::PlaceLegend(scene.layout.plot, s.legend, size.width(), size.height());
  const fw::PixelPoint at =
      fw::KeepInside(wanted, size.width(), size.height(), s.size.width(), s.size.height());
  const QRect box(QPoint(at.x, at.y), size);
  p.setPen(QPen(Qt::black, HairWidth(s.dpi_x)));
  p.setBrush(Qt::white);
  p.drawRect(box.adjusted(0, 0, -1, -1));
  p.setFont(g.font);
  const QFontMetrics metrics(g.font);
  int y = box.top() + g.padding;
  for (const fw::LegendEntry& entry : ShownEntries(graph)) {
    const QRect key(box.left() + g.padding, y, g.key_width, g.item_height);
    DrawKey(p, entry, key, scene.curve_pen, s.dpi_x, s.dpi_y);
    p.setPen(ColorOf(entry.color));
    const int baseline = y + (g.item_height + metrics.ascent() - metrics.descent()) / 2;
    p.drawText(QPoint(key.right() + g.padding, baseline), QString::fromStdString(entry.text));
    y += g.item_height;
  }
}

void DrawLayerColumn(QPainter& p, const fw::TGraphPlot& graph, const fw::SceneLayerColumn& column,
                     const GraphSurface& s) {
  p.save();
  p.setClipRect(ToQRect(column.rect).adjusted(0, 0, 1, 1));
  const int scale = PatternScale(s.dpi_x);
  p.setFont(LabelFont(graph, s.dpi_y));
  const QFontMetrics metrics(p.font());
  for (const fw::SceneLayer& layer : column.layers) {
    const QRect r = ToQRect(layer.rect);
    p.setPen(QPen(Qt::black, HairWidth(s.dpi_x)));
    p.fillRect(r, Qt::white);
    p.setBrush(SoilBrush(layer.code, scale));
    p.drawRect(r);
    if (layer.name.empty()) continue;
    const QString name = QString::fromStdString(layer.name);
    QRect text(0, 0, metrics.horizontalAdvance(name), metrics.height());
    text.moveCenter(r.center());
    p.fillRect(text, Qt::white);
    p.drawText(text, Qt::AlignCenter, name);
  }
  if (column.wall) {
    p.setPen(QPen(Qt::black, HairWidth(s.dpi_x)));
    p.setBrush(kWallGrey);
    p.drawRect(ToQRect(*column.wall));
  }
  p.restore();
}

}  // namespace

fw::GraphCanvas CanvasOf(const fw::TGraphPlot& graph, const GraphSurface& surface) {
  return {surface.size.width(), surface.size.height(), surface.dpi_x, surface.dpi_y,
          TextHeight(graph, surface.dpi_y), surface.printing};
}

QSize LegendBoxSize(const fw::TGraphPlot& graph, int dpi_x, int dpi_y) {
  const std::vector<fw::LegendEntry> entries = ShownEntries(graph);
  if (entries.empty()) return {};
  const LegendBoxGeometry g = LegendGeometry(graph, dpi_x, dpi_y);
  const QFontMetrics metrics(g.font);
  int widest = 0;
  for (const fw::LegendEntry& entry : entries)
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(entry.text)));
  return {3 * g.padding + g.key_width + widest + g.padding,
          2 * g.padding + g.item_height * static_cast<int>(entries.size())};
}

void DrawGraph(QPainter& p, const fw::TGraphPlot& graph, const std::vector<fw::ViewSpan>& shown,
               const GraphSurface& s) {
  p.save();
  p.fillRect(QRect(QPoint(0, 0), s.size), Qt::white);
  const fw::GraphCanvas canvas = CanvasOf(graph, s);
  const fw::GraphScene scene = fw::BuildGraphScene(graph, canvas, shown);
  if (scene.layout.drawable) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    DrawCaptions(p, graph, scene, s, canvas.text_height);
    DrawTicks(p, graph, scene, s);
    DrawCurves(p, scene);
    if (s.legend_box && graph.ShowLegend) DrawLegendBox(p, graph, scene, s);
    if (scene.column) DrawLayerColumn(p, graph, *scene.column, s);
    p.setPen(QPen(Qt::black, HairWidth(s.dpi_x)));
    p.setBrush(Qt::NoBrush);
    for (const fw::ScenePanel& panel : scene.panels)
      if (!panel.rect.Empty()) p.drawRect(ToQRect(panel.rect));
  }
  p.restore();
}

}  // namespace veldra::gui
