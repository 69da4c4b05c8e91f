// Times frames of the 3D view: view3d_frame_timing [--frames N] FILE... (files of
// examples/ or paths under the source tree). Each file is analysed, opened in an
// 800 x 600 view turned as a drag would turn it, with the deformed shape and the
// straight wall shown, and timed: the median of N frames replayed from the display
// lists, as a drag redraws (glFinish included), and the median of N frames after the
// scene was built and recorded again, as a change of a show flag or of the
// deformation factor redraws. Run it under xvfb-run (scripts/time-3d-frame).
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <vector>

#include "gui/views/gl_format.h"
#include "gui/views/gl_scene_widget.h"
#include "gui/views/view_3d_window.h"
#include "tests/gui/views/example_with_results.h"

namespace {

namespace views = veldra::app::views;

double MedianMs(int frames, const std::function<void()>& step) {
  std::vector<double> ms;
  for (int i = 0; i < frames; ++i) {
    QElapsedTimer timer;
    timer.start();
    step();
    ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

void Turn(QWidget* w) {
  const QPoint from(w->width() / 2, w->height() / 2);
  const QPoint to = from + QPoint(w->width() / 4, -w->height() / 8);
  for (auto [type, at, button, buttons] :
       {std::tuple{QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::MouseButtons(Qt::LeftButton)},
        std::tuple{QEvent::MouseMove, to, Qt::NoButton, Qt::MouseButtons(Qt::LeftButton)},
        std::tuple{QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::MouseButtons(Qt::NoButton)}}) {
    QMouseEvent event(type, at, w->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
  }
}

std::size_t VertexCount(const views::View3DState& state, const veldra::gui::test::ExampleWithResults& example,
                        const views::SceneExtents& extents) {
  const views::Scene3D scene = views::BuildScene(views::SceneInputOf(example.model, example.graphs), extents, state.scene);
  std::size_t n = 0;
  for (const views::ScenePart& part : scene.parts) n += part.VertexCount();
  return n;
}

}  // namespace

int main(int argc, char** argv) {
  veldra::gui::setDefaultGlFormat();
  QApplication app(argc, argv);
  int frames = 60;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc)
      frames = std::max(1, std::atoi(argv[++i]));
    else
      files.emplace_back(argv[i]);
  }
  if (files.empty()) {
    std::fprintf(stderr, "usage: view3d_frame_timing [--frames N] FILE...\n");
    return 1;
  }
  bool first = true;
  for (const std::string& file : files) {
    try {
      auto example = veldra::gui::test::OpenExample(file);
      veldra::gui::TDlgBlock view(example->model, example->graphs);
      view.setAttribute(Qt::WA_DeleteOnClose, false);
      view.resize(800, 600);
      view.show();
      if (!QTest::qWaitForWindowExposed(&view)) return 2;
      veldra::gui::TglWindow* gl = view.GlWindow();
      if (!gl) {
        std::fprintf(stderr, "no OpenGL: %s\n", qPrintable(view.OpenGLProblem()));
        return 3;
      }
      view.Command(veldra::gui::View3DCommand::kRotating, true);
      Turn(gl);
      if (view.DeformedShapeAvailable()) {
        view.SetShowDeformed(true);
        view.SetShowUndeformed(true);
        view.SetDeformationFactor(100);
      }
      for (int i = 0; i < 5; ++i) gl->RenderFrame();  // warm-up, lists recorded
      if (first) {
        first = false;
        gl->makeCurrent();
        const auto* renderer = gl->context()->functions()->glGetString(GL_RENDERER);
        std::printf("OpenGL renderer: %s\n", renderer ? reinterpret_cast<const char*>(renderer) : "?");
        gl->doneCurrent();
        std::printf("%-48s %9s %10s %17s\n", "file", "vertices", "frame ms", "rebuild+frame ms");
      }
      const double frame = MedianMs(frames, [&] { gl->RenderFrame(); });
      const double rebuild = MedianMs(frames, [&] {
        view.SetDeformationFactor(view.State().scene.deformation_factor);
        gl->RenderFrame();
      });
      std::printf("%-48s %9zu %10.2f %17.2f\n", file.c_str(), VertexCount(view.State(), *example, view.Extents()),
                  frame, rebuild);
      std::fflush(stdout);
    } catch (const std::exception& error) {
      std::fprintf(stderr, "%s: %s\n", file.c_str(), error.what());
      return 1;
    }
  }
  return 0;
}
