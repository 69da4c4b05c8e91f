// The number type of every entry, cell and limit, and the whole-number helpers that
// entry checking shares.
#ifndef VELDRA_FRAMEWORK_ENTRY_NUMBER_H
#define VELDRA_FRAMEWORK_ENTRY_NUMBER_H

#include <cstdint>
#include <limits>

namespace veldra::framework {

// Extended precision: 80-bit on x86-64 Linux, at least double elsewhere.
using EntryNumber = long double;

inline constexpr EntryNumber kEntryMax = std::numeric_limits<EntryNumber>::max();
inline constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
inline constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// Nearest integer, ties to even (2.5 -> 2, 3.5 -> 4), independent of the FPU mode.
EntryNumber RoundHalfEven(EntryNumber value);

// True when value has no fractional part (and is finite).
bool IsWhole(EntryNumber value);

// True when value is a whole number within the 32-bit signed range.
bool IsInt32(EntryNumber value);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_ENTRY_NUMBER_H
