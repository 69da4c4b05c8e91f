// The list file of --batch: the data files of a batch, one path a line.
#ifndef VELDRA_CLI_BATCH_LIST_H
#define VELDRA_CLI_BATCH_LIST_H

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace veldra::cli {

// The paths of `in` in order: one per line, blanks and a carriage return at either
// end of a line dropped, blank lines and lines starting with '#' skipped.
std::vector<std::filesystem::path> parse_batch_list(std::istream& in);

// Reads the list file `list` ("-": standard input). Returns nothing and sets
// `error` when it cannot be read.
std::optional<std::vector<std::filesystem::path>> read_batch_list(
    const std::filesystem::path& list, std::string& error);

}  // namespace veldra::cli

#endif
