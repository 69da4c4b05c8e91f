// The eight result graphs of the main window, with their captions, curve names and
// axis settings. The plot-data reader fills them and sets their final axis captions;
// the Graphics menu opens them by the commands listed here.
#ifndef VELDRA_FRAMEWORK_MAIN_GRAPHS_H
#define VELDRA_FRAMEWORK_MAIN_GRAPHS_H

#include <vector>

#include "framework/graph_plot.h"

namespace veldra::framework {

class TMainGraphs {
 public:
  TMainGraphs();
  TMainGraphs(const TMainGraphs&) = delete;
  TMainGraphs& operator=(const TMainGraphs&) = delete;

  TGraphPlot pltLD;       // earth-pressure distribution, one curve per stage
  TGraphPlot PltCombine;  // total earth pressure and its parts, stage 1
  TGraphPlot pltPY;       // p-y curves of the last stage
  TGraphPlot pltDef;      // deflection vs depth, one curve per result set
  TGraphPlot pltMom;      // bending moment vs depth
  TGraphPlot pltShear;    // shear vs depth
  TGraphPlot pltSoil;     // net soil reaction vs depth
  TGraphPlot pltDMS;      // deflection, moment and shear in three panels

  struct Entry {
    const char* name;     // component name
    TGraphPlot* graph;
    const char* command;  // caption of its Graphics-menu command
  };
  // Every graph, in the order of the Graphics menu's commands above.
  std::vector<Entry> All();
};

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_MAIN_GRAPHS_H
