#include "gui/views/gl_format.h"

#include <QSurfaceFormat>

namespace veldra::gui {

void setDefaultGlFormat() {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setVersion(2, 1);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setDepthBufferSize(24);
  // No multisampling: with a software renderer it costs several times the frame;
  // the view smooths its lines instead.
  format.setSamples(0);
  QSurfaceFormat::setDefaultFormat(format);
}

}  // namespace veldra::gui
