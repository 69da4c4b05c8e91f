// Registers the table windows with the main window's seam (gui/core/child_windows.h):
// every table of the main window, and every sub-table, opens in a TTableForm.
#ifndef VELDRA_GUI_TABLES_REGISTER_H
#define VELDRA_GUI_TABLES_REGISTER_H

namespace veldra::gui {
struct ChildWindows;
}

namespace veldra::gui::tables {

void Register(ChildWindows& windows);

}  // namespace veldra::gui::tables

#endif  // VELDRA_GUI_TABLES_REGISTER_H
