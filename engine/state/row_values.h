// The values of one row of a station-range table (stiffness, loads, springs,
// tiebacks), shared by the wall model that accumulates them and the report that
// echoes them.
#ifndef VELDRA_ENGINE_STATE_ROW_VALUES_H
#define VELDRA_ENGINE_STATE_ROW_VALUES_H

#include <array>

namespace veldra::engine {

// The six station arrays a table row feeds, in the order EI, Q, S, T, R, P.
inline constexpr int kRowValues = 6;
using RowValues = std::array<double, kRowValues>;

}  // namespace veldra::engine

#endif  // VELDRA_ENGINE_STATE_ROW_VALUES_H
