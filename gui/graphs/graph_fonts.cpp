#include "gui/graphs/graph_fonts.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace veldra::gui {

namespace {

// The window font the graph's text sizes are tenths of.
constexpr double kWindowFontPoints = 10;
constexpr double kPointsPerInch = 72;
constexpr double kScreenDpi = 96;
constexpr double kItemHeightPerPoint = 1.5;

QFont Sized(const char* family, QFont::StyleHint hint, double points, int dpi_y) {
  QFont font(family);
  font.setStyleHint(hint);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * dpi_y / kPointsPerInch))));
  return font;
}

double TextPoints(const framework::TGraphPlot& graph) { return kWindowFontPoints * std::max(graph.SizeFont, 1) / 10.0; }

double LegendPoints(const framework::TGraphPlot& graph) {
  return std::max(graph.LegendFont, 1) * std::max(graph.SizeFont, 1) / 10.0;
}

}  // namespace

QFont CaptionFont(const framework::TGraphPlot& graph, int dpi_y) {
  QFont font = Sized("Liberation Serif", QFont::Serif, TextPoints(graph), dpi_y);
  font.setBold(true);
  return font;
}

QFont LabelFont(const framework::TGraphPlot& graph, int dpi_y) {
  return Sized("Liberation Serif", QFont::Serif, TextPoints(graph), dpi_y);
}

int TextHeight(const framework::TGraphPlot& graph, int dpi_y) {
  return QFontMetrics(CaptionFont(graph, dpi_y)).height();
}

QFont LegendFont(const framework::TGraphPlot& graph, int dpi_y) {
  return Sized("Liberation Sans", QFont::SansSerif, LegendPoints(graph), dpi_y);
}

int LegendItemHeight(const framework::TGraphPlot& graph, int dpi_y) {
  return std::max(1, static_cast<int>(std::lround(kItemHeightPerPoint * LegendPoints(graph) * dpi_y / kScreenDpi)));
}

}  // namespace veldra::gui
