#include "app/views/view_rules.h"

#include "app/program_data.h"
#include "framework/units.h"

namespace veldra::app::views {

bool SoilLayersInUse(const TProgramData& problem) {
  // A file with generated pressure and the user's p-y curves loads with GeneratePY
  // off and PressureGenerated on: its layers still make the pressure.
  return problem.GeneratePY || (problem.PressureGenerated && !problem.UserPressure);
}

double InternalPerL2(int unit_system) { return unit_system == framework::kEnglishUnits ? 12.0 : 1.0; }

}  // namespace veldra::app::views
