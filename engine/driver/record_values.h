// Small helpers shared by the readers of a problem's records.
#ifndef VELDRA_ENGINE_DRIVER_RECORD_VALUES_H
#define VELDRA_ENGINE_DRIVER_RECORD_VALUES_H

#include <string>

namespace veldra::engine {

struct RunContext;

// Nearest integer, halves away from zero.
int nint(double x);

// True when a station number computed from a depth can be held as an int.
bool fits_station(double x);

// An integer value of a record (read as a whole number).
inline int to_int(double v) { return static_cast<int>(v); }

// Where a value stands in the data file, for messages: "ON LINE 5, ITEM 1".
struct ValueAt {
  int line = 0;
  int item = 0;
};
std::string where(ValueAt at);

// Item `item` (from 1) of the problem's control record.
ValueAt control_item(const RunContext& ctx, int item);

// A count read from the file: a negative count is an input error, a count above
// the capacity ends the run with "TOO MUCH DATA FOR AVAILABLE STORAGE" naming the
// count, its place and the capacity, before anything is stored. `what` names the
// rows in the messages ("SPRING ROWS").
int checked_count(RunContext& ctx, int count, int capacity, const char* what, ValueAt at);

// Reads a record of one integer, a row count, and checks it as checked_count().
int read_count(RunContext& ctx, int capacity, const char* what);

// The detail line of "TOO MUCH DATA": "51 LOAD ROWS ON LINE 5, ITEM 1 (AT MOST 50)".
std::string too_many(long long count, const char* what, ValueAt at, int capacity);

}  // namespace veldra::engine

#endif
