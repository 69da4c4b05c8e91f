// Veldra2015: the desktop application.
#include <QApplication>
#include <QEvent>
#include <QStringList>
#include <QTimer>

#include "app/file_commands.h"
#include "gui/main/main_window.h"
#include "gui/main/register_rooms.h"
#if __has_include("gui/views/gl_format.h")
#include "gui/views/gl_format.h"
#define VELDRA_HAS_GL_FORMAT 1
#endif

namespace {

// With VELDRA_QUIT_WHEN_SHOWN set the program ends once its window has been painted,
// so that scripts/startup-time can measure the time to a shown window.
class QuitWhenPainted : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

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
  if (qEnvironmentVariableIsSet("VELDRA_QUIT_WHEN_SHOWN")) window.installEventFilter(new QuitWhenPainted(&window));
  const QStringList arguments = QApplication::arguments();
  window.show();
  window.Start(arguments.size() > 1 ? arguments.at(1) : QString());
  return QApplication::exec();
}
