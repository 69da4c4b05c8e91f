// The drawing area of a graph window: draws the graph through the one painter,
// keeps the values each panel shows, zooms with the mouse and reports the values
// under the pointer.
#ifndef VELDRA_GUI_GRAPHS_PLOT_CANVAS_H
#define VELDRA_GUI_GRAPHS_PLOT_CANVAS_H

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <vector>

#include "framework/graph_layout.h"
#include "framework/graph_zoom.h"
#include "gui/graphs/graph_painter.h"

namespace veldra::gui {

class TPlotCanvas : public QWidget {
  Q_OBJECT

 public:
  TPlotCanvas(framework::TGraphPlot& graph, QWidget* parent);

  // The full spans of the panels, from the curves; every panel shows all of it.
  void ResetSpans();
  const std::vector<framework::ViewSpan>& Full() const { return full_; }
  const std::vector<framework::ViewSpan>& Shown() const { return shown_; }

  GraphSurface Surface() const;
  framework::GraphLayout Layout() const;
  // Draws again after the graph or its settings changed.
  void Redraw();

  // Zooms the single panel to a rectangle of pixels (clamped to the plot area);
  // false, and nothing changes, when it has no width or no height.
  bool ZoomTo(QRect pixels);
  // Doubles the shown spans round a pixel (at most the full spans).
  void ZoomOutAt(QPoint pixel);
  // The rubber band while the left button is down; empty otherwise.
  QRect Band() const;

  // The window title for the pointer at a pixel: the caption and the values.
  QString ReadoutAt(QPoint pixel) const;
  std::function<void(const QString&)> onReadout;
  // After a resize: the legend is kept inside.
  std::function<void()> onResized;
  // Once, when the canvas is first drawn at the size it is shown at.
  std::function<void()> onFirstPaint;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPoint ClampedToPlot(QPoint pixel) const;

  framework::TGraphPlot& graph_;
  std::vector<framework::ViewSpan> full_;
  std::vector<framework::ViewSpan> shown_;
  QPixmap cache_;
  bool cache_valid_ = false;
  bool painted_ = false;
  bool banding_ = false;
  QPoint band_from_;
  QPoint band_to_;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_GRAPHS_PLOT_CANVAS_H
