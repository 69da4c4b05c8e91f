#include "app/unrepresented.h"

namespace veldra::app {

std::string UnrepresentedWarning(const std::vector<UnrepresentedRecord>& records) {
  std::string text = kUnrepresentedHeading;
  for (const UnrepresentedRecord& record : records)
    text += "\nLine " + std::to_string(record.line) + ": " + record.change;
  return text;
}

}  // namespace veldra::app
