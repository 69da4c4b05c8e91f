#include "engine/format/edit_fields.h"

#include "engine/format/decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace veldra::engine::fields {
namespace {

// Room for the fixed-point digits of the largest double (309 integer digits) with
// kMaxDigits + kMaxScale decimals, plus kMaxScale zeros put in front when a negative
// scale factor moves the point left of the first digit.
constexpr int kFixedRoom = kMaxScale + 309 + 1 + kMaxDigits + kMaxScale + 16;
// Room for the scientific digits of an E field: at most kMaxDigits + 1 digits.
constexpr int kScientificRoom = kMaxDigits + 16;

// One field put together on the stack and appended in one go: a report holds
// thousands of fields, and every single append to a string checks its capacity.
class Field {
 public:
  explicit Field(int blanks) : size_(blanks) { std::memset(text_, ' ', static_cast<std::size_t>(blanks)); }
  void put(char c) { text_[size_++] = c; }
  void put(const char* text, int count) {
    std::memcpy(text_ + size_, text, static_cast<std::size_t>(count));
    size_ += count;
  }
  void fill(char c, int count) {
    std::memset(text_ + size_, c, static_cast<std::size_t>(count));
    size_ += count;
  }
  void append_to(std::string& out) const { out.append(text_, static_cast<std::size_t>(size_)); }

 private:
  char text_[kMaxWidth];  // callers check that the field fits its width first
  int size_;
};

// NaN and infinities as gfortran writes them, so that a value the engine failed to
// guard is still recognisable in the report.
bool append_non_finite(std::string& out, double value, int w) {
  if (std::isfinite(value)) return false;
  std::string_view text;
  if (std::isnan(value)) {
    if (w >= 3) text = "NaN";
  } else if (value > 0) {
    text = w >= 8 ? "Infinity" : (w >= 3 ? "Inf" : "");
  } else {
    text = w >= 9 ? "-Infinity" : (w >= 4 ? "-Inf" : "");
  }
  if (text.empty()) {
    append_stars(out, w);
  } else {
    out.append(static_cast<std::size_t>(w) - text.size(), ' ');
    out.append(text);
  }
  return true;
}

// Fw.d with scale factor; appends only when the number fits and says whether it did.
bool try_f(std::string& out, double value, int w, int d, int scale) {
  const bool negative = std::signbit(value);
  const double magnitude = std::fabs(value);
  char buf[kFixedRoom];
  char* first = buf + kMaxScale;  // room to put zeros in front
  char* last = nullptr;
  int point = 0;  // count of integer digits in [first, last)

  const int decimals = d + scale;
  // Scaling by 10^k is done by moving the decimal point in the exactly rounded
  // digits, so 1P,F8.0 of 0.15 (0.1499999...) is "1." as in Fortran. Only a negative
  // scale larger than d (never used in a layout) falls back to binary scaling.
  const double source = decimals >= 0 ? magnitude : magnitude * std::pow(10.0, scale);
  const int places = decimals >= 0 ? decimals : d;
  const int count = fixed_digits(source, places, first, sizeof buf - kMaxScale);
  if (count < 0) return false;
  last = first + count;
  point = count - places;
  if (decimals >= 0) point += scale;
  if (point < 0) {
    first -= -point;
    std::memset(first, '0', static_cast<std::size_t>(-point));
    point = 0;
  }

  const char* int_begin = first;
  const char* const int_end = first + point;
  while (int_begin < int_end && *int_begin == '0') ++int_begin;
  const int int_len = static_cast<int>(int_end - int_begin);
  const int frac_len = static_cast<int>(last - int_end);

  int length = (negative ? 1 : 0) + int_len + 1 + frac_len;
  bool leading_zero = false;
  if (int_len == 0) {
    if (length + 1 <= w) {
      leading_zero = true;
      ++length;
    } else if (frac_len == 0) {
      return false;  // a bare "." would hold no digit at all
    }
  }
  if (length > w) return false;
  Field field(w - length);
  if (negative) field.put('-');
  if (leading_zero) field.put('0');
  field.put(int_begin, int_len);
  field.put('.');
  field.put(int_end, frac_len);
  field.append_to(out);
  return true;
}

// kP,Ew.d; appends only when the number fits and says whether it did.
bool try_e(std::string& out, double value, int w, int d, int scale) {
  if (scale <= 0 ? d + scale < 1 : scale > d + 1) return false;
  const int significant = scale <= 0 ? d + scale : d + 1;
  const bool negative = std::signbit(value);
  const double magnitude = std::fabs(value);
  char digits[kScientificRoom];
  const int x = scientific_digits(magnitude, significant, digits);
  const int exponent = magnitude == 0 ? 0 : x + 1 - scale;

  char exponent_text[4];
  const int abs_exponent = std::abs(exponent);
  if (abs_exponent <= 99) {
    exponent_text[0] = 'E';
    exponent_text[1] = exponent < 0 ? '-' : '+';
    exponent_text[2] = static_cast<char>('0' + abs_exponent / 10);
    exponent_text[3] = static_cast<char>('0' + abs_exponent % 10);
  } else if (abs_exponent <= 999) {
    // Three exponent digits take the place of the "E".
    exponent_text[0] = exponent < 0 ? '-' : '+';
    exponent_text[1] = static_cast<char>('0' + abs_exponent / 100);
    exponent_text[2] = static_cast<char>('0' + abs_exponent / 10 % 10);
    exponent_text[3] = static_cast<char>('0' + abs_exponent % 10);
  } else {
    return false;
  }

  const int int_digits = scale > 0 ? scale : 0;
  const int zeros_after_point = scale < 0 ? -scale : 0;
  int length = (negative ? 1 : 0) + int_digits + 1 + zeros_after_point +
               (significant - int_digits) + 4;
  const bool leading_zero = scale <= 0 && length + 1 <= w;
  if (leading_zero) ++length;
  if (length > w) return false;
  Field field(w - length);
  if (negative) field.put('-');
  if (leading_zero) field.put('0');
  field.put(digits, int_digits);
  field.put('.');
  field.fill('0', zeros_after_point);
  field.put(digits + int_digits, significant - int_digits);
  field.put(exponent_text, 4);
  field.append_to(out);
  return true;
}

}  // namespace

