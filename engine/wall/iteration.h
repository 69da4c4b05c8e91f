// The nonlinear solution: soil curves replaced by the chord of the segment in which
// each station's current deflection lies, moment-EI curves by the secant stiffness
// of the current curvature, repeated until the deflections close.
#ifndef VELDRA_ENGINE_WALL_ITERATION_H
#define VELDRA_ENGINE_WALL_ITERATION_H

#include "engine/state/iteration_outcome.h"
#include "engine/state/problem_state.h"
#include "engine/wall/wall_solver.h"

#include <iosfwd>
#include <optional>

namespace veldra::engine {

// The straight line through the segment of curve c in which deflection w lies: the
// soil acts as a load q and a spring s (resistance q − s·w). Sets off_curve when w
// lies outside the curve's points or the curve has fewer than 3 points.
struct Chord {
  double q = 0.0;
  double s = 0.0;
};
Chord linearize(const Curve& c, double w, bool& off_curve);

// Adds the linearized curves to Q2 and S2 along the spans between curves, setting
// off_curve when some deflection lies outside its curve's points. Returns false
// when a span ends above its start (the stations are not in order).
bool apply_curve_spans(ProblemState& st, bool& off_curve);

// Replaces F at the stations of the set by the secant stiffness of the moment-EI
// curve at the current curvature of W.
void update_ei(ProblemState& st, const EiSet& set);

// One linear solution of the iteration: Q2 and S2 from Q and S and the curves
// linearized at the current W, then the solve, which replaces W. Nothing when a
// curve span ends above its start.
std::optional<SolveCounts> solve_linearized(ProblemState& st, bool& off_curve);

// The moment-EI step once the curves have closed: true when the deflections have
// not moved by more than TOL since the stiffness was last updated (always, without
// moment-EI sets); otherwise sets `not_closed` to the stations that moved, updates
// the stiffness from W and returns false.
bool close_ei_step(ProblemState& st, int& not_closed);

// Runs the iteration from zero deflections, writing the monitor lines to `notes`,
// and leaves the last solution in W. When the specified scheme ends without closing
// and without a deflection beyond the maximum, the stabilised iteration continues
// it (stabilised_iteration.h). Returns how it ended, or nothing when a curve span
// ends above its start; throws NonFiniteDeflections (finite_values.h) when a solve
// gives a deflection that is not finite.
std::optional<IterationOutcome> iterate(ProblemState& st, std::ostream& notes);

// The monitor line of an iteration: its number, the off-curve flag, the stations
// that moved by more than TOL and the deflections of stations 1 to 5.
void write_monitor_line(std::ostream& notes, int iteration, bool off_curve, int changed,
                        const ProblemState& st);

// The run-notes heading of a problem's iteration monitor.
void write_monitor_heading(std::ostream& notes);

}  // namespace veldra::engine

#endif
