// The one painter of the result graphs: the window, the printer and a saved
// picture all call DrawGraph, so that what prints is what shows.
#ifndef VELDRA_GUI_GRAPHS_GRAPH_PAINTER_H
#define VELDRA_GUI_GRAPHS_GRAPH_PAINTER_H

#include <QPainter>
#include <QSize>

#include <vector>

#include "framework/graph_layout.h"
#include "framework/graph_plot.h"
#include "framework/graph_zoom.h"

namespace veldra::gui {

struct GraphSurface {
  QSize size;       // the area drawn on, in device pixels, from the painter's origin
  int dpi_x = 96;   // its resolution
  int dpi_y = 96;
  bool printing = false;  // the printed page's layout (see GraphCanvas)
  // The legend drawn as a box into the graph (printing, saving); on the screen the
  // legend is a window of its own.
  bool legend_box = false;
  // Where the window's legend is; it starts at the plot area's bottom-right corner.
  framework::LegendAnchor legend;
};

// The layout input of a graph on a surface (its text height from the fonts).
framework::GraphCanvas CanvasOf(const framework::TGraphPlot& graph, const GraphSurface& surface);

// Draws the graph with panel p showing shown[p] (the full spans where `shown` holds
// fewer): white background, captions and title, ticks and dotted grid, curves and
// markers clipped to their panels, the legend box, the soil-layer column and the
// panels' frames, in that order. Only the background below an inch either way.
void DrawGraph(QPainter& painter, const framework::TGraphPlot& graph,
               const std::vector<framework::ViewSpan>& shown, const GraphSurface& surface);

// The legend box's size on a surface of this resolution: the shown curves among
// the active ones; an empty size when there is none.
QSize LegendBoxSize(const framework::TGraphPlot& graph, int dpi_x, int dpi_y);

}  // namespace veldra::gui

#endif  // VELDRA_GUI_GRAPHS_GRAPH_PAINTER_H
