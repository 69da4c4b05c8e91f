// TChildDialog: the common behaviour of the input dialogs. They are child windows of
// the main window without OK or Cancel: the controls are filled from the model when
// the dialog becomes active and committed when it stops being active or closes.
// Committing first validates the entry field that has the focus; when it refuses,
// the dialog stays in front and nothing is committed. A change the user makes to a
// field or a check box sets the problem's modified state.
#ifndef VELDRA_GUI_DIALOGS_CHILD_DIALOG_H
#define VELDRA_GUI_DIALOGS_CHILD_DIALOG_H

#include <QPointer>
#include <QSet>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/main_model.h"
#include "gui/core/child_form.h"

class QGridLayout;
class QLabel;

namespace veldra::gui {

class TDataEdit;

// Opens the window of one of the main window's tables, by its name.
using ShowTableFunction = std::function<void(const char* table)>;

class TChildDialog : public QWidget, public ChildForm {
  Q_OBJECT

 public:
  TChildDialog(app::TMainModel& model, const QString& caption, QWidget* parent = nullptr);

  void ActivateForm() final;
  bool DeactivateForm() final;
  bool CanDeactivate() const final;
  void DiscardOnClose() final { discard_ = true; }

 protected:
  // Fill the controls from the model; copy them back.
  virtual void Fill() = 0;
  virtual void Commit() = 0;

  // A field of the dialog: its label in column 0 of `grid`, the field in column 1.
  struct FieldDefinition {
    const char* caption;
    const char* units = "";
    std::optional<framework::EntryNumber> min = std::nullopt;
    std::optional<framework::EntryNumber> max = std::nullopt;
    bool integer = false;
  };
  TDataEdit* AddField(QGridLayout* grid, int row, const FieldDefinition& field_definition);
  // Shows `value` in the field; the field counts as not edited until the user types.
  void Show(TDataEdit* field, framework::EntryNumber value);
  // The value of a field the user edited since it was filled, or nullopt.
  std::optional<framework::EntryNumber> EditedValue(TDataEdit* field) const;

  // Marks the problem modified (not while the dialog fills its controls).
  void Changed();

  app::TMainModel& model() const { return *model_; }
  app::TProgramData& problem() const { return model_->Problem(); }

  void closeEvent(QCloseEvent* event) override;

 private:
  bool ValidateFocusedField();

  app::TMainModel* model_;
  QPointer<QWidget> focused_;  // the control of this dialog that had the focus last
  QSet<TDataEdit*> edited_;
  bool filling_ = false;
  bool discard_ = false;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_DIALOGS_CHILD_DIALOG_H
