// One window per graph: created on first use, brought forward afterwards, and
// forgotten when it closes.
#ifndef VELDRA_GUI_GRAPHS_GRAPH_WINDOWS_H
#define VELDRA_GUI_GRAPHS_GRAPH_WINDOWS_H

#include "framework/graph_plot.h"

class QMdiArea;

namespace veldra::gui {

class ChildHost;
class TPlotForm;

// Shows the graph's window, creating it if it has none: a maximised child window
// of the main window. A minimised window is restored.
TPlotForm* ShowGraph(framework::TGraphPlot& graph, ChildHost& host);
// The same in a bare MDI area, or as a window of its own without one.
TPlotForm* ShowGraph(framework::TGraphPlot& graph, QMdiArea* area);

// The graph's open window, or null.
TPlotForm* GraphWindow(const framework::TGraphPlot& graph);

}  // namespace veldra::gui

#endif  // VELDRA_GUI_GRAPHS_GRAPH_WINDOWS_H
