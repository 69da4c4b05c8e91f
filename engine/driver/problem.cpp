#include "engine/driver/problem.h"

#include "engine/driver/data_error.h"
#include "engine/driver/problem_records.h"
#include "engine/driver/record_values.h"
#include "engine/driver/run_context.h"
#include "engine/report/input_echo.h"
#include "engine/driver/result_checks.h"
#include "engine/report/results_report.h"
#include "engine/report/title_page.h"
#include "engine/wall/finite_values.h"
#include "engine/wall/iteration.h"
#include "engine/wall/wall_solver.h"

#include <ctime>
#include <memory>

namespace veldra::engine {
namespace {

void read_control_record(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const std::vector<double> v = ctx.reader.read_record("iiiiiiiiii");
  for (int item = 1; item <= 10; ++item) {
    ctx.control_lines[static_cast<std::size_t>(item)] = ctx.reader.line_of_item(item);
  }
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
  // The other counts are checked where their rows are read; this one counts no rows.
  if (c.nstage < 0) {
    data_error(ctx, "ERROR STOP -- NEGATIVE NUMBER OF STAGES " + where(control_item(ctx, 8)));
  }
}

void read_wall_properties(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const std::vector<double> v = ctx.reader.read_record("irrrrr");
  const int n = to_int(v[0]);
  if (n > kMaxIncrements) {
    too_much_data(ctx, too_many(n, "INCREMENTS", {ctx.reader.line_of_item(1), 1}, kMaxIncrements));
  }
  if (n < 1) data_error(ctx, "ERROR STOP -- NUMBER OF INCREMENTS MUST BE AT LEAST 1");
  if (!(v[1] > 0.0)) data_error(ctx, "ERROR STOP -- INCREMENT LENGTH MUST BE POSITIVE");
  st.set_increments(n, v[1]);
  st.dmax = v[2];
  st.tol = v[3];
  st.hfree = v[4];
  st.wt = v[5];
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
  // Without support the solver's zero pivots would clamp the wall somewhere and
  // report a mechanism as a closed solution.
  if (!has_lateral_support(st)) data_error(ctx, kUnsupportedWall);
  st.W.fill(0.0);
  st.Wprev.fill(0.0);
  write_problem_heading(ctx.report, ctx.problem, st.ctl.nstage, ctx.current_title,
                        ctx.first_title);
  write_monitor_heading(ctx.notes);
  set_boundary_codes(st);
  std::optional<IterationOutcome> outcome;
  try {
    outcome = iterate(st, ctx.notes);
  } catch (const NonFiniteDeflections& e) {
    data_error(ctx, deflections_out_of_range(e.iteration));
  }
  if (!outcome) data_error(ctx, kStationsNotInOrder);
  auto derived = std::make_unique<StationResults>();
  // The plot file's last block repeats the last problem solved: a problem whose
  // results are refused must not leave its own in its place.
  auto kept = std::make_unique<decltype(st.results)>(st.results);
  const int kept_npts = st.npts;
  derive_results(st, *derived);
  if (!results_finite(st, *derived)) {
    st.results = *kept;
    st.npts = kept_npts;
    data_error(ctx, kResultsOutOfRange);
  }
  st.results_units = st.ctl.units;
  ctx.solved_any = true;
  write_results(ctx.report, st, *outcome, *derived);
  if (st.ctl.ntie > 0) write_tieback_results(ctx.report, st);
  ctx.record_summary(*outcome);
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

  read_stiffness_load_and_support_tables(ctx);
  read_py_modifications(ctx);
  read_pressure_input(ctx);
  check_beyond_ends(ctx);

  prepare_curves(ctx);
  read_ei_sets(ctx);
  solve_and_report(ctx);

  const int code = ctx.reader.read_int();
  st.continuation = code == st.ctl.nstage ? 0 : code;
  return st.continuation;
}

}  // namespace veldra::engine
