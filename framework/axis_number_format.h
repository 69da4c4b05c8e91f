// Axis labels of a curve table's graph in the three number formats of chart_data.h.
#ifndef VELDRA_FRAMEWORK_AXIS_NUMBER_FORMAT_H
#define VELDRA_FRAMEWORK_AXIS_NUMBER_FORMAT_H

#include <string>
#include <string_view>

#include "framework/entry_number.h"

namespace veldra::framework {

// The label of `value` in `format`, with "," between groups of thousands and "." as
// the decimal separator:
//   "#,##0.###"  up to three decimals, trailing zeros dropped: 1,234.5
//   "#.0##E-0"   one digit before the point, one to three decimals, the exponent
//                signed only when negative: 2.5E5, 1.25E-4
//   "#,##0"      whole numbers: 1,235
// Rounding is to nearest; a value that rounds to zero shows without a sign. Any other
// format is taken as the first.
std::string FormatAxisNumber(EntryNumber value, std::string_view format);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_AXIS_NUMBER_FORMAT_H
