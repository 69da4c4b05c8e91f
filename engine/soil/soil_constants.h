// Decimal constants of the earth-pressure and surcharge methods. The methods have
// always carried them as single-precision values, and the generated pressures depend
// on those digits, so each is the float value widened to double (see
// engine/state/single_precision.h for the constants shared with other modules).
#ifndef VELDRA_ENGINE_SOIL_SOIL_CONSTANTS_H
#define VELDRA_ENGINE_SOIL_SOIL_CONSTANTS_H

#include "engine/state/single_precision.h"

namespace veldra::engine::soil {

// Subdivided profile: at most 21 layers (10 input layers, cuts and headroom).
inline constexpr int kMaxProfileLayers = 21;

// Z3 of a layer without tension; it prints as -0.00 in the layer-force table.
inline constexpr double kNoTensionDepth = -single(1e-5f);
// Z1 and Z2 of a layer whose resultants are not computed (at or below the
// excavation level).
inline constexpr double kNoResultantDepth = -1000.0;

// A pressure below this is replaced by j * kPressureFloorStep at point j, which
// keeps the generated values positive and increasing for plots on a log scale.
inline constexpr double kPressureFloor = 1.0e-5;
inline constexpr double kPressureFloorStep = single(1e-12f);  // 9.99999996e-13

// An optional earth-pressure coefficient above this replaces Ka.
inline constexpr double kOptionalCoefficientMin = 1.0e-7;
// Below this uniform pressure the surface carries no surcharge share PC.
inline constexpr double kSurfacePressureMin = 1.0e-6;
// Net active force below this is reported as negative.
inline constexpr double kNetForceMin = 1.0e-5;

// Apparent-pressure envelope of anchored walls: 1.3 times the active force.
inline constexpr double kEnvelopeFactor = single(1.3f);  // 1.29999995

// Points per unit length of the generated distribution: one per inch in English
// (and the user's) units, one per 0.05 m in SI units.
inline constexpr double kPointsPerMetre = 20.0;

// Surcharge solutions (modified Boussinesq, in the form used for retaining walls).
inline constexpr double kPointNear = single(0.28f);      // m <= 0.4
inline constexpr double kPointFar = single(1.77f);       // m > 0.4
inline constexpr double kNearOffset = single(0.16f);     // 0.16 + n^2
inline constexpr double kNearFarBreak = single(0.4f);    // 0.400000006
inline constexpr double kLineNear = single(0.203f);
inline constexpr double kLineFarResultant = single(1.273f);   // 4/pi of the resultant
inline constexpr double kStripResultant = single(0.6366f);    // 2/pi of the resultant
inline constexpr double kLineFarFactor = 4.0;                 // over pi in SURCHG
inline constexpr double kSurchargeMagnitudeMin = single(1e-4f);  // 9.99999975e-5
inline constexpr int kSurchargeGridSlices = 200;  // over the wall length
inline constexpr int kResultantSlices = 10;       // over a layer
// A free height below this leaves the ratios m = X/H and n = z/H undefined: the
// surcharges are then skipped.
inline constexpr double kMinHeightForSurcharge = 1.0e-6;

}  // namespace veldra::engine::soil

#endif
