// The glyphs of the toolbar buttons, drawn rather than loaded, at 24 and 48 pixels.
#ifndef VELDRA_GUI_MAIN_TOOLBAR_GLYPHS_H
#define VELDRA_GUI_MAIN_TOOLBAR_GLYPHS_H

#include <QIcon>

#include "app/main_window_rules.h"

namespace veldra::gui {

// The glyph of a toolbar command; an empty icon for a command without a button.
QIcon ToolbarGlyph(app::Command command);

}  // namespace veldra::gui

#endif  // VELDRA_GUI_MAIN_TOOLBAR_GLYPHS_H
