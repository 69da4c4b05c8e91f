#include "gui/core/child_windows.h"

namespace veldra::gui {

ChildWindows& RegisteredChildWindows() {
  static ChildWindows windows;
  return windows;
}

}  // namespace veldra::gui
