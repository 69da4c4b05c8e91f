// The single fields of the fixed-column formatter: each appends exactly w characters
// (the whole text for A without width) to `out`. The rules are those stated in
// fortran_format.h; arguments are assumed to be in range (callers check them).
#ifndef VELDRA_ENGINE_FORMAT_EDIT_FIELDS_H
#define VELDRA_ENGINE_FORMAT_EDIT_FIELDS_H

#include <string>
#include <string_view>

namespace veldra::engine::fields {

// Limits shared by the format parser and the single-descriptor functions; they keep
// every field within the fixed buffers of the number formatting.
inline constexpr int kMaxWidth = 255;
inline constexpr int kMaxDigits = 255;
inline constexpr int kMaxScale = 127;

void append_stars(std::string& out, int w);
void append_i(std::string& out, long long value, int w, int m);  // m < 0: no minimum
void append_f(std::string& out, double value, int w, int d, int scale);
void append_e(std::string& out, double value, int w, int d, int scale);
void append_g(std::string& out, double value, int w, int d, int scale);
void append_a(std::string& out, std::string_view text, int w);   // w < 0: whole text

// The value rounded to the `digits` significant digits an E field carries (digits >= 1).
double round_to_significant(double value, int digits);

// Shortest round-trip text of a real for list-directed output.
void append_list_real(std::string& out, double value);

}  // namespace veldra::engine::fields

#endif  // VELDRA_ENGINE_FORMAT_EDIT_FIELDS_H
