#include "framework/axis_ticks.h"

#include <cmath>

#include "framework/decimal_text.h"

namespace veldra::framework {

namespace {

constexpr int kTextHeightsPerDivision = 6;
constexpr int kMinorPerMajor = 5;
constexpr int kTickLabelDigits = 4;
// A tick this close to the range's end (in minor steps) still lies inside it.
constexpr EntryNumber kEndTolerance = 1e-9L;

}  // namespace

int MajorDivisions(int pixels, int text_height) {
  if (pixels <= 0 || text_height <= 0) return 0;
  return pixels / (kTextHeightsPerDivision * text_height);
}

EntryNumber MajorStep(EntryNumber range, int divisions) {
  if (!(range > 0) || divisions <= 0 || !std::isfinite(range)) return 0;
  const EntryNumber raw = range / divisions;
  const EntryNumber p = std::pow(10.0L, std::floor(std::log10(raw)));
  const EntryNumber k = std::trunc(raw / p);
  // k can come out 0 or 10 when the logarithm rounds across a power of ten.
  if (k < 2) return p;
  if (k < 5) return 2 * p;
  if (k < 9) return 5 * p;
  return 10 * p;
}

std::vector<AxisTick> AxisTicks(EntryNumber min, EntryNumber max, EntryNumber major_step) {
  std::vector<AxisTick> ticks;
  const EntryNumber minor = major_step / kMinorPerMajor;
  if (!(minor > 0) || !std::isfinite(minor) || !(max >= min)) return ticks;
  const EntryNumber first = std::ceil(min / minor - kEndTolerance);
  const EntryNumber last = std::floor(max / minor + kEndTolerance);
  if (!std::isfinite(first) || !std::isfinite(last) || last - first >= kMaxTicks) return ticks;
  for (EntryNumber i = first; i <= last; ++i) {
    const bool major = std::fmod(i, static_cast<EntryNumber>(kMinorPerMajor)) == 0;
    ticks.push_back({i == 0 ? 0 : i * major_step / kMinorPerMajor, major});
  }
  return ticks;
}

std::string TickLabel(EntryNumber value) { return FormatGeneral(value, kTickLabelDigits); }

}  // namespace veldra::framework
