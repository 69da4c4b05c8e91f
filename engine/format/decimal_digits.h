// Correctly rounded decimal digits of a double, the one place where the formatter
// turns binary values into digits. Rounding is to nearest on the exact binary value,
// exact halves to even, as printf does.
#ifndef VELDRA_ENGINE_FORMAT_DECIMAL_DIGITS_H
#define VELDRA_ENGINE_FORMAT_DECIMAL_DIGITS_H

#include <cstddef>

namespace veldra::engine::fields {

// Writes the `digits` significant digits (1 <= digits <= 256) of magnitude >= 0,
// finite, to `out` (no point, no terminator) and returns the exponent x of the form
// d.ddd x 10^x; a rounding carry is already in x (9.9995 to 3 digits is "100", x = 1).
// Zero gives zeros and x = 0.
int scientific_digits(double magnitude, int digits, char* out);

// Writes the digits of magnitude >= 0, finite, rounded to `decimals` places
// (0 <= decimals), without the point, to out[0, room): at least decimals + 1 digits,
// so the last `decimals` are the fraction and the rest, at least "0", the integer
// part. Returns the count written, or -1 when `room` is too small.
int fixed_digits(double magnitude, int decimals, char* out, std::size_t room);

}  // namespace veldra::engine::fields

#endif  // VELDRA_ENGINE_FORMAT_DECIMAL_DIGITS_H
