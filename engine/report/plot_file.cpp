#include "engine/report/plot_file.h"

#include "engine/format/fortran_format.h"

#include <ostream>

namespace veldra::engine {

std::vector<PressurePoint> printed_pressure_points(int units,
                                                   const std::vector<PressurePoint>& points) {
  if (points.size() <= 50) return points;
  const std::size_t step = units == 1 ? 6 : 4;
  std::vector<PressurePoint> out;
  for (std::size_t j = 0; j < points.size(); j += step) out.push_back(points[j]);
  if ((points.size() - 1) % step != 0) out.push_back(points.back());
  return out;
}

void write_plot_no_pressure(std::ostream& plot) { write_list(plot, {0}); }

void write_plot_pressure(std::ostream& plot, const std::vector<PressurePoint>& points) {
  write_list(plot, {static_cast<long long>(points.size())});
  for (const PressurePoint& p : points) {
    // A soil part of exactly zero is written as a tiny positive value, as it always
    // has been, so that plots on a logarithmic scale stay defined.
    const double p2 = p.p2 == 0.0 ? 1.0e-7 : p.p2;
    fwrite(plot, "(4(2X,E10.3))", {p.x, p.p, p2, p.p3});
  }
}

void write_plot_curves(std::ostream& plot, const ProblemState& st, bool depth_headers) {
  write_list(plot, {st.ctl.units, st.ncur});
  for (int k = 1; k <= st.ncur; ++k) {
    const Curve& c = st.curves[k];
    if (depth_headers) {
      fwrite(plot, "(1X,F10.2,1X,I5)", {c.depth, c.n});
    } else {
      write_list(plot, {c.station, c.n});
    }
    for (int j = 1; j <= c.n; ++j) write_list(plot, {c.y[j], c.p[j]});
  }
}

void write_plot_results(std::ostream& plot, int result_sets, int npts, int units,
                        const std::array<ResultRow, kMaxResultStations + 1>& rows) {
  write_list(plot, {result_sets, npts, units});
  for (int j = 1; j <= npts; ++j) {
    const ResultRow& r = rows[j];
    fwrite(plot, "(5(1X,E13.4))", {r.depth, r.deflection, r.moment, r.shear, r.reaction});
  }
}

}  // namespace veldra::engine
