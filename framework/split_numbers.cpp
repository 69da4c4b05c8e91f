#include "framework/split_numbers.h"

#include "framework/decimal_text.h"

namespace veldra::framework {

std::vector<EntryNumber> SplitNumbers(std::string_view line) {
  std::vector<EntryNumber> numbers;
  while (static_cast<int>(numbers.size()) < kMaxSplitNumbers) {
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) break;
    line.remove_prefix(start);
    const std::size_t separator = line.find_first_of(" \t,\r");
    const std::string_view piece = line.substr(0, separator);
    EntryNumber value = 0;
    if (piece.empty() || ParseDecimal(piece, value, true) != DecimalStatus::kOk) break;
    numbers.push_back(value);
    if (separator == std::string_view::npos) break;
    line.remove_prefix(separator + 1);
  }
  return numbers;
}

}  // namespace veldra::framework
