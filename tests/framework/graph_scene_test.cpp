// What a graph draws, in pixels: curves and markers, the three-panel layout, ticks,
// the soil-layer column and the legend entries.
#include "framework/graph_scene.h"

#include <gtest/gtest.h>

#include <string>

namespace veldra::framework {
namespace {

// 1000 x 700 pixels at 96 per inch, text 16 pixels high.
const GraphCanvas kCanvas{1000, 700, 96, 96, 16, false};

// `curves` curves of `points` points each in `list`: curve c runs from (c, 0) to
// (c + 1, points - 1).
void Fill(TGraphPlot& graph, CurveList list, int curves, int points) {
  graph.SetCurveCount(list, curves);
  graph.SetPointCount(list, points);
  for (int c = 0; c < curves; ++c)
    for (int i = 0; i < points; ++i)
      graph.PointAt(list, c, i) = {c + static_cast<EntryNumber>(i) / (points - 1), static_cast<EntryNumber>(i)};
}

GraphScene SceneOf(const TGraphPlot& graph) { return BuildGraphScene(graph, kCanvas, FullSpans(graph)); }

TEST(GraphScene, CurvesMapIntoThePanelWithDepthDownwards) {
  TGraphPlot graph;
  graph.SetCurveCount(CurveList::kMain, 1);
  graph.CurveAt(CurveList::kMain, 0).Points = {{0, 0}, {10, 20}};
  for (const bool depth_down : {true, false}) {
    graph.XOnTop = depth_down;
    const GraphScene scene = SceneOf(graph);
    ASSERT_EQ(scene.panels.size(), 1u);
    const PixelRect& r = scene.panels[0].rect;
    ASSERT_EQ(scene.panels[0].curves.size(), 1u);
    const std::vector<ScenePoint> expected =
        depth_down ? std::vector<ScenePoint>{{r.left, r.top}, {r.right, r.bottom}}
                   : std::vector<ScenePoint>{{r.left, r.bottom}, {r.right, r.top}};
    EXPECT_EQ(scene.panels[0].curves[0].line, expected);
  }
}

TEST(GraphScene, ThreePanelsLeaveOutTheLastPointOnlyWhenAPanelHoldsSeveralCurves) {
  for (const int curves : {1, 2}) {
    SCOPED_TRACE(curves);
    TGraphPlot graph;
    graph.ShowThree = true;
    Fill(graph, CurveList::kMain, curves, 5);
    Fill(graph, CurveList::kPanel2, curves, 5);
    Fill(graph, CurveList::kPanel3, curves, 5);
    const GraphScene scene = SceneOf(graph);
    ASSERT_EQ(scene.panels.size(), 3u);
    for (const ScenePanel& panel : scene.panels) {
      ASSERT_EQ(panel.curves.size(), static_cast<std::size_t>(curves));
      for (const SceneCurve& curve : panel.curves) {
        EXPECT_EQ(curve.line.size(), curves == 1 ? 5u : 4u);
        EXPECT_EQ(curve.markers.size(), curve.line.size());
      }
    }
  }
  // A single panel keeps every point whatever its curve count.
  TGraphPlot single;
  Fill(single, CurveList::kMain, 2, 5);
  const GraphScene scene = SceneOf(single);
  for (const SceneCurve& curve : scene.panels[0].curves) EXPECT_EQ(curve.line.size(), 5u);
}

TEST(GraphScene, NothingIsDrawnWhenTheFirstCurveHasFewerThanTwoPoints) {
  TGraphPlot graph;
  Fill(graph, CurveList::kMain, 2, 4);
  graph.CurveAt(CurveList::kMain, 0).Points.resize(1);
  const GraphScene scene = SceneOf(graph);
  EXPECT_TRUE(scene.panels[0].curves.empty());
  // The frame's ticks and captions are still there.
  EXPECT_FALSE(scene.panels[0].x_ticks.empty());
}

TEST(GraphScene, HiddenAndInactiveCurvesAreLeftOutAndColoursFollowTheActiveOnes) {
  TGraphPlot graph;
  graph.ShowThree = true;
  Fill(graph, CurveList::kMain, 4, 3);
  Fill(graph, CurveList::kPanel2, 4, 3);
  Fill(graph, CurveList::kPanel3, 4, 3);
  graph.CurveAt(CurveList::kMain, 0).Active = false;
  graph.CurveAt(CurveList::kMain, 2).Shown = false;
  const GraphScene scene = SceneOf(graph);
  for (const ScenePanel& panel : scene.panels) {
    ASSERT_EQ(panel.curves.size(), 2u);
    EXPECT_EQ(panel.curves[0].index, 1);
    EXPECT_EQ(panel.curves[1].index, 3);
    // Curve 1 is the first active curve (black), curve 3 the third (red).
    EXPECT_EQ(panel.curves[0].color, ActiveCurveColor(0));
    EXPECT_EQ(panel.curves[1].color, ActiveCurveColor(2));
  }
  const auto legend = LegendEntries(graph);
  ASSERT_EQ(legend.size(), 3u);
  EXPECT_EQ(legend[1].index, 2);
  EXPECT_EQ(legend[1].ScreenText(), "Curve #3");
  EXPECT_EQ(legend[2].ScreenText(), "Curve #4 *");
}

TEST(GraphScene, MarkersFollowTheCurveNumberAndTheMarkerSpacing) {
  TGraphPlot graph;
  Fill(graph, CurveList::kMain, 12, 7);
  graph.Markers = 3;
  const GraphScene scene = SceneOf(graph);
  const std::vector<SceneCurve>& curves = scene.panels[0].curves;
  ASSERT_EQ(curves.size(), 12u);
  // Points 0, 3 and 6 carry markers; the radius is dx/32 = 3 pixels.
  const SceneCurve& first = curves[0];
  EXPECT_EQ(first.markers, (std::vector<ScenePoint>{first.line[0], first.line[3], first.line[6]}));
  const ScenePoint at = first.line[3];
  // Curve 1: a triangle with a corner straight below the point.
  ASSERT_EQ(first.MarkerOutline(1).size(), 3u);
  EXPECT_EQ(first.MarkerOutline(1)[0], (ScenePoint{at.x, at.y + 3}));
  // Curve 2: a square; curve 5: a pentagon with a corner straight above.
  EXPECT_EQ(curves[1].MarkerOutline(0).size(), 4u);
  EXPECT_EQ(curves[1].MarkerOutline(2)[2], (ScenePoint{curves[1].line[6].x + 3, curves[1].line[6].y + 3}));
  EXPECT_EQ(curves[4].MarkerOutline(0).size(), 5u);
  EXPECT_EQ(curves[4].MarkerOutline(0)[0], (ScenePoint{curves[4].line[0].x, curves[4].line[0].y - 3}));
  // Curve 10: a decagon; curve 11 starts the shapes again and curve 12 is a square.
  EXPECT_EQ(curves[9].MarkerOutline(0).size(), 10u);
  EXPECT_EQ(curves[10].MarkerOutline(0).size(), 3u);
  EXPECT_EQ(curves[11].MarkerOutline(0).size(), 4u);

  graph.Markers = 0;
  EXPECT_TRUE(SceneOf(graph).panels[0].curves[0].markers.empty());
}

TEST(GraphScene, TicksLieOnRoundValuesWithLabelsAtTheMajorOnes) {
  TGraphPlot graph;
  graph.SetCurveCount(CurveList::kMain, 1);
  graph.CurveAt(CurveList::kMain, 0).Points = {{-0.37L, 0}, {12.3L, 40}};
  const ScenePanel panel = SceneOf(graph).panels[0];
  // x runs -1 to 13 over 922 pixels: 9 divisions of 6h = 96 pixels, raw step 1.56,
  // major step 1, a minor tick every 0.2.
  EXPECT_EQ(panel.shown.x, (AxisSpan{-1, 13}));
  std::vector<std::string> labels;
  for (const SceneTick& t : panel.x_ticks)
    if (t.major) labels.push_back(t.label);
  EXPECT_EQ(labels.size(), 15u);
  EXPECT_EQ(labels.front(), "-1");
  EXPECT_EQ(labels.back(), "13");
  EXPECT_EQ(panel.x_ticks.size(), 71u);
  EXPECT_EQ(panel.x_ticks.front().at, panel.rect.left);
  EXPECT_EQ(panel.x_ticks.back().at, panel.rect.right);
  // y runs 0 to 40 over 622 pixels: 6 divisions, raw step 6.7, major step 5.
  labels.clear();
  for (const SceneTick& t : panel.y_ticks)
    if (t.major) labels.push_back(t.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"0", "5", "10", "15", "20", "25", "30", "35", "40"}));
  EXPECT_EQ(panel.y_ticks.front().at, panel.rect.top);
}

