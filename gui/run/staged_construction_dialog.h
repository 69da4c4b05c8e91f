// TDlgStagedConstruction: "Staged Construction Options", where the user sets the
// number of construction stages (1: not staged, 2 to 5). The field follows
// StageCountField; "OK" applies the count through ApplyStageCount.
#ifndef VELDRA_GUI_RUN_STAGED_CONSTRUCTION_DIALOG_H
#define VELDRA_GUI_RUN_STAGED_CONSTRUCTION_DIALOG_H

#include <QDialog>

#include "app/main_model.h"
#include "app/run/stage_count_field.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace veldra::gui {

class TDlgStagedConstruction : public QDialog {
  Q_OBJECT

 public:
  // Freed when closed.
  TDlgStagedConstruction(app::TMainModel& model, QWidget* parent);

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
