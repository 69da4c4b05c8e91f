// EQDEPTH: the equivalent depth of the top of a lower layer of soft clay, sand or
// silt, at which a layer of its own soil would have gathered the ultimate
// resistance of all layers above it (CUMPU). It carries the resistance of the
// overlying layers into the curves of the layer.
#ifndef VELDRA_ENGINE_PY_EQUIVALENT_DEPTH_H
#define VELDRA_ENGINE_PY_EQUIVALENT_DEPTH_H

#include "engine/py/frictional_resistance.h"
#include "engine/py/py_model.h"
#include "engine/py/soil_lookups.h"

namespace veldra::engine::py {

// The soil of the first curve of the layer.
struct FirstCurveSoil {
  double b = 0.0;            // width
  double gamma = 0.0;        // mean effective unit weight
  double c = 0.0;            // cohesion (soft clay, silt)
  FrictionCoefficients k;    // earth-pressure coefficients (sand, silt)
  double xr = 0.0;           // depth of the first curve of the layer
};

enum class EquivalentSoil { SoftClay, Sand, Silt };

// The resistance integral reached by the layers above layer j (CUMPU of 1 to j-1).
double resistance_above(const PyModel& m, int j);

// XEQ of layer j: 0 for the first layer and whenever no resistance lies above (the
// integral from 0 to 0 is 0), and 0 for a soft clay without cohesion, whose curve
// does not depend on depth. NaN when no depth is defined (sand or silt coefficients
// that give no growing resistance); the caller reports that.
double equivalent_depth(const PyModel& m, int j, EquivalentSoil soil, const FirstCurveSoil& s,
                        const SoilLookups& look);

}  // namespace veldra::engine::py

#endif
