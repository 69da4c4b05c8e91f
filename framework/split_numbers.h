// Splitting a line of imported text into numbers.
#ifndef VELDRA_FRAMEWORK_SPLIT_NUMBERS_H
#define VELDRA_FRAMEWORK_SPLIT_NUMBERS_H

#include <string_view>
#include <vector>

#include "framework/entry_number.h"

namespace veldra::framework {

inline constexpr int kMaxSplitNumbers = 15;

// The leading numbers of a line, at most 15. Numbers are separated by a blank, tab,
// comma or carriage return (leading blanks and tabs skipped); splitting stops at the
// first piece that is not a decimal number (optional sign and exponent, "." as the
// separator). "1.5, 2" gives 1.5 and 2; "1 2 x" gives 1 and 2; "1,,2" gives 1 only;
// a heading line of words gives nothing.
std::vector<EntryNumber> SplitNumbers(std::string_view line);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_SPLIT_NUMBERS_H
