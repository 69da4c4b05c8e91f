#include "engine/driver/problem_records.h"

#include "engine/driver/data_error.h"
#include "engine/driver/py_curve_step.h"
#include "engine/driver/record_values.h"
#include "engine/driver/run_context.h"
#include "engine/report/input_echo.h"
#include "engine/report/plot_file.h"
#include "engine/wall/iteration.h"

#include <cmath>
#include <string>
#include <vector>

namespace veldra::engine {
namespace {

void read_user_curves(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const int nu = checked_count(ctx, st.ctl.npyu, kMaxCurves, "P-Y CURVES", control_item(ctx, 7));
  if (nu > 0) write_user_curves_banner(ctx.report);
  int prev_flag = 0;
  for (int k = 1; k <= nu; ++k) {
    const std::vector<double> head = ctx.reader.read_record("iirr");
    const int station = to_int(head[0]);
    const int n = to_int(head[1]);
    const double pm = head[2], ym = head[3];
    if (n > kMaxCurvePoints) {
      too_much_data(ctx, too_many(n, "POINTS OF A P-Y CURVE", {ctx.reader.line_of_item(2), 2},
                                  kMaxCurvePoints));
    }
    if (n < 2) {
      data_error(ctx, "ERROR STOP -- P-Y CURVE " + std::to_string(k) +
                          " NEEDS AT LEAST 2 POINTS");
    }
    if (station < 0 || station > st.n) {
      data_error(ctx, "ERROR STOP -- P-Y CURVE " + std::to_string(k) + " AT STATION " +
                          std::to_string(station) + " OUTSIDE THE WALL (STATIONS 0 TO " +
                          std::to_string(st.n) + ")");
    }
    Curve& c = st.curves[k];
    c = Curve{};
    c.station = c.start = station;
    c.n = n;
    c.depth = station * st.h;
    double y[kMaxCurvePoints], p[kMaxCurvePoints];
    for (int j = 1; j <= n; ++j) {
      const std::vector<double> v = ctx.reader.read_reals(2);
      y[j - 1] = v[0];
      p[j - 1] = v[1];
      c.y[j] = ym * v[0];
      c.p[j] = pm * v[1];
      c.pc[j] = st.h_curves * c.p[j];
      if (!std::isfinite(c.y[j]) || !std::isfinite(c.pc[j])) {
        data_error(ctx, "ERROR STOP -- P-Y CURVE " + std::to_string(k) +
                            ": A POINT TIMES ITS MULTIPLIER IS NOT FINITE ON LINE " +
                            std::to_string(ctx.reader.line()));
      }
    }
    // Below the excavation level user curves are interpolated with the next curve;
    // mixed with generated curves each acts alone.
    c.chain = (!st.ctl.generate_py && station * st.h >= st.hfree) ? 1 : 0;
    const int case_k = st.ctl.generate_py ? 3 : 2 * prev_flag + c.chain + 1;
    prev_flag = c.chain;
    write_user_curve(ctx.report, st.labels, case_k, station, c.chain, pm, ym, n, y, p);
  }
  st.ncur = nu;
}

void add_generated_curves(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const std::vector<GeneratedCurve> generated = pydata(ctx);
  if (st.ncur + static_cast<int>(generated.size()) > kMaxCurves) {
    too_much_data(ctx, std::to_string(st.ncur) + " USER AND " + std::to_string(generated.size()) +
                           " GENERATED P-Y CURVES (AT MOST " + std::to_string(kMaxCurves) +
                           " IN ALL)");
  }
  for (const GeneratedCurve& g : generated) {
    Curve& c = st.curves[++st.ncur];
    c = Curve{};
    const double station = g.depth / st.h;
    if (!fits_station(station)) data_error(ctx, kBeyondEnd);
    c.station = c.start = nint(station);
    c.chain = 1;
    c.n = 33;
    c.depth = g.depth;
    c.generated = true;
    // A deflection toward the backfill meets the backfill-side curve, one toward the
    // excavation the excavation-side curve; both resist.
    for (int j = 1; j <= 17; ++j) {
      c.y[j] = -g.y[35 - j];
      c.p[j] = g.p[35 - j];
    }
    for (int j = 18; j <= 33; ++j) {
      c.y[j] = g.y[j - 16];
      c.p[j] = -g.p[j - 16];
    }
    for (int j = 1; j <= 33; ++j) c.pc[j] = c.p[j] * st.h_curves;
  }
  if (generated.empty() && st.ctl.npyu == 0) write_empty_section(ctx.report);
}

}  // namespace

void prepare_curves(RunContext& ctx) {
  ProblemState& st = ctx.st();
  st.ncur = 0;
  read_user_curves(ctx);
  if (st.ctl.generate_py) add_generated_curves(ctx);
  const bool depth_headers = st.ctl.generate_py && st.ctl.npyu == 0;
  write_plot_curves(ctx.plot, st, depth_headers);
}

void read_ei_sets(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const int nei = checked_count(ctx, st.ctl.nei, kMaxEiSets, "MOMENT-EI SETS", control_item(ctx, 9));
  for (int k = 1; k <= nei; ++k) {
    const std::vector<double> head = ctx.reader.read_record("iii");
    EiSet& set = st.ei_sets[k];
    set.first = to_int(head[0]);
    set.last = to_int(head[1]);
    set.n = to_int(head[2]);
    if (set.n > kMaxEiPoints) {
      too_much_data(ctx, too_many(set.n, "POINTS OF A MOMENT-EI CURVE",
                                  {ctx.reader.line_of_item(3), 3}, kMaxEiPoints));
    }
    if (set.n < 2) {
      data_error(ctx, "ERROR STOP -- MOMENT-EI CURVE " + std::to_string(k) +
                          " NEEDS AT LEAST 2 POINTS");
    }
    if (set.last < set.first) data_error(ctx, kStationsNotInOrder);
    if (set.first < 0 || set.last > st.n) {
      data_error(ctx, "ERROR STOP -- MOMENT-EI CURVE " + std::to_string(k) +
                          " OUTSIDE THE WALL (STATIONS 0 TO " + std::to_string(st.n) + ")");
    }
    for (int j = 1; j <= set.n; ++j) {
      const std::vector<double> v = ctx.reader.read_reals(2);
      if (v[1] < 0.0) {
        data_error(ctx, "ERROR STOP -- NEGATIVE EI " + where({ctx.reader.line_of_item(2), 2}));
      }
      set.moment[j] = v[0];
      set.ei[j] = v[1];
    }
  }
  // The first EI comes from the deflections the previous problem left (zero in the
  // first problem, which gives the EI of the first point).
  for (int k = 1; k <= nei; ++k) update_ei(st, st.ei_sets[k]);
  // Without any bending stiffness every station's deflection is left at zero and
  // the iteration would call that a closed solution.
  bool stiff = false;
  for (int j = 0; j <= st.n && !stiff; ++j) stiff = st.F[station_index(j)] != 0.0;
  if (!stiff) data_error(ctx, "ERROR STOP -- EI IS ZERO AT EVERY STATION OF THE WALL");
}

}  // namespace veldra::engine
