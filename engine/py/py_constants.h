// Decimal constants of the p-y curve methods. The methods have always carried them
// as single-precision values widened to double (0.1 is 0.100000001, 1/3 is
// 0.333333343), and the curves depend on those digits, so each is named once here
// as the float value widened. Constants exact in binary (0.5, 0.25, 1.25, ...) are
// written in place.
#ifndef VELDRA_ENGINE_PY_PY_CONSTANTS_H
#define VELDRA_ENGINE_PY_PY_CONSTANTS_H

#include "engine/state/single_precision.h"

#include <array>

namespace veldra::engine::py {

// Curves are inset this far from the top and bottom of their layer (inches; a tenth
// of it in metres), so that none sits on a layer boundary.
inline constexpr double kCurveInset = single(0.1f);
inline constexpr double kCurveInsetSIDivisor = 10.0;

// Thresholds of the look-ups and generators.
inline constexpr double kYMin = single(1e-14f);          // smallest deflection of a curve
inline constexpr double kOffsetFloorClay = single(1e-10f);
inline constexpr double kOffsetFloorFriction = single(1e-5f);
inline constexpr double kDepthFloor = single(1e-6f);     // look-ups: "at the surface"
inline constexpr double kNoStrain = single(1e-6f);       // an ε50 printed as "-----"
inline constexpr double kLayerTopWindow = single(1e-5f); // CAVGL: "at the layer top"
inline constexpr double kZeroValue = single(1e-20f);     // a profile value taken as absent
inline constexpr double kZeroAngleSine = single(1e-10f); // sin²φ of a frictionless silt
inline constexpr double kZeroRockStrength = single(1e-10f);
inline constexpr double kRockDepthNudge = single(1e-8f); // keeps a rock depth off zero

// Walls whose element spacing is below 1.1 element widths act as a continuous wall.
inline constexpr double kCloseSpacing = single(1.1f);
// Group reduction of p for spacings between 1.1 and 3.1 widths: 0.5292·r^0.5659.
inline constexpr double kGroupFactor = single(0.5292f);
inline constexpr double kGroupExponent = single(0.5659f);
inline constexpr double kGroupUpperSpacing = single(3.1f);

// Soft clay.
inline constexpr double kOneThird = single(0.333333343f);
inline constexpr double kTwoThirds = single(0.666666687f);
inline constexpr std::array<double, 18> kSoftClayDeflections = {
    0.0,
    0.0,           single(0.00025f), single(0.0025f), single(0.0075f), single(0.02f),
    single(0.04f), single(0.06f),    single(0.1f),    single(0.15f),   single(0.225f),
    single(0.3f),  single(0.4f),     single(0.5f),    single(0.65f),   single(0.8f),
    1.0,           single(1.2f)};

// Stiff clay with free water.
inline constexpr double kStiffWetPassive = single(2.83f);
inline constexpr double kStiffWetDrop = single(0.055f);
inline constexpr double kStiffWetResidual = single(0.411f);
inline constexpr double kStiffWetSlope = 0.0625;
inline constexpr double kStiffWetF1Root = single(1.225f);

// Stiff clay without free water.
inline constexpr std::array<double, 16> kStiffDryDeflections = {
    0.0,
    0.0,           single(0.00001f), single(0.00005f), single(0.0001f), single(0.0005f),
    single(0.001f), single(0.005f),  single(0.01f),    single(0.025f),  single(0.05f),
    single(0.075f), single(0.1f),    0.25,             0.5,             1.0};

// Sand and silt.
inline constexpr double kRestCoefficient = single(0.4f);      // K0
inline constexpr double kSiltWallFriction = single(0.1745333f);  // about 10°, radians
inline constexpr double kDeepA = single(0.88f);              // A below six widths
inline constexpr double kLastPointFactor = single(1.2f);
inline constexpr double kSiltForm2Step = single(1.1f);
inline constexpr double kSiltForm3Steps[4] = {single(1.05f), single(1.1f), single(1.15f),
                                              single(1.2f)};

// Strong rock: the elastic branch ends at 0.0004·b.
inline constexpr double kRockElasticStrain = single(0.0004f);

// Weak rock.
inline constexpr double kRqdReduction = single(0.00666666683f);  // 1/150
inline constexpr double kWeakRockDeep = single(5.2f);
inline constexpr double kWeakRockShallow = single(1.4f);
inline constexpr double kFourThirds = single(1.33333337f);
inline constexpr std::array<double, 18> kWeakRockDeflections = {
    0.0,
    single(0.0005f), single(0.001f), single(0.003f), single(0.006f), single(0.009f),
    single(0.02f),   single(0.04f),  single(0.06f),  single(0.08f),  single(0.1f),
    0.25,            0.5,            0.75,           1.0,            4.0,
    8.0,             12.0};

// Factor tables, by depth/width.
inline constexpr std::array<double, 6> kAsRatios = {0, 1, 2, 3, 4, 5};
inline constexpr std::array<double, 6> kAsValues = {single(0.223f), single(0.46f),
                                                    single(0.55f),  single(0.59f),
                                                    single(0.6f),   single(0.6f)};
inline constexpr std::array<double, 10> kAbRatios = {0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6};
inline constexpr std::array<double, 10> kAValues = {
    single(2.83f), single(2.48f), single(2.11f), single(1.76f), single(1.48f),
    single(1.23f), single(1.06f), single(0.9f),  single(0.88f), single(0.88f)};
inline constexpr std::array<double, 10> kBValues = {
    single(2.14f), single(1.83f), single(1.54f), single(1.27f), single(1.05f),
    single(0.86f), single(0.71f), single(0.53f), single(0.5f),  single(0.5f)};

}  // namespace veldra::engine::py

#endif
