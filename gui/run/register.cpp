#include "gui/run/register.h"

#include <QMainWindow>

#include "gui/run/run_command.h"
#include "gui/run/stage_commands.h"

namespace veldra::gui::run {

namespace {

template <class Commands>
Commands& CommandsOf(ChildHost& host) {
  QMainWindow* window = host.MainWindow();
  if (auto* commands = window->findChild<Commands*>(QString(), Qt::FindDirectChildrenOnly)) return *commands;
  return *new Commands(host);  // a child of the window
}

}  // namespace

TRunCommand& RunCommandOf(ChildHost& host) { return CommandsOf<TRunCommand>(host); }
TStageCommands& StageCommandsOf(ChildHost& host) { return CommandsOf<TStageCommands>(host); }

void Register(ChildWindows& windows) {
  windows.runAnalysis = [](ChildHost& host) { RunCommandOf(host).Execute(); };
  windows.showStagedConstruction = [](ChildHost& host, bool modal) {
    StageCommandsOf(host).ShowStagedConstructionDialog(modal);
  };
  windows.switchToStage = [](ChildHost& host, int stage) { StageCommandsOf(host).SwitchToStage(stage); };
  windows.updateCurrentStage = [](ChildHost& host) { StageCommandsOf(host).UpdateCurrentStage(); };
  windows.copyPreviousStage = [](ChildHost& host) { StageCommandsOf(host).CopyPreviousStage(); };
}

}  // namespace veldra::gui::run
