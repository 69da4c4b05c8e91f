// A parsed format: the flat list of items that one WRITE walks through.
//
// Repeat counts are unrolled and neighbouring blanks, literals and "/" are joined
// into one text item when the format is parsed, so that writing a line is a single
// pass over the items with no nesting left to track.
#ifndef VELDRA_ENGINE_FORMAT_FORMAT_PROGRAM_H
#define VELDRA_ENGINE_FORMAT_FORMAT_PROGRAM_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veldra::engine {

struct FormatItem {
  enum class Kind : std::uint8_t {
    kText,   // fixed text: literals, blanks, and '\n' for "/"
    kColon,  // stop when no value is left
    kScale,  // kP: `d` holds k
    kI,      // Iw.m: `d` holds m, -1 when not given
    kF,      // Fw.d
    kE,      // Ew.d
    kG,      // Gw.d
    kA       // Aw: `w` is -1 for A without width
  };
  Kind kind = Kind::kText;
  int w = 0;
  int d = 0;
  std::uint32_t text_begin = 0;  // kText: the item's characters in FormatProgram::text
  std::uint32_t text_size = 0;

  bool is_data() const { return kind >= Kind::kI; }
};

struct FormatProgram {
  std::vector<FormatItem> items;
  std::string text;              // characters of all text items
  std::size_t reversion = 0;     // item where format reversion resumes
  bool reversion_has_data = false;  // false: reversion would loop without a value
};

// Parses a format text (outer parentheses optional). Throws std::invalid_argument
// with the reason and the column on a malformed format.
FormatProgram parse_format(std::string_view format);

}  // namespace veldra::engine

#endif  // VELDRA_ENGINE_FORMAT_FORMAT_PROGRAM_H
