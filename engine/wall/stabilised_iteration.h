// The stabilised iteration: a damped continuation of the chord iteration for the
// problems it leaves cycling between two segments of a curve.
//
// Each step linearizes the curves at a point V, exactly as the specified scheme
// does, and solves; the solution closes when no station of it differs from V by
// more than TOL, the scheme's own test. Only the choice of the next V differs: the
// step from V towards the solution G(V) is halved until the size of the step that
// follows shrinks (a line search on |G(V) - V|), so that a station alternating
// between two segments settles on the one that holds its solution. A closed
// solution therefore satisfies the same discrete equations: every station's net
// reaction lies on its curve at its deflection, within the tolerance.
#ifndef VELDRA_ENGINE_WALL_STABILISED_ITERATION_H
#define VELDRA_ENGINE_WALL_STABILISED_ITERATION_H

#include "engine/state/iteration_outcome.h"
#include "engine/state/problem_state.h"

#include <iosfwd>

namespace veldra::engine {

// Linear solutions the stabilised iteration may add to those of the specified
// scheme; with the scheme's 100 the total stays within the three digits of the
// results heading.
inline constexpr int kStabilisedSolutions = 400;

// Continues from the W the specified scheme left, numbering its monitor lines on
// from out.iterations and saying in `notes` where it started and how it ended.
// Closed: W is the closed solution and `out` counts every iteration. Not closed
// within its bound: W and F are put back as the specified scheme left them and
// `out` is unchanged, so that the results are those of the specified scheme.
// Returns whether it closed.
bool stabilise(ProblemState& st, std::ostream& notes, IterationOutcome& out);

}  // namespace veldra::engine

#endif  // VELDRA_ENGINE_WALL_STABILISED_ITERATION_H
