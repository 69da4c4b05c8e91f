#include "framework/entry_number.h"

#include <cmath>

namespace veldra::framework {

EntryNumber RoundHalfEven(EntryNumber value) {
  if (!std::isfinite(value)) return value;
  const EntryNumber low = std::floor(value);
  const EntryNumber diff = value - low;
  if (diff < 0.5L) return low;
  if (diff > 0.5L) return low + 1;
  return std::fmod(low, 2.0L) == 0 ? low : low + 1;
}

bool IsWhole(EntryNumber value) { return std::isfinite(value) && std::trunc(value) == value; }

bool IsInt32(EntryNumber value) {
  return IsWhole(value) && value >= kInt32Min && value <= kInt32Max;
}

}  // namespace veldra::framework
