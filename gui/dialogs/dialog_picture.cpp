#include "gui/dialogs/dialog_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace veldra::gui {

namespace {

const QColor kInk(30, 30, 30);
const QColor kSoil(222, 196, 150);
const QColor kSoilEdge(150, 115, 70);
const QColor kWall(120, 120, 130);
const QColor kWater(50, 120, 220);
const QColor kLoad(200, 30, 30);
const QColor kSpring(60, 60, 60);
const QColor kAnchor(40, 110, 110);

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color, qreal head = 7) {
  p.setPen(QPen(color, 1.6));
  p.drawLine(from, to);
  const qreal angle = std::atan2(to.y() - from.y(), to.x() - from.x());
  const QPointF left = to - QPointF(head * std::cos(angle - 0.4), head * std::sin(angle - 0.4));
  const QPointF right = to - QPointF(head * std::cos(angle + 0.4), head * std::sin(angle + 0.4));
  p.setBrush(color);
  p.setPen(Qt::NoPen);
  p.drawPolygon(QPolygonF({to, left, right}));
}

// A dimension line with arrows at both ends and its text beside the middle.
void Dimension(QPainter& p, QPointF a, QPointF b, const QString& text, bool text_left = false) {
  p.setPen(QPen(kInk, 1));
  p.drawLine(a, b);
  const qreal angle = std::atan2(b.y() - a.y(), b.x() - a.x());
  for (auto [tip, sign] : {std::pair{a, 1.0}, std::pair{b, -1.0}}) {
    const QPointF d(std::cos(angle) * sign, std::sin(angle) * sign);
    const QPointF n(-d.y(), d.x());
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF({tip, tip + d * 6 + n * 2.5, tip + d * 6 - n * 2.5}));
  }
  const QPointF mid = (a + b) / 2;
  const QRectF box = text_left ? QRectF(mid.x() - 44, mid.y() - 8, 40, 16) : QRectF(mid.x() + 4, mid.y() - 8, 44, 16);
  p.drawText(box, (text_left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, text);
}

void Ground(QPainter& p, const QRectF& area) {
  p.setPen(Qt::NoPen);
  p.setBrush(kSoil);
  p.drawRect(area);
  p.setPen(QPen(kSoilEdge, 1.2));
  p.drawLine(area.topLeft(), area.topRight());
}

void WaterMark(QPainter& p, qreal x0, qreal x1, qreal y) {
  p.setPen(QPen(kWater, 1.4));
  p.drawLine(QPointF(x0, y), QPointF(x1, y));
  const qreal cx = (x0 + x1) / 2;
  p.setBrush(kWater);
  p.setPen(Qt::NoPen);
  p.drawPolygon(QPolygonF({QPointF(cx, y), QPointF(cx - 5, y - 7), QPointF(cx + 5, y - 7)}));
}

void Wall(QPainter& p, qreal x, qreal top, qreal bottom, qreal width = 6) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(kWall);
  p.drawRect(QRectF(x - width / 2, top, width, bottom - top));
}

