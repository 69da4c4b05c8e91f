#include "framework/component_stream.h"

#include <cmath>
#include <limits>

#include "framework/exceptions.h"

namespace veldra::framework {

namespace {

constexpr const char* kStreamReadError = "Stream read error";
constexpr const char* kInvalidValue = "Invalid property value";
constexpr int kExponentBias = 16383;

}  // namespace

std::array<std::uint8_t, 10> EncodeExtended(EntryNumber value) {
  std::uint64_t mantissa = 0;
  std::uint16_t exponent_field = 0;
  const bool negative = std::signbit(value);
  const EntryNumber magnitude = std::fabs(value);
  if (std::isnan(value)) {
    exponent_field = 0x7FFF;
    mantissa = 0xC000000000000000ULL;
  } else if (std::isinf(value)) {
    exponent_field = 0x7FFF;
    mantissa = 0x8000000000000000ULL;
  } else if (magnitude != 0) {
    int exponent = 0;
    const EntryNumber fraction = std::frexp(magnitude, &exponent);  // [0.5, 1)
    int biased = exponent - 1 + kExponentBias;
    if (biased >= 1) {
      mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    } else {
      // Denormal: exponent field 0 stands for 2^(1 - bias), no implicit integer bit.
      mantissa = static_cast<std::uint64_t>(std::ldexp(magnitude, 63 + kExponentBias - 1));
      biased = 0;
    }
    exponent_field = static_cast<std::uint16_t>(biased);
  }
  if (negative) exponent_field |= 0x8000;
  std::array<std::uint8_t, 10> bytes{};
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
  bytes[8] = static_cast<std::uint8_t>(exponent_field & 0xFF);
  bytes[9] = static_cast<std::uint8_t>(exponent_field >> 8);
  return bytes;
}

EntryNumber DecodeExtended(const std::array<std::uint8_t, 10>& bytes) {
  std::uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
  const int exponent_field = bytes[8] | (bytes[9] << 8);
  const bool negative = (exponent_field & 0x8000) != 0;
  const int biased = exponent_field & 0x7FFF;
  EntryNumber magnitude;
  if (biased == 0x7FFF) {
    magnitude = (mantissa << 1) == 0 ? std::numeric_limits<EntryNumber>::infinity()
                                     : std::numeric_limits<EntryNumber>::quiet_NaN();
  } else if (biased == 0) {
    magnitude = std::ldexp(static_cast<EntryNumber>(mantissa), 1 - kExponentBias - 63);
  } else {
    magnitude = std::ldexp(static_cast<EntryNumber>(mantissa), biased - kExponentBias - 63);
  }
  return negative ? -magnitude : magnitude;
}

void ComponentWriter::WriteInteger(std::int32_t value) {
  if (value >= -128 && value <= 127) {
    Put(static_cast<std::uint8_t>(ValueTag::kInt8));
    Put(static_cast<std::uint8_t>(value));
  } else if (value >= -32768 && value <= 32767) {
    Put(static_cast<std::uint8_t>(ValueTag::kInt16));
    for (int i = 0; i < 2; ++i) Put(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i)));
  } else {
    Put(static_cast<std::uint8_t>(ValueTag::kInt32));
    for (int i = 0; i < 4; ++i) Put(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i)));
  }
}

void ComponentWriter::WriteBoolean(bool value) {
  Put(static_cast<std::uint8_t>(value ? ValueTag::kTrue : ValueTag::kFalse));
}

void ComponentWriter::WriteString(std::string_view value) {
  if (value.size() <= 255) {
    Put(static_cast<std::uint8_t>(ValueTag::kString));
    Put(static_cast<std::uint8_t>(value.size()));
  } else {
    Put(static_cast<std::uint8_t>(ValueTag::kLString));
    const auto length = static_cast<std::uint32_t>(value.size());
    for (int i = 0; i < 4; ++i) Put(static_cast<std::uint8_t>(length >> (8 * i)));
  }
  for (char c : value) Put(static_cast<std::uint8_t>(c));
}

void ComponentWriter::WriteExtended(EntryNumber value) {
  Put(static_cast<std::uint8_t>(ValueTag::kExtended));
  for (std::uint8_t byte : EncodeExtended(value)) Put(byte);
}

void ComponentWriter::WriteListBegin() { Put(static_cast<std::uint8_t>(ValueTag::kList)); }
void ComponentWriter::WriteListEnd() { Put(static_cast<std::uint8_t>(ValueTag::kNull)); }

std::uint8_t ComponentReader::Get() {
  if (pos_ >= bytes_.size()) throw EReadError(kStreamReadError);
  return bytes_[pos_++];
}

std::uint8_t ComponentReader::ReadTag() { return Get(); }

ValueTag ComponentReader::NextValue() const {
  if (pos_ >= bytes_.size()) throw EReadError(kStreamReadError);
  return static_cast<ValueTag>(bytes_[pos_]);
}

std::int32_t ComponentReader::ReadInteger() {
  const auto tag = static_cast<ValueTag>(ReadTag());
  int size;
  switch (tag) {
    case ValueTag::kInt8: size = 1; break;
    case ValueTag::kInt16: size = 2; break;
    case ValueTag::kInt32: size = 4; break;
    default: throw EReadError(kInvalidValue);
  }
  std::uint32_t raw = 0;
  for (int i = 0; i < size; ++i) raw |= static_cast<std::uint32_t>(Get()) << (8 * i);
  if (size == 1) return static_cast<std::int8_t>(raw);
  if (size == 2) return static_cast<std::int16_t>(raw);
  return static_cast<std::int32_t>(raw);
}

bool ComponentReader::ReadBoolean() {
  const auto tag = static_cast<ValueTag>(ReadTag());
  if (tag == ValueTag::kTrue) return true;
  if (tag == ValueTag::kFalse) return false;
  throw EReadError(kInvalidValue);
}

std::string ComponentReader::ReadString() {
  const auto tag = static_cast<ValueTag>(ReadTag());
  std::uint32_t length = 0;
  if (tag == ValueTag::kString) {
    length = Get();
  } else if (tag == ValueTag::kLString) {
    for (int i = 0; i < 4; ++i) length |= static_cast<std::uint32_t>(Get()) << (8 * i);
  } else {
    throw EReadError(kInvalidValue);
  }
  if (length > bytes_.size() - pos_) throw EReadError(kStreamReadError);
  std::string text(reinterpret_cast<const char*>(bytes_.data() + pos_), length);
  pos_ += length;
  return text;
}

EntryNumber ComponentReader::ReadExtended() {
  if (static_cast<ValueTag>(ReadTag()) != ValueTag::kExtended) throw EReadError(kInvalidValue);
  std::array<std::uint8_t, 10> bytes{};
  for (auto& byte : bytes) byte = Get();
  return DecodeExtended(bytes);
}

void ComponentReader::ReadListBegin() {
  if (static_cast<ValueTag>(ReadTag()) != ValueTag::kList) throw EReadError(kInvalidValue);
}

void ComponentReader::ReadListEnd() {
  if (static_cast<ValueTag>(ReadTag()) != ValueTag::kNull) throw EReadError(kInvalidValue);
}

bool ComponentReader::EndOfList() const { return NextValue() == ValueTag::kNull; }

}  // namespace veldra::framework