// A soil-layer column of two layers (clay to 10, sand to 25) and the two wall lines:
// the tip at 20, the excavation at 8, over depths 0 to 30.
void MakeLayered(TGraphPlot& graph) {
  graph.SetCurveCount(CurveList::kMain, 1);
  graph.CurveAt(CurveList::kMain, 0).Points = {{0, 0}, {1, 30}};
  graph.ShowLayers = true;
  graph.SetCurveCount(CurveList::kLayers, 4);
  graph.SetPointCount(CurveList::kLayers, 1);
  const TFloatPoint points[] = {{1, 10}, {7, 25}, {0, 20}, {0, 8}};
  const char* names[] = {" CLAY ", " SAND ", "PILE", "PILE"};
  for (int i = 0; i < 4; ++i) {
    graph.PointAt(CurveList::kLayers, i, 0) = points[i];
    graph.CurveAt(CurveList::kLayers, i).Name = names[i];
  }
  graph.WallLineCount = 2;
}

TEST(GraphScene, TheSoilLayerColumnStacksTheLayersByDepth) {
  TGraphPlot graph;
  MakeLayered(graph);
  const GraphScene scene = SceneOf(graph);
  ASSERT_TRUE(scene.column);
  const PixelRect& col = scene.column->rect;
  const auto y = [&](EntryNumber depth) { return static_cast<int>(col.top + depth * col.Height() / 30 + 0.5L); };
  ASSERT_EQ(scene.column->layers.size(), 2u);
  EXPECT_EQ(scene.column->layers[0].rect, (PixelRect{col.left, col.top, col.right, y(10)}));
  EXPECT_EQ(scene.column->layers[0].code, 1);
  EXPECT_EQ(scene.column->layers[0].name, " CLAY ");
  EXPECT_EQ(scene.column->layers[1].rect, (PixelRect{col.left, y(10), col.right, y(25)}));
  EXPECT_EQ(scene.column->layers[1].code, 7);
  // Without the wall the wall lines are not drawn.
  EXPECT_FALSE(scene.column->wall);
}

