// The one guard between a slot and the user: no exception leaves a command.
//
// An entry error becomes the information box of its message (the field keeps what
// the user typed); a file error a warning that names the file and the reason; any
// other failure a message that says which command failed and why.
#ifndef VELDRA_GUI_CORE_ERROR_GUARD_H
#define VELDRA_GUI_CORE_ERROR_GUARD_H

#include <QString>
#include <exception>
#include <functional>
#include <string_view>

class QWidget;

namespace veldra::gui {

enum class ErrorKind { kEntry, kFile, kOther };

struct ErrorReport {
  ErrorKind kind = ErrorKind::kOther;
  QString text;  // the text of the message box
};

// What the guard shows for the exception `error`, thrown by `command` (a short
// description such as "Save").
ErrorReport DescribeError(const std::exception_ptr& error, std::string_view command);

// Runs `action`; an exception is shown in a message box over `parent` and swallowed.
// Returns true when the action finished without one.
bool RunGuarded(QWidget* parent, std::string_view command, const std::function<void()>& action) noexcept;

// Message boxes with the application's title and one OK button ("\r" breaks lines).
void ShowInformation(QWidget* parent, std::string_view text);
void ShowWarning(QWidget* parent, std::string_view text);

}  // namespace veldra::gui

#endif  // VELDRA_GUI_CORE_ERROR_GUARD_H
