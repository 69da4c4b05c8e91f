#include "framework/graph_menu.h"

namespace veldra::framework {

const std::vector<MenuChoice> kMarkerChoices = {
    {"&Never", 0},
    {"Every &Increment", 1},
    {"Every &2 Increments", 2},
    {"Every &3 Incrments", 3},
    {"Every &5 Increments", 5},
    {"Every &10 Incements", 10},
};

const std::vector<MenuChoice> kFontSizeChoices = {
    {"&Default", 10}, {"1.5 * Default", 15}, {"2 * Default", 20},
    {"2.5 * Default", 25}, {"3 * Default", 30}, {"4 * Default", 40},
};

const std::vector<MenuChoice> kLineWidthChoices = {
    {"&Default", 1}, {"2 * Default", 2}, {"4 * Default", 4}, {"6 * Default", 6}, {"10 * Default", 10},
};

PlotMenuState PlotMenuRules(const TGraphPlot& graph, bool printer_available) {
  PlotMenuState state;
  const int curves = graph.CurveCount(CurveList::kMain);
  state.legend_offered = curves > 0;
  state.legend_checked = graph.ShowLegend;
  state.layers_offered = graph.CurveCount(CurveList::kLayers) > 0;
  state.layers_checked = graph.ShowLayers;
  state.wall_offered = graph.WallLineCount > 0;
  state.wall_enabled = state.wall_offered && graph.ShowLayers;
  state.wall_checked = graph.ShowWall;
  state.font_width_offered = graph.ShowFontWidth;
  state.markers = graph.Markers;
  state.size_font = graph.SizeFont;
  state.width_line = graph.WidthLine;
  state.print_enabled = printer_available;
  for (int c = 0; c < curves; ++c) {
    const TLine& curve = graph.CurveAt(CurveList::kMain, c);
    if (curve.Active) state.curves.push_back({c, graph.LegendText(c), curve.Shown});
  }
  return state;
}

std::string ActiveCurveLine(bool active, const std::string& name) {
  return std::string(active ? " yes : " : " no  : ") + "   " + name;
}

}  // namespace veldra::framework
