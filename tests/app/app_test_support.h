// Problems built through the model, and a comparable picture of a model's data.
#ifndef VELDRA_TESTS_APP_APP_TEST_SUPPORT_H
#define VELDRA_TESTS_APP_APP_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/main_model.h"
#include "framework/column.h"
#include "app/main_tables.h"
#include "tests/support/temp_dir.h"

namespace veldra::app::test {

namespace fw = veldra::framework;
using veldra::test::read_file;
using veldra::test::TempDir;
using veldra::test::write_file;

inline std::filesystem::path DataFile(const std::string& name) {
  return std::filesystem::path(VELDRA_TEST_DATA_DIR) / name;
}
inline std::filesystem::path ExampleFile(const std::string& name) {
  return std::filesystem::path(VELDRA_SOURCE_DIR) / "examples" / name;
}

// The tables of the data model (the templates excluded).
inline const std::vector<const char*>& ModelTables() {
  static const std::vector<const char*> names = {
      WallStiffness::kName,     Restraints::kName,      ConcentratedLoads::kName, Springs::kName, PYModification::kName,
      PressureDistribution::kName,     PressureDistribution::kLongTermName,       Surcharges::kName, Tiebacks::kName, SoilLayers::kName,
      SoilLayers::kLongTermName,     PYCurveSets::kName,      MomentEICurveSets::kName};
  return names;
}

// Fills the rows of a table with distinct values: column c of row r gets
// base + 8 r + c, a quarter added in float columns. Choice columns keep their item.
inline void FillRows(fw::TGridTable& table, int rows, double base) {
  table.SetRowCount(rows);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < table.ColumnCount(); ++c) {
      fw::TColumn& column = table.Column(c);
      if (column.Kind() == fw::ColumnKind::kFloat) {
        table.Cell(c, r).SetFloat(base + 8 * r + c + 0.25);
      } else if (column.Kind() == fw::ColumnKind::kInt) {
        table.Cell(c, r).SetInteger(static_cast<int>(base) + 8 * r + c);
      }
    }
  }
}

