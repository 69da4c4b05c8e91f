// Decimal constants that the engine's methods have always carried as
// single-precision values widened to double: 0.1 is 0.100000001, 3.1416 is
// 3.14159989. Results depend on these digits, so each such constant is named here
// once, as the float value widened, and used by name everywhere.
//
// Constants used by one soil model only are named in that model's own header in the
// same way; those shared across modules live here.
#ifndef VELDRA_ENGINE_STATE_SINGLE_PRECISION_H
#define VELDRA_ENGINE_STATE_SINGLE_PRECISION_H

namespace veldra::engine {

// Widens a float literal: single(3.1416f) is 3.14159989357...
constexpr double single(float value) { return static_cast<double>(value); }

inline constexpr double kPi = single(3.1416f);           // π of the methods
inline constexpr double kDegPerRad = single(57.2958f);   // 57.2957993
inline constexpr double kGammaWaterEnglish = single(0.036f);  // lb/in³, not 62.4/1728
inline constexpr double kGammaWaterSI = single(9.81f);        // kN/m³
inline constexpr double kDepthTolerance = single(1e-5f);      // 9.99999975e-6

}  // namespace veldra::engine

#endif
