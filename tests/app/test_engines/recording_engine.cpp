// An engine library that analyses nothing: it records the number it was called
// with, its current directory and the names file it finds there into the file named
// by VELDRA_TEST_ENGINE_RECORD, and returns 0, as a finished run does.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>

extern "C" __attribute__((visibility("default"))) std::int32_t recording_entry(std::int32_t key) __asm__("_IVELDRA");
extern "C" __attribute__((visibility("default"))) std::int32_t recording_entry(std::int32_t key) {
  const char* record = std::getenv("VELDRA_TEST_ENGINE_RECORD");
  if (!record) return 0;
  char cwd[4096] = {};
  if (!getcwd(cwd, sizeof cwd)) cwd[0] = '\0';
  std::ostringstream names;
  names << std::ifstream("NAMES.dat", std::ios::binary).rdbuf();
  std::ofstream(record, std::ios::binary) << "key " << key << "\ncwd " << cwd << "\n" << names.str();
  return 0;
}
