// A soil description for which no p-y curve is defined (a zero strain, a zero
// friction angle, a layer too thin to hold its curves, ...). Thrown inside the p-y
// setup only; PYDATA turns it into an input-error message in the report that names
// the layer, its soil type and the value to correct.
#ifndef VELDRA_ENGINE_PY_PY_INPUT_ERROR_H
#define VELDRA_ENGINE_PY_PY_INPUT_ERROR_H

#include <string>

namespace veldra::engine::py {

struct PyInputError {
  std::string message;       // the whole report line, "ERROR STOP -- ..."
};

// The soil type as an engineer names it in a message ("SOFT CLAY", "WEAK ROCK").
const char* soil_type_name(int type);

// A length for a message: up to 4 decimals, trailing zeros dropped, with the unit
// ("0.2 IN", "125.3 M"; no unit in the user's own units).
std::string length_text(double value, int units);

// "ERROR STOP -- SOIL LAYER <input> (<type name>)<where>: <what>".
std::string layer_error(int input_layer, int type, const std::string& where,
                        const std::string& what);

}  // namespace veldra::engine::py

#endif
