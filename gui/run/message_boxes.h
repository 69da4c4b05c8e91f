// The message boxes of the run and stage commands. Texts use "\r" between lines, as
// the model's messages do; the boxes show them as line breaks.
#ifndef VELDRA_GUI_RUN_MESSAGE_BOXES_H
#define VELDRA_GUI_RUN_MESSAGE_BOXES_H

#include <functional>
#include <string>

class QWidget;
class QString;

namespace veldra::gui {

QString MessageText(const std::string& text);

// Information and warning boxes with an OK button.
void ShowInformation(QWidget* parent, const std::string& text);
void ShowWarning(QWidget* parent, const std::string& text);
// A confirmation with the buttons Yes and No; true for Yes.
bool AskYesNo(QWidget* parent, const std::string& question);

// Runs a command of a button of this room's own dialogs; an exception (a stage file
// that cannot be written) ends it with an error box instead of leaving the slot.
void Guarded(QWidget* parent, const std::function<void()>& command);

}  // namespace veldra::gui

#endif  // VELDRA_GUI_RUN_MESSAGE_BOXES_H