void DrawWallConfiguration(QPainter& p) {
  // Section: backfill on the left rising at Beta away from the wall, excavation on
  // the right, the wall in the middle; depths measured from the top of the wall.
  const qreal wall = 130, top = 48, rise = 14, excavation = 138, tip = 250;
  QPainterPath backfill;
  backfill.moveTo(10, top - rise);
  backfill.lineTo(wall - 3, top);
  backfill.lineTo(wall - 3, tip + 10);
  backfill.lineTo(10, tip + 10);
  backfill.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(kSoil);
  p.drawPath(backfill);
  p.setPen(QPen(kSoilEdge, 1.2));
  p.drawLine(QPointF(10, top - rise), QPointF(wall - 3, top));
  Ground(p, QRectF(wall - 3, excavation, 118, tip + 10 - excavation));
  Wall(p, wall, top, tip);
  // Beta between the horizontal and the backfill surface, next to the wall.
  p.setPen(QPen(kInk, 0.8, Qt::DashLine));
  p.drawLine(QPointF(wall - 3, top), QPointF(wall - 70, top));
  p.setPen(QPen(kInk, 1));
  p.drawArc(QRectF(wall - 3 - 50, top - 50, 100, 100), 180 * 16, -12 * 16);
  p.drawText(QRectF(wall - 100, top - 2, 44, 16), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Beta"));
  // Uniform load on the backfill surface.
  for (qreal x = 20; x < wall - 10; x += 20) {
    const qreal surface = top - rise + (x - 10) * rise / (wall - 13);
    Arrow(p, QPointF(x, surface - 22), QPointF(x, surface - 1), kLoad, 5);
  }
  // Free height and the water tables, from the top of the wall.
  p.setPen(QPen(kInk, 0.8, Qt::DotLine));
  p.drawLine(QPointF(wall + 3, top), QPointF(wall + 80, top));
  Dimension(p, QPointF(wall + 22, top), QPointF(wall + 22, excavation), QStringLiteral("H"));
  WaterMark(p, 20, wall - 10, 108);
  Dimension(p, QPointF(wall - 18, top + 2), QPointF(wall - 18, 108), QStringLiteral("DWb"), true);
  WaterMark(p, wall + 48, wall + 112, 178);
  Dimension(p, QPointF(wall + 70, top), QPointF(wall + 70, 178), QStringLiteral("DWe"));

  // Plan: wall units at spacing Wa with width Wp.
  const qreal plan = 300;
  p.setPen(QPen(kInk, 1));
  p.drawText(QRectF(10, plan - 26, 220, 14), Qt::AlignLeft, QStringLiteral("Plan of the wall units"));
  p.setBrush(kWall);
  for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(50 + 70 * i, plan), 12, 12);
  Dimension(p, QPointF(50, plan + 22), QPointF(120, plan + 22), QString());
  p.drawText(QRectF(65, plan + 25, 40, 14), Qt::AlignHCenter, QStringLiteral("Wa"));
  Dimension(p, QPointF(178, plan + 22), QPointF(202, plan + 22), QString());
  p.drawText(QRectF(170, plan + 25, 40, 14), Qt::AlignHCenter, QStringLiteral("Wp"));
}

void DrawSurcharge(QPainter& p) {
  const qreal wall = 40, ground = 90;
  Ground(p, QRectF(wall + 3, ground, 230, 110));
  Wall(p, wall, ground - 10, 195);
  // Point load, line load (seen end-on), strip load.
  Arrow(p, QPointF(95, 30), QPointF(95, ground - 1), kLoad);
  p.setPen(kInk);
  p.drawText(QRectF(70, 12, 60, 14), Qt::AlignHCenter, QStringLiteral("Point"));
  Arrow(p, QPointF(150, 30), QPointF(150, ground - 1), kLoad);
  p.setPen(kInk);
  p.drawText(QRectF(125, 12, 60, 14), Qt::AlignHCenter, QStringLiteral("Line"));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 170, 170));
  p.drawRect(QRectF(195, 52, 60, 14));
  for (qreal x = 198; x <= 252; x += 9) Arrow(p, QPointF(x, 66), QPointF(x, ground - 1), kLoad, 5);
  p.setPen(kInk);
  p.drawText(QRectF(195, 30, 60, 14), Qt::AlignHCenter, QStringLiteral("Strip"));
  Dimension(p, QPointF(wall, ground + 25), QPointF(225, ground + 25), QString());
  p.drawText(QRectF(110, ground + 27, 60, 14), Qt::AlignHCenter, QStringLiteral("X"));
  Dimension(p, QPointF(195, ground + 55), QPointF(255, ground + 55), QString());
  p.drawText(QRectF(195, ground + 57, 60, 14), Qt::AlignHCenter, QStringLiteral("W"));
}

