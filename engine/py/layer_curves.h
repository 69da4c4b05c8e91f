// PYGEN: the generator of a p-y layer's soil type.
#ifndef VELDRA_ENGINE_PY_LAYER_CURVES_H
#define VELDRA_ENGINE_PY_LAYER_CURVES_H

#include "engine/py/curve_frame.h"

namespace veldra::engine::py {

// Generates the curves of p-y layer j (1-based) with the generator of its soil type
// (soft clay for any type code outside 2 to 7), appending them to the frame's output.
void generate_layer_curves(CurveFrame& f, int j);

}  // namespace veldra::engine::py

#endif  // VELDRA_ENGINE_PY_LAYER_CURVES_H
