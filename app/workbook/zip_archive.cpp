#include "app/workbook/zip_archive.h"

#include <zlib.h>

#include <limits>

#include "framework/file_errors.h"

namespace veldra::app {

namespace {

constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::uint32_t kCentralHeader = 0x02014b50;
constexpr std::uint32_t kEndOfDirectory = 0x06054b50;
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::size_t kCentralHeaderSize = 46;
constexpr std::size_t kEndOfDirectorySize = 22;
constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDeflated = 8;
constexpr std::uint16_t kVersion = 20;  // 2.0: deflate
// Raw deflate streams, without zlib's header and checksum.
constexpr int kRawWindowBits = -15;

[[noreturn]] void Malformed(const std::string& what) {
  throw framework::EInOutError("Not a readable workbook archive: " + what);
}

std::uint32_t Read(std::string_view bytes, std::size_t at, int size) {
  if (at + static_cast<std::size_t>(size) > bytes.size()) Malformed("it ends inside a header");
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

void Put(std::string& out, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out.push_back(static_cast<char>(value >> (8 * i) & 0xff));
}

std::uint32_t Crc(std::string_view data) {
  return static_cast<std::uint32_t>(
      crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

std::string Inflate(std::string_view packed, std::size_t size, const std::string& name) {
  std::string out(size, '\0');
  z_stream z{};
  if (inflateInit2(&z, kRawWindowBits) != Z_OK) Malformed("cannot inflate " + name);
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
  z.avail_in = static_cast<uInt>(packed.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  const int status = inflate(&z, Z_FINISH);
  const bool whole = status == Z_STREAM_END && z.total_out == size;
  inflateEnd(&z);
  if (!whole) Malformed(name + " does not inflate to its size");
  return out;
}

std::string Deflate(std::string_view data) {
  z_stream z{};
  if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kRawWindowBits, 8, Z_DEFAULT_STRATEGY) != Z_OK)
    throw framework::Exception("cannot start deflating");
  std::string out(deflateBound(&z, static_cast<uLong>(data.size())), '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  const int status = deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  if (status != Z_STREAM_END) throw framework::Exception("deflating failed");
  return out;
}

}  // namespace

std::vector<ZipEntry> ReadZip(std::string_view bytes) {
  if (bytes.size() < kEndOfDirectorySize) Malformed("too short");
  // The end record sits last, before a comment of at most 64 KiB.
  std::size_t end = bytes.size() - kEndOfDirectorySize;
  const std::size_t lowest = end > 0xffff ? end - 0xffff : 0;
  while (Read(bytes, end, 4) != kEndOfDirectory) {
    if (end == lowest) Malformed("no end of central directory");
    --end;
  }
  const std::size_t count = Read(bytes, end + 10, 2);
  std::size_t at = Read(bytes, end + 16, 4);

  std::vector<ZipEntry> entries;
  for (std::size_t i = 0; i < count; ++i) {
    if (Read(bytes, at, 4) != kCentralHeader) Malformed("a broken central directory");
    ZipEntry entry;
    const auto method = static_cast<std::uint16_t>(Read(bytes, at + 10, 2));
    entry.dos_time = static_cast<std::uint16_t>(Read(bytes, at + 12, 2));
    entry.dos_date = static_cast<std::uint16_t>(Read(bytes, at + 14, 2));
    const std::uint32_t crc = Read(bytes, at + 16, 4);
    const std::size_t packed_size = Read(bytes, at + 20, 4);
    const std::size_t size = Read(bytes, at + 24, 4);
    const std::size_t name_length = Read(bytes, at + 28, 2);
    const std::size_t extra_length = Read(bytes, at + 30, 2);
    const std::size_t comment_length = Read(bytes, at + 32, 2);
    const std::size_t local = Read(bytes, at + 42, 4);
    if (at + kCentralHeaderSize + name_length > bytes.size()) Malformed("a name beyond the end");
    entry.name.assign(bytes.substr(at + kCentralHeaderSize, name_length));
    at += kCentralHeaderSize + name_length + extra_length + comment_length;

    if (Read(bytes, local, 4) != kLocalHeader) Malformed("no local header for " + entry.name);
    const std::size_t data_at = local + kLocalHeaderSize + Read(bytes, local + 26, 2) + Read(bytes, local + 28, 2);
    if (data_at > bytes.size() || packed_size > bytes.size() - data_at) Malformed(entry.name + " runs past the end");
    const std::string_view packed = bytes.substr(data_at, packed_size);
    if (method == kStored) {
      if (packed_size != size) Malformed(entry.name + " has two sizes");
      entry.data.assign(packed);
    } else if (method == kDeflated) {
      entry.data = Inflate(packed, size, entry.name);
    } else {
      Malformed(entry.name + " uses an unknown compression");
    }
    if (Crc(entry.data) != crc) Malformed(entry.name + " fails its checksum");
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::string WriteZip(const std::vector<ZipEntry>& entries) {
  std::string out;
  std::string directory;
  for (const ZipEntry& entry : entries) {
    const std::string packed = Deflate(entry.data);
    if (out.size() > std::numeric_limits<std::uint32_t>::max() || entry.data.size() > std::numeric_limits<std::uint32_t>::max())
      throw framework::Exception("workbook too large");
    const auto offset = static_cast<std::uint32_t>(out.size());
    const std::uint32_t crc = Crc(entry.data);
    const auto name_length = static_cast<std::uint32_t>(entry.name.size());

    Put(out, kLocalHeader, 4);
    Put(out, kVersion, 2);
    Put(out, 0, 2);  // flags
    Put(out, kDeflated, 2);
    Put(out, entry.dos_time, 2);
    Put(out, entry.dos_date, 2);
    Put(out, crc, 4);
    Put(out, static_cast<std::uint32_t>(packed.size()), 4);
    Put(out, static_cast<std::uint32_t>(entry.data.size()), 4);
    Put(out, name_length, 2);
    Put(out, 0, 2);  // extra field
    out += entry.name;
    out += packed;

    Put(directory, kCentralHeader, 4);
    Put(directory, kVersion, 2);  // made by
    Put(directory, kVersion, 2);  // needed
    Put(directory, 0, 2);
    Put(directory, kDeflated, 2);
    Put(directory, entry.dos_time, 2);
    Put(directory, entry.dos_date, 2);
    Put(directory, crc, 4);
    Put(directory, static_cast<std::uint32_t>(packed.size()), 4);
    Put(directory, static_cast<std::uint32_t>(entry.data.size()), 4);
    Put(directory, name_length, 2);
    Put(directory, 0, 2);  // extra field
    Put(directory, 0, 2);  // comment
    Put(directory, 0, 2);  // disk
    Put(directory, 0, 2);  // internal attributes
    Put(directory, 0, 4);  // external attributes
    Put(directory, offset, 4);
    directory += entry.name;
  }
  const auto directory_offset = static_cast<std::uint32_t>(out.size());
  out += directory;
  Put(out, kEndOfDirectory, 4);
  Put(out, 0, 2);
  Put(out, 0, 2);
  Put(out, static_cast<std::uint32_t>(entries.size()), 2);
  Put(out, static_cast<std::uint32_t>(entries.size()), 2);
  Put(out, static_cast<std::uint32_t>(directory.size()), 4);
  Put(out, directory_offset, 4);
  Put(out, 0, 2);  // comment
  return out;
}

}  // namespace veldra::app
