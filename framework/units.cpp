#include "framework/units.h"

#include <cmath>
#include <string>

namespace veldra::framework {

namespace {

struct UnitSlot {
  const char* symbol;
  const char* label[3];  // English, SI, other
  EntryNumber factor;    // English units in one SI unit
};

// The constant slot table. Order matters for labels: longer symbols first, so that
// "F2" is not read as "F" followed by "2".
constexpr UnitSlot kSlots[] = {
    {"F2", {"tons", "kN", "F"}, 0.1124044745L},
    {"F1", {"kips", "kN", "F"}, 0.2248089237L},
    {"F4", {"lb-sec2/in", "Mg", "M"}, 5.7101483L},
    {"F5", {"sec", "sec", "T"}, 1.0L},
    {"F6", {"slug", "Mg", "F"}, 68.364249L},
    {"F", {"lbs", "kN", "F"}, 224.8089237L},
    {"L3", {"rad", "rad", "L"}, 1.0L},
    {"L2", {"ft", "m", "L"}, 3.280839895L},
    {"L1", {"in", "mm", "L"}, 0.03937007874L},
    {"L", {"in", "m", "L"}, 39.37007874L},
};

const UnitSlot& Slot(std::string_view symbol) {
  for (const UnitSlot& slot : kSlots)
    if (symbol == slot.symbol) return slot;
  return kSlots[0];  // not reached: callers pass symbols of the table
}

// Character at 1-based position; positions beyond the end read as no character.
char At(const std::string& text, std::size_t position) {
  return position >= 1 && position <= text.size() ? text[position - 1] : '\0';
}

// Exponent digit of a term; a missing or non-digit exponent counts as 1.
int ExponentAt(const std::string& text, std::size_t position) {
  const char c = At(text, position);
  return c >= '0' && c <= '9' ? c - '0' : 1;
}

// Scale factor of one side (numerator or denominator) of a units string.
EntryNumber PartScale(std::string text) {
  EntryNumber force = 1;
  int force_exponent = 0;
  if (At(text, 1) == 'F') {
    const char c = At(text, 2);
    if (c != '0' && c != '1' && c != '2' && c != '4' && c != '5' && c != '6')
      text.insert(1, "0");
    const char digit = At(text, 2);
    force = digit == '0' ? Slot("F").factor : Slot(std::string{'F', digit}).factor;
    if (At(text, 3) == '^') {
      force_exponent = ExponentAt(text, 4);
      text.erase(0, 5);
    } else {
      force_exponent = 1;
      text.erase(0, 3);
    }
  }
  EntryNumber length = 1;
  int length_exponent = 0;
  if (At(text, 1) == 'L') {
    const char c = At(text, 2);
    if (c < '0' || c > '3') text.insert(1, "0");
    const char digit = At(text, 2);
    length = digit == '0' ? Slot("L").factor : Slot(std::string{'L', digit}).factor;
    length_exponent = text.size() > 2 ? ExponentAt(text, 4) : 1;
  }
  return std::pow(force, static_cast<EntryNumber>(force_exponent)) *
         std::pow(length, static_cast<EntryNumber>(length_exponent));
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  std::size_t pos = 0;
  while ((pos = text.find(from, pos)) != std::string::npos) {
    text.replace(pos, from.size(), to);
    pos += to.size();
  }
}

}  // namespace

int ClampUnitSystem(int system) {
  if (system < kEnglishUnits) return kEnglishUnits;
  if (system > kOtherUnits) return kOtherUnits;
  return system;
}

EntryNumber UnitsConversionFactor(int from, int to, std::string_view units) {
  int k = 0;
  if (from == kEnglishUnits && to == kSIUnits) k = -1;
  if (from == kSIUnits && to == kEnglishUnits) k = 1;
  if (k == 0) return 1;
  const std::size_t slash = units.find('/');
  const std::string numerator(units.substr(0, slash));
  const std::string denominator(slash == std::string_view::npos ? std::string_view{}
                                                                : units.substr(slash + 1));
  const EntryNumber ratio = PartScale(numerator) / PartScale(denominator);
  return k < 0 ? 1 / ratio : ratio;
}

std::string UnitsLabel(std::string_view units, int system) {
  const int index = ClampUnitSystem(system) - 1;
  std::string text(units);
  for (const UnitSlot& slot : kSlots) ReplaceAll(text, slot.symbol, slot.label[index]);
  return text;
}

std::string DataEditUnitsLabel(std::string_view units, int system) {
  if (ClampUnitSystem(system) == kOtherUnits) return std::string(units);
  return UnitsLabel(units, system);
}

}  // namespace veldra::framework
