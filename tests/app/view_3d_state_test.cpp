// The 3D view's state without a window: fitting, zooming, the mouse modes, the
// deformation factor's steps and the "Show 3DView" menu.
#include <gtest/gtest.h>

#include <cmath>

#include "app/main_model.h"
#include "app/main_window_rules.h"
#include "app/views/view_3d_state.h"
#include "framework/graph_plot.h"
#include "framework/main_graphs.h"

namespace veldra::app::views {
namespace {

constexpr ClientSize kClient{800, 600};

// A 45 ft wall with 1 ft widths, fitted into 800 x 600.
View3DState Fitted() {
  SceneInput in;
  in.increments = 90;
  in.increment_length = 0.5;
  in.active_width = 1;
  in.py_width = 1;
  View3DState state;
  state.Fit(ComputeExtents(in), kClient);
  return state;
}

double Distance(WorldPoint a, WorldPoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

TEST(View3DFrame, FittedSceneIsCentredAndInsideTheClient) {
  const View3DState state = Fitted();
  // 45 ft deep and 4.5 ft (4 symbol sizes) above the wall for the axes and loads.
  EXPECT_NEAR(state.base_scale, 550.0 / 49.5, 1e-12);
  // Seen from the side: the top of the scene above the centre, the wall's tip as far
  // below, the wall's top between.
  const WorldPoint top = state.ToClient({0, 0, 4.5}, kClient);
  const WorldPoint tip = state.ToClient({0, 0, -45}, kClient);
  EXPECT_NEAR(top.x, 400, 1e-9);
  EXPECT_NEAR(top.y, 25, 1e-9);
  EXPECT_NEAR(tip.y, 575, 1e-9);
  EXPECT_NEAR(state.ToClient({0, 0, 0}, kClient).y, 75, 1e-9);
  // The backfill (negative x) on the left, and depth into the screen does not move it.
  EXPECT_LT(state.ToClient({-10, 0, 0}, kClient).x, 400);
  EXPECT_NEAR(state.ToClient({0, 5, 0}, kClient).x, 400, 1e-9);
}

TEST(View3DFrame, ScaleFollowsTheWindowAndZoomStays) {
  SceneInput in;
  in.increments = 90;
  in.increment_length = 0.5;
  in.active_width = 1;
  in.py_width = 1;
  View3DState state;
  state.Fit(ComputeExtents(in), {200, 150});  // opened small
  EXPECT_NEAR(state.base_scale, 100.0 / 49.5, 1e-12);
  state.ZoomIn();
  state.Resize(kClient);
  EXPECT_NEAR(state.base_scale, 550.0 / 49.5, 1e-12);
  EXPECT_EQ(state.zoom, kZoomInFactor);
  state.Fit(ComputeExtents(SceneInput()), kClient);  // later activations keep the fit
  EXPECT_NEAR(state.base_scale, 550.0 / 49.5, 1e-12);
}

TEST(View3DFrame, WhatRisesAboveTheWallIsCentredToo) {
  SceneExtents extents;
  extents.half_length = 12.5;
  extents.half_width = 5;
  extents.bottom = 45;
  extents.top = 5;
  View3DState state;
  state.Fit(extents, kClient);
  EXPECT_NEAR(state.base_scale, 550.0 / 50, 1e-12);
  EXPECT_NEAR(state.ToClient({0, 0, 5}, kClient).y, 25, 1e-9);
  EXPECT_NEAR(state.ToClient({0, 0, -45}, kClient).y, 575, 1e-9);
}

TEST(View3DFrame, ZoomInTwiceDoublesAndZoomOutReturns) {
  View3DState state = Fitted();
  const double before = Distance(state.ToClient({0, 0, 0}, kClient), state.ToClient({0, 0, -45}, kClient));
  state.ZoomIn();
  state.ZoomIn();
  const double after = Distance(state.ToClient({0, 0, 0}, kClient), state.ToClient({0, 0, -45}, kClient));
  EXPECT_NEAR(after / before, 2, 1e-4);
  state.ZoomOut();
  state.ZoomOut();
  EXPECT_NEAR(state.zoom, 1, 1e-8);

  state.az = 30;
  state.pan = {1, 2, 3};
  state.Restart();
  EXPECT_EQ(state.az, 0);
  EXPECT_EQ(state.zoom, 1);
  EXPECT_EQ(state.pan.x, state.CentringPan().x);
  EXPECT_EQ(state.pan.z, state.CentringPan().z);
}

TEST(View3DMouse, ZoomWindowWithoutWidthOrHeightChangesNothing) {
  for (ClientPoint end : {ClientPoint{100, 300}, ClientPoint{300, 100}, ClientPoint{100, 100}}) {
    View3DState state = Fitted();
    state.SetZoomWindow(true);
    state.Press({100, 100});
    state.Drag(end, false, kClient);
    state.Release(end, kClient);
    EXPECT_EQ(state.zoom, 1);
    EXPECT_EQ(state.pan.x, 0);
    EXPECT_EQ(state.pan.y, 0);
    EXPECT_EQ(state.pan.z, 0);
  }
}

TEST(View3DMouse, ZoomWindowCentresAndFillsTheClient) {
  View3DState state = Fitted();
  state.SetMouseMode(MouseMode::kRotating);
  state.SetZoomWindow(true);
  const WorldPoint tip = state.ToClient({0, 0, -45}, kClient);
  // A 100 x 50 window round the tip: the height limits the zoom to 600 / 50 = 12.
  const ClientPoint from{static_cast<int>(tip.x) - 50, static_cast<int>(tip.y) - 25};
  const ClientPoint to{from.x + 100, from.y + 50};
  state.Press(from);
  state.Drag(to, false, kClient);
  ASSERT_TRUE(state.Selection().has_value());
  EXPECT_EQ(state.Selection()->width, 100);
  state.Release(to, kClient);
  EXPECT_FALSE(state.Selection().has_value());
  EXPECT_NEAR(state.zoom, 8, 1e-12);  // min(600 / 50, 800 / 100)
  const WorldPoint centred = state.ToClient({0, 0, -45}, kClient);
  EXPECT_NEAR(centred.x, 400, 8 * 0.5 + 1e-9);  // the window's centre was within half a pixel
  EXPECT_NEAR(centred.y, 300, 8 * 0.5 + 1e-9);
  EXPECT_EQ(state.ax, 0);  // the zoom window, not the rotation, took the drag

  // A mode button switches the zoom window off.
  state.SetMouseMode(MouseMode::kPanning);
  EXPECT_FALSE(state.zoom_window);
}

TEST(View3DMouse, PanningFollowsThePointerAtAnyAngle) {
  struct Case {
    double ax, ay, az, zoom;
    bool shift;
    ClientPoint drag;  // from (400, 300)
    WorldPoint moved;  // expected movement on the screen
  } cases[] = {
      {0, 0, 0, 1, false, {430, 280}, {30, -20}},
      {25, -40, 70, 2.5, false, {350, 320}, {-50, 20}},
      {0, 0, 0, 1, true, {430, 280}, {30, 0}},  // Shift: the larger component only
      {0, 0, 0, 1, true, {410, 250}, {0, -50}},
  };
  for (const Case& c : cases) {
    View3DState state = Fitted();
    state.ax = c.ax;
    state.ay = c.ay;
    state.az = c.az;
    state.zoom = c.zoom;
    state.SetMouseMode(MouseMode::kPanning);
    const Vec3 point{-3, 2, -20};
    const WorldPoint before = state.ToClient(point, kClient);
    state.Press({400, 300});
    state.Drag(c.drag, c.shift, kClient);
    state.Release(c.drag, kClient);
    const WorldPoint after = state.ToClient(point, kClient);
    EXPECT_NEAR(after.x - before.x, c.moved.x, 1e-9) << c.az;
    EXPECT_NEAR(after.y - before.y, c.moved.y, 1e-9) << c.az;
  }
}

TEST(View3DMouse, ZoomingAndRotatingDrags) {
  View3DState state = Fitted();
  state.SetMouseMode(MouseMode::kZooming);
  state.Press({400, 300});
  state.Drag({400, 600}, false, kClient);  // down by half the height
  EXPECT_NEAR(state.zoom, 0.5, 1e-12);
  state.Drag({400, 0}, false, kClient);  // up by half
  EXPECT_NEAR(state.zoom, 1.5, 1e-12);
  state.Drag({400, 1500}, false, kClient);  // far below the control: never zero or negative
  EXPECT_GT(state.zoom, 0);
  state.Release({400, 1500}, kClient);

  // From the start, a drag across the whole width turns the scene 90 degrees about
  // the screen's vertical, which is the scene's z axis; down the height, about x.
  View3DState turn = Fitted();
  turn.SetMouseMode(MouseMode::kRotating);
  turn.Press({0, 0});
  turn.Drag({800, 0}, false, kClient);
  EXPECT_NEAR(turn.az, 90, 1e-9);
  EXPECT_NEAR(turn.ax, 0, 1e-9);
  EXPECT_NEAR(turn.ay, 0, 1e-9);
  turn.Drag({800, 600}, true, kClient);  // Shift: both equal, x wins
  EXPECT_NEAR(turn.ax, 90, 1e-9);
  EXPECT_NEAR(turn.az, 0, 1e-9);
  turn.Release({800, 600}, kClient);
}

TEST(DeformationFactor, StepsThroughEachDecade) {
  struct Case {
    double factor;
    bool up;
    double stepped;
  } cases[] = {
      {3, true, 4},   {9, true, 10},   {10, true, 20},   {1, false, 0.9},  {0.9, true, 1},
      {20, false, 10}, {0.1, false, 0.09}, {0.3, true, 0.4}, {1000, true, 2000}, {3.5, true, 4},
      {3.5, false, 2}, {0, true, 1},   {-2, false, 1},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(StepDeformationFactor(c.factor, c.up), c.stepped) << c.factor << (c.up ? " up" : " down");
}

// The main window's 3D items: there only while the view is open; "Deformed Shape"
// (menu item and button) enabled only when the deflection graph holds a curve.
TEST(View3DItems, DeformedShapeNeedsResults) {
  TMainModel model;
  framework::TMainGraphs graphs;
  WindowFacts facts = FileFactsOf(model.Problem(), graphs);
  facts.view3d_open = true;
  auto deformed_enabled = [&] {
    const MainWindowRules rules(model.Problem(), facts);
    EXPECT_TRUE(rules[Command::kShow3DDeformedShape].visible);
    EXPECT_TRUE(rules[Command::kToolDeformedShape].visible);
    EXPECT_EQ(rules[Command::kShow3DDeformedShape].enabled, rules[Command::kToolDeformedShape].enabled);
    return rules[Command::kShow3DDeformedShape].enabled;
  };
  EXPECT_FALSE(deformed_enabled());

  framework::TGraphPlot& deflection = graphs.pltDef;
  deflection.SetCurveCount(framework::CurveList::kMain, 2);
  deflection.CurveAt(framework::CurveList::kMain, 0).Points = {{0.1L, 0}};
  facts.graphs = GraphDataOf(graphs);
  EXPECT_FALSE(deformed_enabled());  // one point is no curve
  deflection.CurveAt(framework::CurveList::kMain, 1).Points = {{0.1L, 0}, {0, 1}};
  facts.graphs = GraphDataOf(graphs);
  EXPECT_TRUE(deformed_enabled());

  facts.view3d_open = false;
  const MainWindowRules closed(model.Problem(), facts);
  EXPECT_FALSE(closed[Command::kShow3DMenu].visible);
  EXPECT_FALSE(closed[Command::kToolDeformedShape].visible);
}

}  // namespace
}  // namespace veldra::app::views
