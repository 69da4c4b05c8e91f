// Labels of the curve graphs' axes.
#include "framework/axis_number_format.h"

#include <gtest/gtest.h>

#include "framework/chart_data.h"

namespace veldra::framework {
namespace {

struct Case {
  long double value;
  const char* format;
  const char* text;
};

class AxisNumberFormat : public ::testing::TestWithParam<Case> {};

TEST_P(AxisNumberFormat, Label) {
  const Case& c = GetParam();
  EXPECT_EQ(FormatAxisNumber(c.value, c.format), c.text) << static_cast<double>(c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, AxisNumberFormat,
    ::testing::Values(
        // Grouping, up to three decimals, no trailing zeros, no "-0".
        Case{1234.5L, kAxisFormatPlain, "1,234.5"}, Case{-1500, kAxisFormatPlain, "-1,500"},
        Case{1234567.8916L, kAxisFormatPlain, "1,234,567.892"}, Case{0.25L, kAxisFormatPlain, "0.25"},
        Case{999.9996L, kAxisFormatPlain, "1,000"}, Case{-0.0004L, kAxisFormatPlain, "0"},
        Case{0, kAxisFormatPlain, "0"},
        // One digit before the point, one to three decimals, exponent signed only when negative.
        Case{250000, kAxisFormatExponent, "2.5E5"}, Case{100000, kAxisFormatExponent, "1.0E5"},
        Case{0.000125L, kAxisFormatExponent, "1.25E-4"}, Case{-2.5e-7L, kAxisFormatExponent, "-2.5E-7"},
        Case{999960, kAxisFormatExponent, "1.0E6"}, Case{0.001L, kAxisFormatExponent, "1.0E-3"},
        Case{1.23456e12L, kAxisFormatExponent, "1.235E12"}, Case{0, kAxisFormatExponent, "0.0E0"},
        // Whole numbers (the row axis of a one-column table).
        Case{1234.6L, kAxisFormatWhole, "1,235"}, Case{7, kAxisFormatWhole, "7"}));

}  // namespace
}  // namespace veldra::framework
