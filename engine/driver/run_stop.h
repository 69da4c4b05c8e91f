// How a run ends early. These are thrown inside the engine only and caught by the
// driver, which ends the run in order; they never leave the library.
#ifndef VELDRA_ENGINE_DRIVER_RUN_STOP_H
#define VELDRA_ENGINE_DRIVER_RUN_STOP_H

#include "engine/state/soil_model_stop.h"

#include <string>

namespace veldra::engine {

// An input error. The thrower has already written its message into the report; the
// driver writes "END OF ANALYSIS" and the final plot block and closes the files.
struct InputErrorStop {
  std::string message;
};

}  // namespace veldra::engine

#endif
