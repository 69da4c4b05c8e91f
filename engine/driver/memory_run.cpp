#include "engine/driver/memory_run.h"

#include "engine/driver/run_context.h"

#include <sstream>

namespace veldra::engine {

MemoryRun run_in_memory(std::string_view data) {
  std::istringstream in{std::string(data)};
  std::ostringstream report, plot, notes, console;
  FileNames names;
  names.data_path = "memory.vd5d";
  names.report_path = "memory.vd5o";
  names.plot_path = "memory.vd5p";
  RunContext ctx({in, report, plot, notes, console}, names);
  ctx.fixed_time = 0;
  run_problems(ctx);
  MemoryRun run;
  run.status = std::move(ctx.status);
  run.report = report.str();
  run.plot = plot.str();
  run.notes = notes.str();
  run.console = console.str();
  return run;
}

}  // namespace veldra::engine
