// Command line of veldra-calc.
#ifndef VELDRA_CLI_CLI_OPTIONS_H
#define VELDRA_CLI_CLI_OPTIONS_H

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace veldra::cli {

struct Options {
  bool help = false;
  bool names = false;                    // run from NAMES.dat in the current directory
  std::vector<std::filesystem::path> files;
  std::optional<std::filesystem::path> batch_list;  // --batch LISTFILE ("-": standard input)
  int jobs = 0;                          // -j N; 0: one per core
  std::optional<std::filesystem::path> out_dir;
  bool quiet = false;

  // Several files, or a list of them: analysed in parallel, with a final table.
  // One data file on the command line keeps the single-file behaviour.
  bool batch() const { return batch_list.has_value() || files.size() > 1; }
};

// Parses argv. On a usage error returns nothing and sets `error`.
std::optional<Options> parse_options(int argc, char** argv, std::string& error);

// What is wrong with the value of SOURCE_DATE_EPOCH (nullptr or empty: not set);
// empty when it is usable. The engine would ignore a bad value without a word.
std::string source_date_epoch_error(const char* value);

extern const char* const kUsage;

}  // namespace veldra::cli

#endif
