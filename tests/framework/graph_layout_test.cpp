// The plot area, panels and soil-layer column of a graph on the window, a page and
// a picture.
#include "framework/graph_layout.h"

#include <gtest/gtest.h>

namespace veldra::framework {
namespace {

// h = 16, dx = dy = 96: left 2h + dx/8 + h/8 = 46.
GraphCanvas Window(int width = 800, int height = 600) { return {width, height, 96, 96, 16, false}; }

struct LayoutCase {
  const char* name;
  bool x_on_top;
  const char* title;
  bool title_at_top;
  bool printing;
  PixelRect plot;
};

class PlotArea : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(PlotArea, FollowsTheMarginFormulas) {
  const LayoutCase& c = GetParam();
  TGraphPlot graph;
  graph.XOnTop = c.x_on_top;
  graph.Title = c.title;
  graph.TitleAtTop = c.title_at_top;
  GraphCanvas canvas = Window();
  canvas.printing = c.printing;
  const GraphLayout layout = LayOutGraph(graph, canvas);
  EXPECT_TRUE(layout.drawable);
  EXPECT_EQ(layout.plot, c.plot);
  ASSERT_EQ(layout.panels.size(), 1u);
  EXPECT_EQ(layout.panels[0], c.plot);
  EXPECT_FALSE(layout.layers);
}

// Window: right 800 - dx/4 - h/2 = 768; x on top: top 2h + dy/8 + h/8 = 46, bottom
// 600 - dy/4 - h/2 = 568; x below: top h/2 + dy/4 = 32, bottom 600 - 2h - dy/8 - h/8
// = 554. A title takes h/8 + h = 18 at the top or h = 16 at the bottom; on a page it
// takes dy/4 = 24 or dy/2 = 48, and the plot reaches the right edge and the edge
// away from the x labels.
INSTANTIATE_TEST_SUITE_P(
    Graph, PlotArea,
    ::testing::Values(LayoutCase{"DepthPlot", true, "", true, false, {46, 46, 768, 568}},
                      LayoutCase{"XBelow", false, "", true, false, {46, 32, 768, 554}},
                      LayoutCase{"TitleOnTop", true, "T", true, false, {46, 64, 768, 568}},
                      LayoutCase{"TitleBelow", false, "T", false, false, {46, 32, 768, 538}},
                      LayoutCase{"PrintedDepthPlot", true, "", true, true, {46, 46, 800, 600}},
                      LayoutCase{"PrintedXBelow", false, "", true, true, {46, 0, 800, 554}},
                      LayoutCase{"PrintedTitleOnTop", false, "T", true, true, {46, 24, 800, 554}},
                      LayoutCase{"PrintedTitleBelow", true, "T", false, true, {46, 46, 800, 552}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GraphLayout, TheSoilLayerColumnTakesTheLastInch) {
  TGraphPlot graph;
  graph.ShowLayers = true;
  const GraphLayout layout = LayOutGraph(graph, Window());
  EXPECT_EQ(layout.plot.right, 768 - 96);
  ASSERT_TRUE(layout.layers);
  EXPECT_EQ(*layout.layers, (PixelRect{768 - 96 + 96 / 5, 46, 768, 568}));
}

TEST(GraphLayout, ThreePanelsShareThePlotAreaWithEqualGaps) {
  TGraphPlot graph;
  graph.ShowThree = true;
  graph.ShowLayers = true;
  const GraphLayout layout = LayOutGraph(graph, Window(1000, 600));
  ASSERT_EQ(layout.panels.size(), 3u);
  const PixelRect& plot = layout.plot;  // 46 to 968 - 96 = 872
  const int w = (plot.Width() - 4 * 16 - 48) / 3;
  const int gap = 2 * 16 + 24;
  EXPECT_EQ(layout.panels[0], (PixelRect{46, 46, 46 + w, 568}));
  EXPECT_EQ(layout.panels[1].left - layout.panels[0].right, gap);
  EXPECT_EQ(layout.panels[1].Width(), w);
  EXPECT_EQ(layout.panels[2], (PixelRect{872 - w, 46, 872, 568}));
}

TEST(GraphLayout, NothingIsDrawableBelowAnInch) {
  TGraphPlot graph;
  EXPECT_FALSE(LayOutGraph(graph, Window(95, 600)).drawable);
  EXPECT_FALSE(LayOutGraph(graph, Window(600, 95)).drawable);
  EXPECT_TRUE(LayOutGraph(graph, Window(96, 96)).drawable);
}

TEST(GraphLayout, TheLegendStartsAtTheBottomRightAndStaysInsideTheWindow) {
  TGraphPlot graph;
  const GraphLayout layout = LayOutGraph(graph, Window());
  EXPECT_EQ(LegendHome(layout, 100, 40), (PixelPoint{668, 528}));
  EXPECT_EQ(KeepInside({750, 590}, 100, 40, 800, 600), (PixelPoint{700, 560}));
  EXPECT_EQ(KeepInside({-5, -9}, 100, 40, 800, 600), (PixelPoint{0, 0}));
  EXPECT_EQ(KeepInside({20, 30}, 100, 40, 800, 600), (PixelPoint{20, 30}));
  // Larger than the window: its top-left corner stays visible.
  EXPECT_EQ(KeepInside({20, 30}, 900, 40, 800, 600), (PixelPoint{0, 30}));
}

TEST(GraphLayout, TheLegendKeepsItsNearestCornerOnAnotherSurface) {
  const PixelRect window{50, 40, 850, 640};
  const PixelRect page{300, 300, 3300, 2700};
  // At home on the window, at home on the page, whatever the legend's sizes.
  const LegendAnchor home = AnchorOf(window, {850 - 120, 640 - 50}, 120, 50);
  EXPECT_EQ(home, LegendAnchor{});
  EXPECT_EQ(PlaceLegend(page, home, 700, 300), (PixelPoint{3300 - 700, 2700 - 300}));
  // Dragged to the top-left quarter: its top-left corner keeps its place.
  const LegendAnchor top_left = AnchorOf(window, {130, 100}, 120, 50);
  EXPECT_FALSE(top_left.right);
  EXPECT_FALSE(top_left.bottom);
  EXPECT_DOUBLE_EQ(top_left.x, 0.1);
  EXPECT_DOUBLE_EQ(top_left.y, 0.1);
  EXPECT_EQ(PlaceLegend(page, top_left, 700, 300), (PixelPoint{600, 540}));
}

}  // namespace
}  // namespace veldra::framework
