// Rules the side view and the 3D view share: which parts of the problem are in use
// and the length units of the tables they read.
#ifndef VELDRA_APP_VIEWS_VIEW_RULES_H
#define VELDRA_APP_VIEWS_VIEW_RULES_H

namespace veldra::app {
class TProgramData;
}

namespace veldra::app::views {

// The soil layers take part in the analysis: generated p-y curves, or earth
// pressure generated from the layers (triangular or trapezoidal). Read from the
// option flags, which follow the menu at once, rather than from the control values
// of the last save.
bool SoilLayersInUse(const TProgramData& problem);

// Internal length units (in / m / L) per unit of a table column in "L2" (ft / m / L):
// 12 in English units, 1 otherwise.
double InternalPerL2(int unit_system);

}  // namespace veldra::app::views

#endif  // VELDRA_APP_VIEWS_VIEW_RULES_H
