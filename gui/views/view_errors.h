// Runs a step of a view and shows what it throws in a message box instead of
// letting it leave a Qt slot or event handler.
#ifndef VELDRA_GUI_VIEWS_VIEW_ERRORS_H
#define VELDRA_GUI_VIEWS_VIEW_ERRORS_H

#include <exception>
#include <functional>

class QWidget;

namespace veldra::gui {

// True when `step` finished; false after its error was shown.
bool RunGuarded(QWidget* parent, const std::function<void()>& step);

}  // namespace veldra::gui

#endif  // VELDRA_GUI_VIEWS_VIEW_ERRORS_H
