// The six values of a soil layer's line in the data file, by soil type: which column
// of the layer's parameter table each one comes from, and how it is converted.
//
// Parameter tables (the layer's sub-table, row 1 at the top of the layer, row 2 at
// its bottom) by type: 1 to 3 clay, 4 sand, 5 silt, 6 strong rock, 7 weak rock. The
// file's order differs from the tables' (silt: the file gives cohesion before the
// friction angle) and holds "0.0" placeholders where a type has no value.
#ifndef VELDRA_APP_SOIL_VALUES_H
#define VELDRA_APP_SOIL_VALUES_H

#include <array>

namespace veldra::app {

inline constexpr int kSoilTypeCount = 7;
inline constexpr int kSoilValuesPerLine = 6;
// The 2.0 format gave only the first five of them, once per layer.
inline constexpr int kSoilValuesOlderLine = 5;

enum class SoilValueKind {
  kPlaceholder,  // written as "0.0", ignored when read
  kUnitWeight,   // English: the file per cubic inch, the table per cubic foot
  kCohesion,     // clay and silt; English: the file per square inch, the table per square foot
  kPlain,        // the same number in file and table
};

struct SoilValueSlot {
  SoilValueKind kind;
  int column;  // column of the parameter table; -1 for a placeholder
};

// The slots of a type; a type outside 1..7 has placeholders only.
const std::array<SoilValueSlot, kSoilValuesPerLine>& SoilValueSlots(int soil_type);

// English units: the writer divides a table value by this number and the loader
// multiplies a file value by it (1728 for unit weights, 144 for cohesions, else 1).
int EnglishFileDivisor(SoilValueKind kind);

}  // namespace veldra::app

#endif  // VELDRA_APP_SOIL_VALUES_H
