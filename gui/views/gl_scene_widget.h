// TglWindow: the OpenGL control of the 3D view. It records the scene's parts into
// display lists when they change and replays them, framed by the view state's
// matrices, on every paint; mouse drags go to the view state. Fixed-function
// OpenGL 1.1 calls through Qt's versioned functions; the lists are freed when the
// context is about to be destroyed.
#ifndef VELDRA_GUI_VIEWS_GL_SCENE_WIDGET_H
#define VELDRA_GUI_VIEWS_GL_SCENE_WIDGET_H

#include <QOpenGLWidget>
#include <QString>

#include "app/views/scene_3d.h"
#include "app/views/view_3d_state.h"

class QOpenGLFunctions_1_1;

namespace veldra::gui {

// Empty when this process can show the 3D view: an OpenGL context with the
// fixed-function calls can be made. Otherwise why not, in a sentence for the window.
QString OpenGLUnavailableReason();

class TglWindow : public QOpenGLWidget {
  Q_OBJECT

 public:
  TglWindow(app::views::View3DState& state, QWidget* parent = nullptr);
  ~TglWindow() override;

  // New scene parts (and axes): recorded again at the next paint.
  void SetScene(app::views::Scene3D scene, app::views::ScenePart axes);

  app::views::ClientSize ClientArea() const { return {width(), height()}; }

  // Draws one frame now and waits until OpenGL has finished it (for timing).
  void RenderFrame();

 signals:
  // The context turned out unusable (no fixed-function calls): the reason.
  void openGLFailed(const QString& reason);
  // A drag changed the view.
  void viewChanged();

 protected:
  void initializeGL() override;
  void paintGL() override;
  void resizeGL(int w, int h) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Record();
  void ReplayPart(const app::views::ScenePart& part);
  void DrawSelection();
  void Cleanup();

  app::views::View3DState& state_;
  app::views::Scene3D scene_;
  app::views::ScenePart axes_;
  QOpenGLFunctions_1_1* gl_ = nullptr;
  unsigned lists_ = 0;  // the first of kScenePartCount + 1 display lists (the last: axes)
  bool stale_ = true;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_VIEWS_GL_SCENE_WIDGET_H
