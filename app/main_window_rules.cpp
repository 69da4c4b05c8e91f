#include "app/main_window_rules.h"

#include <filesystem>

#include "framework/units.h"

namespace veldra::app {

namespace fs = std::filesystem;
namespace fw = veldra::framework;

namespace {

bool Exists(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

fs::path WithExtension(const std::string& file, const char* extension) {
  fs::path path(file);
  path.replace_extension(extension);
  return path;
}

}  // namespace

bool GraphHoldsData(const fw::TGraphPlot& graph) {
  for (int i = 0; i < graph.CurveCount(); ++i)
    if (graph.CurveAt(fw::CurveList::kMain, i).Points.size() >= 2) return true;
  return false;
}

GraphData GraphDataOf(fw::TMainGraphs& graphs) {
  GraphData data;
  data.py = GraphHoldsData(graphs.pltPY);
  data.deflection = GraphHoldsData(graphs.pltDef);
  data.moment = GraphHoldsData(graphs.pltMom);
  data.shear = GraphHoldsData(graphs.pltShear);
  data.reaction = GraphHoldsData(graphs.pltSoil);
  data.pressure = GraphHoldsData(graphs.pltLD);
  return data;
}

WindowFacts FileFactsOf(const TProgramData& problem, fw::TMainGraphs& graphs) {
  WindowFacts facts;
  facts.data_file_exists = Exists(problem.FileName);
  facts.output_file_exists = Exists(WithExtension(problem.FileName, ".vd5o"));
  facts.run_notes_file_exists = Exists(WithExtension(problem.FileName, ".vd5r"));
  facts.plot_file_exists = Exists(WithExtension(problem.FileName, ".vd5p"));
  facts.graphs = GraphDataOf(graphs);
  return facts;
}

MainWindowRules::MainWindowRules(const TProgramData& p, const WindowFacts& facts) {
  auto set = [this](Command command) -> ActionState& { return states_[static_cast<std::size_t>(command)]; };
  using C = Command;

  set(C::kRecentSeparator).visible = facts.recent_file_count > 0;

  // Data
  const bool soil_data = p.PressureGenerated || p.GeneratePY;
  const bool long_term = p.LongTermMode;
  set(C::kWallConfiguration).enabled = soil_data;
  set(C::kSoilLayers) = {soil_data, !long_term, {}};
  set(C::kSoilLayersMenu).visible = long_term;
  for (C entry : {C::kSoilLayersShortTerm, C::kSoilLayersLongTerm})
    set(entry).visible = long_term && p.StageCount == 1;
  const bool user_pressure = p.EarthPressureOption == 1;
  set(C::kDistributedLoads) = {user_pressure, !long_term, {}};
  set(C::kDistributedLoadsMenu) = {user_pressure, long_term, {}};
  set(C::kSurchargeLoads).enabled = p.ApplySurcharge;
  set(C::kConcentratedLoads).enabled = p.ApplyConcentratedLoads;
  set(C::kTiebackData).enabled = p.ApplyTiebacks;
  set(C::kRestraints).enabled = p.ApplyRestraints;
  set(C::kPYModification).enabled = p.ApplyPYModification;
  set(C::kExternalPY).enabled = p.ApplyExternalPY;
  set(C::kSprings).enabled = p.ApplySprings;
  set(C::kEICurves).enabled = p.ApplyEICurves;

  // Options
  set(C::kUnitsEnglish).checked = p.UnitSystem == fw::kEnglishUnits;
  set(C::kUnitsSI).checked = p.UnitSystem == fw::kSIUnits;
  set(C::kUnitsOther).checked = p.UnitSystem == fw::kOtherUnits;
  set(C::kPressureUser).checked = p.EarthPressureOption == 1;
  set(C::kPressureTriangular) = {p.GeneratePY, true, p.EarthPressureOption == 2};
  set(C::kPressureTrapezoidal) = {p.GeneratePY, true, p.EarthPressureOption == 3};
  set(C::kOptionGeneratePY).checked = p.GeneratePY;
  set(C::kOptionConcentratedLoads).checked = p.ApplyConcentratedLoads;
  set(C::kOptionTiebacks) = {p.GeneratePY, true, p.ApplyTiebacks};
  set(C::kOptionRestraints).checked = p.ApplyRestraints;
  set(C::kOptionExternalPY).checked = p.ApplyExternalPY;
  set(C::kOptionSprings).checked = p.ApplySprings;
  set(C::kOptionPYModification).checked = p.ApplyPYModification;
  const bool surcharge_allowed = p.EarthPressureOption > 1;
  set(C::kOptionSurcharge) = {surcharge_allowed, true, p.ApplySurcharge && surcharge_allowed};
  set(C::kOptionEICurves).checked = p.ApplyEICurves;
  set(C::kOptionLongTerm) = {p.StageCount == 1, true, long_term};
  const bool staged = p.StageCount > 1;
  set(C::kOptionStagedConstruction) = {!long_term, true, staged};

  // Stage Construction: the menu, and the toolbar's latching buttons.
  set(C::kStageMenu).visible = staged;
  const C menu_stages[] = {C::kStage1, C::kStage2, C::kStage3, C::kStage4, C::kStage5};
  const C tool_stages[] = {C::kToolStage1, C::kToolStage2, C::kToolStage3, C::kToolStage4, C::kToolStage5};
  for (int k = 1; k <= 5; ++k) {
    const bool enabled = staged && k <= p.StageCount;
    set(menu_stages[k - 1]) = {enabled, true, p.CurrentStage == k};
    set(tool_stages[k - 1]) = {enabled, staged, p.CurrentStage == k};
  }
  set(C::kToolStageSeparator).visible = staged || facts.view3d_open;
  // Present, but hidden: a stage is written whenever another one is shown or saved.
  set(C::kUpdateCurrentStage) = {staged, false, {}};
  set(C::kCopyPreviousStage).enabled = staged && p.CurrentStage > 1;

  // Computation
  set(C::kEditInput).enabled = facts.data_file_exists;
  set(C::kEditRunNotes).enabled = facts.run_notes_file_exists;
  set(C::kEditOutput).enabled = facts.output_file_exists;
  const bool results = facts.plot_read && facts.plot_file_exists;
  set(C::kViewWallGeometry).enabled = results;

  // Graphics menu and diagram buttons.
  const GraphData& g = facts.graphs;
  const bool dms = results && g.deflection && g.moment && g.shear;
  set(C::kGraphPY).enabled = results && g.py;
  set(C::kGraphDeflection).enabled = results && g.deflection;
  set(C::kGraphMoment).enabled = results && g.moment;
  set(C::kGraphShear).enabled = results && g.shear;
  set(C::kGraphReaction).enabled = results && g.reaction;
  set(C::kGraphDeflectionMomentShear).enabled = dms;
  set(C::kGraphPressure).enabled = results && g.pressure;
  set(C::kGraphPressureCombined).enabled = results;
  set(C::kExportPlots).enabled = results;
  set(C::kToolPYCurves).enabled = results && g.py;
  set(C::kToolDeflection).enabled = results && g.deflection;
  set(C::kToolMoment).enabled = results && g.moment;
  set(C::kToolShear).enabled = results && g.shear;
  set(C::kToolReaction).enabled = results && g.reaction;
  set(C::kToolDeflectionMomentShear).enabled = dms;
  set(C::kToolPressure).enabled = results && g.pressure;

  // Window
  set(C::kWindowSeparator).visible = facts.child_window_count > 0;

  // Show 3DView and the 3D buttons exist only while the view is open.
  const bool view = facts.view3d_open;
  for (C item : {C::kShow3DMenu, C::kShow3DWall, C::kShow3DSoilLayers, C::kShow3DWaterLevel, C::kShow3DUniformLoad,
                 C::kShow3DSurcharge, C::kShow3DConcentratedLoads, C::kShow3DTiebacks,
                 C::kShow3DBoundaryConditions, C::kShow3DSprings, C::kToolPanning, C::kToolZoomWindow,
                 C::kToolZooming, C::kToolRotating, C::kToolZoomIn, C::kToolZoomOut, C::kToolRestartView, C::kTool3DSeparator}) {
    set(item).visible = view;
  }
  set(C::kShow3DDeformedShape) = {g.deflection, view, {}};
  set(C::kToolDeformedShape) = {g.deflection, view, {}};

  // Toolbar buttons with rules of their own.
  set(C::kToolSoilLayers).enabled = soil_data && !long_term;
  set(C::kToolStagedConstruction).enabled = !long_term;
  set(C::kToolViewOutput).enabled = facts.output_file_exists;
}

void NormaliseEarthPressureOption(TProgramData& p) {
  if (!p.GeneratePY) {
    p.SetEarthPressureOption(1);
    p.SetApplyOption(ApplyOption::kSurcharge, false);
  }
  if (p.EarthPressureOption == 0) p.EarthPressureOption = 1;
  p.SetEarthPressureOption(p.EarthPressureOption);
}

void OnOptionsMenuOpen(TProgramData& p) { p.UserPressure = p.EarthPressureOption == 1; }

bool RunOptionCommand(TProgramData& p, Command command) {
  auto toggle = [&p](ApplyOption option) { p.SetApplyOption(option, !p.ApplyOptionValue(option)); };
  switch (command) {
    case Command::kUnitsEnglish: p.SetUnits(fw::kEnglishUnits); return true;
    case Command::kUnitsSI: p.SetUnits(fw::kSIUnits); return true;
    case Command::kUnitsOther: p.SetUnits(fw::kOtherUnits); return true;
    case Command::kPressureUser:
      p.SetEarthPressureOption(1);
      p.SetApplyOption(ApplyOption::kSurcharge, false);
      return true;
    case Command::kPressureTriangular: p.SetEarthPressureOption(2); return true;
    case Command::kPressureTrapezoidal: p.SetEarthPressureOption(3); return true;
    case Command::kOptionGeneratePY: p.SetGeneratePY(!p.GeneratePY); return true;
    case Command::kOptionConcentratedLoads: toggle(ApplyOption::kConcentratedLoads); return true;
    case Command::kOptionTiebacks: toggle(ApplyOption::kTiebacks); return true;
    case Command::kOptionRestraints: toggle(ApplyOption::kRestraints); return true;
    case Command::kOptionExternalPY: toggle(ApplyOption::kExternalPY); return true;
    case Command::kOptionSprings: toggle(ApplyOption::kSprings); return true;
    case Command::kOptionPYModification: toggle(ApplyOption::kPYModification); return true;
    case Command::kOptionSurcharge: toggle(ApplyOption::kSurcharge); return true;
    case Command::kOptionEICurves: toggle(ApplyOption::kEICurves); return true;
    case Command::kOptionLongTerm: p.LongTermMode = !p.LongTermMode; return true;
    default: return false;
  }
}

int StageOfCommand(Command command) {
  switch (command) {
    case Command::kStage1: case Command::kToolStage1: return 1;
    case Command::kStage2: case Command::kToolStage2: return 2;
    case Command::kStage3: case Command::kToolStage3: return 3;
    case Command::kStage4: case Command::kToolStage4: return 4;
    case Command::kStage5: case Command::kToolStage5: return 5;
    default: return 0;
  }
}

}  // namespace veldra::app
