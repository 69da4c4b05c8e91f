// Reading and writing the zip container of an ".xlsx" workbook: every entry whole,
// in memory. Enough for the few hundred kilobytes of a graph workbook; no zip64,
// no encryption, no spanning.
#ifndef VELDRA_APP_WORKBOOK_ZIP_ARCHIVE_H
#define VELDRA_APP_WORKBOOK_ZIP_ARCHIVE_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veldra::app {

struct ZipEntry {
  std::string name;  // path inside the archive, "/" separated
  std::string data;  // the uncompressed contents
  std::uint16_t dos_time = 0;  // modification time and date as the archive keeps them
  std::uint16_t dos_date = 0x21;  // 1980-01-01
};

// The entries of an archive, in the order of its central directory. Entries are
// stored or deflated; each one's CRC is checked. Throws EInOutError naming what is
// wrong when the bytes are not such an archive.
std::vector<ZipEntry> ReadZip(std::string_view archive);

// An archive of the entries, in their order, each deflated.
std::string WriteZip(const std::vector<ZipEntry>& entries);

}  // namespace veldra::app

#endif  // VELDRA_APP_WORKBOOK_ZIP_ARCHIVE_H
