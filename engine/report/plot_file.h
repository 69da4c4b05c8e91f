// The blocks of the plot-data file: per problem a pressure block, a p-y block and
// a results block, read back by the application as one stream of numbers.
#ifndef VELDRA_ENGINE_REPORT_PLOT_FILE_H
#define VELDRA_ENGINE_REPORT_PLOT_FILE_H

#include "engine/state/problem_state.h"

#include <iosfwd>
#include <vector>

namespace veldra::engine {

// Earth-pressure code 0: the single line "0".
void write_plot_no_pressure(std::ostream& plot);

// The generated pressure points that the report prints and the plot block carries:
// all of them up to 50, otherwise every 6th (English units) or 4th point from the
// first, and always the last.
std::vector<PressurePoint> printed_pressure_points(int units,
                                                   const std::vector<PressurePoint>& points);

// The pressure points (depth, total, soil part, surcharge part) as printed in the
// report. A soil part that is exactly 0 is written as 1.0E-7.
void write_plot_pressure(std::ostream& plot, const std::vector<PressurePoint>& points);

// The p-y block: units code, curve count, then per curve a header and its points
// (y and p per unit length). `depth_headers` selects the fixed header of a run with
// generated curves only (depth and point count); otherwise the header is the
// curve's station and point count.
void write_plot_curves(std::ostream& plot, const ProblemState& st, bool depth_headers);

// The results block: K, the station count and the units code, then depth,
// deflection, moment, shear and net reaction for stations 0 to N+1.
void write_plot_results(std::ostream& plot, int result_sets, int npts, int units,
                        const std::array<ResultRow, kMaxResultStations + 1>& rows);

}  // namespace veldra::engine

#endif
