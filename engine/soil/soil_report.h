// The report sections of the generated earth pressure: wall, surcharge and soil
// information, effective overburden stress, earth-pressure coefficients, layer
// resultants, and the warnings of the soil profile.
#ifndef VELDRA_ENGINE_SOIL_SOIL_REPORT_H
#define VELDRA_ENGINE_SOIL_SOIL_REPORT_H

#include "engine/soil/earth_pressure.h"
#include "engine/soil/soil_profile.h"
#include "engine/state/problem_state.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace veldra::engine::soil {

// Composite labels: force per length² and force per length³.
std::string pressure_label(const UnitLabels& u);
std::string unit_weight_label(const UnitLabels& u);

void write_wall_information(std::ostream& out, const ProblemState& st, double gw);

// Lists the uniform pressure and every point, line and strip row; warns when the
// free height is too small for the surcharges to be applied.
void write_surcharge_information(std::ostream& out, const ProblemState& st);

// The subdivided layers; English lengths in feet. Unit system 3 gets the banner only.
void write_soil_information(std::ostream& out, const SoilProfile& profile, int units);

// The effective vertical stress at every layer top (call before the undrained
// layers go back to total stress).
void write_stress_table(std::ostream& out, const SoilProfile& profile, const UnitLabels& u);

// The coefficient table; the slope warning of a layer goes to the run notes and to
// the report before the layer's row.
void write_coefficients(std::ostream& out, std::ostream& notes, const std::vector<Coefficients>& k,
                        const SoilProfile& profile);

// The layer resultants above the excavation level and, when the water table lies
// above it, the water resultants; then the net-force warning (also on the console).
void write_layer_forces(std::ostream& out, std::ostream& console, const ForceSummary& f,
                        int exc, const UnitLabels& u);

}  // namespace veldra::engine::soil

#endif
