// TRunCommand: "&Run Analysis" in the main window. The sequence is TAnalysisRun's;
// this side shows its messages in boxes over the window, the busy cursor for the
// engine call, and hands the save, the plot-read flag and the refresh of the diagram
// buttons to the main window.
#ifndef VELDRA_GUI_RUN_RUN_COMMAND_H
#define VELDRA_GUI_RUN_RUN_COMMAND_H

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/run/analysis_run.h"

namespace veldra::gui {

class TRunCommand : public QObject {
  Q_OBJECT

 public:
  // The engine library is looked up from the program's folder (EngineLibraryPath).
  TRunCommand(app::TMainModel& model, framework::TMainGraphs& graphs, QWidget* window);

  app::TAnalysisRun& Sequence() { return run_; }

  // The main window's part, as TAnalysisRun::Hooks describes it.
  std::function<bool()> save;
  std::function<void(bool read)> store_plot_read;
  std::function<void()> refresh_diagram_buttons;

  // Runs the command. File-system failures throw EFileError: call it through the
  // window's error guard.
  app::RunResult Execute();

 signals:
  // After every run that reached the engine, with how it ended.
  void runFinished(veldra::app::RunEnd end);

 private:
  QPointer<QWidget> window_;
  app::TAnalysisRun run_;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_RUN_RUN_COMMAND_H
