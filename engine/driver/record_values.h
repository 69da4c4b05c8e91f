// Small helpers shared by the readers of a problem's records.
#ifndef VELDRA_ENGINE_DRIVER_RECORD_VALUES_H
#define VELDRA_ENGINE_DRIVER_RECORD_VALUES_H

namespace veldra::engine {

struct RunContext;

// Nearest integer, halves away from zero.
int nint(double x);

// True when a station number computed from a depth can be held as an int.
bool fits_station(double x);

// An integer value of a record (read as a whole number).
inline int to_int(double v) { return static_cast<int>(v); }

// A count read from the file: negative counts are errors, counts above the
// capacity end the run before anything is stored. `what` names the rows in the
// message ("SPRING ROWS").
int checked_count(RunContext& ctx, int count, int capacity, const char* what);

}  // namespace veldra::engine

#endif
