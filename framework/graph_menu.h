// The Plot menu of a graph window as plain data: which items are offered, enabled
// and ticked for a graph's settings, and the choices of its radio groups. The window
// applies this in one place each time the menu opens.
#ifndef VELDRA_FRAMEWORK_GRAPH_MENU_H
#define VELDRA_FRAMEWORK_GRAPH_MENU_H

#include <string>
#include <vector>

#include "framework/graph_plot.h"

namespace veldra::framework {

struct MenuChoice {
  const char* caption;
  int value;
};

// "Show &Markers": a marker every this many points (0 none).
extern const std::vector<MenuChoice> kMarkerChoices;
// "&Font Size": SizeFont in tenths of the default.
extern const std::vector<MenuChoice> kFontSizeChoices;
// "&Line Width": the WidthLine factor.
extern const std::vector<MenuChoice> kLineWidthChoices;

struct PlotMenuState {
  bool legend_offered = false;  // "Show &Legend"
  bool legend_checked = false;
  bool layers_offered = false;  // "Show &Soil Layer"
  bool layers_checked = false;
  bool wall_offered = false;    // "Show &Wall Geometry"
  bool wall_enabled = false;
  bool wall_checked = false;
  bool font_width_offered = false;  // "&Font Size" and "&Line Width"
  int markers = 0;                  // the ticked radio values
  int size_font = 10;
  int width_line = 1;
  bool print_enabled = false;       // "&Print..." and "P&age Setup"
  struct CurveItem {
    int index = 0;  // in the main list
    std::string caption;
    bool checked = false;
  };
  std::vector<CurveItem> curves;  // one per active curve, in order
};

// The state of the Plot menu. The legend item is offered whenever the graph has
// curves: a graph whose legend was switched off must be able to show it again
// after its window is reopened.
PlotMenuState PlotMenuRules(const TGraphPlot& graph, bool printer_available);

// A line of the Active Curves list: " yes : " or " no  : ", three blanks and the
// curve's display name.
std::string ActiveCurveLine(bool active, const std::string& name);

// The message of the Edit Legend window for an empty name.
inline constexpr const char* kLineMustHaveName = "The line must have a name!";

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_GRAPH_MENU_H
