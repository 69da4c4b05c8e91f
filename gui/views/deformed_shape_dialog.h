// TDlgDeformedShape: the "Deformed Shape" dialog of the 3D view. "Show Deformed
// Shape" draws the wall deflected; while it is ticked, "Show Undeformed Model", the
// factor's text box and its arrows are enabled. The arrows step the factor through
// 1, 2, ..., 9 of each decade; a typed number is taken as it is.
#ifndef VELDRA_GUI_VIEWS_DEFORMED_SHAPE_DIALOG_H
#define VELDRA_GUI_VIEWS_DEFORMED_SHAPE_DIALOG_H

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QToolButton;

namespace veldra::gui {

class TDlgBlock;

inline constexpr const char* kDeformedShapeCaption = "Deformed Shape";

class TDlgDeformedShape : public QDialog {
  Q_OBJECT

 public:
  TDlgDeformedShape(TDlgBlock& view, QWidget* parent = nullptr);

  QCheckBox* ShowDeformed() const { return show_deformed_; }
  QCheckBox* ShowUndeformed() const { return show_undeformed_; }
  QLineEdit* Factor() const { return factor_; }
  QToolButton* Up() const { return up_; }
  QToolButton* Down() const { return down_; }

 private:
  void Step(bool up);
  void FactorTyped(const QString& text);
  // Shows the view's settings (changed here or elsewhere).
  void ShowSettings();
  void ShowFactor();
  void UpdateEnabled();

  TDlgBlock& view_;
  QCheckBox* show_deformed_;
  QCheckBox* show_undeformed_;
  QLineEdit* factor_;
  QToolButton* up_;
  QToolButton* down_;
  bool typing_ = false;  // a typed factor is not rewritten under the caret
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_VIEWS_DEFORMED_SHAPE_DIALOG_H
