#include "gui/graphs/plot_canvas.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "framework/graph_scene.h"

namespace veldra::gui {

namespace fw = veldra::framework;

TPlotCanvas::TPlotCanvas(fw::TGraphPlot& graph, QWidget* parent) : QWidget(parent), graph_(graph) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(120, 120);
  ResetSpans();
}

void TPlotCanvas::ResetSpans() {
  full_ = fw::FullSpans(graph_);
  shown_ = full_;
  Redraw();
}

GraphSurface TPlotCanvas::Surface() const {
  GraphSurface surface;
  surface.size = size();
  surface.dpi_x = logicalDpiX();
  surface.dpi_y = logicalDpiY();
  return surface;
}

fw::GraphLayout TPlotCanvas::Layout() const { return fw::LayOutGraph(graph_, CanvasOf(graph_, Surface())); }

void TPlotCanvas::Redraw() {
  // The panel count follows ShowThree.
  if (full_.size() != (graph_.ShowThree ? 3u : 1u)) {
    full_ = fw::FullSpans(graph_);
    shown_ = full_;
  }
  cache_valid_ = false;
  update();
}

QPoint TPlotCanvas::ClampedToPlot(QPoint pixel) const {
  const fw::PixelRect plot = Layout().plot;
  return {std::clamp(pixel.x(), plot.left, std::max(plot.left, plot.right)),
          std::clamp(pixel.y(), plot.top, std::max(plot.top, plot.bottom))};
}

bool TPlotCanvas::ZoomTo(QRect pixels) {
  if (graph_.ShowThree || shown_.empty()) return false;
  const QPoint a = ClampedToPlot(pixels.topLeft());
  const QPoint b = ClampedToPlot(pixels.bottomRight());
  if (a.x() == b.x() || a.y() == b.y()) return false;
  const fw::PixelRect panel = Layout().panels.front();
  const fw::ViewSpan& now = shown_.front();
  const bool down = graph_.XOnTop;
  fw::ViewSpan zoomed;
  zoomed.x = fw::ZoomInAxis(full_.front().x, fw::ValueAtX(panel, now.x, a.x()), fw::ValueAtX(panel, now.x, b.x()));
  zoomed.y = fw::ZoomInAxis(full_.front().y, fw::ValueAtY(panel, now.y, down, a.y()),
                            fw::ValueAtY(panel, now.y, down, b.y()));
  shown_.front() = zoomed;
  Redraw();
  return true;
}

void TPlotCanvas::ZoomOutAt(QPoint pixel) {
  if (graph_.ShowThree || shown_.empty()) return;
  const fw::PixelRect panel = Layout().panels.front();
  fw::ViewSpan& now = shown_.front();
  const fw::ViewSpan before = now;
  now.x = fw::ZoomOutAxis(full_.front().x, before.x, fw::ValueAtX(panel, before.x, pixel.x()));
  now.y = fw::ZoomOutAxis(full_.front().y, before.y, fw::ValueAtY(panel, before.y, graph_.XOnTop, pixel.y()));
  if (!(now == before)) Redraw();
}

QRect TPlotCanvas::Band() const { return banding_ ? QRect(band_from_, band_to_).normalized() : QRect(); }

QString TPlotCanvas::ReadoutAt(QPoint pixel) const {
  const fw::GraphLayout layout = Layout();
  if (layout.panels.empty() || shown_.empty()) return QString::fromStdString(graph_.Caption);
  const int p = std::min<int>(fw::PanelAt(layout, pixel.x()), static_cast<int>(shown_.size()) - 1);
  const fw::PixelRect& panel = layout.panels[static_cast<std::size_t>(p)];
  const fw::ViewSpan& span = shown_[static_cast<std::size_t>(p)];
  return QString::fromStdString(fw::PointerReadout(graph_, fw::ValueAtX(panel, span.x, pixel.x()),
                                                   fw::ValueAtY(panel, span.y, graph_.XOnTop, pixel.y())));
}

void TPlotCanvas::paintEvent(QPaintEvent*) {
  if (!painted_) {
    painted_ = true;
    if (onFirstPaint) onFirstPaint();
  }
  if (!cache_valid_ || cache_.size() != size()) {
    cache_ = QPixmap(size());
    QPainter p(&cache_);
    DrawGraph(p, graph_, shown_, Surface());
    cache_valid_ = true;
  }
  QPainter p(this);
  p.drawPixmap(0, 0, cache_);
  if (banding_) {
    // The band inverts what lies under it, so that it shows on any colour.
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(Qt::white, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(Band());
  }
}

void TPlotCanvas::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  cache_valid_ = false;
  if (onResized) onResized();
}

void TPlotCanvas::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton && !graph_.ShowThree) {
    const fw::PixelRect plot = Layout().plot;
    if (!plot.Empty() && plot.Contains(at.x(), at.y())) {
      banding_ = true;
      band_from_ = band_to_ = at;
    }
  } else if (event->button() == Qt::RightButton) {
    ZoomOutAt(at);
  }
}

void TPlotCanvas::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (onReadout) onReadout(ReadoutAt(at));
  if (banding_) {
    band_to_ = ClampedToPlot(at);
    update();
  }
}

void TPlotCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !banding_) return;
  band_to_ = ClampedToPlot(event->position().toPoint());
  const QRect band(band_from_, band_to_);
  banding_ = false;
  if (!ZoomTo(band.normalized())) update();
}

}  // namespace veldra::gui
