#include "app/recent_files.h"

#include <algorithm>

namespace veldra::app {

namespace fs = std::filesystem;

int RecentFiles::Count() const {
  return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                        [](const std::string& e) { return !e.empty(); }));
}

void RecentFiles::Update(const std::string& path) {
  auto found = std::find(entries_.begin(), entries_.end(), path);
  // Not found: the last entry makes room, as if the path had stood there.
  if (found == entries_.end()) found = entries_.end() - 1;
  std::rotate(entries_.begin(), found, found + 1);
  entries_.front() = path;
}

std::string RecentFileText(int k, const std::string& path, const fs::path& current_dir) {
  std::string shown = path;
  const fs::path file = fs::path(path).lexically_normal();
  if (file.is_absolute() && !current_dir.empty()) {
    const fs::path relative = file.lexically_relative(current_dir.lexically_normal());
    if (!relative.empty() && *relative.begin() != ".." && relative != ".") shown = relative.string();
  }
  return std::to_string(k) + " " + shown;
}

}  // namespace veldra::app
