// The title dialog, "Project Title": one line of at most 80 characters.
#ifndef VELDRA_GUI_DIALOGS_TITLE_DIALOG_H
#define VELDRA_GUI_DIALOGS_TITLE_DIALOG_H

#include "gui/dialogs/child_dialog.h"

class QPlainTextEdit;

namespace veldra::gui {

inline constexpr int kTitleLength = 80;

class TTitleDialog : public TChildDialog {
  Q_OBJECT

 public:
  explicit TTitleDialog(app::TMainModel& model, QWidget* parent = nullptr);
  QPlainTextEdit* TitleBox() const { return box_; }

 protected:
  void Fill() override;
  void Commit() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void KeepOneLine();

  QPlainTextEdit* box_;
  bool trimming_ = false;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_DIALOGS_TITLE_DIALOG_H
