// TDlgBlock: the "3-D View" child window. It keeps the view state, builds the scene
// from the problem and the deflection graph (app::views), and shows it in a TglWindow;
// where no OpenGL context can be had it says so in its window instead.
//
// It is the main window's View3DControls while it is open: the 3D toolbar group and
// the "Show 3DView" menu reach it through them.
#ifndef VELDRA_GUI_VIEWS_VIEW_3D_WINDOW_H
#define VELDRA_GUI_VIEWS_VIEW_3D_WINDOW_H

#include <QImage>
#include <QPointer>
#include <QWidget>

#include "app/views/scene_3d.h"
#include "app/views/view_3d_state.h"
#include "gui/core/child_windows.h"

class QLabel;

namespace veldra::app {
class TMainModel;
}
namespace veldra::framework {
class TMainGraphs;
}

namespace veldra::gui {

class TglWindow;
class TDlgDeformedShape;

inline constexpr const char* k3DViewCaption = "3-D View";

class TDlgBlock : public QWidget, public View3DControls {
  Q_OBJECT

 public:
  // Deletes itself when closed.
  TDlgBlock(const app::TMainModel& model, const framework::TMainGraphs& graphs, QWidget* parent = nullptr);
  ~TDlgBlock() override;

  const app::views::View3DState& State() const { return state_; }
  const app::views::SceneExtents& Extents() const { return extents_; }
  // The OpenGL control, or nullptr when the view shows why it has none.
  TglWindow* GlWindow() const { return gl_; }
  QString OpenGLProblem() const { return problem_; }

  // The window's activation: on the first, the extents, the base scale and the
  // centring; on every one, the scene rebuilt from the model and redrawn.
  void Activate();

  // View3DControls: the ticks of the "Show 3DView" menu, its items and the toolbar.
  bool Shown(View3DItem item) const override;
  void Toggle(View3DItem item) override;
  void Command(View3DCommand command, bool on) override;

  // The deflection graph holds results: the deformed shape can be shown.
  bool DeformedShapeAvailable() const;

  // The last rendered frame (empty without OpenGL).
  QImage GrabFrame();

 signals:
  // The window is closing: the main window hides the 3D toolbar group and menu.
  void closed();
  // A show flag or a deformed-shape setting changed.
  void sceneOptionsChanged();

 public slots:
  void SetMouseMode(app::views::MouseMode mode);  // also switches the zoom window off
  void SetZoomWindow(bool on);
  void ZoomIn();
  void ZoomOut();
  void RestartView();
  // Flips a show flag and rebuilds the scene.
  void ToggleShow(app::views::ShowItem item);
  // The deformed-shape dialog's settings; each rebuilds the scene.
  void SetShowDeformed(bool on);
  void SetShowUndeformed(bool on);
  void SetDeformationFactor(double factor);
  // Opens the deformed-shape dialog (nothing without results).
  void ShowDeformedShapeDialog();
  TDlgDeformedShape* DeformedShapeDialog() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Rebuild();
  void ShowProblem(const QString& reason);
  void Redraw();

  const app::TMainModel& model_;
  const framework::TMainGraphs& graphs_;
  app::views::View3DState state_;
  app::views::SceneExtents extents_;
  TglWindow* gl_ = nullptr;
  QLabel* message_ = nullptr;
  QString problem_;
  QPointer<TDlgDeformedShape> dialog_;
  bool activation_hooked_ = false;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_VIEWS_VIEW_3D_WINDOW_H
