// TDlgStagedConstruction: "Staged Construction Options", where the user sets the
// number of construction stages (1: not staged, 2 to 5). The field follows
// StageCountField; "OK" applies the count through ApplyStageCount, "Cancel" leaves
// the problem alone. As a child window it shows the problem's stage count whenever
// it becomes the active child; it commits nothing on its own.
#ifndef VELDRA_GUI_RUN_STAGED_CONSTRUCTION_DIALOG_H
#define VELDRA_GUI_RUN_STAGED_CONSTRUCTION_DIALOG_H

#include <QDialog>

#include "app/main_model.h"
#include "app/run/stage_count_field.h"
#include "gui/core/child_form.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace veldra::gui {

class TDlgStagedConstruction : public QDialog, public ChildForm {
  Q_OBJECT

 public:
  TDlgStagedConstruction(app::TMainModel& model, QWidget* parent);

  // ChildForm: only "OK" changes the problem.
  void ActivateForm() override { ShowProblem(); }
  bool DeactivateForm() override { return true; }
  bool CanDeactivate() const override { return true; }
  void DiscardOnClose() override {}

  QCheckBox* StagedCheckBox() const { return staged_; }
  QSpinBox* CountField() const { return count_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 signals:
  // After "OK" changed the problem's stages.
  void stageCountApplied();

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void ShowProblem();
  void ShowField();
  void Apply();

  app::TMainModel& model_;
  app::StageCountField field_;
  QCheckBox* staged_;
  QSpinBox* count_;
  QLabel* count_label_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_RUN_STAGED_CONSTRUCTION_DIALOG_H
