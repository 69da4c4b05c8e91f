// The framed heading that opens a section of the report.
#ifndef VELDRA_ENGINE_FORMAT_BANNER_H
#define VELDRA_ENGINE_FORMAT_BANNER_H

#include <iosfwd>
#include <string>

namespace veldra::engine {

// Two empty lines, 50 asterisks, the framed text ("*" text "*", 50 columns), 50
// asterisks, each indented 6 blanks.
void write_banner(std::ostream& report, const std::string& framed_text);

}  // namespace veldra::engine

#endif  // VELDRA_ENGINE_FORMAT_BANNER_H
