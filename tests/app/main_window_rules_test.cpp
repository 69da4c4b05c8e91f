// The rules of the main window's menu items and toolbar buttons, and what the option
// commands and menus do to the problem.
#include "app/main_window_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "app/main_model.h"
#include "app/main_tables.h"
#include "tests/app/app_test_support.h"

namespace veldra::app {
namespace {

namespace fw = veldra::framework;
using C = Command;

struct RuleCase {
  const char* name;
  std::function<void(TProgramData&, WindowFacts&)> setup;
  Command command;
  bool enabled;
  bool visible;
  std::optional<bool> checked;
};

std::ostream& operator<<(std::ostream& out, const RuleCase& c) { return out << c.name; }

void Nothing(TProgramData&, WindowFacts&) {}
void LongTerm(TProgramData& p, WindowFacts&) { p.LongTermMode = true; }
void NoSoilData(TProgramData& p, WindowFacts&) {
  p.GeneratePY = false;
  p.PressureGenerated = false;
}
void UserPressure(TProgramData& p, WindowFacts&) { p.SetEarthPressureOption(1); }
void ThreeStagesAtTwo(TProgramData& p, WindowFacts&) {
  p.StageCount = 3;
  p.CurrentStage = 2;
}
void Results(TProgramData&, WindowFacts& f) {
  f.plot_read = true;
  f.plot_file_exists = true;
}
void ResultsWithDeflectionOnly(TProgramData& p, WindowFacts& f) {
  Results(p, f);
  f.graphs.deflection = true;
}
void ResultsWithAllGraphs(TProgramData& p, WindowFacts& f) {
  Results(p, f);
  f.graphs = {true, true, true, true, true, true};
}
void View3DWithDeflection(TProgramData&, WindowFacts& f) {
  f.view3d_open = true;
  f.graphs.deflection = true;
}

class MainWindowRulesTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(MainWindowRulesTest, StateOfTheCommand) {
  const RuleCase& c = GetParam();
  TMainModel model;
  TProgramData& problem = model.Problem();
  WindowFacts facts;
  c.setup(problem, facts);
  const ActionState state = MainWindowRules(problem, facts)[c.command];
  EXPECT_EQ(state.enabled, c.enabled);
  EXPECT_EQ(state.visible, c.visible);
  EXPECT_EQ(state.checked, c.checked);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, MainWindowRulesTest, ::testing::Values(
    // A new problem: generated p-y curves and triangular pressure.
    RuleCase{"new: wall configuration", Nothing, C::kWallConfiguration, true, true, {}},
    RuleCase{"new: soil layers", Nothing, C::kSoilLayers, true, true, {}},
    RuleCase{"new: no long-term soil submenu", Nothing, C::kSoilLayersMenu, true, false, {}},
    RuleCase{"new: user distribution not offered", Nothing, C::kDistributedLoads, false, true, {}},
    RuleCase{"new: surcharge data off", Nothing, C::kSurchargeLoads, false, true, {}},
    RuleCase{"new: tieback data off", Nothing, C::kTiebackData, false, true, {}},
    RuleCase{"new: English ticked", Nothing, C::kUnitsEnglish, true, true, true},
    RuleCase{"new: SI not ticked", Nothing, C::kUnitsSI, true, true, false},
    RuleCase{"new: triangular ticked", Nothing, C::kPressureTriangular, true, true, true},
    RuleCase{"new: user pressure not ticked", Nothing, C::kPressureUser, true, true, false},
    RuleCase{"new: generate p-y ticked", Nothing, C::kOptionGeneratePY, true, true, true},
    RuleCase{"new: surcharge option offered", Nothing, C::kOptionSurcharge, true, true, false},
    RuleCase{"new: long-term offered", Nothing, C::kOptionLongTerm, true, true, false},
    RuleCase{"new: staged offered", Nothing, C::kOptionStagedConstruction, true, true, false},
    RuleCase{"new: no stage menu", Nothing, C::kStageMenu, true, false, {}},
    RuleCase{"new: no stage buttons", Nothing, C::kToolStage1, false, false, true},
    RuleCase{"new: no input file", Nothing, C::kEditInput, false, true, {}},
    RuleCase{"new: no output file", Nothing, C::kToolViewOutput, false, true, {}},
    RuleCase{"new: no graphs", Nothing, C::kGraphDeflection, false, true, {}},
    RuleCase{"new: no wall geometry", Nothing, C::kViewWallGeometry, false, true, {}},
    RuleCase{"new: soil profile button always", Nothing, C::kToolSoilProfile, true, true, {}},
    RuleCase{"new: no 3D menu", Nothing, C::kShow3DMenu, true, false, {}},
    RuleCase{"new: no 3D buttons", Nothing, C::kToolZoomIn, true, false, {}},
    RuleCase{"new: no recent files, no separator", Nothing, C::kRecentSeparator, true, false, {}},
    RuleCase{"new: no child windows, no separator", Nothing, C::kWindowSeparator, true, false, {}},
    RuleCase{"wall configuration button has no rule", NoSoilData, C::kToolWallConfiguration, true, true, {}},
    // Neither generated pressure nor generated curves: no soil data to enter.
    RuleCase{"no soil data: wall configuration", NoSoilData, C::kWallConfiguration, false, true, {}},
    RuleCase{"no soil data: soil layers", NoSoilData, C::kSoilLayers, false, true, {}},
    RuleCase{"no soil data: soil button", NoSoilData, C::kToolSoilLayers, false, true, {}},
    RuleCase{"no generated curves: triangular", NoSoilData, C::kPressureTriangular, false, true, true},
    RuleCase{"no generated curves: tiebacks", NoSoilData, C::kOptionTiebacks, false, true, false},
    RuleCase{"pressure generated from the file: soil layers",
             [](TProgramData& p, WindowFacts&) { p.GeneratePY = false; p.PressureGenerated = true; },
             C::kSoilLayers, true, true, {}},
    // The user's pressure distribution.
    RuleCase{"user pressure: distributed loads", UserPressure, C::kDistributedLoads, true, true, {}},
    RuleCase{"user pressure: ticked", UserPressure, C::kPressureUser, true, true, true},
    RuleCase{"user pressure: surcharge option not offered nor ticked",
             [](TProgramData& p, WindowFacts&) { p.ApplySurcharge = true; p.SetEarthPressureOption(1); },
             C::kOptionSurcharge, false, true, false},
    RuleCase{"trapezoidal: surcharge ticked",
             [](TProgramData& p, WindowFacts&) { p.ApplySurcharge = true; p.SetEarthPressureOption(3); },
             C::kOptionSurcharge, true, true, true},
    RuleCase{"trapezoidal ticked", [](TProgramData& p, WindowFacts&) { p.SetEarthPressureOption(3); },
             C::kPressureTrapezoidal, true, true, true},
    RuleCase{"SI ticked", [](TProgramData& p, WindowFacts&) { p.SetUnits(2); }, C::kUnitsSI, true, true, true},
    RuleCase{"other units ticked", [](TProgramData& p, WindowFacts&) { p.SetUnits(3); }, C::kUnitsOther, true, true, true},
    // Apply-options open their data and tick their items.
    RuleCase{"concentrated loads on", [](TProgramData& p, WindowFacts&) { p.ApplyConcentratedLoads = true; },
             C::kConcentratedLoads, true, true, {}},
    RuleCase{"concentrated loads ticked", [](TProgramData& p, WindowFacts&) { p.ApplyConcentratedLoads = true; },
             C::kOptionConcentratedLoads, true, true, true},
    RuleCase{"springs on", [](TProgramData& p, WindowFacts&) { p.ApplySprings = true; }, C::kSprings, true, true, {}},
    RuleCase{"restraints on", [](TProgramData& p, WindowFacts&) { p.ApplyRestraints = true; }, C::kRestraints, true, true, {}},
    RuleCase{"modification factors on", [](TProgramData& p, WindowFacts&) { p.ApplyPYModification = true; },
             C::kPYModification, true, true, {}},
    RuleCase{"external curves on", [](TProgramData& p, WindowFacts&) { p.ApplyExternalPY = true; },
             C::kExternalPY, true, true, {}},
    RuleCase{"EI curves on", [](TProgramData& p, WindowFacts&) { p.ApplyEICurves = true; }, C::kEICurves, true, true, {}},
    RuleCase{"EI curves ticked", [](TProgramData& p, WindowFacts&) { p.ApplyEICurves = true; },
             C::kOptionEICurves, true, true, true},
    RuleCase{"tiebacks on", [](TProgramData& p, WindowFacts&) { p.ApplyTiebacks = true; }, C::kTiebackData, true, true, {}},
    RuleCase{"surcharge on", [](TProgramData& p, WindowFacts&) { p.ApplySurcharge = true; }, C::kSurchargeLoads, true, true, {}},
    // Short-term and long-term layout.
    RuleCase{"long-term: plain soil item hidden", LongTerm, C::kSoilLayers, true, false, {}},
    RuleCase{"long-term: soil submenu", LongTerm, C::kSoilLayersMenu, true, true, {}},
    RuleCase{"long-term: long-term soil entry", LongTerm, C::kSoilLayersLongTerm, true, true, {}},
    RuleCase{"long-term: plain pressure item hidden", LongTerm, C::kDistributedLoads, false, false, {}},
    RuleCase{"long-term: pressure submenu without user pressure", LongTerm, C::kDistributedLoadsMenu, false, true, {}},
    RuleCase{"long-term: pressure submenu with user pressure",
             [](TProgramData& p, WindowFacts&) { p.LongTermMode = true; p.SetEarthPressureOption(1); },
             C::kDistributedLoadsMenu, true, true, {}},
    RuleCase{"long-term: soil button", LongTerm, C::kToolSoilLayers, false, true, {}},
    RuleCase{"long-term: staged button", LongTerm, C::kToolStagedConstruction, false, true, {}},
    RuleCase{"long-term: staged item", LongTerm, C::kOptionStagedConstruction, false, true, false},
    RuleCase{"long-term: ticked", LongTerm, C::kOptionLongTerm, true, true, true},
    RuleCase{"long-term and staged: no soil entries",
             [](TProgramData& p, WindowFacts&) { p.LongTermMode = true; p.StageCount = 2; },
             C::kSoilLayersShortTerm, true, false, {}},
    // Stages.
    RuleCase{"staged: menu", ThreeStagesAtTwo, C::kStageMenu, true, true, {}},
    RuleCase{"staged: stage 1", ThreeStagesAtTwo, C::kStage1, true, true, false},
    RuleCase{"staged: current stage ticked", ThreeStagesAtTwo, C::kStage2, true, true, true},
    RuleCase{"staged: stage 3", ThreeStagesAtTwo, C::kStage3, true, true, false},
    RuleCase{"staged: stage 4 beyond the count", ThreeStagesAtTwo, C::kStage4, false, true, false},
    RuleCase{"staged: update current stage hidden", ThreeStagesAtTwo, C::kUpdateCurrentStage, true, false, {}},
    RuleCase{"staged: copy previous", ThreeStagesAtTwo, C::kCopyPreviousStage, true, true, {}},
    RuleCase{"staged at 1: no previous stage",
             [](TProgramData& p, WindowFacts&) { p.StageCount = 3; }, C::kCopyPreviousStage, false, true, {}},
    RuleCase{"staged: button of the current stage down", ThreeStagesAtTwo, C::kToolStage2, true, true, true},
    RuleCase{"staged: button 4 shown but disabled", ThreeStagesAtTwo, C::kToolStage4, false, true, false},
    RuleCase{"staged: separator before the stage buttons", ThreeStagesAtTwo, C::kToolStageSeparator, true, true, {}},
    RuleCase{"new: no separator after the diagram buttons", Nothing, C::kToolStageSeparator, true, false, {}},
    RuleCase{"3D: separator before its buttons", View3DWithDeflection, C::kToolStageSeparator, true, true, {}},
    RuleCase{"staged: long-term not offered", ThreeStagesAtTwo, C::kOptionLongTerm, false, true, false},
    RuleCase{"staged: staged item ticked", ThreeStagesAtTwo, C::kOptionStagedConstruction, true, true, true},
    // Files beside the data file.
    RuleCase{"input file exists", [](TProgramData&, WindowFacts& f) { f.data_file_exists = true; },
             C::kEditInput, true, true, {}},
    RuleCase{"run notes exist", [](TProgramData&, WindowFacts& f) { f.run_notes_file_exists = true; },
             C::kEditRunNotes, true, true, {}},
    RuleCase{"output exists", [](TProgramData&, WindowFacts& f) { f.output_file_exists = true; },
             C::kEditOutput, true, true, {}},
    RuleCase{"output exists: button", [](TProgramData&, WindowFacts& f) { f.output_file_exists = true; },
             C::kToolViewOutput, true, true, {}},
    // Results: the plot file read and still there, and graphs that hold data.
    RuleCase{"read but the plot file gone", [](TProgramData&, WindowFacts& f) { f.plot_read = true; f.graphs.deflection = true; },
             C::kGraphDeflection, false, true, {}},
    RuleCase{"plot file there but not read", [](TProgramData&, WindowFacts& f) { f.plot_file_exists = true; f.graphs.deflection = true; },
             C::kGraphDeflection, false, true, {}},
    RuleCase{"results: wall geometry", Results, C::kViewWallGeometry, true, true, {}},
    RuleCase{"results without data: deflection", Results, C::kGraphDeflection, false, true, {}},
    RuleCase{"results without data: combined pressure", Results, C::kGraphPressureCombined, true, true, {}},
    RuleCase{"results without data: export", Results, C::kExportPlots, true, true, {}},
    RuleCase{"deflection only: deflection", ResultsWithDeflectionOnly, C::kGraphDeflection, true, true, {}},
    RuleCase{"deflection only: button", ResultsWithDeflectionOnly, C::kToolDeflection, true, true, {}},
    RuleCase{"deflection only: no DMS", ResultsWithDeflectionOnly, C::kGraphDeflectionMomentShear, false, true, {}},
    RuleCase{"deflection only: no DMS button", ResultsWithDeflectionOnly, C::kToolDeflectionMomentShear, false, true, {}},
    RuleCase{"deflection only: no p-y", ResultsWithDeflectionOnly, C::kGraphPY, false, true, {}},
    RuleCase{"all graphs: DMS", ResultsWithAllGraphs, C::kGraphDeflectionMomentShear, true, true, {}},
    RuleCase{"all graphs: pressure button", ResultsWithAllGraphs, C::kToolPressure, true, true, {}},
    RuleCase{"all graphs: reaction", ResultsWithAllGraphs, C::kGraphReaction, true, true, {}},
    // The 3D view.
    RuleCase{"3D: menu", View3DWithDeflection, C::kShow3DMenu, true, true, {}},
    RuleCase{"3D: mouse mode button", View3DWithDeflection, C::kToolRotating, true, true, {}},
    RuleCase{"3D: deformed shape with data", View3DWithDeflection, C::kToolDeformedShape, true, true, {}},
    RuleCase{"3D: deformed shape without data", [](TProgramData&, WindowFacts& f) { f.view3d_open = true; },
             C::kShow3DDeformedShape, false, true, {}},
    // Lists.
    RuleCase{"recent files: separator", [](TProgramData&, WindowFacts& f) { f.recent_file_count = 1; },
             C::kRecentSeparator, true, true, {}},
    RuleCase{"child windows: separator", [](TProgramData&, WindowFacts& f) { f.child_window_count = 2; },
             C::kWindowSeparator, true, true, {}}),
    [](const ::testing::TestParamInfo<RuleCase>& info) {
      std::string name;
      for (const char* c = info.param.name; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
      return name;
    });
// clang-format on

TEST(MainWindowRules, GraphHoldsDataNeedsACurveOfTwoPoints) {
  fw::TGraphPlot graph;
  EXPECT_FALSE(GraphHoldsData(graph));
  graph.SetCurveCount(fw::CurveList::kMain, 2);
  graph.CurveAt(fw::CurveList::kMain, 0).Points = {{1, 2}};
  EXPECT_FALSE(GraphHoldsData(graph));
  graph.CurveAt(fw::CurveList::kMain, 1).Points = {{1, 2}, {3, 4}};
  EXPECT_TRUE(GraphHoldsData(graph));
  // The layer column is no data of the graph.
  fw::TGraphPlot layers;
  layers.SetCurveCount(fw::CurveList::kLayers, 1);
  layers.CurveAt(fw::CurveList::kLayers, 0).Points = {{1, 2}, {3, 4}};
  EXPECT_FALSE(GraphHoldsData(layers));
}

TEST(MainWindowRules, FileFactsLookBesideTheDataFile) {
  test::TempDir dir;
  TMainModel model;
  fw::TMainGraphs graphs;
  model.Problem().FileName = (dir.path() / "wall.vd5d").string();
  EXPECT_FALSE(FileFactsOf(model.Problem(), graphs).data_file_exists);
  test::write_file(dir.path() / "wall.vd5d", "x");
  test::write_file(dir.path() / "wall.vd5o", "x");
  test::write_file(dir.path() / "wall.vd5p", "x");
  const WindowFacts facts = FileFactsOf(model.Problem(), graphs);
  EXPECT_TRUE(facts.data_file_exists);
  EXPECT_TRUE(facts.output_file_exists);
  EXPECT_TRUE(facts.plot_file_exists);
  EXPECT_FALSE(facts.run_notes_file_exists);
}

TEST(EarthPressureMenu, WithoutGeneratedCurvesOnlyTheUserDistributionRemains) {
  TMainModel model;
  TProgramData& p = model.Problem();
  p.SetApplyOption(ApplyOption::kSurcharge, true);
  test::FillRows(p.Table(app::Surcharges::kName), 3, 1);
  p.GeneratePY = false;
  p.SetEarthPressureOption(3);
  NormaliseEarthPressureOption(p);
  EXPECT_EQ(p.EarthPressureOption, 1);
  EXPECT_TRUE(p.UserPressure);
  EXPECT_FALSE(p.ApplySurcharge);
  EXPECT_EQ(p.Table(app::Surcharges::kName).RowCount(), p.Table(app::Surcharges::kName).MinRows());
}

TEST(EarthPressureMenu, WithGeneratedCurvesTheOptionStaysAndZeroBecomesOne) {
  TMainModel model;
  TProgramData& p = model.Problem();
  p.SetEarthPressureOption(3);
  p.ApplySurcharge = true;
  NormaliseEarthPressureOption(p);
  EXPECT_EQ(p.EarthPressureOption, 3);
  EXPECT_TRUE(p.ApplySurcharge);
  p.EarthPressureOption = 0;  // a file without earth pressure
  NormaliseEarthPressureOption(p);
  EXPECT_EQ(p.EarthPressureOption, 1);
  EXPECT_TRUE(p.UserPressure);
}

TEST(OptionCommands, EachToggleFlipsItsOptionAndTurningItOffClearsItsTable) {
  const struct {
    Command command;
    ApplyOption option;
    const char* table;
    bool table_kept;
  } cases[] = {{C::kOptionConcentratedLoads, ApplyOption::kConcentratedLoads, app::ConcentratedLoads::kName, false},
               {C::kOptionRestraints, ApplyOption::kRestraints, app::Restraints::kName, false},
               {C::kOptionExternalPY, ApplyOption::kExternalPY, app::PYCurveSets::kName, false},
               {C::kOptionSprings, ApplyOption::kSprings, app::Springs::kName, false},
               {C::kOptionPYModification, ApplyOption::kPYModification, app::PYModification::kName, false},
               {C::kOptionSurcharge, ApplyOption::kSurcharge, app::Surcharges::kName, false},
               {C::kOptionEICurves, ApplyOption::kEICurves, app::MomentEICurveSets::kName, false},
               {C::kOptionTiebacks, ApplyOption::kTiebacks, app::Tiebacks::kName, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.table);
    TMainModel model;
    TProgramData& p = model.Problem();
    fw::TGridTable& table = p.Table(c.table);
    ASSERT_TRUE(RunOptionCommand(p, c.command));
    EXPECT_TRUE(p.ApplyOptionValue(c.option));
    test::FillRows(table, table.MinRows() + 2, 10);
    const int rows = table.RowCount();
    // A numeric column, filled with a value no default has.
    int column = 0;
    while (table.Column(column).Kind() != fw::ColumnKind::kFloat && table.Column(column).Kind() != fw::ColumnKind::kInt)
      ++column;
    const std::string first = table.Cell(column, 0).AsString();
    ASSERT_TRUE(RunOptionCommand(p, c.command));
    EXPECT_FALSE(p.ApplyOptionValue(c.option));
    if (c.table_kept) {
      EXPECT_EQ(table.RowCount(), rows);
      EXPECT_EQ(table.Cell(column, 0).AsString(), first);
    } else {
      EXPECT_EQ(table.RowCount(), table.MinRows());
      EXPECT_NE(table.Cell(column, 0).AsString(), first);
    }
  }
}

TEST(OptionCommands, UnitsPressureGeneratedCurvesAndLongTerm) {
  TMainModel model;
  TProgramData& p = model.Problem();
  p.IncrementLength = 12;
  EXPECT_TRUE(RunOptionCommand(p, C::kUnitsSI));
  EXPECT_EQ(p.UnitSystem, 2);
  EXPECT_NEAR(static_cast<double>(p.IncrementLength), 0.3048, 1e-12);

  p.SetApplyOption(ApplyOption::kSurcharge, true);
  EXPECT_TRUE(RunOptionCommand(p, C::kPressureTrapezoidal));
  EXPECT_EQ(p.EarthPressureOption, 3);
  EXPECT_TRUE(p.ApplySurcharge);
  EXPECT_TRUE(RunOptionCommand(p, C::kPressureUser));
  EXPECT_EQ(p.EarthPressureOption, 1);
  EXPECT_TRUE(p.UserPressure);
  EXPECT_FALSE(p.ApplySurcharge);

  p.SetEarthPressureOption(2);
  p.SetApplyOption(ApplyOption::kTiebacks, true);
  EXPECT_TRUE(RunOptionCommand(p, C::kOptionGeneratePY));
  EXPECT_FALSE(p.GeneratePY);
  EXPECT_EQ(p.EarthPressureOption, 1);
  EXPECT_FALSE(p.ApplyTiebacks);
  EXPECT_TRUE(p.ApplyExternalPY);
  EXPECT_TRUE(RunOptionCommand(p, C::kOptionGeneratePY));
  EXPECT_TRUE(p.GeneratePY);

  EXPECT_TRUE(RunOptionCommand(p, C::kOptionLongTerm));
  EXPECT_TRUE(p.LongTermMode);
  EXPECT_FALSE(RunOptionCommand(p, C::kFileNew));
}

TEST(OptionCommands, StageOfTheStageCommands) {
  EXPECT_EQ(StageOfCommand(C::kStage1), 1);
  EXPECT_EQ(StageOfCommand(C::kToolStage5), 5);
  EXPECT_EQ(StageOfCommand(C::kStage3), 3);
  EXPECT_EQ(StageOfCommand(C::kRunAnalysis), 0);
}

}  // namespace
}  // namespace veldra::app
