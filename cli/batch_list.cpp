#include "cli/batch_list.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string_view>
#include <system_error>

namespace veldra::cli {

std::vector<std::filesystem::path> parse_batch_list(std::istream& in) {
  std::vector<std::filesystem::path> files;
  for (std::string line; std::getline(in, line);) {
    std::string_view text = line;
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) continue;
    text = text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
    if (text.front() == '#') continue;
    files.emplace_back(text);
  }
  return files;
}

std::optional<std::vector<std::filesystem::path>> read_batch_list(
    const std::filesystem::path& list, std::string& error) {
  if (list == "-") {
    std::vector<std::filesystem::path> files = parse_batch_list(std::cin);
    if (std::cin.bad()) {
      error = "cannot read the list from standard input";
      return std::nullopt;
    }
    return files;
  }
  // A directory opens for reading here and then reads as an empty list.
  std::error_code ec;
  if (std::filesystem::is_directory(list, ec)) {
    error = "cannot read the list " + list.string() + ": it is a directory";
    return std::nullopt;
  }
  errno = 0;
  std::ifstream in(list);
  if (!in) {
    error = "cannot read the list " + list.string() + ": " +
            (errno ? std::strerror(errno) : "cannot be opened");
    return std::nullopt;
  }
  std::vector<std::filesystem::path> files = parse_batch_list(in);
  if (in.bad()) {
    error = "cannot read the list " + list.string();
    return std::nullopt;
  }
  return files;
}

}  // namespace veldra::cli
