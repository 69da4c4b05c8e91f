#include "gui/run/stage_commands.h"

#include <QWidget>
#include <string>

#include "app/staged_construction.h"
#include "gui/run/message_boxes.h"
#include "gui/run/staged_construction_dialog.h"

namespace veldra::gui {

namespace {

void Report(QWidget* window, const app::LoadResult& result) {
  if (!result.complete) ShowInformation(window, result.message);
}

}  // namespace

TStageCommands::TStageCommands(app::TMainModel& model, QWidget* window)
    : QObject(window), model_(model), window_(window) {}

void TStageCommands::Changed() {
  if (onStagesChanged) onStagesChanged();
}

void TStageCommands::SwitchToStage(int stage) {
  if (stage == model_.Problem().CurrentStage) return;
  const app::LoadResult result = app::SwitchToStage(model_, stage);
  Changed();
  Report(window_, result);
}

void TStageCommands::UpdateCurrentStage() { app::UpdateCurrentStage(model_); }

void TStageCommands::CopyPreviousStage() {
  const int stage = model_.Problem().CurrentStage;
  if (stage <= 1) return;
  if (!AskYesNo(window_, "Do you want to copy all information from Stage " + std::to_string(stage - 1) +
                             " to Stage " + std::to_string(stage))) {
    return;
  }
  const app::LoadResult result = app::CopyPreviousStage(model_);
  Changed();
  Report(window_, result);
}

void TStageCommands::ShowStagedConstructionDialog(bool modal) {
  if (!dialog_) {
    dialog_ = new TDlgStagedConstruction(model_, window_);
    connect(dialog_, &TDlgStagedConstruction::stageCountApplied, this, &TStageCommands::Changed);
  }
  if (modal) {
    dialog_->exec();
  } else {
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
  }
}

}  // namespace veldra::gui
