// The enabled, visible and ticked state of every menu item and toolbar button of the
// main window, as a function of the problem and of a few facts about the files and
// windows; and the changes to the problem that the option commands make.
//
// The window keeps one action per Command and applies MainWindowRules to all of them
// in one place; nothing here knows about widgets.
#ifndef VELDRA_APP_MAIN_WINDOW_RULES_H
#define VELDRA_APP_MAIN_WINDOW_RULES_H

#include <array>
#include <cstddef>
#include <optional>

#include "app/program_data.h"
#include "framework/graph_plot.h"
#include "framework/main_graphs.h"

namespace veldra::app {

class TMainModel;

// Every menu item and toolbar button whose state follows a rule. Recent-file and
// Window-menu entries are lists and have their own rules.
enum class Command {
  // File
  kFileNew,
  kFileOpen,
  kFileSave,
  kFileSaveAs,
  kRecentSeparator,  // the separator after the recent files
  kExit,
  // Data
  kTitle,
  kWallProperties,
  kWallConfiguration,
  kSoilLayers,            // plain item
  kSoilLayersMenu,        // submenu of the long-term layout
  kSoilLayersShortTerm,
  kSoilLayersLongTerm,
  kDistributedLoads,      // plain item
  kDistributedLoadsMenu,  // submenu of the long-term layout
  kDistributedShortTerm,
  kDistributedLongTerm,
  kSurchargeLoads,
  kConcentratedLoads,
  kTiebackData,
  kRestraints,
  kPYModification,
  kExternalPY,
  kSprings,
  kEICurves,
  // Options
  kUnitsEnglish,
  kUnitsSI,
  kUnitsOther,
  kPressureUser,
  kPressureTriangular,
  kPressureTrapezoidal,
  kOptionGeneratePY,
  kOptionConcentratedLoads,
  kOptionTiebacks,
  kOptionRestraints,
  kOptionExternalPY,
  kOptionSprings,
  kOptionPYModification,
  kOptionSurcharge,
  kOptionEICurves,
  kOptionLongTerm,
  kOptionStagedConstruction,  // the staged-construction dialog, modal
  kOptionTextEditor,
  // Stage Construction
  kStageMenu,
  kStage1,
  kStage2,
  kStage3,
  kStage4,
  kStage5,
  kUpdateCurrentStage,
  kCopyPreviousStage,
  // Computation
  kRunAnalysis,
  kEditInput,
  kEditRunNotes,
  kEditOutput,
  kViewWallGeometry,
  kView3D,
  // Graphics
  kGraphPY,
  kGraphDeflection,
  kGraphMoment,
  kGraphShear,
  kGraphReaction,
  kGraphDeflectionMomentShear,
  kGraphPressure,
  kGraphPressureCombined,
  kExportPlots,
  // Window
  kCascade,
  kArrangeIcons,
  kWindowSeparator,  // before the list of child windows
  // Show 3DView
  kShow3DMenu,
  kShow3DWall,
  kShow3DSoilLayers,
  kShow3DWaterLevel,
  kShow3DUniformLoad,
  kShow3DSurcharge,
  kShow3DConcentratedLoads,
  kShow3DTiebacks,
  kShow3DBoundaryConditions,
  kShow3DSprings,
  kShow3DDeformedShape,
  // Help
  kHelpContents,
  kUsersManual,
  kTechnicalManual,
  kAbout,
  kCheckUpdates,
  // Toolbar buttons with rules of their own
  kToolWallConfiguration,  // always enabled, unlike the Data menu's item
  kToolSoilLayers,
  kToolStagedConstruction,  // the staged-construction dialog, not modal
  kToolViewOutput,
  kToolSoilProfile,
  kToolPYCurves,
  kToolDeflection,
  kToolMoment,
  kToolShear,
  kToolReaction,
  kToolDeflectionMomentShear,
  kToolPressure,
  kToolStageSeparator,  // before the stage buttons and the 3D buttons
  kToolStage1,
  kToolStage2,
  kToolStage3,
  kToolStage4,
  kToolStage5,
  kToolPanning,
  kToolZoomWindow,
  kToolZooming,
  kToolRotating,
  kToolZoomIn,
  kToolZoomOut,
  kToolRestartView,
  kTool3DSeparator,  // before "Deformed Shape"
  kToolDeformedShape,
  kCount  // not a command
};

inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::kCount);

struct ActionState {
  bool enabled = true;
  bool visible = true;
  // Ticked or down; nullopt where no rule decides it (the item is not checkable, or
  // its owner sets it, as the 3D view sets its mouse-mode buttons).
  std::optional<bool> checked;
  bool operator==(const ActionState&) const = default;
};

// Which result graphs hold data (at least one curve of two or more points).
struct GraphData {
  bool py = false;
  bool deflection = false;
  bool moment = false;
  bool shear = false;
  bool reaction = false;
  bool pressure = false;  // the earth-pressure distribution
};

// What the rules need besides the problem.
struct WindowFacts {
  bool data_file_exists = false;
  bool output_file_exists = false;     // ".vd5o"
  bool run_notes_file_exists = false;  // ".vd5r"
  bool plot_file_exists = false;       // ".vd5p"
  bool plot_read = false;              // the last reading of the plot-data file succeeded
  GraphData graphs;
  bool view3d_open = false;
  int recent_file_count = 0;
  int child_window_count = 0;
};

// True when the graph holds at least one main curve of two or more points.
bool GraphHoldsData(const framework::TGraphPlot& graph);
GraphData GraphDataOf(framework::TMainGraphs& graphs);

// The facts of the model's current problem: which of its files exist on disk (its
// FileName and the same name with ".vd5o", ".vd5r", ".vd5p"), and which graphs hold
// data. The remaining facts come from the window.
WindowFacts FileFactsOf(const TProgramData& problem, framework::TMainGraphs& graphs);

class MainWindowRules {
 public:
  // The state of every command.
  MainWindowRules(const TProgramData& problem, const WindowFacts& facts);
  const ActionState& operator[](Command command) const {
    return states_[static_cast<std::size_t>(command)];
  }

 private:
  std::array<ActionState, kCommandCount> states_{};
};

// --- What the commands and menus do to the problem ------------------------------

// The earth-pressure submenu as it opens: without generated p-y curves the user's
// distribution is the only choice (option 1, the additional surcharges off); an
// option of 0 becomes 1; UserPressure follows the option.
void NormaliseEarthPressureOption(TProgramData& problem);

// The Options menu as it opens: UserPressure follows the option.
void OnOptionsMenuOpen(TProgramData& problem);

// Runs an option command of the Options menu (the unit system, the earth-pressure
// option, the toggles) on the problem and returns true; returns false for any other
// command. Turning an apply-option off clears the table it gates (the tiebacks keep
// theirs); the user's distribution also turns the additional surcharges off.
bool RunOptionCommand(TProgramData& problem, Command command);

// The stage of a stage command (kStage1..kStage5, kToolStage1..kToolStage5), or 0.
int StageOfCommand(Command command);

}  // namespace veldra::app

#endif  // VELDRA_APP_MAIN_WINDOW_RULES_H
