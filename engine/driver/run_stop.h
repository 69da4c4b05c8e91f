// How a run ends early. These are thrown inside the engine only and caught by the
// driver, which ends the run in order; they never leave the library.
#ifndef VELDRA_ENGINE_DRIVER_RUN_STOP_H
#define VELDRA_ENGINE_DRIVER_RUN_STOP_H

#include <string>

namespace veldra::engine {

// An input error. The thrower has already written its message into the report; the
// driver writes "END OF ANALYSIS" and the final plot block and closes the files.
struct InputErrorStop {
  std::string message;
};

// A stop requested by a soil model: the run ends at that point, nothing further is
// written to the report.
struct SoilModelStop {
  int code = 0;              // stop code, 0 when the model stops without one
  std::string message;       // what the console was told, for the run status
};

}  // namespace veldra::engine

#endif
