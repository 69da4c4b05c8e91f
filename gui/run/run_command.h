// TRunCommand: "&Run Analysis" in the main window. The sequence is TAnalysisRun's;
// this side shows its messages in boxes over the window and the busy cursor for the
// engine call, and asks the main window to save, to keep the plot-read flag and to
// apply its rules again.
#ifndef VELDRA_GUI_RUN_RUN_COMMAND_H
#define VELDRA_GUI_RUN_RUN_COMMAND_H

#include <QObject>

#include "app/run/analysis_run.h"
#include "gui/core/child_windows.h"

namespace veldra::gui {

class TRunCommand : public QObject {
  Q_OBJECT

 public:
  // The engine library is looked up from the program's folder (EngineLibraryPath).
  // Lives as long as the host's window, its parent.
  explicit TRunCommand(ChildHost& host);

  app::TAnalysisRun& Sequence() { return run_; }

  // Runs the command. File-system failures throw EFileError: the main window runs
  // its commands under its error guard.
  app::RunResult Execute();

 private:
  ChildHost& host_;
  app::TAnalysisRun run_;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_RUN_RUN_COMMAND_H
