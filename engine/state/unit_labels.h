// The fixed-width unit labels of the report headings, set from the units code.
#ifndef VELDRA_ENGINE_STATE_UNIT_LABELS_H
#define VELDRA_ENGINE_STATE_UNIT_LABELS_H

#include <string_view>

namespace veldra::engine {

struct UnitLabels {
  std::string_view l3;   // length, 3 characters
  std::string_view f4;   // force, 4 characters
  std::string_view l2;   // length, 2 characters
  std::string_view f3;   // force, 3 characters

  // Fixed atoms used to build composite labels such as F4 "-" L2 "**" "2".
  static constexpr std::string_view slash = "/";
  static constexpr std::string_view dash = "-";
  static constexpr std::string_view power = "**";
  static constexpr std::string_view two = "2";
  static constexpr std::string_view three = "3  ";
  static constexpr std::string_view four = "4";
  static constexpr std::string_view rad = "RAD";
};

// Code 1 English, 2 SI, any other code the user's own units.
UnitLabels unit_labels(int units_code);

}  // namespace veldra::engine

#endif
