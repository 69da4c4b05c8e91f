#include "engine/driver/problem.h"
#include "engine/driver/data_error.h"
#include "engine/driver/record_reader.h"
#include "engine/driver/run_context.h"
#include "engine/driver/run_stop.h"
#include "engine/format/fortran_format.h"
#include "engine/report/plot_file.h"

#include <cmath>
#include <ostream>

namespace veldra::engine {
namespace {

std::string trim_right(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// "END OF ANALYSIS" after three empty lines.
void write_end_of_analysis(std::ostream& report) {
  fwrite(report, "(/,/,/,5X,'END OF ANALYSIS',29X)");
}

}  // namespace

RunContext::RunContext(const RunStreams& streams, FileNames file_names)
    : reader(streams.data),
      report(streams.report),
      plot(streams.plot),
      notes(streams.notes),
      console(streams.console),
      names(std::move(file_names)),
      state(std::make_unique<ProblemState>()) {}

void RunContext::record_summary(const IterationOutcome& outcome) {
  const ProblemState& s = *state;
  ProblemSummary sum;
  sum.number = problem;
  if (s.ctl.nstage >= 2) {
    sum.heading = "Stage No : " + std::to_string(problem) + "  " + trim_right(first_title);
  } else if (problem >= 2) {
    sum.heading = "Long Term :  " + trim_right(first_title);
  } else {
    sum.heading = trim_right(current_title);
  }
  sum.solved = true;
  sum.iterations = outcome.iterations;
  sum.closed = outcome.closed();
  sum.deflection_exceeded = outcome.beyond_maximum > 0;
  sum.off_curve = outcome.off_curve;
  sum.units = s.ctl.units;
  for (int j = 0; j <= s.n; ++j) {
    const ResultRow& r = s.results[j + 1];
    if (std::fabs(r.deflection) > sum.max_abs_deflection) {
      sum.max_abs_deflection = std::fabs(r.deflection);
      sum.depth_of_max_deflection = r.depth;
    }
    if (std::fabs(r.moment) > sum.max_abs_moment) {
      sum.max_abs_moment = std::fabs(r.moment);
      sum.depth_of_max_moment = r.depth;
    }
  }
  status.problems.push_back(sum);
}

void run_problems(RunContext& ctx) {
  ctx.result_sets = 1;
  ctx.problem = 0;
  ctx.status.outcome = RunOutcome::Finished;
  ProblemState& st = ctx.st();
  try {
    try {
      for (;;) {
        const int code = analyse_problem(ctx);
        if (code == 0) break;
        ctx.result_sets = code == 9 ? 2 : st.ctl.nstage;
        write_plot_results(ctx.plot, ctx.result_sets, st.npts, st.results_units, st.results);
      }
    } catch (const RecordError& e) {
      data_error(ctx, e.what());
    }
  } catch (const InputErrorStop& stop) {
    ctx.status.outcome = RunOutcome::InputError;
    ctx.status.message = stop.message;
  } catch (const SoilModelStop& stop) {
    // A soil model ended the run: nothing further goes into the report.
    ctx.status.outcome = RunOutcome::SoilStop;
    ctx.status.stop_code = stop.code;
    ctx.status.message = stop.message;
    return;
  }
  write_end_of_analysis(ctx.report);
  // The final results block repeats the last solved problem (none: a count of 0).
  if (ctx.solved_any) {
    write_plot_results(ctx.plot, ctx.result_sets, st.npts, st.results_units, st.results);
  } else {
    write_plot_results(ctx.plot, ctx.result_sets, 0, st.plot_units, st.results);
  }
}

}  // namespace veldra::engine
