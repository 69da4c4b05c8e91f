#include "engine/driver/result_checks.h"

#include "engine/report/results_report.h"

#include <cmath>
#include <string>

namespace veldra::engine {

std::string deflections_out_of_range(int iteration) {
  return "ERROR STOP -- DEFLECTIONS NOT FINITE IN ITERATION " + std::to_string(iteration) +
         ": CHECK THE MAGNITUDES OF EI, LOADS, SPRINGS AND INCREMENT LENGTH";
}

bool results_finite(const ProblemState& st, const StationResults& derived) {
  bool finite = true;
  for (int j = 0; j <= st.n + 1 && finite; ++j) {
    const ResultRow& row = st.results[static_cast<std::size_t>(j + 1)];
    const int i = station_index(j);
    finite = std::isfinite(row.deflection) && std::isfinite(row.moment) &&
             std::isfinite(row.shear) && std::isfinite(row.reaction) &&
             std::isfinite(derived[static_cast<std::size_t>(i)].slope) &&
             std::isfinite(st.F[static_cast<std::size_t>(i)]);
  }
  for (int t = 1; t <= st.ctl.ntie && finite; ++t) {
    const TiebackForce f = tieback_force(st, st.tiebacks[static_cast<std::size_t>(t)]);
    finite = std::isfinite(f.hf) && std::isfinite(f.af) && std::isfinite(f.ft);
  }
  return finite;
}

}  // namespace veldra::engine
