#include "engine/format/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace veldra::engine::fields {
namespace {

// The powers of ten that a double holds exactly.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPower = 22;
constexpr double kTwoTo53 = 9007199254740992.0;

// The shortcut that makes a report of thousands of numbers cheap: |v| x 10^p rounded
// to an integer in double arithmetic. With |p| <= 22 the power is exact, so the
// product (or quotient) is rounded once and lies within y * 2^-53 of the exact value;
// the rounding to an integer is then the exact one unless a tie n + 1/2 lies within
// that distance. Returns false in that case, or when y is too large for the test,
// and the caller takes the slow exact path. Sets `scaled` to y.
bool round_scaled(double magnitude, int p, std::uint64_t& rounded, double& scaled) {
  if (p < -kMaxExactPower || p > kMaxExactPower) return false;
  const double y = p >= 0 ? magnitude * kPow10[p] : magnitude / kPow10[-p];
  scaled = y;
  if (!(y < kTwoTo53 / 4)) return false;
  const double whole = std::floor(y);
  const double fraction = y - whole;  // exact below 2^53
  if (std::fabs(fraction - 0.5) <= y * 0x1p-51) return false;
  rounded = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
  return true;
}

// Writes n with exactly `count` digits (leading zeros) to out.
void write_digits(std::uint64_t n, int count, char* out) {
  for (int i = count - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + n % 10);
    n /= 10;
  }
}

int scientific_digits_exact(double magnitude, int digits, char* out) {
  char buf[300];
  const auto r = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                               digits - 1);
  const char* p = buf;
  int n = 0;
  for (; p < r.ptr && *p != 'e'; ++p) {
    if (*p != '.') out[n++] = *p;
  }
  // to_chars writes the exponent as e+XX, e-XX or e+XXX.
  int exponent = 0;
  const bool negative = p + 1 < r.ptr && p[1] == '-';
  for (p += 2; p < r.ptr; ++p) exponent = exponent * 10 + (*p - '0');
  return negative ? -exponent : exponent;
}

}  // namespace

int scientific_digits(double magnitude, int digits, char* out) {
  if (magnitude == 0) {
    for (int i = 0; i < digits; ++i) out[i] = '0';
    return 0;
  }
  if (digits <= 15) {
    // First guess of the decimal exponent from the binary one; off by at most one,
    // which the range check of the scaled value corrects.
    int x = static_cast<int>(std::floor(std::ilogb(magnitude) * 0.30102999566398120));
    const double low = kPow10[digits - 1];
    const double high = kPow10[digits];
    for (int attempt = 0; attempt < 3; ++attempt) {
      std::uint64_t n = 0;
      double y = 0;
      const bool exact = round_scaled(magnitude, digits - 1 - x, n, y);
      if (y < low && y > 0) {
        --x;
        continue;
      }
      if (y >= high) {
        ++x;
        continue;
      }
      if (!exact) break;
      if (n == static_cast<std::uint64_t>(high)) {  // the rounding carried: 9.9995 -> 10.0
        n /= 10;
        ++x;
      }
      write_digits(n, digits, out);
      return x;
    }
  }
  return scientific_digits_exact(magnitude, digits, out);
}

int fixed_digits(double magnitude, int decimals, char* out, std::size_t room) {
  std::uint64_t n = 0;
  double y = 0;
  if (room >= 24 && round_scaled(magnitude, decimals, n, y)) {
    int count = 1;
    for (std::uint64_t rest = n / 10; rest != 0; rest /= 10) ++count;
    if (count < decimals + 1) count = decimals + 1;
    write_digits(n, count, out);
    return count;
  }
  char* const end = out + room;
  const auto r = std::to_chars(out, end, magnitude, std::chars_format::fixed, decimals);
  if (r.ec != std::errc{}) return -1;
  // Close the gap of the point.
  char* write = out;
  for (char* p = out; p < r.ptr; ++p) {
    if (*p != '.') *write++ = *p;
  }
  return static_cast<int>(write - out);
}

}  // namespace veldra::engine::fields
