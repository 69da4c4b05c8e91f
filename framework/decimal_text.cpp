#include "framework/decimal_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace veldra::framework {

std::string FormatGeneral(EntryNumber value, int digits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";
  if (digits < 1) digits = 1;

  // Scientific text "d.ddde[+-]xx" gives the correctly rounded digits and exponent.
  char buffer[128];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, digits - 1);
  const std::string_view sci(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t e_pos = sci.find('e');
  std::string mantissa;
  for (char c : sci.substr(0, e_pos))
    if (c != '.') mantissa += c;
  const int exponent = std::atoi(std::string(sci.substr(e_pos + 1)).c_str());
  while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

  std::string text = value < 0 ? "-" : "";
  if (exponent + 1 > digits || exponent < -5) {
    text += mantissa[0];
    if (mantissa.size() > 1) text += "." + mantissa.substr(1);
    text += "E" + std::to_string(exponent);
    return text;
  }
  if (exponent >= 0) {
    const std::size_t int_digits = static_cast<std::size_t>(exponent) + 1;
    if (mantissa.size() <= int_digits) {
      text += mantissa + std::string(int_digits - mantissa.size(), '0');
    } else {
      text += mantissa.substr(0, int_digits) + "." + mantissa.substr(int_digits);
    }
    return text;
  }
  text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
  return text;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

DecimalStatus ParseDecimal(std::string_view text, EntryNumber& value, bool allow_plus) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || (allow_plus && text[i] == '+'))) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t mantissa_start = i;
  std::size_t point = std::string_view::npos;
  int digit_count = 0;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      ++digit_count;
    } else if (text[i] == '.' && point == std::string_view::npos) {
      point = i;
    } else {
      break;
    }
  }
  if (digit_count == 0) return DecimalStatus::kInvalid;
  const std::size_t mantissa_end = i;
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool exp_negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
      exp_negative = text[i] == '-';
      ++i;
    }
    if (i >= text.size() || !IsDigit(text[i])) return DecimalStatus::kInvalid;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      if (exponent < 1000000) exponent = exponent * 10 + (text[i] - '0');
    }
    if (exp_negative) exponent = -exponent;
  }
  if (i != text.size()) return DecimalStatus::kInvalid;

  // from_chars reads with "." whatever the locale; it takes no leading plus.
  const std::string_view body = text.substr(mantissa_start);
  EntryNumber parsed = 0;
  const auto result = std::from_chars(body.data(), body.data() + body.size(), parsed,
                                      std::chars_format::general);
  if (result.ec == std::errc()) {
    value = negative ? -parsed : parsed;
    return DecimalStatus::kOk;
  }
  if (result.ec != std::errc::result_out_of_range) return DecimalStatus::kInvalid;

  // Out of range: decide from the decimal magnitude whether it is huge or tiny.
  const std::size_t point_pos = point == std::string_view::npos ? mantissa_end : point;
  long long magnitude = exponent;
  for (std::size_t k = mantissa_start; k < mantissa_end; ++k) {
    if (text[k] >= '1' && text[k] <= '9') {
      magnitude += k < point_pos ? static_cast<long long>(point_pos - k)
                                 : -static_cast<long long>(k - point_pos) + 1;
      break;
    }
  }
  if (magnitude > 0) return DecimalStatus::kOverflow;
  value = negative ? -0.0L : 0.0L;
  return DecimalStatus::kOk;
}

}  // namespace veldra::framework
