// The fonts of the result graphs at a canvas's resolution: captions, tick labels
// and layer names in the metric-compatible serif face, the legend in the sans face.
// Sizes are set in device pixels, so the window, a page and a picture get the same
// sizes in inches.
#ifndef VELDRA_GUI_GRAPHS_GRAPH_FONTS_H
#define VELDRA_GUI_GRAPHS_GRAPH_FONTS_H

#include <QFont>

#include "framework/graph_plot.h"

namespace veldra::gui {

// The caption font: bold serif, the window font's size times SizeFont / 10.
QFont CaptionFont(const framework::TGraphPlot& graph, int dpi_y);
// Tick labels and layer names: the same size, normal weight.
QFont LabelFont(const framework::TGraphPlot& graph, int dpi_y);
// h, the text height in pixels that the layout works with.
int TextHeight(const framework::TGraphPlot& graph, int dpi_y);

// The legend's font: LegendFont points times SizeFont / 10.
QFont LegendFont(const framework::TGraphPlot& graph, int dpi_y);
// The height of one legend entry: 1.5 times the point size, in pixels of a 96 dpi
// screen, scaled to the resolution.
int LegendItemHeight(const framework::TGraphPlot& graph, int dpi_y);

}  // namespace veldra::gui

#endif  // VELDRA_GUI_GRAPHS_GRAPH_FONTS_H
