#include "framework/axis_number_format.h"

#include <charconv>
#include <cmath>

#include "framework/chart_data.h"

namespace veldra::framework {

namespace {

// "1234567" -> "1,234,567".
std::string Grouped(std::string_view digits) {
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

// Fixed text of |value| with `decimals` decimals, correctly rounded.
std::string Fixed(double magnitude, int decimals) {
  char buffer[512];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, decimals);
  return std::string(buffer, result.ptr);
}

bool AllZeros(std::string_view text) { return text.find_first_not_of("0.,") == std::string_view::npos; }

std::string Plain(double value, int decimals) {
  std::string fixed = Fixed(std::fabs(value), decimals);
  const std::size_t point = fixed.find('.');
  std::string whole = fixed.substr(0, point);
  std::string fraction = point == std::string::npos ? "" : fixed.substr(point + 1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  std::string text = Grouped(whole);
  if (!fraction.empty()) text += "." + fraction;
  if (value < 0 && !AllZeros(text)) text = "-" + text;
  return text;
}

std::string Exponent(double value) {
  if (value == 0) return "0.0E0";
  int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  std::string mantissa = Fixed(std::fabs(value) / std::pow(10.0, exponent), 3);
  if (mantissa[0] == '0') {
    // log10 came out a hair above a whole number.
    --exponent;
    mantissa = Fixed(std::fabs(value) / std::pow(10.0, exponent), 3);
  }
  if (mantissa.size() > 1 && mantissa[1] != '.') {
    // Rounded up to 10.000: one more in the exponent.
    ++exponent;
    mantissa = Fixed(std::fabs(value) / std::pow(10.0, exponent), 3);
  }
  while (mantissa.size() > 3 && mantissa.back() == '0') mantissa.pop_back();  // keep "d.d"
  return (value < 0 ? "-" : "") + mantissa + "E" + std::to_string(exponent);
}

}  // namespace

std::string FormatAxisNumber(EntryNumber value, std::string_view format) {
  const double v = static_cast<double>(value);
  if (!std::isfinite(v)) return v != v ? "NAN" : (v < 0 ? "-INF" : "INF");
  if (format == kAxisFormatExponent) return Exponent(v);
  if (format == kAxisFormatWhole) return Plain(v, 0);
  return Plain(v, 3);
}

}  // namespace veldra::framework
