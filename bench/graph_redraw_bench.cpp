// veldra-graph-bench: redrawing a result graph window, as the window redraws it
// after a resize or a change of its settings. Google Benchmark; runs on Qt's
// offscreen platform, so it needs no display.
//
// The graph: 20 curves of 300 points (a staged wall's deflections), drawn at
// 1000 x 700 pixels and 96 per inch into an image of the window's pixel format.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

#include "framework/graph_scene.h"
#include "framework/main_graphs.h"
#include "gui/graphs/graph_painter.h"

namespace {

namespace fw = veldra::framework;

constexpr int kCurves = 20;
constexpr int kPoints = 300;

void FillGraph(fw::TGraphPlot& graph, bool three_panels) {
  graph.ShowThree = three_panels;
  const int panels = three_panels ? 3 : 1;
  for (int p = 1; p <= panels; ++p) {
    const fw::CurveList list = fw::TGraphPlot::PanelList(p);
    graph.SetCurveCount(list, kCurves);
    graph.SetPointCount(list, kPoints);
    for (int c = 0; c < kCurves; ++c)
      for (int i = 0; i < kPoints; ++i) {
        const double depth = 0.1 * i;
        graph.PointAt(list, c, i) = {(c + 1) * 0.01 * std::cos(depth / (3 + p)) * std::exp(-depth / 20), depth};
      }
  }
  graph.ActivateCurvesForWindow();
}

void Redraw(benchmark::State& state, int markers, bool three_panels) {
  fw::TGraphPlot graph;
  FillGraph(graph, three_panels);
  graph.Markers = markers;
  QImage image(1000, 700, QImage::Format_ARGB32_Premultiplied);
  veldra::gui::GraphSurface surface;
  surface.size = image.size();
  const std::vector<fw::ViewSpan> shown = fw::FullSpans(graph);
  for (auto _ : state) {
    QPainter painter(&image);
    veldra::gui::DrawGraph(painter, graph, shown, surface);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["curves"] = kCurves;
  state.counters["points"] = kPoints;
}

// The window's default: a marker at every point.
void BM_RedrawGraph_MarkersEveryPoint(benchmark::State& state) { Redraw(state, 1, false); }
void BM_RedrawGraph_NoMarkers(benchmark::State& state) { Redraw(state, 0, false); }
// Deflection, moment and shear side by side: three times the curves.
void BM_RedrawGraph_ThreePanels(benchmark::State& state) { Redraw(state, 1, true); }

BENCHMARK(BM_RedrawGraph_MarkersEveryPoint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawGraph_NoMarkers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawGraph_ThreePanels)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qt_argc = 1;
  QGuiApplication application(qt_argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
