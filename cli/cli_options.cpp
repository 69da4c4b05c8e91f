#include "cli/cli_options.h"

#include <charconv>
#include <system_error>
#include <string_view>

namespace veldra::cli {

const char* const kUsage =
    "Usage: veldra-calc [options] FILE.vd5d\n"
    "       veldra-calc [options] [-j N] FILE.vd5d FILE.vd5d ...\n"
    "       veldra-calc [options] [-j N] --batch LISTFILE [FILE.vd5d ...]\n"
    "       veldra-calc --names\n"
    "\n"
    "Analyses a retaining-wall data file and writes, beside it, the report (.vd5o),\n"
    "the plot-data file (.vd5p) and the run notes (.vd5r).\n"
    "\n"
    "Several data files are analysed in parallel, each with its own engine, and each\n"
    "file's results are written beside it. A progress bar shows on a terminal (one\n"
    "line per finished file otherwise, on standard error); a table of every file's\n"
    "status, iterations and extremes follows on standard output. A file that fails\n"
    "does not stop the others.\n"
    "\n"
    "Options:\n"
    "  --out-dir DIR   write the three result files into DIR instead\n"
    "  --batch LIST    analyse the data files listed in LIST, one path a line (blank\n"
    "                  lines and lines starting with # are skipped; relative paths\n"
    "                  are taken from the current directory); \"-\" reads the list\n"
    "                  from standard input\n"
    "  -j, --jobs N    analyse N files at a time (default: one per core)\n"
    "  --names         run exactly as the desktop application does: from the names\n"
    "                  file NAMES.dat in the current directory\n"
    "  -q, --quiet     print nothing but errors\n"
    "  -h, --help      show this help\n"
    "  --              end of the options: every word after it is a data file\n"
    "\n"
    "Exit status of one data file: 0 the analysis finished; 2 the data file has an\n"
    "input error (the report says which); 3 a soil model stopped the analysis;\n"
    "1 usage or file errors; 128 + the signal's number when Ctrl-C or SIGTERM\n"
    "stopped it.\n"
    "Exit status of several: 0 every analysis finished; 4 at least one did not (the\n"
    "table says which); 1 usage errors or an unreadable list (nothing was analysed);\n"
    "128 + the signal's number when Ctrl-C or SIGTERM stopped it (the analyses under\n"
    "way are finished first, the files not yet started are listed as \"not run\"; a\n"
    "second Ctrl-C stops at once and lists the analyses under way as \"not run\").\n"
    "A file's three results are replaced together or not at all, whatever stops it.\n"
    "Set SOURCE_DATE_EPOCH (whole seconds since 1970) to print that instant instead\n"
    "of the clock on the title page.\n";

namespace {

// The value of an option given as "--opt VALUE", "--opt=VALUE" or, for a short
// option, "-oVALUE". Returns false when the option is not this one.
bool option_value(std::string_view arg, std::string_view long_name, std::string_view short_name,
                  int argc, char** argv, int& i, std::optional<std::string>& value) {
  for (std::string_view name : {long_name, short_name}) {
    if (name.empty() || !arg.starts_with(name)) continue;
    if (arg.size() == name.size()) {
      value = i + 1 < argc ? std::optional<std::string>(argv[++i]) : std::nullopt;
      return true;
    }
    if (name == long_name && arg[name.size()] == '=') {
      value = std::string(arg.substr(name.size() + 1));
      return true;
    }
    if (name == short_name) {
      value = std::string(arg.substr(name.size()));
      return true;
    }
  }
  return false;
}

// Upper bound of -j: far beyond any core count, low enough that a typo cannot ask
// for millions of threads.
constexpr int kMaxJobs = 1024;

}  // namespace

std::optional<Options> parse_options(int argc, char** argv, std::string& error) {
  Options opt;
  bool options_end = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::optional<std::string> value;
    if (options_end) {
      opt.files.emplace_back(arg);
    } else if (arg == "--") {
      options_end = true;  // what follows are file names, even "-q" or "--help"
    } else if (arg == "-h" || arg == "--help") {
      opt.help = true;
    } else if (arg == "--names") {
      opt.names = true;
    } else if (arg == "-q" || arg == "--quiet") {
      opt.quiet = true;
    } else if (option_value(arg, "--out-dir", "", argc, argv, i, value)) {
      if (!value) {
        error = "--out-dir needs a directory";
        return std::nullopt;
      }
      opt.out_dir = *value;
    } else if (option_value(arg, "--batch", "", argc, argv, i, value)) {
      if (!value || value->empty()) {
        error = "--batch needs a list file";
        return std::nullopt;
      }
      if (opt.batch_list) {
        error = "one --batch list at a time";
        return std::nullopt;
      }
      opt.batch_list = *value;
    } else if (option_value(arg, "--jobs", "-j", argc, argv, i, value)) {
      int n = 0;
      const char* end = value ? value->data() + value->size() : nullptr;
      if (!value || std::from_chars(value->data(), end, n).ptr != end || value->empty() ||
          n < 1 || n > kMaxJobs) {
        error = "-j needs a number of jobs from 1 to " + std::to_string(kMaxJobs);
        return std::nullopt;
      }
      opt.jobs = n;
    } else if (arg.size() > 1 && arg[0] == '-') {
      error = "unknown option " + std::string(arg);
      return std::nullopt;
    } else {
      opt.files.emplace_back(arg);
    }
  }
  if (opt.help) return opt;
  if (opt.names && (!opt.files.empty() || opt.batch_list)) {
    error = "--names takes no data file";
    return std::nullopt;
  }
  if (!opt.names && opt.files.empty() && !opt.batch_list) {
    error = "no data file given";
    return std::nullopt;
  }
  return opt;
}

std::string source_date_epoch_error(const char* value) {
  if (value == nullptr || *value == '\0') return {};
  const std::string_view text = value;
  long long seconds = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  // The title page prints the year in four columns.
  constexpr long long kLastSecondOf9999 = 253402300799LL;
  if (ec != std::errc{} || end != text.data() + text.size() || seconds < 0 ||
      seconds > kLastSecondOf9999) {
    return "SOURCE_DATE_EPOCH must be a whole number of seconds since 1970 (up to the year "
           "9999), not \"" + std::string(text) + "\"";
  }
  return {};
}

}  // namespace veldra::cli
