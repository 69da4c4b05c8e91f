// The movable legend of a graph window: one entry per active curve in the curve's
// colour on white, " *" after a shown curve. It can be dragged inside its parent;
// a double click on an entry asks for that curve to be shown or hidden.
#ifndef VELDRA_GUI_GRAPHS_PLOT_LEGEND_H
#define VELDRA_GUI_GRAPHS_PLOT_LEGEND_H

#include <QWidget>

#include <functional>
#include <vector>

#include "framework/graph_scene.h"

namespace veldra::gui {

class TPlotLegend : public QWidget {
  Q_OBJECT

 public:
  TPlotLegend(framework::TGraphPlot& graph, QWidget* parent);

  // Re-reads the entries and resizes: one item per entry plus 3 pixels high, as
  // wide as the longest entry with " *" plus a quarter inch.
  void Rebuild();
  const std::vector<framework::LegendEntry>& Entries() const { return entries_; }
  // The entry at a point of the legend, or -1.
  int EntryAt(QPoint at) const;
  int ItemHeight() const;

  // The main-list index of the curve whose entry was double-clicked.
  std::function<void(int curve)> onToggle;
  // After a drag: the legend's new place.
  std::function<void()> onMoved;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  framework::TGraphPlot& graph_;
  std::vector<framework::LegendEntry> entries_;
  bool dragging_ = false;
  QPoint grip_;  // where the legend was taken, in its own coordinates
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_GRAPHS_PLOT_LEGEND_H
