#include "gui/graphs/soil_patterns.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <map>
#include <utility>

namespace veldra::gui {

namespace {

// One cell of a pattern, drawn in a 16 x 16 grid of `scale`-sized units.
constexpr int kCell = 16;

using Drawing = std::function<void(QPainter&)>;

QImage Tile(int scale, const Drawing& draw) {
  QImage tile(kCell * scale, kCell * scale, QImage::Format_RGB32);
  tile.fill(Qt::white);
  QPainter p(&tile);
  p.scale(scale, scale);
  p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
  p.setBrush(Qt::black);
  draw(p);
  return tile;
}

// Lines across the cell that continue into the next one.
void Diagonals(QPainter& p, int spacing, bool forward) {
  for (int k = -kCell; k <= kCell; k += spacing) {
    if (forward)
      p.drawLine(QPointF(k, 0), QPointF(k + kCell, kCell));
    else
      p.drawLine(QPointF(k, kCell), QPointF(k + kCell, 0));
  }
}

void Courses(QPainter& p, int spacing) {
  for (int y = spacing - 1; y < kCell; y += spacing) p.drawLine(QPointF(0, y + 0.5), QPointF(kCell, y + 0.5));
}

Drawing PatternOf(int code) {
  switch (code) {
    case 1: return [](QPainter& p) { Diagonals(p, 4, false); };
    case 2: return [](QPainter& p) { Diagonals(p, 8, true); };
    case 3:
      return [](QPainter& p) {
        Courses(p, 8);
        for (int x = 7; x < kCell; x += 8) p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, kCell));
      };
    case 4:
      return [](QPainter& p) {
        Diagonals(p, 8, true);
        Diagonals(p, 8, false);
      };
    case 5: return [](QPainter& p) { Courses(p, 8); };
    case 6:
      return [](QPainter& p) {
        for (int x = 7; x < kCell; x += 8) p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, kCell));
      };
    case 7:
      return [](QPainter& p) {
        p.setPen(Qt::NoPen);
        const QPointF dots[] = {{2, 3}, {9, 1}, {13, 6}, {6, 7}, {1, 11}, {10, 11}, {14, 14}, {5, 14}};
        for (const QPointF& d : dots) p.drawRect(QRectF(d, QSizeF(1.5, 1.5)));
      };
    case 8:
      return [](QPainter& p) {
        for (int row = 0; row < 4; ++row) {
          const double y = row * 4 + 1.5;
          const double shift = row % 2 == 0 ? 0 : 4;
          for (double x = shift; x < kCell; x += 8) p.drawLine(QPointF(x, y), QPointF(x + 4, y));
        }
      };
    case 9:
      return [](QPainter& p) {
        Courses(p, 8);
        p.drawLine(QPointF(0.5, 0), QPointF(0.5, 7.5));
        p.drawLine(QPointF(8.5, 8), QPointF(8.5, 15.5));
        p.drawLine(QPointF(3, 6), QPointF(6, 2));
        p.drawLine(QPointF(11, 14), QPointF(14, 10));
      };
    case 10:
      return [](QPainter& p) {
        Courses(p, 8);
        Diagonals(p, 8, false);
      };
    case 11:
      return [](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(1, 1, 6, 4));
        p.drawEllipse(QRectF(9, 8, 5, 5));
        p.drawEllipse(QRectF(2, 10, 4, 3));
      };
    case 12:
      return [](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(1, 1, 9, 6));
        p.drawEllipse(QRectF(5, 9, 9, 6));
      };
    default: return {};
  }
}

}  // namespace

QBrush SoilBrush(int code, int scale) {
  const Drawing pattern = PatternOf(code);
  if (!pattern) return QBrush(Qt::NoBrush);
  scale = std::clamp(scale, 1, 64);
  // Each tile is drawn once per code and scale (graphs are drawn on one thread).
  static std::map<std::pair<int, int>, QImage> tiles;
  auto [found, added] = tiles.try_emplace({code, scale});
  if (added) found->second = Tile(scale, pattern);
  return QBrush(found->second);
}

}  // namespace veldra::gui