// A problem that uses every table and every option the writer knows: generated p-y
// curves with the earth-pressure option given (1 user distribution, 2 or 3
// generated), external curves, moment-EI curves, modification factors, loads,
// springs, restraints, tiebacks, surcharges and, optionally, a long-term data set.
// Tables the problem does not use (the distributed loads with generated pressure,
// the long-term tables without the long-term set) keep their defaults, since the
// file has no place for them.
inline void BuildFullProblem(TMainModel& model, int units, int pressure_option, bool long_term) {
  TProgramData& p = model.Problem();
  p.SetUnits(units);
  p.Title = "FULL PROBLEM, UNITS " + std::to_string(units);
  p.Increments = 80;
  p.IncrementLength = 3.5;
  p.MaxDeflection = 12.5;
  p.ClosureTolerance = 0.00002;
  p.WallHeight = 180.25;
  p.ActiveWidth = 14.5;
  p.PYWidth = 13.75;
  p.WaterDepthBackfill = 96.5;
  p.WaterDepthExcavation = 200.125;
  p.ActiveFactor = 1.25;
  p.BackfillSlope = 7.5;
  p.UniformSurcharge = 2.75;
  p.ConfigurationCode = 1;
  p.LegacySurcharge = {30.5, 1200.25, 40.5, 3.125, 18.5};
  p.SetEarthPressureOption(pressure_option);
  p.PressureGenerated = pressure_option > 1;  // as a loaded file sets it
  p.GeneratePY = true;
  p.LongTermMode = long_term;
  for (ApplyOption option :
       {ApplyOption::kRestraints, ApplyOption::kConcentratedLoads, ApplyOption::kSprings, ApplyOption::kExternalPY,
        ApplyOption::kEICurves, ApplyOption::kPYModification, ApplyOption::kSurcharge, ApplyOption::kTiebacks}) {
    p.SetApplyOption(option, true);
  }

  fw::TGridTable& stiffness = p.Table(WallStiffness::kName);
  FillRows(stiffness, 3, 0);
  const int choice[] = {2, 1, 1};
  for (int r = 0; r < 3; ++r) {
    stiffness.Cell(0, r).SetInteger(r * 30);
    stiffness.Cell(1, r).SetInteger(r * 30 + 20);
    stiffness.Cell(2, r).SetInteger(choice[r]);
    stiffness.Cell(3, r).SetFloat(1.05e10 + r * 2.5e8);
  }
  fw::TGridTable& restraints = p.Table(Restraints::kName);
  FillRows(restraints, 2, 1);
  restraints.Cell(0, 0).SetInteger(1);
  restraints.Cell(0, 1).SetInteger(2);
  fw::TGridTable& loads = p.Table(ConcentratedLoads::kName);
  FillRows(loads, 2, 2);
  loads.Cell(0, 0).SetInteger(2);
  loads.Cell(0, 1).SetInteger(1);
  fw::TGridTable& springs = p.Table(Springs::kName);
  FillRows(springs, 2, 3);
  springs.Cell(0, 0).SetInteger(1);
  springs.Cell(0, 1).SetInteger(2);
  FillRows(p.Table(PYModification::kName), 3, 4);
  if (pressure_option == 1) {
    FillRows(p.Table(PressureDistribution::kName), 3, 5);
    if (long_term) FillRows(p.Table(PressureDistribution::kLongTermName), 2, 6);
  }
  fw::TGridTable& surcharges = p.Table(Surcharges::kName);
  FillRows(surcharges, 3, 7);
  for (int r = 0; r < 3; ++r) surcharges.Cell(0, r).SetInteger(r + 1);
  fw::TGridTable& tiebacks = p.Table(Tiebacks::kName);
  FillRows(tiebacks, 2, 1500);

  // Every soil type and so every parameter template; the long-term layers give the
  // optional coefficients their own values.
  const struct {
    const char* table;
    std::vector<int> types;
    double base;
  } soils[] = {{SoilLayers::kName, {1, 2, 3, 4, 5, 6, 7}, 100}, {SoilLayers::kLongTermName, {4, 5, 1}, 200}};
  for (const auto& soil : soils) {
    if (!long_term && std::string(soil.table) == SoilLayers::kLongTermName) continue;
    fw::TGridTable& layers = p.Table(soil.table);
    layers.SetRowCount(static_cast<int>(soil.types.size()));
    for (int r = 0; r < layers.RowCount(); ++r) {
      layers.Cell(0, r).SetInteger(soil.types[static_cast<std::size_t>(r)]);
      layers.Cell(1, r).SetFloat(5.5 * (r + 1));
      FillRows(*layers.Cell(2, r).AsTable(), 2, soil.base + 20 * r);
    }
  }

  fw::TGridTable& curve_sets = p.Table(PYCurveSets::kName);
  curve_sets.SetRowCount(2);
  for (int r = 0; r < 2; ++r) {
    curve_sets.Cell(0, r).SetInteger(40 + 5 * r);
    curve_sets.Cell(2, r).SetFloat(0.875 + r * 0.25);
    curve_sets.Cell(3, r).SetFloat(1.125 - r * 0.25);
    FillRows(*curve_sets.Cell(1, r).AsTable(), 5 - 2 * r, -2.5 + r);
  }
  fw::TGridTable& ei_sets = p.Table(MomentEICurveSets::kName);
  ei_sets.SetRowCount(2);
  for (int r = 0; r < 2; ++r) {
    ei_sets.Cell(0, r).SetInteger(10 * r);
    ei_sets.Cell(1, r).SetInteger(10 * r + 9);
    FillRows(*ei_sets.Cell(2, r).AsTable(), 3 - r, 1e6 + r);
  }
}

// Everything the model holds, as named values: the problem's fields and every cell
// of the data model's tables, sub-tables included ("NewSoil[2].2/[1].0").
struct Picture {
  std::map<std::string, long double> numbers;
  std::map<std::string, std::string> texts;
};

