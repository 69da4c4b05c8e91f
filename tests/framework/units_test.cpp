// Unit labels and conversion factors derived from units strings.
#include "framework/units.h"

#include <gtest/gtest.h>

#include <cmath>

namespace veldra::framework {
namespace {

struct LabelCase {
  const char* units;
  const char* english;
  const char* si;
  const char* other;
};

const LabelCase kLabelCases[] = {
    {"F-L^2", "lbs-in^2", "kN-m^2", "F-L^2"},
    {"L1^2", "in^2", "mm^2", "L^2"},
    {"F/L2^2", "lbs/ft^2", "kN/m^2", "F/L^2"},
    {"F/L2^3", "lbs/ft^3", "kN/m^3", "F/L^3"},
    {"F/L^3", "lbs/in^3", "kN/m^3", "F/L^3"},
    {"F1", "kips", "kN", "F"},
    {"F2", "tons", "kN", "F"},
    {"F4", "lb-sec2/in", "Mg", "M"},
    {"F5", "sec", "sec", "T"},
    {"F6", "slug", "Mg", "F"},
    {"L3", "rad", "rad", "L"},
    {"L2", "ft", "m", "L"},
    {"F-L/RAD.", "lbs-in/RAD.", "kN-m/RAD.", "F-L/RAD."},
    {"DEG.", "DEG.", "DEG.", "DEG."},
    {"SEE NOTES", "SEE NOTES", "SEE NOTES", "SEE NOTES"},
    {"", "", "", ""},
};

TEST(UnitsLabel, ReplacesEverySlotSymbol) {
  for (const LabelCase& c : kLabelCases) {
    SCOPED_TRACE(c.units);
    EXPECT_EQ(UnitsLabel(c.units, kEnglishUnits), c.english);
    EXPECT_EQ(UnitsLabel(c.units, kSIUnits), c.si);
    EXPECT_EQ(UnitsLabel(c.units, kOtherUnits), c.other);
  }
}

TEST(UnitsLabel, EntryFieldShowsTheUnitsStringInOtherUnits) {
  EXPECT_EQ(DataEditUnitsLabel("L2", kOtherUnits), "L2");
  EXPECT_EQ(DataEditUnitsLabel("L2", kEnglishUnits), "ft");
  EXPECT_EQ(DataEditUnitsLabel("F/L^2", kSIUnits), "kN/m^2");
}

TEST(UnitsLabel, SystemCodeOutOfRangeIsClamped) {
  EXPECT_EQ(UnitsLabel("L2", 0), "ft");
  EXPECT_EQ(UnitsLabel("L2", 9), "L");
}

struct FactorCase {
  int from;
  int to;
  const char* units;
  long double factor;
};

const FactorCase kFactorCases[] = {
    {1, 2, "L", 1 / 39.37007874L},
    {2, 1, "L", 39.37007874L},
    {2, 1, "F-L^2", 224.8089237L * 39.37007874L * 39.37007874L},
    {1, 2, "F/L2^3", 3.280839895L * 3.280839895L * 3.280839895L / 224.8089237L},
    {2, 1, "L1^2", 0.03937007874L * 0.03937007874L},
    {2, 1, "F1/L", 0.2248089237L / 39.37007874L},
    {2, 1, "F-L/RAD.", 224.8089237L * 39.37007874L},
    {1, 3, "F", 1},
    {3, 2, "F", 1},
    {1, 1, "F", 1},
    {1, 2, "", 1},
    {1, 2, "DEG.", 1},
    {1, 2, "SEE NOTES", 1},
};

TEST(UnitsConversionFactor, FactorsOfUnitsStrings) {
  for (const FactorCase& c : kFactorCases) {
    SCOPED_TRACE(c.units);
    const long double factor = UnitsConversionFactor(c.from, c.to, c.units);
    EXPECT_NEAR(static_cast<double>(factor / c.factor), 1.0, 1e-15);
  }
}

TEST(UnitsConversionFactor, UnitWeightToSIAndBack) {
  const long double si = 120 * UnitsConversionFactor(kEnglishUnits, kSIUnits, "F/L2^3");
  EXPECT_NEAR(static_cast<double>(si), 18.85, 0.005);
  const long double back = si * UnitsConversionFactor(kSIUnits, kEnglishUnits, "F/L2^3");
  EXPECT_NEAR(static_cast<double>(back), 120.0, 1e-12);
  EXPECT_EQ(120 * UnitsConversionFactor(kEnglishUnits, kOtherUnits, "F/L2^3"), 120);
}

}  // namespace
}  // namespace veldra::framework
