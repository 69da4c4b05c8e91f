#include "gui/views/side_view_window.h"

#include <algorithm>

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/views/side_view_painter.h"
#include "gui/core/error_guard.h"

namespace veldra::gui {

namespace views = veldra::app::views;

// The drawing area under the button row.
class SideViewCanvas : public QWidget {
 public:
  explicit SideViewCanvas(TDlgSideView& view) : QWidget(&view), view_(view) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    PaintSideView(painter, size(), view_.geometry_.Paint(),
                  {palette().color(QPalette::Window), palette().color(QPalette::WindowText)});
  }
  void resizeEvent(QResizeEvent*) override { view_.CanvasResized(size()); }
  void mouseMoveEvent(QMouseEvent* event) override { view_.MouseMovedTo(event->position().toPoint()); }

 private:
  TDlgSideView& view_;
};

namespace {

// The printed picture: within a landscape letter page less half-inch margins.
constexpr double kLetterLongInches = 11;
constexpr double kLetterShortInches = 8.5;
constexpr double kMarginInches = 0.5;
// Pixels per inch of the picture's own coordinates (its fixed pixel sizes, pens and
// font are those of a screen).
constexpr double kPictureDpi = 96;

}  // namespace

TDlgSideView::TDlgSideView(const app::TMainModel& model, QWidget* parent)
    : QWidget(parent), model_(model), canvas_(new SideViewCanvas(*this)), print_(new QPushButton(tr("Print"), this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromLatin1(kSideViewCaption));
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(4, 4, 4, 4);
  buttons->addWidget(print_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addLayout(buttons);
  layout->addWidget(canvas_, 1);
  connect(print_, &QPushButton::clicked, this, &TDlgSideView::Print);
  resize(560, 640);
}

QWidget* TDlgSideView::Canvas() const { return canvas_; }

void TDlgSideView::Activate() {
  const bool built = RunGuarded(this, "Side View", [&] {
    geometry_.Activate(views::SideViewInputOf(model_));
    geometry_.Resize({canvas_->width(), canvas_->height()});
  });
  if (!built) {
    close();
    return;
  }
  canvas_->update();
}

void TDlgSideView::CanvasResized(QSize size) {
  geometry_.Resize({size.width(), size.height()});
  canvas_->update();
}

void TDlgSideView::MouseMovedTo(QPoint at) {
  if (const auto caption = geometry_.DepthCaption({at.x(), at.y()})) setWindowTitle(QString::fromStdString(*caption));
}

void TDlgSideView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Inside the main window's workspace the sub-window, not this widget, is activated.
  if (!activation_hooked_) {
    activation_hooked_ = true;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
      connect(sub, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        if (now.testFlag(Qt::WindowActive) && !before.testFlag(Qt::WindowActive)) Activate();
      });
    }
    Activate();
  }
}

void TDlgSideView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isWindow() && isActiveWindow()) Activate();
}

void TDlgSideView::closeEvent(QCloseEvent* event) {
  emit closed();
  QWidget::closeEvent(event);
  // Closed by itself (not through its frame): the empty frame goes too.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
    QMetaObject::invokeMethod(sub, &QWidget::close, Qt::QueuedConnection);
}

void TDlgSideView::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QString::fromLatin1(kSideViewDocumentTitle));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  RunGuarded(this, "Print", [&] { PrintTo(printer); });
}

void TDlgSideView::PrintTo(QPrinter& printer) const {
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QString::fromLatin1(kSideViewDocumentTitle));
  const double dpi = printer.resolution();
  const QRect paper = printer.pageLayout().paintRectPixels(printer.resolution());
  // The area: the printable part of the page, at most a letter page less margins.
  const double long_side = (kLetterLongInches - 2 * kMarginInches) * dpi;
  const double short_side = (kLetterShortInches - 2 * kMarginInches) * dpi;
  const bool landscape = paper.width() >= paper.height();
  const double area_w = std::min<double>(paper.width(), landscape ? long_side : short_side);
  const double area_h = std::min<double>(paper.height(), landscape ? short_side : long_side);
  // The window's proportions, scaled to fill the area.
  const QSize shown = canvas_->size().isEmpty() ? QSize(560, 600) : canvas_->size();
  const double fit = std::min(area_w / shown.width(), area_h / shown.height());
  const double scale = dpi / kPictureDpi;
  const QSize logical(static_cast<int>(shown.width() * fit / scale), static_cast<int>(shown.height() * fit / scale));

  views::SideViewGeometry page = geometry_;
  page.Resize({logical.width(), logical.height()});
  QPainter painter(&printer);
  // Centred in the area.
  painter.translate((area_w - logical.width() * scale) / 2, (area_h - logical.height() * scale) / 2);
  painter.scale(scale, scale);
  PaintSideView(painter, logical, page.Paint(), {Qt::white, Qt::black});
}

}  // namespace veldra::gui
