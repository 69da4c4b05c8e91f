// TStageCommands: what the Stage menu, the stage buttons and the staged-construction
// commands do. The main window owns the actions and applies its rules to them; after
// every change of the stages these commands ask it to do so again.
//
// Stage files that cannot be written or renamed throw EFileError: the main window
// runs its commands under its error guard. A stage file with a format error is
// reported in an information box, as opening a data file reports it.
#ifndef VELDRA_GUI_RUN_STAGE_COMMANDS_H
#define VELDRA_GUI_RUN_STAGE_COMMANDS_H

#include <QObject>
#include <QPointer>

#include "gui/core/child_windows.h"

class QMdiSubWindow;

namespace veldra::gui {

class TDlgStagedConstruction;

class TStageCommands : public QObject {
  Q_OBJECT

 public:
  // Lives as long as the host's window, its parent.
  explicit TStageCommands(ChildHost& host);

  // "Stage &1" to "Stage &5" and "Stage Const. 1" to "Stage Const. 5".
  void SwitchToStage(int stage);
  // "Update &Current Stage".
  void UpdateCurrentStage();
  // "Copy &Previous Stage", after the user confirms.
  void CopyPreviousStage();
  // The "Staged Construction Options" dialog: modal over the main window from the
  // Options menu; from the toolbar a child window of the main window that stays open.
  // An open one is brought to the front.
  void ShowStagedConstructionDialog(bool modal);
  // The open dialog, or nullptr.
  TDlgStagedConstruction* Dialog() const;

 private:
  void Changed();

  ChildHost& host_;
  QPointer<TDlgStagedConstruction> modal_;
  QPointer<QMdiSubWindow> child_;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_RUN_STAGE_COMMANDS_H
