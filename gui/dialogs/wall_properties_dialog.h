// The wall-properties dialog, "Wall Properties": increments, increment length, the
// allowable deflection, the closure tolerance and the free height, and the button
// that opens the wall-stiffness table.
#ifndef VELDRA_GUI_DIALOGS_WALL_PROPERTIES_DIALOG_H
#define VELDRA_GUI_DIALOGS_WALL_PROPERTIES_DIALOG_H

#include "gui/dialogs/child_dialog.h"

namespace veldra::gui {

class TWallPropertiesDialog : public TChildDialog {
  Q_OBJECT

 public:
  TWallPropertiesDialog(app::TMainModel& model, ShowTableFunction show_table, QWidget* parent = nullptr);

  TDataEdit* deNI;     // increments
  TDataEdit* deXGS;    // increment length
  TDataEdit* deXLN;    // maximum allowable deflection
  TDataEdit* deSlope;  // closure tolerance
  TDataEdit* DeFH;     // free height (feet in English units)

 protected:
  void Fill() override;
  void Commit() override;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_DIALOGS_WALL_PROPERTIES_DIALOG_H
