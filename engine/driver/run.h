// The run driver: one analysis from the names file or from explicit paths.
#ifndef VELDRA_ENGINE_DRIVER_RUN_H
#define VELDRA_ENGINE_DRIVER_RUN_H

#include "veldra/engine.h"

#include <filesystem>
#include <functional>
#include <iosfwd>

namespace veldra::engine {

// Reads "NAMES.dat" in dir (empty: current directory) and runs the analysis it names.
// A missing or short names file writes the two-line message to `console` and
// creates no file.
RunStatus run_names_file(const std::filesystem::path& dir, std::ostream& console);

// Runs the analysis of explicit paths.
RunStatus run_paths(const RunPaths& paths, std::ostream& console);

// Runs `analysis` and turns whatever it throws into a status. Bad input never gets
// this far, so an exception that does is a fault of the program: the internal-error
// outcome with the exception's text; a file-system failure stays a file error.
RunStatus run_guarded(const std::function<RunStatus()>& analysis) noexcept;

}  // namespace veldra::engine

#endif
