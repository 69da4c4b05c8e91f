#include "cli/analysis_job.h"

#include "cli/interrupt.h"
#include "cli/result_set.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <ostream>
#include <set>
#include <sstream>
#include <system_error>
#include <thread>

namespace veldra::cli {
namespace {

namespace fs = std::filesystem;

// The scratch directories that exist, for the way out of an interrupted program.
std::mutex g_scratch_mutex;
std::set<fs::path>& scratch_dirs() {
  static std::set<fs::path> dirs;
  return dirs;
}

fs::path temporary_directory() {
  std::error_code ec;
  fs::path base = fs::temp_directory_path(ec);
  return ec ? fs::path("/tmp") : base;
}

// Two names of one file: the same path, or the same file reached another way (a
// link, "a/../b").
bool same_file(const fs::path& a, const fs::path& b) {
  if (a.lexically_normal() == b.lexically_normal()) return true;
  std::error_code ec;
  return fs::equivalent(a, b, ec) && !ec;
}

// Only a line that starts with '#' is a comment in a batch list; a '#' further on is
// part of the name.
std::string missing_file(const fs::path& data) {
  std::string text = data.string() + ": no such file";
  if (data.string().find(" #") != std::string::npos) {
    text += " (in a batch list only a line that starts with # is a comment)";
  }
  return text;
}

// The engine's message for a result file it could not write in the scratch
// directory, told as what the user can act on.
std::string scratch_write_error(const RunStatus& status, const ScratchDir& scratch) {
  const std::string& message = status.message;
  const std::size_t colon = message.rfind(": ");
  const std::string reason = colon == std::string::npos ? message : message.substr(colon + 2);
  return "cannot write the results in the temporary directory " +
         scratch.path().parent_path().string() + ": " + reason +
         " (set TMPDIR to use another directory); the earlier results are unchanged";
}

}  // namespace

ScratchDir::ScratchDir() {
  const fs::path base = temporary_directory();
  std::string pattern = (base / "veldra-calc.XXXXXX").string();
  std::lock_guard lock(g_scratch_mutex);
  // The scratch directories of an abandoned program may already have been removed:
  // one made now would outlive it.
  if (abandoning()) {
    error_ = "interrupted before the analysis began";
    return;
  }
  errno = 0;
  if (char* made = mkdtemp(pattern.data())) {
    path_ = made;
    scratch_dirs().insert(path_);
  } else {
    error_ = "cannot create a scratch directory in " + base.string() + ": " +
             std::strerror(errno) + " (set TMPDIR to use another directory)";
  }
}

ScratchDir::~ScratchDir() {
  if (path_.empty()) return;
  std::lock_guard lock(g_scratch_mutex);
  std::error_code ec;
  fs::remove_all(path_, ec);
  scratch_dirs().erase(path_);
}

void remove_scratch_dirs() {
  std::lock_guard lock(g_scratch_mutex);
  for (const fs::path& dir : scratch_dirs()) {
    // The analysis may still be writing into it: moved aside first, the directory
    // takes no new file by its name, and what was being created as it moved is
    // caught by a later pass.
    std::error_code ec;
    fs::path gone = dir;
    gone += ".removing";
    fs::rename(dir, gone, ec);
    if (ec) gone = dir;
    for (int pass = 0; pass < 100; ++pass) {
      fs::remove_all(gone, ec);
      if (!fs::exists(gone, ec)) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  scratch_dirs().clear();
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
                  const ScratchDir* shared_scratch, std::shared_lock<std::shared_mutex>* gate) {
  JobResult job;
  std::error_code ec;
  if (!fs::is_regular_file(data, ec)) {
    job.error = fs::exists(data, ec) ? data.string() + ": not a regular file" : missing_file(data);
    return job;
  }
  const fs::path absolute = fs::absolute(data, ec);
  const fs::path dir = out_dir ? fs::absolute(*out_dir, ec) : absolute.parent_path();
  if (!fs::is_directory(dir, ec)) {
    job.error = dir.string() + ": no such directory";
    return job;
  }
  const fs::path stem = absolute.stem();
  const PathSet targets = {dir / stem.string().append(".vd5o"), dir / stem.string().append(".vd5p"),
                           dir / stem.string().append(".vd5r")};
  for (const fs::path& target : targets) {
    if (same_file(target, absolute)) {
      job.error = data.string() + ": its results would replace the data file itself";
      return job;
    }
  }

  std::optional<ScratchDir> own_scratch;
  if (!shared_scratch) own_scratch.emplace();
  const ScratchDir& scratch = shared_scratch ? *shared_scratch : *own_scratch;
  if (scratch.path().empty()) {
    job.error = scratch.error();
    return job;
  }
  RunPaths paths;
  paths.data = absolute;
  // The report's title page names the files as the user will find them.
  paths.report = scratch.path() / targets[0].filename();
  paths.plot = scratch.path() / targets[1].filename();
  paths.notes = scratch.path() / targets[2].filename();
  paths.working_dir = scratch.path();
  std::ostringstream console;
  paths.console = &console;
  job.status = run_analysis(paths);
  job.console = console.str();
  const PathSet made = {paths.report, paths.plot, paths.notes};
  if (job.status.outcome == RunOutcome::FileError) {
    if (job.status.message.find(scratch.path().string()) != std::string::npos) {
      job.error = scratch_write_error(job.status, scratch);
    }
  } else if (job.status.outcome == RunOutcome::InternalError) {
    // Results cut short by a fault of the engine are not put in place of older ones.
  } else if (abandoning()) {
    job.error = data.string() + ": interrupted; the earlier results are unchanged";
  } else {
    std::shared_lock<std::shared_mutex> own_gate;
    std::shared_lock<std::shared_mutex>& held = gate ? *gate : own_gate;
    held = std::shared_lock(commit_gate());
    job.error = replace_results(made, targets);
    if (job.error.empty()) job.report = targets[0];
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

std::string older_format_hint(const fs::path& data, const RunStatus& status) {
  if (status.outcome != RunOutcome::InputError) return {};
  std::string extension = data.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension != ".vdd" && extension != ".vd4d") return {};
  return data.string() + " may be a data file of an older format (" + extension +
         "): convert it first with veldra-convert (veldra-convert --help lists the formats)";
}

std::string console_line(const std::string& console) {
  std::string line;
  bool blank = true;
  for (const char c : console) {
    const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r';
    if (space) {
      blank = true;
      continue;
    }
    if (blank && !line.empty()) line += ' ';
    blank = false;
    line += c;
  }
  return line;
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
