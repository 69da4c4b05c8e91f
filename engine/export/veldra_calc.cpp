// The exported entry points of libVeldraCalc. They are the only symbols the library
// exports; each catches everything so that nothing is thrown across the boundary.
#include "veldra/engine.h"

#include "engine/driver/run.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <mutex>

namespace {

// The outcome of the last IVELDRA run, for the application that cannot otherwise
// tell a finished run from one ended by a stop.
std::mutex g_last_mutex;
veldra::RunStatus g_last;

void remember(const veldra::RunStatus& status) {
  std::lock_guard lock(g_last_mutex);
  g_last = status;
}

}  // namespace

extern "C" VELDRA_API int IVELDRA(int key) {
  if (key != 18) return 1;
  remember(veldra::run_from_names_file());
  return 0;
}

// Second name of the same entry point; the asm label gives the symbol the exact
// name "_IVELDRA" without declaring a reserved identifier in C++.
extern "C" VELDRA_API int veldra_iveldra_alias(int key) __asm__("_IVELDRA");
extern "C" VELDRA_API int veldra_iveldra_alias(int key) { return IVELDRA(key); }

extern "C" VELDRA_API int VELDRA_LastRunOutcome(void) {
  std::lock_guard lock(g_last_mutex);
  return static_cast<int>(g_last.outcome);
}

extern "C" VELDRA_API int VELDRA_LastRunStopCode(void) {
  std::lock_guard lock(g_last_mutex);
  return g_last.stop_code;
}

extern "C" VELDRA_API int VELDRA_LastRunMessage(char* buf, int size) {
  std::lock_guard lock(g_last_mutex);
  const std::string& text = g_last.message;
  if (buf && size > 0) {
    const std::size_t n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buf, text.data(), n);
    buf[n] = '\0';
  }
  return static_cast<int>(text.size());
}

namespace veldra {

VELDRA_API RunStatus run_analysis(const RunPaths& paths) {
  return engine::run_guarded(
      [&] { return engine::run_paths(paths, paths.console ? *paths.console : std::cerr); });
}

VELDRA_API RunStatus run_from_names_file(const std::filesystem::path& dir,
                                         std::ostream* console) {
  return engine::run_guarded(
      [&] { return engine::run_names_file(dir, console ? *console : std::cerr); });
}

}  // namespace veldra
