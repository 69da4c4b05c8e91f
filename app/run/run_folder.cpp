#include "app/run/run_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

#include "framework/file_errors.h"

namespace veldra::app {

namespace fs = std::filesystem;

namespace {

// An absolute folder named by an environment variable, or empty.
fs::path FromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (!value || value[0] != '/') return {};
  return value;
}

[[noreturn]] void Fail(const fs::path& folder, const std::string& reason) {
  throw framework::EFileError("use", folder.string(), reason, "the working folder");
}

// Creates the folder when missing and makes sure that only this user can reach it.
void MakePrivateFolder(const fs::path& folder) {
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) Fail(folder, std::strerror(errno));
  struct stat info {};
  if (lstat(folder.c_str(), &info) != 0) Fail(folder, std::strerror(errno));
  if (!S_ISDIR(info.st_mode)) Fail(folder, "not a folder");
  if (info.st_uid != geteuid()) Fail(folder, "owned by another user");
  if ((info.st_mode & 077) != 0 && chmod(folder.c_str(), 0700) != 0) Fail(folder, std::strerror(errno));
}

fs::path ProcessFolder(const fs::path& base) { return base / ("run-" + std::to_string(getpid())); }

}  // namespace

fs::path DefaultRunFolderBase() {
  for (const char* variable : {"XDG_RUNTIME_DIR", "XDG_CACHE_HOME"}) {
    const fs::path folder = FromEnvironment(variable);
    if (!folder.empty()) return folder / "veldra";
  }
  const fs::path home = FromEnvironment("HOME");
  if (!home.empty()) return home / ".cache" / "veldra";
  std::error_code ec;
  fs::path temporary = fs::temp_directory_path(ec);
  if (ec) temporary = "/tmp";
  return temporary / ("veldra-" + std::to_string(geteuid()));
}

fs::path PrepareRunFolder(const fs::path& base) {
  std::error_code ec;
  // The parents (a cache folder that does not exist yet) are ordinary folders.
  if (base.has_parent_path()) fs::create_directories(base.parent_path(), ec);
  MakePrivateFolder(base);
  const fs::path folder = ProcessFolder(base);
  MakePrivateFolder(folder);
  return folder;
}

void RemoveRunFolder(const fs::path& base) {
  std::error_code ec;
  fs::remove_all(ProcessFolder(base), ec);
}

TCurrentDirectoryScope::TCurrentDirectoryScope(const fs::path& folder) {
  // O_PATH: the way back needs no read permission on the previous directory.
  previous_ = open(".", O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (chdir(folder.c_str()) != 0) {
    const int error = errno;
    if (previous_ >= 0) close(previous_);
    previous_ = -1;
    Fail(folder, std::strerror(error));
  }
}

TCurrentDirectoryScope::~TCurrentDirectoryScope() {
  if (previous_ < 0) return;
  // Nothing to do when the previous directory has gone meanwhile: there is no
  // better place to be.
  [[maybe_unused]] const int ignored = fchdir(previous_);
  close(previous_);
}

}  // namespace veldra::app
