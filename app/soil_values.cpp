#include "app/soil_values.h"

namespace veldra::app {

namespace {

using K = SoilValueKind;
using Slots = std::array<SoilValueSlot, kSoilValuesPerLine>;

constexpr SoilValueSlot kHole{K::kPlaceholder, -1};

// Columns of the parameter tables: clay (unit weight, cohesion, E50, k, optional
// coefficient), sand (unit weight, friction angle, k, coefficient), silt (unit
// weight, friction angle, cohesion, E50, k, coefficient), strong rock (unit weight,
// compressive strength), weak rock (unit weight, compressive strength, krm, modulus,
// RQD).
constexpr Slots kClay = {{{K::kUnitWeight, 0}, {K::kCohesion, 1}, kHole, {K::kPlain, 2}, {K::kPlain, 3},
                          {K::kPlain, 4}}};
constexpr Slots kSand = {{{K::kUnitWeight, 0}, kHole, {K::kPlain, 1}, kHole, {K::kPlain, 2}, {K::kPlain, 3}}};
constexpr Slots kSilt = {{{K::kUnitWeight, 0}, {K::kCohesion, 2}, {K::kPlain, 1}, {K::kPlain, 3},
                          {K::kPlain, 4}, {K::kPlain, 5}}};
constexpr Slots kStrongRock = {{{K::kUnitWeight, 0}, {K::kPlain, 1}, kHole, kHole, kHole, kHole}};
constexpr Slots kWeakRock = {{{K::kUnitWeight, 0}, {K::kPlain, 1}, kHole, {K::kPlain, 2}, {K::kPlain, 3},
                              {K::kPlain, 4}}};
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