void DrawConcentratedLoads(QPainter& p) {
  const qreal wall = 120;
  Ground(p, QRectF(wall + 3, 120, 120, 80));
  Ground(p, QRectF(10, 40, wall - 13, 160));
  Wall(p, wall, 30, 195);
  // Axial load at the top, lateral load and moment at a node.
  Arrow(p, QPointF(wall, 4), QPointF(wall, 29), kLoad);
  Arrow(p, QPointF(wall - 60, 70), QPointF(wall - 4, 70), kLoad);
  p.setPen(QPen(kLoad, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(wall - 16, 90, 32, 32), 200 * 16, 240 * 16);
  Arrow(p, QPointF(wall + 10, 93), QPointF(wall + 15, 98), kLoad, 6);
  p.setPen(kInk);
  p.drawText(QRectF(wall + 8, 2, 90, 14), Qt::AlignLeft, QStringLiteral("Axial load"));
  p.drawText(QRectF(wall - 110, 54, 100, 14), Qt::AlignLeft, QStringLiteral("Lateral load"));
  p.drawText(QRectF(wall + 22, 98, 80, 14), Qt::AlignLeft, QStringLiteral("Moment"));
}

void Spring(QPainter& p, QPointF from, QPointF to) {
  // A zig-zag between two points, with straight ends.
  const QPointF d = to - from;
  const qreal length = std::hypot(d.x(), d.y());
  const QPointF u = d / length, n(-u.y(), u.x());
  QPainterPath path(from);
  path.lineTo(from + u * 6);
  const int zigs = 6;
  for (int i = 0; i < zigs; ++i) {
    const qreal t = 6 + (length - 12) * (i + 0.5) / zigs;
    path.lineTo(from + u * t + n * ((i % 2) ? -5 : 5));
  }
  path.lineTo(to - u * 6);
  path.lineTo(to);
  p.setPen(QPen(kSpring, 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

void DrawSprings(QPainter& p) {
  const qreal wall = 110;
  Wall(p, wall, 20, 195);
  p.setPen(QPen(kInk, 1.2));
  for (qreal y : {50.0, 90.0, 130.0}) {
    Spring(p, QPointF(wall + 3, y), QPointF(wall + 70, y));
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(wall + 70, y - 8), QPointF(wall + 70, y + 8));
    for (int k = 0; k < 4; ++k) p.drawLine(QPointF(wall + 70, y - 8 + 5 * k), QPointF(wall + 76, y - 12 + 5 * k));
  }
  // Rotational spring: a coil around a node.
  QPainterPath coil;
  const QPointF c(wall, 170);
  for (int i = 0; i <= 60; ++i) {
    const qreal a = i * 0.2, r = 4 + i * 0.25;
    const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
    if (i == 0) coil.moveTo(pt); else coil.lineTo(pt);
  }
  p.setPen(QPen(kSpring, 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawPath(coil);
  p.setPen(kInk);
  p.drawText(QRectF(wall + 82, 82, 90, 16), Qt::AlignLeft, QStringLiteral("Lateral"));
  p.drawText(QRectF(wall + 26, 162, 110, 16), Qt::AlignLeft, QStringLiteral("Rotational"));
}

void DrawTieback(QPainter& p) {
  const qreal wall = 80, ground = 30, excavation = 130;
  // The backfill is on the right here, so that the anchor reads left to right.
  Ground(p, QRectF(0, excavation, 280, 75));
  Ground(p, QRectF(wall + 3, ground, 200, 175));
  Wall(p, wall, 20, 190);
  // Anchor: unbonded rod, then the grouted body, at 15 degrees below horizontal.
  const qreal angle = qDegreesToRadians(15.0);
  const QPointF head(wall + 3, 60);
  const QPointF bond_start = head + QPointF(std::cos(angle), std::sin(angle)) * 110;
  const QPointF bond_end = head + QPointF(std::cos(angle), std::sin(angle)) * 190;
  p.setPen(QPen(kAnchor, 2));
  p.drawLine(head, bond_start);
  p.setPen(QPen(kAnchor, 9, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(bond_start, bond_end);
  p.setPen(QPen(kInk, 1));
  p.setBrush(kAnchor);
  p.drawRect(QRectF(wall - 9, 53, 6, 14));
  p.drawLine(head, head + QPointF(60, 0));
  p.drawText(QRectF(wall + 40, 40, 60, 14), Qt::AlignLeft, QStringLiteral("angle"));
  p.drawText(QRectF(wall + 10, 90, 140, 14), Qt::AlignLeft, QStringLiteral("Unbonded length"));
  p.drawText(QRectF(wall + 110, 110, 80, 14), Qt::AlignLeft, QStringLiteral("Bonded"));
  Dimension(p, QPointF(wall - 25, 20), QPointF(wall - 25, 60), QStringLiteral("Depth"), true);
}

}  // namespace

TDialogPicture::TDialogPicture(PictureKind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize TDialogPicture::sizeHint() const {
  if (kind_ == PictureKind::kWallConfiguration) return {250, 350};
  return {280, 205};
}

void TDialogPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Qt::white);
  p.setPen(QPen(QColor(180, 180, 180), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  switch (kind_) {
    case PictureKind::kWallConfiguration: DrawWallConfiguration(p); break;
    case PictureKind::kSurcharge: DrawSurcharge(p); break;
    case PictureKind::kConcentratedLoads: DrawConcentratedLoads(p); break;
    case PictureKind::kSprings: DrawSprings(p); break;
    case PictureKind::kTieback: DrawTieback(p); break;
  }
}

}  // namespace veldra::gui
