// The report sections of the p-y setup: "SOIL LAYERS AND STRENGTH DATA" with the
// unit-weight and strength profiles, the table of reduction factors, and the
// heading of "P-Y CURVES DATA" under which the generators print their curves.
#ifndef VELDRA_ENGINE_PY_PY_REPORT_H
#define VELDRA_ENGINE_PY_PY_REPORT_H

#include "engine/py/py_model.h"
#include "engine/state/unit_labels.h"

#include <iosfwd>

namespace veldra::engine::py {

// The layers and profiles of `m`, depths printed below the top of the wall;
// friction angles are held in radians and printed in degrees.
void write_soil_layers(std::ostream& out, const UnitLabels& u, const PyModel& m);

// Printed only when the problem has a modification table.
void write_reduction_factors(std::ostream& out, const PyModel& m);

void write_curves_heading(std::ostream& out);

}  // namespace veldra::engine::py

#endif
