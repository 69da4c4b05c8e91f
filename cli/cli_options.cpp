#include "cli/cli_options.h"

#include <string_view>

namespace veldra::cli {

const char* const kUsage =
    "Usage: veldra-calc [options] FILE.vd5d\n"
    "       veldra-calc --names\n"
    "\n"
    "Analyses a retaining-wall data file and writes, beside it, the report (.vd5o),\n"
    "the plot-data file (.vd5p) and the run notes (.vd5r).\n"
    "\n"
    "Options:\n"
    "  --out-dir DIR   write the three result files into DIR instead\n"
    "  --names         run exactly as the desktop application does: from the names\n"
    "                  file NAMES.dat in the current directory\n"
    "  -q, --quiet     print nothing but errors\n"
    "  -h, --help      show this help\n"
    "\n"
    "Exit status: 0 the analysis finished; 2 the data file has an input error (the\n"
    "report says which); 3 a soil model stopped the analysis; 1 usage or file errors.\n"
    "Set SOURCE_DATE_EPOCH to print that instant instead of the clock on the title page.\n";

std::optional<Options> parse_options(int argc, char** argv, std::string& error) {
  Options opt;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      opt.help = true;
    } else if (arg == "--names") {
      opt.names = true;
    } else if (arg == "-q" || arg == "--quiet") {
      opt.quiet = true;
    } else if (arg == "--out-dir" || arg.starts_with("--out-dir=")) {
      if (arg == "--out-dir") {
        if (i + 1 >= argc) {
          error = "--out-dir needs a directory";
          return std::nullopt;
        }
        opt.out_dir = argv[++i];
      } else {
        opt.out_dir = std::string(arg.substr(10));
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      error = "unknown option " + std::string(arg);
      return std::nullopt;
    } else {
      opt.files.emplace_back(arg);
    }
  }
  if (opt.help) return opt;
  if (opt.names && !opt.files.empty()) {
    error = "--names takes no data file";
    return std::nullopt;
  }
  if (!opt.names && opt.files.empty()) {
    error = "no data file given";
    return std::nullopt;
  }
  if (opt.files.size() > 1) {
    error = "one data file at a time";
    return std::nullopt;
  }
  return opt;
}

}  // namespace veldra::cli
