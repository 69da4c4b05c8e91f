#include "gui/views/gl_format.h"

#include <QSurfaceFormat>

namespace veldra::gui {

void setDefaultGlFormat() {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setVersion(2, 1);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setDepthBufferSize(24);
  // Smooth edges on the thin outlines of the soil blocks and the wall.
  format.setSamples(4);
  QSurfaceFormat::setDefaultFormat(format);
}

}  // namespace veldra::gui
