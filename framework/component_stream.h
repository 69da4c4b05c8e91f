// The component-stream value encoding in which table definitions are stored.
//
// Each value is a one-byte tag and its payload, integers little-endian:
//   0 end of list, 1 start of list, 2 int8, 3 int16, 4 int32, 5 10-byte extended
//   float, 6 string with a one-byte length, 8 false, 9 true, 12 string with a 32-bit
//   length.
// The writer uses the smallest integer tag that holds the value and tag 6 for strings
// of up to 255 characters.
#ifndef VELDRA_FRAMEWORK_COMPONENT_STREAM_H
#define VELDRA_FRAMEWORK_COMPONENT_STREAM_H

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/entry_number.h"

namespace veldra::framework {

enum class ValueTag : std::uint8_t {
  kNull = 0,
  kList = 1,
  kInt8 = 2,
  kInt16 = 3,
  kInt32 = 4,
  kExtended = 5,
  kString = 6,
  kFalse = 8,
  kTrue = 9,
  kLString = 12,
};

// The 10 bytes of an 80-bit extended float (64-bit mantissa with explicit integer bit,
// 15-bit biased exponent, sign), little-endian, computed arithmetically so that the
// encoding does not depend on the platform's long double layout.
std::array<std::uint8_t, 10> EncodeExtended(EntryNumber value);
EntryNumber DecodeExtended(const std::array<std::uint8_t, 10>& bytes);

class ComponentWriter {
 public:
  void WriteInteger(std::int32_t value);
  void WriteBoolean(bool value);
  void WriteString(std::string_view value);
  void WriteExtended(EntryNumber value);
  void WriteListBegin();
  void WriteListEnd();

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  void Put(std::uint8_t byte) { bytes_.push_back(byte); }
  std::vector<std::uint8_t> bytes_;
};

// Reads values from a byte sequence that the caller keeps alive. Every read of a value
// of the wrong tag, or past the end, throws EReadError; the position is then
// unspecified.
class ComponentReader {
 public:
  explicit ComponentReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  ValueTag NextValue() const;  // tag of the next value without reading it
  bool AtEnd() const { return pos_ >= bytes_.size(); }
  std::size_t Position() const { return pos_; }

  std::int32_t ReadInteger();  // tags 2, 3, 4
  bool ReadBoolean();          // tags 8, 9
  std::string ReadString();    // tags 6, 12
  EntryNumber ReadExtended();  // tag 5
  void ReadListBegin();
  void ReadListEnd();
  bool EndOfList() const;      // the next value closes a list

 private:
  std::uint8_t Get();
  std::uint8_t ReadTag();
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_COMPONENT_STREAM_H
