// The Plot menu's rules for a graph's settings.
#include "framework/graph_menu.h"

#include <gtest/gtest.h>

namespace veldra::framework {
namespace {

TEST(PlotMenu, ItemsAreOfferedForWhatTheGraphHolds) {
  TGraphPlot graph;
  PlotMenuState menu = PlotMenuRules(graph, true);
  EXPECT_FALSE(menu.legend_offered);
  EXPECT_FALSE(menu.layers_offered);
  EXPECT_FALSE(menu.wall_offered);
  EXPECT_TRUE(menu.font_width_offered);
  EXPECT_TRUE(menu.print_enabled);

  graph.SetCurveCount(CurveList::kMain, 1);
  graph.SetCurveCount(CurveList::kLayers, 3);
  graph.WallLineCount = 1;
  graph.ShowFontWidth = false;
  menu = PlotMenuRules(graph, false);
  EXPECT_TRUE(menu.legend_offered);
  EXPECT_TRUE(menu.layers_offered);
  EXPECT_FALSE(menu.layers_checked);
  // The wall needs the column.
  EXPECT_TRUE(menu.wall_offered);
  EXPECT_FALSE(menu.wall_enabled);
  EXPECT_FALSE(menu.font_width_offered);
  EXPECT_FALSE(menu.print_enabled);
  graph.ShowLayers = true;
  EXPECT_TRUE(PlotMenuRules(graph, false).wall_enabled);
}

TEST(PlotMenu, ASwitchedOffLegendCanBeShownAgain) {
  TGraphPlot graph;
  graph.SetCurveCount(CurveList::kMain, 2);
  graph.ShowLegend = false;
  const PlotMenuState menu = PlotMenuRules(graph, true);
  EXPECT_TRUE(menu.legend_offered);
  EXPECT_FALSE(menu.legend_checked);
}

TEST(PlotMenu, OneCheckItemPerActiveCurveTickedWhenShown) {
  TGraphPlot graph;
  graph.CurveName = "Load #";
  graph.SetCurveCount(CurveList::kMain, 3);
  graph.CurveAt(CurveList::kMain, 1).Active = false;
  graph.CurveAt(CurveList::kMain, 2).Shown = false;
  graph.CurveAt(CurveList::kMain, 2).Name = "Long-Term";
  const PlotMenuState menu = PlotMenuRules(graph, true);
  ASSERT_EQ(menu.curves.size(), 2u);
  EXPECT_EQ(menu.curves[0].caption, "Load #1");
  EXPECT_TRUE(menu.curves[0].checked);
  EXPECT_EQ(menu.curves[1].index, 2);
  EXPECT_EQ(menu.curves[1].caption, "Long-Term");
  EXPECT_FALSE(menu.curves[1].checked);
}

TEST(PlotMenu, ActiveCurveLines) {
  EXPECT_EQ(ActiveCurveLine(true, "Load #1"), " yes :    Load #1");
  EXPECT_EQ(ActiveCurveLine(false, "Load #1"), " no  :    Load #1");
}

}  // namespace
}  // namespace veldra::framework
