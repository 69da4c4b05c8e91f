// Plot-data text written by the engine's own plot writer, for the readers' tests
// outside the engine (which may not include its internals themselves).
#ifndef VELDRA_TESTS_SUPPORT_PLOT_WRITING_H
#define VELDRA_TESTS_SUPPORT_PLOT_WRITING_H

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/report/plot_file.h"
#include "engine/state/problem_state.h"

namespace veldra::test {

// One SI problem whose pressure points, one p-y curve and result stations (at most
// four of each) all hold `values`: each value in every column of its row.
inline std::string PlotOfValues(const std::vector<double>& values) {
  auto state = std::make_unique<engine::ProblemState>();
  engine::ProblemState& st = *state;
  const int n = static_cast<int>(values.size());
  st.ctl.units = 2;
  st.ncur = 1;
  st.curves[1].station = 3;
  st.curves[1].n = n;
  std::vector<engine::PressurePoint> pressure;
  for (int i = 0; i < n; ++i) {
    const double v = values[i];
    pressure.push_back({v, v, v, v});
    st.curves[1].y[i + 1] = v;
    st.curves[1].p[i + 1] = v;
    st.results[i + 1] = {v, v, v, v, v};
  }
  std::ostringstream plot;
  engine::write_plot_pressure(plot, pressure);
  engine::write_plot_curves(plot, st, /*depth_headers=*/false);
  engine::write_plot_results(plot, 1, n, 2, st.results);
  return plot.str();
}

}  // namespace veldra::test

#endif  // VELDRA_TESTS_SUPPORT_PLOT_WRITING_H
