#include "app/views/world_window.h"

#include <algorithm>
#include <cmath>

namespace veldra::app::views {

bool WorldWindow::Degenerate() const {
  const double width = xmax - xmin;
  const double height = ymax - ymin;
  // Written so that NaN counts as degenerate too.
  return !(width > 0 && height > 0 && std::isfinite(width) && std::isfinite(height));
}

WorldWindow WorldWindow::FittedTo(ClientSize client) const {
  if (Degenerate() || client.width <= 0 || client.height <= 0) return *this;
  const double a = (static_cast<double>(client.width) / client.height) / ((xmax - xmin) / (ymax - ymin));
  WorldWindow fitted = *this;
  if (a >= 1) {
    fitted.xmin *= a;
    fitted.xmax *= a;
  } else {
    fitted.ymin /= a;
    fitted.ymax /= a;
  }
  return fitted;
}

namespace {

// Far beyond any screen or page, yet safely inside int: a point far outside the
// window (a slope line, a huge wall) is still drawn towards the right place.
constexpr double kClientLimit = 1e7;

int RoundToClient(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::lround(std::clamp(v, -kClientLimit, kClientLimit)));
}

}  // namespace

ClientPoint WorldWindow::ToClient(WorldPoint p, ClientSize client) const {
  const double x = client.width * (p.x - xmin) / (xmax - xmin);
  const double y = client.height * (p.y - ymin) / (ymax - ymin);
  return {RoundToClient(x), RoundToClient(y)};
}

WorldPoint WorldWindow::ToWorld(ClientPoint p, ClientSize client) const {
  return {xmin + (xmax - xmin) * p.x / client.width, ymin + (ymax - ymin) * p.y / client.height};
}

}  // namespace veldra::app::views
