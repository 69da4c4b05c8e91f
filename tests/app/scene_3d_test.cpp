// The 3D scene: what it reads of the problem and the results, its extents and base
// scale, and where its parts lie in the world (feet or metres, z up, the backfill
// at negative x).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <vector>

#include "app/main_model.h"
#include "app/plot_data_reader.h"
#include "app/problem_files.h"
#include "app/views/scene_3d.h"
#include "framework/main_graphs.h"
#include "app/main_tables.h"
#include "tests/app/app_test_support.h"
#include "veldra/engine.h"

namespace veldra::app::views {
namespace {

namespace fs = std::filesystem;
namespace fw = veldra::framework;
using test::ExampleFile;
using test::TempDir;

// 90 increments of 6 in (45 ft), 30 ft free height, 12 in widths, two layers.
void SetUpWall(TMainModel& model) {
  TProgramData& p = model.Problem();
  p.Increments = 90;
  p.IncrementLength = 6;
  p.WallHeight = 360;
  p.ActiveWidth = 12;
  p.PYWidth = 12;
  fw::TGridTable& soil = model.Table(app::SoilLayers::kName);
  soil.SetRowCount(2);
  soil.Cell(0, 0).SetInteger(4);
  soil.Cell(1, 0).SetFloat(15);
  soil.Cell(0, 1).SetInteger(4);
  soil.Cell(1, 1).SetFloat(40);
}

void AddStripLoad(TMainModel& model, double distance_in, double width_in) {
  model.Problem().ApplySurcharge = true;
  fw::TGridTable& table = model.Table(app::Surcharges::kName);
  table.SetRowCount(1);
  table.Cell(0, 0).SetInteger(3);
  table.Cell(1, 0).SetFloat(2.5);
  table.Cell(2, 0).SetFloat(distance_in);
  table.Cell(3, 0).SetFloat(width_in);
}

// Every vertex of a part.
std::vector<Vec3> VerticesOf(const ScenePart& part) {
  std::vector<Vec3> all;
  for (const SceneBatch& batch : part.batches) all.insert(all.end(), batch.vertices.begin(), batch.vertices.end());
  return all;
}

std::vector<Vec3> VerticesOf(const ScenePart& part, const Rgba& colour) {
  std::vector<Vec3> all;
  for (const SceneBatch& batch : part.batches)
    if (batch.colour == colour) all.insert(all.end(), batch.vertices.begin(), batch.vertices.end());
  return all;
}

struct Range {
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();
};
Range XRange(const std::vector<Vec3>& vertices) {
  Range r;
  for (const Vec3& v : vertices) {
    r.low = std::min(r.low, v.x);
    r.high = std::max(r.high, v.x);
  }
  return r;
}
Range ZRange(const std::vector<Vec3>& vertices) {
  Range r;
  for (const Vec3& v : vertices) {
    r.low = std::min(r.low, v.z);
    r.high = std::max(r.high, v.z);
  }
  return r;
}

TEST(SceneExtents, WallWithAndWithoutSurcharges) {
  struct Case {
    const char* what;
    double active_width, py_width;  // in
    bool strip;                     // a strip 20 ft out, 10 ft wide
    bool apply;
    // ft; pixels per ft in 800 x 600, where the height is the depth and 4 symbol
    // sizes above the wall (45 ft + 4.5 ft without surcharges)
    double width, thickness, b, d, bottom, scale;
  } cases[] = {
      {"no surcharge", 12, 12, false, false, 1, 0.1, 5, 12.5, 45, 550 / 49.5},
      {"a strip load reaching 25 ft", 12, 12, true, true, 1, 0.1, 5, 25 / 0.9, 45, 550 / (50 / 0.9)},
      {"the strip load's option off", 12, 12, true, false, 1, 0.1, 5, 12.5, 45, 550 / 49.5},
      {"no widths: a tenth of the length", 0, 0, false, false, 4.5, 0.45, 22.5, 56.25, 45, 550 / 112.5},
      {"widths that differ: a quarter of the p-y width", 12, 24, false, false, 1, 0.5, 5, 12.5, 45, 550 / 49.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TMainModel model;
    SetUpWall(model);
    model.Problem().ActiveWidth = c.active_width;
    model.Problem().PYWidth = c.py_width;
    if (c.strip) AddStripLoad(model, 240, 120);
    model.Problem().ApplySurcharge = c.apply;
    fw::TMainGraphs graphs;
    const SceneExtents e = ComputeExtents(SceneInputOf(model, graphs));
    EXPECT_DOUBLE_EQ(e.length, 45);
    EXPECT_DOUBLE_EQ(e.width, c.width);
    EXPECT_DOUBLE_EQ(e.thickness, c.thickness);
    EXPECT_DOUBLE_EQ(e.half_width, c.b);
    EXPECT_DOUBLE_EQ(e.half_length, c.d);
    EXPECT_DOUBLE_EQ(e.bottom, c.bottom);
    EXPECT_NEAR(BaseScale(e, {800, 600}), c.scale, 1e-12);
  }
}

TEST(SceneExtents, TiebacksWidenAndSlopesRaiseTheScene) {
  TMainModel model;
  SetUpWall(model);
  TProgramData& p = model.Problem();
  fw::TMainGraphs graphs;
  // A 30 ft tieback at 15 degrees ends in the ground drawn, at nine tenths of d.
  p.ApplyTiebacks = true;
  fw::TGridTable& tiebacks = model.Table(app::Tiebacks::kName);
  tiebacks.Cell(0, 0).SetFloat(8);
  tiebacks.Cell(3, 0).SetFloat(30);
  tiebacks.Cell(4, 0).SetFloat(15);
  SceneExtents e = ComputeExtents(SceneInputOf(model, graphs));
  EXPECT_NEAR(e.half_length, (0.05 + 30 * std::cos(15 * M_PI / 180)) / 0.9, 1e-12);
  // Above the wall: room for the axes and load arrows; a sloped backfill rises higher.
  EXPECT_DOUBLE_EQ(e.SymbolSize(), 2 * e.half_length / 40);
  EXPECT_DOUBLE_EQ(e.top, 4 * e.SymbolSize());
  p.BackfillSlope = 30;
  e = ComputeExtents(SceneInputOf(model, graphs));
  EXPECT_NEAR(e.top, (e.half_length - 0.05) * std::tan(30 * M_PI / 180), 1e-12);
  EXPECT_DOUBLE_EQ(e.LargestExtent(), std::max(2 * e.half_length, e.bottom + e.top));
}

TEST(SceneExtents, DeepestLayerAndSIUnits) {
  TMainModel model;
  SetUpWall(model);
  model.Table(app::SoilLayers::kName).Cell(1, 1).SetFloat(60);  // below the tip
  fw::TMainGraphs graphs;
  EXPECT_DOUBLE_EQ(ComputeExtents(SceneInputOf(model, graphs)).bottom, 60);

  // SI: metres throughout, the surcharge's distance and width in millimetres.
  TMainModel si;
  TProgramData& p = si.Problem();
  p.SetUnits(2);
  p.Increments = 40;
  p.IncrementLength = 0.25;
  p.WallHeight = 6;
  p.ActiveWidth = 0.6;
  p.PYWidth = 0.6;
  AddStripLoad(si, 9000, 2000);
  const SceneInput in = SceneInputOf(si, graphs);
  ASSERT_EQ(in.surcharges.size(), 1u);
  EXPECT_DOUBLE_EQ(in.surcharges[0].distance, 9);
  EXPECT_DOUBLE_EQ(in.surcharges[0].width, 2);
  const SceneExtents e = ComputeExtents(in);
  EXPECT_DOUBLE_EQ(e.length, 10);
  EXPECT_DOUBLE_EQ(e.width, 0.6);
  EXPECT_DOUBLE_EQ(e.half_length, 10 / 0.9);
}

TEST(SceneParts, LayersAtTheirDepthsAndOnlyBackfillAboveTheExcavation) {
  TMainModel model;
  SetUpWall(model);
  model.Problem().BackfillSlope = 20;
  fw::TMainGraphs graphs;
  const SceneInput in = SceneInputOf(model, graphs);
  const SceneExtents e = ComputeExtents(in);
  const Scene3D scene = BuildScene(in, e, SceneOptions());
  const ScenePart& soil = scene.Part(ScenePartId::kSoilLayers);

  // Layer 1 (0 to 15 ft) lies wholly above the 30 ft excavation level: backfill
  // side only, topped by the slope's wedge.
  const auto first = VerticesOf(soil, LayerColour(0));
  EXPECT_DOUBLE_EQ(XRange(first).high, -e.thickness / 2);
  EXPECT_DOUBLE_EQ(XRange(first).low, -e.half_length);
  EXPECT_DOUBLE_EQ(ZRange(first).low, -15);
  EXPECT_NEAR(ZRange(first).high, (e.half_length - e.thickness / 2) * std::tan(20 * M_PI / 180), 1e-12);
  // Layer 2 (15 to 40 ft): both sides, the excavation side from 30 ft down.
  const auto second = VerticesOf(soil, LayerColour(1));
  EXPECT_DOUBLE_EQ(ZRange(second).low, -40);
  EXPECT_DOUBLE_EQ(ZRange(second).high, -15);
  EXPECT_DOUBLE_EQ(XRange(second).high, e.half_length);
  for (const Vec3& v : second)
    if (v.x > 0) {
      EXPECT_LE(v.z, -30);
    }

  // The water tables at 35 ft and 40 ft: planes on their sides of the wall.
  model.Problem().WaterDepthBackfill = 420;
  model.Problem().WaterDepthExcavation = 480;
  const Scene3D wet = BuildScene(SceneInputOf(model, graphs), e, SceneOptions());
  const auto planes = VerticesOf(wet.Part(ScenePartId::kWaterLevel));
  ASSERT_FALSE(planes.empty());
  for (const Vec3& v : planes) EXPECT_DOUBLE_EQ(v.z, v.x < 0 ? -35 : -40);

  // Without the soil's flag, or without layers in use, nothing of them; nor of the
  // water tables, which only the soil profile uses.
  SceneOptions hidden;
  hidden.show[static_cast<std::size_t>(ShowItem::kSoilLayers)] = false;
  EXPECT_TRUE(BuildScene(in, e, hidden).Part(ScenePartId::kSoilLayers).batches.empty());
  model.Problem().GeneratePY = false;
  model.Problem().SetEarthPressureOption(1);
  const Scene3D without = BuildScene(SceneInputOf(model, graphs), e, SceneOptions());
  EXPECT_TRUE(without.Part(ScenePartId::kSoilLayers).batches.empty());
  EXPECT_TRUE(without.Part(ScenePartId::kWaterLevel).batches.empty());
}

TEST(SceneParts, TiebacksAtTheirDepthAndRepeatedAtTheirSpacing) {
  TMainModel model;
  SetUpWall(model);
  model.Problem().ApplyTiebacks = true;
  fw::TGridTable& table = model.Table(app::Tiebacks::kName);
  table.SetRowCount(1);
  table.Cell(0, 0).SetFloat(8);   // depth, ft
  table.Cell(3, 0).SetFloat(30);  // unbonded length, ft
  table.Cell(4, 0).SetFloat(15);  // degrees below the horizontal
  fw::TMainGraphs graphs;

  struct Case {
    double spacing;
    std::size_t rods;  // across the 10 ft slice
  } cases[] = {{8, 1}, {2, 5}, {0, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.spacing);
    table.Cell(5, 0).SetFloat(c.spacing);
    const SceneInput in = SceneInputOf(model, graphs);
    const SceneExtents e = ComputeExtents(in);
    const auto rods = VerticesOf(BuildScene(in, e, SceneOptions()).Part(ScenePartId::kTiebacks), {0.5f, 0.75f, 0.75f});
    ASSERT_EQ(rods.size(), 2 * c.rods);
    // From the excavation face at 8 ft into the backfill, down at 15 degrees.
    const Vec3& head = rods[0];
    const Vec3& end = rods[1];
    EXPECT_DOUBLE_EQ(head.x, e.thickness / 2);
    EXPECT_DOUBLE_EQ(head.z, -8);
    EXPECT_NEAR(end.x, -e.thickness / 2 - 30 * std::cos(15 * M_PI / 180), 1e-12);
    EXPECT_NEAR(end.z, -8 - 30 * std::sin(15 * M_PI / 180), 1e-12);
  }
  model.Problem().ApplyTiebacks = false;
  EXPECT_TRUE(SceneInputOf(model, graphs).tiebacks.empty());
}

TEST(SceneParts, DeformedWallMovesEachNodeByItsDeflectionTimesTheFactor) {
  SceneInput in;
  in.increments = 4;
  in.increment_length = 1;
  in.active_width = 0.5;
  in.py_width = 0.5;
  in.deflections = {0.2, 0.1, 0, -0.05, -0.1};  // towards the excavation at the top
  const SceneExtents e = ComputeExtents(in);
  const double t = e.thickness / 2;

  SceneOptions options;
  options.deformed = true;
  options.deformation_factor = 10;
  const auto wall = VerticesOf(BuildScene(in, e, options).Part(ScenePartId::kWall));
  for (int node = 0; node <= 4; ++node) {
    Range x;
    for (const Vec3& v : wall) {
      if (std::abs(v.z + node) < 1e-12) {
        x.low = std::min(x.low, v.x);
        x.high = std::max(x.high, v.x);
      }
    }
    EXPECT_NEAR(x.low, 10 * in.deflections[static_cast<std::size_t>(node)] - t, 1e-12) << node;
    EXPECT_NEAR(x.high, 10 * in.deflections[static_cast<std::size_t>(node)] + t, 1e-12) << node;
  }

  // Undeformed: straight; with "Show Undeformed Model" the straight wall is drawn too.
  EXPECT_NEAR(XRange(VerticesOf(BuildScene(in, e, SceneOptions()).Part(ScenePartId::kWall))).high, t, 1e-12);
  options.undeformed = true;
  const auto both = VerticesOf(BuildScene(in, e, options).Part(ScenePartId::kWall), {0.9f, 0.9f, 0.9f});
  EXPECT_NEAR(XRange(both).high, t, 1e-12);
  EXPECT_NEAR(XRange(both).low, -t, 1e-12);
}

TEST(SceneParts, NodeRangesOfRows) {
  using R = SceneInput::NodeRange;
  const std::vector<R> rows = {{false, 2, 4}, {true, 6, 7}, {false, 9, 10}, {false, -5, 3}, {false, 200, 300}};
  EXPECT_EQ(RowNodes(rows, 0, 20), (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(RowNodes(rows, 1, 20), (std::vector<int>{6, 7, 8, 9, 10}));  // to the next row's end
  EXPECT_EQ(RowNodes(rows, 3, 20), (std::vector<int>{0, 1, 2, 3}));      // within the wall
  EXPECT_TRUE(RowNodes(rows, 4, 20).empty());                            // below the tip
  // A mistyped range over a huge wall is thinned, not drawn node by node.
  const std::vector<R> huge = {{false, 0, 2000000000}};
  const auto nodes = RowNodes(huge, 0, 2000000000);
  EXPECT_LE(nodes.size(), 401u);
  EXPECT_EQ(nodes.front(), 0);
}

TEST(SceneInput, DeflectionsOfTheCurrentStageInWorldUnits) {
  TMainModel model;
  TProgramData& p = model.Problem();
  p.Increments = 2;
  p.IncrementLength = 60;  // 5 ft
  fw::TMainGraphs graphs;
  EXPECT_TRUE(SceneInputOf(model, graphs).deflections.empty());  // no results

  // Two result sets; depths in feet, deflections in inches. The second set's
  // points lie between the nodes.
  graphs.pltDef.SetCurveCount(fw::CurveList::kMain, 2);
  graphs.pltDef.CurveAt(fw::CurveList::kMain, 0).Points = {{1.2L, 0}, {0.6L, 5}, {0, 10}};
  graphs.pltDef.CurveAt(fw::CurveList::kMain, 1).Points = {{2.4L, 0}, {0, 10}};
  std::vector<double> first = SceneInputOf(model, graphs).deflections;
  ASSERT_EQ(first.size(), 3u);
  EXPECT_NEAR(first[0], 0.1, 1e-15);
  EXPECT_NEAR(first[1], 0.05, 1e-15);
  EXPECT_NEAR(first[2], 0, 1e-15);

  p.StageCount = 2;
  p.CurrentStage = 2;
  const std::vector<double> second = SceneInputOf(model, graphs).deflections;
  ASSERT_EQ(second.size(), 3u);
  EXPECT_NEAR(second[0], 0.2, 1e-15);
  EXPECT_NEAR(second[1], 0.1, 1e-15);  // halfway down the second curve
}

// The anchored example in layered sand, analysed: tiebacks at 8 ft and 20 ft
// (nodes 16 and 40), layers to 15 ft and 60 ft, and the top of the wall moving
// towards the excavation by the report's 0.0952 in.
TEST(SceneOfAnExample, AnchoredWallInLayeredSand) {
  TempDir dir;
  const fs::path data = dir / "wall.vd5d";
  fs::copy_file(ExampleFile("anchored-wall-generated-soil.vd5d"), data);
  RunPaths paths;
  paths.data = data;
  paths.report = dir / "wall.vd5o";
  paths.plot = dir / "wall.vd5p";
  paths.notes = dir / "wall.vd5r";
  ASSERT_EQ(run_analysis(paths).outcome, RunOutcome::Finished);
  TMainModel model;
  ASSERT_TRUE(OpenProblem(model, data, kFormatCurrent).load.complete);
  fw::TMainGraphs graphs;
  ASSERT_TRUE(ReadPlotData(graphs, paths.plot, true, PlotDataContextOf(model)).complete);

  const SceneInput in = SceneInputOf(model, graphs);
  ASSERT_EQ(in.tiebacks.size(), 2u);
  EXPECT_DOUBLE_EQ(in.tiebacks[0].depth, 16 * in.increment_length);
  EXPECT_DOUBLE_EQ(in.tiebacks[1].depth, 40 * in.increment_length);
  EXPECT_EQ(in.layer_bottoms, (std::vector<double>{15, 60}));
  ASSERT_EQ(in.deflections.size(), 91u);
  EXPECT_NEAR(in.deflections[0] * 12, 0.0952, 0.00005);
  EXPECT_NEAR(in.deflections[16] * 12, -0.0630, 0.00005);  // held back by the upper tieback
  EXPECT_NEAR(in.deflections[90] * 12, 0.0114, 0.00005);
}

}  // namespace
}  // namespace veldra::app::views
