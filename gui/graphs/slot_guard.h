// Keeps exceptions inside a slot: a failure becomes a message box over the window
// that ran it, as the application's error handler shows it.
#ifndef VELDRA_GUI_GRAPHS_SLOT_GUARD_H
#define VELDRA_GUI_GRAPHS_SLOT_GUARD_H

#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <exception>

namespace veldra::gui {

template <typename Action>
void Guarded(QWidget* parent, Action&& action) {
  try {
    action();
  } catch (const std::exception& e) {
    QMessageBox::critical(parent, QStringLiteral("VELDRA 2015"), QString::fromStdString(e.what()));
  } catch (...) {
    QMessageBox::critical(parent, QStringLiteral("VELDRA 2015"), QStringLiteral("An unexpected error occurred."));
  }
}

}  // namespace veldra::gui

#endif  // VELDRA_GUI_GRAPHS_SLOT_GUARD_H
