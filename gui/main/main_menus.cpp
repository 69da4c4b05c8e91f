// The menus, their items and the toolbar of the main window: captions, shortcuts,
// hints and glyphs. What the items do is in main_window.cpp.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "gui/core/child_form.h"
#include "gui/core/error_guard.h"
#include "gui/main/main_window.h"
#include "gui/main/toolbar_glyphs.h"

namespace veldra::gui {

using app::Command;

QAction* TMainForm::MakeAction(Command command, const char* text, const char* shortcut) {
  auto* action = new QAction(QString::fromUtf8(text), this);
  if (shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
  actions_[static_cast<std::size_t>(command)] = action;
  return action;
}

QMenu* TMainForm::AddMenu(QMenu* parent, Command command, const char* text) {
  QMenu* menu = parent->addMenu(QString::fromUtf8(text));
  actions_[static_cast<std::size_t>(command)] = menu->menuAction();
  return menu;
}

QMenu* TMainForm::TopMenu(const char* text) {
  QMenu* menu = menuBar()->addMenu(QString::fromUtf8(text));
  // Opening a menu commits the active dialog first, so that the menu's rules and
  // commands see what the user typed.
  connect(menu, &QMenu::aboutToShow, this, [this] {
    if (QWidget* child = ActiveChildWidget()) {
      auto* form = dynamic_cast<ChildForm*>(child);
      if (form && form->CanDeactivate()) form->DeactivateForm();
    }
    UpdateActions();
  });
  return menu;
}

void TMainForm::CreateActions() {
  using C = Command;
  // File
  MakeAction(C::kFileNew, "&New", "Ctrl+N");
  MakeAction(C::kFileOpen, "&Open...", "Ctrl+O");
  MakeAction(C::kFileSave, "&Save", "Ctrl+S");
  MakeAction(C::kFileSaveAs, "Save &As...");
  MakeAction(C::kExit, "E&xit", "Ctrl+Q");
  // Data
  MakeAction(C::kTitle, "&Title");
  MakeAction(C::kWallProperties, "Wall &Properties");
  MakeAction(C::kWallConfiguration, "&Wall Configuration");
  MakeAction(C::kSoilLayers, "&Soil Layer Data");
  MakeAction(C::kSoilLayersShortTerm, "Short-Term");
  MakeAction(C::kSoilLayersLongTerm, "Long-Term");
  MakeAction(C::kDistributedLoads, "&Distributed Active Earth Pressure");
  MakeAction(C::kDistributedShortTerm, "Short-Term");
  MakeAction(C::kDistributedLongTerm, "Long-Term");
  MakeAction(C::kSurchargeLoads, "&Additional Surcharge Loads");
  MakeAction(C::kConcentratedLoads, "&Concentrated Loads on the Wall");
  MakeAction(C::kTiebackData, "Tieback (Ground Anchor) Data");
  MakeAction(C::kRestraints, "&Boundary Condition on Deflection or Slope");
  MakeAction(C::kPYModification, "Modification &Factors for p-y Curves");
  MakeAction(C::kExternalPY, "Sets of &External p-y Curves");
  MakeAction(C::kSprings, "&Lateral Springs and Rotational Restraints");
  MakeAction(C::kEICurves, "Sets of Nonlinear Moment vs EI Curves");
  // Options
  MakeAction(C::kUnitsEnglish, "&English Units (lbs, in)");
  MakeAction(C::kUnitsSI, "&SI Units (kN, m)");
  MakeAction(C::kUnitsOther, "&Other Units (F, L)");
  MakeAction(C::kPressureUser, "Earth-Pressure Specified by User");
  MakeAction(C::kPressureTriangular, "Generate Triangular-Distribution Earth-Pressure");
  MakeAction(C::kPressureTrapezoidal, "Generate Trapezoidal-Distribution Pressure (Anchored Walls)");
  MakeAction(C::kOptionGeneratePY, "Generate &p-y Curves");
  MakeAction(C::kOptionConcentratedLoads, "Apply &Concentrated Loads");
  MakeAction(C::kOptionTiebacks, "Apply Tieback (Ground  Anchor)");
  MakeAction(C::kOptionRestraints, "Apply &Restraints on Deflection or Slope");
  MakeAction(C::kOptionExternalPY, "Apply User Specified p-y Curves (&External)");
  MakeAction(C::kOptionSprings, "Apply &Lateral Springs and Rotation Restraints");
  MakeAction(C::kOptionPYModification, "Apply External p-y &Modification Factors ");
  MakeAction(C::kOptionSurcharge, "Apply Additional Surcharge Loads");
  MakeAction(C::kOptionEICurves, "Apply Nonlinear Moment vs EI Curves");
  MakeAction(C::kOptionLongTerm, "Conduct Short-Term and Long-Term &Analyses");
  MakeAction(C::kOptionStagedConstruction, "Conduct &Staged-Construction Analysis...");
  MakeAction(C::kOptionTextEditor, "&Option of Text Editor...");
  // Stage Construction
  MakeAction(C::kStage1, "Stage &1");
  MakeAction(C::kStage2, "Stage &2");
  MakeAction(C::kStage3, "Stage &3");
  MakeAction(C::kStage4, "Stage &4");
  MakeAction(C::kStage5, "Stage &5");
  MakeAction(C::kUpdateCurrentStage, "Update &Current Stage");
  MakeAction(C::kCopyPreviousStage, "Copy &Previous Stage");
  // Computation
  MakeAction(C::kRunAnalysis, "&Run Analysis");
  MakeAction(C::kEditInput, "Edit I&nput Text");
  MakeAction(C::kEditRunNotes, "Edit &Processor-Run Notes");
  MakeAction(C::kEditOutput, "Edit &Output Text");
  MakeAction(C::kViewWallGeometry, "&View Wall Geometry");
  MakeAction(C::kView3D, "3D View");
  // Graphics
  MakeAction(C::kGraphPY, "p-&y Curves");
  MakeAction(C::kGraphDeflection, "&Deflection vs Depth");
  MakeAction(C::kGraphMoment, "&Moment vs Depth");
  MakeAction(C::kGraphShear, "&Shear vs Depth");
  MakeAction(C::kGraphReaction, "Net &Reaction vs Depth");
  MakeAction(C::kGraphDeflectionMomentShear, "&Deflection, Moment and Shear");
  MakeAction(C::kGraphPressure, "Earth &Pressure Distribution");
  MakeAction(C::kGraphPressureCombined, "Earth Pressure Combined");
  MakeAction(C::kExportPlots, "Export Plots To Excel");
  // Window
  MakeAction(C::kCascade, "&Cascade");
  MakeAction(C::kArrangeIcons, "&Arrange Icons");
  // Show 3DView
  MakeAction(C::kShow3DWall, "Wall");
  MakeAction(C::kShow3DSoilLayers, "Soil Layers");
  MakeAction(C::kShow3DWaterLevel, "Water Level");
  MakeAction(C::kShow3DUniformLoad, "Uniform Load at Backfill");
  MakeAction(C::kShow3DSurcharge, "Additional Surcharge");
  MakeAction(C::kShow3DConcentratedLoads, "Concentrated Loads");
  MakeAction(C::kShow3DTiebacks, "Tie Backs");
  MakeAction(C::kShow3DBoundaryConditions, "Boundary Conditions");
  MakeAction(C::kShow3DSprings, "Lateral Springs");
  MakeAction(C::kShow3DDeformedShape, "Deformed Shape");
  // Help
  MakeAction(C::kHelpContents, "&Contents");
  MakeAction(C::kUsersManual, "&User's Manual");
  MakeAction(C::kTechnicalManual, "&Technical Manual");
  MakeAction(C::kAbout, "&About...");
  MakeAction(C::kCheckUpdates, "Check for &Updates");
  // Toolbar buttons of their own
  MakeAction(C::kToolWallConfiguration, "Wall Configuration");
  MakeAction(C::kToolSoilLayers, "Soil Layers");
  MakeAction(C::kToolStagedConstruction, "Stage Construction Option");
  MakeAction(C::kToolViewOutput, "View Output File");
  MakeAction(C::kToolSoilProfile, "View Soil Profile");
  MakeAction(C::kToolPYCurves, "View p-y Curves");
  MakeAction(C::kToolDeflection, "Deflection Diagram");
  MakeAction(C::kToolMoment, "Moment Diagram");
  MakeAction(C::kToolShear, "Shear Diagram");
  MakeAction(C::kToolReaction, "Net Reaction Diagram");
  MakeAction(C::kToolDeflectionMomentShear, "DMV Diagrams");
  MakeAction(C::kToolPressure, "Pressure Diagram");
  MakeAction(C::kToolStage1, "Stage Const. 1");
  MakeAction(C::kToolStage2, "Stage Const. 2");
  MakeAction(C::kToolStage3, "Stage Const. 3");
  MakeAction(C::kToolStage4, "Stage Const. 4");
  MakeAction(C::kToolStage5, "Stage Const. 5");
  MakeAction(C::kToolPanning, "Panning");
  MakeAction(C::kToolZoomWindow, "Zoom Window");
  MakeAction(C::kToolZooming, "Zooming");
  MakeAction(C::kToolRotating, "Rotating");
  MakeAction(C::kToolZoomIn, "Zoom In");
  MakeAction(C::kToolZoomOut, "Zoom Out");
  MakeAction(C::kToolRestartView, "Restart View");
  MakeAction(C::kToolDeformedShape, "Deformed Shape");

  // Radio groups: the unit systems, the earth-pressure options, the stage buttons
  // and the 3D view's mouse modes.
  auto group = [this](std::initializer_list<Command> commands) {
    auto* radio = new QActionGroup(this);
    radio->setExclusive(true);
    for (Command c : commands) {
      Action(c)->setCheckable(true);
      radio->addAction(Action(c));
    }
  };
  group({C::kUnitsEnglish, C::kUnitsSI, C::kUnitsOther});
  group({C::kPressureUser, C::kPressureTriangular, C::kPressureTrapezoidal});
  group({C::kToolStage1, C::kToolStage2, C::kToolStage3, C::kToolStage4, C::kToolStage5});
  group({C::kToolPanning, C::kToolZoomWindow, C::kToolZooming, C::kToolRotating});
  for (Command c : {C::kOptionGeneratePY, C::kOptionConcentratedLoads, C::kOptionTiebacks, C::kOptionRestraints,
                    C::kOptionExternalPY, C::kOptionSprings, C::kOptionPYModification, C::kOptionSurcharge,
                    C::kOptionEICurves, C::kOptionLongTerm, C::kOptionStagedConstruction, C::kStage1, C::kStage2,
                    C::kStage3, C::kStage4, C::kStage5, C::kShow3DWall, C::kShow3DSoilLayers, C::kShow3DWaterLevel,
                    C::kShow3DUniformLoad, C::kShow3DSurcharge, C::kShow3DConcentratedLoads, C::kShow3DTiebacks,
                    C::kShow3DBoundaryConditions, C::kShow3DSprings, C::kShow3DDeformedShape}) {
    Action(c)->setCheckable(true);
  }

  for (int k = 1; k <= app::kRecentFileCount; ++k) {
    auto* action = new QAction(this);
    action->setVisible(false);
    connect(action, &QAction::triggered, this, [this, k] { OpenRecentFile(k); });
    recent_actions_[static_cast<std::size_t>(k - 1)] = action;
  }
}

void TMainForm::CreateMenus() {
  using C = Command;
  file_menu_ = TopMenu("&File");
  file_menu_->addAction(Action(C::kFileNew));
  file_menu_->addAction(Action(C::kFileOpen));
  file_menu_->addAction(Action(C::kFileSave));
  file_menu_->addAction(Action(C::kFileSaveAs));
  file_menu_->addSeparator();
  for (QAction* recent : recent_actions_) file_menu_->addAction(recent);
  actions_[static_cast<std::size_t>(C::kRecentSeparator)] = file_menu_->addSeparator();
  file_menu_->addAction(Action(C::kExit));
  connect(file_menu_, &QMenu::aboutToShow, this, [this] { FillRecentFiles(); });

  QMenu* data = TopMenu("Da&ta");
  data->addAction(Action(C::kTitle));
  data->addAction(Action(C::kWallProperties));
  data->addAction(Action(C::kWallConfiguration));
  data->addAction(Action(C::kSoilLayers));
  QMenu* soil = AddMenu(data, C::kSoilLayersMenu, "&Soil Layer Data");
  soil->addAction(Action(C::kSoilLayersShortTerm));
  soil->addAction(Action(C::kSoilLayersLongTerm));
  data->addAction(Action(C::kDistributedLoads));
  QMenu* pressure = AddMenu(data, C::kDistributedLoadsMenu, "&Distributed Active Earth Pressure");
  pressure->addAction(Action(C::kDistributedShortTerm));
  pressure->addAction(Action(C::kDistributedLongTerm));
  for (C c : {C::kSurchargeLoads, C::kConcentratedLoads, C::kTiebackData, C::kRestraints, C::kPYModification,
              C::kExternalPY, C::kSprings, C::kEICurves}) {
    data->addAction(Action(c));
  }

  QMenu* options = TopMenu("&Options");
  connect(options, &QMenu::aboutToShow, this, [this] {
    app::OnOptionsMenuOpen(model_.Problem());
    UpdateActions();
  });
  QMenu* units = options->addMenu(QStringLiteral("&Units"));
  for (C c : {C::kUnitsEnglish, C::kUnitsSI, C::kUnitsOther}) units->addAction(Action(c));
  QMenu* earth = options->addMenu(QStringLiteral("Earth-Pressure Options"));
  for (C c : {C::kPressureUser, C::kPressureTriangular, C::kPressureTrapezoidal}) earth->addAction(Action(c));
  connect(earth, &QMenu::aboutToShow, this, [this] {
    RunGuarded(this, "Earth-Pressure Options", [this] {
      app::NormaliseEarthPressureOption(model_.Problem());
      UpdatePressureFields();
    });
    UpdateActions();
  });
  for (C c : {C::kOptionGeneratePY, C::kOptionConcentratedLoads, C::kOptionTiebacks, C::kOptionRestraints,
              C::kOptionExternalPY, C::kOptionSprings, C::kOptionPYModification, C::kOptionSurcharge,
              C::kOptionEICurves, C::kOptionLongTerm, C::kOptionStagedConstruction, C::kOptionTextEditor}) {
    options->addAction(Action(c));
  }

  QMenu* stage = TopMenu("&Stage Construction");
  actions_[static_cast<std::size_t>(C::kStageMenu)] = stage->menuAction();
  for (C c : {C::kStage1, C::kStage2, C::kStage3, C::kStage4, C::kStage5}) stage->addAction(Action(c));
  stage->addSeparator();
  stage->addAction(Action(C::kUpdateCurrentStage));
  stage->addAction(Action(C::kCopyPreviousStage));

  QMenu* computation = TopMenu("&Computation");
  for (C c : {C::kRunAnalysis, C::kEditInput, C::kEditRunNotes, C::kEditOutput, C::kViewWallGeometry, C::kView3D})
    computation->addAction(Action(c));

  QMenu* graphics = TopMenu("&Graphics");
  graphics->addAction(Action(C::kGraphPY));
  graphics->addSeparator();
  for (C c : {C::kGraphDeflection, C::kGraphMoment, C::kGraphShear, C::kGraphReaction,
              C::kGraphDeflectionMomentShear}) {
    graphics->addAction(Action(c));
  }
  graphics->addSeparator();
  graphics->addAction(Action(C::kGraphPressure));
  graphics->addAction(Action(C::kGraphPressureCombined));
  graphics->addSeparator();
  graphics->addAction(Action(C::kExportPlots));

  window_menu_ = TopMenu("&Window");
  window_menu_->addAction(Action(C::kCascade));
  window_menu_->addAction(Action(C::kArrangeIcons));
  actions_[static_cast<std::size_t>(C::kWindowSeparator)] = window_menu_->addSeparator();
  connect(window_menu_, &QMenu::aboutToShow, this, [this] { FillWindowMenu(); });

  QMenu* show3d = TopMenu("Show 3DView");
  actions_[static_cast<std::size_t>(C::kShow3DMenu)] = show3d->menuAction();
  for (C c : {C::kShow3DWall, C::kShow3DSoilLayers, C::kShow3DWaterLevel, C::kShow3DUniformLoad,
              C::kShow3DSurcharge, C::kShow3DConcentratedLoads, C::kShow3DTiebacks, C::kShow3DBoundaryConditions,
              C::kShow3DSprings}) {
    show3d->addAction(Action(c));
  }
  show3d->addSeparator();
  show3d->addAction(Action(C::kShow3DDeformedShape));

  QMenu* help = TopMenu("&Help");
  help->addAction(Action(C::kHelpContents));
  help->addAction(Action(C::kUsersManual));
  help->addAction(Action(C::kTechnicalManual));
  help->addSeparator();
  help->addAction(Action(C::kAbout));
  help->addAction(Action(C::kCheckUpdates));
}

void TMainForm::CreateToolBar() {
  using C = Command;
  toolbar_ = addToolBar(QStringLiteral("Toolbar"));
  toolbar_->setObjectName(QStringLiteral("MainToolBar"));
  toolbar_->setMovable(false);
  toolbar_->setIconSize(QSize(24, 24));
  auto add = [this](C command, const char* hint) {
    QAction* action = Action(command);
    action->setToolTip(QString::fromUtf8(hint));
    action->setIcon(ToolbarGlyph(command));
    toolbar_->addAction(action);
  };
  add(C::kFileNew, "New Data File");
  add(C::kFileOpen, "Open Data File");
  add(C::kFileSave, "Save Data File");
  toolbar_->addSeparator();
  add(C::kTitle, "Title");
  add(C::kWallProperties, "Wall Properties");
  add(C::kToolWallConfiguration, "Wall Configuration");
  add(C::kToolSoilLayers, "Soil Layers");
  toolbar_->addSeparator();
  add(C::kRunAnalysis, "Run Analysis");
  add(C::kToolStagedConstruction, "Stage Construction Option");
  add(C::kToolViewOutput, "View Output File");
  add(C::kToolSoilProfile, "View Soil Profile");
  add(C::kView3D, "3D View");
  toolbar_->addSeparator();
  add(C::kToolPYCurves, "View p-y Curves");
  add(C::kToolDeflection, "Deflection Diagram");
  add(C::kToolMoment, "Moment Diagram");
  add(C::kToolShear, "Shear Diagram");
  add(C::kToolReaction, "Net Reaction Diagram");
  add(C::kToolDeflectionMomentShear, "DMV Diagrams");
  add(C::kToolPressure, "Pressure Diagram");
  actions_[static_cast<std::size_t>(C::kToolStageSeparator)] = toolbar_->addSeparator();
  add(C::kToolStage1, "Stage Const. 1");
  add(C::kToolStage2, "Stage Const. 2");
  add(C::kToolStage3, "Stage Const. 3");
  add(C::kToolStage4, "Stage Const. 4");
  add(C::kToolStage5, "Stage Const. 5");
  add(C::kToolPanning, "Panning");
  add(C::kToolZoomWindow, "Zoom Window");
  add(C::kToolZooming, "Zooming");
  add(C::kToolRotating, "Rotating");
  add(C::kToolZoomIn, "Zoom In");
  add(C::kToolZoomOut, "Zoom Out");
  add(C::kToolRestartView, "Restart View");
  // The separator before "Deformed Shape" belongs to the 3D group: it comes and goes
  // with the view.
  actions_[static_cast<std::size_t>(C::kTool3DSeparator)] = toolbar_->addSeparator();
  add(C::kToolDeformedShape, "Deformed Shape");
}

}  // namespace veldra::gui
