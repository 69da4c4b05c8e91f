#include "gui/tables/help_pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QPolygonF>
#include <QScreen>
#include <cmath>
#include <numbers>

namespace veldra::gui::tables {

namespace {

const QColor kWallFill(0xa8, 0xa8, 0xa8);
const QColor kInk(0x20, 0x20, 0x20);
const QColor kSoil(0x8b, 0x5a, 0x2b);
const QColor kLoadFill(0xcf, 0xe3, 0xf7);
const QColor kLoadLine(0x1f, 0x5f, 0xa8);
const QColor kSpring(0xc0, 0x50, 0x00);

constexpr QSize kPressureSize(470, 270);
constexpr QSize kSpringsSize(480, 270);

void Arrowhead(QPainter& p, QPointF tip, QPointF from, double size = 6) {
  const QPointF d = tip - from;
  const double length = std::hypot(d.x(), d.y());
  if (length < 1e-9) return;
  const QPointF u = d / length;
  const QPointF n(-u.y(), u.x());
  const QPolygonF head({tip, tip - u * size + n * size * 0.45, tip - u * size - n * size * 0.45});
  p.save();
  p.setBrush(p.pen().color());
  p.drawPolygon(head);
  p.restore();
}

// A dimension line with arrowheads at both ends.
void Dimension(QPainter& p, QPointF a, QPointF b) {
  p.drawLine(a, b);
  Arrowhead(p, a, b);
  Arrowhead(p, b, a);
}

// A ground line with short hatch strokes on the soil side (below it).
void Ground(QPainter& p, double x1, double x2, double y) {
  p.save();
  p.setPen(QPen(kSoil, 1.5));
  p.drawLine(QPointF(x1, y), QPointF(x2, y));
  p.setPen(QPen(kSoil, 1));
  for (double x = x1 + 4; x < x2; x += 9) p.drawLine(QPointF(x, y), QPointF(x - 6, y + 6));
  p.restore();
}

void Title(QPainter& p, const QString& text) {
  p.save();
  QFont font = p.font();
  font.setBold(true);
  p.setFont(font);
  p.drawText(QPointF(10, 18), text);
  p.restore();
}

void Wall(QPainter& p, const QRectF& wall) {
  p.save();
  p.setPen(QPen(kInk, 1));
  p.setBrush(kWallFill);
  p.drawRect(wall);
  p.restore();
}

// The user's distributed load: rows are points (depth, load), joined linearly from
// zero at the top of the wall; nothing below the last row.
void PaintPressure(QPainter& p) {
  const double wall_left = 300, wall_right = 312, top = 46, bottom = 232;
  const auto depth = [&](double fraction) { return top + fraction * (bottom - top); };
  const auto load = [&](double fraction) { return wall_left - fraction * 200; };
  const QPointF rows[] = {{load(0.18), depth(0.12)}, {load(0.62), depth(0.42)}, {load(0.62), depth(0.72)},
                          {load(0.35), depth(0.92)}};

  Title(p, QStringLiteral("Each row is a point of the load diagram"));
  Ground(p, 100, wall_left, top);
  Ground(p, wall_right, 460, depth(0.55));
  p.setPen(kInk);
  p.drawText(QPointF(104, top - 6), QStringLiteral("backfill side"));
  p.drawText(QPointF(360, depth(0.55) - 6), QStringLiteral("excavation"));
  p.drawText(QPointF(wall_right + 6, top + 4), QStringLiteral("top of wall, depth 0"));

  // The diagram against the wall, with arrows of the load on it.
  QPolygonF diagram;
  diagram << QPointF(wall_left, top);
  for (const QPointF& row : rows) diagram << row;
  diagram << QPointF(wall_left, rows[3].y());
  p.setPen(QPen(kLoadLine, 1.5));
  p.setBrush(kLoadFill);
  p.drawPolygon(diagram);
  p.setBrush(Qt::NoBrush);
  const double dimension_y = (rows[1].y() + rows[2].y()) / 2;
  p.setPen(QPen(kLoadLine, 1));
  for (double y = top + 14; y < rows[3].y(); y += 14) {
    if (std::fabs(y - dimension_y) < 10) continue;
    // The diagram's edge at this depth.
    QPointF previous(wall_left, top);
    double x = wall_left;
    for (const QPointF& row : rows) {
      if (y <= row.y()) {
        x = previous.x() + (row.x() - previous.x()) * (y - previous.y()) / (row.y() - previous.y());
        break;
      }
      previous = row;
    }
    if (wall_left - x < 10) continue;
    p.drawLine(QPointF(x, y), QPointF(wall_left - 1, y));
    Arrowhead(p, QPointF(wall_left - 1, y), QPointF(x, y), 5);
  }
  p.setPen(QPen(kLoadLine, 1));
  p.setBrush(kLoadLine);
  for (int i = 0; i < 4; ++i) {
    p.drawEllipse(rows[i], 3, 3);
    p.drawText(QPointF(rows[i].x() - 16, rows[i].y() + 4), QString::number(i + 1));
  }
  p.setBrush(Qt::NoBrush);
  Wall(p, QRectF(wall_left, top, wall_right - wall_left, bottom - top));

  // What the two columns measure.
  p.setPen(QPen(kInk, 1));
  const double x_depth = 30;
  p.save();
  p.setPen(QPen(kInk, 1, Qt::DashLine));
  p.drawLine(QPointF(x_depth - 6, top), QPointF(100, top));
  p.drawLine(QPointF(x_depth - 6, rows[2].y()), QPointF(rows[2].x() - 18, rows[2].y()));
  p.restore();
  Dimension(p, QPointF(x_depth, top), QPointF(x_depth, rows[2].y()));
  p.drawText(QPointF(x_depth + 6, (top + rows[2].y()) / 2 - 2), QStringLiteral("depth"));
  p.drawText(QPointF(x_depth + 6, (top + rows[2].y()) / 2 + 12), QStringLiteral("of row 3"));
  Dimension(p, QPointF(rows[1].x(), dimension_y), QPointF(wall_left, dimension_y));
  p.drawText(QRectF(rows[1].x(), dimension_y - 18, wall_left - rows[1].x(), 16), Qt::AlignCenter,
             QStringLiteral("load of row 2"));
  p.drawText(QRectF(rows[1].x(), dimension_y + 2, wall_left - rows[1].x(), 16), Qt::AlignCenter,
             QStringLiteral("(per length of wall)"));

  p.drawText(QPointF(10, kPressureSize.height() - 20),
             QStringLiteral("The load varies linearly between rows, from 0 at the top of the wall;"));
  p.drawText(QPointF(10, kPressureSize.height() - 6), QStringLiteral("below the last row there is none."));
}

// A zig-zag spring from a to b (horizontal).
void Spring(QPainter& p, QPointF a, QPointF b) {
  const double lead = 10;
  const int turns = 6;
  const double length = b.x() - a.x() - 2 * lead;
  QPolygonF zigzag;
  zigzag << a << QPointF(a.x() + lead, a.y());
  for (int i = 0; i < turns; ++i) {
    const double x = a.x() + lead + length * (i + 0.5) / turns;
    zigzag << QPointF(x, a.y() + (i % 2 == 0 ? -5 : 5));
  }
  zigzag << QPointF(b.x() - lead, b.y()) << b;
  p.drawPolyline(zigzag);
}

// Lateral springs over a node range and a rotational spring at a node.
void PaintSprings(QPainter& p) {
  const double wall_left = 150, wall_right = 162, top = 40, spacing = 22;
  const auto node = [&](int i) { return top + 6 + i * spacing; };
  const double bottom = node(8) + 6;

  Title(p, QStringLiteral("Springs act at the wall's nodes, from START to END node"));
  Wall(p, QRectF(wall_left, top, wall_right - wall_left, bottom - top));
  p.setPen(kInk);
  p.drawText(QPointF(wall_left - 34, top - 4), QStringLiteral("node"));
  for (int i = 0; i <= 8; ++i) {
    p.drawLine(QPointF(wall_left - 4, node(i)), QPointF(wall_left, node(i)));
    p.drawText(QPointF(wall_left - 16, node(i) + 4), QString::number(i));
  }

  // Lateral springs at nodes 4 to 6, held by fixed ground.
  const double support = 290;
  p.setPen(QPen(kSpring, 1.5));
  for (int i = 4; i <= 6; ++i) Spring(p, QPointF(wall_right, node(i)), QPointF(support, node(i)));
  p.setPen(QPen(kInk, 1.5));
  p.drawLine(QPointF(support, node(4) - 12), QPointF(support, node(6) + 12));
  p.setPen(QPen(kInk, 1));
  for (double y = node(4) - 10; y < node(6) + 12; y += 8) p.drawLine(QPointF(support, y), QPointF(support + 6, y - 6));
  p.drawText(QPointF(support + 14, node(5) - 4), QStringLiteral("lateral spring:"));
  p.drawText(QPointF(support + 14, node(5) + 10), QStringLiteral("force per length"));
  p.drawText(QPointF(support + 14, node(5) + 24), QStringLiteral("of deflection"));

  // The row's node range.
  const double bracket = 96;
  p.drawLine(QPointF(bracket, node(4)), QPointF(bracket, node(6)));
  p.drawLine(QPointF(bracket, node(4)), QPointF(bracket + 6, node(4)));
  p.drawLine(QPointF(bracket, node(6)), QPointF(bracket + 6, node(6)));
  p.drawText(QPointF(10, node(4) + 4), QStringLiteral("START node 4"));
  p.drawText(QPointF(10, node(6) + 4), QStringLiteral("END node 6"));

  // A rotational spring at node 1: a coil between the wall and a fixed block.
  const QPointF centre(wall_right + 40, node(1));
  QPainterPath coil;
  coil.moveTo(wall_right, node(1));
  coil.lineTo(centre);
  for (int step = 0; step <= 96; ++step) {
    const double angle = step * 4 * std::numbers::pi / 96;
    const double radius = 2 + step * 11.0 / 96;
    coil.lineTo(centre + QPointF(radius * std::cos(angle), -radius * std::sin(angle)));
  }
  p.setPen(QPen(kSpring, 1.5));
  p.drawPath(coil);
  const QPointF end = centre + QPointF(13, 0);
  p.setPen(QPen(kInk, 1.5));
  p.drawLine(end, end + QPointF(0, 14));
  p.drawLine(end + QPointF(-8, 14), end + QPointF(8, 14));
  p.setPen(QPen(kInk, 1));
  for (double x = end.x() - 8; x < end.x() + 8; x += 5) p.drawLine(QPointF(x, end.y() + 14), QPointF(x - 4, end.y() + 19));
  p.drawText(QPointF(centre.x() + 30, node(1) - 2), QStringLiteral("rotational spring:"));
  p.drawText(QPointF(centre.x() + 30, node(1) + 12), QStringLiteral("moment per radian of slope"));

  p.drawText(QPointF(10, kSpringsSize.height() - 20),
             QStringLiteral("Interpolate: the stiffness varies linearly to the END node of the next row."));
  p.drawText(QPointF(10, kSpringsSize.height() - 6),
             QStringLiteral("A strut or tieback may be entered as a lateral spring at its node."));
}

}  // namespace

QSize HelpPictureSize(std::string_view name) {
  if (name == kPressureDiagram) return kPressureSize;
  if (name == kTiebackArrangement) return kSpringsSize;
  return {};
}

void PaintHelpPicture(std::string_view name, QPainter& painter) {
  const QSize size = HelpPictureSize(name);
  if (size.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  painter.setPen(QColor(0xb0, 0xb0, 0xb0));
  painter.drawRect(QRect(QPoint(0, 0), size - QSize(1, 1)));
  painter.setPen(kInk);
  if (name == kPressureDiagram) PaintPressure(painter);
  if (name == kTiebackArrangement) PaintSprings(painter);
  painter.restore();
}

QPixmap HelpPicture(std::string_view name) {
  const QSize size = HelpPictureSize(name);
  if (size.isEmpty()) return {};
  const qreal ratio = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->devicePixelRatio() : 1.0;
  // Drawn once per picture and screen resolution: the windows open often.
  const QString key = QStringLiteral("veldra-help-%1-%2").arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))).arg(ratio);
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  pixmap = QPixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  {
    QPainter painter(&pixmap);
    PaintHelpPicture(name, painter);
  }
  QPixmapCache::insert(key, pixmap);
  return pixmap;
}

}  // namespace veldra::gui::tables
