// The graph room's windows at the main window's seam: every Graphics-menu command
// and diagram button opens its graph's window, "Export Plots To Excel" the export
// window.
#ifndef VELDRA_GUI_GRAPHS_REGISTER_H
#define VELDRA_GUI_GRAPHS_REGISTER_H

#include "gui/core/child_windows.h"

namespace veldra::gui::graphs {

void Register(ChildWindows& windows);

}  // namespace veldra::gui::graphs

#endif  // VELDRA_GUI_GRAPHS_REGISTER_H
