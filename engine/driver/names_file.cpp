#include "engine/driver/names_file.h"

#include <fstream>

namespace veldra::engine {
namespace {

bool read_line(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

// A fixed-width text field: cut to width, padded with blanks.
std::string fixed(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

// A path field: cut to 255 characters; trailing blanks do not belong to the name.
std::string path_field(std::string text) {
  if (text.size() > 255) text.resize(255);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
  return text;
}

}  // namespace

std::optional<NamesFile> read_names_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  NamesFile names;
  std::string line;
  // Lines 1 to 4 are the application's business; a file that ends within them is
  // as short as one that ends before line 8.
  if (!read_line(in, line)) return std::nullopt;
  names.version = fixed(line, 12);
  if (!read_line(in, line)) return std::nullopt;
  names.id1 = line.substr(0, 256);
  if (!read_line(in, line)) return std::nullopt;
  names.id2 = line.substr(0, 256);
  if (!read_line(in, line)) return std::nullopt;
  names.id3 = line;
  std::string* paths[] = {&names.data, &names.report, &names.plot, &names.notes};
  for (std::string* p : paths) {
    if (!read_line(in, line)) return std::nullopt;
    *p = path_field(line);
  }
  return names;
}

}  // namespace veldra::engine
