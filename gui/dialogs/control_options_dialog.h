// The control-options dialog, "Control Options": the text editor that shows the
// data file, the report and the run notes.
#ifndef VELDRA_GUI_DIALOGS_CONTROL_OPTIONS_DIALOG_H
#define VELDRA_GUI_DIALOGS_CONTROL_OPTIONS_DIALOG_H

#include <string>

#include "gui/dialogs/child_dialog.h"

class QLineEdit;

namespace veldra::gui {

class TControlOptionsDialog : public TChildDialog {
  Q_OBJECT

 public:
  // `editor` is the main window's text-editor path; it outlives the dialog.
  TControlOptionsDialog(app::TMainModel& model, std::string& editor, QWidget* parent = nullptr);
  QLineEdit* EditorBox() const { return box_; }

 protected:
  void Fill() override;
  void Commit() override;

 private:
  void Browse();

  std::string* editor_;
  QLineEdit* box_;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_DIALOGS_CONTROL_OPTIONS_DIALOG_H
