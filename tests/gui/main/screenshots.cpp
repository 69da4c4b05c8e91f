// Pictures of the main window and the dialogs, for looking at them (not a test):
//   xvfb-run -a build/bin/veldra-gui-screenshots OUT_DIR [EXAMPLE.vd5d [FONT]]
// opens the example (a copy, in a scratch folder), opens every dialog of this room
// and saves the main window and each dialog as PNG files in OUT_DIR. FONT sets the
// application's font family ("Liberation Sans") in place of the desktop's.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "gui/main/main_window.h"
#include "gui/main/register_rooms.h"
#include "tests/gui/gui_test_support.h"

using veldra::app::Command;

namespace {

void Settle() {
  for (int i = 0; i < 20; ++i) QApplication::processEvents();
}

void Save(QWidget* widget, const QString& path) {
  Settle();
  if (!widget->grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: veldra-gui-screenshots OUT_DIR [EXAMPLE.vd5d]\n");
    return 1;
  }
  const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  QDir().mkpath(out);
  const QString example = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                   : QStringLiteral(VELDRA_SOURCE_DIR "/examples/anchored-wall-generated-soil.vd5d");
  if (argc > 3) {
    QFont font = QApplication::font();
    font.setFamily(QString::fromLocal8Bit(argv[3]));
    QApplication::setFont(font);
  }
  veldra::gui::test::IsolatedSettings settings;
  QTemporaryDir scratch;
  const QString copy = scratch.filePath(QFileInfo(example).fileName());
  QFile::copy(example, copy);
  veldra::gui::RegisterRooms();

  veldra::gui::TMainForm window;
  window.resize(1280, 860);
  window.show();
  {
    veldra::gui::test::MessageBoxAnswers boxes;
    window.Start(copy);
    Settle();
  }
  Save(&window, out + QStringLiteral("/main-empty.png"));

  const struct {
    Command command;
    const char* name;
  } dialogs[] = {{Command::kTitle, "title"},
                 {Command::kWallProperties, "wall-properties"},
                 {Command::kWallConfiguration, "wall-configuration"},
                 {Command::kSurchargeLoads, "surcharge"},
                 {Command::kConcentratedLoads, "concentrated-loads"},
                 {Command::kSprings, "springs"},
                 {Command::kTiebackData, "tieback"},
                 {Command::kOptionTextEditor, "control-options"}};
  for (const auto& d : dialogs) {
    QAction* action = window.Action(d.command);
    action->setEnabled(true);  // the pictures show every dialog, whatever the options
    action->trigger();
    Settle();
    if (QMdiSubWindow* sub = window.MdiArea()->activeSubWindow())
      Save(sub, out + QStringLiteral("/dialog-%1.png").arg(QLatin1String(d.name)));
  }
  window.CloseChildWindows();
  Settle();
  window.Action(Command::kWallProperties)->trigger();
  window.Action(Command::kWallConfiguration)->trigger();
  Settle();
  Save(&window, out + QStringLiteral("/main-with-dialogs.png"));

  // The 3D view, where it is built: its menu and toolbar buttons appear.
  window.CloseChildWindows();
  window.Action(Command::kView3D)->trigger();
  Settle();
  Save(&window, out + QStringLiteral("/main-3d-view.png"));

  // The menus, opened one by one over the window.
  window.CloseChildWindows();
  Settle();
  int index = 0;
  for (QAction* top : window.menuBar()->actions()) {
    QMenu* menu = top->menu();
    if (!menu || !top->isVisible()) continue;
    emit menu->aboutToShow();
    menu->popup(window.mapToGlobal(QPoint(10 + 60 * index, 30)));
    Settle();
    Save(menu, out + QStringLiteral("/menu-%1.png").arg(++index));
    menu->hide();
  }

  // The about box is modal: grab it once it shows, then close it.
  QTimer::singleShot(200, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      Save(box, out + QStringLiteral("/about.png"));
      box->close();
    }
  });
  window.Action(Command::kAbout)->trigger();
  window.CloseChildWindows();
  std::printf("pictures in %s\n", qPrintable(out));
  return 0;
}
