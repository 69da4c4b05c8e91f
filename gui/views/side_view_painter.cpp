#include "gui/views/side_view_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <limits>

namespace veldra::gui {

namespace views = veldra::app::views;

namespace {

// 8 points at the 96 pixels per inch of the logical picture.
constexpr int kFontPixels = 11;

QPoint ToQt(const views::ClientPoint& p) { return {p.x, p.y}; }

}  // namespace

QFont SideViewFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(kFontPixels);
  return font;
}

void PaintSideView(QPainter& painter, QSize size, const views::SideViewPicture& picture,
                   const SideViewColours& colours) {
  painter.save();
  painter.fillRect(QRect(QPoint(0, 0), size), colours.background);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QFont font = SideViewFont();
  painter.setFont(font);
  const QFontMetrics metrics(font, painter.device());
  // The plan view's "top view" lies above its first unit, which may be close to the
  // wall's "side view": it then moves along to the right of it.
  int plan_labels_end = std::numeric_limits<int>::min();
  for (const views::SideViewItem& item : picture.items) {
    QPen pen(colours.text);
    pen.setWidth(item.pen_width);
    painter.setPen(pen);
    switch (item.shape) {
      case views::SideViewShape::kLine:
        painter.drawLine(ToQt(item.points.at(0)), ToQt(item.points.at(1)));
        break;
      case views::SideViewShape::kText: {
        QPoint at = ToQt(item.points.at(0));
        const QString text = QString::fromUtf8(item.text.c_str());
        if (item.role == views::SideViewRole::kPlanLabel) {
          const int gap = metrics.horizontalAdvance(QLatin1Char(' '));
          if (at.x() < plan_labels_end + gap) at.setX(plan_labels_end + gap);
          plan_labels_end = at.x() + metrics.horizontalAdvance(text);
        }
        painter.drawText(at.x(), at.y() + item.lines_below * metrics.height() + metrics.ascent(), text);
        break;
      }
      case views::SideViewShape::kPolygon: {
        QPolygon polygon;
        for (const views::ClientPoint& p : item.points) polygon << ToQt(p);
        painter.setBrush(colours.text);
        painter.drawPolygon(polygon);
        painter.setBrush(Qt::NoBrush);
        break;
      }
      case views::SideViewShape::kCircle:
        painter.setBrush(Qt::white);
        painter.drawEllipse(ToQt(item.points.at(0)), item.radius, item.radius);
        painter.setBrush(Qt::NoBrush);
        break;
    }
  }
  painter.restore();
}

}  // namespace veldra::gui
