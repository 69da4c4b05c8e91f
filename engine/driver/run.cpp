#include "engine/driver/run.h"

namespace veldra::engine {

RunStatus run_names_file(const std::filesystem::path&, std::ostream&) { return {}; }
RunStatus run_paths(const RunPaths&, std::ostream&) { return {}; }

}  // namespace veldra::engine
