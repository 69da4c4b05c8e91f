#include "engine/driver/problem.h"

#include "engine/driver/data_error.h"
#include "engine/driver/run_context.h"
#include "engine/py/py_curve_generation.h"
#include "engine/report/fortran_format.h"
#include "engine/report/input_echo.h"
#include "engine/report/plot_file.h"
#include "engine/report/results_report.h"
#include "engine/report/title_page.h"
#include "engine/soil/earth_pressure_generation.h"
#include "engine/soil/surcharge.h"
#include "engine/state/single_precision.h"
#include "engine/wall/iteration.h"
#include "engine/wall/pressure_loading.h"
#include "engine/wall/station_accumulation.h"
#include "engine/wall/wall_solver.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <memory>

namespace veldra::engine {
namespace {

// Nearest integer, halves away from zero.
int nint(double x) { return static_cast<int>(std::lround(x)); }

bool fits_station(double x) { return std::isfinite(x) && std::fabs(x) < 1.0e6; }

// A count read from the file: negative counts are errors, counts above the
// capacity end the run before anything is stored.
int checked_count(RunContext& ctx, int count, int capacity, const char* what) {
  if (count < 0) {
    data_error(ctx, std::string("ERROR STOP -- NEGATIVE NUMBER OF ") + what + " ON LINE " +
                        std::to_string(ctx.reader.line()));
  }
  if (count > capacity) too_much_data(ctx);
  return count;
}

int to_int(double v) { return static_cast<int>(v); }

void read_control_record(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const std::vector<double> v = ctx.reader.read_record("iiiiiiiiii");
  Controls& c = st.ctl;
  c.units = to_int(v[0]);
  c.nbc = to_int(v[1]);
  c.nstif = to_int(v[2]);
  c.npymod = to_int(v[3]);
  c.kep = to_int(v[4]);
  c.kpy = to_int(v[5]);
  c.npyu = to_int(v[6]);
  c.nstage = to_int(v[7]);
  c.nei = to_int(v[8]);
  c.ntie = to_int(v[9]);
  c.generate_pressure = c.kep > 1;
  c.generate_py = c.kpy == 2;
  st.plot_units = c.units;
}

void check_codes(RunContext& ctx) {
  const Controls& c = ctx.st().ctl;
  if (c.kep < 0 || c.kep > 3) {
    data_error(ctx, "ERROR STOP -- EARTH PRESSURE CODE MUST BE 0, 1, 2 OR 3, NOT " +
                        std::to_string(c.kep));
  }
  if (c.kpy < 0 || c.kpy > 2) {
    data_error(ctx, "ERROR STOP -- P-Y CODE MUST BE 0, 1 OR 2, NOT " + std::to_string(c.kpy));
  }
}

void read_wall_properties(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const std::vector<double> v = ctx.reader.read_record("irrrrr");
  const int n = to_int(v[0]);
  if (n > kMaxIncrements) too_much_data(ctx);
  if (n < 1) data_error(ctx, "ERROR STOP -- NUMBER OF INCREMENTS MUST BE AT LEAST 1");
  if (!(v[1] > 0.0)) data_error(ctx, "ERROR STOP -- INCREMENT LENGTH MUST BE POSITIVE");
  st.n = n;
  st.h = v[1];
  st.dmax = v[2];
  st.tol = v[3];
  st.hfree = v[4];
  st.wt = v[5];
  st.two_h = 2.0 * st.h;
  st.h_sq = st.h * st.h;
  st.h_cube = st.h_sq * st.h;
  st.wall_length = n * st.h;
  st.n4 = n + 4;
  st.n5 = n + 5;
  st.n6 = n + 6;
  st.n7 = n + 7;
  st.h_curves = st.h;
}

void clear_station_arrays(ProblemState& st) {
  for (StationArray* a : {&st.F, &st.Q, &st.S, &st.T, &st.R, &st.P}) a->fill(0.0);
}

void read_restraints(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const int nbc = checked_count(ctx, st.ctl.nbc, kMaxRestraints, "RESTRAINT ROWS");
  int previous = -1;
  for (int r = 1; r <= nbc; ++r) {
    const std::vector<double> v = ctx.reader.read_record("iirr");
    Restraint& row = st.restraints[r];
    row.code = std::clamp(to_int(v[0]), 1, 3);
    row.station = to_int(v[1]);
    row.deflection = v[2];
    row.slope = v[3];
    if (row.station < previous) data_error(ctx, kStationsNotInOrder);
    previous = row.station;
    // A deflection may be given from the station above the top to the one below the
    // tip; a slope involves the stations on both sides of its own.
    const bool slope = row.code != 1;
    if (row.station > st.n + (slope ? 0 : 1) || (slope && row.station < 0)) {
      data_error(ctx, "ERROR STOP -- RESTRAINT AT STATION " + std::to_string(row.station) +
                          " OUTSIDE THE WALL (STATIONS 0 TO " + std::to_string(st.n) + ")");
    }
  }
  write_restraints(ctx.report, st);
}

// Adds a table row, refusing a range outside the station arrays or not in order.
void accumulate(RunContext& ctx, RowAccumulator& acc, int first, int last, int continuation,
                const RowValues& v) {
  ProblemState& st = ctx.st();
  if (continuation != 1 && continuation != 2) {
    data_error(ctx, "ERROR STOP -- CONTINUATION CODE MUST BE 1 OR 2 ON LINE " +
                        std::to_string(ctx.reader.line()));
  }
  for (int station : {first, last}) {
    if (station < -3 || station > st.n + 3) {
      if (station > st.n) data_error(ctx, kBeyondEnd);
      data_error(ctx, "ERROR STOP -- STATION " + std::to_string(station) +
                          " ABOVE THE TOP OF THE WALL");
    }
  }
  if (!acc.add(st, first, last, continuation, v)) data_error(ctx, kStationsNotInOrder);
}

void read_stiffness_rows(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const int nstif = checked_count(ctx, st.ctl.nstif, 1 << 20, "STIFFNESS ROWS");
  RowAccumulator acc;
  for (int r = 1; r <= nstif; ++r) {
    const std::vector<double> v = ctx.reader.read_record("iiir");
    const int first = to_int(v[0]), last = to_int(v[1]), cont = to_int(v[2]);
    const RowValues values{v[3], 0, 0, 0, 0, 0};
    const int k = acc.case_of(cont);
    accumulate(ctx, acc, first, last, cont, values);
    write_stiffness_row(ctx.report, k, first, last, cont, values);
  }
}

double ei_at(const ProblemState& st, int station) { return st.F[station_index(station)]; }

struct SupportRow {
  int first;
  int last;
};

void read_load_rows(RunContext& ctx, std::vector<SupportRow>& loads) {
  ProblemState& st = ctx.st();
  st.nload = checked_count(ctx, ctx.reader.read_int(), kMaxLoadRows, "LOAD ROWS");
  st.ncouple = st.nload;
  RowAccumulator acc;
  for (int r = 1; r <= st.nload; ++r) {
    const std::vector<double> v = ctx.reader.read_record("iiirrr");
    const int cont = to_int(v[0]), first = to_int(v[1]), last = to_int(v[2]);
    const double q = v[3], moment = v[4], axial = v[5];
    const int k = acc.case_of(cont);
    accumulate(ctx, acc, first, last, cont, {0, q, 0, moment, 0, -axial});
    st.couples[r] = {first, moment / st.two_h};
    write_stiffness_row(ctx.report, k, first, last, cont,
                        {ei_at(st, first), q, 0, moment, 0, axial});
    loads.push_back({first, last});
  }
}

void read_spring_and_tieback_rows(RunContext& ctx, std::vector<SupportRow>& springs,
                                  std::vector<SupportRow>& ties) {
  ProblemState& st = ctx.st();
  st.nspr = checked_count(ctx, ctx.reader.read_int(), 1 << 20, "SPRING ROWS");
  const int ntie = checked_count(ctx, st.ctl.ntie, kMaxTiebacks, "TIEBACKS");
  RowAccumulator acc;  // a spring row with code 2 is closed by the first tieback
  for (int r = 1; r <= st.nspr; ++r) {
    const std::vector<double> v = ctx.reader.read_record("iiirr");
    const int first = to_int(v[0]), last = to_int(v[1]), cont = to_int(v[2]);
    const int k = acc.case_of(cont);
    accumulate(ctx, acc, first, last, cont, {0, 0, v[3], 0, v[4], 0});
    write_stiffness_row(ctx.report, k, first, last, cont,
                        {ei_at(st, first), 0, v[3], 0, v[4], 0});
    springs.push_back({first, last});
  }
  const bool english = st.ctl.units == 1;
  // The tieback forces are distributed over the width Wt and reported back per
  // tieback from it.
  if (ntie > 0 && !(st.wt > 0.0)) {
    data_error(ctx, "ERROR STOP -- THE WIDTH WT MUST BE POSITIVE FOR TIEBACKS");
  }
  for (int t = 1; t <= ntie; ++t) {
    const std::vector<double> v = ctx.reader.read_record("rrrrrrr");
    Tieback& tb = st.tiebacks[t];
    tb.depth = v[0];
    tb.area = v[1];
    tb.modulus = v[2];
    tb.unbonded_length = v[3];
    tb.angle_deg = v[4];
    tb.spacing = v[5];
    tb.prestress = v[6];
    if (!(tb.spacing > 0.0) || !(tb.unbonded_length > 0.0)) {
      data_error(ctx, "ERROR STOP -- TIEBACK " + std::to_string(t) +
                          ": SPACING AND UNBONDED LENGTH MUST BE POSITIVE");
    }
    if (!(std::fabs(tb.angle_deg) < 90.0)) {
      data_error(ctx, "ERROR STOP -- TIEBACK " + std::to_string(t) +
                          ": ANGLE MUST LIE BETWEEN -90 AND 90 DEGREES");
    }
    const double station = english ? 12.0 * tb.depth / st.h : tb.depth / st.h;
    if (!fits_station(station)) data_error(ctx, kBeyondEnd);
    tb.station = nint(station);
    const double theta = tb.angle_deg * kPi / 180.0;
    const double c = std::cos(theta);
    // An anchor inclined at θ lengthens by w·cos θ when the wall moves w, and its
    // axial force acts on the wall with cos θ: the horizontal stiffness has cos²θ.
    tb.st = english ? tb.modulus * tb.area * c * c * st.wt / (144.0 * tb.spacing * tb.unbonded_length)
                    : tb.modulus * tb.area * c * c * st.wt / (tb.spacing * tb.unbonded_length);
    tb.qt = english ? -tb.prestress * c * st.wt / (12.0 * tb.spacing)
                    : -tb.prestress * c * st.wt / tb.spacing;
    const int k = acc.case_of(1);
    accumulate(ctx, acc, tb.station, tb.station, 1, {0, tb.qt, tb.st, 0, 0, 0});
    write_stiffness_row(ctx.report, k, tb.station, tb.station, 1,
                        {ei_at(st, tb.station), tb.qt, tb.st, 0, 0, 0});
    ties.push_back({tb.station, tb.station});
  }
}

// The first and last support depths of the trapezoidal envelope: single-station
// rows of the loads table and of the springs-and-tiebacks list, later settings win.
void set_support_depths(ProblemState& st, const std::vector<SupportRow>& loads,
                        const std::vector<SupportRow>& springs,
                        const std::vector<SupportRow>& ties) {
  std::vector<SupportRow> list = springs;
  list.insert(list.end(), ties.begin(), ties.end());
  const auto visit = [&](const SupportRow& row, bool first_row, bool last_row) {
    if (row.first != row.last) return;
    if (first_row) st.d1 = row.first * st.h;
    if (last_row) st.d2 = row.first * st.h;
  };
  for (std::size_t r = 0; r < loads.size(); ++r) {
    visit(loads[r], r == 0, r + 1 == loads.size());
  }
  for (std::size_t r = 0; r < list.size(); ++r) {
    visit(list[r], r == 0, r + 1 == springs.size() || r + 1 == list.size());
  }
  st.nsup = static_cast<int>(loads.size() + springs.size() + ties.size());
}

void read_py_modifications(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const int n = checked_count(ctx, st.ctl.npymod, kMaxPyModifications, "P-Y MODIFICATION ROWS");
  for (int r = 1; r <= n; ++r) {
    const std::vector<double> v = ctx.reader.read_reals(3);
    st.pymod[r] = {v[0], v[1], v[2]};
  }
}

std::vector<PressurePoint> read_user_pressure(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const int n = checked_count(ctx, ctx.reader.read_int(), kMaxPressurePoints, "PRESSURE POINTS");
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
  s.count = checked_count(ctx, ctx.reader.read_int(), kMaxSurcharges, "SURCHARGES");
  // Surcharge distances and widths are given in millimetres in SI units.
  const double scale = st.ctl.units == 2 ? 1.0 / 1000.0 : 1.0;
  for (int r = 1; r <= s.count; ++r) {
    const std::vector<double> row = ctx.reader.read_record("irrr");
    s.rows[r] = {to_int(row[0]), row[1], row[2] * scale, row[3] * scale};
  }

  st.nlay = checked_count(ctx, ctx.reader.read_int(), kMaxSoilLayers, "SOIL LAYERS");
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
    st.bottom_pressure = 0.0;
    write_plot_pressure(ctx.plot, points);
  } else {
    points = epress(ctx);
    if (static_cast<int>(points.size()) > kMaxPressurePoints) too_much_data(ctx);
    apply_width_factors(st, points);
    write_pressure_heading(ctx.report, st.labels);
    const std::vector<PressurePoint> shown = printed_pressure_points(st.ctl.units, points);
    for (const PressurePoint& p : shown) write_pressure_point(ctx.report, p.x, p.p);
    write_plot_pressure(ctx.plot, shown);
  }
  st.npress = static_cast<int>(points.size());
  for (int j = 1; j <= st.npress; ++j) st.pressure[j] = points[static_cast<std::size_t>(j - 1)];
  load_pressure(st);
}

// The values of stations N+1 and N+2 below the tip (and -2, -1 above the top) must
// all be zero: they would otherwise act as a wall that is not there.
void check_beyond_ends(RunContext& ctx) {
  const ProblemState& st = ctx.st();
  const auto nonzero = [&](int station, bool with_q_and_s) {
    const int i = station_index(station);
    if (st.F[i] != 0.0 || st.T[i] != 0.0 || st.R[i] != 0.0 || st.P[i] != 0.0) return true;
    return with_q_and_s && (st.Q[i] != 0.0 || st.S[i] != 0.0);
  };
  if (nonzero(st.n + 1, true) || nonzero(st.n + 2, false)) data_error(ctx, kBeyondEnd);
  if (nonzero(-1, true) || nonzero(-2, false)) {
    data_error(ctx, "ERROR -- NON-ZERO TABLE 4 DATA ABOVE TOP");
  }
}

void read_user_curves(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const int nu = st.ctl.npyu;
  if (nu > kMaxCurves) too_much_data(ctx);
  if (nu > 0) write_user_curves_banner(ctx.report);
  int prev_flag = 0;
  for (int k = 1; k <= nu; ++k) {
    const std::vector<double> head = ctx.reader.read_record("iirr");
    const int station = to_int(head[0]);
    const int n = to_int(head[1]);
    const double pm = head[2], ym = head[3];
    if (n > kMaxCurvePoints) too_much_data(ctx);
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
  if (st.ncur + static_cast<int>(generated.size()) > kMaxCurves) too_much_data(ctx);
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
  const int nei = checked_count(ctx, st.ctl.nei, kMaxEiSets, "MOMENT-EI SETS");
  for (int k = 1; k <= nei; ++k) {
    const std::vector<double> head = ctx.reader.read_record("iii");
    EiSet& set = st.ei_sets[k];
    set.first = to_int(head[0]);
    set.last = to_int(head[1]);
    set.n = to_int(head[2]);
    if (set.n > kMaxEiPoints) too_much_data(ctx);
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
      set.moment[j] = v[0];
      set.ei[j] = v[1];
    }
  }
  // The first EI comes from the deflections the previous problem left (zero in the
  // first problem, which gives the EI of the first point).
  for (int k = 1; k <= nei; ++k) update_ei(st, st.ei_sets[k]);
}

void reset_problem_controls(ProblemState& st) {
  st.continuation = 0;
  st.max_iterations = kDefaultMaxIterations;
  st.plot_units = 1;
  st.p_multiplier = 1.0;
  st.y_multiplier = 1.0;
  // Set again by EPRESS; a problem without generated earth pressure has none.
  st.sigma_v_excavation = 0.0;
}

std::time_t title_time(const RunContext& ctx) {
  return ctx.fixed_time ? *ctx.fixed_time : std::time(nullptr);
}

void solve_and_report(RunContext& ctx) {
  ProblemState& st = ctx.st();
  st.W.fill(0.0);
  st.Wprev.fill(0.0);
  write_problem_heading(ctx.report, ctx.problem, st.ctl.nstage, ctx.current_title,
                        ctx.first_title);
  write_monitor_heading(ctx.notes);
  set_boundary_codes(st);
  if (!iterate(st, ctx.notes)) data_error(ctx, kStationsNotInOrder);
  auto derived = std::make_unique<std::array<StationResult, kStationEntries + 1>>();
  derive_results(st, *derived);
  st.results_units = st.ctl.units;
  ctx.solved_any = true;
  write_results(ctx.report, st, *derived);
  if (st.ctl.ntie > 0) write_tieback_results(ctx.report, st);
  ctx.record_summary();
}

}  // namespace

