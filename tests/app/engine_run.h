// Analyses a data file through the engine's public entry, its results beside it.
#ifndef VELDRA_TESTS_APP_ENGINE_RUN_H
#define VELDRA_TESTS_APP_ENGINE_RUN_H

#include <filesystem>

#include "veldra/engine.h"

namespace veldra::app::test {

inline RunStatus AnalyseBeside(const std::filesystem::path& data) {
  RunPaths paths;
  paths.data = data;
  paths.report = std::filesystem::path(data).replace_extension(".vd5o");
  paths.plot = std::filesystem::path(data).replace_extension(".vd5p");
  paths.notes = std::filesystem::path(data).replace_extension(".vd5r");
  return run_analysis(paths);
}

}  // namespace veldra::app::test

#endif