void append_stars(std::string& out, int w) { out.append(static_cast<std::size_t>(w), '*'); }

void append_i(std::string& out, long long value, int w, int m) {
  const bool negative = value < 0;
  // Negating in unsigned arithmetic keeps LLONG_MIN exact.
  const unsigned long long magnitude =
      negative ? 0ULL - static_cast<unsigned long long>(value)
               : static_cast<unsigned long long>(value);
  char digits[24];
  int n = 0;
  if (!(magnitude == 0 && m == 0)) {  // Iw.0 of zero has no digit at all
    n = static_cast<int>(std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits);
  }
  const int zeros = std::max(0, m - n);
  const int length = (negative ? 1 : 0) + zeros + n;
  if (length > w) {
    append_stars(out, w);
    return;
  }
  Field field(w - length);
  if (negative) field.put('-');
  field.fill('0', zeros);
  field.put(digits, n);
  field.append_to(out);
}

void append_f(std::string& out, double value, int w, int d, int scale) {
  if (append_non_finite(out, value, w)) return;
  if (!try_f(out, value, w, d, scale)) append_stars(out, w);
}

void append_e(std::string& out, double value, int w, int d, int scale) {
  if (append_non_finite(out, value, w)) return;
  if (!try_e(out, value, w, d, scale)) append_stars(out, w);
}

void append_g(std::string& out, double value, int w, int d, int scale) {
  if (append_non_finite(out, value, w)) return;
  if (d == 0) {
    append_stars(out, w);
    return;
  }
  int decimals = d - 1;  // zero
  if (value != 0) {
    // The choice of form depends on the value rounded to d digits, so that 0.099996
    // in G10.3 (rounding to 0.100) takes the F form like 0.1 itself.
    char digits[kScientificRoom];
    const int e = scientific_digits(std::fabs(value), d, digits) + 1;
    if (e < 0 || e > d) {
      if (!try_e(out, value, w, d, scale)) append_stars(out, w);
      return;
    }
    decimals = d - e;
  }
  // The F form ignores the scale factor.
  if (w > 4 && try_f(out, value, w - 4, decimals, 0)) {
    out.append(4, ' ');
  } else {
    append_stars(out, w);
  }
}

void append_a(std::string& out, std::string_view text, int w) {
  if (w < 0) {
    out.append(text);
    return;
  }
  const auto width = static_cast<std::size_t>(w);
  if (text.size() >= width) {
    out.append(text.substr(0, width));
  } else {
    out.append(text);
    out.append(width - text.size(), ' ');
  }
}

double round_to_significant(double value, int digits) {
  if (!std::isfinite(value)) return value;
  char buf[kScientificRoom];
  const auto w = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                               digits - 1);
  double result = value;
  std::from_chars(buf, w.ptr, result);
  return result;
}

void append_list_real(std::string& out, double value) {
  if (std::isnan(value)) {
    out.append("NaN");
    return;
  }
  if (std::isinf(value)) {
    out.append(value > 0 ? "Infinity" : "-Infinity");
    return;
  }
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  bool marked = false;  // shows a point or an exponent
  for (char* p = buf; p < r.ptr; ++p) {
    if (*p == 'e') *p = 'E';
    if (*p == '.' || *p == 'E') marked = true;
  }
  out.append(buf, static_cast<std::size_t>(r.ptr - buf));
  if (!marked) out.append(".0");
}

}  // namespace veldra::engine::fields
