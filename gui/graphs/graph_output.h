// A graph on paper and in picture files, drawn by the one painter with its legend
// box: a printed page, and a bitmap of a given size and resolution.
#ifndef VELDRA_GUI_GRAPHS_GRAPH_OUTPUT_H
#define VELDRA_GUI_GRAPHS_GRAPH_OUTPUT_H

#include <QString>

#include <vector>

#include "framework/graph_layout.h"
#include "framework/graph_plot.h"
#include "framework/graph_zoom.h"

class QPagedPaintDevice;
class QPainter;

namespace veldra::gui {

inline constexpr const char* kNotEnoughMemory = "There is not enough memory to complete this task.";

struct PictureSize {
  double width_inches = 6;
  double height_inches = 4;
  int pixels_per_inch = 72;
};

// Draws the graph into a picture of round(pixels per inch x inches) pixels each way
// and writes it to `file`: PNG when the name ends in ".png" (any case), BMP
// otherwise. The file is replaced whole or not at all. Returns the message to show:
// kNotEnoughMemory when the picture cannot be held, a message naming the file when
// it cannot be written; empty on success.
QString SaveGraphPicture(const framework::TGraphPlot& graph, const std::vector<framework::ViewSpan>& shown,
                         const QString& file, const PictureSize& size, const framework::LegendAnchor& legend = {});

// Draws the graph on the current page of a begun painter on a printer or PDF
// writer: the printable area (the page less its margins) at the device's
// resolution, with the printed layout and the legend box.
void PrintGraphPage(QPainter& painter, QPagedPaintDevice& device, const framework::TGraphPlot& graph,
                    const std::vector<framework::ViewSpan>& shown, const framework::LegendAnchor& legend = {});

}  // namespace veldra::gui

#endif  // VELDRA_GUI_GRAPHS_GRAPH_OUTPUT_H
