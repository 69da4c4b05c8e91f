#include "gui/graphs/plot_legend.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "gui/graphs/graph_fonts.h"

namespace veldra::gui {

namespace fw = veldra::framework;

namespace {

constexpr int kExtraHeight = 3;
constexpr int kTextIndent = 2;

}  // namespace

TPlotLegend::TPlotLegend(fw::TGraphPlot& graph, QWidget* parent) : QWidget(parent), graph_(graph) {
  setAutoFillBackground(false);
  setCursor(Qt::SizeAllCursor);
}

int TPlotLegend::ItemHeight() const { return LegendItemHeight(graph_, logicalDpiY()); }

void TPlotLegend::Rebuild() {
  entries_ = fw::LegendEntries(graph_);
  const QFontMetrics metrics(LegendFont(graph_, logicalDpiY()));
  int widest = 0;
  for (const fw::LegendEntry& entry : entries_)
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(entry.text + " *")));
  resize(widest + logicalDpiX() / 4, ItemHeight() * static_cast<int>(entries_.size()) + kExtraHeight);
  update();
}

int TPlotLegend::EntryAt(QPoint at) const {
  const int row = (at.y() - 1) / std::max(ItemHeight(), 1);
  return at.y() >= 1 && row < static_cast<int>(entries_.size()) ? row : -1;
}

void TPlotLegend::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setFont(LegendFont(graph_, logicalDpiY()));
  const QFontMetrics metrics(p.font());
  const int item = ItemHeight();
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const fw::LegendEntry& entry = entries_[i];
    p.setPen(QColor(entry.color.red, entry.color.green, entry.color.blue));
    const int top = 1 + static_cast<int>(i) * item;
    const int baseline = top + (item + metrics.ascent() - metrics.descent()) / 2;
    p.drawText(QPoint(kTextIndent + 1, baseline), QString::fromStdString(entry.ScreenText()));
  }
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TPlotLegend::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  dragging_ = true;
  grip_ = event->position().toPoint();
}

void TPlotLegend::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || parentWidget() == nullptr) return QWidget::mouseMoveEvent(event);
  const QPoint wanted = mapToParent(event->position().toPoint()) - grip_;
  const fw::PixelPoint kept = fw::KeepInside({wanted.x(), wanted.y()}, width(), height(), parentWidget()->width(),
                                             parentWidget()->height());
  move(kept.x, kept.y);
}

void TPlotLegend::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return QWidget::mouseReleaseEvent(event);
  dragging_ = false;
  if (onMoved) onMoved();
}

void TPlotLegend::mouseDoubleClickEvent(QMouseEvent* event) {
  const int entry = EntryAt(event->position().toPoint());
  if (entry >= 0 && onToggle) onToggle(entries_[static_cast<std::size_t>(entry)].index);
}

}  // namespace veldra::gui
