// The last look at a problem's results before anything of them is printed. Input
// whose arithmetic overflows or degenerates (a wall far too soft for its loads, an
// increment length near zero) must end the problem with a message that says so,
// never print "NaN" in the report, the plot file or the summary, and never pass for
// a closed solution.
#ifndef VELDRA_ENGINE_DRIVER_RESULT_CHECKS_H
#define VELDRA_ENGINE_DRIVER_RESULT_CHECKS_H

#include "engine/state/problem_state.h"
#include "engine/state/station_result.h"

#include <string>

namespace veldra::engine {

inline constexpr const char* kResultsOutOfRange =
    "ERROR STOP -- RESULTS NOT FINITE: CHECK THE MAGNITUDES OF EI, LOADS, SPRINGS AND "
    "INCREMENT LENGTH";

// The message for deflections that stopped being finite in iteration `iteration`.
std::string deflections_out_of_range(int iteration);

// True when every deflection, slope, moment, shear, net reaction and EI of stations
// 0 to N+1 and every tieback force is finite.
bool results_finite(const ProblemState& st, const StationResults& derived);

}  // namespace veldra::engine

#endif
