#include "gui/views/view_3d_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "app/main_model.h"
#include "framework/main_graphs.h"
#include "gui/views/deformed_shape_dialog.h"
#include "gui/views/gl_scene_widget.h"
#include "gui/views/view_errors.h"

namespace veldra::gui {

namespace views = veldra::app::views;

TDlgBlock::TDlgBlock(const app::TMainModel& model, const framework::TMainGraphs& graphs, QWidget* parent)
    : QWidget(parent), model_(model), graphs_(graphs) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromLatin1(k3DViewCaption));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  const QString reason = OpenGLUnavailableReason();
  if (reason.isEmpty()) {
    gl_ = new TglWindow(state_, this);
    layout->addWidget(gl_);
    connect(gl_, &TglWindow::openGLFailed, this, &TDlgBlock::ShowProblem);
  } else {
    ShowProblem(reason);
  }
  resize(720, 560);
}

TDlgBlock::~TDlgBlock() {
  // The dialog lives beside the view (a top-level dialog) and works on it: it goes too.
  delete dialog_.data();
}

void TDlgBlock::ShowProblem(const QString& reason) {
  problem_ = reason;
  if (gl_) {
    gl_->hide();
    gl_->deleteLater();
    gl_ = nullptr;
  }
  if (!message_) {
    message_ = new QLabel(this);
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    message_->setMargin(24);
    layout()->addWidget(message_);
  }
  message_->setText(tr("The 3D view cannot be shown: %1\nIt needs OpenGL 2.1 (compatibility profile).").arg(reason));
}

void TDlgBlock::Activate() {
  const bool built = RunGuarded(this, [&] {
    if (!state_.Fitted()) {
      extents_ = views::ComputeExtents(views::SceneInputOf(model_, graphs_));
      const views::ClientSize client = gl_ ? gl_->ClientArea() : views::ClientSize{width(), height()};
      state_.Fit(extents_, client);
    }
    Rebuild();
  });
  if (!built) close();
}

void TDlgBlock::Rebuild() {
  if (!gl_) return;
  // Later data changes keep the extents of the first activation.
  const views::SceneInput input = views::SceneInputOf(model_, graphs_);
  gl_->SetScene(views::BuildScene(input, extents_, state_.scene), views::BuildAxes(extents_));
}

void TDlgBlock::Redraw() {
  if (gl_) gl_->update();
}

std::vector<views::Show3DMenuEntry> TDlgBlock::Show3DMenuState() const {
  return views::Show3DMenu(state_, DeformedShapeAvailable());
}

bool TDlgBlock::DeformedShapeAvailable() const { return views::DeformedShapeEnabled(graphs_.pltDef); }

QImage TDlgBlock::GrabFrame() { return gl_ ? gl_->grabFramebuffer() : QImage(); }

void TDlgBlock::SetMouseMode(views::MouseMode mode) { state_.SetMouseMode(mode); }

void TDlgBlock::SetZoomWindow(bool on) { state_.SetZoomWindow(on); }

void TDlgBlock::ZoomIn() {
  state_.ZoomIn();
  Redraw();
}

void TDlgBlock::ZoomOut() {
  state_.ZoomOut();
  Redraw();
}

void TDlgBlock::RestartView() {
  state_.Restart();
  Redraw();
}

void TDlgBlock::ToggleShow(views::ShowItem item) {
  state_.Toggle(item);
  RunGuarded(this, [&] { Rebuild(); });
  emit sceneOptionsChanged();
}

void TDlgBlock::SetShowDeformed(bool on) {
  state_.scene.deformed = on;
  RunGuarded(this, [&] { Rebuild(); });
  emit sceneOptionsChanged();
}

void TDlgBlock::SetShowUndeformed(bool on) {
  state_.scene.undeformed = on;
  RunGuarded(this, [&] { Rebuild(); });
  emit sceneOptionsChanged();
}

void TDlgBlock::SetDeformationFactor(double factor) {
  state_.scene.deformation_factor = factor;
  RunGuarded(this, [&] { Rebuild(); });
  emit sceneOptionsChanged();
}

void TDlgBlock::ShowDeformedShapeDialog() {
  if (!DeformedShapeAvailable()) return;
  if (!dialog_) dialog_ = new TDlgDeformedShape(*this, window());
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
}

TDlgDeformedShape* TDlgBlock::DeformedShapeDialog() const { return dialog_.data(); }

void TDlgBlock::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (activation_hooked_) return;
  activation_hooked_ = true;
  // Inside the main window's workspace the sub-window, not this widget, is activated.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    connect(sub, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
      if (now.testFlag(Qt::WindowActive) && !before.testFlag(Qt::WindowActive)) Activate();
    });
  }
  Activate();
}

void TDlgBlock::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Redraw();
}

void TDlgBlock::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isWindow() && isActiveWindow() && activation_hooked_) Activate();
}

void TDlgBlock::closeEvent(QCloseEvent* event) {
  if (dialog_) dialog_->close();
  emit closed();
  QWidget::closeEvent(event);
}

}  // namespace veldra::gui
