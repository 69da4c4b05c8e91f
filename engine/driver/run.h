// The run driver: one analysis from the names file or from explicit paths.
#ifndef VELDRA_ENGINE_DRIVER_RUN_H
#define VELDRA_ENGINE_DRIVER_RUN_H

#include "veldra/engine.h"

#include <filesystem>
#include <iosfwd>

namespace veldra::engine {

// Reads "NAMES.dat" in dir (empty: current directory) and runs the analysis it names.
// A missing or short names file writes the two-line message to `console` and
// creates no file.
RunStatus run_names_file(const std::filesystem::path& dir, std::ostream& console);

// Runs the analysis of explicit paths.
RunStatus run_paths(const RunPaths& paths, std::ostream& console);

}  // namespace veldra::engine

#endif
