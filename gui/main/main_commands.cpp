// What each menu item and toolbar button does: the commands connected to their
// actions. Each runs through RunCommand (the active dialog commits first, errors are
// shown, the rules are applied afterwards).
#include <QAction>
#include <QMdiArea>

#include "app/file_commands.h"
#include "app/main_tables.h"
#include "gui/core/error_guard.h"
#include "gui/dialogs/about_box.h"
#include "gui/dialogs/control_options_dialog.h"
#include "gui/dialogs/table_dialogs.h"
#include "gui/dialogs/title_dialog.h"
#include "gui/dialogs/wall_configuration_dialog.h"
#include "gui/dialogs/wall_properties_dialog.h"
#include "gui/main/main_window.h"

namespace veldra::gui {

using app::Command;
namespace fs = std::filesystem;
namespace fw = veldra::framework;

namespace {

fs::path WithExtension(const std::string& file, const char* extension) {
  fs::path path(file);
  path.replace_extension(extension);
  return path;
}

}  // namespace

template <class Dialog, class... Args>
void TMainForm::ShowDialog(QPointer<QMdiSubWindow>& slot, Args&&... args) {
  ShowChild(slot, [&] { return new Dialog(std::forward<Args>(args)...); });
}

void TMainForm::ConnectCommands() {
  ConnectFileAndDataCommands();
  ConnectOptionAndStageCommands();
  ConnectComputationAndGraphCommands();
  ConnectWindowViewAndHelpCommands();
}

void TMainForm::ConnectFileAndDataCommands() {
  using C = Command;
  Connect(C::kFileNew, "New", [this] { FileNew(); });
  Connect(C::kFileOpen, "Open", [this] { FileOpen(); });
  Connect(C::kFileSave, "Save", [this] { Save(); });
  Connect(C::kFileSaveAs, "Save As", [this] { SaveAs(); });
  connect(Action(C::kExit), &QAction::triggered, this, &QWidget::close);

  Connect(C::kTitle, "Title", [this] { ShowDialog<TTitleDialog>(title_dialog_, model_); });
  Connect(C::kWallProperties, "Wall Properties",
          [this] { ShowDialog<TWallPropertiesDialog>(properties_dialog_, model_, TableOpener()); });
  for (C c : {C::kWallConfiguration, C::kToolWallConfiguration})
    Connect(c, "Wall Configuration",
            [this] { ShowDialog<TWallConfigurationDialog>(configuration_dialog_, model_); });
  for (C c : {C::kSoilLayers, C::kToolSoilLayers}) {
    Connect(c, "Soil Layer Data", [this] {
      if (!model_.Problem().LongTermMode) ShowTable(app::SoilLayers::kName);
    });
  }
  Connect(C::kSoilLayersShortTerm, "Soil Layer Data", [this] { ShowTable(app::SoilLayers::kName); });
  Connect(C::kSoilLayersLongTerm, "Soil Layer Data", [this] { ShowTable(app::SoilLayers::kLongTermName); });
  for (C c : {C::kDistributedLoads, C::kDistributedShortTerm})
    Connect(c, "Distributed Active Earth Pressure", [this] { ShowTable(app::PressureDistribution::kName); });
  Connect(C::kDistributedLongTerm, "Distributed Active Earth Pressure", [this] { ShowTable(app::PressureDistribution::kLongTermName); });
  Connect(C::kSurchargeLoads, "Additional Surcharge",
          [this] { ShowChild(surcharge_dialog_, [this] { return NewSurchargeDialog(model_, TableOpener()); }); });
  Connect(C::kConcentratedLoads, "Concentrated Loads", [this] {
    ShowChild(loads_dialog_, [this] { return NewConcentratedLoadsDialog(model_, TableOpener()); });
  });
  Connect(C::kTiebackData, "Tieback Data",
          [this] { ShowChild(tieback_dialog_, [this] { return NewTiebackDialog(model_, TableOpener()); }); });
  Connect(C::kRestraints, "Boundary Conditions", [this] { ShowTable(app::Restraints::kName); });
  Connect(C::kPYModification, "p-y Modification Factors", [this] { ShowTable(app::PYModification::kName); });
  Connect(C::kExternalPY, "External p-y Curves", [this] { ShowTable(app::PYCurveSets::kName); });
  Connect(C::kSprings, "Lateral Springs",
          [this] { ShowChild(springs_dialog_, [this] { return NewSpringsDialog(model_, TableOpener()); }); });
  Connect(C::kEICurves, "Moment vs EI Curves", [this] { ShowTable(app::MomentEICurveSets::kName); });
}

void TMainForm::ConnectOptionAndStageCommands() {
  using C = Command;
  for (C c : {C::kUnitsEnglish, C::kUnitsSI, C::kUnitsOther, C::kPressureUser, C::kPressureTriangular,
              C::kPressureTrapezoidal, C::kOptionGeneratePY, C::kOptionConcentratedLoads, C::kOptionTiebacks,
              C::kOptionRestraints, C::kOptionExternalPY, C::kOptionSprings, C::kOptionPYModification,
              C::kOptionSurcharge, C::kOptionEICurves, C::kOptionLongTerm}) {
    Connect(c, "Options", [this, c] { OptionCommand(c); });
  }
  Connect(C::kOptionStagedConstruction, "Staged Construction", [this] {
    if (auto& show = RegisteredChildWindows().showStagedConstruction) return show(*this, true);
    NotYetAvailable("The staged-construction dialog");
  });
  Connect(C::kToolStagedConstruction, "Staged Construction", [this] {
    if (auto& show = RegisteredChildWindows().showStagedConstruction) return show(*this, false);
    NotYetAvailable("The staged-construction dialog");
  });
  Connect(C::kOptionTextEditor, "Option of Text Editor",
          [this] { ShowDialog<TControlOptionsDialog>(options_dialog_, model_, editor_); });

  for (C c : {C::kStage1, C::kStage2, C::kStage3, C::kStage4, C::kStage5, C::kToolStage1, C::kToolStage2,
              C::kToolStage3, C::kToolStage4, C::kToolStage5}) {
    Connect(c, "Stage switch", [this, c] {
      if (auto& show = RegisteredChildWindows().switchToStage) return show(*this, app::StageOfCommand(c));
      NotYetAvailable("Switching stages");
    });
  }
  Connect(C::kUpdateCurrentStage, "Update Current Stage", [this] {
    if (auto& run = RegisteredChildWindows().updateCurrentStage) return run(*this);
    NotYetAvailable("Updating the current stage");
  });
  Connect(C::kCopyPreviousStage, "Copy Previous Stage", [this] {
    if (auto& run = RegisteredChildWindows().copyPreviousStage) return run(*this);
    NotYetAvailable("Copying the previous stage");
  });
}

void TMainForm::ConnectComputationAndGraphCommands() {
  using C = Command;
  Connect(C::kRunAnalysis, "Run Analysis", [this] {
    if (auto& run = RegisteredChildWindows().runAnalysis) return run(*this);
    NotYetAvailable("Running the analysis");
  });
  Connect(C::kEditInput, "Edit Input Text", [this] { OpenInEditor(model_.Problem().FileName); });
  Connect(C::kEditRunNotes, "Edit Processor-Run Notes",
          [this] { OpenInEditor(WithExtension(model_.Problem().FileName, ".vd5r").string()); });
  for (C c : {C::kEditOutput, C::kToolViewOutput}) {
    Connect(c, "Edit Output Text",
            [this] { OpenInEditor(WithExtension(model_.Problem().FileName, ".vd5o").string()); });
  }
  for (C c : {C::kViewWallGeometry, C::kToolSoilProfile}) {
    Connect(c, "Wall Geometry", [this] {
      if (auto& show = RegisteredChildWindows().showSideView) return show(*this);
      NotYetAvailable("The side view");
    });
  }
  Connect(C::kView3D, "3D View", [this] {
    if (auto& show = RegisteredChildWindows().open3DView) return show(*this);
    NotYetAvailable("The 3D view");
  });

  const struct {
    C menu;
    C tool;
    fw::TGraphPlot* graph;
  } graphs[] = {{C::kGraphPY, C::kToolPYCurves, &graphs_.pltPY},
                {C::kGraphDeflection, C::kToolDeflection, &graphs_.pltDef},
                {C::kGraphMoment, C::kToolMoment, &graphs_.pltMom},
                {C::kGraphShear, C::kToolShear, &graphs_.pltShear},
                {C::kGraphReaction, C::kToolReaction, &graphs_.pltSoil},
                {C::kGraphDeflectionMomentShear, C::kToolDeflectionMomentShear, &graphs_.pltDMS},
                {C::kGraphPressure, C::kToolPressure, &graphs_.pltLD},
                {C::kGraphPressureCombined, C::kCount, &graphs_.PltCombine}};
  for (const auto& g : graphs) {
    fw::TGraphPlot* graph = g.graph;
    Connect(g.menu, "Graph", [this, graph] { ShowGraph(*graph); });
    if (g.tool != C::kCount) Connect(g.tool, "Graph", [this, graph] { ShowGraph(*graph); });
  }
  Connect(C::kExportPlots, "Export Plots", [this] {
    if (auto& show = RegisteredChildWindows().showExportDialog) return show(*this);
    NotYetAvailable("The export dialog");
  });
}

void TMainForm::ConnectWindowViewAndHelpCommands() {
  using C = Command;
  Connect(C::kCascade, "Cascade", [this] { mdi_->cascadeSubWindows(); });
  Connect(C::kArrangeIcons, "Arrange Icons", [this] { ArrangeIcons(); });

  const struct {
    C command;
    View3DItem item;
  } show3d[] = {{C::kShow3DWall, View3DItem::kWall},
                {C::kShow3DSoilLayers, View3DItem::kSoilLayers},
                {C::kShow3DWaterLevel, View3DItem::kWaterLevel},
                {C::kShow3DUniformLoad, View3DItem::kUniformLoad},
                {C::kShow3DSurcharge, View3DItem::kSurcharge},
                {C::kShow3DConcentratedLoads, View3DItem::kConcentratedLoads},
                {C::kShow3DTiebacks, View3DItem::kTiebacks},
                {C::kShow3DBoundaryConditions, View3DItem::kBoundaryConditions},
                {C::kShow3DSprings, View3DItem::kSprings}};
  for (const auto& s : show3d) {
    const View3DItem item = s.item;
    Connect(s.command, "3D View", [this, item] {
      if (view3d_) view3d_->Toggle(item);
    });
  }
  const struct {
    C command;
    View3DCommand view;
  } tools3d[] = {{C::kToolPanning, View3DCommand::kPanning},
                 {C::kToolZoomWindow, View3DCommand::kZoomWindow},
                 {C::kToolZooming, View3DCommand::kZooming},
                 {C::kToolRotating, View3DCommand::kRotating},
                 {C::kToolZoomIn, View3DCommand::kZoomIn},
                 {C::kToolZoomOut, View3DCommand::kZoomOut},
                 {C::kToolRestartView, View3DCommand::kRestartView},
                 {C::kToolDeformedShape, View3DCommand::kDeformedShapeDialog},
                 {C::kShow3DDeformedShape, View3DCommand::kDeformedShapeDialog}};
  for (const auto& t : tools3d) {
    const View3DCommand view = t.view;
    QAction* action = Action(t.command);
    Connect(t.command, "3D View", [this, view, action] {
      if (view3d_) view3d_->Command(view, action->isChecked());
    });
  }

  // The manual is one set of HTML pages: its contents, its first chapter for the user,
  // and the chapter on the method for the technical reader.
  Connect(C::kHelpContents, "Contents", [this] { OpenHelpDocument("index.html"); });
  Connect(C::kUsersManual, "User's Manual", [this] { OpenHelpDocument("getting-started.html"); });
  Connect(C::kTechnicalManual, "Technical Manual", [this] { OpenHelpDocument("soil-and-pressure.html"); });
  Connect(C::kAbout, "About", [this] { ShowAboutBox(this); });
  Connect(C::kCheckUpdates, "Check for Updates", [this] {
    ShowInformation(this, std::string("VELDRA ") + app::kVersionText +
                              ": updates come with a new installation of the program; it does not look "
                              "for them on the Internet.");
  });
}

}  // namespace veldra::gui
