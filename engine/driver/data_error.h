// Ending a run on an input error: the message goes into the report, preceded by
// two empty lines and indented 5 blanks, and the run ends in order.
#ifndef VELDRA_ENGINE_DRIVER_DATA_ERROR_H
#define VELDRA_ENGINE_DRIVER_DATA_ERROR_H

#include <string>

namespace veldra::engine {

struct RunContext;

inline constexpr const char* kTooMuchData = "TOO MUCH DATA FOR AVAILABLE STORAGE";
inline constexpr const char* kStationsNotInOrder = "ERROR STOP -- STATIONS NOT IN ORDER";
inline constexpr const char* kBeyondEnd = "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END";
inline constexpr const char* kUnsupportedWall =
    "ERROR STOP -- THE WALL HAS NO LATERAL SUPPORT: NO P-Y CURVE, LATERAL SPRING, TIEBACK OR "
    "SPECIFIED DEFLECTION HOLDS IT, SO ITS DEFLECTIONS HAVE NO UNIQUE SOLUTION";

// Writes the message and throws InputErrorStop.
[[noreturn]] void data_error(RunContext& ctx, const std::string& message);

// "TOO MUCH DATA FOR AVAILABLE STORAGE", which is also followed by two empty lines.
// `detail` says what did not fit and where ("51 LOAD ROWS ON LINE 5, ITEM 1 (AT
// MOST 50)"): it is printed on the line below and ends the run's message.
[[noreturn]] void too_much_data(RunContext& ctx, const std::string& detail = {});

}  // namespace veldra::engine

#endif
