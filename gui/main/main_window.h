// TMainForm: the application's multiple-document main window.
//
// It owns the model (the problem and its tables), the result graphs, the menus and
// the toolbar, the recent-file list and the text-editor setting. Every command runs
// through RunCommand: the active child form commits first, the command runs under
// the error guard, and UpdateActions applies the rules of app/main_window_rules to
// every action. The windows of the other rooms are reached through ChildWindows.
#ifndef VELDRA_GUI_MAIN_MAIN_WINDOW_H
#define VELDRA_GUI_MAIN_MAIN_WINDOW_H

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "app/main_model.h"
#include "app/main_window_rules.h"
#include "app/problem_files.h"
#include "app/recent_files.h"
#include "framework/main_graphs.h"
#include "gui/core/child_windows.h"

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace veldra::gui {

class ChildForm;
class TWallConfigurationDialog;

// A file chooser: the open or save dialog, or a stand-in of the tests.
struct FileRequest {
  bool save = false;
  QString title;
  QString proposed;      // folder or file to start from
  QStringList filters;   // name filters, the first one selected
};
struct FileChoice {
  QString path;
  int filter = 1;  // 1-based index of the chosen filter
};
using FileChooser = std::function<std::optional<FileChoice>(QWidget* parent, const FileRequest& request)>;

class TMainForm : public QMainWindow, public ChildHost {
  Q_OBJECT

 public:
  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  // FormShow: reads the settings, then opens the file named on the command line
  // (an empty argument: a new problem) and sets the caption.
  void Start(const QString& command_line_file);

  // --- File commands (without confirm-discard, which the menu commands add) ------
  // Opens a data file: `format_code` is the open dialog's filter index, or 0 for the
  // format of the extension. Shows the "has been read" message.
  void OpenFileName(const QString& path, int format_code);
  bool ConfirmDiscard();
  bool SaveAs();
  // The file just opened holds data the model cannot represent (`what` says which):
  // the warning is shown, and the first Save over that file asks before it
  // overwrites it.
  void WarnUnkeptContent(const std::string& what);

  // --- For the tests and the other rooms --------------------------------------------
  QAction* Action(app::Command command) const { return actions_[static_cast<std::size_t>(command)]; }
  QAction* RecentFileAction(int k) const { return recent_actions_.at(static_cast<std::size_t>(k - 1)); }
  QMenu* WindowMenu() const { return window_menu_; }
  const app::RecentFiles& RecentFileList() const { return recent_; }
  const std::string& EditorPath() const { return editor_; }
  void SetEditorPath(std::string path) { editor_ = std::move(path); }
  QString StatusText() const;
  void SetFileChooser(FileChooser chooser) { choose_file_ = std::move(chooser); }
  // The folder of the manual's HTML pages; empty: beside the program, as installed.
  void SetManualFolder(QString folder) { manual_folder_ = std::move(folder); }
  QString ManualFolder() const;
  QWidget* ActiveChildWidget() const;

  // --- ChildHost ----------------------------------------------------------------------
  QMainWindow* MainWindow() override { return this; }
  QMdiArea* MdiArea() override { return mdi_; }
  QMdiSubWindow* AddChild(QWidget* widget) override;
  app::TMainModel& Model() override { return model_; }
  framework::TMainGraphs& Graphs() override { return graphs_; }
  bool PlotRead() const override { return plot_read_; }
  void SetPlotRead(bool read) override { plot_read_ = read; }
  bool Save() override;
  void CloseChildWindows() override;
  void UpdateActions() override;
  void SetStatusText(const std::string& text) override;
  std::string IdentificationText(int line) const override;
  std::string TextEditor() const override { return editor_; }
  void Set3DView(View3DControls* view) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // What the commands do (main_commands.cpp).
  void ConnectCommands();
  void ConnectFileAndDataCommands();
  void ConnectOptionAndStageCommands();
  void ConnectComputationAndGraphCommands();
  void ConnectWindowViewAndHelpCommands();

  // Building (main_menus.cpp).
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  QAction* MakeAction(app::Command command, const char* text, const char* shortcut = nullptr);
  QMenu* AddMenu(QMenu* parent, app::Command command, const char* text);
  void Connect(app::Command command, const char* what, std::function<void()> body);
  QMenu* TopMenu(const char* text);

  // Runs a command: commits the active child form, runs `body` under the error
  // guard, then applies the rules.
  void RunCommand(const char* what, const std::function<void()>& body);
  // Commits the active child form; false when one of its fields refused its entry.
  bool DeactivateActiveChild();
  void SubWindowActivated(QMdiSubWindow* window);

  // Commands.
  void FileNew();
  void FileOpen();
  void OpenRecentFile(int k);
  void OpenDropped(const QString& path);
  void OptionCommand(app::Command command);
  void NewProblemLayout();
  void AfterOpen(const app::OpenResult& result);
  void UpdatePrevFile(const std::string& name);
  void WriteSettings();
  void OpenInEditor(const std::string& file);
  void OpenHelpDocument(const char* name);
  void ShowTable(const char* name);
  void ShowGraph(framework::TGraphPlot& graph);
  void NotYetAvailable(const char* what);
  void FillWindowMenu();
  void FillRecentFiles();
  void ArrangeIcons();
  void UnitsChanged();
  void UpdatePressureFields();
  void ShowChild(QPointer<QMdiSubWindow>& slot, const std::function<QWidget*()>& make);
  template <class Dialog, class... Args>
  void ShowDialog(QPointer<QMdiSubWindow>& slot, Args&&... args);
  // What the dialogs' table buttons call.
  std::function<void(const char*)> TableOpener();

  app::TMainModel model_;
  framework::TMainGraphs graphs_;
  bool plot_read_ = false;
  std::string editor_;
  app::RecentFiles recent_;
  View3DControls* view3d_ = nullptr;
  std::string unkept_content_;  // what the opened file holds that a Save would lose
  FileChooser choose_file_;
  QString manual_folder_;

  QMdiArea* mdi_ = nullptr;
  QLabel* status_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QMenu* window_menu_ = nullptr;
  QMenu* file_menu_ = nullptr;
  std::array<QAction*, app::kCommandCount> actions_{};
  std::array<QAction*, app::kRecentFileCount> recent_actions_{};
  QList<QAction*> window_entries_;
  QPointer<QMdiSubWindow> active_child_;  // the child that was active last
  bool switching_child_ = false;          // a refused deactivation is bringing a child back

  // The single-instance child windows of this room.
  QPointer<QMdiSubWindow> title_dialog_;
  QPointer<QMdiSubWindow> options_dialog_;
  QPointer<QMdiSubWindow> properties_dialog_;
  QPointer<QMdiSubWindow> configuration_dialog_;
  QPointer<QMdiSubWindow> surcharge_dialog_;
  QPointer<QMdiSubWindow> loads_dialog_;
  QPointer<QMdiSubWindow> springs_dialog_;
  QPointer<QMdiSubWindow> tieback_dialog_;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_MAIN_MAIN_WINDOW_H
