// Veldra2015: the desktop application.
#include <QApplication>
#include <QStringList>

#include "app/file_commands.h"
#include "gui/main/main_window.h"
#include "gui/main/register_rooms.h"
#if __has_include("gui/views/gl_format.h")
#include "gui/views/gl_format.h"
#define VELDRA_HAS_GL_FORMAT 1
#endif

int main(int argc, char* argv[]) {
#ifdef VELDRA_HAS_GL_FORMAT
  // The 3D view's OpenGL format must be the default before the application exists.
  veldra::gui::setDefaultGlFormat();
#endif
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(veldra::app::kApplicationTitle));
  QApplication::setOrganizationName(QStringLiteral("Korvan"));
  veldra::gui::RegisterRooms();

  veldra::gui::TMainForm window;
  const QStringList arguments = QApplication::arguments();
  window.show();
  window.Start(arguments.size() > 1 ? arguments.at(1) : QString());
  return QApplication::exec();
}
