// libFuzzer target: a whole analysis of arbitrary data-file bytes. Every input must
// end in order: no crash, no hang, no access outside the arrays, no NaN or infinity
// printed as a result or handed to the summary.
#include "engine/driver/memory_run.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Non-finite numbers print as "NaN" or "Inf..." in the fixed-column fields. The
// report also echoes titles, which may hold those letters: a word that the input
// itself holds does not count.
bool has_non_finite(std::string_view text, std::string_view input) {
  for (std::string_view word : {"NaN", "Inf"}) {
    if (text.find(word) != std::string_view::npos && input.find(word) == std::string_view::npos) {
      return true;
    }
  }
  return false;
}

// The summary a front end prints: its extremes must be numbers.
bool summary_finite(const veldra::RunStatus& status) {
  for (const veldra::ProblemSummary& p : status.problems) {
    if (!std::isfinite(p.max_abs_deflection) || !std::isfinite(p.depth_of_max_deflection) ||
        !std::isfinite(p.max_abs_moment) || !std::isfinite(p.depth_of_max_moment)) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const veldra::engine::MemoryRun run = veldra::engine::run_in_memory(text);
  if (has_non_finite(run.plot, {}) || has_non_finite(run.notes, {}) ||
      has_non_finite(run.report, text) || !summary_finite(run.status)) {
    std::abort();
  }
  return 0;
}
