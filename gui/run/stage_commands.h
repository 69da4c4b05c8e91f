// TStageCommands: what the Stage menu, the stage buttons and the staged-construction
// command do. The main window owns the actions and applies StageControlsOf after
// every change (the onStagesChanged hook); these are the actions' behaviour.
//
// Stage files that cannot be written or renamed throw EFileError: call the commands
// through the window's error guard. A stage file with a format error is reported in
// an information box, as opening a data file reports it.
#ifndef VELDRA_GUI_RUN_STAGE_COMMANDS_H
#define VELDRA_GUI_RUN_STAGE_COMMANDS_H

#include <QObject>
#include <QPointer>
#include <functional>

#include "app/main_model.h"

class QWidget;

namespace veldra::gui {

class TDlgStagedConstruction;

class TStageCommands : public QObject {
  Q_OBJECT

 public:
  TStageCommands(app::TMainModel& model, QWidget* window);

  // After every change of the stage count or the stage shown: the main window sets
  // its status bar, Stage menu and stage buttons.
  std::function<void()> onStagesChanged;

  // "Stage &1" to "Stage &5" and "Stage Const. 1" to "Stage Const. 5".
  void SwitchToStage(int stage);
  // "Update &Current Stage".
  void UpdateCurrentStage();
  // "Copy &Previous Stage", after the user confirms.
  void CopyPreviousStage();
  // The "Staged Construction Options" dialog: modal from the Options menu, without
  // modality from the toolbar. An open dialog is brought to the front.
  void ShowStagedConstructionDialog(bool modal);
  TDlgStagedConstruction* Dialog() const { return dialog_; }

 private:
  void Changed();

  app::TMainModel& model_;
  QPointer<QWidget> window_;
  QPointer<TDlgStagedConstruction> dialog_;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_RUN_STAGE_COMMANDS_H
