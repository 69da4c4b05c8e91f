#include "gui/views/gl_scene_widget.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions_1_1>
#include <QOpenGLVersionFunctionsFactory>

namespace veldra::gui {

namespace views = veldra::app::views;

namespace {

constexpr unsigned kListCount = views::kScenePartCount + 1;

void LoadMatrix(QOpenGLFunctions_1_1* gl, const views::Matrix4& m) {
  const auto f = m.ToFloats();
  gl->glLoadMatrixf(f.data());
}

}  // namespace

QString OpenGLUnavailableReason() {
  // Qt 6.4's offscreen and minimal platforms have no OpenGL windows; an OpenGL widget
  // would crash there.
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
    return QStringLiteral("The \"%1\" display platform has no OpenGL windows.").arg(platform);
  QOpenGLContext context;
  context.setFormat(QSurfaceFormat::defaultFormat());
  if (!context.create()) return QStringLiteral("No OpenGL context could be created.");
  QOffscreenSurface surface;
  surface.setFormat(context.format());
  surface.create();
  if (!context.makeCurrent(&surface)) return QStringLiteral("The OpenGL context could not be made current.");
  const bool fixed_function = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_1_1>(&context) != nullptr;
  context.doneCurrent();
  if (!fixed_function) return QStringLiteral("The OpenGL context has no fixed-function drawing (a core profile).");
  return {};
}

TglWindow::TglWindow(views::View3DState& state, QWidget* parent) : QOpenGLWidget(parent), state_(state) {
  setMinimumSize(120, 90);
}

TglWindow::~TglWindow() { Cleanup(); }

void TglWindow::SetScene(views::Scene3D scene, views::ScenePart axes) {
  scene_ = std::move(scene);
  axes_ = std::move(axes);
  stale_ = true;
  update();
}

void TglWindow::initializeGL() {
  gl_ = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_1_1>(context());
  if (!gl_) {
    emit openGLFailed(QStringLiteral("The OpenGL context has no fixed-function drawing (a core profile)."));
    return;
  }
  // The lists belong to this context: free them before it goes (hellogl2's pattern).
  connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &TglWindow::Cleanup, Qt::UniqueConnection);
  gl_->glShadeModel(GL_SMOOTH);
  gl_->glDisable(GL_DEPTH_TEST);
  gl_->glDisable(GL_LIGHTING);
  gl_->glEnable(GL_BLEND);
  gl_->glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  gl_->glEnable(GL_LINE_SMOOTH);
  gl_->glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  stale_ = true;
}

void TglWindow::Cleanup() {
  if (!gl_ || lists_ == 0 || !context()) return;
  makeCurrent();
  gl_->glDeleteLists(lists_, kListCount);
  lists_ = 0;
  stale_ = true;
  doneCurrent();
}

void TglWindow::ReplayPart(const views::ScenePart& part) {
  for (const views::SceneBatch& batch : part.batches) {
    gl_->glColor4f(batch.colour.r, batch.colour.g, batch.colour.b, batch.colour.a);
    if (batch.kind == views::PrimitiveKind::kLines) gl_->glLineWidth(batch.line_width);
    gl_->glBegin(batch.kind == views::PrimitiveKind::kLines ? GL_LINES : GL_TRIANGLES);
    for (const views::Vec3& v : batch.vertices) gl_->glVertex3d(v.x, v.y, v.z);
    gl_->glEnd();
  }
  gl_->glLineWidth(1);
}

void TglWindow::Record() {
  if (lists_ == 0) lists_ = gl_->glGenLists(kListCount);
  for (unsigned i = 0; i < views::kScenePartCount; ++i) {
    gl_->glNewList(lists_ + i, GL_COMPILE);
    ReplayPart(scene_.parts[i]);
    gl_->glEndList();
  }
  gl_->glNewList(lists_ + views::kScenePartCount, GL_COMPILE);
  ReplayPart(axes_);
  gl_->glEndList();
  stale_ = false;
}

void TglWindow::RenderFrame() {
  if (!gl_) return;
  makeCurrent();
  paintGL();
  gl_->glFinish();
  doneCurrent();
}

void TglWindow::resizeGL(int, int) {
  // The projection follows the size at every frame (paintGL); the scale fits the
  // scene to the new size.
  state_.Resize(ClientArea());
}

void TglWindow::paintGL() {
  if (!gl_) return;
  if (stale_ || lists_ == 0) Record();
  const qreal ratio = devicePixelRatioF();
  gl_->glViewport(0, 0, static_cast<int>(width() * ratio), static_cast<int>(height() * ratio));
  gl_->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  gl_->glClearColor(1, 1, 1, 1);
  gl_->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  // The translucent faces blend into the colour only: blending their alpha into the
  // framebuffer would make the widget itself translucent where it is composed into
  // the window.
  gl_->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  gl_->glMatrixMode(GL_PROJECTION);
  LoadMatrix(gl_, state_.Projection(ClientArea()));
  gl_->glMatrixMode(GL_MODELVIEW);
  LoadMatrix(gl_, state_.ModelView());
  for (unsigned i = 0; i < views::kScenePartCount; ++i) gl_->glCallList(lists_ + i);
  if (state_.Shows(views::ShowItem::kAxes)) gl_->glCallList(lists_ + views::kScenePartCount);
  DrawSelection();
}

void TglWindow::DrawSelection() {
  const auto rect = state_.Selection();
  if (!rect) return;
  // In client pixels, y down.
  gl_->glMatrixMode(GL_PROJECTION);
  LoadMatrix(gl_, views::Matrix4::Ortho(0, width(), height(), 0, -1, 1));
  gl_->glMatrixMode(GL_MODELVIEW);
  gl_->glLoadIdentity();
  gl_->glColor4f(0, 0.8f, 0, 1);
  gl_->glBegin(GL_LINE_LOOP);
  const double l = rect->left + 0.5, t = rect->top + 0.5;
  gl_->glVertex2d(l, t);
  gl_->glVertex2d(l + rect->width, t);
  gl_->glVertex2d(l + rect->width, t + rect->height);
  gl_->glVertex2d(l, t + rect->height);
  gl_->glEnd();
}

void TglWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  state_.Press({at.x(), at.y()});
}

void TglWindow::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton) || !state_.Dragging()) return;
  const QPoint at = event->position().toPoint();
  state_.Drag({at.x(), at.y()}, event->modifiers().testFlag(Qt::ShiftModifier), ClientArea());
  update();
  emit viewChanged();
}

void TglWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  state_.Release({at.x(), at.y()}, ClientArea());
  update();
  emit viewChanged();
}

}  // namespace veldra::gui
