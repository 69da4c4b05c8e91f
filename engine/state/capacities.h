// Fixed capacities of the engine's problem state. Every count read from a data file
// is checked against these before anything is stored.
#ifndef VELDRA_ENGINE_STATE_CAPACITIES_H
#define VELDRA_ENGINE_STATE_CAPACITIES_H

namespace veldra::engine {

inline constexpr int kStationEntries = 414;       // entries per station array
inline constexpr int kMaxIncrements = kStationEntries - 7;  // N = 407 uses index 414
inline constexpr int kMaxRestraints = 20;
inline constexpr int kMaxLoadRows = 50;
inline constexpr int kMaxTiebacks = 20;
inline constexpr int kMaxPyModifications = 50;
inline constexpr int kMaxPressurePoints = 2000;
inline constexpr int kMaxCurves = 63;
inline constexpr int kMaxCurvePoints = 34;
inline constexpr int kMaxEiSets = 20;
inline constexpr int kMaxEiPoints = 100;
inline constexpr int kMaxResultStations = 2000;
inline constexpr int kMaxSurcharges = 20;
inline constexpr int kMaxSoilLayers = 10;
inline constexpr int kDefaultMaxIterations = 100;

}  // namespace veldra::engine

#endif
