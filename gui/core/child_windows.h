// The seam between the main window and the windows the other rooms build (table
// windows, graph windows, the run, stages, the side and 3D views).
//
// The main window implements ChildHost: what those windows may ask of it. Each room
// fills its entries of ChildWindows (the registry, one per process) from its
// Register function, which the executable calls before the main window is created.
// An entry left empty shows "not yet available" when its command is chosen.
#ifndef VELDRA_GUI_CORE_CHILD_WINDOWS_H
#define VELDRA_GUI_CORE_CHILD_WINDOWS_H

#include <functional>
#include <string>

class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace veldra::app {
class TMainModel;
}
namespace veldra::framework {
class TGraphPlot;
class TGridTable;
class TMainGraphs;
}  // namespace veldra::framework

namespace veldra::gui {

// The items of the "Show 3DView" menu and the 3D view's toolbar commands.
enum class View3DItem {
  kWall,
  kSoilLayers,
  kWaterLevel,
  kUniformLoad,
  kSurcharge,
  kConcentratedLoads,
  kTiebacks,
  kBoundaryConditions,
  kSprings,
  kDeformedShape,
};
enum class View3DCommand {
  kPanning,
  kZoomWindow,
  kZooming,
  kRotating,
  kZoomIn,
  kZoomOut,
  kRestartView,
  kDeformedShapeDialog,
};

// What the 3D view offers the main window's "Show 3DView" menu and toolbar while it
// is open (registered through ChildHost::Set3DView).
class View3DControls {
 public:
  virtual ~View3DControls() = default;
  virtual bool Shown(View3DItem item) const = 0;  // the tick of the menu item
  virtual void Toggle(View3DItem item) = 0;       // flip it and redraw
  // `on` is the state of a latching button (panning ... rotating, zoom window).
  virtual void Command(View3DCommand command, bool on) = 0;
};

// What the child windows may ask of the main window.
class ChildHost {
 public:
  virtual ~ChildHost() = default;
  virtual QMainWindow* MainWindow() = 0;
  virtual QMdiArea* MdiArea() = 0;
  // Shows `widget` as a child window of the main window (it is freed when closed).
  virtual QMdiSubWindow* AddChild(QWidget* widget) = 0;
  virtual app::TMainModel& Model() = 0;
  virtual framework::TMainGraphs& Graphs() = 0;

  // The plot-read flag: the result of the last reading of the plot-data file.
  virtual bool PlotRead() const = 0;
  virtual void SetPlotRead(bool read) = 0;

  // "&Save" as the File menu runs it (may turn into Save As). Returns true when the
  // problem was written.
  virtual bool Save() = 0;
  // Closes every child window of the main window.
  virtual void CloseChildWindows() = 0;
  // Applies the rules to every menu item and toolbar button again (after a run, a
  // stage switch, a change of the stage count).
  virtual void UpdateActions() = 0;
  // The status bar: "Construction Stage Number: n" or empty.
  virtual void SetStatusText(const std::string& text) = 0;
  // The identification texts of the names file.
  virtual std::string IdentificationText(int line) const = 0;
  // The text editor chosen by the user ("Word Processor"); empty: none chosen.
  virtual std::string TextEditor() const { return {}; }

  // The 3D view announces itself when it opens (the "Show 3DView" menu and the 3D
  // buttons appear) and passes nullptr when it closes.
  virtual void Set3DView(View3DControls* view) = 0;
};

struct ChildWindows {
  // The window of one of the main window's tables.
  std::function<void(ChildHost&, framework::TGridTable&)> showTable;
  // The window of one of the eight result graphs.
  std::function<void(ChildHost&, framework::TGraphPlot&)> showGraph;
  std::function<void(ChildHost&)> showExportDialog;
  std::function<void(ChildHost&)> runAnalysis;
  std::function<void(ChildHost&)> showSideView;
  std::function<void(ChildHost&)> open3DView;
  // The staged-construction dialog: modal from the Options menu, not from the toolbar.
  std::function<void(ChildHost&, bool modal)> showStagedConstruction;
  std::function<void(ChildHost&, int stage)> switchToStage;
  std::function<void(ChildHost&)> updateCurrentStage;
  std::function<void(ChildHost&)> copyPreviousStage;
};

// The registry of the process.
ChildWindows& RegisteredChildWindows();

// The text shown for a command whose window is not registered.
inline constexpr const char* kNotYetAvailable = " is not yet available in this build.";

}  // namespace veldra::gui

#endif  // VELDRA_GUI_CORE_CHILD_WINDOWS_H
