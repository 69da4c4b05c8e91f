// A stop requested by a soil model. Thrown inside the engine only and caught by
// the driver, which ends the run at that point; it never leaves the library.
#ifndef VELDRA_ENGINE_STATE_SOIL_MODEL_STOP_H
#define VELDRA_ENGINE_STATE_SOIL_MODEL_STOP_H

#include <string>

namespace veldra::engine {

// Nothing further is written to the report after the stop.
struct SoilModelStop {
  int code = 0;              // stop code, 0 when the model stops without one
  std::string message;       // what the console was told, for the run status
};

}  // namespace veldra::engine

#endif  // VELDRA_ENGINE_STATE_SOIL_MODEL_STOP_H
