// The names file "NAMES.dat" through which the application hands the engine the
// paths of one run.
#ifndef VELDRA_ENGINE_DRIVER_NAMES_FILE_H
#define VELDRA_ENGINE_DRIVER_NAMES_FILE_H

#include <filesystem>
#include <optional>
#include <string>

namespace veldra::engine {

inline constexpr const char* kNamesFileName = "NAMES.dat";

struct NamesFile {
  std::string version;       // line 1, 12 characters padded with blanks
  std::string id1, id2;      // lines 2 and 3, up to 256 characters, unused
  std::string id3;           // line 4, an integer the analysis does not use
  std::string data;          // lines 5 to 8: paths of up to 255 characters,
  std::string report;        // trailing blanks removed
  std::string plot;
  std::string notes;
};

// Reads the names file at `path`. Returns nothing when the file is missing or any of
// lines 5 to 8 cannot be read.
std::optional<NamesFile> read_names_file(const std::filesystem::path& path);

// The two lines written to the console when the names file is missing or short.
inline constexpr const char* kNamesFileMessage =
    " PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n"
    " BEFORE COMPUTATION.  TRY IT AGAIN!\n";

}  // namespace veldra::engine

#endif
