// The main window's result graphs as their windows will caption them.
#include "framework/main_graphs.h"

#include <gtest/gtest.h>

#include <string>

namespace veldra::framework {
namespace {

TEST(MainGraphs, EachGraphCaptionsItsAxesInTheUnitsOfItsSystem) {
  TMainGraphs graphs;
  const struct {
    TGraphPlot* graph;
    const char* caption;
    const char* first_curve;
    const char* x_english;
    const char* y_english;
    const char* x_si;
    bool x_on_top;
  } cases[] = {
      {&graphs.pltPY, "p-y Curves", "Depth 1", "y (in)", "p (lbs/in)", "y (m)", false},
      {&graphs.pltDef, "Deflection vs Depth", "Load #1", "Deflection (in)", "Depth", "Deflection (m)", true},
      {&graphs.pltMom, "Moment vs Depth", "Load #1", "Bending Moment", "Depth", "Bending Moment", true},
      {&graphs.pltShear, "Shear vs Depth", "Load #1", "Shear", "Depth", "Shear", true},
      {&graphs.pltSoil, "Net Reaction vs Depth", "Load #1", "Reaction (lbs)", "Depth", "Reaction (kN)", true},
      {&graphs.pltDMS, "Deflection, Moment, Shear vs Depth", "Curve #1", "", "", "", true},
      {&graphs.pltLD, "Earth Pressure Distribution", "Curve #1", "Distributed load (lbs/in)", "Depth",
       "Distributed load (kN/m)", true},
      {&graphs.PltCombine, "Earth Pressure Combined", "Curve #1", "Distributed Load (lbs/in)", "Depth (ft)",
       "Distributed Load (kN/m)", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    TGraphPlot& g = *c.graph;
    EXPECT_EQ(g.Caption, c.caption);
    g.SetCurveCount(CurveList::kMain, 1);
    EXPECT_EQ(g.LegendText(0), c.first_curve);
    EXPECT_EQ(g.Units(), 1);
    EXPECT_EQ(g.XAxisText(), c.x_english);
    EXPECT_EQ(g.YAxisText(), c.y_english);
    EXPECT_EQ(g.XOnTop, c.x_on_top);
    EXPECT_FALSE(g.ShowThree);
    g.SetUnits(2);
    EXPECT_EQ(g.XAxisText(), c.x_si);
  }
}

TEST(MainGraphs, TheGraphicsMenuListsEveryGraphOnce) {
  TMainGraphs graphs;
  const auto all = graphs.All();
  ASSERT_EQ(all.size(), 8u);
  EXPECT_EQ(std::string(all[0].command), "p-&y Curves");
  EXPECT_EQ(all[0].graph, &graphs.pltPY);
  EXPECT_EQ(std::string(all[5].command), "&Deflection, Moment and Shear");
  EXPECT_EQ(all[5].graph, &graphs.pltDMS);
  for (std::size_t i = 0; i < all.size(); ++i)
    for (std::size_t j = i + 1; j < all.size(); ++j) EXPECT_NE(all[i].graph, all[j].graph);
}

}  // namespace
}  // namespace veldra::framework
