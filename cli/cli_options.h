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
  std::optional<std::filesystem::path> out_dir;
  bool quiet = false;
};

// Parses argv. On a usage error returns nothing and sets `error`.
std::optional<Options> parse_options(int argc, char** argv, std::string& error);

extern const char* const kUsage;

}  // namespace veldra::cli

#endif
