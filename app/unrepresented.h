// What a data file may hold that the problem model cannot keep.
//
// The engine reads combinations that the application's model has no place for:
// generated earth pressure without generated p-y curves, a long-term problem that
// differs from its short-term problem in more than its soil layers and pressure
// distribution, two different copies of the free height, more than five stages.
// Loading such a file keeps what the model can hold; saving it would then change
// the analysis. The loaders report each such record, so that the window can warn
// before anything is saved and the converter can refuse the file.
#ifndef VELDRA_APP_UNREPRESENTED_H
#define VELDRA_APP_UNREPRESENTED_H

#include <string>
#include <vector>

namespace veldra::app {

struct UnrepresentedRecord {
  int line = 0;        // 1-based line of the record in the file that was read
  std::string change;  // what the model keeps instead and what saving would write
};

// The first line of the warning.
inline constexpr const char* kUnrepresentedHeading =
    "This file holds data that this program cannot keep. Saving it would change the analysis:";

// One line per record ("Line 12: ..."), without the heading: the window puts its
// own words before them.
std::string UnrepresentedLines(const std::vector<UnrepresentedRecord>& records);

// The warning: the heading, then the lines.
std::string UnrepresentedWarning(const std::vector<UnrepresentedRecord>& records);

}  // namespace veldra::app

#endif  // VELDRA_APP_UNREPRESENTED_H
