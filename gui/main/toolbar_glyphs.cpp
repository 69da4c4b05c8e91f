#include "gui/main/toolbar_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace veldra::gui {

using app::Command;

namespace {

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kSoil(196, 154, 96);
const QColor kSoilDark(150, 110, 60);
const QColor kWall(110, 110, 120);
const QColor kWater(60, 130, 220);
const QColor kCurve(200, 30, 30);
const QColor kGreen(30, 150, 60);

QPen Pen(const QColor& color, qreal width = 1.5) {
  return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Page(QPainter& p) {
  QPainterPath page;
  page.moveTo(5, 2);
  page.lineTo(15, 2);
  page.lineTo(20, 7);
  page.lineTo(20, 22);
  page.lineTo(5, 22);
  page.closeSubpath();
  p.setPen(Pen(kInk, 1.2));
  p.setBrush(kPaper);
  p.drawPath(page);
  p.drawLine(QPointF(15, 2), QPointF(15, 7));
  p.drawLine(QPointF(15, 7), QPointF(20, 7));
}

void Lines(QPainter& p) {
  p.setPen(Pen(QColor(90, 90, 90), 1));
  for (int y = 10; y <= 19; y += 3) p.drawLine(8, y, 17, y);
}

void Folder(QPainter& p) {
  p.setPen(Pen(kInk, 1.2));
  p.setBrush(QColor(240, 200, 90));
  QPainterPath folder;
  folder.moveTo(2, 6);
  folder.lineTo(9, 6);
  folder.lineTo(11, 8);
  folder.lineTo(21, 8);
  folder.lineTo(21, 20);
  folder.lineTo(2, 20);
  folder.closeSubpath();
  p.drawPath(folder);
  p.setBrush(QColor(250, 220, 120));
  QPolygonF flap({QPointF(2, 20), QPointF(6, 11), QPointF(23, 11), QPointF(21, 20)});
  p.drawPolygon(flap);
}

void Disk(QPainter& p) {
  p.setPen(Pen(kInk, 1.2));
  p.setBrush(QColor(60, 90, 170));
  p.drawRoundedRect(QRectF(3, 3, 18, 18), 1.5, 1.5);
  p.setBrush(kPaper);
  p.drawRect(QRectF(7, 3, 10, 7));
  p.setBrush(QColor(200, 200, 210));
  p.drawRect(QRectF(6, 14, 12, 7));
}

// The wall as a vertical bar with soil on its right below the excavation level.
void WallInSoil(QPainter& p, bool water) {
  p.setPen(Qt::NoPen);
  p.setBrush(kSoil);
  p.drawRect(QRectF(3, 7, 8, 15));   // backfill
  p.drawRect(QRectF(13, 13, 8, 9));  // excavation side
  if (water) {
    p.setPen(Pen(kWater, 1.5));
    p.drawLine(QPointF(3, 11), QPointF(10, 11));
  }
  p.setPen(Pen(kInk, 1));
  p.setBrush(kWall);
  p.drawRect(QRectF(11, 3, 2, 19));
}

void Layers(QPainter& p) {
  const QColor colours[] = {QColor(214, 180, 120), QColor(170, 130, 80), QColor(130, 130, 160)};
  p.setPen(Pen(kInk, 1));
  for (int i = 0; i < 3; ++i) {
    p.setBrush(colours[i]);
    p.drawRect(QRectF(2, 4 + 6 * i, 20, 6));
  }
}

// Axes of a depth plot: depth downwards from the top edge.
void DepthAxes(QPainter& p) {
  p.setPen(Pen(kInk, 1));
  p.drawLine(3, 3, 21, 3);
  p.drawLine(12, 3, 12, 22);
}

void Magnifier(QPainter& p, const char* sign) {
  p.setPen(Pen(kInk, 2));
  p.setBrush(QColor(220, 235, 250));
  p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
  p.drawLine(QPointF(15, 15), QPointF(21, 21));
  if (sign[0] == '+' || sign[0] == '-') {
    p.setPen(Pen(kInk, 1.6));
    p.drawLine(QPointF(7, 10), QPointF(13, 10));
    if (sign[0] == '+') p.drawLine(QPointF(10, 7), QPointF(10, 13));
  }
}

void Digit(QPainter& p, int digit) {
  p.setPen(Pen(kInk, 1.2));
  p.setBrush(QColor(230, 230, 200));
  p.drawRect(QRectF(3, 3, 18, 18));
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(14);
  p.setFont(font);
  p.drawText(QRectF(3, 3, 18, 18), Qt::AlignCenter, QString::number(digit));
}

void Draw(QPainter& p, Command command) {
  using C = Command;
  switch (command) {
    case C::kFileNew:
      Page(p);
      break;
    case C::kFileOpen:
      Folder(p);
      break;
    case C::kFileSave:
      Disk(p);
      break;
    case C::kTitle: {
      p.setPen(Pen(kInk, 1.2));
      p.setBrush(kPaper);
      p.drawRect(QRectF(2, 4, 20, 16));
      QFont font = p.font();
      font.setBold(true);
      font.setPixelSize(13);
      p.setFont(font);
      p.drawText(QRectF(2, 4, 20, 16), Qt::AlignCenter, QStringLiteral("T"));
      break;
    }
    case C::kWallProperties: {
      p.setPen(Pen(kInk, 1));
      p.setBrush(kWall);
      p.drawRect(QRectF(4, 2, 4, 20));
      QFont font = p.font();
      font.setBold(true);
      font.setPixelSize(10);
      p.setFont(font);
      p.drawText(QRectF(9, 6, 15, 12), Qt::AlignCenter, QStringLiteral("EI"));
      break;
    }
    case C::kToolWallConfiguration:
      WallInSoil(p, true);
      break;
    case C::kToolSoilLayers:
      Layers(p);
      break;
    case C::kRunAnalysis:
      p.setPen(Pen(kInk, 1));
      p.setBrush(kGreen);
      p.drawPolygon(QPolygonF({QPointF(6, 3), QPointF(20, 12), QPointF(6, 21)}));
      break;
    case C::kToolStagedConstruction:
      p.setPen(Pen(kInk, 1));
      p.setBrush(kSoil);
      p.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(8, 6), QPointF(8, 11), QPointF(14, 11), QPointF(14, 16),
                               QPointF(21, 16), QPointF(21, 22), QPointF(2, 22)}));
      break;
    case C::kToolViewOutput:
      Page(p);
      Lines(p);
      break;
    case C::kToolSoilProfile:
      WallInSoil(p, false);
      p.setPen(Pen(kSoilDark, 1));
      p.drawLine(QPointF(3, 15), QPointF(10, 15));
      p.drawLine(QPointF(14, 18), QPointF(21, 18));
      break;
    case C::kView3D:
      p.setPen(Pen(kInk, 1.2));
      p.setBrush(QColor(170, 190, 220));
      p.drawPolygon(QPolygonF({QPointF(3, 8), QPointF(14, 8), QPointF(14, 21), QPointF(3, 21)}));
      p.setBrush(QColor(200, 215, 240));
      p.drawPolygon(QPolygonF({QPointF(3, 8), QPointF(9, 3), QPointF(20, 3), QPointF(14, 8)}));
      p.setBrush(QColor(130, 150, 190));
      p.drawPolygon(QPolygonF({QPointF(14, 8), QPointF(20, 3), QPointF(20, 16), QPointF(14, 21)}));
      break;
    case C::kToolPYCurves: {
      p.setPen(Pen(kInk, 1));
      p.drawLine(2, 12, 22, 12);
      p.drawLine(12, 2, 12, 22);
      QPainterPath curve;
      curve.moveTo(2, 4);
      curve.cubicTo(8, 4, 10, 6, 12, 12);
      curve.cubicTo(14, 18, 16, 20, 22, 20);
      p.setPen(Pen(kCurve, 1.8));
      p.setBrush(Qt::NoBrush);
      p.drawPath(curve);
      break;
    }
    case C::kToolDeflection:
    case C::kToolMoment:
    case C::kToolShear:
    case C::kToolReaction: {
      DepthAxes(p);
      QPainterPath curve;
      curve.moveTo(command == C::kToolDeflection ? 20 : 12, 3);
      if (command == C::kToolDeflection) {
        curve.cubicTo(17, 10, 13, 16, 11, 22);
      } else if (command == C::kToolMoment) {
        curve.cubicTo(12, 8, 21, 12, 12, 22);
      } else if (command == C::kToolShear) {
        curve.lineTo(18, 8);
        curve.cubicTo(20, 12, 4, 16, 12, 22);
      } else {
        curve.lineTo(12, 10);
        curve.cubicTo(4, 13, 20, 17, 12, 22);
      }
      p.setPen(Pen(kCurve, 1.8));
      p.setBrush(Qt::NoBrush);
      p.drawPath(curve);
      break;
    }
    case C::kToolDeflectionMomentShear:
      p.setPen(Pen(kInk, 1));
      for (int x : {4, 12, 20}) p.drawLine(x, 3, x, 22);
      p.setPen(Pen(kCurve, 1.4));
      p.drawLine(QPointF(7, 3), QPointF(4, 22));
      p.drawLine(QPointF(12, 3), QPointF(15, 12));
      p.drawLine(QPointF(15, 12), QPointF(12, 22));
      p.drawLine(QPointF(20, 3), QPointF(23, 9));
      p.drawLine(QPointF(23, 9), QPointF(18, 16));
      p.drawLine(QPointF(18, 16), QPointF(20, 22));
      break;
    case C::kToolPressure:
      DepthAxes(p);
      p.setPen(Pen(kCurve, 1.2));
      p.setBrush(QColor(240, 170, 170));
      p.drawPolygon(QPolygonF({QPointF(12, 3), QPointF(21, 21), QPointF(12, 21)}));
      break;
    case C::kToolStage1: Digit(p, 1); break;
    case C::kToolStage2: Digit(p, 2); break;
    case C::kToolStage3: Digit(p, 3); break;
    case C::kToolStage4: Digit(p, 4); break;
    case C::kToolStage5: Digit(p, 5); break;
    case C::kToolPanning: {
      p.setPen(Pen(kInk, 1.6));
      p.drawLine(QPointF(12, 2), QPointF(12, 22));
      p.drawLine(QPointF(2, 12), QPointF(22, 12));
      p.setBrush(kInk);
      p.drawPolygon(QPolygonF({QPointF(12, 1), QPointF(9, 5), QPointF(15, 5)}));
      p.drawPolygon(QPolygonF({QPointF(12, 23), QPointF(9, 19), QPointF(15, 19)}));
      p.drawPolygon(QPolygonF({QPointF(1, 12), QPointF(5, 9), QPointF(5, 15)}));
      p.drawPolygon(QPolygonF({QPointF(23, 12), QPointF(19, 9), QPointF(19, 15)}));
      break;
    }
    case C::kToolZoomWindow:
      p.setPen(QPen(kInk, 1.2, Qt::DashLine));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(2, 2, 14, 12));
      p.save();
      p.translate(6, 6);
      p.scale(0.7, 0.7);
      Magnifier(p, "");
      p.restore();
      break;
    case C::kToolZooming:
      Magnifier(p, "");
      break;
    case C::kToolZoomIn:
      Magnifier(p, "+");
      break;
    case C::kToolZoomOut:
      Magnifier(p, "-");
      break;
    case C::kToolRotating: {
      p.setPen(Pen(kInk, 1.8));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(4, 4, 16, 16), 60 * 16, 280 * 16);
      p.setBrush(kInk);
      p.drawPolygon(QPolygonF({QPointF(17, 2), QPointF(20, 8), QPointF(13, 7)}));
      break;
    }
    case C::kToolRestartView:
      p.setPen(Pen(kInk, 1.4));
      p.setBrush(QColor(220, 235, 250));
      p.drawPolygon(QPolygonF({QPointF(12, 3), QPointF(21, 11), QPointF(18, 11), QPointF(18, 21), QPointF(6, 21),
                               QPointF(6, 11), QPointF(3, 11)}));
      break;
    case C::kToolDeformedShape: {
      p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
      p.drawLine(8, 2, 8, 22);
      QPainterPath bent;
      bent.moveTo(16, 2);
      bent.cubicTo(13, 9, 9, 15, 8, 22);
      p.setPen(Pen(kWall, 3));
      p.setBrush(Qt::NoBrush);
      p.drawPath(bent);
      break;
    }
    default:
      break;
  }
}

QPixmap Render(Command command, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 24.0, size / 24.0);
  Draw(p, command);
  return pixmap;
}

}  // namespace

QIcon ToolbarGlyph(Command command) {
  QIcon icon;
  icon.addPixmap(Render(command, 24));
  icon.addPixmap(Render(command, 48));
  return icon;
}

}  // namespace veldra::gui
