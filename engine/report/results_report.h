// The results sections of the report: the table of deflection, slope, moment,
// shear, net reaction and EI per station, with the iteration's messages, and the
// tieback forces.
#ifndef VELDRA_ENGINE_REPORT_RESULTS_REPORT_H
#define VELDRA_ENGINE_REPORT_RESULTS_REPORT_H

#include "engine/state/iteration_outcome.h"
#include "engine/state/problem_state.h"
#include "engine/state/station_result.h"

#include <iosfwd>

namespace veldra::engine {

// The heading with the iteration's messages, then stations 0 to N from st.results
// and the slopes of `derived`.
void write_results(std::ostream& out, const ProblemState& st, const IterationOutcome& outcome,
                   const StationResults& derived);

// The force in each tieback from its station's deflection.
struct TiebackForce {
  double hf = 0.0;   // horizontal force per station
  double af = 0.0;   // force per station along the tieback
  double ft = 0.0;   // force per tieback
};
TiebackForce tieback_force(const ProblemState& st, const Tieback& t);

void write_tieback_results(std::ostream& out, const ProblemState& st);

}  // namespace veldra::engine

#endif
