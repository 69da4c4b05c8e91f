// Registers the windows of every room built into this program (table windows,
// graphs, views, the run) with the registry of gui/core/child_windows.h.
#ifndef VELDRA_GUI_MAIN_REGISTER_ROOMS_H
#define VELDRA_GUI_MAIN_REGISTER_ROOMS_H

namespace veldra::gui {

void RegisterRooms();

}  // namespace veldra::gui

#endif  // VELDRA_GUI_MAIN_REGISTER_ROOMS_H
