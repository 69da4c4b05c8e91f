// The default OpenGL surface format of the application. The 3D view draws with
// fixed-function calls and display lists, which a core profile does not have, so
// the format asks for a 2.1 compatibility context. It must be set before the
// QApplication is made: main() calls this first.
#ifndef VELDRA_GUI_VIEWS_GL_FORMAT_H
#define VELDRA_GUI_VIEWS_GL_FORMAT_H

namespace veldra::gui {

void setDefaultGlFormat();

}  // namespace veldra::gui

#endif  // VELDRA_GUI_VIEWS_GL_FORMAT_H
