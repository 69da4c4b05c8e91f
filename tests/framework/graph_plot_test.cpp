// The curve lists of a result graph, curve names, axis captions and the settings a
// window relies on.
#include "framework/graph_plot.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/exceptions.h"

namespace veldra::framework {
namespace {

TEST(GraphPlot, CurvesAreAddedAndRemovedAtTheEndOfTheirList) {
  TGraphPlot graph;
  graph.SetCurveCount(CurveList::kMain, 3);
  graph.CurveAt(CurveList::kMain, 0).Name = "first";
  const TLine* first = &graph.CurveAt(CurveList::kMain, 0);
  graph.SetCurveCount(CurveList::kMain, 5);
  // Existing curves stay where they are; new ones are numbered by position.
  EXPECT_EQ(&graph.CurveAt(CurveList::kMain, 0), first);
  EXPECT_EQ(graph.CurveAt(CurveList::kMain, 0).Name, "first");
  EXPECT_EQ(graph.CurveAt(CurveList::kMain, 4).Value, 5);
  EXPECT_TRUE(graph.CurveAt(CurveList::kMain, 4).Shown);
  EXPECT_TRUE(graph.CurveAt(CurveList::kMain, 4).Active);
  EXPECT_EQ(&graph.CurveAt(CurveList::kMain, 4).Owner(), &graph);
  graph.SetCurveCount(CurveList::kMain, 2);
  EXPECT_EQ(graph.CurveCount(), 2);
  EXPECT_EQ(graph.CurveAt(CurveList::kMain, 1).Value, 2);
  // The lists are separate.
  EXPECT_EQ(graph.CurveCount(CurveList::kLayers), 0);
  EXPECT_EQ(graph.CurveCount(CurveList::kPanel3), 0);
  graph.SetCurveCount(CurveList::kMain, -1);
  EXPECT_EQ(graph.CurveCount(), 0);
}

TEST(GraphPlot, PointCountsApplyToEveryCurveOfAList) {
  TGraphPlot graph;
  EXPECT_EQ(graph.PointCount(CurveList::kPanel2), 0);
  graph.SetCurveCount(CurveList::kPanel2, 2);
  graph.SetPointCount(CurveList::kPanel2, 3);
  graph.PointAt(CurveList::kPanel2, 1, 2) = {4.5L, -2};
  graph.SetPointCount(CurveList::kPanel2, 4);
  EXPECT_EQ(graph.PointCount(CurveList::kPanel2), 4);
  EXPECT_EQ(graph.PointAt(CurveList::kPanel2, 1, 2), (TFloatPoint{4.5L, -2}));
  EXPECT_EQ(graph.PointAt(CurveList::kPanel2, 1, 3), (TFloatPoint{0, 0}));
  graph.SetPointCount(CurveList::kPanel2, 1);
  EXPECT_EQ(graph.CurveAt(CurveList::kPanel2, 1).Points.size(), 1u);
  EXPECT_EQ(graph.PointCount(CurveList::kMain), 0);
}

TEST(GraphPlot, IndexesOutsideAListAreRefused) {
  TGraphPlot graph;
  graph.SetCurveCount(CurveList::kMain, 1);
  graph.SetPointCount(CurveList::kMain, 2);
  EXPECT_THROW(graph.CurveAt(CurveList::kMain, 1), EListError);
  EXPECT_THROW(graph.CurveAt(CurveList::kMain, -1), EListError);
  EXPECT_THROW(graph.CurveAt(CurveList::kLayers, 0), EListError);
  EXPECT_THROW(graph.PointAt(CurveList::kMain, 0, 2), EListError);
  EXPECT_NO_THROW(graph.PointAt(CurveList::kMain, 0, 1));
}

TEST(GraphPlot, UnnamedCurvesAreListedByTheGraphsPrefixAndTheirValue) {
  const struct {
    const char* prefix;
    long double value;
    const char* name;
    const char* shown;
  } cases[] = {
      {"Load #", 1, "", "Load #1"},
      {"Depth ", 12.5L, "", "Depth 12.5"},
      {"Depth ", 0.1L, "", "Depth 0.1"},
      {"Depth ", 120, "", "Depth 120"},
      {"Load #", 2, "Stage: 2", "Stage: 2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    TGraphPlot graph;
    graph.CurveName = c.prefix;
    graph.SetCurveCount(CurveList::kMain, 1);
    TLine& line = graph.CurveAt(CurveList::kMain, 0);
    line.Value = c.value;
    line.Name = c.name;
    EXPECT_EQ(line.DisplayName(), c.shown);
    EXPECT_EQ(graph.LegendText(0), c.shown);
  }
}

TEST(GraphPlot, TheCaptionHandlerMayReplaceTheLegendText) {
  TGraphPlot graph;
  graph.SetCurveCount(CurveList::kMain, 2);
  graph.onGetCaption = [](int index, std::string& text) {
    if (index == 1) text += " (final)";
  };
  EXPECT_EQ(graph.LegendText(0), "Curve #1");
  EXPECT_EQ(graph.LegendText(1), "Curve #2 (final)");
  // The curve's own name is untouched.
  EXPECT_EQ(graph.CurveAt(CurveList::kMain, 1).DisplayName(), "Curve #2");
}

TEST(GraphPlot, AxisCaptionsCarryTheUnitLabelOfTheGraphsSystem) {
  const struct {
    int units;
    int stored;  // after clamping
    const char* x;
    const char* y;
  } cases[] = {
      {1, 1, "Deflection (in)", "Distributed Load (lbs/in)"},
      {2, 2, "Deflection (m)", "Distributed Load (kN/m)"},
      {3, 3, "Deflection (L)", "Distributed Load (F/L)"},
      {0, 1, "Deflection (in)", "Distributed Load (lbs/in)"},
      {7, 3, "Deflection (L)", "Distributed Load (F/L)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.units);
    TGraphPlot graph;
    graph.XCaption = "Deflection";
    graph.XUnits = "L";
    graph.YCaption = "Depth (ft)";  // no units string: the caption alone
    graph.XCaption3 = "Distributed Load";
    graph.XUnits3 = "F/L";
    graph.SetUnits(c.units);
    EXPECT_EQ(graph.Units(), c.stored);
    EXPECT_EQ(graph.XAxisText(1), c.x);
    EXPECT_EQ(graph.YAxisText(1), "Depth (ft)");
    EXPECT_EQ(graph.XAxisText(3), c.y);
  }
  EXPECT_EQ(AxisCaption("Depth", "L2", 1), "Depth (ft)");
  // In the user's own units the units string shows as written.
  EXPECT_EQ(AxisCaption("Depth", "L2", 3), "Depth (L2)");
}

TEST(GraphPlot, AWindowOpensWithAtMostTwentyActiveCurves) {
  TGraphPlot graph;
  graph.SetCurveCount(CurveList::kMain, 25);
  graph.CurveAt(CurveList::kMain, 3).Active = false;
  graph.ActivateCurvesForWindow();
  int active = 0;
  for (int i = 0; i < graph.CurveCount(); ++i) active += graph.CurveAt(CurveList::kMain, i).Active;
  EXPECT_EQ(active, 20);
  EXPECT_TRUE(graph.CurveAt(CurveList::kMain, 3).Active);
  EXPECT_TRUE(graph.CurveAt(CurveList::kMain, 19).Active);
  EXPECT_FALSE(graph.CurveAt(CurveList::kMain, 20).Active);
}

}  // namespace
}  // namespace veldra::framework
