// Pictures of the side view and the 3D view of an analysed example, for a person to
// look at: view_snapshots DIR [EXAMPLE [FACTOR [HOLD]]]. Run it under xvfb-run; it
// writes side-view.png, 3d-undeformed.png, 3d-deformed.png (deformation factor
// FACTOR, 1000 by default), 3d-rotated.png, deformed-shape-dialog.png,
// side-view-print.pdf (the printed page) and
// main-window.png (both views opened from the main window's menu) into DIR, then
// keeps the main window on the screen for HOLD seconds (for a screen capture).
#include <QApplication>
#include <QCheckBox>
#include <QAction>
#include <QDir>
#include <QMdiArea>
#include <QPrinter>
#include <QMouseEvent>
#include <QTest>
#include <cstdio>
#include <exception>

#include "gui/main/main_window.h"
#include "gui/views/deformed_shape_dialog.h"
#include "gui/views/register.h"
#include "gui/views/gl_format.h"
#include "gui/views/gl_scene_widget.h"
#include "gui/views/side_view_window.h"
#include "gui/views/view_3d_window.h"
#include "tests/gui/gui_test_support.h"
#include "tests/gui/views/example_with_results.h"

namespace {

namespace views = veldra::app::views;

void Send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
  QMouseEvent event(type, at, w->mapToGlobal(at), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

void Drag(QWidget* w, QPoint from, QPoint to) {
  Send(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  Send(w, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
  Send(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

bool Save(const QImage& image, const QDir& dir, const char* name) {
  const bool saved = image.save(dir.filePath(QString::fromLatin1(name)));
  std::printf("%s %s\n", saved ? "wrote" : "could not write", name);
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  veldra::gui::setDefaultGlFormat();
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: view_snapshots DIR [EXAMPLE.vd5d]\n");
    return 1;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  const std::string name = argc > 2 ? argv[2] : "anchored-wall-generated-soil.vd5d";
  try {
    auto example = veldra::gui::test::OpenExample(name);

    veldra::gui::TDlgSideView side(example->model);
    side.setAttribute(Qt::WA_DeleteOnClose, false);
    side.resize(560, 640);
    side.show();
    if (!QTest::qWaitForWindowExposed(&side)) return 2;
    Save(side.grab().toImage(), dir, "side-view.png");
    {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(dir.filePath(QStringLiteral("side-view-print.pdf")));
      side.PrintTo(printer);
      std::printf("wrote side-view-print.pdf\n");
    }

    veldra::gui::TDlgBlock view(example->model, example->graphs);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    view.resize(720, 560);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) return 2;
    if (!view.GlWindow()) {
      std::fprintf(stderr, "no OpenGL: %s\n", qPrintable(view.OpenGLProblem()));
      Save(view.grab().toImage(), dir, "3d-no-opengl.png");
      return 3;
    }
    Save(view.GrabFrame(), dir, "3d-undeformed.png");

    view.ShowDeformedShapeDialog();
    if (auto* dialog = view.DeformedShapeDialog()) {
      dialog->ShowDeformed()->setChecked(true);
      dialog->ShowUndeformed()->setChecked(true);
      view.SetDeformationFactor(argc > 3 ? std::atof(argv[3]) : 1000);
      QTest::qWait(50);
      Save(dialog->grab().toImage(), dir, "deformed-shape-dialog.png");
    }
    Save(view.GrabFrame(), dir, "3d-deformed.png");

    view.SetMouseMode(views::MouseMode::kRotating);
    auto* gl = view.GlWindow();
    Drag(gl, QPoint(gl->width() / 2, gl->height() / 2), QPoint(gl->width() / 2 + gl->width() / 3, gl->height() / 2 - 60));
    Save(view.GrabFrame(), dir, "3d-rotated.png");
    view.close();
    side.close();

    // Both views as the user opens them: from the main window's menu.
    veldra::gui::views::Register(veldra::gui::RegisteredChildWindows());
    veldra::gui::test::IsolatedSettings settings;
    veldra::gui::TMainForm window;
    window.resize(1280, 900);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 2;
    {
      veldra::gui::test::MessageBoxAnswers answers;  // "... has been read by VELDRA 2015"
      window.Start(QString::fromStdString((example->dir.path() / name).string()));
    }
    window.Action(veldra::app::Command::kViewWallGeometry)->trigger();
    window.Action(veldra::app::Command::kView3D)->trigger();
    window.MdiArea()->tileSubWindows();
    QTest::qWait(200);
    Save(window.grab().toImage(), dir, "main-window.png");
    if (argc > 4) QTest::qWait(1000 * std::atoi(argv[4]));
    window.CloseChildWindows();
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
}
