// A child window that shows model values in its controls: it fills them when it
// becomes the active child and copies them back when it stops being active or
// closes. The main window drives these calls; the form never commits on its own.
#ifndef VELDRA_GUI_CORE_CHILD_FORM_H
#define VELDRA_GUI_CORE_CHILD_FORM_H

namespace veldra::gui {

class ChildForm {
 public:
  virtual ~ChildForm() = default;
  // Fills the controls from the model.
  virtual void ActivateForm() = 0;
  // Validates the focused entry field and commits every control to the model. When
  // the field refuses its entry, its message is shown, the form comes back to the
  // front with the field focused, nothing is committed and false is returned.
  virtual bool DeactivateForm() = 0;
  // Whether DeactivateForm would succeed; nothing is shown or changed.
  virtual bool CanDeactivate() const = 0;
  // The next close neither validates nor commits (the problem is being replaced).
  virtual void DiscardOnClose() = 0;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_CORE_CHILD_FORM_H
