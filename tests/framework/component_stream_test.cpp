// The component-stream value encoding of definition records.
#include "framework/component_stream.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "framework/exceptions.h"

namespace veldra::framework {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ComponentWriter, IntegersTakeTheSmallestTag) {
  struct Case {
    std::int32_t value;
    Bytes bytes;
  };
  const Case cases[] = {
      {0, {2, 0x00}},
      {-1, {2, 0xFF}},
      {127, {2, 0x7F}},
      {-128, {2, 0x80}},
      {128, {3, 0x80, 0x00}},
      {-129, {3, 0x7F, 0xFF}},
      {1000, {3, 0xE8, 0x03}},
      {32768, {4, 0x00, 0x80, 0x00, 0x00}},
      {2147483647, {4, 0xFF, 0xFF, 0xFF, 0x7F}},
      {-2147483647 - 1, {4, 0x00, 0x00, 0x00, 0x80}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    ComponentWriter writer;
    writer.WriteInteger(c.value);
    EXPECT_EQ(writer.Bytes(), c.bytes);
    ComponentReader reader(writer.Bytes());
    EXPECT_EQ(reader.ReadInteger(), c.value);
    EXPECT_TRUE(reader.AtEnd());
  }
}

TEST(ComponentWriter, StringsBooleansAndLists) {
  ComponentWriter writer;
  writer.WriteListBegin();
  writer.WriteString("L2");
  writer.WriteBoolean(true);
  writer.WriteBoolean(false);
  writer.WriteListEnd();
  EXPECT_EQ(writer.Bytes(), (Bytes{1, 6, 2, 'L', '2', 9, 8, 0}));

  const std::string long_text(300, 'x');
  ComponentWriter long_writer;
  long_writer.WriteString(long_text);
  ASSERT_EQ(long_writer.Bytes().size(), 5u + 300u);
  EXPECT_EQ(Bytes(long_writer.Bytes().begin(), long_writer.Bytes().begin() + 5), (Bytes{12, 0x2C, 0x01, 0, 0}));
  ComponentReader reader(long_writer.Bytes());
  EXPECT_EQ(reader.ReadString(), long_text);
}

TEST(ComponentWriter, ExtendedIsTheTenByteFloat) {
  // 1.0: mantissa 0x8000000000000000, exponent 16383 (0x3FFF).
  EXPECT_EQ(EncodeExtended(1.0L), (std::array<std::uint8_t, 10>{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
  // -2.0: exponent 0x4000 with the sign bit.
  EXPECT_EQ(EncodeExtended(-2.0L), (std::array<std::uint8_t, 10>{0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}));
  EXPECT_EQ(EncodeExtended(0.0L), (std::array<std::uint8_t, 10>{}));
  ComponentWriter writer;
  writer.WriteExtended(1.0L);
  EXPECT_EQ(writer.Bytes().size(), 11u);
  EXPECT_EQ(writer.Bytes()[0], 5);
}

TEST(ComponentWriter, ExtendedMatchesTheNativeLayoutAndRoundTrips) {
  const long double values[] = {0.1L,
                                1.0L / 3,
                                -224.8089237L,
                                1e-300L,
                                std::numeric_limits<long double>::max(),
                                std::numeric_limits<long double>::min(),
                                std::numeric_limits<long double>::denorm_min(),
                                std::numeric_limits<long double>::infinity(),
                                -0.0L};
  for (long double value : values) {
    SCOPED_TRACE(static_cast<double>(value));
    const auto bytes = EncodeExtended(value);
    if (LDBL_MANT_DIG == 64) {
      unsigned char native[sizeof(long double)] = {};
      std::memcpy(native, &value, sizeof value);
      EXPECT_EQ(std::memcmp(native, bytes.data(), 10), 0);
    }
    const long double back = DecodeExtended(bytes);
    EXPECT_EQ(back, value);
    EXPECT_EQ(std::signbit(back), std::signbit(value));
  }
  EXPECT_TRUE(std::isnan(DecodeExtended(EncodeExtended(std::numeric_limits<long double>::quiet_NaN()))));
}

TEST(ComponentReader, MalformedValuesThrow) {
  const Bytes truncated_int = {3, 0x01};
  const Bytes wrong_tag = {6, 1, 'x'};
  const Bytes string_past_end = {6, 10, 'a'};
  const Bytes empty = {};
  EXPECT_THROW(ComponentReader(truncated_int).ReadInteger(), EReadError);
  EXPECT_THROW(ComponentReader(wrong_tag).ReadInteger(), EReadError);
  EXPECT_THROW(ComponentReader(wrong_tag).ReadBoolean(), EReadError);
  EXPECT_THROW(ComponentReader(string_past_end).ReadString(), EReadError);
  EXPECT_THROW(ComponentReader(empty).ReadExtended(), EReadError);
  EXPECT_THROW(ComponentReader(empty).NextValue(), EReadError);
}

}  // namespace
}  // namespace veldra::framework
