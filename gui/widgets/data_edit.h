// TDataEdit: the single-line numeric entry field of the input dialogs.
//
// The text is an arithmetic expression (framework::EvaluateEntry). The field checks
// what the user typed when the focus moves to another control of the same form,
// when Enter is pressed and when its form calls ValidateEntry; a failure shows the message in an
// information box, keeps the text the user typed (a limit failure shows the limit
// instead) and puts the focus back on the field. Leaving the form altogether is the
// form's business: it calls ValidateEntry before it commits.
//
// The attached label (EditLabel) shows the caption and the unit label of the unit
// system and is enabled exactly when the field is.
#ifndef VELDRA_GUI_WIDGETS_DATA_EDIT_H
#define VELDRA_GUI_WIDGETS_DATA_EDIT_H

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <string>

#include "framework/entry_validator.h"


namespace veldra::gui {

class TDataEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TDataEdit(QWidget* parent = nullptr);

  // --- Properties -----------------------------------------------------------------
  bool IntegerOnly() const { return validator_.IntegerOnly(); }
  void SetIntegerOnly(bool on) { validator_.SetIntegerOnly(on); }
  bool Hex() const { return validator_.Hex(); }
  void SetHex(bool on) { validator_.SetHex(on); }
  framework::EntryNumber MinVal() const { return validator_.MinVal(); }
  void SetMinVal(framework::EntryNumber value) { validator_.SetMinVal(value); }
  framework::EntryNumber MaxVal() const { return validator_.MaxVal(); }
  void SetMaxVal(framework::EntryNumber value) { validator_.SetMaxVal(value); }
  const std::string& Caption() const { return validator_.Caption(); }
  void SetCaption(std::string caption) { validator_.SetCaption(std::move(caption)); }
  const std::string& UnitsString() const { return validator_.UnitsString(); }
  void SetUnitsString(std::string units) { validator_.SetUnitsString(std::move(units)); }
  int Units() const { return validator_.Units(); }
  void SetUnits(int system) { validator_.SetUnits(system); }
  QLabel* EditLabel() const { return label_; }
  // The label shows the caption and units; its buddy (access-key target) is this field.
  void SetEditLabel(QLabel* label);

  // The value of the text (evaluates it; throws for a text that is not an entry).
  framework::EntryNumber Number() const { return validator_.Number(); }
  // Clamped to the limits; the text shows the value.
  void SetNumber(framework::EntryNumber value) { validator_.SetNumber(value); }
  bool Valid() const { return validator_.Valid(); }

  // Validates as leaving the field does: on failure the message is shown and the
  // field gets the focus back. Returns the Valid flag.
  bool ValidateEntry();
  // Whether the text would pass validation; nothing is shown or changed.
  bool EntryAcceptable() const;

 signals:
  // The user changed the text (typing, pasting); not sent for the field's own
  // changes (formatting after validation, SetNumber).
  void Edited();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The form the field belongs to: its MDI child window, or its top-level window.
  QWidget* Form() const;
  void ShowFailure(const QString& message, bool information);
  void RefreshLabel();

  framework::EntryValidator validator_;
  QPointer<QLabel> label_;
  bool validating_ = false;  // a message box of this field is up
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_WIDGETS_DATA_EDIT_H
