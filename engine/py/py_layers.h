// The p-y layers below the excavation level, the unit-weight and strength profiles,
// the curve depths and the assignment of the curves to the layers.
#ifndef VELDRA_ENGINE_PY_PY_LAYERS_H
#define VELDRA_ENGINE_PY_PY_LAYERS_H

#include "engine/py/py_model.h"
#include "engine/state/problem_state.h"

namespace veldra::engine::py {

// Builds the model of the current problem: widths, water, the reduction-factor
// table, the layers with the profiles cut at the deepest curve depth (two increments
// below the tip), five curve depths per layer, friction angles in radians, and the
// curves assigned to their layers.
//
// Throws PyInputError for a layer thinner than two curve insets (its curves would
// fall out of order). A layer that the cut at the deepest depth leaves that thin is
// dropped instead: it lies below every curve the wall can feel.
PyModel build_py_model(const ProblemState& st);

// PYSTAT: sets L1 and L2 of every layer from the curve depths.
void assign_curves(PyModel& m);

// Whether PYGEN generates the curves of layer j (it holds curves of its own).
bool layer_has_curves(const PyModel& m, int j);

}  // namespace veldra::engine::py

#endif
