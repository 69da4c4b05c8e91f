#include "gui/tables/register.h"

#include "framework/grid_table.h"
#include "gui/core/child_windows.h"
#include "gui/tables/table_windows.h"

namespace veldra::gui::tables {

void Register(ChildWindows& windows) {
  InstallTableWindows();
  windows.showTable = [](ChildHost& host, framework::TGridTable& table) {
    SetHost(&host);
    table.ShowWindow();
  };
}

}  // namespace veldra::gui::tables