inline void PictureTable(const fw::TGridTable& table, const std::string& name, Picture& picture) {
  picture.numbers[name + ".rows"] = table.RowCount();
  for (int r = 0; r < table.RowCount(); ++r) {
    for (int c = 0; c < table.ColumnCount(); ++c) {
      const std::string key = name + "[" + std::to_string(r) + "]." + std::to_string(c);
      const fw::TColumn& column = table.Column(c);
      switch (column.Kind()) {
        case fw::ColumnKind::kFloat: picture.numbers[key] = table.Cell(c, r).AsFloat(); break;
        case fw::ColumnKind::kInt:
        case fw::ColumnKind::kEnum: picture.numbers[key] = table.Cell(c, r).AsInteger(); break;
        case fw::ColumnKind::kTable:
          if (const fw::TGridTable* sub = table.Cell(c, r).AsTable()) PictureTable(*sub, key + "/", picture);
          break;
        default: picture.texts[key] = table.Cell(c, r).AsString(); break;
      }
    }
  }
}

inline Picture PictureOf(const TMainModel& model) {
  const TProgramData& p = model.Problem();
  Picture picture;
  picture.texts = {{"Title", p.Title}, {"FileName", p.FileName}};
  picture.numbers = {{"UnitSystem", p.UnitSystem},
                     {"Increments", p.Increments},
                     {"IncrementLength", p.IncrementLength},
                     {"MaxDeflection", p.MaxDeflection},
                     {"ClosureTolerance", p.ClosureTolerance},
                     {"WallHeight", p.WallHeight},
                     {"ActiveWidth", p.ActiveWidth},
                     {"PYWidth", p.PYWidth},
                     {"WaterDepthBackfill", p.WaterDepthBackfill},
                     {"WaterDepthExcavation", p.WaterDepthExcavation},
                     {"ActiveFactor", p.ActiveFactor},
                     {"BackfillSlope", p.BackfillSlope},
                     {"UniformSurcharge", p.UniformSurcharge},
                     {"ConfigurationCode", p.ConfigurationCode},
                     {"Legacy.distance", p.LegacySurcharge.distance},
                     {"Legacy.point", p.LegacySurcharge.point_load},
                     {"Legacy.line", p.LegacySurcharge.line_load},
                     {"Legacy.strip", p.LegacySurcharge.strip_load},
                     {"Legacy.width", p.LegacySurcharge.strip_width},
                     {"EarthPressureOption", p.EarthPressureOption},
                     {"UserPressure", p.UserPressure},
                     {"PressureGenerated", p.PressureGenerated},
                     {"GeneratePY", p.GeneratePY},
                     {"ApplyExternalPY", p.ApplyExternalPY},
                     {"ApplyEICurves", p.ApplyEICurves},
                     {"ApplyPYModification", p.ApplyPYModification},
                     {"ApplyConcentratedLoads", p.ApplyConcentratedLoads},
                     {"ApplySprings", p.ApplySprings},
                     {"ApplyTiebacks", p.ApplyTiebacks},
                     {"ApplySurcharge", p.ApplySurcharge},
                     {"ApplyRestraints", p.ApplyRestraints},
                     {"LongTermMode", p.LongTermMode},
                     {"StageCount", p.StageCount},
                     {"CurrentStage", p.CurrentStage},
                     {"PressureCode", p.PressureCode},
                     {"PYCode", p.PYCode}};
  for (const char* name : ModelTables()) PictureTable(model.Table(name), name, picture);
  return picture;
}

// Equal texts and keys; numbers equal to 8 significant digits (the file's precision).
inline void ExpectSamePicture(const Picture& expected, const Picture& actual) {
  EXPECT_EQ(expected.texts, actual.texts);
  for (const auto& [key, value] : expected.numbers) {
    const auto found = actual.numbers.find(key);
    if (found == actual.numbers.end()) {
      ADD_FAILURE() << "missing " << key;
      continue;
    }
    const long double tolerance = 1e-7L * std::fabs(value) + 1e-30L;
    EXPECT_NEAR(static_cast<double>(found->second), static_cast<double>(value), static_cast<double>(tolerance))
        << key;
  }
  for (const auto& [key, value] : actual.numbers)
    if (!expected.numbers.count(key)) ADD_FAILURE() << "unexpected " << key << " = " << static_cast<double>(value);
}

}  // namespace veldra::app::test

#endif  // VELDRA_TESTS_APP_APP_TEST_SUPPORT_H
