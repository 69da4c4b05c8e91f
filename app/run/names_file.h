// The names file through which the application hands the engine the paths of one
// run. The engine reads "NAMES.dat" in its current directory: the version, an
// identification block (two texts and an integer it does not use), then the full
// paths of the data file, the report, the plot-data file and the run notes.
#ifndef VELDRA_APP_RUN_NAMES_FILE_H
#define VELDRA_APP_RUN_NAMES_FILE_H

#include <filesystem>
#include <string>

namespace veldra::app {

inline constexpr const char* kNamesFileName = "NAMES.dat";
inline constexpr const char* kNamesFileVersion = "2015.5.18";
// The engine takes at most this many characters of a path and cuts the rest.
inline constexpr std::size_t kMaxEnginePathLength = 255;

// The files of one run: the data file and the outputs named after it.
struct RunFiles {
  std::filesystem::path data;    // ".vd5d" (as saved)
  std::filesystem::path report;  // ".vd5o"
  std::filesystem::path plot;    // ".vd5p"
  std::filesystem::path notes;   // ".vd5r"
};

// The files of a run of `data_file`, made absolute against the current directory.
RunFiles RunFilesOf(const std::filesystem::path& data_file);

// Why the engine could not be handed these paths (longer than it reads, or holding a
// line break, which would end the line of the names file), or empty when it can.
std::string UnusablePathMessage(const RunFiles& files);

// Lines 2 to 4: the product, who runs it and where, and a number of our own.
struct RunIdentity {
  std::string product;
  std::string user;
  std::string host;
  int number = 0;
};

// "VELDRA 2015", the login name and the host name of this process.
RunIdentity CurrentIdentity();

// The eight lines of the names file, each ended by "\n".
std::string NamesFileText(const RunIdentity& identity, const RunFiles& files);

// Writes NAMES.dat into `folder`, replacing an older one. EFileError when it cannot.
void WriteNamesFile(const std::filesystem::path& folder, const RunIdentity& identity, const RunFiles& files);

}  // namespace veldra::app

#endif  // VELDRA_APP_RUN_NAMES_FILE_H