TEST(GraphScene, WithTheWallTheLayersBelowTheExcavationShowOnBothSides) {
  TGraphPlot graph;
  MakeLayered(graph);
  graph.ShowWall = true;
  const GraphScene scene = SceneOf(graph);
  ASSERT_TRUE(scene.column);
  const PixelRect& col = scene.column->rect;
  const auto y = [&](EntryNumber depth) { return static_cast<int>(col.top + depth * col.Height() / 30 + 0.5L); };
  const int fifth2 = col.left + 2 * col.Width() / 5;
  const int fifth3 = col.left + 3 * col.Width() / 5;
  ASSERT_TRUE(scene.column->wall);
  EXPECT_EQ(*scene.column->wall, (PixelRect{fifth2, col.top, fifth3, y(20)}));
  const std::vector<PixelRect> expected = {
      {col.left, col.top, fifth2, y(10)},  // clay, backfill side
      {fifth3, y(8), col.right, y(10)},    // clay below the excavation
      {col.left, y(10), fifth2, y(25)},    // sand, both sides
      {fifth3, y(10), col.right, y(25)},
  };
  ASSERT_EQ(scene.column->layers.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(scene.column->layers[i].rect, expected[i]) << i;
    EXPECT_TRUE(scene.column->layers[i].name.empty());
  }
}

TEST(GraphScene, ThePointerReadoutNamesTheGraphAndBothValues) {
  TGraphPlot graph;
  graph.Caption = "Moment vs Depth";
  EXPECT_EQ(PointerReadout(graph, 1234.5678L, -0.000123456L), "Moment vs Depth X: 1234.6 Y: -0.00012346");
  GraphLayout layout;
  layout.panels = {{0, 0, 100, 10}, {150, 0, 250, 10}, {300, 0, 400, 10}};
  EXPECT_EQ(PanelAt(layout, 50), 0);
  EXPECT_EQ(PanelAt(layout, 130), 1);  // nearer the second panel
  EXPECT_EQ(PanelAt(layout, 410), 2);
}

}  // namespace
}  // namespace veldra::framework
