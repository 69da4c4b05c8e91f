#include "engine/driver/problem_records.h"

#include "engine/driver/data_error.h"
#include "engine/driver/earth_pressure_step.h"
#include "engine/driver/record_values.h"
#include "engine/driver/run_context.h"
#include "engine/report/input_echo.h"
#include "engine/report/plot_file.h"
#include "engine/soil/surcharge.h"
#include "engine/wall/pressure_loading.h"

#include <cmath>
#include <string>
#include <vector>

namespace veldra::engine {
namespace {

std::vector<PressurePoint> read_user_pressure(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const int n = read_count(ctx, kMaxPressurePoints, "PRESSURE POINTS");
  std::vector<PressurePoint> points;
  points.reserve(static_cast<std::size_t>(n));
  for (int j = 1; j <= n; ++j) {
    const std::vector<double> v = ctx.reader.read_reals(2);
    if (!points.empty() && v[0] < points.back().x) {
      data_error(ctx, "ERROR STOP -- PRESSURE POINTS NOT IN ORDER OF DEPTH ON LINE " +
                          std::to_string(ctx.reader.line()));
    }
    points.push_back({v[0], v[1], v[1], 0.0});
  }
  (void)st;
  return points;
}

// Pressures are printed and plotted as soon as they are known: a surcharge or a soil
// far out of range must end the problem before a pressure that is not a number does.
void check_pressure_finite(RunContext& ctx, const std::vector<PressurePoint>& points) {
  for (const PressurePoint& p : points) {
    if (!std::isfinite(p.x) || !std::isfinite(p.p) || !std::isfinite(p.p2) ||
        !std::isfinite(p.p3)) {
      data_error(ctx,
                 "ERROR STOP -- EARTH PRESSURE NOT FINITE: CHECK THE MAGNITUDES OF THE "
                 "PRESSURES, SURCHARGES AND SOIL PROPERTIES");
    }
  }
}

void read_wall_configuration(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const std::vector<double> v = ctx.reader.read_record("rrrrrrir");
  st.wall = {v[0], v[1], v[2], v[3], v[4], v[5], to_int(v[6]), v[7]};

  Surcharges& s = st.surcharges;
  const std::vector<double> single = ctx.reader.read_reals(6);
  s.uniform = single[0];
  s.single_distance = single[1];
  s.point_load = single[2];
  s.line_load = single[3];
  s.strip_load = single[4];
  s.strip_width = single[5];
  s.count = read_count(ctx, kMaxSurcharges, "SURCHARGES");
  // Surcharge distances and widths are given in millimetres in SI units.
  const double scale = st.ctl.units == 2 ? 1.0 / 1000.0 : 1.0;
  for (int r = 1; r <= s.count; ++r) {
    const std::vector<double> row = ctx.reader.read_record("irrr");
    s.rows[r] = {to_int(row[0]), row[1], row[2] * scale, row[3] * scale};
  }

  st.nlay = read_count(ctx, kMaxSoilLayers, "SOIL LAYERS");
  double above = 0.0;
  for (int l = 1; l <= st.nlay; ++l) {
    SoilLayerInput& layer = st.layers[l];
    const std::vector<double> head = ctx.reader.read_record("ir");
    layer.type = to_int(head[0]);
    layer.bottom = head[1];
    layer.thickness = layer.bottom - above;
    above = layer.bottom;
    const std::vector<double> top = ctx.reader.read_reals(6);
    const std::vector<double> bottom = ctx.reader.read_reals(6);
    for (int k = 1; k <= 6; ++k) {
      layer.top[k] = top[k - 1];
      layer.bottom_values[k] = bottom[k - 1];
    }
  }
}

void prepare_earth_pressure(RunContext& ctx) {
  ProblemState& st = ctx.st();
  std::vector<PressurePoint> points;
  if (st.ctl.kep == 1) {
    points = read_user_pressure(ctx);
  }
  if (st.ctl.kep > 1 || st.ctl.kpy == 2) read_wall_configuration(ctx);

  if (st.ctl.kep == 1) {
    write_specified_pressure_banner(ctx.report);
    write_pressure_heading(ctx.report, st.labels);
    for (const PressurePoint& p : points) write_pressure_point(ctx.report, p.x, p.p2);
    const bool surcharges = st.ctl.kpy == 2 && st.surcharges.count > 0;
    if (surcharges && soil::surcharges_skipped(st.wall.hfree)) {
      soil::write_surcharges_skipped(ctx.report);
    }
    for (PressurePoint& p : points) {
      if (surcharges) {
        p.p3 = st.wall.wa * surchg(st, p.x);
        p.p = p.p2 + p.p3;
      }
    }
    check_pressure_finite(ctx, points);
    st.bottom_pressure = 0.0;
    write_plot_pressure(ctx.plot, points);
  } else {
    GeneratedPressure generated = epress(ctx);
    points = std::move(generated.points);
    if (static_cast<int>(points.size()) > kMaxPressurePoints) {
      too_much_data(ctx, std::to_string(points.size()) + " EARTH-PRESSURE POINTS (AT MOST " +
                             std::to_string(kMaxPressurePoints) + ")");
    }
    apply_width_factors(st, points);
    scale_by_widths(st, generated.shown);
    check_pressure_finite(ctx, points);
    check_pressure_finite(ctx, generated.shown);
    write_pressure_heading(ctx.report, st.labels);
    const std::vector<PressurePoint> shown = printed_pressure_points(st.ctl.units, generated.shown);
    for (const PressurePoint& p : shown) write_pressure_point(ctx.report, p.x, p.p);
    write_plot_pressure(ctx.plot, shown);
  }
  st.npress = static_cast<int>(points.size());
  for (int j = 1; j <= st.npress; ++j) st.pressure[j] = points[static_cast<std::size_t>(j - 1)];
  load_pressure(st);
}

}  // namespace

// The values of stations N+1 and N+2 below the tip (and -2, -1 above the top) must
// all be zero: they would otherwise act as a wall that is not there.
void check_beyond_ends(RunContext& ctx) {
  const ProblemState& st = ctx.st();
  const auto nonzero = [&](int station, bool with_q_and_s) {
    const int i = station_index(station);
    if (st.F[i] != 0.0 || st.T[i] != 0.0 || st.R[i] != 0.0 || st.P[i] != 0.0) return true;
    return with_q_and_s && (st.Q[i] != 0.0 || st.S[i] != 0.0);
  };
  if (ctx.rows_beyond_end || nonzero(st.n + 1, true) || nonzero(st.n + 2, false)) {
    data_error(ctx, kBeyondEnd);
  }
  if (nonzero(-1, true) || nonzero(-2, false)) {
    data_error(ctx, "ERROR -- NON-ZERO TABLE 4 DATA ABOVE TOP");
  }
}

void read_pressure_input(RunContext& ctx) {
  ProblemState& st = ctx.st();
  if (st.ctl.kep == 0) {
    write_plot_no_pressure(ctx.plot);
    if (st.ctl.kpy == 2) read_wall_configuration(ctx);
  } else {
    prepare_earth_pressure(ctx);
  }
}

}  // namespace veldra::engine
