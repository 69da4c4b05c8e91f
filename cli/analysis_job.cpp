#include "cli/analysis_job.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <system_error>

namespace veldra::cli {
namespace {

namespace fs = std::filesystem;

// Moves a finished file into place: a rename when both lie on one file system,
// otherwise a copy beside the target renamed over it, so that a reader never sees
// a half-written result.
bool move_into_place(const fs::path& from, const fs::path& to, std::string& error) {
  std::error_code ec;
  fs::rename(from, to, ec);
  if (!ec) return true;
  const fs::path partial = to.string() + ".partial";
  fs::copy_file(from, partial, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::rename(partial, to, ec);
  if (ec) {
    fs::remove(partial, ec);
    error = "cannot write " + to.string() + ": " + ec.message();
    return false;
  }
  return true;
}

}  // namespace

ScratchDir::ScratchDir() {
  std::error_code ec;
  fs::path base = fs::temp_directory_path(ec);
  if (ec) base = "/tmp";
  std::string pattern = (base / "veldra-calc.XXXXXX").string();
  if (char* made = mkdtemp(pattern.data())) path_ = made;
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  if (!path_.empty()) fs::remove_all(path_, ec);
}

fs::path result_base(const fs::path& data, const std::optional<fs::path>& out_dir) {
  std::error_code ec;
  const fs::path absolute = fs::absolute(data, ec);
  fs::path dir = out_dir ? fs::absolute(*out_dir, ec) : absolute.parent_path();
  // Two spellings of one directory (a symbolic link, "a/../b") are one place.
  fs::path canonical = fs::weakly_canonical(dir, ec);
  dir = ec ? dir.lexically_normal() : canonical;
  return dir / absolute.stem();
}

JobResult run_job(const fs::path& data, const std::optional<fs::path>& out_dir,
                  const ScratchDir* shared_scratch) {
  JobResult job;
  std::error_code ec;
  if (!fs::is_regular_file(data, ec)) {
    job.error = data.string() + ": " + (fs::exists(data, ec) ? "not a regular file"
                                                             : "no such file");
    return job;
  }
  const fs::path absolute = fs::absolute(data, ec);
  const fs::path dir = out_dir ? fs::absolute(*out_dir, ec) : absolute.parent_path();
  if (!fs::is_directory(dir, ec)) {
    job.error = dir.string() + ": no such directory";
    return job;
  }
  const fs::path stem = absolute.stem();
  const fs::path targets[3] = {dir / stem.string().append(".vd5o"),
                               dir / stem.string().append(".vd5p"),
                               dir / stem.string().append(".vd5r")};

  std::optional<ScratchDir> own_scratch;
  if (!shared_scratch) own_scratch.emplace();
  const ScratchDir& scratch = shared_scratch ? *shared_scratch : *own_scratch;
  if (scratch.path().empty()) {
    job.error = "cannot create a scratch directory";
    return job;
  }
  RunPaths paths;
  paths.data = absolute;
  // The report's title page names the files as the user will find them.
  paths.report = scratch.path() / targets[0].filename();
  paths.plot = scratch.path() / targets[1].filename();
  paths.notes = scratch.path() / targets[2].filename();
  paths.working_dir = scratch.path();
  job.status = run_analysis(paths);
  const fs::path made[3] = {paths.report, paths.plot, paths.notes};
  // Results cut short by a fault of the engine are not put in place of older ones.
  if (job.status.outcome != RunOutcome::FileError &&
      job.status.outcome != RunOutcome::InternalError) {
    bool moved = true;
    for (int i = 0; i < 3 && moved; ++i) {
      if (fs::exists(made[i], ec)) moved = move_into_place(made[i], targets[i], job.error);
    }
    if (moved) job.report = targets[0];
  }
  // A shared scratch directory starts the next job empty.
  if (shared_scratch) {
    for (const fs::path& left : made) fs::remove(left, ec);
  }
  return job;
}

bool all_closed(const RunStatus& status) {
  return std::all_of(status.problems.begin(), status.problems.end(),
                     [](const ProblemSummary& p) { return p.closed; });
}

int exit_status(const RunStatus& status) {
  switch (status.outcome) {
    case RunOutcome::Finished: return all_closed(status) ? 0 : 5;
    case RunOutcome::InputError: return 2;
    case RunOutcome::SoilStop: return 3;
    case RunOutcome::InternalError: return 6;
    default: return 1;
  }
}

void print_summary(std::ostream& out, const fs::path& data, const JobResult& job) {
  const RunStatus& s = job.status;
  out << data.string() << ": ";
  switch (s.outcome) {
    case RunOutcome::Finished:
      out << (all_closed(s) ? "analysis finished" : "analysis finished without closing");
      break;
    case RunOutcome::InputError: out << "input error: " << s.message; break;
    case RunOutcome::SoilStop:
      out << "stopped by a soil model (stop code " << s.stop_code << ")";
      if (!s.message.empty()) out << ": " << s.message;
      break;
    default: out << s.message; break;
  }
  out << '\n';
  for (const ProblemSummary& p : s.problems) {
    const char* len = p.units == 1 ? "in" : p.units == 2 ? "m" : "L";
    const char* mom = p.units == 1 ? "lb-in" : p.units == 2 ? "kN-m" : "F-L";
    char line[320];
    std::snprintf(line, sizeof line,
                  "  problem %d (%s): %d iteration%s, %s; max |deflection| %.4g %s at %.4g %s; "
                  "max |moment| %.4g %s at %.4g %s\n",
                  p.number, p.heading.c_str(), p.iterations, p.iterations == 1 ? "" : "s",
                  p.closed ? "closed" : (p.deflection_exceeded ? "allowable deflection exceeded"
                                                               : "NOT closed"),
                  p.max_abs_deflection, len, p.depth_of_max_deflection, len, p.max_abs_moment,
                  mom, p.depth_of_max_moment, len);
    out << line;
    if (p.off_curve) out << "    some deflections lie beyond the ends of their p-y curves\n";
  }
  if (!job.report.empty()) out << "  report: " << job.report.string() << '\n';
}

}  // namespace veldra::cli
