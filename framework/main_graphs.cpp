#include "framework/main_graphs.h"

#include <string>

namespace veldra::framework {

namespace {

void Set(TGraphPlot& g, std::string caption, std::string curve_name) {
  g.Caption = std::move(caption);
  g.CurveName = std::move(curve_name);
}

void Axes(TGraphPlot& g, std::string x, std::string x_units, std::string y, std::string y_units) {
  g.XCaption = std::move(x);
  g.XUnits = std::move(x_units);
  g.YCaption = std::move(y);
  g.YUnits = std::move(y_units);
}

}  // namespace

TMainGraphs::TMainGraphs() {
  Set(pltPY, "p-y Curves", "Depth ");
  Axes(pltPY, "y", "L", "p", "F/L");
  pltPY.XOnTop = false;
  Set(pltDef, "Deflection vs Depth", "Load #");
  Axes(pltDef, "Deflection", "L", "Depth", "");
  Set(pltMom, "Moment vs Depth", "Load #");
  Axes(pltMom, "Bending Moment", "", "Depth", "");
  Set(pltShear, "Shear vs Depth", "Load #");
  Axes(pltShear, "Shear", "", "Depth", "");
  Set(pltSoil, "Net Reaction vs Depth", "Load #");
  Axes(pltSoil, "Reaction", "F", "Depth", "");
  // The three panels get their captions when the plot data is read.
  Set(pltDMS, "Deflection, Moment, Shear vs Depth", "Curve #");
  Set(pltLD, "Earth Pressure Distribution", "Curve #");
  Axes(pltLD, "Distributed load", "F/L", "Depth", "");
  Set(PltCombine, "Earth Pressure Combined", "Curve #");
  Axes(PltCombine, "Distributed Load", "F/L", "Depth", "L2");
}

std::vector<TMainGraphs::Entry> TMainGraphs::All() {
  return {
      {"pltPY", &pltPY, "p-&y Curves"},
      {"pltDef", &pltDef, "&Deflection vs Depth"},
      {"pltMom", &pltMom, "&Moment vs Depth"},
      {"pltShear", &pltShear, "&Shear vs Depth"},
      {"pltSoil", &pltSoil, "Net &Reaction vs Depth"},
      {"pltDMS", &pltDMS, "&Deflection, Moment and Shear"},
      {"pltLD", &pltLD, "Earth &Pressure Distribution"},
      {"PltCombine", &PltCombine, "Earth Pressure Combined"},
  };
}

}  // namespace veldra::framework
