#include "gui/tables/segment_area.h"

#include <QPainter>

#include "framework/chart_data.h"
#include "framework/grid_table_chart.h"

namespace veldra::gui::tables {

void PaintSegments(const framework::TGridTableChart& table, QPainter& painter, int width, int height,
                   const QColor& background) {
  painter.fillRect(0, 0, width, height, background);
  const framework::SegmentPlot plot = framework::BuildSegmentPlot(table);
  if (!plot.drawable) return;
  const QFontMetrics font = painter.fontMetrics();
  painter.setBackgroundMode(Qt::TransparentMode);
  for (const auto& s : plot.segments) {
    const int x = (plot.MapX(s.x1, width) + plot.MapX(s.x2, width)) / 2;
    const int y = (plot.MapY(s.y1, height) + plot.MapY(s.y2, height)) / 2;
    const int top = y - (font.height() + 1) / 2;
    painter.drawText(QPoint(x, top + font.ascent()), QString::number(s.number));
  }
  painter.setPen(QPen());
  for (const auto& s : plot.segments)
    painter.drawLine(plot.MapX(s.x1, width), plot.MapY(s.y1, height), plot.MapX(s.x2, width), plot.MapY(s.y2, height));
}

void TSegmentArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor background = palette().color(QPalette::Window);
  if (!table_) {
    painter.fillRect(rect(), background);
    return;
  }
  try {
    PaintSegments(*table_, painter, width(), height(), background);
  } catch (...) {
    // A plotted column that holds no numbers: the area stays empty.
  }
}

}  // namespace veldra::gui::tables
