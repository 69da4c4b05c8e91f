#include "app/unrepresented.h"

namespace veldra::app {

std::string UnrepresentedLines(const std::vector<UnrepresentedRecord>& records) {
  std::string text;
  for (const UnrepresentedRecord& record : records)
    text += (text.empty() ? "" : "\n") + ("Line " + std::to_string(record.line) + ": " + record.change);
  return text;
}

std::string UnrepresentedWarning(const std::vector<UnrepresentedRecord>& records) {
  return std::string(kUnrepresentedHeading) + "\n" + UnrepresentedLines(records);
}

}  // namespace veldra::app
