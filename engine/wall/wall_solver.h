// The finite-difference beam-column: the fourth-order difference equation at every
// station, solved by a forward elimination and a back substitution that are linear
// in the number of stations and allocate nothing.
#ifndef VELDRA_ENGINE_WALL_WALL_SOLVER_H
#define VELDRA_ENGINE_WALL_WALL_SOLVER_H

#include "engine/state/problem_state.h"
#include "engine/state/station_result.h"

namespace veldra::engine {

// Sets the boundary codes of every station from the restraint rows:
// deflection given → 2 at the station; slope given → 3 at the station above,
// 5 at the station below, and 4 at the station itself when its deflection is
// given too. All other stations are free (1).
void set_boundary_codes(ProblemState& st);

// True when something holds the wall against a lateral translation: a p-y curve at
// a station of the wall, a lateral spring or tieback (S at a station 0..N), or a
// restraint row that gives a deflection. Without any of these a uniform deflection
// costs nothing: the difference equations have no unique solution.
bool has_lateral_support(const ProblemState& st);

// What a solution counts over stations 0..N: those whose |W| exceeds DMAX and
// those whose W moved by more than TOL from the deflections it replaced.
struct SolveCounts {
  int beyond_maximum = 0;
  int changed = 0;
};

// Solves for W at stations −1 to N+1 with the working load Q2 and stiffness S2,
// keeping W(N+2) = W(N+3) = 0.
SolveCounts solve_wall(ProblemState& st);

// Slope, moment, shear and net reaction per station for the report and the plot
// file (st.results, stations 0 to N+1, st.npts = N + 2), after the iteration.
void derive_results(ProblemState& st, StationResults& out);

}  // namespace veldra::engine

#endif
