// The dialogs that stand in front of a table: a picture and a button that opens the
// table's window, and for two of them the check box of the option that gates it.
//
// "Additional Surcharge" and "Tieback (Ground Anchor)" commit nothing themselves.
// "Concentrated Loads" and "Lateral & Rotational Springs" show their option in a
// check box: the button is enabled while it is ticked, clearing it empties the
// table at once, and the option takes the box's state when the dialog commits.
#ifndef VELDRA_GUI_DIALOGS_TABLE_DIALOGS_H
#define VELDRA_GUI_DIALOGS_TABLE_DIALOGS_H

#include <optional>

#include "app/program_data.h"
#include "gui/dialogs/child_dialog.h"
#include "gui/dialogs/dialog_picture.h"

class QCheckBox;
class QPushButton;

namespace veldra::gui {

class TTableDialog : public TChildDialog {
  Q_OBJECT

 public:
  struct Definition {
    const char* caption;
    PictureKind picture;
    const char* button;
    const char* table;
    std::optional<app::ApplyOption> option;  // the option of the check box, if any
    const char* check_box = nullptr;
  };
  TTableDialog(app::TMainModel& model, const Definition& definition, ShowTableFunction show_table, QWidget* parent = nullptr);

  QCheckBox* CheckBox() const { return check_; }
  QPushButton* TableButton() const { return button_; }

 protected:
  void Fill() override;
  void Commit() override;

 private:
  void Toggled(bool on);

  std::optional<app::ApplyOption> option_;
  QCheckBox* check_ = nullptr;
  QPushButton* button_;
};

// The four dialogs.
TTableDialog* NewSurchargeDialog(app::TMainModel& model, ShowTableFunction show_table);
TTableDialog* NewConcentratedLoadsDialog(app::TMainModel& model, ShowTableFunction show_table);
TTableDialog* NewSpringsDialog(app::TMainModel& model, ShowTableFunction show_table);
TTableDialog* NewTiebackDialog(app::TMainModel& model, ShowTableFunction show_table);

}  // namespace veldra::gui

#endif  // VELDRA_GUI_DIALOGS_TABLE_DIALOGS_H
