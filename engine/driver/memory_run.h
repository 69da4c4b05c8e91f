// A whole analysis in memory: the data file's text in, the report, plot-data file
// and run notes out. For tools that analyse many variants and for fuzzing.
#ifndef VELDRA_ENGINE_DRIVER_MEMORY_RUN_H
#define VELDRA_ENGINE_DRIVER_MEMORY_RUN_H

#include "veldra/engine.h"

#include <string>
#include <string_view>

namespace veldra::engine {

struct MemoryRun {
  RunStatus status;
  std::string report;
  std::string plot;
  std::string notes;
  std::string console;
};

// Analyses `data` as if it were the file "memory.vd5d". Never throws for bad input.
MemoryRun run_in_memory(std::string_view data);

}  // namespace veldra::engine

#endif
