// The views' entries of the main window's seam: "&View Wall Geometry" and "View Soil
// Profile" open the side view, "3D View" the 3D view; each is a single window,
// brought to the front when it is already open.
#ifndef VELDRA_GUI_VIEWS_REGISTER_H
#define VELDRA_GUI_VIEWS_REGISTER_H

#include "gui/core/child_windows.h"

namespace veldra::gui::views {

void Register(ChildWindows& windows);

// The commands themselves, for the registry and the tests.
void ShowSideView(ChildHost& host);
void Open3DView(ChildHost& host);

}  // namespace veldra::gui::views

#endif  // VELDRA_GUI_VIEWS_REGISTER_H
