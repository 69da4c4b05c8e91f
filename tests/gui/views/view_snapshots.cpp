// Pictures of the side view and the 3D view of an analysed example, for a person to
// look at: view_snapshots DIR [EXAMPLE]. Run it under xvfb-run; it writes
// side-view.png, 3d-undeformed.png, 3d-deformed.png, 3d-rotated.png and
// deformed-shape-dialog.png into DIR.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMouseEvent>
#include <QTest>
#include <cstdio>
#include <exception>

#include "gui/views/deformed_shape_dialog.h"
#include "gui/views/gl_format.h"
#include "gui/views/gl_scene_widget.h"
#include "gui/views/side_view_window.h"
#include "gui/views/view_3d_window.h"
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
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
}
