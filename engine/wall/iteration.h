// The nonlinear solution: soil curves replaced by the chord of the segment in which
// each station's current deflection lies, moment-EI curves by the secant stiffness
// of the current curvature, repeated until the deflections close.
#ifndef VELDRA_ENGINE_WALL_ITERATION_H
#define VELDRA_ENGINE_WALL_ITERATION_H

#include "engine/state/iteration_outcome.h"
#include "engine/state/problem_state.h"

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

// Runs the iteration from zero deflections, writing the monitor lines to `notes`,
// and leaves the last solution in W. Returns how it ended, or nothing when a curve
// span ends above its start; throws NonFiniteDeflections (finite_values.h) when a
// solve gives a deflection that is not finite.
std::optional<IterationOutcome> iterate(ProblemState& st, std::ostream& notes);

// The run-notes heading of a problem's iteration monitor.
void write_monitor_heading(std::ostream& notes);

}  // namespace veldra::engine

#endif
