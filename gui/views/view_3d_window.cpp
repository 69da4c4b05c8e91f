#include "gui/views/view_3d_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "app/main_model.h"
#include "framework/main_graphs.h"
#include "gui/views/deformed_shape_dialog.h"
#include "gui/views/gl_scene_widget.h"
#include "app/main_window_rules.h"
#include "gui/core/error_guard.h"

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
  const bool built = RunGuarded(this, "3D View", [&] {
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

bool TDlgBlock::DeformedShapeAvailable() const { return app::GraphHoldsData(graphs_.pltDef); }

namespace {

views::ShowItem ShowItemOf(View3DItem item) {
  switch (item) {
    case View3DItem::kWall: return views::ShowItem::kWall;
    case View3DItem::kSoilLayers: return views::ShowItem::kSoilLayers;
    case View3DItem::kWaterLevel: return views::ShowItem::kWaterLevel;
    case View3DItem::kUniformLoad: return views::ShowItem::kUniformLoad;
    case View3DItem::kSurcharge: return views::ShowItem::kAdditionalSurcharge;
    case View3DItem::kConcentratedLoads: return views::ShowItem::kConcentratedLoads;
    case View3DItem::kTiebacks: return views::ShowItem::kTieBacks;
    case View3DItem::kBoundaryConditions: return views::ShowItem::kBoundaryConditions;
    case View3DItem::kSprings: return views::ShowItem::kLateralSprings;
    case View3DItem::kDeformedShape: break;
  }
  return views::ShowItem::kAxes;  // not reached for a show flag
}

}  // namespace

bool TDlgBlock::Shown(View3DItem item) const {
  if (item == View3DItem::kDeformedShape) return state_.scene.deformed;
  return state_.Shows(ShowItemOf(item));
}

void TDlgBlock::Toggle(View3DItem item) {
  if (item == View3DItem::kDeformedShape) return SetShowDeformed(!state_.scene.deformed);
  ToggleShow(ShowItemOf(item));
}

void TDlgBlock::Command(View3DCommand command, bool on) {
  using views::MouseMode;
  // A latching mode button let up leaves no mode.
  auto mode = [&](MouseMode m) { SetMouseMode(on ? m : MouseMode::kNone); };
  switch (command) {
    case View3DCommand::kPanning: return mode(MouseMode::kPanning);
    case View3DCommand::kZooming: return mode(MouseMode::kZooming);
    case View3DCommand::kRotating: return mode(MouseMode::kRotating);
    case View3DCommand::kZoomWindow: return SetZoomWindow(on);
    case View3DCommand::kZoomIn: return ZoomIn();
    case View3DCommand::kZoomOut: return ZoomOut();
    case View3DCommand::kRestartView: return RestartView();
    case View3DCommand::kDeformedShapeDialog: return ShowDeformedShapeDialog();
  }
}

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
  RunGuarded(this, "3D View", [&] { Rebuild(); });
  emit sceneOptionsChanged();
}

void TDlgBlock::SetShowDeformed(bool on) {
  state_.scene.deformed = on;
  RunGuarded(this, "3D View", [&] { Rebuild(); });
  emit sceneOptionsChanged();
}

void TDlgBlock::SetShowUndeformed(bool on) {
  state_.scene.undeformed = on;
  RunGuarded(this, "3D View", [&] { Rebuild(); });
  emit sceneOptionsChanged();
}

void TDlgBlock::SetDeformationFactor(double factor) {
  state_.scene.deformation_factor = factor;
  RunGuarded(this, "3D View", [&] { Rebuild(); });
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
  // Closed by itself (not through its frame): the empty frame goes too.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
    QMetaObject::invokeMethod(sub, &QWidget::close, Qt::QueuedConnection);
}

}  // namespace veldra::gui
