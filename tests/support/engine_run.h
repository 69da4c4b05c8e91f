// Runs the engine on a data file given as text and hands back what it wrote.
#ifndef VELDRA_TESTS_SUPPORT_ENGINE_RUN_H
#define VELDRA_TESTS_SUPPORT_ENGINE_RUN_H

#include "engine/driver/run.h"
#include "tests/support/temp_dir.h"

#include <cstdlib>
#include <sstream>
#include <string>

namespace veldra::test {

struct EngineRun {
  RunStatus status;
  std::string report;
  std::string plot;
  std::string notes;
  std::string console;
};

// Analyses `data` (the text of a data file) in a fresh directory.
// The title page prints a fixed instant, so that two runs of the same data give
// the same report.
inline EngineRun run_engine(const std::string& data, const std::string& name = "wall") {
  setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
  TempDir dir;
  write_file(dir / (name + ".vd5d"), data);
  RunPaths paths;
  paths.data = dir / (name + ".vd5d");
  paths.report = dir / (name + ".vd5o");
  paths.plot = dir / (name + ".vd5p");
  paths.notes = dir / (name + ".vd5r");
  std::ostringstream console;
  EngineRun run;
  run.status = engine::run_paths(paths, console);
  run.report = read_file(paths.report);
  run.plot = read_file(paths.plot);
  run.notes = read_file(paths.notes);
  run.console = console.str();
  return run;
}

// Counts the occurrences of `needle` in `text`.
inline int count_of(const std::string& text, const std::string& needle) {
  int n = 0;
  for (std::size_t pos = text.find(needle); pos != std::string::npos;
       pos = text.find(needle, pos + needle.size())) {
    ++n;
  }
  return n;
}

}  // namespace veldra::test

#endif
