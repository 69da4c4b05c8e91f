// The current problem: defaults, unit switches, option toggles, the values derived
// at a save, and the modified state.
#include "app/program_data.h"

#include <gtest/gtest.h>

#include <string>

#include "app/data_file_writer.h"
#include "app/main_model.h"
#include "app/main_tables.h"
#include "tests/app/app_test_support.h"

namespace veldra::app::test {
namespace {

TEST(NewProblem, HasTheDefaults) {
  TMainModel model;
  const TProgramData& p = model.Problem();
  EXPECT_EQ(p.Title, "New Wall");
  EXPECT_EQ(p.FileName, "NewWall.vd5d");
  EXPECT_EQ(p.UnitSystem, 1);
  EXPECT_EQ(p.Increments, 0);
  EXPECT_EQ(p.IncrementLength, 0);
  EXPECT_EQ(p.MaxDeflection, 100);
  EXPECT_EQ(p.ClosureTolerance, 0.00001L);
  EXPECT_EQ(p.ActiveFactor, 1);
  EXPECT_EQ(p.ConfigurationCode, 1);
  EXPECT_EQ(p.EarthPressureOption, 2);
  EXPECT_FALSE(p.UserPressure);
  EXPECT_FALSE(p.PressureGenerated);
  EXPECT_TRUE(p.GeneratePY);
  for (bool flag : {p.ApplyExternalPY, p.ApplyEICurves, p.ApplyPYModification, p.ApplyConcentratedLoads,
                    p.ApplySprings, p.ApplyTiebacks, p.ApplySurcharge, p.ApplyRestraints, p.LongTermMode})
    EXPECT_FALSE(flag);
  EXPECT_EQ(p.StageCount, 1);
  EXPECT_EQ(p.CurrentStage, 1);
  EXPECT_TRUE(p.Has2013Records);
  EXPECT_TRUE(p.Has2015Records);
  EXPECT_FALSE(model.IsModified());
  // The stiffness table has one row from node 0 to node 1.
  const fw::TGridTable& stiffness = model.Table(WallStiffness::kName);
  ASSERT_EQ(stiffness.RowCount(), 1);
  EXPECT_EQ(stiffness.Cell(0, 0).AsInteger(), 0);
  EXPECT_EQ(stiffness.Cell(1, 0).AsInteger(), 1);
}

TEST(NewProblem, ReplacesTheDataOfTheProblemBefore) {
  TMainModel model;
  BuildFullProblem(model, 2, 3, false);
  model.SetModified(true);
  model.NewProblem();
  EXPECT_EQ(model.Problem().UnitSystem, 1);
  EXPECT_EQ(model.Problem().WallHeight, 0);
  EXPECT_FALSE(model.IsModified());
  for (const char* name : ModelTables()) {
    const fw::TGridTable& table = model.Table(name);
    EXPECT_EQ(table.RowCount(), table.MinRows()) << name;
    EXPECT_EQ(table.Units(), 1) << name;
  }
}

TEST(UnitSwitch, EnglishToSIAndBackIsNotExact) {
  TMainModel model;
  TProgramData& p = model.Problem();
  p.WallHeight = 100;
  p.SetUnits(2);
  EXPECT_NEAR(static_cast<double>(p.WallHeight), 2.54, 1e-15);
  p.SetUnits(1);
  // The factors back to English are rounded to four decimals.
  EXPECT_NEAR(static_cast<double>(p.WallHeight), 100.000054, 1e-9);
  EXPECT_NE(p.WallHeight, 100);
}

TEST(UnitSwitch, ConvertsTheScalarsByTheirKind) {
  TMainModel model;
  TProgramData& p = model.Problem();
  p.IncrementLength = 1;
  p.UniformSurcharge = 1;
  p.LegacySurcharge = {1, 1, 1, 1, 1};
  p.ActiveFactor = 1.5;
  p.BackfillSlope = 10;
  p.SetUnits(2);
  const double L = 0.0254, F = 0.004448222468060650624;
  EXPECT_NEAR(static_cast<double>(p.IncrementLength), L, 1e-15);
  EXPECT_NEAR(static_cast<double>(p.UniformSurcharge), F / (L * L), 1e-9);
  EXPECT_NEAR(static_cast<double>(p.LegacySurcharge.distance), L, 1e-15);
  EXPECT_NEAR(static_cast<double>(p.LegacySurcharge.strip_width), L, 1e-15);
  EXPECT_NEAR(static_cast<double>(p.LegacySurcharge.point_load), F, 1e-15);
  EXPECT_NEAR(static_cast<double>(p.LegacySurcharge.line_load), F / L, 1e-12);
  EXPECT_NEAR(static_cast<double>(p.LegacySurcharge.strip_load), F / (L * L), 1e-9);
  // Pure numbers and angles stay.
  EXPECT_EQ(p.ActiveFactor, 1.5L);
  EXPECT_EQ(p.BackfillSlope, 10);
  EXPECT_EQ(model.Table(SoilLayers::kName).Units(), 2);
}

TEST(UnitSwitch, SurchargeMagnitudesFollowTheirLoadType) {
  TMainModel model;
  TProgramData& p = model.Problem();
  fw::TGridTable& surcharges = p.Table(Surcharges::kName);
  surcharges.SetRowCount(3);
  for (int r = 0; r < 3; ++r) {
    surcharges.Cell(Surcharges::kLoadType, r).SetInteger(r + 1);  // point, line, strip
    surcharges.Cell(Surcharges::kMagnitude, r).SetFloat(1);
    surcharges.Cell(Surcharges::kDistance, r).SetFloat(100);
  }
  // The scalars of the same kinds, converted by the same switch.
  p.LegacySurcharge.point_load = 1;
  p.LegacySurcharge.line_load = 1;
  p.UniformSurcharge = 1;
  const auto magnitude = [&](int row) { return surcharges.Cell(Surcharges::kMagnitude, row).AsFloat(); };

  p.SetUnits(2);
  const EntryNumber F = 0.004448222468060650624L, L = 0.0254L;
  EXPECT_EQ(magnitude(0), F);            // lb -> kN
  EXPECT_EQ(magnitude(1), F / L);        // lb/in -> kN/m, 0.17512687
  EXPECT_EQ(magnitude(2), F / (L * L));  // lb/in^2 -> kN/m^2, 6.8947586
  // The distance converts by its column (in -> mm).
  EXPECT_NEAR(static_cast<double>(surcharges.Cell(Surcharges::kDistance, 0).AsFloat()), 2540, 1e-6);

  // Every converted value of a switch uses the same F and L, either way: a strip
  // load equals the uniform surcharge of the same pressure.
  for (int units : {1, 2, 1}) {
    SCOPED_TRACE(units);
    p.SetUnits(units);
    EXPECT_EQ(magnitude(0), p.LegacySurcharge.point_load);
    EXPECT_EQ(magnitude(1), p.LegacySurcharge.line_load);
    EXPECT_EQ(magnitude(2), p.UniformSurcharge);
  }
  // SI to English: 1 kN/m^2 is 224.8089 / 39.3701^2 lb/in^2, the factors given to
  // four decimals.
  p.SetUnits(2);
  surcharges.Cell(Surcharges::kMagnitude, 2).SetFloat(1);
  p.SetUnits(1);
  EXPECT_EQ(magnitude(2), 224.8089L / (39.3701L * 39.3701L));
}

TEST(UnitSwitch, OtherUnitsOnlyRelabel) {
  for (const auto& [from, to] : {std::pair{1, 3}, std::pair{3, 2}, std::pair{2, 3}, std::pair{3, 1}, std::pair{2, 2}}) {
    SCOPED_TRACE(std::to_string(from) + " -> " + std::to_string(to));
    TMainModel model;
    TProgramData& p = model.Problem();
    p.SetUnits(from);
    p.WallHeight = 100;
    p.UniformSurcharge = 5;
    fw::TGridTable& surcharges = p.Table(Surcharges::kName);
    surcharges.Cell(0, 0).SetInteger(3);
    surcharges.Cell(1, 0).SetFloat(7);
    fw::TGridTable& curve = *p.Table(PYCurveSets::kName).Cell(1, 0).AsTable();
    curve.Cell(0, 0).SetFloat(2);
    p.SetUnits(to);
    EXPECT_EQ(p.UnitSystem, to);
    EXPECT_EQ(p.WallHeight, 100);
    EXPECT_EQ(p.UniformSurcharge, 5);
    EXPECT_EQ(surcharges.Cell(1, 0).AsFloat(), 7);
    EXPECT_EQ(curve.Cell(0, 0).AsFloat(), 2);
    EXPECT_EQ(curve.Units(), to);
  }
}

TEST(UnitSwitch, CodesOutsideTheRangeAreClamped) {
  TMainModel model;
  model.Problem().SetUnits(7);
  EXPECT_EQ(model.Problem().UnitSystem, 3);
  model.Problem().SetUnits(0);
  EXPECT_EQ(model.Problem().UnitSystem, 1);
}

TEST(OptionToggles, TurningAnOptionOffClearsItsTableExceptTheTiebacks) {
  const struct {
    ApplyOption option;
    const char* table;
    bool cleared;
  } cases[] = {{ApplyOption::kRestraints, Restraints::kName, true},
               {ApplyOption::kConcentratedLoads, ConcentratedLoads::kName, true},
               {ApplyOption::kSprings, Springs::kName, true},
               {ApplyOption::kExternalPY, PYCurveSets::kName, true},
               {ApplyOption::kEICurves, MomentEICurveSets::kName, true},
               {ApplyOption::kPYModification, PYModification::kName, true},
               {ApplyOption::kSurcharge, Surcharges::kName, true},
               {ApplyOption::kTiebacks, Tiebacks::kName, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.table);
    TMainModel model;
    TProgramData& p = model.Problem();
    p.SetApplyOption(c.option, true);
    fw::TGridTable& table = p.Table(c.table);
    Picture empty;
    PictureTable(table, c.table, empty);
    FillRows(table, 3, 10);
    p.SetApplyOption(c.option, false);
    EXPECT_FALSE(p.ApplyOptionValue(c.option));
    if (c.cleared) {
      // Back to the default empty state: the minimum rows with default values.
      Picture after;
      PictureTable(table, c.table, after);
      EXPECT_EQ(after.numbers, empty.numbers);
    } else {
      EXPECT_EQ(table.RowCount(), 3);
      EXPECT_EQ(table.Cell(0, 2).AsFloat(), 26.25L);
    }
  }
}

TEST(OptionToggles, WithoutGeneratedCurvesTheUserGivesPressureAndCurves) {
  TMainModel model;
  TProgramData& p = model.Problem();
  p.SetApplyOption(ApplyOption::kSurcharge, true);
  p.SetApplyOption(ApplyOption::kTiebacks, true);
  FillRows(p.Table(Tiebacks::kName), 2, 1);
  p.SetGeneratePY(false);
  EXPECT_FALSE(p.GeneratePY);
  EXPECT_EQ(p.EarthPressureOption, 1);
  EXPECT_TRUE(p.UserPressure);
  EXPECT_FALSE(p.ApplySurcharge);
  EXPECT_FALSE(p.ApplyTiebacks);
  EXPECT_TRUE(p.ApplyExternalPY);
  EXPECT_EQ(p.Table(Tiebacks::kName).RowCount(), 2);
}

TEST(SaveDerivation, ControlCodesFollowTheOptions) {
  const struct {
    int option;
    bool generate_py;
    bool external_py;
    int pressure_code;
    int py_code;
  } cases[] = {
      {2, true, false, 2, 2}, {3, true, true, 3, 2},  {1, true, false, 1, 2},
      {1, false, true, 1, 1}, {2, false, false, 0, 0}, {3, false, true, 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.option) + (c.generate_py ? " generated" : "") + (c.external_py ? " external" : ""));
    TMainModel model;
    TProgramData& p = model.Problem();
    p.SetEarthPressureOption(c.option);
    p.GeneratePY = c.generate_py;
    p.ApplyExternalPY = c.external_py;
    p.DeriveControlValues();
    EXPECT_EQ(p.PressureCode, c.pressure_code);
    EXPECT_EQ(p.PYCode, c.py_code);
  }
}

TEST(SaveDerivation, UserPressureClearsPressureGenerated) {
  TMainModel model;
  TProgramData& p = model.Problem();
  p.PressureGenerated = true;
  p.SetEarthPressureOption(1);
  p.DeriveControlValues();
  EXPECT_EQ(p.PressureCode, 1);
  EXPECT_FALSE(p.PressureGenerated);
}

TEST(SaveDerivation, SavingWithConcentratedLoadsOffEmptiesTheirTable) {
  TempDir dir;
  TMainModel model;
  TProgramData& p = model.Problem();
  FillRows(p.Table(ConcentratedLoads::kName), 3, 1);  // entered, but the option is off
  FillRows(p.Table(Springs::kName), 3, 1);
  p.FileName = (dir / "wall.vd5d").string();
  WriteDataFile(p);
  EXPECT_EQ(p.Table(ConcentratedLoads::kName).RowCount(), 0);
  // The springs table is only written empty; its rows stay.
  EXPECT_EQ(p.Table(Springs::kName).RowCount(), 3);
  const std::string text = read_file(dir / "wall.vd5d");
  EXPECT_NE(text.find("\n0\n0\n"), std::string::npos) << text;
}

TEST(SaveDerivation, CountsOfCurveSetsAndTiebacksAndTheLastStiffnessRow) {
  TMainModel model;
  TProgramData& p = model.Problem();
  p.Table(MomentEICurveSets::kName).SetRowCount(3);
  FillRows(p.Table(Tiebacks::kName), 4, 1);
  fw::TGridTable& stiffness = p.Table(WallStiffness::kName);
  stiffness.SetRowCount(2);
  stiffness.Cell(2, 0).SetInteger(2);
  stiffness.Cell(2, 1).SetInteger(2);
  p.DeriveControlValues();
  EXPECT_EQ(p.EICurveSetCount, 0);
  EXPECT_EQ(p.TiebackCount, 0);
  EXPECT_EQ(stiffness.Cell(2, 0).AsInteger(), 2);
  EXPECT_EQ(stiffness.Cell(2, 1).AsInteger(), 1);
  p.ApplyEICurves = true;
  p.ApplyTiebacks = true;
  p.DeriveControlValues();
  EXPECT_EQ(p.EICurveSetCount, 3);
  EXPECT_EQ(p.TiebackCount, 4);
}

TEST(ModifiedState, TheModelsFlagOrAnyTablesChange) {
  TMainModel model;
  EXPECT_FALSE(model.IsModified());
  model.SetModified(true);
  EXPECT_TRUE(model.IsModified());
  model.SetModified(false);
  EXPECT_FALSE(model.IsModified());
  // An edit in a sub-table's window counts too, and clearing reaches it.
  fw::TGridTable& parameters = *model.Table(SoilLayers::kName).Cell(2, 0).AsTable();
  parameters.SetChanged(true);
  EXPECT_TRUE(model.IsModified());
  model.SetModified(false);
  EXPECT_FALSE(parameters.IsChanged());
  EXPECT_FALSE(model.IsModified());
}

}  // namespace
}  // namespace veldra::app::test
