#include "gui/main/register_rooms.h"

#include "gui/core/child_windows.h"
#ifdef VELDRA_GUI_ROOM_TABLES
#include "gui/tables/register.h"
#endif
#ifdef VELDRA_GUI_ROOM_GRAPHS
#include "gui/graphs/register.h"
#endif
#ifdef VELDRA_GUI_ROOM_VIEWS
#include "gui/views/register.h"
#endif
#ifdef VELDRA_GUI_ROOM_RUN
#include "gui/run/register.h"
#endif

namespace veldra::gui {

void RegisterRooms() {
  [[maybe_unused]] ChildWindows& windows = RegisteredChildWindows();
#ifdef VELDRA_GUI_ROOM_TABLES
  tables::Register(windows);
#endif
#ifdef VELDRA_GUI_ROOM_GRAPHS
  graphs::Register(windows);
#endif
#ifdef VELDRA_GUI_ROOM_VIEWS
  views::Register(windows);
#endif
#ifdef VELDRA_GUI_ROOM_RUN
  run::Register(windows);
#endif
}

}  // namespace veldra::gui
