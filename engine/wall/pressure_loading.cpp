#include "engine/wall/pressure_loading.h"

#include <algorithm>
#include <cmath>

namespace veldra::engine {

double scale_by_widths(const ProblemState& st, std::vector<PressurePoint>& points) {
  double factor = st.wall.wa;
  for (PressurePoint& p : points) {
    if (p.x > st.hfree) factor = st.wall.wp;
    p.p *= factor;
    p.p2 *= factor;
    p.p3 *= factor;
  }
  return factor;
}

void apply_width_factors(ProblemState& st, std::vector<PressurePoint>& points) {
  st.width_factor = scale_by_widths(st, points);
  st.bottom_pressure = points.empty() ? 0.0 : points.back().p;
}

void load_pressure(ProblemState& st) {
  const int np = st.npress;
  for (int k = 1; k <= np; ++k) st.pressure[k].p *= st.h;
  if (np == 0) return;

  const double last_depth = st.ctl.kep == 1 ? st.pressure[np].x : st.hfree;
  const double stations = last_depth / st.h;
  if (!std::isfinite(stations)) return;
  const int nst = std::min(static_cast<int>(std::lround(std::min(stations, 1.0e6))), st.n + 3);

  int k = 1;
  double p = 0.0;
  for (int i = 1; i <= nst; ++i) {
    const double x = i * st.h;
    while (k <= np && st.pressure[k].x < x) ++k;
    if (k <= np) {
      const double x0 = k == 1 ? 0.0 : st.pressure[k - 1].x;
      const double p0 = k == 1 ? 0.0 : st.pressure[k - 1].p;
      p = p0 + (st.pressure[k].p - p0) * (x - x0) / (st.pressure[k].x - x0);
    }
    st.Q[station_index(i)] += p;
  }
}

}  // namespace veldra::engine
