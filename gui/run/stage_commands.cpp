#include "gui/run/stage_commands.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <string>

#include "app/file_commands.h"
#include "app/staged_construction.h"
#include "gui/core/error_guard.h"
#include "gui/core/qt_text.h"
#include "gui/run/staged_construction_dialog.h"

namespace veldra::gui {

namespace {

void Report(QWidget* window, const app::LoadResult& result) {
  if (!result.complete) ShowInformation(window, result.message);
}

}  // namespace

TStageCommands::TStageCommands(ChildHost& host) : QObject(host.MainWindow()), host_(host) {}

void TStageCommands::Changed() {
  // The status bar, the Stage menu and the stage buttons follow the problem.
  host_.UpdateActions();
}

void TStageCommands::SwitchToStage(int stage) {
  if (stage == host_.Model().Problem().CurrentStage) return;
  const app::LoadResult result = app::SwitchToStage(host_.Model(), stage);
  Changed();
  Report(host_.MainWindow(), result);
}

void TStageCommands::UpdateCurrentStage() { app::UpdateCurrentStage(host_.Model()); }

void TStageCommands::CopyPreviousStage() {
  const int stage = host_.Model().Problem().CurrentStage;
  if (stage <= 1) return;
  const std::string question = "Do you want to copy all information from Stage " + std::to_string(stage - 1) +
                               " to Stage " + std::to_string(stage);
  if (QMessageBox::question(host_.MainWindow(), QString::fromLatin1(app::kApplicationTitle), MessageText(question),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes) {
    return;
  }
  const app::LoadResult result = app::CopyPreviousStage(host_.Model());
  Changed();
  Report(host_.MainWindow(), result);
}

TDlgStagedConstruction* TStageCommands::Dialog() const {
  if (modal_) return modal_;
  return child_ ? qobject_cast<TDlgStagedConstruction*>(child_->widget()) : nullptr;
}

void TStageCommands::ShowStagedConstructionDialog(bool modal) {
  // One dialog at a time: an open one comes to the front, whichever way it was asked for.
  if (child_) {
    child_->showNormal();
    host_.MdiArea()->setActiveSubWindow(child_);
    return;
  }
  auto* dialog = new TDlgStagedConstruction(host_.Model(), host_.MainWindow());
  connect(dialog, &TDlgStagedConstruction::stageCountApplied, this, &TStageCommands::Changed);
  if (modal) {
    modal_ = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->exec();
    return;
  }
  child_ = host_.AddChild(dialog);
  // A fixed-size dialog: no maximize button on its child window.
  child_->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  child_->show();
  // OK and Cancel end the dialog; its child window goes with it.
  connect(dialog, &QDialog::finished, child_.data(), &QMdiSubWindow::close);
}

}  // namespace veldra::gui
