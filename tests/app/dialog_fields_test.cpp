// What the wall dialogs show and how their entries reach the problem.
#include "app/dialog_fields.h"

#include <gtest/gtest.h>

#include "app/main_model.h"

namespace veldra::app {
namespace {

TEST(WallDialogs, EnglishUnitsShowFeetAndPerSquareFoot) {
  TMainModel model;
  TProgramData& p = model.Problem();
  Edited<WallConfigurationFields> entered;
  entered.free_height = 20;         // ft
  entered.water_depth_backfill = 5;  // ft
  entered.uniform_surcharge = 144;  // lbs/ft^2
  entered.active_width = 30;        // in, shown as stored
  EXPECT_TRUE(CommitWallConfiguration(p, entered));
  EXPECT_EQ(p.WallHeight, 240);
  EXPECT_EQ(p.WaterDepthBackfill, 60);
  EXPECT_EQ(p.UniformSurcharge, 1);
  EXPECT_EQ(p.ActiveWidth, 30);
  // The same free height in the other dialog.
  EXPECT_EQ(ShownWallProperties(p).free_height, 20);
  EXPECT_EQ(ShownWallConfiguration(p).uniform_surcharge, 144);
}

TEST(WallDialogs, OtherSystemsShowTheStoredValues) {
  for (int units : {2, 3}) {
    TMainModel model;
    TProgramData& p = model.Problem();
    p.SetUnits(units);
    Edited<WallConfigurationFields> entered;
    entered.free_height = 6.5;
    entered.uniform_surcharge = 12.5;
    CommitWallConfiguration(p, entered);
    EXPECT_EQ(p.WallHeight, 6.5L) << units;
    EXPECT_EQ(p.UniformSurcharge, 12.5L) << units;
    EXPECT_EQ(ShownWallConfiguration(p).free_height, 6.5L) << units;
  }
}

TEST(WallDialogs, FieldsNotEditedLeaveTheStoredValues) {
  TMainModel model;
  TProgramData& p = model.Problem();
  // Values that no 18-digit field text gives back exactly.
  p.WallHeight = 100;  // 8.333... ft
  p.IncrementLength = 1.0L / 3;
  p.Increments = 60;
  const WallPropertiesFields shown = ShownWallProperties(p);
  EXPECT_EQ(shown.increments, 60);
  EXPECT_FALSE(CommitWallProperties(p, {}));
  EXPECT_EQ(p.WallHeight, 100);
  EXPECT_EQ(p.IncrementLength, 1.0L / 3);

  Edited<WallPropertiesFields> entered;
  entered.increments = 80;
  entered.max_deflection = 2.5;
  EXPECT_TRUE(CommitWallProperties(p, entered));
  EXPECT_EQ(p.Increments, 80);
  EXPECT_EQ(p.MaxDeflection, 2.5L);
  EXPECT_EQ(p.WallHeight, 100);
  // The same value again is no change.
  EXPECT_FALSE(CommitWallProperties(p, entered));
}

TEST(WallDialogs, PressureFieldsOnlyWithGeneratedPressure) {
  TMainModel model;
  TProgramData& p = model.Problem();
  for (int option : {1, 2, 3}) {
    p.SetEarthPressureOption(option);
    EXPECT_EQ(PressureFieldsEnabled(p), option > 1) << option;
  }
}

}  // namespace
}  // namespace veldra::app
