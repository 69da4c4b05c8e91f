// Decimal text of numbers with "." as the separator, whatever the process locale.
#ifndef VELDRA_FRAMEWORK_DECIMAL_TEXT_H
#define VELDRA_FRAMEWORK_DECIMAL_TEXT_H

#include <string>
#include <string_view>

#include "framework/entry_number.h"

namespace veldra::framework {

// General format with up to `digits` significant digits: the value is rounded to that
// many digits, trailing zeros are dropped, and the exponent form (mantissa, "E", the
// exponent without plus sign or leading zeros: 1.2345679E8, 1.5E-6) is used only when
// the integer part needs more than `digits` digits or the magnitude is below 0.00001.
// Zero is "0"; non-finite values are "NAN", "INF" and "-INF".
std::string FormatGeneral(EntryNumber value, int digits);

enum class DecimalStatus {
  kOk,
  kInvalid,   // not of the form [sign] digits [. digits] [e|E [sign] digits]
  kOverflow,  // well formed but beyond the range of EntryNumber
};

// Reads a whole text as a decimal number: an optional sign ("-"; "+" only when
// allow_plus), digits with an optional decimal point (at least one digit), and an
// optional exponent. Nothing else is accepted: no blanks, "inf", "nan" or hex.
// A magnitude too small to represent reads as zero.
DecimalStatus ParseDecimal(std::string_view text, EntryNumber& value, bool allow_plus = false);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_DECIMAL_TEXT_H
