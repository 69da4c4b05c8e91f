// Replacing a file's contents without ever leaving it half written.
#ifndef VELDRA_APP_SAFE_FILE_WRITE_H
#define VELDRA_APP_SAFE_FILE_WRITE_H

#include <filesystem>
#include <functional>
#include <string_view>

namespace veldra::app {

// Writes `text` to a new temporary file in the target's folder, flushes it to the
// disk and renames it over the target, then flushes the folder, so that the target
// holds either its previous contents or all of `text`, also after a power loss. A
// target that is a symbolic link keeps the link: the file it points to is replaced.
// The permissions of an existing target are kept.
//
// Throws framework::EFileError when the temporary file cannot be created or written (disk
// full, no access) or the rename fails; the temporary file is then removed and the
// target is untouched.
void ReplaceFileContents(const std::filesystem::path& target, std::string_view text);

// Called with the path of every file or folder flushed to the disk, right after the
// flush; empty unless a test sets it.
using SyncObserver = std::function<void(const std::filesystem::path&)>;
void SetSyncObserver(SyncObserver observer);

}  // namespace veldra::app

#endif  // VELDRA_APP_SAFE_FILE_WRITE_H
