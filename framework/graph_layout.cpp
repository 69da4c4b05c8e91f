#include "framework/graph_layout.h"

#include <algorithm>
#include <cmath>

namespace veldra::framework {

GraphLayout LayOutGraph(const TGraphPlot& graph, const GraphCanvas& canvas) {
  GraphLayout layout;
  const int h = canvas.text_height;
  const int dx = canvas.dpi_x;
  const int dy = canvas.dpi_y;
  layout.drawable = canvas.width >= dx && canvas.height >= dy && dx > 0 && dy > 0;

  PixelRect& plot = layout.plot;
  plot.left = 2 * h + dx / 8 + h / 8;
  plot.right = canvas.printing ? canvas.width : canvas.width - dx / 4 - h / 2;
  if (graph.XOnTop) {
    plot.top = 2 * h + dy / 8 + h / 8;
    plot.bottom = canvas.printing ? canvas.height : canvas.height - dy / 4 - h / 2;
  } else {
    plot.top = canvas.printing ? 0 : h / 2 + dy / 4;
    plot.bottom = canvas.height - 2 * h - dy / 8 - h / 8;
  }

  if (!graph.Title.empty()) {
    if (graph.TitleAtTop)
      plot.top += canvas.printing ? dy / 4 : h / 8 + h;
    else
      plot.bottom -= canvas.printing ? dy / 2 : h;
  }

  if (graph.ShowLayers) {
    const int column_right = plot.right;
    plot.right -= dx;
    layout.layers = PixelRect{plot.right + dx / 5, plot.top, column_right, plot.bottom};
  }

  if (graph.ShowThree) {
    const int w = (plot.Width() - 4 * h - dx / 2) / 3;
    const int gap = 2 * h + dx / 4;
    layout.panels.push_back({plot.left, plot.top, plot.left + w, plot.bottom});
    layout.panels.push_back({plot.left + w + gap, plot.top, plot.left + 2 * w + gap, plot.bottom});
    layout.panels.push_back({plot.right - w, plot.top, plot.right, plot.bottom});
  } else {
    layout.panels.push_back(plot);
  }
  return layout;
}

PixelPoint LegendHome(const GraphLayout& layout, int legend_width, int legend_height) {
  return {layout.plot.right - legend_width, layout.plot.bottom - legend_height};
}

PixelPoint KeepInside(PixelPoint at, int legend_width, int legend_height, int width, int height) {
  at.x = std::max(0, std::min(at.x, width - legend_width));
  at.y = std::max(0, std::min(at.y, height - legend_height));
  return at;
}

LegendAnchor AnchorOf(const PixelRect& plot, PixelPoint at, int legend_width, int legend_height) {
  LegendAnchor anchor;
  if (plot.Empty()) return anchor;
  anchor.right = 2 * at.x + legend_width > plot.left + plot.right;
  anchor.bottom = 2 * at.y + legend_height > plot.top + plot.bottom;
  const int x = anchor.right ? at.x + legend_width : at.x;
  const int y = anchor.bottom ? at.y + legend_height : at.y;
  anchor.x = static_cast<double>(x - plot.left) / plot.Width();
  anchor.y = static_cast<double>(y - plot.top) / plot.Height();
  return anchor;
}

PixelPoint PlaceLegend(const PixelRect& plot, const LegendAnchor& anchor, int legend_width, int legend_height) {
  const int x = plot.left + static_cast<int>(std::lround(anchor.x * plot.Width()));
  const int y = plot.top + static_cast<int>(std::lround(anchor.y * plot.Height()));
  return {anchor.right ? x - legend_width : x, anchor.bottom ? y - legend_height : y};
}

}  // namespace veldra::framework
