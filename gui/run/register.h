// The run room's entries of the main window's seam: "Run Analysis", the
// staged-construction dialog and the stage commands.
#ifndef VELDRA_GUI_RUN_REGISTER_H
#define VELDRA_GUI_RUN_REGISTER_H

#include "gui/core/child_windows.h"

namespace veldra::gui {
class TRunCommand;
class TStageCommands;
}  // namespace veldra::gui

namespace veldra::gui::run {

void Register(ChildWindows& windows);

// The commands of a main window, made on first use and freed with the window (they
// keep the run folder and the open staged-construction dialog between commands).
TRunCommand& RunCommandOf(ChildHost& host);
TStageCommands& StageCommandsOf(ChildHost& host);

}  // namespace veldra::gui::run

#endif  // VELDRA_GUI_RUN_REGISTER_H
