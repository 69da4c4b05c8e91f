// The side view's windows, picture and depth read-out, built from problems set up
// through the model and checked in client pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "app/main_model.h"
#include "app/views/side_view_geometry.h"
#include "app/main_tables.h"

namespace veldra::app::views {
namespace {

namespace fw = veldra::framework;

// A client area in which the 480 in wall's ground line (y = 48 of a window from 0
// to 554.4) falls on a whole pixel: 1155 * 48 / 554.4 = 100.
constexpr ClientSize kClient{800, 1155};

// 80 increments of 6 in, 20 ft free height, two sand layers (10 ft and 50 ft).
void SetUpWall(TMainModel& model) {
  TProgramData& p = model.Problem();
  p.Increments = 80;
  p.IncrementLength = 6;
  p.WallHeight = 240;
  fw::TGridTable& soil = model.Table(app::SoilLayers::kName);
  soil.SetRowCount(2);
  const double bottoms[] = {10, 50};
  for (int r = 0; r < 2; ++r) {
    soil.Cell(0, r).SetInteger(4);
    soil.Cell(1, r).SetFloat(bottoms[r]);
    fw::TGridTable& parameters = *soil.Cell(2, r).AsTable();
    parameters.Cell(0, 1).SetFloat(110 + 10 * r);  // unit weight at the bottom
    parameters.Cell(1, 1).SetFloat(30 + 2 * r);    // friction angle at the bottom
  }
}

SideViewGeometry Activated(const SideViewInput& input, ClientSize client = kClient) {
  SideViewGeometry view;
  view.Resize(client);
  view.Activate(input);
  return view;
}

// The items of one shape and role, in painting order.
std::vector<SideViewItem> ItemsOf(const SideViewPicture& picture, SideViewShape shape, SideViewRole role) {
  std::vector<SideViewItem> found;
  for (const SideViewItem& item : picture.items)
    if (item.shape == shape && item.role == role) found.push_back(item);
  return found;
}

struct Line {
  ClientPoint from, to;
  int pen_width;
};
std::vector<Line> LinesOf(const SideViewPicture& picture, SideViewRole role) {
  std::vector<Line> lines;
  for (const SideViewItem& item : ItemsOf(picture, SideViewShape::kLine, role))
    lines.push_back({item.points.at(0), item.points.at(1), item.pen_width});
  return lines;
}

struct Text {
  ClientPoint at;
  int lines_below;
  std::string text;
};
std::vector<Text> TextsOf(const SideViewPicture& picture, SideViewRole role) {
  std::vector<Text> texts;
  for (const SideViewItem& item : ItemsOf(picture, SideViewShape::kText, role))
    texts.push_back({item.points.at(0), item.lines_below, item.text});
  return texts;
}

TEST(SideViewWindow, WallWithItsMarginFillsTheFittedWindow) {
  TMainModel model;
  SetUpWall(model);
  const SideViewGeometry view = Activated(SideViewInputOf(model));

  ASSERT_EQ(view.Outline().size(), 1u);
  const WorldQuad& wall = view.Outline()[0];
  EXPECT_DOUBLE_EQ(wall.corners[0].x, -6);  // H / 40
  EXPECT_DOUBLE_EQ(wall.corners[1].x, 6);
  EXPECT_DOUBLE_EQ(wall.corners[0].y, 48);   // the margin
  EXPECT_DOUBLE_EQ(wall.corners[2].y, 528);  // 480 in below it

  EXPECT_DOUBLE_EQ(view.Fitted().xmin, -6.3);
  EXPECT_DOUBLE_EQ(view.Fitted().xmax, 6.3);
  EXPECT_DOUBLE_EQ(view.Fitted().ymin, 0);  // the margin stays in sight
  EXPECT_DOUBLE_EQ(view.Fitted().ymax, 554.4);

  // A tall client keeps the depth range and widens x to equal world units.
  const WorldWindow& drawing = view.Drawing();
  EXPECT_DOUBLE_EQ(drawing.ymin, 0);
  EXPECT_DOUBLE_EQ(drawing.ymax, 554.4);
  EXPECT_NEAR((drawing.xmax - drawing.xmin) / kClient.width, (drawing.ymax - drawing.ymin) / kClient.height, 1e-12);
}

TEST(SideViewWindow, WideWindowKeepsXAndNarrowClientStretchesY) {
  const WorldWindow wide{-100, 100, 0, 10};
  const WorldWindow fitted = wide.FittedTo({100, 100});  // a = 1 / 20: y divided by it
  EXPECT_DOUBLE_EQ(fitted.xmin, -100);
  EXPECT_DOUBLE_EQ(fitted.xmax, 100);
  EXPECT_DOUBLE_EQ(fitted.ymin, 0);
  EXPECT_DOUBLE_EQ(fitted.ymax, 200);
}

TEST(SideViewWindow, DepthUnderTheMouse) {
  TMainModel model;
  SetUpWall(model);
  SideViewGeometry view = Activated(SideViewInputOf(model));
  EXPECT_EQ(view.DepthCaption({400, 100}), "  Depth: 0.0");    // the ground line
  EXPECT_EQ(view.DepthCaption({10, 1100}), "  Depth: 480.0");  // the tip
  EXPECT_EQ(view.DepthCaption({400, 0}), "  Depth: -48.0");    // the top of the margin
  EXPECT_EQ(view.DepthCaption({400, 550}), "  Depth: 216.0");  // 1155 px span 554.4 in
}

TEST(SideViewWindow, DegenerateWindowDrawsNothingAndReadsNoDepth) {
  TMainModel model;
  SetUpWall(model);
  struct Case {
    const char* what;
    int increments;
    double free_height;
    ClientSize client;
  } cases[] = {
      {"a wall of zero length", 0, 240, kClient},
      {"no free height: the wall has no width", 80, 0, kClient},
      {"an empty client area", 80, 240, {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    model.Problem().Increments = c.increments;
    model.Problem().WallHeight = c.free_height;
    const SideViewGeometry view = Activated(SideViewInputOf(model), c.client);
    EXPECT_TRUE(view.Degenerate());
    EXPECT_TRUE(view.Paint().items.empty());
    EXPECT_FALSE(view.DepthCaption({10, 10}).has_value());
  }
}

TEST(SideViewPicture, LevelBackfillIsHatchedAndASlopedOneRisesOutOfTheTopEdge) {
  TMainModel model;
  SetUpWall(model);
  struct Case {
    double slope;
    std::size_t hatches;
    std::size_t slope_lines;
  } cases[] = {{0, 5, 0}, {30, 0, 1}, {-10, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slope);
    model.Problem().BackfillSlope = c.slope;
    const SideViewPicture picture = Activated(SideViewInputOf(model)).Paint();
    const auto hatches = LinesOf(picture, SideViewRole::kHatch);
    ASSERT_EQ(hatches.size(), c.hatches);
    for (std::size_t k = 0; k < hatches.size(); ++k) {
      const int x = 100 + 20 * static_cast<int>(k + 1);
      EXPECT_EQ(hatches[k].from, (ClientPoint{x, 100}));
      EXPECT_EQ(hatches[k].to, (ClientPoint{x + 15, 105}));
    }
    const auto slopes = LinesOf(picture, SideViewRole::kBackfillSlope);
    ASSERT_EQ(slopes.size(), c.slope_lines);
    if (!slopes.empty()) {
      EXPECT_EQ(slopes[0].from, (ClientPoint{400, 100}));  // the top of the wall
      EXPECT_EQ(slopes[0].to.x, 200);                      // W / 4
      EXPECT_LT(slopes[0].to.y, 0);                        // beyond the top edge
      const double angle = std::atan2(slopes[0].from.y - slopes[0].to.y, slopes[0].from.x - slopes[0].to.x);
      EXPECT_NEAR(angle * 180 / std::numbers::pi, 30, 0.5);
    }
  }
}

TEST(SideViewPicture, LayersAtTheirDepthsBoundedByTheExcavationLevel) {
  TMainModel model;
  SetUpWall(model);
  const SideViewPicture picture = Activated(SideViewInputOf(model)).Paint();

  // 10 ft = 120 in below the ground (y 168: pixel 350); 50 ft = 600 in (y 648: pixel 1350).
  const auto boundaries = LinesOf(picture, SideViewRole::kLayerBoundary);
  ASSERT_EQ(boundaries.size(), 2u);
  EXPECT_EQ(boundaries[0].from, (ClientPoint{0, 350}));
  EXPECT_EQ(boundaries[0].to, (ClientPoint{400, 350}));  // above the excavation: backfill side only
  EXPECT_EQ(boundaries[1].from, (ClientPoint{0, 1350}));
  EXPECT_EQ(boundaries[1].to, (ClientPoint{800, 1350}));  // below it: both sides

  const auto names = TextsOf(picture, SideViewRole::kLayerName);
  const auto lines = TextsOf(picture, SideViewRole::kLayerParameters);
  ASSERT_EQ(names.size(), 2u);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(names[0].at, (ClientPoint{0, 100}));  // top of the first layer: the ground
  EXPECT_EQ(names[1].at, (ClientPoint{0, 350}));  // top of the second: the first's bottom
  EXPECT_EQ(names[1].text, "Sand");
  EXPECT_EQ(lines[1].at, names[1].at);
  EXPECT_EQ(lines[1].lines_below, 1);
  EXPECT_EQ(lines[1].text, "\u00f8= 32; gamma= 120");

  EXPECT_EQ(LinesOf(picture, SideViewRole::kExcavationLine)[0].from, (ClientPoint{400, 600}));  // 240 in
}

TEST(SideViewPicture, LayersOnlyWhenTheAnalysisUsesThem) {
  struct Case {
    const char* what;
    bool generate_py;
    int pressure_option;
    bool pressure_generated;
    bool drawn;
  } cases[] = {
      {"generated p-y curves", true, 2, false, true},
      {"user pressure with generated p-y curves", true, 1, false, true},
      {"user pressure and external p-y curves only", false, 1, false, false},
      {"trapezoidal pressure with external p-y curves, as loaded", false, 3, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TMainModel model;
    SetUpWall(model);
    TProgramData& p = model.Problem();
    p.GeneratePY = c.generate_py;
    p.SetEarthPressureOption(c.pressure_option);
    p.PressureGenerated = c.pressure_generated;
    const SideViewPicture picture = Activated(SideViewInputOf(model)).Paint();
    EXPECT_EQ(LinesOf(picture, SideViewRole::kLayerBoundary).empty(), !c.drawn);
    EXPECT_EQ(TextsOf(picture, SideViewRole::kLayerName).empty(), !c.drawn);
    // The ground line of the wall is there in any case.
    EXPECT_FALSE(LinesOf(picture, SideViewRole::kGroundLine).empty());
  }
}

TEST(SideViewPicture, ParametersShowAsTheTableShowsThem) {
  // 0.069444444 lb/in^3 from a file is 119.999999232 lb/ft^3 in the table.
  EXPECT_EQ(LayerLabelOf(4, {119.999999232, 32}).parameters, "\u00f8= 32; gamma= 120");
}

TEST(SideViewPicture, LayerNamesAndParameterLinesByType) {
  const std::vector<double> row = {120.5, 32, 250, 0.02};
  struct Case {
    int type;
    const char* name;
    const char* parameters;
  } cases[] = {
      {1, "Soft clay", "c= 32; gamma= 120.5"},
      {2, "Stiff clay w/free water", "c= 32; gamma= 120.5"},
      {3, "Stiff clay w/o free water", "c= 32; gamma= 120.5"},
      {4, "Sand", "\u00f8= 32; gamma= 120.5"},
      {5, "Silt", "\u00f8= 32; c= 250; gamma= 120.5"},
      {6, "Rock", "compressive strength= 32; gamma= 120.5"},
      {7, "Weak Rock", "compressive strength= 32; gamma= 120.5"},
      {8, "", ""},
  };
  for (const Case& c : cases) {
    const LayerLabel label = LayerLabelOf(c.type, row);
    EXPECT_EQ(label.name, c.name) << c.type;
    EXPECT_EQ(label.parameters, c.parameters) << c.type;
  }
}

TEST(SideViewPicture, SpringsBelowTheExcavationLevelAreNotDrawn) {
  TMainModel model;
  SetUpWall(model);
  TProgramData& p = model.Problem();
  p.SetApplyOption(ApplyOption::kSprings, true);
  fw::TGridTable& springs = model.Table(app::Springs::kName);
  springs.SetRowCount(3);
  const int starts[] = {10, 40, 60};  // 60 in, then 240 in (the excavation level), 360 in
  for (int r = 0; r < 3; ++r) springs.Cell(1, r).SetInteger(starts[r]);

  const auto drawn = LinesOf(Activated(SideViewInputOf(model)).Paint(), SideViewRole::kSpring);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].from, (ClientPoint{400, 225}));  // y 108 in
  EXPECT_EQ(drawn[0].to, (ClientPoint{480, 225}));    // 0.6 W
  EXPECT_EQ(drawn[0].pen_width, 5);

  p.SetApplyOption(ApplyOption::kSprings, false);
  EXPECT_TRUE(LinesOf(Activated(SideViewInputOf(model)).Paint(), SideViewRole::kSpring).empty());
}

TEST(SideViewPicture, RestraintsAndExternalCurvesAtTheirNodesWhenApplied) {
  TMainModel model;
  SetUpWall(model);
  TProgramData& p = model.Problem();
  model.Table(app::Restraints::kName).Cell(1, 0).SetInteger(80);  // the tip, y 528: pixel 1100
  fw::TGridTable& curves = model.Table(app::PYCurveSets::kName);
  curves.Cell(0, 0).SetInteger(20);  // 120 in: pixel 350
  curves.Cell(0, 1).SetInteger(40);  // 240 in: pixel 600

  // The tables hold rows while their options are off: nothing of them is drawn.
  SideViewPicture picture = Activated(SideViewInputOf(model)).Paint();
  EXPECT_TRUE(LinesOf(picture, SideViewRole::kRestraint).empty());
  EXPECT_TRUE(LinesOf(picture, SideViewRole::kExternalPY).empty());

  p.ApplyRestraints = true;
  p.ApplyExternalPY = true;
  picture = Activated(SideViewInputOf(model)).Paint();
  // From the wall's excavation face (x = H / 40 = 6 in), W / 50 long, with its head
  // strokes W / 100 above and below: outside the wall, where it can be seen.
  const int face = Activated(SideViewInputOf(model)).Drawing().ToClient({6, 0}, kClient).x;
  ASSERT_GT(face, 400);
  const auto restraint = LinesOf(picture, SideViewRole::kRestraint);
  ASSERT_EQ(restraint.size(), 3u);
  EXPECT_EQ(restraint[0].from, (ClientPoint{face, 1100}));
  EXPECT_EQ(restraint[0].to, (ClientPoint{face + 16, 1100}));
  EXPECT_EQ(restraint[1].to, (ClientPoint{face + 16, 1092}));
  EXPECT_EQ(restraint[2].to, (ClientPoint{face + 16, 1108}));
  const auto curve = LinesOf(picture, SideViewRole::kExternalPY);
  ASSERT_EQ(curve.size(), 8u);
  EXPECT_EQ(curve[0].from, (ClientPoint{400, 350}));
  EXPECT_EQ(curve[0].to, (ClientPoint{360, 350}));
  EXPECT_EQ(curve[4].from, (ClientPoint{400, 600}));
}

TEST(SideViewPicture, PlanViewOfFiveUnitsNeedsBothWidths) {
  TMainModel model;
  SetUpWall(model);
  TProgramData& p = model.Problem();
  p.ActiveWidth = 12;
  p.PYWidth = 9;
  const SideViewGeometry view = Activated(SideViewInputOf(model));
  const auto circles = ItemsOf(view.Paint(), SideViewShape::kCircle, SideViewRole::kPlanUnit);
  ASSERT_EQ(circles.size(), 5u);
  const WorldWindow& w = view.Drawing();
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(circles[static_cast<std::size_t>(k)].points.at(0), w.ToClient({70.0 + 24 * k, 400}, kClient));
    EXPECT_EQ(circles[static_cast<std::size_t>(k)].radius, std::lround(9 * kClient.width / (w.xmax - w.xmin)));
  }
  const auto labels = TextsOf(view.Paint(), SideViewRole::kPlanLabel);
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0].text, "side view");
  EXPECT_EQ(labels[0].at, (ClientPoint{400, 5}));
  EXPECT_EQ(labels[1].text, "top view");
  EXPECT_EQ(labels[1].at.x, w.ToClient({61, 0}, kClient).x);  // above the first unit's left

  p.PYWidth = 0;
  for (const SideViewItem& item : Activated(SideViewInputOf(model)).Paint().items)
    EXPECT_NE(item.shape, SideViewShape::kCircle);
}

}  // namespace
}  // namespace veldra::app::views
