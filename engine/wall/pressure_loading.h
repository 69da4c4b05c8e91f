// Earth pressure on the wall: the pressure points become transverse loads at the
// stations from the top down to the last loaded station.
#ifndef VELDRA_ENGINE_WALL_PRESSURE_LOADING_H
#define VELDRA_ENGINE_WALL_PRESSURE_LOADING_H

#include "engine/state/problem_state.h"

#include <vector>

namespace veldra::engine {

// Generated pressures are per unit width: the points at or above the excavation
// level take the width Wa, those from the first point below it on the width Wp.
// Returns the width of the last point.
double scale_by_widths(const ProblemState& st, std::vector<PressurePoint>& points);

// scale_by_widths() for the points that load the wall; sets st.width_factor and
// st.bottom_pressure (the last point's total).
void apply_width_factors(ProblemState& st, std::vector<PressurePoint>& points);

// Multiplies every total of st.pressure by h and adds to Q at stations 1 to NST the
// pressure interpolated at each station's depth (0 above the first point's depth
// from the surface, the value of the station above below the last point). NST is
// the last point's depth (user distribution) or the free height (generated), in
// increments. Stations beyond N+3 are not loaded.
void load_pressure(ProblemState& st);

}  // namespace veldra::engine

#endif
