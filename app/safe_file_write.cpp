#include "app/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <system_error>
#include <utility>

#include "framework/file_errors.h"

namespace veldra::app {

namespace fs = std::filesystem;

namespace {

SyncObserver& Observer() {
  static SyncObserver observer;
  return observer;
}

// Flushes an open file or folder to the disk; false with errno set on failure.
bool Sync(int descriptor, const fs::path& path) {
  if (::fsync(descriptor) != 0) return false;
  if (Observer()) Observer()(path);
  return true;
}

// The folder's entry of the renamed file goes to the disk too. A file system that
// cannot sync a folder (EINVAL) keeps its entries by other means.
void SyncFolder(const fs::path& target) {
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  const bool ok = Sync(descriptor, folder);
  const int error = errno;
  ::close(descriptor);
  if (!ok && error != EINVAL && error != ENOTSUP) {
    throw framework::EFileError("write", target.string(), std::strerror(error));
  }
}

std::string Reason(int error) { return error != 0 ? std::strerror(error) : "write failed"; }

[[noreturn]] void Fail(const fs::path& target, const std::string& reason) {
  throw framework::EFileError("write", target.string(), reason);
}

// The file a link points to, so that the link itself survives the rename.
fs::path ResolvedTarget(const fs::path& target) {
  std::error_code ec;
  if (!fs::is_symlink(target, ec)) return target;
  fs::path resolved = fs::weakly_canonical(target, ec);
  return ec ? target : resolved;
}

// Creates a new file with a name no other file has, beside the target.
std::FILE* CreateTemporary(const fs::path& target, fs::path& temporary) {
  static std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%012llx.tmp",
                  static_cast<unsigned long long>(random() & 0xffffffffffffULL));
    temporary = target;
    temporary += suffix;
    errno = 0;
    // "x": fail rather than reuse a file that already has this name.
    if (std::FILE* file = std::fopen(temporary.c_str(), "wbx")) return file;
    if (errno != EEXIST) Fail(target, Reason(errno));
  }
  Fail(target, "no temporary file name is free");
}

}  // namespace

void ReplaceFileContents(const fs::path& requested, std::string_view text) {
  const fs::path target = ResolvedTarget(requested);
  fs::path temporary;
  std::FILE* file = CreateTemporary(target, temporary);

  std::error_code ec;
  const fs::file_status old_status = fs::status(target, ec);
  if (!ec && fs::is_regular_file(old_status)) {
    ::fchmod(::fileno(file), static_cast<mode_t>(old_status.permissions() & fs::perms::mask));
  }

  // The contents reach the disk before the rename makes them the target's: after a
  // power loss the target holds the old or the new contents, never an empty file.
  errno = 0;
  bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  int error = errno;
  if (ok && (std::fflush(file) != 0 || !Sync(::fileno(file), temporary))) {
    ok = false;
    error = errno;
  }
  if (std::fclose(file) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    fs::remove(temporary, ec);
    Fail(target, Reason(error));
  }

  fs::rename(temporary, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    Fail(target, ec.message());
  }
  SyncFolder(target);
}

void SetSyncObserver(SyncObserver observer) { Observer() = std::move(observer); }

}  // namespace veldra::app
