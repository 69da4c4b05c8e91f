#include "engine/driver/problem_records.h"

#include "engine/driver/data_error.h"
#include "engine/driver/record_values.h"
#include "engine/driver/run_context.h"
#include "engine/report/input_echo.h"
#include "engine/state/single_precision.h"
#include "engine/wall/station_accumulation.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace veldra::engine {
namespace {

// Adds a table row, refusing a range above the station arrays or not in order. A
// range reaching below them is noted (check_beyond_ends stops the problem) and
// added up to their last station, so that the rows after it are read and echoed
// as after any other row beyond the tip.
void accumulate(RunContext& ctx, RowAccumulator& acc, int first, int last, int continuation,
                const RowValues& v) {
  ProblemState& st = ctx.st();
  if (continuation != 1 && continuation != 2) {
    data_error(ctx, "ERROR STOP -- CONTINUATION CODE MUST BE 1 OR 2 ON LINE " +
                        std::to_string(ctx.reader.line()));
  }
  for (int station : {first, last}) {
    if (station < -3) {
      data_error(ctx, "ERROR STOP -- STATION " + std::to_string(station) +
                          " ABOVE THE TOP OF THE WALL");
    }
  }
  const int last_station = st.n + 3;
  if (first > last_station || last > last_station) {
    ctx.rows_beyond_end = true;
    first = std::min(first, last_station);
    last = std::min(last, last_station);
  }
  if (!acc.add(st, first, last, continuation, v)) data_error(ctx, kStationsNotInOrder);
}

void read_stiffness_rows(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const int nstif = checked_count(ctx, st.ctl.nstif, 1 << 20, "STIFFNESS ROWS", control_item(ctx, 3));
  RowAccumulator acc;
  for (int r = 1; r <= nstif; ++r) {
    const std::vector<double> v = ctx.reader.read_record("iiir");
    const int first = to_int(v[0]), last = to_int(v[1]), cont = to_int(v[2]);
    if (v[3] < 0.0) {
      data_error(ctx, "ERROR STOP -- NEGATIVE EI " + where({ctx.reader.line_of_item(4), 4}));
    }
    const RowValues values{v[3], 0, 0, 0, 0, 0};
    const int k = acc.case_of(cont);
    accumulate(ctx, acc, first, last, cont, values);
    write_stiffness_row(ctx.report, k, first, last, cont, values);
  }
}

// The stiffness echoed beside a load or spring row; none beyond the station arrays.
double ei_at(const ProblemState& st, int station) {
  if (station < -3 || station > st.n + 3) return 0.0;
  return st.F[station_index(station)];
}

struct SupportRow {
  int first;
  int last;
};

void read_load_rows(RunContext& ctx, std::vector<SupportRow>& loads) {
  ProblemState& st = ctx.st();
  st.nload = read_count(ctx, kMaxLoadRows, "LOAD ROWS");
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
  st.nspr = read_count(ctx, 1 << 20, "SPRING ROWS");
  const int ntie = checked_count(ctx, st.ctl.ntie, kMaxTiebacks, "TIEBACKS", control_item(ctx, 10));
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
    if (!std::isfinite(tb.st) || !std::isfinite(tb.qt)) {
      data_error(ctx, "ERROR STOP -- TIEBACK " + std::to_string(t) +
                          ": STIFFNESS OR PRESTRESS NOT FINITE: CHECK THE MAGNITUDES OF ITS AREA, "
                          "MODULUS, LENGTHS AND FORCE");
    }
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

}  // namespace

void clear_station_arrays(ProblemState& st) {
  for (StationArray* a : {&st.F, &st.Q, &st.S, &st.T, &st.R, &st.P}) a->fill(0.0);
}

void read_restraints(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const int nbc = checked_count(ctx, st.ctl.nbc, kMaxRestraints, "RESTRAINT ROWS",
                                control_item(ctx, 2));
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

void read_py_modifications(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const int n = checked_count(ctx, st.ctl.npymod, kMaxPyModifications,
                              "P-Y MODIFICATION ROWS", control_item(ctx, 4));
  for (int r = 1; r <= n; ++r) {
    const std::vector<double> v = ctx.reader.read_reals(3);
    st.pymod[r] = {v[0], v[1], v[2]};
  }
}

void read_stiffness_load_and_support_tables(RunContext& ctx) {
  ProblemState& st = ctx.st();
  ctx.rows_beyond_end = false;
  write_stiffness_heading(ctx.report, st.labels);
  read_stiffness_rows(ctx);
  std::vector<SupportRow> loads, springs, ties;
  read_load_rows(ctx, loads);
  read_spring_and_tieback_rows(ctx, springs, ties);
  set_support_depths(st, loads, springs, ties);
}

}  // namespace veldra::engine
