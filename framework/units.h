// Unit systems, units strings, their labels and conversion factors.
//
// A units string such as "F/L2^3" names a quantity through slot symbols: forces F
// (also F0), F1, F2, F4, F5, F6 and lengths L (also L0), L1, L2, L3, each optionally
// raised to a one-digit power ("^3"); a "/" separates numerator and denominator.
// Text without symbols ("DEG.", "SEE NOTES") is a plain label; an empty string is a
// pure number.
#ifndef VELDRA_FRAMEWORK_UNITS_H
#define VELDRA_FRAMEWORK_UNITS_H

#include <string>
#include <string_view>

#include "framework/entry_number.h"

namespace veldra::framework {

// Unit-system codes, the same everywhere in the program.
inline constexpr int kEnglishUnits = 1;  // lbs, in
inline constexpr int kSIUnits = 2;       // kN, m
inline constexpr int kOtherUnits = 3;    // F, L

// Codes outside 1..3 are brought into range (0 or less -> 1, above 3 -> 3).
int ClampUnitSystem(int system);

// Factor by which a stored value expressed in system `from` is multiplied to express
// it in system `to`. Only the switches 1 -> 2 and 2 -> 1 convert; every other switch,
// and any string without slot symbols, gives 1.
EntryNumber UnitsConversionFactor(int from, int to, std::string_view units);

// The units string with every slot symbol replaced by its label in `system`:
// "F/L2^3" -> "lbs/ft^3" (1), "kN/m^3" (2), "F/L^3" (3). Used for column headers.
std::string UnitsLabel(std::string_view units, int system);

// The label of a numeric entry field: as UnitsLabel in systems 1 and 2, but the units
// string itself in system 3 (a field with "L2" shows L2 where a header shows L).
std::string DataEditUnitsLabel(std::string_view units, int system);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_UNITS_H
