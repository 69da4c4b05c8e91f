// The private folder in which the engine runs. The engine reads NAMES.dat from its
// current directory and writes its scratch files ("kelpan.001", "soildata",
// "debug.dat") there, and the program's own folder is not writable once installed.
//
// The folder is per user (XDG_RUNTIME_DIR, else XDG_CACHE_HOME, else ~/.cache, each
// followed by "veldra"; the temporary folder with "veldra-<uid>" as a last resort)
// and, inside it, per process ("run-<pid>"), so that two running copies of the
// program never share a names file or a scratch file.
#ifndef VELDRA_APP_RUN_RUN_FOLDER_H
#define VELDRA_APP_RUN_RUN_FOLDER_H

#include <filesystem>

namespace veldra::app {

// The per-user folder, from the environment; not created.
std::filesystem::path DefaultRunFolderBase();

// This process's run folder in `base`, created when missing (both with mode 0700).
// EFileError when a folder cannot be made, or is a link or another user's folder:
// the names file must not be handed to anyone else.
std::filesystem::path PrepareRunFolder(const std::filesystem::path& base);

// Removes this process's run folder in `base` with everything in it; errors ignored.
void RemoveRunFolder(const std::filesystem::path& base);

// Makes a folder the current directory for the lifetime of the object and then
// goes back to the previous one. EFileError when the folder cannot be entered.
class TCurrentDirectoryScope {
 public:
  explicit TCurrentDirectoryScope(const std::filesystem::path& folder);
  ~TCurrentDirectoryScope();
  TCurrentDirectoryScope(const TCurrentDirectoryScope&) = delete;
  TCurrentDirectoryScope& operator=(const TCurrentDirectoryScope&) = delete;

 private:
  int previous_ = -1;  // descriptor of the previous directory: found again even if renamed
};

}  // namespace veldra::app

#endif  // VELDRA_APP_RUN_RUN_FOLDER_H
