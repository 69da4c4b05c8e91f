#include "app/run/dynamic_library.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace veldra::app {

TDynamicLibrary::~TDynamicLibrary() { Close(); }

void TDynamicLibrary::SetFileName(const std::string& name) {
  Close();
  file_name_ = name;
}

void TDynamicLibrary::Open() {
  if (handle_) return;
  dlerror();  // clear an older message
  handle_ = dlopen(file_name_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_) {
    load_error_.clear();
    return;
  }
  const char* reason = dlerror();
  load_error_ = reason ? reason : "unknown loader failure";
  // The loader's texts differ between C libraries; whether the file itself is
  // there is what tells a missing library from one that cannot be loaded.
  std::error_code ec;
  if (!std::filesystem::exists(file_name_, ec)) throw EFileNotFoundError();
  throw EInitError();
}

void* TDynamicLibrary::FindEntry(const std::string& name) const {
  if (!handle_) throw EDLLNotOpenError();
  return dlsym(handle_, name.c_str());
}

void TDynamicLibrary::Close() {
  if (!handle_) return;
  dlclose(handle_);
  handle_ = nullptr;
}

}  // namespace veldra::app