int analyse_problem(RunContext& ctx) {
  ProblemState& st = ctx.st();
  ctx.current_title = ctx.reader.read_title(70);
  ++ctx.problem;
  if (ctx.problem == 1) ctx.first_title = ctx.current_title;
  reset_problem_controls(st);
  read_control_record(ctx);

  TitlePage page;
  page.problem = ctx.problem;
  page.nstage = st.ctl.nstage;
  page.title = ctx.current_title;
  page.first_title = ctx.first_title;
  page.version = ctx.names.version;
  page.data_path = ctx.names.data_path;
  page.report_path = ctx.names.report_path;
  page.plot_path = ctx.names.plot_path;
  page.when = title_time(ctx);
  page.local_time = !ctx.fixed_time.has_value();
  write_title_page(ctx.report, page);

  st.labels = unit_labels(st.ctl.units);
  write_control_parameters(ctx.report, st);
  check_codes(ctx);

  read_wall_properties(ctx);
  write_wall_properties(ctx.report, st);
  clear_station_arrays(st);
  read_restraints(ctx);

  write_stiffness_heading(ctx.report, st.labels);
  checked_count(ctx, st.ctl.nstif, 1 << 20, "STIFFNESS ROWS");
  read_stiffness_rows(ctx);
  std::vector<SupportRow> loads, springs, ties;
  read_load_rows(ctx, loads);
  read_spring_and_tieback_rows(ctx, springs, ties);
  set_support_depths(st, loads, springs, ties);
  read_py_modifications(ctx);

  if (st.ctl.kep == 0) {
    write_plot_no_pressure(ctx.plot);
    if (st.ctl.kpy == 2) read_wall_configuration(ctx);
  } else {
    prepare_earth_pressure(ctx);
  }
  check_beyond_ends(ctx);

  prepare_curves(ctx);
  read_ei_sets(ctx);
  solve_and_report(ctx);

  const int code = ctx.reader.read_int();
  st.continuation = code == st.ctl.nstage ? 0 : code;
  return st.continuation;
}

}  // namespace veldra::engine
