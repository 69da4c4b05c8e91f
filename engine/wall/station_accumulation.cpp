#include "engine/wall/station_accumulation.h"

namespace veldra::engine {
namespace {

std::array<StationArray*, kRowValues> row_targets(ProblemState& st) {
  return {&st.F, &st.Q, &st.S, &st.T, &st.R, &st.P};
}

}  // namespace

bool add_station_range(ProblemState& st, int s, const RowValues& u, int e,
                       const RowValues& z) {
  if (e < s) return false;
  const auto targets = row_targets(st);
  if (e == s) {
    for (int k = 0; k < kRowValues; ++k) (*targets[k])[station_index(s)] += u[k];
    return true;
  }
  const double span = static_cast<double>(e - s);
  for (int k = 0; k < kRowValues; ++k) {
    StationArray& a = *targets[k];
    double first_added = 0.0;
    double last_added = 0.0;
    for (int j = s; j <= e; ++j) {
      const double added = u[k] + (z[k] - u[k]) * static_cast<double>(j - s) / span;
      a[station_index(j)] += added;
      if (j == s) first_added = added;
      last_added = added;
    }
    // The end stations carry half of the range's value.
    a[station_index(s)] += -0.5 * first_added;
    a[station_index(e)] += -0.5 * last_added;
  }
  return true;
}

bool RowAccumulator::add(ProblemState& st, int first, int last, int continuation,
                         const RowValues& v) {
  const int c = continuation - 1;
  const int k = case_of(continuation);
  prev_c_ = c;
  switch (k) {
    case 1:
      return add_station_range(st, first, v, last, v);
    case 2:
      start_station_ = first;
      start_values_ = v;
      return true;
    case 3:
      return add_station_range(st, start_station_, start_values_, last, v);
    case 4: {
      const bool ok = add_station_range(st, start_station_, start_values_, last, v);
      start_station_ = last;
      start_values_ = v;
      return ok;
    }
    default:
      return true;
  }
}

}  // namespace veldra::engine
