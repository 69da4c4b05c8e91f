#include "app/soil_values.h"

#include "app/main_tables.h"

namespace veldra::app {

namespace {

using K = SoilValueKind;
using Slots = std::array<SoilValueSlot, kSoilValuesPerLine>;

constexpr SoilValueSlot kHole{K::kPlaceholder, -1};

constexpr Slots kClay = {{{K::kUnitWeight, ClayParameters::kUnitWeight},
                          {K::kCohesion, ClayParameters::kCohesion},
                          kHole,
                          {K::kPlain, ClayParameters::kE50},
                          {K::kPlain, ClayParameters::kK},
                          {K::kPlain, ClayParameters::kPressureCoefficient}}};
constexpr Slots kSand = {{{K::kUnitWeight, SandParameters::kUnitWeight},
                          kHole,
                          {K::kPlain, SandParameters::kFrictionAngle},
                          kHole,
                          {K::kPlain, SandParameters::kK},
                          {K::kPlain, SandParameters::kPressureCoefficient}}};
// The file gives the silt's cohesion before its friction angle.
constexpr Slots kSilt = {{{K::kUnitWeight, SiltParameters::kUnitWeight},
                          {K::kCohesion, SiltParameters::kCohesion},
                          {K::kPlain, SiltParameters::kFrictionAngle},
                          {K::kPlain, SiltParameters::kE50},
                          {K::kPlain, SiltParameters::kK},
                          {K::kPlain, SiltParameters::kPressureCoefficient}}};
constexpr Slots kStrongRock = {{{K::kUnitWeight, StrongRockParameters::kUnitWeight},
                                {K::kPlain, StrongRockParameters::kCompressiveStrength},
                                kHole,
                                kHole,
                                kHole,
                                kHole}};
constexpr Slots kWeakRock = {{{K::kUnitWeight, WeakRockParameters::kUnitWeight},
                              {K::kPlain, WeakRockParameters::kCompressiveStrength},
                              kHole,
                              {K::kPlain, WeakRockParameters::kKrm},
                              {K::kPlain, WeakRockParameters::kModulus},
                              {K::kPlain, WeakRockParameters::kRQD}}};
constexpr Slots kUnknown = {{kHole, kHole, kHole, kHole, kHole, kHole}};

}  // namespace

const Slots& SoilValueSlots(int soil_type) {
  switch (soil_type) {
    case 1:
    case 2:
    case 3: return kClay;
    case 4: return kSand;
    case 5: return kSilt;
    case 6: return kStrongRock;
    case 7: return kWeakRock;
    default: return kUnknown;
  }
}

int EnglishFileDivisor(SoilValueKind kind) {
  switch (kind) {
    case K::kUnitWeight: return 1728;
    case K::kCohesion: return 144;
    default: return 1;
  }
}

}  // namespace veldra::app
