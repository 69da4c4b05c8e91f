// Turns the rows of a station-range table (stiffness, loads, springs, tiebacks)
// into per-station values. Rows are always added to the arrays, never assigned.
#ifndef VELDRA_ENGINE_WALL_STATION_ACCUMULATION_H
#define VELDRA_ENGINE_WALL_STATION_ACCUMULATION_H

#include "engine/state/problem_state.h"
#include "engine/state/row_values.h"

namespace veldra::engine {

// Adds the values of a range: from station s with values u to station e with
// values z, linearly; the two end stations receive half values so that two ranges
// meeting at a station give it the mean of their end values. e == s adds u once.
// Returns false (and adds nothing) when e < s.
bool add_station_range(ProblemState& st, int s, const RowValues& u, int e,
                       const RowValues& z);

// One table's rows in order. A row with continuation 2 opens (or, after another
// such row, continues) an interpolation that the next row closes at its last
// station; a row with continuation 1 stands alone or closes an open interpolation.
class RowAccumulator {
 public:
  // The case K = 2·c_prev + c + 1 of the row (c = continuation − 1): 1 alone,
  // 2 opens, 3 closes, 4 closes and opens. Computed before the row is added.
  int case_of(int continuation) const { return 2 * prev_c_ + (continuation - 1) + 1; }

  // Adds one row. Returns false when a range ends above its start.
  bool add(ProblemState& st, int first, int last, int continuation, const RowValues& v);

 private:
  int prev_c_ = 0;
  int start_station_ = 0;
  RowValues start_values_{};
};

}  // namespace veldra::engine

#endif
