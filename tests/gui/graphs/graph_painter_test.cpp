// The painter replays the scene: probes of single pixels where the scene puts a
// curve, the legend box, the soil column and the wall (never whole pictures).
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "framework/graph_scene.h"
#include "gui/graphs/graph_painter.h"
#include "tests/gui/graphs/graph_test_support.h"

namespace veldra::gui::test {

using fw::CurveList;

class GraphPainterTest : public QObject {
  Q_OBJECT

 private:
  static GraphSurface Surface(QSize size) {
    GraphSurface surface;
    surface.size = size;
    return surface;
  }

  static QImage Draw(const fw::TGraphPlot& graph, const GraphSurface& surface) {
    QImage image(surface.size, QImage::Format_RGB32);
    image.fill(Qt::red);  // the painter must cover it all
    QPainter painter(&image);
    DrawGraph(painter, graph, fw::FullSpans(graph), surface);
    return image;
  }

  static fw::GraphScene SceneOf(const fw::TGraphPlot& graph, const GraphSurface& surface) {
    return fw::BuildGraphScene(graph, CanvasOf(graph, surface), fw::FullSpans(graph));
  }

 private slots:
  void CurvesAreDrawnInTheirColoursWhereTheSceneMapsThem() {
    fw::TGraphPlot graph;
    graph.Markers = 0;
    graph.SetCurveCount(CurveList::kMain, 2);
    graph.CurveAt(CurveList::kMain, 0).Points = {{0, 0}, {0.3L, 10}};
    graph.CurveAt(CurveList::kMain, 1).Points = {{0.6L, 0}, {1.0L, 10}};
    const GraphSurface surface = Surface({700, 500});
    const fw::SceneCurve second = SceneOf(graph, surface).panels[0].curves[1];
    const QPoint middle((second.line[0].x + second.line[1].x) / 2, (second.line[0].y + second.line[1].y) / 2);
    QCOMPARE(Draw(graph, surface).pixelColor(middle), QColor(0, 0, 255));  // the second active curve: blue
    graph.CurveAt(CurveList::kMain, 1).Shown = false;
    QVERIFY(Draw(graph, surface).pixelColor(middle) != QColor(0, 0, 255));
    // The first curve becomes inactive: the second is now the first active one, black.
    graph.CurveAt(CurveList::kMain, 1).Shown = true;
    graph.CurveAt(CurveList::kMain, 0).Active = false;
    QCOMPARE(Draw(graph, surface).pixelColor(middle), QColor(0, 0, 0));
  }

  void TheLegendBoxGoesWhereTheWindowsLegendIs() {
    fw::TGraphPlot graph;
    Fill(graph, 2, 5);
    GraphSurface surface = Surface({600, 400});
    surface.legend_box = true;
    // Its top-left corner a quarter across and half down the plot area.
    surface.legend = {0.25, 0.5, false, false};
    const fw::PixelRect plot = SceneOf(graph, surface).layout.plot;
    const QPoint corner(plot.left + static_cast<int>(std::lround(0.25 * plot.Width())),
                        plot.top + static_cast<int>(std::lround(0.5 * plot.Height())));
    const QSize box = LegendBoxSize(graph, 96, 96);
    QVERIFY(box.width() > 40 && box.height() > 20);
    const auto top_edge_ink = [&](const QImage& image) {
      int black = 0;
      for (int x = corner.x(); x < corner.x() + box.width(); ++x) black += image.pixelColor(x, corner.y()) == QColor(Qt::black);
      return black;
    };
    const QImage picture = Draw(graph, surface);
    QCOMPARE(top_edge_ink(picture), box.width());
    QCOMPARE(picture.pixelColor(corner.x() + box.width() - 3, corner.y() + 3), QColor(Qt::white));
    surface.legend_box = false;
    QVERIFY(top_edge_ink(Draw(graph, surface)) < box.width() / 2);

    // At home its bottom-right corner is the plot area's.
    surface.legend_box = true;
    surface.legend = {};
    const QImage home = Draw(graph, surface);
    QCOMPARE(home.pixelColor(plot.right - 1, plot.bottom - 1), QColor(Qt::black));
    QCOMPARE(home.pixelColor(plot.right - box.width() + 3, plot.bottom - box.height() + 3), QColor(Qt::white));
  }

  void TheSoilColumnFillsItsLayersAndDrawsTheWall() {
    fw::TGraphPlot graph;
    Fill(graph, 1, 31);  // depths 0 to 30
    graph.ShowLayers = true;
    graph.SetCurveCount(CurveList::kLayers, 4);
    graph.SetPointCount(CurveList::kLayers, 1);
    graph.PointAt(CurveList::kLayers, 0, 0) = {1, 12};  // clay: hatched
    graph.PointAt(CurveList::kLayers, 1, 0) = {0, 30};  // no fill
    graph.PointAt(CurveList::kLayers, 2, 0) = {0, 24};  // the tip
    graph.PointAt(CurveList::kLayers, 3, 0) = {0, 6};   // the excavation
    graph.WallLineCount = 2;
    const GraphSurface surface = Surface({800, 600});
    const auto inks = [](const QImage& image, const QRect& r) {
      int black = 0;
      for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) black += image.pixelColor(x, y) == QColor(Qt::black);
      return black;
    };
    const fw::SceneLayerColumn column = *SceneOf(graph, surface).column;
    const QImage plain = Draw(graph, surface);
    const auto inside = [](const fw::PixelRect& r) { return QRect(r.left + 3, r.top + 3, r.Width() - 6, r.Height() - 6); };
    QVERIFY(inks(plain, inside(column.layers[0].rect)) > 20);  // hatching
    // The unfilled layer shows only its name on white.
    const fw::PixelRect& lower = column.layers[1].rect;
    QCOMPARE(inks(plain, QRect(lower.left + 3, lower.top + 3, lower.Width() - 6, 10)), 0);

    graph.ShowWall = true;
    const fw::SceneLayerColumn walled = *SceneOf(graph, surface).column;
    QVERIFY(walled.wall.has_value());
    const QImage wall = Draw(graph, surface);
    const QPoint in_wall((walled.wall->left + walled.wall->right) / 2, (walled.wall->top + walled.wall->bottom) / 2);
    QCOMPARE(wall.pixelColor(in_wall), QColor(128, 128, 128));
    const QPoint below_tip(in_wall.x(), walled.wall->bottom + 5);
    QVERIFY(wall.pixelColor(below_tip) != QColor(128, 128, 128));
  }

  void BelowAnInchOnlyTheBackgroundIsDrawn() {
    fw::TGraphPlot graph;
    graph.Caption = "tiny";
    Fill(graph, 2, 5);
    const QImage image = Draw(graph, Surface({95, 300}));
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) != QColor(Qt::white)) QFAIL(qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
  }
};

}  // namespace veldra::gui::test

QTEST_MAIN(veldra::gui::test::GraphPainterTest)
#include "graph_painter_test.moc"
