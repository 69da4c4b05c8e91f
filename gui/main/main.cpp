// Veldra2015: the desktop application.
#include <QApplication>
#include <QStringList>

#include "app/file_commands.h"
#include "gui/main/main_window.h"
#include "gui/main/register_rooms.h"

int main(int argc, char* argv[]) {
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
