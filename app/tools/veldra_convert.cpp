// veldra-convert: rewrites a data file of any format in the current format.
//
//   veldra-convert [--format CODE] OLD NEW.vd5d
//
// The format comes from OLD's extension (".vd5d" current, ".vd4d" 2013, ".vdd" 3.0)
// unless --format names it: 1 or 2015, 2 or 2013, 3 or 3.0, 4 or 2.0 (a ".vdd" file
// of version 2.0 needs this), 5 (read as 2.0).
//
// Exit status: 0 converted; 2 OLD cannot be converted as it stands: a format error
// (reported with its line and item), a staged file with fewer stages than it
// declares, or records the application cannot keep, which writing NEW would change
// (each reported with its line); NEW is then not written. 1 usage or file error,
// and NEW naming OLD itself.
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "app/data_file_conversion.h"
#include "app/data_file_loader.h"
#include "app/main_model.h"
#include "framework/exceptions.h"

namespace {

constexpr int kExitConverted = 0;
constexpr int kExitUsage = 1;
constexpr int kExitFormatError = 2;

constexpr const char* kUsage =
    "usage: veldra-convert [--format CODE] OLD NEW.vd5d\n"
    "Reads OLD and writes it as NEW in the current data-file format; a staged file is\n"
    "written as the combined file of its stages.\n"
    "\n"
    "  --format CODE  the format of OLD: 1 or 2015 (.vd5d), 2 or 2013 (.vd4d),\n"
    "                 3 or 3.0 (.vdd), 4 or 2.0 (.vdd of version 2.0), 5 (as 2.0).\n"
    "                 Without it the format follows OLD's extension; a .vdd file is\n"
    "                 taken as version 3.0.\n"
    "\n"
    "Exit status: 0 converted; 2 OLD cannot be converted as it stands (a format error,\n"
    "fewer stages than it declares, or data the application cannot keep; the reason\n"
    "is on standard error and NEW is not written); 1 usage or file error.\n";

int FormatCode(const std::string& name) {
  static const std::map<std::string, int> kCodes = {
      {"1", veldra::app::kFormatCurrent}, {"2015", veldra::app::kFormatCurrent},
      {"2", veldra::app::kFormat2013},    {"2013", veldra::app::kFormat2013},
      {"3", veldra::app::kFormat30},      {"3.0", veldra::app::kFormat30},
      {"4", veldra::app::kFormat20},      {"2.0", veldra::app::kFormat20},
      {"5", veldra::app::kFormatAllFiles}};
  const auto found = kCodes.find(name);
  return found == kCodes.end() ? 0 : found->second;
}

// Two names of one file: the same path, or the same file reached another way.
bool SameFile(const std::string& a, const std::string& b) {
  namespace fs = std::filesystem;
  if (fs::path(a).lexically_normal() == fs::path(b).lexically_normal()) return true;
  std::error_code ec;
  return fs::equivalent(a, b, ec) && !ec;
}

// The loader's messages break lines with a carriage return.
std::string ForTerminal(std::string message) {
  for (char& c : message)
    if (c == '\r') c = '\n';
  return message;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> files;
  int format_code = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      std::cout << kUsage;
      return kExitConverted;
    }
    if (arg == "--format" || arg.rfind("--format=", 0) == 0) {
      std::string value;
      if (arg == "--format") {
        if (i + 1 >= argc) {
          std::cerr << "veldra-convert: --format needs a value\n" << kUsage;
          return kExitUsage;
        }
        value = argv[++i];
      } else {
        value = arg.substr(std::string("--format=").size());
      }
      format_code = FormatCode(value);
      if (format_code == 0) {
        std::cerr << "veldra-convert: unknown format \"" << value << "\"\n" << kUsage;
        return kExitUsage;
      }
      continue;
    }
    files.push_back(arg);
  }
  if (files.size() != 2) {
    std::cerr << kUsage;
    return kExitUsage;
  }
  const std::string& source = files[0];
  const std::string& target = files[1];
  if (SameFile(source, target)) {
    std::cerr << "veldra-convert: " << target << " is " << source
              << " itself: the original would be lost; give the new file another name\n";
    return kExitUsage;
  }
  const bool format_from_extension = format_code == 0;
  if (format_code == 0) format_code = veldra::app::FormatFromExtension(source);

  try {
    veldra::app::TMainModel model;
    const veldra::app::ConversionResult result = veldra::app::ConvertDataFile(model, source, target, format_code);
    if (!result.converted) {
      std::cerr << "veldra-convert: " << source << ":\n" << ForTerminal(result.message) << "\n";
      // Version 2.0 and 3.0 files share the extension; only the reader of 3.0 is tried.
      if (format_from_extension && format_code == veldra::app::kFormat30) {
        std::cerr << "veldra-convert: if " << source
                  << " is a file of version 2.0, convert it with --format 2.0\n";
      }
      return kExitFormatError;
    }
  } catch (const std::exception& error) {
    std::cerr << "veldra-convert: " << error.what() << "\n";
    return kExitUsage;
  }
  return kExitConverted;
}
