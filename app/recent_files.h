// The list of recently used data files of the File menu: ten paths, most recent
// first, kept in the settings as "File1" to "File10".
#ifndef VELDRA_APP_RECENT_FILES_H
#define VELDRA_APP_RECENT_FILES_H

#include <array>
#include <filesystem>
#include <string>

namespace veldra::app {

inline constexpr int kRecentFileCount = 10;

class RecentFiles {
 public:
  // Entry k, 1-based; empty when unused.
  const std::string& Entry(int k) const { return entries_.at(static_cast<std::size_t>(k - 1)); }
  void SetEntry(int k, std::string path) { entries_.at(static_cast<std::size_t>(k - 1)) = std::move(path); }
  void Clear() { entries_ = {}; }

  // The number of non-empty entries.
  int Count() const;

  // Puts `path` first: nothing when it is already first; an entry further down
  // moves to the front and the entries before it move down one place; a new path
  // pushes every entry down and the tenth drops out.
  void Update(const std::string& path);

 private:
  std::array<std::string, kRecentFileCount> entries_;
};

// The text of entry k of the File menu: k, a blank and the path, shown relative to
// `current_dir` when it lies inside it.
std::string RecentFileText(int k, const std::string& path, const std::filesystem::path& current_dir);

}  // namespace veldra::app

#endif  // VELDRA_APP_RECENT_FILES_H
