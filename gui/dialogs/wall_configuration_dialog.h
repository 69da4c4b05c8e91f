// The wall-configuration dialog, "Wall Configuration": free height, widths, water
// tables, the uniform surcharge, the backfill slope and the active-pressure factor.
// The last three take entries only with a generated earth pressure.
#ifndef VELDRA_GUI_DIALOGS_WALL_CONFIGURATION_DIALOG_H
#define VELDRA_GUI_DIALOGS_WALL_CONFIGURATION_DIALOG_H

#include "gui/dialogs/child_dialog.h"

namespace veldra::gui {

class TWallConfigurationDialog : public TChildDialog {
  Q_OBJECT

 public:
  explicit TWallConfigurationDialog(app::TMainModel& model, QWidget* parent = nullptr);

  // Enables the surcharge, slope and factor fields exactly when the earth pressure
  // is generated (they keep their values either way).
  void UpdatePressureFields();

  TDataEdit* deHL;     // free height H (feet in English units)
  TDataEdit* deWidth;  // Wa
  TDataEdit* dePYW;    // Wp
  TDataEdit* deHW;     // water table on the backfill side (feet)
  TDataEdit* DeHW2;    // water table on the excavation side (feet)
  TDataEdit* deSP;     // uniform surcharge (per square foot)
  TDataEdit* beta;     // backfill slope
  TDataEdit* deGw;     // active-pressure factor

 protected:
  void Fill() override;
  void Commit() override;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_DIALOGS_WALL_CONFIGURATION_DIALOG_H
