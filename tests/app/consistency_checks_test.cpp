// The checks before a run: stiffness rows against the nodes, the backfill slope
// against friction angles, and the soil layering against the wall depth.
#include "app/run/consistency_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/main_model.h"
#include "tests/app/app_test_support.h"

namespace veldra::app::test {
namespace {

constexpr int kClay = 1, kSand = 4, kSilt = 5, kStrongRock = 6;

struct Layer {
  int type;
  double bottom;
  double top_second_column;     // friction angle of sand and silt, strength of clay and rock
  double bottom_second_column;
};

// An English problem of 40 increments of 6 in (a 20 ft wall), one stiffness row over
// the whole wall and generated p-y curves, with the given layers.
void Build(TProgramData& p, const std::vector<Layer>& layers) {
  p.SetUnits(1);
  p.Increments = 40;
  p.IncrementLength = 6;
  p.GeneratePY = true;
  fw::TGridTable& stiffness = p.Table(app::WallStiffness::kName);
  stiffness.SetRowCount(1);
  stiffness.Cell(0, 0).SetInteger(0);
  stiffness.Cell(1, 0).SetInteger(40);
  fw::TGridTable& soil = p.Table(app::SoilLayers::kName);
  soil.SetRowCount(static_cast<int>(layers.size()));
  for (int r = 0; r < soil.RowCount(); ++r) {
    const Layer& layer = layers[static_cast<std::size_t>(r)];
    soil.Cell(0, r).SetInteger(layer.type);
    soil.Cell(1, r).SetFloat(layer.bottom);
    fw::TGridTable& parameters = *soil.Cell(2, r).AsTable();
    parameters.Cell(1, 0).SetFloat(layer.top_second_column);
    parameters.Cell(1, 1).SetFloat(layer.bottom_second_column);
  }
}

struct Case {
  const char* name;
  std::vector<Layer> layers;
  std::function<void(TProgramData&)> change;
  std::string message;  // empty: the problem passes
};

TEST(ConsistencyChecks, FirstFailingCheckGivesItsMessage) {
  const std::vector<Layer> sand = {{kSand, 30, 30, 30}};
  const Case cases[] = {
      {"stiffness row from 0 to N passes", sand, [](TProgramData&) {}, ""},
      {"stiffness row to N + 1", sand, [](TProgramData& p) { p.Table(app::WallStiffness::kName).Cell(1, 0).SetInteger(41); },
       "End Node, 41 in row 1 of Wall Stiffness definition\ris greater than number of nodes defined, 40.\r"
       "Please check on Wall Properties Windows and Wall Stiffness Table"},
      {"start beyond N is named before the end", sand,
       [](TProgramData& p) {
         fw::TGridTable& t = p.Table(app::WallStiffness::kName);
         t.SetRowCount(2);
         t.Cell(0, 1).SetInteger(41);
         t.Cell(1, 1).SetInteger(45);
       },
       "Initial Node, 41 in row 2 of Wall Stiffness definition\ris greater than number of nodes defined, 40.\r"
       "Please check on Wall Properties Windows and Wall Stiffness Table"},
      {"slope equal to the friction angle passes", sand, [](TProgramData& p) { p.BackfillSlope = 30; }, ""},
      {"slope of 30.5 over a sand of 30", sand, [](TProgramData& p) { p.BackfillSlope = 30.5; },
       "Slope of the Backfill: 30.5 deg.\ris greater than friction angle, 30 deg.,\rin layer 1\r"
       "Please check on Wall Configuration and Soil Layers Windows"},
      {"silt in the second layer", {{kSand, 10, 35, 35}, {kSilt, 30, 22.5, 40}},
       [](TProgramData& p) { p.BackfillSlope = 25; },
       "Slope of the Backfill: 25\ris greater than friction angle, 22.5,\rin layer 2\rPlease check Soil Layers"},
      {"the top of the layer decides, not its bottom", {{kSand, 30, 35, 20}},
       [](TProgramData& p) { p.BackfillSlope = 25; }, ""},
      {"clay and rock are never compared", {{kClay, 10, 2, 2}, {kStrongRock, 30, 5, 5}},
       [](TProgramData& p) { p.BackfillSlope = 60; }, ""},
      {"no slope, no comparison", {{kSand, 30, 0, 0}}, [](TProgramData& p) { p.BackfillSlope = 0; }, ""},
      {"layering shallower than the wall, in feet", {{kSand, 12.5, 30, 30}}, [](TProgramData&) {},
       "Depth of Bottom of Soil Layering: 12.5 ft\rshould extend at least below Depth of Wall: 20 ft\r"
       "Please check Soil Layer Data and/or Wall Properties Windows"},
      {"the last layer's bottom is the profile's", {{kSand, 25, 30, 30}, {kSand, 20, 30, 30}},
       [](TProgramData&) {}, ""},
      {"no depth check without generated soil", {{kSand, 12.5, 30, 30}},
       [](TProgramData& p) {
         p.SetGeneratePY(false);
         p.PressureGenerated = false;
       },
       ""},
      {"a user distribution never generates pressure, whatever the file said", {{kSand, 12.5, 30, 30}},
       [](TProgramData& p) {
         p.SetGeneratePY(false);
         p.PressureGenerated = true;  // left by a file with generated pressure
       },
       ""},
      {"generated pressure alone asks for the depth", {{kSand, 12.5, 30, 30}},
       [](TProgramData& p) {
         p.GeneratePY = false;
         p.SetEarthPressureOption(2);
         p.PressureGenerated = true;
       },
       "Depth of Bottom of Soil Layering: 12.5 ft\rshould extend at least below Depth of Wall: 20 ft\r"
       "Please check Soil Layer Data and/or Wall Properties Windows"},
      {"SI compares metres as they stand", {{kSand, 30, 30, 30}},
       [](TProgramData& p) {
         p.SetUnits(2);  // converts the table's depths; the values below are metres
         p.IncrementLength = 0.2;  // 8 m
         p.Table(app::SoilLayers::kName).Cell(1, 0).SetFloat(7.25);
       },
       "Depth of Bottom of Soil Layering: 7.25 m\rshould extend at least below Depth of Wall: 8 m\r"
       "Please check Soil Layer Data and/or Wall Properties Windows"},
      {"every check failing names the stiffness", {{kSand, 5, 10, 10}},
       [](TProgramData& p) {
         p.BackfillSlope = 20;
         p.Table(app::WallStiffness::kName).Cell(1, 0).SetInteger(50);
       },
       "End Node, 50 in row 1 of Wall Stiffness definition\ris greater than number of nodes defined, 40.\r"
       "Please check on Wall Properties Windows and Wall Stiffness Table"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TMainModel model;
    TProgramData& p = model.Problem();
    Build(p, c.layers);
    c.change(p);
    const std::optional<std::string> message = FirstInconsistency(p);
    EXPECT_EQ(message.value_or(""), c.message);
  }
}

}  // namespace
}  // namespace veldra::app::test
