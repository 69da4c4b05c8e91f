// An engine library built for another version of the program: it refuses every
// interface number, as the engine refuses any number but its own.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) std::int32_t refusing_entry(std::int32_t) __asm__("_IVELDRA");
extern "C" __attribute__((visibility("default"))) std::int32_t refusing_entry(std::int32_t) { return 1; }
